// The clipboard text block: copy, cut, paste and hostile paste texts.
#include "EditorFixture.h"
#include "brain/BoardClipboard.h"
#include "brain/CircuitLibrary.h"
#include "platform/Files.h"

namespace {

class ClipboardTest : public EditorTest {
 protected:
  void Select(int l, int t, int r, int b) {
    board.selLeft = l, board.selTop = t, board.selRight = r, board.selBottom = b;
  }
  int LiveNeurons() const {
    int n = 0;
    for (int i = 0; i < board.neurons.used(); ++i) n += board.neurons.live(i);
    return n;
  }
  std::vector<uint8_t> Saved() const { return board.SaveBrain(false); }
};

TEST_F(ClipboardTest, CopiedNeuronLosesTheSynapseFromOutside) {
  MakeNeuron(10, 10);
  MakeNeuron(20, 10, StepNeuron, 40);
  Drag(11, 10, 19, 10);
  Select(17, 7, 23, 13);
  CopySelection(board);
  const std::string expected =
      "Quorbit version 1.01\n17, 7\n0 nodes\n1 neurons\n0 linesegs\n0 snoopers\n0 text\n"
      "Neuron:1\n20 10 40.000000 0.000000 0 0 0.075000 0\n"
      "0 0 0.000000 0.000000 0.000000 0 -1 -1 -1 0\n"
      "1 0 0.000000 0.000000 0.000000 0 -1 -1 -1 0\n"
      "2 0 0.000000 0.000000 0.000000 0 -1 -1 -1 0\n"
      "3 0 0.000000 0.000000 0.000000 0 -1 -1 -1 0\n"
      "4 0 0.000000 0.000000 0.000000 0 -1 -1 -1 0\n"
      "5 0 0.000000 0.000000 0.000000 0 -1 -1 -1 0\n"
      "6 0 0.000000 0.000000 0.000000 0 -1 -1 -1 0\n"
      "7 0 0.000000 0.000000 0.000000 0 -1 -1 -1 0\n";
  EXPECT_EQ(fake.clipboard.text, expected);
  EXPECT_FALSE(board.neurons[1].selected);
  // An empty rectangle leaves the clipboard as it was.
  Select(40, 40, 45, 45);
  CopySelection(board);
  EXPECT_EQ(fake.clipboard.text, expected);
}

TEST_F(ClipboardTest, CopyAndPasteAtTheAnchorRebuildsTheCircuit) {
  const int a = MakeNeuron(10, 10), b = MakeNeuron(20, 10);
  Drag(11, 10, 19, 10);
  board.AddSnooper(15, 10);
  Rectangle(8, 8, 22, 12);
  editor.KeyPress('O', false);
  editor.KeyPress('K', false);
  editor.KeyPress('C', true);
  EXPECT_NE(fake.clipboard.text.find("7 linesegs\n1 snoopers\n1 text\n8 8 20299\n"), std::string::npos);
  Down(40, 60, MouseButton::Right);  // the paste anchor
  editor.KeyPress('V', true);
  ASSERT_EQ(LiveNeurons(), 4);
  const Neuron& pa = board.neurons[2];
  const Neuron& pb = board.neurons[3];
  EXPECT_EQ(pa.x, 42);
  EXPECT_EQ(pa.y, 62);
  EXPECT_EQ(pb.x, 52);
  EXPECT_EQ(pa.slots[0].kind, SlotOutput);
  EXPECT_EQ(pa.slots[0].otherIndex, 3);
  EXPECT_EQ(pb.slots[4].otherIndex, 2);
  EXPECT_EQ(pb.slots[4].weight, 100);
  EXPECT_EQ(board.lineSegs[pb.slots[4].lineSeg].x, 50);
  EXPECT_TRUE(HasTile(50, 62, 10 + 64));
  EXPECT_EQ(board.snoopers[1].x, 47);
  EXPECT_EQ(CellText(board, 40, 60), 'O' * 256 + 'K');
  EXPECT_EQ(board.selLeft, -1);
  EXPECT_FALSE(pa.selected);
  // The original is untouched.
  EXPECT_EQ(board.neurons[a].slots[0].otherIndex, b);
  EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(ClipboardTest, PasteWithoutAnchorGoesToTheNearestFreeRing) {
  MakeNeuron(30, 30);
  Select(29, 29, 31, 31);
  CopySelection(board);
  board.selLeft = board.selTop = board.selRight = board.selBottom = -1;
  Paste(board);
  ASSERT_EQ(LiveNeurons(), 2);
  EXPECT_EQ(board.neurons[1].x, 34);  // ring 4, first offset (+4, +4)
  EXPECT_EQ(board.neurons[1].y, 34);
}

TEST_F(ClipboardTest, CutRemovesWhatWasCopied) {
  MakeNeuron(30, 30);
  Rectangle(28, 28, 32, 32);
  editor.KeyPress('X', true);
  EXPECT_EQ(LiveNeurons(), 0);
  EXPECT_NE(fake.clipboard.text.find("1 neurons"), std::string::npos);
  EXPECT_EQ(board.selLeft, -1);
}

TEST_F(ClipboardTest, PastedInputNodeReplacesAnUnwiredOneAndIsPlainBesideAWiredOne) {
  const int in = MakeInput(0);
  const int n = MakeNeuron(10, 4);
  LinkNode(in, n);
  Select(1, 1, 14, 7);
  CopySelection(board);
  const std::string block = fake.clipboard.text;

  FakeHost otherHost;
  TBrainBoard other(otherHost.host(), 3);
  ChannelMask mask{};
  mask[0] = true;
  other.SetIO(&mask, nullptr);
  const int old = other.inputBindings[0].node;
  ASSERT_TRUE(PasteText(other, block));
  const int pasted = other.inputBindings[0].node;
  EXPECT_NE(pasted, old);
  EXPECT_EQ(other.nodes[pasted].type, InputNode);
  EXPECT_EQ(other.nodes[pasted].x, 3);
  EXPECT_EQ(other.nodes[pasted].slotKind[0], SlotOutput);
  EXPECT_TRUE(other.inputBindings[0].bound);
  int live = 0;
  for (int i = 0; i < other.nodes.used(); ++i) live += other.nodes.live(i);
  EXPECT_EQ(live, 1);

  // Pasted again, the channel's node now has wires: the new one is plain.
  ASSERT_TRUE(PasteText(other, block));
  EXPECT_EQ(other.inputBindings[0].node, pasted);
  int plain = -1;
  for (int i = 0; i < other.nodes.used(); ++i)
    if (other.nodes.live(i) && i != pasted) plain = i;
  ASSERT_GE(plain, 0);
  EXPECT_EQ(other.nodes[plain].type, PlainNode);
  EXPECT_EQ(other.nodes[plain].data, -1);
  EXPECT_EQ(other.nodes[plain].slotKind[0], SlotOutput);
}

TEST_F(ClipboardTest, PastedInputNodeWithoutChannelNodeBecomesTheEmptyChannelNode) {
  const std::string block =
      "Quorbit version 1.01\n2, 2\n1 nodes\n0 neurons\n0 linesegs\n0 snoopers\n0 text\n"
      "Node:4\n5 5 6 194 7 0 0\n"
      "0 0 0 0 -1 -1 -1\n0 0 0 0 -1 -1 -1\n0 0 0 0 -1 -1 -1\n0 0 0 0 -1 -1 -1\n"
      "0 0 0 0 -1 -1 -1\n0 0 0 0 -1 -1 -1\n0 0 0 0 -1 -1 -1\n0 0 0 0 -1 -1 -1\n";
  ASSERT_TRUE(PasteText(board, block));
  const int n = board.inputBindings[7].node;
  ASSERT_TRUE(board.nodes.live(n));
  EXPECT_EQ(board.nodes[n].type, EmptyInputNode);
  EXPECT_EQ(board.nodes[n].picture, EmptyInputPicture);
  EXPECT_FALSE(board.inputBindings[7].bound);
}

class HostilePaste : public ClipboardTest {
 protected:
  void ExpectRefused(const std::string& text, const std::string& message) {
    const std::vector<uint8_t> before = Saved();
    fake.messages.shown.clear();
    EXPECT_FALSE(PasteText(board, text));
    ASSERT_EQ(fake.messages.shown.size(), 1u) << text;
    EXPECT_EQ(fake.messages.shown[0], (ShownMessage{message, "Paste Error"}));
    EXPECT_EQ(Saved(), before) << text;
  }
  std::string Head(int nodes, int neurons, int segs, int snoopers, int texts) {
    return "Quorbit version 1.01\n10, 10\n" + std::to_string(nodes) + " nodes\n" + std::to_string(neurons) +
           " neurons\n" + std::to_string(segs) + " linesegs\n" + std::to_string(snoopers) + " snoopers\n" +
           std::to_string(texts) + " text\n";
  }
  static std::string NeuronRecord(int index, int x, int y, const std::string& slot0) {
    std::string r = "Neuron:" + std::to_string(index) + "\n" + std::to_string(x) + " " + std::to_string(y) +
                    " 50 0 0 0 0 0\n" + slot0 + "\n";
    for (int s = 1; s < 8; ++s) r += std::to_string(s) + " 0 0 0 0 0 -1 -1 -1 0\n";
    return r;
  }
};

TEST_F(HostilePaste, WithoutTheHeaderNothingHappens) {
  const std::vector<uint8_t> before = Saved();
  EXPECT_FALSE(PasteText(board, "Quorbit version 1.0\n1, 1\n"));
  EXPECT_FALSE(PasteText(board, ""));
  EXPECT_TRUE(fake.messages.shown.empty());
  EXPECT_EQ(Saved(), before);
}

TEST_F(HostilePaste, EachUnreadableRecordNamesItsKindAndLeavesTheBoard) {
  MakeNeuron(50, 50);
  const std::string slot0 = "0 0 0 0 0 0 -1 -1 -1 0";
  ExpectRefused("Quorbit version 1.01\n", "");
  ExpectRefused("Quorbit version 1.01\n1, 1\n3 nodes\n", "");
  ExpectRefused(Head(0, 0, 0, 0, 2) + "5 5 100\n", "Text paste error");
  ExpectRefused(Head(0, 0, 0, 0, 1) + "5 5 1048576\n", "Text paste error");  // a character of 2^20
  ExpectRefused(Head(1, 0, 0, 0, 0) + "Node:0\n5 5 0 0 0 0\n", "Node paste error");
  ExpectRefused(Head(0, 2, 0, 0, 0) + NeuronRecord(0, 10, 10, slot0), "Neuron paste error");
  ExpectRefused(Head(0, 2, 0, 0, 0) + NeuronRecord(0, 10, 10, slot0) + NeuronRecord(0, 20, 10, slot0),
                "Neuron paste error");  // the same index twice
  ExpectRefused(Head(0, 0, 1, 0, 0) + "LineSeg:0\n5 5\n0 0 -1\n", "Lineseg paste error");
  ExpectRefused(Head(0, 0, 0, 1, 0) + "Snooper:0\n5 5 191 0 0 1\n-100 200\n", "Snooper paste error");
  ExpectRefused(Head(0, 2147483647, 0, 0, 0) + NeuronRecord(0, 10, 10, slot0), "Neuron paste error");
  ExpectRefused(Head(0, 1, 0, 0, 0) + NeuronRecord(0, 2000000000, 10, slot0), "Couldn't find a place to put it");
  EXPECT_EQ(LiveNeurons(), 1);
}

TEST_F(HostilePaste, LinksToAnywhereAreEmptiedBothWays) {
  // Slot 0 claims an output to neuron 9 (absent); neuron 1 claims an input from neuron 0
  // slot 3, which does not name it back.
  const std::string text = Head(0, 2, 1, 0, 0) + NeuronRecord(0, 10, 10, "0 3 0 0 0 1 9 4 77 0") +
                           NeuronRecord(1, 20, 10, "0 1 50 50 0 1 0 3 0 0") +
                           "LineSeg:0\n12 10\n0 0 5 5 1 0 99\n";
  ASSERT_TRUE(PasteText(board, text));
  ASSERT_EQ(LiveNeurons(), 2);
  for (int i = 0; i < 2; ++i)
    for (const Synapse& s : board.neurons[i].slots) EXPECT_EQ(s.kind, SlotEmpty);
  EXPECT_EQ(board.lineSegs[0].prev, -1);
  EXPECT_EQ(board.lineSegs[0].next, -1);
  board.Step(false);
  editor.Clear(false);
}

TEST_F(HostilePaste, StrangeNumbersAreTamed) {
  const std::string text = Head(1, 1, 0, 1, 0) +
                           "Node:0\n40 40 4 9999 -5 0 1\n"
                           "nan inf 0 0 -1 -1 -1\n0 0 0 0 -1 -1 -1\n0 0 0 0 -1 -1 -1\n0 0 0 0 -1 -1 -1\n"
                           "0 0 0 0 -1 -1 -1\n0 0 0 0 -1 -1 -1\n0 0 0 0 -1 -1 -1\n0 0 0 0 -1 -1 -1\n" +
                           NeuronRecord(3, 20, 20, "0 1 inf 1e30 0 0 -1 -1 -1 0") +
                           "Snooper:0\n30 30 5000 9 777 1\n-100 200 200 200 200 200 200 200\n"
                           "191 -4 191 191 191 191 191 191\n";
  ASSERT_TRUE(PasteText(board, text));
  EXPECT_EQ(board.nodes[0].type, PlainNode);
  EXPECT_EQ(board.nodes[0].value[0], 0);
  EXPECT_EQ(board.snoopers[0].tile, 191);
  EXPECT_EQ(board.snoopers[0].mode, SnoopTop);
  EXPECT_EQ(board.snoopers[0].colours[1], 0);
  EXPECT_EQ(board.neurons[0].slots[0].kind, SlotEmpty);
}

TEST(LibraryTest, ListsCircuitsByTheNameUpToTheFirstDot) {
  TempFolder folder;
  for (const char* f : {"ring.lib", "a.b.lib", "notes.txt"}) ASSERT_TRUE(WriteFileAtomic(folder.file(f), "x"));
  std::vector<std::string> names = LibraryCircuits(folder.path());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"a", "ring"}));
}

TEST(LibraryTest, CopyToLibAndPasteFromLibCarryTheBlock) {
  TempFolder folder;
  FakeHost fake;
  TBrainBoard board(fake.host(), 1);
  board.AddNeuron(30, 30);
  board.selLeft = 28, board.selTop = 28, board.selRight = 32, board.selBottom = 32;
  ASSERT_TRUE(CopyToLibrary(board, "one", folder.path()));
  const auto text = ReadFileText(folder.file("one.lib"));
  ASSERT_TRUE(text);
  EXPECT_EQ(text->rfind("Quorbit version 1.01\n28, 28\n", 0), 0u);
  EXPECT_EQ(fake.clipboard.text, *text);

  FakeHost otherHost;
  TBrainBoard other(otherHost.host(), 1);
  EXPECT_FALSE(PasteFromLibrary(other, "missing", folder.path()));
  EXPECT_TRUE(otherHost.messages.shown.empty());
  ASSERT_TRUE(PasteFromLibrary(other, "one", folder.path()));
  EXPECT_EQ(otherHost.clipboard.text, *text);
  ASSERT_TRUE(other.neurons.live(0));
  EXPECT_EQ(other.neurons[0].x, 30);
  // Nothing selected: no file.
  board.selLeft = board.selTop = board.selRight = board.selBottom = 60;
  EXPECT_FALSE(CopyToLibrary(board, "none", folder.path()));
  EXPECT_FALSE(FileExists(folder.file("none.lib")));
}

}  // namespace
