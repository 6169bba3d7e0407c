#pragma once
// The status bar's three panels for the element under the mouse: a description with its
// values, the neuron type (or "Multi" for a multi node) and "L" for a learner. The brain
// window shows StatusAt for the cell under the mouse after every step and on every move
// to a new cell; TBoardEditor keeps the texts of its last mouse event.
#include <string>

#include "brain/Brainboard.h"

struct StatusText {
  std::string text, type, learn;
  bool operator==(const StatusText&) const = default;
  bool empty() const { return text.empty() && type.empty() && learn.empty(); }
};

StatusText StatusAt(const TBrainBoard& board, int x, int y);
