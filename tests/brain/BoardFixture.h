#pragma once
// A board with recording fakes, and helpers that build small networks for the tests.
#include <gtest/gtest.h>

#include "brain/Brainboard.h"
#include "support/Fakes.h"

class BoardTest : public ::testing::Test {
 protected:
  FakeHost fake;
  TBrainBoard board{fake.host(), 7};

  // Offers one input channel and returns its node.
  int MakeInput(int channel) {
    ChannelMask in{};
    in[channel] = true;
    board.SetIO(&in, nullptr);
    return board.inputBindings[channel].node;
  }
  int MakeOutput(int channel) {
    ChannelMask out{};
    out[channel] = true;
    board.SetIO(nullptr, &out);
    return board.outputBindings[channel].node;
  }
  int MakeNeuron(int x, int y, int type = StepNeuron, float threshold = 50) {
    const int i = board.AddNeuron(x, y);
    board.EraseNeuron(i);  // the centre tile shows the type
    board.neurons[i].type = type;
    board.neurons[i].threshold = threshold;
    board.DrawNeuron(i);
    return i;
  }
  // Synapse from a neuron's slot 0 into another neuron's slot 4.
  void Link(int from, int to, float weight = 100, int fromSlot = 0, int toSlot = 4) {
    ASSERT_TRUE(board.ConnectToNeuron(OtherNeuron, from, fromSlot, to, toSlot, weight));
  }
  void LinkNode(int node, int to, float weight = 100, int nodeSlot = 0, int toSlot = 4) {
    ASSERT_TRUE(board.ConnectToNeuron(OtherNode, node, nodeSlot, to, toSlot, weight));
  }
  void SetInput(int channel, int value) { board.IO().inputs[channel][0] = value; }
  int Output(int channel, int sub = 0) { return board.IO().outputs[channel][sub]; }
};
