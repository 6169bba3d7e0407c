#include <array>

#include "brain/BoardFixture.h"

using GridTest = BoardTest;

namespace {
std::vector<int> Stack(const TBrainBoard& b, int x, int y) {
  std::vector<int> out;
  for (int q = b.Cell(x, y)->first; q >= 0; q = b.pics[q].next) out.push_back(b.pics[q].picture);
  return out;
}
}  // namespace

TEST_F(GridTest, StackInsertionRules) {
  board.AddPic(5, 5, PicLineSeg, 0, 1);
  board.AddPic(5, 5, PicLineSeg, 1, 2);  // on top
  EXPECT_EQ(Stack(board, 5, 5), (std::vector<int>{2, 1}));
  board.AddPic(5, 5, PicText, 'a' * 256, 180);
  board.AddPic(5, 5, PicSnooper, 0, 191);  // stays under the text
  EXPECT_EQ(Stack(board, 5, 5), (std::vector<int>{180, 191, 2, 1}));
  board.AddPic(5, 5, PicMovingText, 0, 182);  // always the head
  EXPECT_EQ(Stack(board, 5, 5)[0], 182);
  // Node pictures keep ascending node order, from the tail when no higher one is there.
  board.AddPic(6, 6, PicLineSeg, 0, 1);
  board.AddPic(6, 6, PicNode, 4, 40);
  board.AddPic(6, 6, PicNode, 2, 20);
  board.AddPic(6, 6, PicNode, 3, 30);
  EXPECT_EQ(Stack(board, 6, 6), (std::vector<int>{1, 20, 30, 40}));
  board.draggingSelection = true;
  board.AddPic(6, 6, PicNode, 9, 90);
  EXPECT_EQ(Stack(board, 6, 6)[0], 90);
  // prev links mirror next links.
  const GridCell* c = board.Cell(6, 6);
  EXPECT_EQ(board.pics[c->first].prev, -1);
  EXPECT_EQ(board.pics[board.pics[c->first].next].prev, c->first);
  board.RemovePic(6, 6, 30, PicNode, 3);
  EXPECT_EQ(Stack(board, 6, 6), (std::vector<int>{90, 1, 20, 40}));
  EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(GridTest, MissingPictureBreaksTheBoard) {
  board.AddPic(3, 4, PicNode, 1, 5);
  board.RemovePic(3, 4, 5, PicNode, 2);
  ASSERT_EQ(fake.messages.shown.size(), 1u);
  EXPECT_EQ(fake.messages.shown[0], (ShownMessage{"Pic 5 not found at: 3, 4", "Remove pic error"}));
  EXPECT_TRUE(board.broken);
  board.ReplacePic(3, 4, 6, PicNode, 1, 7);
  EXPECT_EQ(fake.messages.shown[1], (ShownMessage{"Pic 6 not found at: 3, 4", "Replace pic error"}));
}

TEST_F(GridTest, HiddenBoardKeepsNoPictures) {
  TBrainBoard hidden(fake.host(), 1, true);
  const int n = hidden.AddNeuron(10, 10);
  EXPECT_GE(n, 0);
  EXPECT_EQ(hidden.pics.used(), 0);
  hidden.RemovePic(10, 10, 4, PicNeuron, n);
  hidden.neurons[n].state = 100;
  hidden.Step(false);
  EXPECT_FALSE(hidden.broken);
  EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(GridTest, SquareSearchPlacesElementsApart) {
  const int a = board.AddNeuron(10, 10);
  const int b = board.AddNeuron(11, 10);
  EXPECT_EQ(board.neurons[b].x, 14);  // first fitting offset with dx and dy from +r down
  EXPECT_EQ(board.neurons[b].y, 13);
  const int node = board.AddNode(11, 10);
  EXPECT_EQ(board.nodes[node].x, 13);  // a node may sit 3 cells from a neuron
  EXPECT_EQ(board.nodes[node].y, 10);
  const int corner = board.AddNeuron(0, 0);
  EXPECT_EQ(board.neurons[corner].x, 2);
  EXPECT_EQ(board.neurons[corner].y, 2);
  EXPECT_TRUE(board.Fits(97, 97, true, OtherNone, -1));
  EXPECT_FALSE(board.Fits(98, 50, true, OtherNone, -1));
  EXPECT_TRUE(board.Fits(10, 10, true, OtherNeuron, a));
  // A selected element does not block.
  board.neurons[a].selected = true;
  EXPECT_TRUE(board.Fits(9, 9, true, OtherNone, -1));
}

TEST_F(GridTest, FullBoardRefusesNewElements) {
  board.SetSize(5, 5);
  EXPECT_EQ(board.AddNeuron(2, 2), 0);
  EXPECT_EQ(board.AddNeuron(2, 2), -1);
  EXPECT_EQ(board.AddNode(2, 2), -1);
  EXPECT_EQ(board.neurons.used(), 1);
}

TEST_F(GridTest, NeuronTilesShowSlotKindsTypeAndLight) {
  const int a = MakeNeuron(10, 10), b = MakeNeuron(20, 10);
  Link(a, b);
  EXPECT_EQ(Stack(board, 10, 10), (std::vector<int>{4}));
  EXPECT_EQ(Stack(board, 11, 10), (std::vector<int>{5 + 96}));
  EXPECT_EQ(Stack(board, 19, 10), (std::vector<int>{3 + 64}));
  EXPECT_EQ(Stack(board, 9, 9), (std::vector<int>{0}));
  board.RedrawNeuronLit(a, true);
  EXPECT_EQ(board.neurons[a].shownState, 100);
  EXPECT_EQ(Stack(board, 10, 10), (std::vector<int>{20}));
  EXPECT_EQ(Stack(board, 11, 10), (std::vector<int>{5 + 96 + 16}));
  Link(a, b, -40, 2, 6);
  EXPECT_EQ(Stack(board, 20, 9), (std::vector<int>{1 + 32}));
  MakeNeuron(30, 10, ErrorNeuron, 20);
  EXPECT_EQ(Stack(board, 30, 10), (std::vector<int>{167}));
  EXPECT_FALSE(board.broken);
}

TEST_F(GridTest, NodeTilesByType) {
  const int n = board.AddNode(10, 10);
  EXPECT_EQ(Stack(board, 10, 10), (std::vector<int>{107}));
  EXPECT_EQ(Stack(board, 10, 9), (std::vector<int>{105}));   // top
  EXPECT_EQ(Stack(board, 9, 10), (std::vector<int>{106}));   // left
  EXPECT_EQ(Stack(board, 11, 10), (std::vector<int>{108}));  // right
  EXPECT_EQ(Stack(board, 10, 11), (std::vector<int>{109}));  // bottom
  EXPECT_EQ(Stack(board, 11, 11), (std::vector<int>{95}));
  board.SetNodeType(n, KeyInputNode, 200, "K");
  EXPECT_EQ(Stack(board, 10, 10), (std::vector<int>{225}));
  EXPECT_EQ(Stack(board, 10, 11), (std::vector<int>{141}));
  board.nodes[n].value[0] = 60;
  board.Step(false);  // the key is up: -100, dark
  EXPECT_EQ(Stack(board, 10, 10), (std::vector<int>{225}));
  board.SetNodeType(n, KeyInputNode, TBrainBoard::PackKeyValues(100, 60), "K");
  EXPECT_EQ(Stack(board, 10, 10), (std::vector<int>{225}));
  board.Step(false);
  EXPECT_EQ(Stack(board, 10, 10), (std::vector<int>{225 + 16}));
  EXPECT_EQ(Stack(board, 11, 11), (std::vector<int>{95}));  // corners never light
  board.EraseNode(n);
  board.nodes[n].type = 42;  // an unknown type shows only its corners
  board.DrawNode(n);
  EXPECT_TRUE(Stack(board, 10, 10).empty());
  EXPECT_EQ(Stack(board, 9, 9), (std::vector<int>{95}));
  EXPECT_FALSE(board.broken);
}

// A straight synapse route from a's east slot into b's west slot.
class RouteTest : public BoardTest {
 protected:
  int a = -1, b = -1;
  std::vector<int> segs;
  void Route(int bx, int by, int targetSlot, std::vector<std::array<int, 4>> cells, float weight = 100) {
    a = MakeNeuron(10, 10);
    b = MakeNeuron(bx, by);
    ASSERT_TRUE(board.ConnectToNeuron(OtherNeuron, a, 0, b, targetSlot, weight));
    int prev = -1;
    for (auto [x, y, in, out] : cells) {
      prev = board.AddLineSeg(x, y, in, out, prev, OtherNeuron, a, 0);
      segs.push_back(prev);
    }
    board.neurons[a].slots[0].lineSeg = segs.front();
    board.neurons[b].slots[targetSlot].lineSeg = segs.back();
    for (int s : segs) board.DrawLineSeg(s);
  }
};

TEST_F(RouteTest, StraightRouteEndsInASynapseTile) {
  Route(20, 10, 4, {{12, 10, 0, 0}, {13, 10, 0, 0}, {18, 10, 0, 0}});
  EXPECT_EQ(board.RouteSegmentTile(segs[0]), 9);
  EXPECT_EQ(board.RouteSegmentTile(segs[2]), 10 + 64);
  EXPECT_EQ(Stack(board, 18, 10), (std::vector<int>{74}));
  board.DeleteNeuron(b);
  EXPECT_TRUE(Stack(board, 18, 10).empty());
  EXPECT_TRUE(Stack(board, 12, 10).empty());
  EXPECT_EQ(board.lineSegs.used(), 0);
  EXPECT_EQ(board.neurons[a].slots[0].kind, SlotEmpty);
  EXPECT_EQ(Stack(board, 11, 10), (std::vector<int>{5}));
  EXPECT_FALSE(board.broken);
}

TEST_F(RouteTest, TurningIntoASynapseAndDiagonalCorners) {
  Route(20, 11, 4, {{12, 10, 0, 0}, {17, 10, 0, 1}, {18, 11, 1, 0}}, -50);
  EXPECT_EQ(board.RouteSegmentTile(segs[1]), 27);
  EXPECT_EQ(board.RouteSegmentTile(segs[2]), 96 + 3 + 32);
  EXPECT_EQ(Stack(board, 17, 11), (std::vector<int>{31}));  // beside the diagonal step
  EXPECT_EQ(Stack(board, 18, 10), (std::vector<int>{14}));
  EXPECT_EQ(TBrainBoard::RouteBodyTile(0, 4), -1);
  EXPECT_EQ(TBrainBoard::RouteEndTile(5), 47);
}

TEST_F(RouteTest, DiagonalSlotShowsCornersWhileItHoldsASynapse) {
  // Into b's up-left slot 5: the last segment two cells up-left of b, heading down-right.
  Route(20, 20, 5, {{12, 10, 0, 1}, {18, 18, 1, 1}});
  EXPECT_EQ(board.RouteSegmentTile(segs[1]), 10);
  EXPECT_EQ(Stack(board, 18, 19), (std::vector<int>{31}));
  EXPECT_EQ(Stack(board, 19, 18), (std::vector<int>{14}));
  board.Disconnect(OtherNeuron, b, 5);
  EXPECT_TRUE(Stack(board, 18, 19).empty());
  EXPECT_FALSE(board.broken);
}

TEST_F(RouteTest, UnfinishedRouteShowsAnArrowhead) {
  a = MakeNeuron(10, 10);
  board.neurons[a].slots[0].kind = SlotDrawing;
  const int s = board.AddLineSeg(12, 10, 0, 0, -1, OtherNeuron, a, 0);
  EXPECT_EQ(board.RouteSegmentTile(s), 63);
}

TEST_F(GridTest, ClearKeepsBoundChannelNodesUnlessEverything) {
  ChannelMask in = DecodeChannelMask("C000");
  board.SetIO(&in, nullptr);
  const int smell = board.inputBindings[15].node;
  board.nodes[smell].y = 40;
  const int n = MakeNeuron(30, 30);
  LinkNode(smell, n);
  board.AddNode(50, 50);
  board.AddSnooper(5, 5);
  board.learning = true;
  board.Clear(false);
  EXPECT_FALSE(board.learning);
  EXPECT_EQ(board.neurons.used(), 0);
  EXPECT_EQ(board.snoopers.used(), 0);
  EXPECT_TRUE(board.nodes.live(smell));
  EXPECT_EQ(board.nodes[smell].slotKind[0], SlotEmpty);
  EXPECT_EQ(board.nodes[smell].y, 7);  // lined up again under the other input
  EXPECT_EQ(board.nodes.used(), 2);
  EXPECT_FALSE(board.broken);
  board.Clear(true);
  EXPECT_EQ(board.nodes.used(), 0);
  EXPECT_FALSE(board.inputBindings[14].bound);
  EXPECT_EQ(board.pics.used(), 0);
}

TEST_F(GridTest, SnooperShowsTheBandOfWhatLiesBeneath) {
  const int n = MakeNeuron(10, 10, LinearNeuron, 0);
  const int s = board.AddSnooper(10, 10);
  Snooper& sn = board.snoopers[s];
  sn.thresholds[1] = 0, sn.colours[1] = 159;
  sn.thresholds[2] = 50, sn.colours[2] = 142;
  board.neurons[n].state = -3;
  board.cyclesPerUpdate = 0;
  board.Step(false);
  EXPECT_EQ(sn.lastValue, -3);
  EXPECT_EQ(sn.tile, 191);
  board.neurons[n].state = 49;
  board.Step(false);
  EXPECT_EQ(sn.tile, 159);
  board.neurons[n].state = 50;
  board.Step(false);
  EXPECT_EQ(sn.tile, 142);
  EXPECT_EQ(board.pics[board.Cell(10, 10)->first].picture, 142);
  const int empty = board.AddSnooper(40, 40);
  board.Step(false);
  EXPECT_EQ(board.snoopers[empty].lastValue, 0);
  EXPECT_FALSE(board.broken);
}
