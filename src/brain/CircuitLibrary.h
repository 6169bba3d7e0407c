#pragma once
// The circuit library: text blocks kept in files named after the circuit with ".lib" in
// a folder (the current folder for the brain window). The popup menu lists
// LibraryCircuits; "Copy to lib" and "Paste from lib" call the two operations below.
#include <string>
#include <vector>

#include "brain/Brainboard.h"

// Each "*.lib" file of the folder by its name up to the first ".".
std::vector<std::string> LibraryCircuits(const std::string& folder);
// Copies the selection and writes its text block to folder/name.lib, replacing any file
// of that name. False when the selection holds nothing or the file cannot be written.
bool CopyToLibrary(TBrainBoard& board, const std::string& name, const std::string& folder);
// Reads folder/name.lib, puts it on the clipboard and pastes it; false (and nothing
// happens) when the file cannot be read.
bool PasteFromLibrary(TBrainBoard& board, const std::string& name, const std::string& folder);
