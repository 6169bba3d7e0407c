#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>

#include "brain/BoardFixture.h"
#include "brain/BrainFileFormat.h"

namespace {

std::vector<int> ChunkTags(const std::vector<uint8_t>& bytes) {
  std::vector<int> tags;
  ByteReader r(bytes);
  while (r.remaining() >= 8) {
    tags.push_back(r.i32());
    r.skip(static_cast<size_t>(r.i32()));
  }
  return tags;
}

void Chunk(ByteWriter& w, int tag, const std::vector<uint8_t>& payload) {
  w.i32(tag);
  w.i32(static_cast<int32_t>(payload.size()));
  w.bytes(payload.data(), payload.size());
}

}  // namespace

// A board with a bit of everything: channel nodes, neurons with synapses and a route,
// a key node, a file node, a snooper and a text cell.
class BrainFileTest : public BoardTest {
 protected:
  TempFolder folder;
  ChannelMask in = DecodeChannelMask("2000C000"), out = DecodeChannelMask("30");

  void Build() {
    board.SetIO(&in, &out);
    const int a = MakeNeuron(20, 10, SigmoidNeuron, 10);
    const int b = MakeNeuron(30, 10, LinearNeuron, -5);
    LinkNode(board.inputBindings[14].node, a, 80, 0, 4);
    ASSERT_TRUE(board.ConnectToNeuron(OtherNeuron, a, 0, b, 4, -30));
    board.neurons[b].slots[4].decay = 2.5f;
    board.neurons[b].slots[4].learn = true;
    int prev = -1;
    for (int x = 22; x <= 28; ++x) prev = board.AddLineSeg(x, 10, 0, 0, prev, OtherNeuron, a, 0);
    board.neurons[b].slots[4].lineSeg = prev;
    board.neurons[a].slots[0].lineSeg = prev - 6;
    for (int s = 0; s < board.lineSegs.used(); ++s) board.DrawLineSeg(s);
    ASSERT_TRUE(board.ConnectToNode(OtherNeuron, b, 0, board.outputBindings[4].node, 4));
    const int key = board.AddNode(40, 20);
    board.SetNodeType(key, KeyInputNode, TBrainBoard::PackKeyValues(80, -20), "Q");
    std::ofstream(folder.file("col.txt")) << "1 2\n3 4\n";
    const int file = board.AddNode(40, 30);
    board.SetNodeType(file, FileInputNode, 2, folder.file("col.txt"));
    board.AddSnooper(20, 8);
    board.AddPic(50, 50, PicText, 'h' * 256 + 'i', Tile::TextCell);
    SetInput(14, 90);
    for (int i = 0; i < 3; ++i) board.Step(false);
    ASSERT_FALSE(board.broken);
    ASSERT_TRUE(fake.messages.shown.empty());
  }
};

TEST_F(BrainFileTest, SaveLoadSaveGivesIdenticalBytes) {
  Build();
  const std::vector<uint8_t> first = board.SaveBrain(false);
  EXPECT_EQ(ChunkTags(first), (std::vector<int>{100, 106, 111, 121, 180, 170, 130, 140, 150, 160, 199}));
  TBrainBoard copy(fake.host(), 3);
  copy.SetIO(&in, &out);
  copy.LoadBrain(first);
  EXPECT_TRUE(fake.messages.shown.empty());
  EXPECT_FALSE(copy.broken);
  EXPECT_EQ(copy.SaveBrain(false), first);
  // The copy runs like the original.
  for (int i = 0; i < 3; ++i) {
    copy.IO().inputs[14][0] = board.IO().inputs[14][0] = 20 * i;
    copy.Step(false);
    board.Step(false);
    EXPECT_EQ(std::memcmp(copy.IO().outputs, board.IO().outputs, sizeof board.IO().outputs), 0);
  }
}

TEST_F(BrainFileTest, RecordSizesAndFileInputChunk) {
  Build();
  const std::vector<uint8_t> bytes = board.SaveBrain(false);
  ByteReader r(bytes);
  while (r.remaining() >= 8) {
    const int tag = r.i32(), length = r.i32();
    ByteReader c(bytes.data() + r.position(), length);
    const int count = c.i32();
    const std::map<int, int> recordSize = {{111, 364}, {121, 256}, {130, 88}, {140, 40}, {150, 20}, {160, 12}, {170, 10}};
    if (recordSize.count(tag)) {
      EXPECT_EQ(length, 4 + count * recordSize.at(tag)) << tag;
    }
    if (tag == 180) {
      const std::string name = folder.file("col.txt");
      EXPECT_EQ(count, static_cast<int>(4 + 8 + 5 + name.size()));  // the size field
      EXPECT_EQ(c.i32(), 1);
      c.i32();
      EXPECT_EQ(c.i32(), static_cast<int>(name.size()));
      EXPECT_EQ(c.i32(), 2);
    }
    r.skip(length);
  }
}

TEST_F(BrainFileTest, HiddenFormLeavesOutTheDrawing) {
  Build();
  const std::vector<uint8_t> hiddenBytes = board.SaveBrain(true);
  EXPECT_EQ(ChunkTags(hiddenBytes), (std::vector<int>{100, 105, 106, 111, 121, 180, 170, 130, 199}));
  TBrainBoard hidden(fake.host(), 1, true);
  hidden.SetIO(&in, &out);
  hidden.LoadBrain(hiddenBytes);
  EXPECT_TRUE(fake.messages.shown.empty());
  EXPECT_EQ(hidden.pics.used(), 0);
  EXPECT_EQ(hidden.SaveBrain(true), hiddenBytes);
  hidden.IO().inputs[14][0] = 90;
  hidden.Step(false);
  EXPECT_FALSE(hidden.broken);
  // A visible board refuses it and keeps only its automatic nodes.
  TBrainBoard visible(fake.host(), 1);
  visible.SetIO(&in, &out);
  visible.LoadBrain(hiddenBytes);
  ASSERT_EQ(fake.messages.shown.size(), 1u);
  EXPECT_EQ(fake.messages.shown[0], (ShownMessage{"Can't load hidden brain", "Brain Load Error"}));
  EXPECT_EQ(visible.neurons.used(), 0);
  EXPECT_EQ(visible.nodes.used(), 5);
  EXPECT_TRUE(visible.inputBindings[29].bound);
}

TEST_F(BrainFileTest, BoardNeverShrinksOnLoad) {
  TBrainBoard wide(fake.host(), 1);
  wide.SetSize(120, 100);
  board.SetSize(100, 150);
  board.LoadBrain(wide.SaveBrain(false));
  EXPECT_EQ(board.columns(), 120);
  EXPECT_EQ(board.rows(), 150);
}

TEST_F(BrainFileTest, MissingDataFileMakesAPlainNodeThatKeepsItsWires) {
  Build();
  std::vector<uint8_t> bytes = board.SaveBrain(false);
  std::remove(folder.file("col.txt").c_str());
  int fileNode = 0;
  while (board.nodes[fileNode].type != FileInputNode) ++fileNode;
  const int n = MakeNeuron(50, 30);
  LinkNode(fileNode, n);
  bytes = board.SaveBrain(false);
  TBrainBoard copy(fake.host(), 1);
  copy.LoadBrain(bytes);
  EXPECT_TRUE(fake.messages.shown.empty());
  EXPECT_EQ(copy.nodes[fileNode].type, PlainNode);
  EXPECT_EQ(copy.nodes[fileNode].slotKind[0], SlotOutput);
  EXPECT_FALSE(copy.broken);
}

TEST_F(BrainFileTest, FileEndingAfterTheNodesGetsFreshChannelNodes) {
  Build();
  const std::vector<uint8_t> full = board.SaveBrain(false);
  // Cut right after chunk 121.
  ByteReader r(full);
  size_t end = 0;
  while (r.remaining() >= 8) {
    const int tag = r.i32(), length = r.i32();
    r.skip(length);
    if (tag == 121) end = r.position();
  }
  TBrainBoard copy(fake.host(), 1);
  copy.SetIO(&in, &out);
  copy.LoadBrain(full.data(), end);
  EXPECT_EQ(copy.neurons.used(), board.neurons.used());
  EXPECT_EQ(copy.snoopers.used(), 0);
  EXPECT_EQ(copy.lineSegs.used(), 0);
  // The old channel nodes lost their bindings; new ones were made.
  EXPECT_TRUE(copy.inputBindings[14].bound);
  EXPECT_GE(copy.inputBindings[14].node, board.nodes.used());
  copy.Step(false);
  EXPECT_FALSE(copy.broken);
}

TEST_F(BrainFileTest, LegacyChunksLoadWithoutLearning) {
  ByteWriter legacyNeuron;
  legacyNeuron.i32(1);
  legacyNeuron.i32(10);  // x
  legacyNeuron.i32(12);  // y
  for (int s = 0; s < 8; ++s)
    for (int f = 0; f < 9; ++f) legacyNeuron.i32(s == 0 && f == 4 ? 1 : (f >= 5 && f <= 7 ? -1 : 0));
  legacyNeuron.f32(30);  // threshold
  legacyNeuron.f32(0);
  legacyNeuron.f32(0);
  legacyNeuron.i32(0);
  legacyNeuron.i32(SigmoidNeuron);
  legacyNeuron.f32(0.5f);
  legacyNeuron.u8(1);
  legacyNeuron.u8(0);
  legacyNeuron.u8(0);
  legacyNeuron.u8(0);
  ByteWriter legacyNode;
  legacyNode.i32(1);
  for (int v : {0, 0, 0, 20, 20}) legacyNode.i32(v);
  for (int i = 0; i < 16; ++i) legacyNode.f32(0);
  for (int i = 0; i < 8; ++i) legacyNode.i32(0);
  for (int i = 0; i < 8; ++i) legacyNode.i32(0);
  for (int i = 0; i < 24; ++i) legacyNode.i32(-1);
  legacyNode.i32(0);
  for (uint8_t b : {1, 1, 0, 0}) legacyNode.u8(b);
  ASSERT_EQ(legacyNeuron.size(), 4u + 324);
  ASSERT_EQ(legacyNode.size(), 4u + 252);
  ByteWriter file;
  Chunk(file, 100, {});
  Chunk(file, 110, legacyNeuron.data());
  Chunk(file, 120, legacyNode.data());
  Chunk(file, 199, {});
  board.LoadBrain(file.data());
  EXPECT_TRUE(fake.messages.shown.empty());
  ASSERT_TRUE(board.neurons.live(0));
  const Neuron& n = board.neurons[0];
  EXPECT_EQ(n.x, 10);
  EXPECT_EQ(n.y, 12);
  EXPECT_EQ(n.type, SigmoidNeuron);
  EXPECT_FLOAT_EQ(n.threshold, 30);
  EXPECT_FLOAT_EQ(n.gain, 0.5f);
  EXPECT_FALSE(n.learn);
  EXPECT_EQ(n.lastThresholdChange, 0);
  for (const Synapse& s : n.slots) EXPECT_FALSE(s.learn);
  EXPECT_TRUE(board.nodes.live(0));
  EXPECT_TRUE(board.nodes[0].multi);
  EXPECT_FALSE(board.learning);
}

TEST_F(BrainFileTest, TooManyBindingEntriesAreDropped) {
  ByteWriter bind;
  bind.i32(70);
  for (int i = 0; i < 70; ++i) {
    bind.u8(0);
    bind.i32(-1);
    bind.u8(0);
    bind.i32(-1);
  }
  ByteWriter file;
  Chunk(file, 170, bind.data());
  board.LoadBrain(file.data());
  ASSERT_EQ(fake.messages.shown.size(), 1u);
  EXPECT_EQ(fake.messages.shown[0], (ShownMessage{"Too many io nodes", "IO Load Error"}));
}

TEST_F(BrainFileTest, BoundChannelsCanBeReadWithoutLoading) {
  Build();
  ChannelMask bi, bo;
  const std::vector<uint8_t> bytes = board.SaveBrain(true);
  ReadBoundChannels(bytes.data(), bytes.size(), bi, bo);
  EXPECT_EQ(bi, in);
  EXPECT_EQ(bo, out);
}
