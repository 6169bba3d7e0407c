// Editing a board with mouse and keys, end to end through the editor.
#include "EditorFixture.h"
#include "brain/BrainProperties.h"

namespace {

class EditingRoutes : public EditorTest {};

TEST_F(EditingRoutes, RouteBetweenTwoNeuronsMakesASynapseWithEverySegmentTiled) {
  const int a = MakeNeuron(10, 10), b = MakeNeuron(20, 10);
  Drag(11, 10, 19, 10);
  const Synapse& out = board.neurons[a].slots[0];
  const Synapse& in = board.neurons[b].slots[4];
  EXPECT_EQ(out.kind, SlotOutput);
  EXPECT_EQ(out.otherIndex, b);
  EXPECT_EQ(out.otherSlot, 4);
  EXPECT_EQ(in.kind, SlotExcitatory);
  EXPECT_EQ(in.weight, 100);
  EXPECT_EQ(in.otherKind, OtherNeuron);
  EXPECT_EQ(in.otherIndex, a);
  EXPECT_EQ(in.otherSlot, 0);
  // The route stops outside the target's block: cells 12..18.
  EXPECT_EQ(LiveSegments(), 7);
  EXPECT_EQ(board.lineSegs[out.lineSeg].x, 12);
  EXPECT_EQ(board.lineSegs[in.lineSeg].x, 18);
  for (int x = 12; x < 18; ++x) EXPECT_TRUE(HasTile(x, 10, 9)) << x;
  EXPECT_TRUE(HasTile(18, 10, 10 + 64));  // straight into a slot-4 excitatory synapse
  EXPECT_TRUE(HasTile(19, 10, 3 + 64));   // the target's outer cell
  EXPECT_TRUE(HasTile(11, 10, 5 + 96));   // the source's output slot
  EXPECT_FALSE(HasTile(19, 10, Tile::ValidRouteEnd));
  EXPECT_EQ(editor.gesture(), TBoardEditor::Gesture::None);
}

TEST_F(EditingRoutes, MovingBackRetractsAndAReleaseWithoutTargetDeletesTheRoute) {
  const int a = MakeNeuron(10, 10);
  Down(11, 10);
  Move(16, 10);
  EXPECT_EQ(LiveSegments(), 5);
  EXPECT_EQ(board.neurons[a].slots[0].kind, SlotDrawing);
  Move(13, 10);
  EXPECT_EQ(LiveSegments(), 2);
  EXPECT_TRUE(HasTile(13, 10, TBrainBoard::RouteEndTile(0)));
  EXPECT_TRUE(Tiles(14, 10).empty());
  Up(13, 10);
  EXPECT_EQ(LiveSegments(), 0);
  EXPECT_EQ(board.neurons[a].slots[0].kind, SlotEmpty);
  EXPECT_TRUE(HasTile(11, 10, 5));
  EXPECT_TRUE(Tiles(12, 10).empty());
}

TEST_F(EditingRoutes, WhileARouteIsDrawnEveryFreeEdgeSquareIsMarked) {
  const int a = MakeNeuron(10, 10), b = MakeNeuron(20, 10);
  Drag(11, 10, 19, 10);  // b's slot 4 is taken now
  Down(10, 11);          // a new route from a's slot 2
  Move(10, 14);
  for (int d = 0; d < SlotCount; ++d) {
    EXPECT_EQ(HasTile(20 + DirDx[d], 10 + DirDy[d], Tile::ValidRouteEnd), d != 4) << "b, slot " << d;
    EXPECT_EQ(HasTile(10 + DirDx[d], 10 + DirDy[d], Tile::ValidRouteEnd), d != 0 && d != 2) << "a, slot " << d;
  }
  Up(10, 14);
  for (int x = 8; x <= 22; ++x)
    for (int y = 8; y <= 12; ++y) EXPECT_FALSE(HasTile(x, y, Tile::ValidRouteEnd)) << x << "," << y;
  EXPECT_EQ(board.neurons[a].slots[2].kind, SlotEmpty);
  EXPECT_EQ(board.neurons[b].slots[4].kind, SlotExcitatory);
  EXPECT_FALSE(board.broken);
}

TEST_F(EditingRoutes, EnteringAnOuterCellFromTheSideIsNoTarget) {
  MakeNeuron(10, 10);
  const int b = MakeNeuron(20, 14);
  // Along row 13, the target's top-left outer cell is reached heading right, not down.
  Down(10, 11, MouseButton::Left);  // slot 2: first segment at (10, 12)
  Move(19, 13);
  Up(19, 13);
  EXPECT_EQ(LiveSegments(), 0);
  for (const Synapse& s : board.neurons[b].slots) EXPECT_EQ(s.kind, SlotEmpty);
  // A drop that makes nothing says why until the next press; a connection says nothing.
  EXPECT_EQ(editor.routeHint(), "Drop the arrow on a free edge square of a neuron, coming straight in");
  Down(30, 30);
  EXPECT_EQ(editor.routeHint(), "");
  Up(30, 30);
  const int c = MakeNeuron(30, 14);
  Drag(21, 14, 29, 14);
  EXPECT_EQ(board.neurons[c].slots[4].kind, SlotExcitatory);
  EXPECT_EQ(editor.routeHint(), "");
}

TEST_F(EditingRoutes, PickedUpSynapseEndKeepsItsWeightOnANewTarget) {
  const int a = MakeNeuron(10, 10), b = MakeNeuron(20, 10), c = MakeNeuron(20, 20);
  Drag(11, 10, 19, 10);
  SetSynapseWeight(board, {{b, 4}}, "30");
  SetSynapseDecay(board, {{b, 4}}, "2");
  Down(19, 10);
  EXPECT_EQ(board.neurons[b].slots[4].kind, SlotEmpty);
  Move(20, 19);
  EXPECT_TRUE(HasTile(20, 19, Tile::ValidRouteEnd));
  Up(20, 19);
  const Synapse& in = board.neurons[c].slots[6];
  EXPECT_EQ(in.kind, SlotExcitatory);
  EXPECT_EQ(in.weight, 30);
  EXPECT_EQ(in.decay, 2);
  EXPECT_EQ(in.otherIndex, a);
  EXPECT_EQ(board.neurons[a].slots[0].otherIndex, c);
  EXPECT_EQ(board.neurons[a].slots[0].otherSlot, 6);
  EXPECT_EQ(board.neurons[b].slots[4].kind, SlotEmpty);
  EXPECT_TRUE(HasTile(19, 10, 3));
  EXPECT_EQ(board.lineSegs[in.lineSeg].y, 18);
  EXPECT_TRUE(HasTile(20, 18, 9 + 64));  // straight down into slot 6
}

TEST_F(EditingRoutes, SingleNodeTakesOneWireAMultiNodeOnePerSide) {
  const int a = MakeNeuron(10, 10), b = MakeNeuron(14, 16);
  const int node = board.AddNode(20, 10);
  Drag(11, 10, 20, 10);
  EXPECT_EQ(board.nodes[node].slotKind[4], SlotWireEnd);
  EXPECT_EQ(board.nodes[node].otherIndex[4], a);
  EXPECT_EQ(board.neurons[a].slots[0].otherKind, OtherNode);
  // From b's up-right slot along the diagonal into the node's lower-left side.
  Drag(15, 15, 20, 10);
  EXPECT_EQ(board.neurons[b].slots[7].kind, SlotEmpty);
  EXPECT_EQ(board.nodes[node].slotKind[3], SlotEmpty);
  board.nodes[node].multi = true;
  Drag(15, 15, 20, 10);
  EXPECT_EQ(board.nodes[node].slotKind[3], SlotWireEnd);
  EXPECT_EQ(board.neurons[b].slots[7].otherSlot, 3);
  // The wire's end on the node can be picked up again and is dropped when let go.
  Down(19, 11);
  Move(30, 30);
  Up(30, 30);
  EXPECT_EQ(board.nodes[node].slotKind[3], SlotEmpty);
  EXPECT_EQ(board.neurons[b].slots[7].kind, SlotEmpty);
}

TEST_F(EditingRoutes, InputNodeIsNeverATarget) {
  const int in = MakeInput(0);
  MakeNeuron(12, 4);
  Drag(11, 4, 3, 4);
  EXPECT_EQ(board.nodes[in].slotKind[0], SlotEmpty);
  EXPECT_EQ(LiveSegments(), 0);
}

class EditingSelection : public EditorTest {};

TEST_F(EditingSelection, DragAgainstTheRightEdgeStopsAtColumnsMinusThree) {
  const int n = MakeNeuron(90, 50);
  Drag(90, 50, 99, 50);
  EXPECT_EQ(board.neurons[n].x, board.columns() - 3);
  EXPECT_FALSE(board.neurons[n].selected);
  EXPECT_TRUE(HasTile(97, 50, 4));
  EXPECT_TRUE(Tiles(90, 50).empty());
}

TEST_F(EditingSelection, DroppedOnAnotherNeuronMovesToTheNearestFreeRing) {
  MakeNeuron(30, 30);
  const int n = MakeNeuron(20, 30);
  Drag(20, 30, 31, 30);
  // Rings 1 and 2 around (31, 30) have no fit; ring 3 does, first at (+3, +3).
  EXPECT_EQ(board.neurons[n].x, 34);
  EXPECT_EQ(board.neurons[n].y, 33);
}

TEST_F(EditingSelection, RectangleDragMovesElementsRoutesAndText) {
  const int a = MakeNeuron(10, 10), b = MakeNeuron(16, 10);
  Drag(11, 10, 15, 10);
  Rectangle(8, 8, 18, 12);
  editor.KeyPress('H', false);  // the cursor sits where the rectangle started
  ASSERT_TRUE(board.HasSelection());
  Drag(8, 12, 8, 22);
  EXPECT_EQ(board.neurons[a].y, 20);
  EXPECT_EQ(board.neurons[b].y, 20);
  EXPECT_EQ(board.lineSegs[board.neurons[a].slots[0].lineSeg].y, 20);
  EXPECT_EQ(board.selTop, 18);
  EXPECT_EQ(board.selBottom, 22);
  EXPECT_EQ(CellText(board, 8, 18), 'H' << 8);
  EXPECT_EQ(board.pics[TextPicAt(board, 8, 18)].kind, PicText);
  EXPECT_EQ(TextPicAt(board, 8, 8), -1);
  EXPECT_TRUE(Tiles(13, 10).empty());
}

TEST_F(EditingSelection, NoFreePlaceAnywherePutsTheMoveBackWhole) {
  board.SetSize(12, 12);
  for (int x : {2, 6})
    for (int y : {2, 6}) MakeNeuron(x, y);
  // A neuron that overlaps the others, as a damaged file may leave one.
  const int odd = board.neurons.Allocate();
  board.neurons[odd].x = 4, board.neurons[odd].y = 4;
  board.DrawNeuron(odd);
  Drag(4, 4, 5, 5);
  ASSERT_EQ(fake.messages.shown.size(), 1u);
  EXPECT_EQ(fake.messages.shown[0], (ShownMessage{"Couldn't find a new position", "Nasty Move Error"}));
  EXPECT_EQ(board.neurons[odd].x, 4);
  EXPECT_EQ(board.neurons[odd].y, 4);
  EXPECT_FALSE(board.broken);
  EXPECT_FALSE(board.neurons[odd].selected);
  EXPECT_TRUE(HasTile(4, 4, 4));
  EXPECT_EQ(board.FindPic(5, 5, 4, PicNeuron, odd), -1);
}

TEST_F(EditingSelection, ZeroWidthRectangleIsDropped) {
  Rectangle(5, 5, 5, 9);
  EXPECT_EQ(board.selLeft, -1);
  Rectangle(5, 5, 9, 9);
  EXPECT_EQ(board.selLeft, 5);
  EXPECT_EQ(board.selRight, 9);
  EXPECT_EQ(board.selBottom, 9);
  // The far corner never goes above or left of the anchor.
  Down(20, 20);
  Move(10, 10);
  EXPECT_EQ(board.selRight, 20);
  EXPECT_EQ(board.selBottom, 20);
}

TEST_F(EditingSelection, DeletingARectangleKeepsTheInputNode) {
  const int in = MakeInput(0);
  const int n = MakeNeuron(10, 5);
  LinkNode(in, n);
  board.AddSnooper(12, 8);
  Rectangle(1, 1, 15, 10);
  editor.DeleteSelection();
  EXPECT_TRUE(board.nodes.live(in));
  EXPECT_EQ(board.nodes[in].slotKind[0], SlotEmpty);
  EXPECT_FALSE(board.neurons.live(n));
  EXPECT_EQ(board.snoopers.used(), 0);
  EXPECT_EQ(board.selLeft, -1);
  const std::vector<std::pair<int, int>> gone = {{ElementNeuron, n}, {ElementSnooper, 0}};
  EXPECT_EQ(requests.deleted, gone);
}

TEST_F(EditingSelection, ClearKeepsChannelNodesUnlessEverything) {
  const int in = MakeInput(0);
  MakeNeuron(20, 20);
  board.nodes[in].y = 30;
  editor.Clear(false);
  EXPECT_EQ(requests.closedAll, 1);
  EXPECT_EQ(board.neurons.used(), 0);
  ASSERT_TRUE(board.nodes.live(in));
  EXPECT_EQ(board.nodes[in].y, 4);
  editor.Clear(true);
  EXPECT_EQ(board.nodes.used(), 0);
  EXPECT_FALSE(board.inputBindings[0].bound);
}

TEST_F(EditingSelection, DragNearTheWindowEdgeScrollsOneCell) {
  editor.autoScroll = true;
  Down(5, 5);
  editor.MouseMove(board.widthPixels - 4, 40);  // within one cell of the right edge
  EXPECT_EQ(editor.scrollX, 1);
  EXPECT_EQ(requests.scrolled, 1);
  editor.MouseMove(100, 100);
  EXPECT_EQ(editor.scrollX, 1);
  EXPECT_EQ(board.selRight, 100 / 16 + 1);
  editor.MouseUp(100, 100, MouseButton::Left);
  Down(1, 1);  // now column 2 on the board
  EXPECT_EQ(editor.cursor().column(), 2);
}

class EditingClicks : public EditorTest {};

TEST_F(EditingClicks, RightClicksAskForTheirDialogsOrTheMenu) {
  const int a = MakeNeuron(10, 10), b = MakeNeuron(20, 10);
  Drag(11, 10, 19, 10);
  const int node = board.AddNode(30, 30);
  const int snoop = board.AddSnooper(40, 40);
  Down(10, 10, MouseButton::Right);
  Down(19, 10, MouseButton::Right);
  Down(11, 11, MouseButton::Right);  // an outer cell without a synapse
  EXPECT_EQ(fake.messages.shown, (std::vector<ShownMessage>{{"No synapse selected", "Synapse properties"}}));
  Down(31, 31, MouseButton::Right);
  Down(40, 40, MouseButton::Right);
  EXPECT_EQ(requests.neurons, (std::vector<std::vector<int>>{{a}}));
  ASSERT_EQ(requests.synapses.size(), 1u);
  EXPECT_EQ(requests.synapses[0][0], (SynapseRef{b, 4}));
  EXPECT_EQ(requests.nodeDialogs, std::vector<int>{node});
  EXPECT_EQ(requests.snooperDialogs, std::vector<int>{snoop});
  Down(50, 60, MouseButton::Right);
  EXPECT_EQ(requests.menus, 1);
  EXPECT_EQ(board.selLeft, 50);
  EXPECT_EQ(board.selBottom, 60);
  EXPECT_TRUE(board.WasTouched());
}

class EditingKeys : public EditorTest {};

TEST_F(EditingKeys, TypingFillsHalfCellsAndEnterLinesUpUnderTheFirstCell) {
  editor.KeyPress('A', false);  // no rectangle: nothing
  EXPECT_EQ(TextPicAt(board, 5, 5), -1);
  Rectangle(5, 5, 9, 9);
  for (int ch : {'A', 'B', 'C'}) editor.KeyPress(ch, false);
  EXPECT_EQ(CellText(board, 5, 5), 'A' * 256 + 'B');
  EXPECT_EQ(CellText(board, 6, 5), 'C' * 256);
  editor.KeyPress('\r', false);
  EXPECT_EQ(editor.cursor().column(), 5);
  EXPECT_EQ(editor.cursor().row, 6);
  editor.KeyPress('D', false);
  editor.KeyPress('\b', false);
  EXPECT_EQ(TextPicAt(board, 5, 6), -1);
  editor.KeyPress('\b', false);  // before the right half of the empty cell to the left
  EXPECT_EQ(editor.cursor().half, 2 * 4 + 1);
  editor.KeyPress(0x7F, false);  // not text: only a repaint
  EXPECT_EQ(editor.cursor().half, 2 * 4 + 1);
}

TEST_F(EditingKeys, TypingAtTheRightEdgeGoesOnAtTheNextRow) {
  Rectangle(97, 5, 98, 7);
  editor.KeyPress('Q', false);
  Down(98, 5);  // inside the rectangle: a drag that moves nothing, the cursor follows
  Up(98, 5);
  for (int ch : {'x', 'y'}) editor.KeyPress(ch, false);
  EXPECT_EQ(CellText(board, 98, 5), 'x' * 256 + 'y');
  EXPECT_EQ(editor.cursor().row, 6);
  EXPECT_EQ(editor.cursor().column(), 97);
}

}  // namespace
