#pragma once
// Brain parts as text: the block that "Copy" puts on the system clipboard and "Paste"
// reads back, also the form of circuit library files. The brain window's Copy, Cut and
// Paste (menu and Ctrl keys, through TBoardEditor) end here; the clipboard is the host's.
#include <string>

#include "brain/Brainboard.h"

constexpr const char* ClipboardHeader = "Quorbit version 1.01";

// The text block of the selection rectangle; empty when the rectangle holds nothing.
std::string SelectionText(TBrainBoard& board);
// Puts the selection's text block on the clipboard (left alone when it would be empty).
void CopySelection(TBrainBoard& board);
// Reads a text block into the board at the paste anchor (the selection's top-left, or
// where it was copied from), at the nearest free place. A text without the header is
// ignored; a damaged one shows its "Paste Error" and leaves the board as it was.
bool PasteText(TBrainBoard& board, const std::string& text);
// PasteText of the clipboard's text.
void Paste(TBrainBoard& board);
