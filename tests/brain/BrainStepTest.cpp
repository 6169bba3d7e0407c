#include <cmath>

#include "brain/BoardFixture.h"

using StepTest = BoardTest;

TEST_F(StepTest, StepNeuronFiresAtItsThreshold) {
  const int in = MakeInput(14);
  const int n = MakeNeuron(20, 20);
  LinkNode(in, n);
  SetInput(14, 50);
  board.Step(false);
  EXPECT_EQ(board.neurons[n].input, 5000);  // 50 x 100, scaled by 0.01 on activation
  EXPECT_EQ(board.neurons[n].state, 100);
  SetInput(14, 49);
  board.Step(false);
  EXPECT_EQ(board.neurons[n].state, 0);
}

TEST_F(StepTest, ActivationPerType) {
  const int in = MakeInput(14);
  const int sig = MakeNeuron(20, 10, SigmoidNeuron, 30);
  board.neurons[sig].gain = 0.075f;
  const int lin = MakeNeuron(20, 20, LinearNeuron, 30);
  const int err = MakeNeuron(20, 30, ErrorNeuron, 20);
  LinkNode(in, sig, 100, 0, 4);
  LinkNode(in, lin, 100, 2, 4);
  LinkNode(in, err, -100, 1, 4);
  SetInput(14, 30);
  board.Step(false);
  EXPECT_FLOAT_EQ(board.neurons[sig].state, 50);  // at the threshold
  EXPECT_FLOAT_EQ(board.neurons[lin].state, 0);
  EXPECT_FLOAT_EQ(board.neurons[err].state, -30);
  SetInput(14, 100);
  board.Step(false);
  EXPECT_NEAR(board.neurons[sig].state, 100 / (std::exp(-0.075 * 70) + 1), 1e-4);
  EXPECT_FLOAT_EQ(board.neurons[lin].state, 70);
  EXPECT_FLOAT_EQ(board.neurons[err].state, -100);
  // Linear and Error states are clamped, a Sigmoid far below its threshold reaches 0.
  board.neurons[sig].threshold = 100;
  board.neurons[sig].gain = 5;
  board.neurons[lin].threshold = -100;
  SetInput(14, -100);
  board.Step(false);
  EXPECT_FLOAT_EQ(board.neurons[lin].state, 0);
  EXPECT_EQ(board.neurons[sig].state, 0);
  EXPECT_FLOAT_EQ(board.neurons[err].state, 100);
  // exp(100) is beyond a float even where a double holds it: still 0, not a speck.
  board.neurons[sig].threshold = 0;
  board.neurons[sig].gain = 1;
  board.Step(false);
  EXPECT_EQ(board.neurons[sig].state, 0);
}

TEST_F(StepTest, HabituationFadesWhileTheSourceIsActiveAndSnapsBack) {
  const int in = MakeInput(14);
  const int n = MakeNeuron(20, 20, LinearNeuron, 0);
  LinkNode(in, n);
  board.neurons[n].slots[4].decay = 10;
  SetInput(14, 50);
  board.Step(false);  // the source was still quiet when habituation ran
  Synapse& s = board.neurons[n].slots[4];
  EXPECT_FLOAT_EQ(s.state, 100);
  board.Step(false);
  EXPECT_FLOAT_EQ(s.state, 99);
  board.Step(false);
  EXPECT_FLOAT_EQ(s.state, 98);
  SetInput(14, 0);
  board.Step(false);  // the source still read 50 at the start of this step
  EXPECT_FLOAT_EQ(s.state, 97);
  board.Step(false);
  EXPECT_FLOAT_EQ(s.state, 100);
}

TEST_F(StepTest, NegativeDecayStrengthensUpToTheLimit) {
  const int in = MakeInput(14);
  const int n = MakeNeuron(20, 20, LinearNeuron, 0);
  LinkNode(in, n, -90);
  board.neurons[n].slots[4].decay = -10;
  SetInput(14, 100);
  board.Step(false);
  board.Step(false);
  EXPECT_FLOAT_EQ(board.neurons[n].slots[4].state, -91);
  board.neurons[n].slots[4].state = 50;
  board.neurons[n].slots[4].decay = -1000;
  board.Step(false);
  EXPECT_FLOAT_EQ(board.neurons[n].slots[4].state, 100);
}

TEST_F(StepTest, OutputsRoundHalfUp) {
  const int out = MakeOutput(4);
  board.cyclesPerUpdate = 0;  // no pass, so the node keeps what we put there
  const float values[] = {49.5f, -0.5f, -0.6f, 1e30f, -1e30f, NAN, 0.49f, 100};
  for (int c = 0; c < 8; ++c) board.nodes[out].value[c] = values[c];
  board.Step(false);
  EXPECT_EQ(Output(4, 0), 50);
  EXPECT_EQ(Output(4, 1), 0);
  EXPECT_EQ(Output(4, 2), -1);
  EXPECT_EQ(Output(4, 3), 2147483647);
  EXPECT_EQ(Output(4, 4), -2147483647 - 1);
  EXPECT_EQ(Output(4, 5), 0);
  EXPECT_EQ(Output(4, 6), 0);
  EXPECT_EQ(Output(4, 7), 100);
  // An unbound channel writes zeros.
  board.IO().outputs[5][0] = 9;
  board.Step(false);
  EXPECT_EQ(Output(5), 0);
}

TEST_F(StepTest, LastWriterWinsNodesBeforeNeuronsAscending) {
  const int in = MakeInput(14);
  const int relay = board.AddNode(30, 30);
  const int a = MakeNeuron(20, 10, LinearNeuron, 0);
  const int b = MakeNeuron(20, 20, LinearNeuron, 0);
  LinkNode(in, a, 100, 0, 4);
  LinkNode(in, b, 50, 2, 4);
  ASSERT_TRUE(board.ConnectToNode(OtherNode, in, 1, relay, 4));
  ASSERT_FALSE(board.ConnectToNode(OtherNeuron, a, 0, relay, 6));  // single-channel: one wire
  board.nodes[relay].multi = true;
  ASSERT_TRUE(board.ConnectToNode(OtherNeuron, b, 0, relay, 6));
  ASSERT_TRUE(board.ConnectToNode(OtherNeuron, a, 0, relay, 5));
  board.nodes[relay].multi = false;  // now every wire writes all eight values
  SetInput(14, 80);
  board.Step(false);
  // Node source wrote 80, then neuron a (80), then neuron b (40) last.
  EXPECT_FLOAT_EQ(board.nodes[relay].value[0], 40);
  EXPECT_FLOAT_EQ(board.nodes[relay].value[7], 40);
}

TEST_F(StepTest, MultiNodesKeepChannelsApart) {
  ChannelMask in{};
  in[25] = true;  // "Ear", eight sub-values
  board.SetIO(&in, nullptr);
  const int ear = board.inputBindings[25].node;
  ASSERT_TRUE(board.nodes[ear].multi);
  const int n = MakeNeuron(20, 20, LinearNeuron, 0);
  LinkNode(ear, n, 100, 3, 4);
  for (int c = 0; c < 8; ++c) board.IO().inputs[25][c] = 10 * c;
  board.Step(false);
  EXPECT_FLOAT_EQ(board.nodes[ear].value[3], 30);
  EXPECT_FLOAT_EQ(board.neurons[n].state, 30);
}

TEST_F(StepTest, RingKeepsChangingAndResumesNextStep) {
  const int a = MakeNeuron(10, 10), b = MakeNeuron(20, 10), c = MakeNeuron(30, 10);
  Link(a, b);
  Link(b, c);
  Link(c, a);
  board.neurons[a].state = 100;
  board.cyclesPerUpdate = 4;
  board.Step(false);
  EXPECT_EQ(board.lastPassCount(), 4);
  EXPECT_EQ(board.neurons[b].state, 100);  // one place on per pass: a -> b -> c -> a -> b
  EXPECT_EQ(board.neurons[a].state + board.neurons[c].state, 0);
  board.Step(false);
  EXPECT_EQ(board.neurons[c].state, 100);
  board.cyclesPerUpdate = 0;
  board.Step(false);
  EXPECT_EQ(board.lastPassCount(), 0);
  EXPECT_EQ(board.neurons[c].state, 100);
}

TEST_F(StepTest, SettledNetworkCostsOnePass) {
  const int in = MakeInput(14);
  const int a = MakeNeuron(20, 10), b = MakeNeuron(30, 10);
  LinkNode(in, a);
  Link(a, b);
  SetInput(14, 100);
  board.Step(false);
  EXPECT_EQ(board.lastPassCount(), 3);
  board.Step(false);
  EXPECT_EQ(board.lastPassCount(), 1);
}

TEST_F(StepTest, KeyInputPlaysItsPackedValues) {
  EXPECT_EQ(TBrainBoard::PackKeyValues(100, -100), 200);
  EXPECT_EQ(TBrainBoard::PackKeyValues(100, 0), 100200);
  const int k1 = board.AddNode(10, 10), k2 = board.AddNode(20, 10);
  board.SetNodeType(k1, KeyInputNode, 200, "A");
  board.SetNodeType(k2, KeyInputNode, 100200, "A");
  EXPECT_EQ(board.nodes[k1].picture, 'A');
  EXPECT_FALSE(board.UsesSimulatedInput());
  board.Step(false);
  EXPECT_FLOAT_EQ(board.nodes[k1].value[0], -100);
  EXPECT_FLOAT_EQ(board.nodes[k2].value[5], 0);
  EXPECT_TRUE(board.UsesSimulatedInput());
  fake.keys.down.insert('A');
  board.Step(false);
  EXPECT_FLOAT_EQ(board.nodes[k1].value[0], 100);
  EXPECT_FLOAT_EQ(board.nodes[k2].value[0], 100);
  board.ResetRun();
  EXPECT_FALSE(board.UsesSimulatedInput());
}

TEST_F(StepTest, ZeroCyclesStillReadsInputsAndWritesOutputs) {
  const int in = MakeInput(14);
  const int out = MakeOutput(4);
  const int n = MakeNeuron(20, 20);
  LinkNode(in, n);
  ASSERT_TRUE(board.ConnectToNode(OtherNeuron, n, 0, out, 4));
  board.neurons[n].state = 100;
  board.cyclesPerUpdate = 0;
  SetInput(14, 0);
  board.Step(false);
  EXPECT_FLOAT_EQ(board.nodes[in].value[0], 0);
  EXPECT_EQ(board.neurons[n].state, 100);
  EXPECT_EQ(Output(4), 0);
  board.cyclesPerUpdate = 15;
  board.Step(false);
  EXPECT_EQ(board.neurons[n].state, 0);
  SetInput(14, 60);
  board.Step(false);
  EXPECT_EQ(Output(4), 100);
}

TEST_F(StepTest, DisplayMarksFollowTheLitState) {
  const int in = MakeInput(14);
  const int err = MakeNeuron(20, 20, ErrorNeuron, 20);
  LinkNode(in, err);
  const auto centreTile = [&] {
    const GridCell* c = board.Cell(20, 20);
    return board.pics[c->first].picture;
  };
  EXPECT_EQ(centreTile(), 167);
  SetInput(14, 25);
  board.Step(false);
  EXPECT_EQ(board.neurons[err].shownState, 100);
  EXPECT_EQ(centreTile(), 183);
  SetInput(14, -25);
  board.Step(false);
  EXPECT_EQ(board.neurons[err].shownState, 100);
  SetInput(14, 10);
  board.Step(false);
  EXPECT_EQ(board.neurons[err].shownState, 0);
  EXPECT_EQ(centreTile(), 167);
  // The input node lights at 50.
  SetInput(14, 50);
  board.Step(false);
  EXPECT_EQ(board.nodes[in].shownState, 100);
  EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(StepTest, BrokenBoardIsNotSteppedUntilReset) {
  const int in = MakeInput(14);
  board.broken = true;
  SetInput(14, 70);
  board.Step(false);
  EXPECT_FLOAT_EQ(board.nodes[in].value[0], 0);
  board.ResetRun();
  EXPECT_FALSE(board.broken);
  SetInput(14, 70);
  board.Step(false);
  EXPECT_FLOAT_EQ(board.nodes[in].value[0], 70);
}

TEST_F(StepTest, ResetRunClearsRunState) {
  const int held = board.AddNode(10, 10), plain = board.AddNode(20, 10);
  board.nodes[held].type = HeldNode;
  board.nodes[held].value[2] = 33;
  board.nodes[plain].value[2] = 33;
  const int a = MakeNeuron(10, 20, StepNeuron, 10), b = MakeNeuron(20, 20, StepNeuron, -10);
  board.neurons[a].state = 100;
  board.neurons[b].state = 100;
  board.IO().inputs[3][1] = 5;
  board.IO().outputs[3][1] = 5;
  board.MarkTouched();
  board.ResetRun();
  EXPECT_EQ(board.neurons[a].state, 0);
  EXPECT_EQ(board.neurons[b].state, 100);
  EXPECT_EQ(board.nodes[held].value[2], 33);
  EXPECT_EQ(board.nodes[plain].value[2], 0);
  EXPECT_EQ(board.IO().inputs[3][1], 0);
  EXPECT_EQ(board.IO().outputs[3][1], 0);
  EXPECT_FALSE(board.WasTouched());
}

TEST_F(StepTest, HeldNodePlaysWhatItsDialogWrote) {
  const int held = board.AddNode(10, 10);
  board.nodes[held].type = HeldNode;
  const int n = MakeNeuron(20, 10, LinearNeuron, 0);
  LinkNode(held, n);
  board.nodes[held].next[0] = 40;
  board.Step(false);
  EXPECT_FLOAT_EQ(board.nodes[held].value[0], 40);
  EXPECT_FLOAT_EQ(board.neurons[n].state, 40);
}
