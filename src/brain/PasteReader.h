#pragma once
// Pasting a clipboard text block in two steps: the whole block is read and checked
// before the board is touched, then placed at one go, so a damaged block or a board
// without room leaves the board exactly as it was.
#include <string>
#include <vector>

#include "brain/Brainboard.h"

struct PastedBlock {
  struct PNode {
    int oldIndex;
    Node node;
    std::string fileName;
    int fileColumn = 1;
  };
  struct PNeuron {
    int oldIndex;
    Neuron neuron;
  };
  struct PSeg {
    int oldIndex;
    LineSeg seg;
  };
  struct PSnooper {
    int oldIndex;
    Snooper snooper;
  };
  struct PText {
    int x, y, packed;
  };
  int originX = 0, originY = 0;
  std::vector<PText> texts;
  std::vector<PNode> nodes;
  std::vector<PNeuron> neurons;
  std::vector<PSeg> segs;
  std::vector<PSnooper> snoopers;
};

// Reads a block (header already checked). False with the message of the record kind
// that could not be read ("" for the header lines). Channel nodes with a channel
// outside 0..63 show "Works with bad node" as they are read.
bool ReadPastedBlock(const TBrainBoard& board, const std::string& text, PastedBlock& block, std::string& error);
// Places a read block: shifted to the paste anchor, then to the nearest free offset.
// Shows "Couldn't find a place to put it" and changes nothing when there is none.
bool PlacePastedBlock(TBrainBoard& board, PastedBlock& block);
