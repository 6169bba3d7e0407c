#pragma once
// Text on the board: each cell holds up to two characters as one text picture (tile
// 180) whose key packs them as left x 256 + right. The editor types into cells through
// a half-cell cursor; copy and paste read and write the same pictures.
#include "brain/Brainboard.h"

// The top text picture of a cell (kind 6 or 7), -1 when the cell shows no text.
int TextPicAt(const TBrainBoard& board, int x, int y);
// The packed characters of a cell, 0 without text.
int CellText(const TBrainBoard& board, int x, int y);
// Puts packed characters into a cell: a text picture is added when missing, and removed
// when both halves become empty.
void SetCellText(TBrainBoard& board, int x, int y, int packed);
// Removes every text picture of a cell.
void EraseCellText(TBrainBoard& board, int x, int y);

// The text cursor counts half cells: column = half / 2, the right half when half is odd.
struct TextCursor {
  int half = -1;
  int row = -1;
  void PlaceAt(int column, int r) { half = column * 2, row = r; }
  int column() const { return half / 2; }
};

// Characters the board takes as typed text: the space, letters, digits, punctuation.
bool IsBoardTextChar(int ch);

// One key of typing at the cursor: Enter ('\r'), Backspace ('\b') or a visible
// character; any other key only repaints the cursor's cell. The cursor must lie
// inside the frame.
void TypeAtCursor(TBrainBoard& board, TextCursor& cursor, int ch);
