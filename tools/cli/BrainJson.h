#pragma once
// JSON forms of a brain board for the brain commands of quorbit-cli.
#include <string>

#include "brain/Brainboard.h"

// A number as JSON; values that are not finite print as null.
std::string JsonNumber(double value);
// {"board":{...}}: size, live neurons and nodes with their slots, snoopers, line
// segments, bound channels.
std::string BoardJson(const TBrainBoard& board);
// {"CH":[v0,...,v7],...} for every bound output channel, keyed by channel number.
std::string OutputsJson(const TBrainBoard& board);

// A whole decimal integer in the int range.
bool ParseCliInt(const std::string& text, int& out);
// Hidden brains are the ".brx" files.
bool IsHiddenBrainName(std::string name);
