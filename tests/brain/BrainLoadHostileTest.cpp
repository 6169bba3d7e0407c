// Damaged brain files: the board loads what it can use, says so, and stays safe.
#include <cstring>
#include <memory>

#include "brain/BoardFixture.h"
#include "brain/BrainFileFormat.h"

namespace {

// Offset of a chunk's payload, -1 when the file has no such chunk.
long Payload(const std::vector<uint8_t>& bytes, int tag) {
  ByteReader r(bytes);
  while (r.remaining() >= 8) {
    const int t = r.i32(), length = r.i32();
    if (t == tag) return static_cast<long>(r.position());
    r.skip(length);
  }
  return -1;
}

void Poke(std::vector<uint8_t>& bytes, long at, int32_t v) { std::memcpy(&bytes[at], &v, 4); }

std::vector<uint8_t> Chunk(int tag, const std::vector<int32_t>& ints) {
  ByteWriter w;
  w.i32(tag);
  w.i32(static_cast<int32_t>(ints.size() * 4));
  for (int32_t v : ints) w.i32(v);
  return w.data();
}

}  // namespace

class HostileLoadTest : public BoardTest {
 protected:
  std::vector<uint8_t> bytes;
  void SetUp() override {
    const int in = MakeInput(14);
    const int a = MakeNeuron(20, 10), b = MakeNeuron(30, 10);
    LinkNode(in, a);
    Link(a, b);
    const int s = board.AddLineSeg(22, 10, 0, 0, -1, OtherNeuron, a, 0);
    board.AddLineSeg(23, 10, 0, 0, s, OtherNeuron, a, 0);
    board.DrawLineSeg(0);
    board.DrawLineSeg(1);
    board.AddSnooper(20, 20);
    bytes = board.SaveBrain(false);
  }
  // Loads into a fresh board, then steps, redraws, edits and saves it.
  TBrainBoard& Load(const std::vector<uint8_t>& data) {
    loaded = std::make_unique<TBrainBoard>(fake.host(), 1);
    loaded->LoadBrain(data);
    TBrainBoard& b = *loaded;
    for (int i = 0; i < 3; ++i) b.Step(true);
    const std::vector<uint8_t> saved = b.SaveBrain(false);
    TBrainBoard again(fake.host(), 1);
    again.LoadBrain(saved);
    EXPECT_EQ(again.SaveBrain(false), saved);
    TBrainBoard edited(fake.host(), 1);
    edited.LoadBrain(data);
    for (int i = 0; i < edited.neurons.used(); ++i) edited.DeleteNeuron(i);
    for (int i = 0; i < edited.nodes.used(); ++i) edited.DeleteNode(i, true);
    edited.Clear(false);
    return b;
  }
  bool Said(const std::string& caption) const {
    for (const ShownMessage& m : fake.messages.shown)
      if (m.caption == caption) return true;
    return false;
  }
  std::unique_ptr<TBrainBoard> loaded;
};

TEST_F(HostileLoadTest, SlotNamingAMissingNeuronLosesTheLinkAtBothEnds) {
  const long neurons = Payload(bytes, 111);
  Poke(bytes, neurons + 4 + 1 * 364 + 8 + 4 * 40 + 24, 9999);  // b's input slot names neuron 9999
  loaded = std::make_unique<TBrainBoard>(fake.host(), 1);
  loaded->LoadBrain(bytes);
  EXPECT_EQ(loaded->neurons[1].slots[4].kind, SlotEmpty);
  EXPECT_EQ(loaded->neurons[0].slots[0].kind, SlotEmpty);  // a's output no longer reaches back
  EXPECT_EQ(loaded->neurons[0].slots[4].kind, SlotExcitatory);
  ASSERT_FALSE(fake.messages.shown.empty());
  EXPECT_EQ(fake.messages.shown[0].caption, "Brain Load Error");
  Load(bytes);
}

TEST_F(HostileLoadTest, BadPictureIndexesAndSegmentLinksAreCut) {
  const long cells = Payload(bytes, 160);
  Poke(bytes, cells + 4 + 8, 5000);  // first cell's stack starts beyond the pictures
  const long segs = Payload(bytes, 140);
  Poke(bytes, segs + 4 + 16, -7);  // segment 0's prev
  Poke(bytes, segs + 4 + 40 + 16, 1);  // segment 1 is its own predecessor
  const long pics = Payload(bytes, 150);
  Poke(bytes, pics + 4 + 16, 0);  // picture 0 is its own successor
  TBrainBoard& b = Load(bytes);
  EXPECT_TRUE(Said("Brain Load Error"));
  EXPECT_FALSE(b.lineSegs.live(5000));
}

TEST_F(HostileLoadTest, ADrawingThatLacksItsElementsIsDrawnAfresh) {
  // Drawing chunks that are there but empty, as another tool may write them.
  std::vector<uint8_t> empty = bytes;
  Poke(empty, Payload(empty, 150), 0);
  Poke(empty, Payload(empty, 160), 0);
  // Pictures that no cell names (reported as damage, then left out).
  std::vector<uint8_t> unplaced = bytes;
  Poke(unplaced, Payload(unplaced, 160), 0);
  for (const auto* file : {&empty, &unplaced}) {
    fake.messages.shown.clear();
    TBrainBoard& b = Load(*file);
    const Neuron& n = b.neurons[0];
    EXPECT_GE(b.FindPic(n.x, n.y, TBrainBoard::NeuronCentreTile(n), PicNeuron, 0), 0);
    b.RedrawNeuronLit(0, n.shownState < 50);
    b.RedrawNodeLit(0, b.nodes[0].shownState < 50);
    EXPECT_FALSE(b.broken);
    for (const ShownMessage& m : fake.messages.shown)
      if (file == &empty || m.caption != "Brain Load Error") ADD_FAILURE() << m.text << " / " << m.caption;
  }
}

TEST_F(HostileLoadTest, BoardSizesThatCannotBeUsed) {
  std::vector<uint8_t> zero = Chunk(106, {2, 0, 0});
  EXPECT_EQ(Load(zero).columns(), 100);
  EXPECT_TRUE(fake.messages.shown.empty());
  const std::vector<uint8_t> huge = Chunk(106, {2, 2147483647, 5});
  TBrainBoard& b = Load(huge);
  EXPECT_EQ(b.columns(), 100);
  EXPECT_EQ(b.rows(), 100);
  EXPECT_TRUE(Said("Brain Load Error"));
  const std::vector<uint8_t> negative = Chunk(106, {2, -2147483647 - 1, -1});
  EXPECT_EQ(Load(negative).rows(), 100);
}

TEST_F(HostileLoadTest, CountsBeyondTheBytes) {
  // A count larger than its chunk: damage, reported.
  std::vector<uint8_t> more = bytes;
  Poke(more, Payload(more, 111), 50);
  TBrainBoard& b = Load(more);
  EXPECT_TRUE(Said("Brain Load Error"));
  EXPECT_LE(b.neurons.capacity(), 40);
  // Negative counts and a million pictures announced in a few bytes.
  fake.messages.shown.clear();
  std::vector<uint8_t> bad = Chunk(111, {-5});
  const std::vector<uint8_t> pics = Chunk(150, {1000000, 0, 0});
  bad.insert(bad.end(), pics.begin(), pics.end());
  EXPECT_EQ(Load(bad).neurons.used(), 0);
  EXPECT_TRUE(Said("Brain Load Error"));
  // A length that overruns the file: what was read stands, silently.
  fake.messages.shown.clear();
  std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + Payload(bytes, 121) + 4 + 256 + 10);
  TBrainBoard& c = Load(cut);
  EXPECT_TRUE(fake.messages.shown.empty());
  EXPECT_EQ(c.neurons.used(), 2);
  EXPECT_EQ(c.nodes.used(), 1);
  // Without the drawing in the file the elements are drawn afresh.
  EXPECT_GE(c.FindPic(20, 10, 4, PicNeuron, 0), 0);
}

TEST_F(HostileLoadTest, FileInputEntriesThatOverrun) {
  ByteWriter w;
  w.i32(180);
  w.i32(16);
  w.i32(12);
  w.i32(1);
  w.i32(0);           // node 0 does not exist
  w.i32(1 << 30);     // a name longer than the file
  Load(w.data());
  EXPECT_TRUE(Said("Brain Load Error"));
}

TEST_F(HostileLoadTest, EveryPrefixOfAGoodFileLoads) {
  for (size_t n = 0; n < bytes.size(); n += 37) {
    std::vector<uint8_t> prefix(bytes.begin(), bytes.begin() + n);
    Load(prefix);
  }
  fake.messages.shown.clear();
  Load(bytes);
  EXPECT_TRUE(fake.messages.shown.empty());
}
