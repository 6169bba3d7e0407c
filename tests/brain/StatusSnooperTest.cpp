// Status texts for the element under the mouse; snooper modes, bands and the dialog's list.
#include "EditorFixture.h"
#include "brain/SnooperBands.h"
#include "brain/StatusTexts.h"
#include "platform/Files.h"

namespace {

class StatusTest : public EditorTest {};

TEST_F(StatusTest, NeuronSynapseAndLineTexts) {
  const int a = MakeNeuron(10, 10), b = MakeNeuron(20, 10, SigmoidNeuron, 12.5f);
  Drag(11, 10, 19, 10);
  board.neurons[a].state = 100;
  board.neurons[b].learn = true;
  board.neurons[b].slots[4].state = 87.25f;
  board.neurons[b].slots[4].decay = 1.5f;
  board.neurons[b].slots[4].learn = true;
  EXPECT_EQ(StatusAt(board, 20, 10), (StatusText{"Neuron 1: state   0.00, threshold  12.50", "Sigmoid", "L"}));
  EXPECT_EQ(StatusAt(board, 21, 11), (StatusText{"Neuron 1: state   0.00, threshold  12.50", "Sigmoid", "L"}));
  EXPECT_EQ(StatusAt(board, 19, 10), (StatusText{"Synapse: state 100.00, weight  87.25, decay   1.50", "", "L"}));
  EXPECT_EQ(StatusAt(board, 14, 10), (StatusText{"Line from neuron 0 to neuron 1", "", ""}));
  EXPECT_TRUE(StatusAt(board, 40, 40).empty());
  // The editor shows the texts on a move to a new cell and clears them on a press.
  Move(20, 10);
  EXPECT_EQ(editor.status().type, "Sigmoid");
  Down(40, 40);
  EXPECT_TRUE(editor.status().empty());
}

TEST_F(StatusTest, NodeTexts) {
  const int in = MakeInput(3);   // "Branch Fwd"
  const int ear = MakeInput(25); // "Ear", multi
  board.nodes[in].value[0] = 50;
  board.nodes[ear].value[2] = -7;
  const Node& e = board.nodes[ear];
  EXPECT_EQ(StatusAt(board, board.nodes[in].x, board.nodes[in].y),
            (StatusText{"Input Node (Branch Fwd): state  50.00", "", ""}));
  EXPECT_EQ(StatusAt(board, e.x, e.y + 1), (StatusText{"Input Node (Ear): state  -7.00", "Multi", ""}));
  const int plain = board.AddNode(50, 50);
  EXPECT_EQ(StatusAt(board, 50, 50).text, "Node " + std::to_string(plain) + ": state   0.00");
  board.SetNodeType(plain, KeyInputNode, TBrainBoard::PackKeyValues(100, 0), "K");
  EXPECT_EQ(StatusAt(board, 50, 50).text, "Key Input (K): state   0.00");
  board.SetNodeType(plain, FileInputNode, 1, "no-such-file.txt");
  EXPECT_EQ(StatusAt(board, 50, 50).text, "File Input (invalid): state   0.00");
  TempFolder folder;
  ASSERT_TRUE(WriteFileAtomic(folder.file("d.txt"), "1 2\n3 4\n"));
  board.SetNodeType(plain, FileInputNode, 2, folder.file("d.txt"));
  EXPECT_EQ(StatusAt(board, 50, 50).text, "File Input (" + folder.file("d.txt") + ", 2): state   0.00");
  ChannelMask none{};
  board.inputAvailable = none;
  board.neurons.Allocate();
  board.neurons[0].x = 10, board.neurons[0].y = 10;
  board.DrawNeuron(0);
  LinkNode(in, 0);
  board.SetIO(nullptr, nullptr);
  EXPECT_EQ(StatusAt(board, board.nodes[in].x, board.nodes[in].y).text, "Input Node (Empty): state  50.00");
}

class SnooperTest : public BoardTest {
 protected:
  int Snoop(int x, int y, int mode) {
    const int s = board.AddSnooper(x, y);
    board.snoopers[s].mode = mode;
    return s;
  }
};

TEST_F(SnooperTest, ScaleHalvesEachValueInStackOrder) {
  const int a = MakeNeuron(10, 10, StepNeuron, 0);
  const int b = MakeNeuron(20, 10);
  board.ConnectToNeuron(OtherNeuron, a, 0, b, 4, 100);
  // A route segment under the neuron's picture in the same cell (drawn first).
  const int seg = board.AddLineSeg(11, 11, 0, 0, -1, OtherNeuron, b, 0);
  board.DrawLineSeg(seg);
  board.EraseNeuron(a);
  board.DrawNeuron(a);
  board.neurons[a].state = 100;
  board.neurons[b].state = 60;
  const int s = Snoop(11, 11, SnoopScale);
  board.RefreshSnoopers();
  EXPECT_EQ(board.snoopers[s].lastValue, 65);  // floor(50 + 15 + 0.5)
  board.snoopers[s].mode = SnoopDiff;
  board.RefreshSnoopers();
  EXPECT_EQ(board.snoopers[s].lastValue, 40);
  board.snoopers[s].mode = SnoopMin;
  board.RefreshSnoopers();
  EXPECT_EQ(board.snoopers[s].lastValue, 60);
  board.snoopers[s].mode = SnoopAvg;
  board.RefreshSnoopers();
  EXPECT_EQ(board.snoopers[s].lastValue, 80);
}

TEST_F(SnooperTest, BandsPickTheColourAndRedrawOnlyOnChange) {
  const int n = MakeNeuron(10, 10);
  const int s = Snoop(10, 10, SnoopTop);
  SnooperBandList list = SnooperBandList::Of(board.snoopers[s]);
  ASSERT_EQ(list.entries().size(), 1u);
  EXPECT_TRUE(list.Add("Base", 110));
  EXPECT_TRUE(list.Add("50", 142));
  EXPECT_TRUE(list.Add("0", 159));
  EXPECT_EQ(list.Text(1), "0");
  EXPECT_EQ(list.Text(2), "50");
  ApplySnooperSettings(board, s, SnoopTop, false, list);
  EXPECT_EQ(board.snoopers[s].thresholds[3], 200);
  EXPECT_EQ(board.snoopers[s].colours[3], 0);
  for (auto [state, tile] : {std::pair{-3, 110}, {0, 159}, {49, 159}, {50, 142}}) {
    board.neurons[n].state = static_cast<float>(state);
    board.RefreshSnoopers();
    EXPECT_EQ(board.snoopers[s].tile, tile) << state;
    EXPECT_TRUE(board.FindPic(10, 10, tile, PicSnooper, s) >= 0);
  }
  // Same value: no redraw; same band with monitor off: no repaint either.
  board.Cell(10, 10)->dirty = false;
  board.RefreshSnoopers();
  board.neurons[n].state = 70;
  board.RefreshSnoopers();
  EXPECT_FALSE(board.Cell(10, 10)->dirty);
  board.snoopers[s].monitor = true;
  board.neurons[n].state = 80;
  board.RefreshSnoopers();
  EXPECT_TRUE(board.Cell(10, 10)->dirty);
}

TEST_F(SnooperTest, SnooperOnAnEmptyCellShowsTheBandOfZero) {
  const int s = Snoop(40, 40, SnoopMax);
  SnooperBandList list = SnooperBandList::Of(board.snoopers[s]);
  list.Add("0", 159);
  ApplySnooperSettings(board, s, SnoopMax, true, list);
  board.RefreshSnoopers();
  EXPECT_EQ(board.snoopers[s].lastValue, 0);
  EXPECT_EQ(board.snoopers[s].tile, 159);
}

TEST_F(SnooperTest, ListHoldsEightEntriesAndNeverLosesTheBase) {
  const int s = Snoop(40, 40, SnoopTop);
  SnooperBandList list = SnooperBandList::Of(board.snoopers[s]);
  for (int v = -60; v <= 60; v += 20) EXPECT_TRUE(list.Add(std::to_string(v), 143));
  EXPECT_EQ(list.entries().size(), 8u);
  EXPECT_FALSE(list.Add("99", 143));
  EXPECT_EQ(list.entries().size(), 8u);
  list.Delete({0, 1, 7});
  ASSERT_EQ(list.entries().size(), 6u);
  EXPECT_EQ(list.Text(0), "Base");
  EXPECT_EQ(list.Text(1), "-40");
  list.Change({1}, "250", 175);
  EXPECT_EQ(list.entries()[1].threshold, 100);
  EXPECT_EQ(list.entries()[1].tile, 175);
  list.Change({2}, "Base", 111);
  EXPECT_EQ(list.entries()[0].tile, 111);
  EXPECT_EQ(list.Text(2), "-20");
}

TEST_F(SnooperTest, DupCopiesOneColumnRightAndDeleteLowersTheCount) {
  const int s = Snoop(40, 40, SnoopAvg);
  board.snoopers[s].thresholds[1] = 10;
  const int d = DuplicateSnooper(board, s);
  EXPECT_EQ(board.snoopers[d].x, 41);
  EXPECT_EQ(board.snoopers[d].mode, SnoopAvg);
  EXPECT_EQ(board.snoopers[d].thresholds[1], 10);
  EXPECT_GE(board.FindPic(41, 40, 191, PicSnooper, d), 0);
  const int edge = Snoop(board.columns() - 2, 5, SnoopTop);
  EXPECT_EQ(board.snoopers[DuplicateSnooper(board, edge)].x, board.columns() - 2);
  board.DeleteSnooper(3);
  board.DeleteSnooper(2);
  EXPECT_EQ(board.snoopers.used(), 2);
}

}  // namespace
