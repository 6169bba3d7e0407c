#pragma once
// Whether a file handed in as a brain can be read as one, before a command uses it.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Host.h"

// Empty when the file opens, starts as a brain file does and loads without the brain
// reader reporting damage; else the problem: "Couldn't open PATH", "Not a brain file:
// PATH", or the reader's own message.
std::string BrainFileProblem(const std::string& path, const Host& host);
// Only whether the bytes start as a brain file does (tag 100, length 0).
bool StartsAsBrainFile(const std::vector<uint8_t>& bytes);
