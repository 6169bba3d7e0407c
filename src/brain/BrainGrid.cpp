// The grid's picture stacks and the tiles each element puts into its cells.
#include <cstdio>
#include <utility>

#include "brain/Brainboard.h"

namespace {

constexpr int NeuronOuterBase[SlotCount] = {5, 8, 7, 6, 3, 0, 1, 2};
constexpr int Lit = 16;

constexpr int RouteBody[SlotCount][SlotCount] = {
    {9, 27, -1, -1, -1, -1, -1, 45},  {25, 10, 30, -1, -1, -1, -1, -1},
    {-1, 46, 11, 28, -1, -1, -1, -1}, {-1, -1, 26, 12, 45, -1, -1, -1},
    {-1, -1, -1, 29, 9, 25, -1, -1},  {-1, -1, -1, -1, 27, 10, 46, -1},
    {-1, -1, -1, -1, -1, 30, 11, 26}, {29, -1, -1, -1, -1, -1, 28, 12},
};
constexpr int RouteEnd[SlotCount] = {63, 77, 78, 79, 93, 47, 61, 62};
// Straight-through synapse tiles by the slot's direction (even directions only).
constexpr int SynapseStraight[SlotCount] = {11, -1, 12, -1, 10, -1, 9, -1};
// Corner tiles of a diagonal step: the cell beside it in the same row, then the one in
// the same column, by entry direction (odd directions only).
constexpr int CornerSameRow[SlotCount] = {-1, 31, -1, 15, -1, 14, -1, 13};
constexpr int CornerSameColumn[SlotCount] = {-1, 14, -1, 13, -1, 31, -1, 15};

bool IsDir(int d) { return d >= 0 && d < SlotCount; }

// Side cells of a node count top 0, left 1, right 3, bottom 4; corners are -1.
int NodeSideCount(int direction) {
  switch (direction) {
    case 6: return 0;
    case 4: return 1;
    case 0: return 3;
    case 2: return 4;
    default: return -1;
  }
}

int SlotTileOffset(int kind) {
  switch (kind) {
    case SlotInhibitory: return 32;
    case SlotExcitatory: return 64;
    case SlotOutput:
    case SlotDrawing: return 96;
    default: return 0;
  }
}

}  // namespace

int DirectionOf(int dx, int dy) {
  for (int d = 0; d < SlotCount; ++d)
    if (DirDx[d] == dx && DirDy[d] == dy) return d;
  return -1;
}

void TBrainBoard::MarkDirty(int x, int y) {
  if (GridCell* c = Cell(x, y)) c->dirty = true;
}

void TBrainBoard::SetSize(int newColumns, int newRows) {
  columns_ = newColumns < 0 ? 0 : (newColumns > MaxBoardSide ? MaxBoardSide : newColumns);
  rows_ = newRows < 0 ? 0 : (newRows > MaxBoardSide ? MaxBoardSide : newRows);
  cells_.assign(static_cast<size_t>(columns_) * rows_, GridCell{});
  // No cell names the old pictures any more.
  pics.Reset();
}

// ---- picture stacks -------------------------------------------------------------

int TBrainBoard::AddPic(int x, int y, int kind, int key, int picture) {
  if (hidden_ || !InGrid(x, y)) return -1;
  const int p = pics.Allocate();
  BoardPic& bp = pics[p];
  bp.kind = kind;
  bp.key = key;
  bp.picture = picture;
  GridCell& cell = *Cell(x, y);
  auto insertBefore = [&](int q) {
    pics[p].next = q;
    pics[p].prev = pics[q].prev;
    if (pics[q].prev >= 0) pics[pics[q].prev].next = p;
    else cell.first = p;
    pics[q].prev = p;
  };
  auto insertAfter = [&](int q) {
    pics[p].prev = q;
    pics[p].next = pics[q].next;
    if (pics[q].next >= 0) pics[pics[q].next].prev = p;
    pics[q].next = p;
  };
  const int head = cell.first;
  if (head < 0) {
    cell.first = p;
  } else if (kind == PicNode && !draggingSelection) {
    // Node pictures of one cell stay in ascending node order.
    int q = head, last = head;
    for (int guard = pics.used(); q >= 0 && guard > 0; --guard) {
      if (pics[q].kind == PicNode && pics[q].key >= key) break;
      last = q;
      q = pics[q].next;
    }
    if (q >= 0) insertBefore(q);
    else insertAfter(last);
  } else if (kind != PicMovingText && (pics[head].kind == PicText || pics[head].kind == PicMovingText)) {
    insertAfter(head);  // text stays on top
  } else {
    insertBefore(head);
  }
  cell.dirty = true;
  return p;
}

// A stack that lacks a picture it should hold: the board is broken.
void TBrainBoard::PicNotFound(int picture, int x, int y, const char* caption) {
  char text[96];
  std::snprintf(text, sizeof text, "Pic %d not found at: %d, %d", picture, x, y);
  Message(text, caption);
  broken = true;
}

int TBrainBoard::FindPic(int x, int y, int picture, int kind, int key) const {
  const GridCell* cell = Cell(x, y);
  if (!cell) return -1;
  int q = cell->first;
  for (int guard = pics.used(); q >= 0 && guard > 0; --guard) {
    const BoardPic& bp = pics[q];
    if (SamePic(bp, kind, key, picture)) return q;
    q = bp.next;
  }
  return -1;
}

void TBrainBoard::RemovePic(int x, int y, int picture, int kind, int key) {
  if (hidden_ || !InGrid(x, y)) return;
  const int p = FindPic(x, y, picture, kind, key);
  if (p < 0) {
    PicNotFound(picture, x, y, "Remove pic error");
    return;
  }
  GridCell& cell = *Cell(x, y);
  const BoardPic bp = pics[p];
  if (bp.prev >= 0) pics[bp.prev].next = bp.next;
  else cell.first = bp.next;
  if (bp.next >= 0) pics[bp.next].prev = bp.prev;
  pics.Free(p);
  cell.dirty = true;
}

void TBrainBoard::ReplacePic(int x, int y, int oldPicture, int kind, int key, int newPicture) {
  if (hidden_ || !InGrid(x, y)) return;
  const int p = FindPic(x, y, oldPicture, kind, key);
  if (p < 0) {
    PicNotFound(oldPicture, x, y, "Replace pic error");
    return;
  }
  pics[p].picture = newPicture;
  Cell(x, y)->dirty = true;
}

// ---- element tiles --------------------------------------------------------------

int TBrainBoard::NeuronCentreTile(const Neuron& n) {
  const int base = n.type == ErrorNeuron ? 167 : (n.learn ? 135 : 4);
  return base + (n.shownState >= 50 ? Lit : 0);
}

int TBrainBoard::NeuronOuterTile(const Neuron& n, int direction) {
  return NeuronOuterBase[direction] + SlotTileOffset(n.slots[direction].kind) + (n.shownState >= 50 ? Lit : 0);
}

int TBrainBoard::NodeTile(const Node& n, int direction) {
  if (direction >= 0 && NodeSideCount(direction) < 0) return Tile::NodeCorner;
  int base = -1, centre = -1;
  switch (n.type) {
    case PlainNode:
    case HeldNode: base = 105; centre = 107; break;
    case InputNode:
    case EmptyInputNode: base = 137; centre = n.picture; break;
    case FileInputNode: base = 137; centre = 224; break;
    case KeyInputNode: base = 137; centre = 225; break;
    case OutputNode:
    case EmptyOutputNode: base = 169; centre = n.picture; break;
    default: return -1;
  }
  const int lit = n.shownState >= 50 ? Lit : 0;
  return (direction < 0 ? centre : base + NodeSideCount(direction)) + lit;
}

int TBrainBoard::RouteBodyTile(int dirIn, int dirOut) {
  return IsDir(dirIn) && IsDir(dirOut) ? RouteBody[dirIn][dirOut] : -1;
}

int TBrainBoard::RouteEndTile(int dirIn) { return IsDir(dirIn) ? RouteEnd[dirIn] : -1; }

// The output slot a route starts from: kind, other kind, other index and other slot.
static bool RouteSource(const TBrainBoard& b, const LineSeg& l, int& kind, int& otherKind, int& otherIndex,
                        int& otherSlot) {
  if (!IsDir(l.srcSlot)) return false;
  if (l.srcKind == OtherNeuron && b.neurons.live(l.srcIndex)) {
    const Synapse& s = b.neurons[l.srcIndex].slots[l.srcSlot];
    kind = s.kind, otherKind = s.otherKind, otherIndex = s.otherIndex, otherSlot = s.otherSlot;
    return true;
  }
  if (l.srcKind == OtherNode && b.nodes.live(l.srcIndex)) {
    const Node& n = b.nodes[l.srcIndex];
    kind = n.slotKind[l.srcSlot], otherKind = n.otherKind[l.srcSlot];
    otherIndex = n.otherIndex[l.srcSlot], otherSlot = n.otherSlot[l.srcSlot];
    return true;
  }
  return false;
}

int TBrainBoard::RouteSegmentTile(int seg) const {
  const LineSeg& l = lineSegs[seg];
  if (l.next >= 0) return RouteBodyTile(l.dirIn, l.dirOut);
  int kind, otherKind, target, targetSlot;
  const bool intoNeuron = RouteSource(*this, l, kind, otherKind, target, targetSlot) && kind == SlotOutput &&
                          otherKind == OtherNeuron && neurons.live(target) && IsDir(targetSlot);
  if (!intoNeuron) return RouteEndTile(l.dirIn);  // still being drawn, or a wire's end on a node
  const int slotKind = neurons[target].slots[targetSlot].kind;
  if (targetSlot % 2 != 0 || !IsInputSlot(slotKind) || !IsDir(l.dirIn) || !IsDir(l.dirOut))
    return RouteBodyTile(l.dirIn, l.dirOut);
  const int k = slotKind == SlotExcitatory ? 64 : 32;
  if (l.dirIn == l.dirOut) return SynapseStraight[targetSlot] + k;
  const int turn = l.dirIn - l.dirOut;
  const int base = (turn < 0 || turn > 4) ? 112 : 96;
  return base + (6 - l.dirOut) / 2 + k;
}

bool TBrainBoard::RouteEndsOnOddSynapse(int seg, int& outX, int& outY, int& dir) const {
  const LineSeg& l = lineSegs[seg];
  int kind, otherKind, target, targetSlot;
  if (l.next >= 0 || !IsDir(l.dirOut) || !RouteSource(*this, l, kind, otherKind, target, targetSlot)) return false;
  if (kind != SlotOutput || otherKind != OtherNeuron || !neurons.live(target) || !IsDir(targetSlot)) return false;
  if (targetSlot % 2 == 0 || !IsInputSlot(neurons[target].slots[targetSlot].kind)) return false;
  dir = l.dirOut;
  outX = l.x + DirDx[dir];
  outY = l.y + DirDy[dir];
  return true;
}

void TBrainBoard::PutCornerPics(int x, int y, int dirIn, int key, bool add) {
  if (!IsDir(dirIn) || dirIn % 2 == 0) return;
  const int px = x - DirDx[dirIn], py = y - DirDy[dirIn];
  if (add) {
    AddPic(px, y, PicLineSeg, key, CornerSameRow[dirIn]);
    AddPic(x, py, PicLineSeg, key, CornerSameColumn[dirIn]);
  } else {
    RemovePic(px, y, CornerSameRow[dirIn], PicLineSeg, key);
    RemovePic(x, py, CornerSameColumn[dirIn], PicLineSeg, key);
  }
}

// ---- drawing elements into their cells -----------------------------------------

void TBrainBoard::DrawNeuron(int i) {
  const Neuron& n = neurons[i];
  AddPic(n.x, n.y, PicNeuron, i, NeuronCentreTile(n));
  for (int d = 0; d < SlotCount; ++d) AddPic(n.x + DirDx[d], n.y + DirDy[d], PicNeuron, i, NeuronOuterTile(n, d));
}

void TBrainBoard::EraseNeuron(int i) {
  const Neuron& n = neurons[i];
  RemovePic(n.x, n.y, NeuronCentreTile(n), PicNeuron, i);
  for (int d = 0; d < SlotCount; ++d)
    RemovePic(n.x + DirDx[d], n.y + DirDy[d], NeuronOuterTile(n, d), PicNeuron, i);
}

// A light changes often: the nine pictures a neuron was last found under are tried
// first, each taken only while it still is that neuron's picture of the old tile (a
// neuron shows each tile once, so it is the one in that cell).
void TBrainBoard::RedrawNeuronLit(int i, bool lit) {
  Neuron& n = neurons[i];
  int old[SlotCount + 1];
  old[0] = NeuronCentreTile(n);
  for (int d = 0; d < SlotCount; ++d) old[d + 1] = NeuronOuterTile(n, d);
  n.shownState = lit ? 100 : 0;
  if (hidden_) return;
  if (static_cast<int>(picPlaces_.size()) <= i) picPlaces_.resize(static_cast<size_t>(i) + 1);
  PicPlaces& places = picPlaces_[i];
  if (places.x != n.x || places.y != n.y) places = PicPlaces{n.x, n.y};
  for (int k = 0; k <= SlotCount; ++k) {
    const int x = n.x + (k == 0 ? 0 : DirDx[k - 1]), y = n.y + (k == 0 ? 0 : DirDy[k - 1]);
    if (!InGrid(x, y)) continue;
    int p = places.pic[k];
    if (!pics.valid(p) || !SamePic(std::as_const(pics)[p], PicNeuron, i, old[k])) p = FindPic(x, y, old[k], PicNeuron, i);
    places.pic[k] = p;
    if (p < 0) {
      PicNotFound(old[k], x, y, "Replace pic error");
      continue;
    }
    pics[p].picture = k == 0 ? NeuronCentreTile(n) : NeuronOuterTile(n, k - 1);
    cells_[Index(x, y)].dirty = true;
  }
}

void TBrainBoard::DrawNode(int i) {
  Node& n = nodes[i];
  n.shownState = n.value[0] >= 50 ? 100 : 0;
  const int centre = NodeTile(n, -1);
  if (centre >= 0) AddPic(n.x, n.y, PicNode, i, centre);
  for (int d = 0; d < SlotCount; ++d) {
    const int t = NodeTile(n, d);
    if (t >= 0) AddPic(n.x + DirDx[d], n.y + DirDy[d], PicNode, i, t);
  }
}

void TBrainBoard::EraseNode(int i) {
  const Node& n = nodes[i];
  const int centre = NodeTile(n, -1);
  if (centre >= 0) RemovePic(n.x, n.y, centre, PicNode, i);
  for (int d = 0; d < SlotCount; ++d) {
    const int t = NodeTile(n, d);
    if (t >= 0) RemovePic(n.x + DirDx[d], n.y + DirDy[d], t, PicNode, i);
  }
}

void TBrainBoard::RedrawNodeLit(int i, bool lit) {
  Node& n = nodes[i];
  int old[SlotCount + 1];
  for (int d = -1; d < SlotCount; ++d) old[d + 1] = NodeTile(n, d);
  n.shownState = lit ? 100 : 0;
  if (hidden_) return;
  for (int d = -1; d < SlotCount; ++d) {
    const int now = NodeTile(n, d);
    if (old[d + 1] < 0 || now == old[d + 1]) continue;
    ReplacePic(n.x + (d < 0 ? 0 : DirDx[d]), n.y + (d < 0 ? 0 : DirDy[d]), old[d + 1], PicNode, i, now);
  }
}

void TBrainBoard::DrawLineSeg(int s) {
  const LineSeg& l = lineSegs[s];
  const int tile = RouteSegmentTile(s);
  if (tile >= 0) AddPic(l.x, l.y, PicLineSeg, s, tile);
  PutCornerPics(l.x, l.y, l.dirIn, s, true);
  int ox, oy, dir;
  if (RouteEndsOnOddSynapse(s, ox, oy, dir)) PutCornerPics(ox, oy, dir, s, true);
}

void TBrainBoard::EraseLineSeg(int s) {
  const LineSeg& l = lineSegs[s];
  const int tile = RouteSegmentTile(s);
  if (tile >= 0) RemovePic(l.x, l.y, tile, PicLineSeg, s);
  PutCornerPics(l.x, l.y, l.dirIn, s, false);
  int ox, oy, dir;
  if (RouteEndsOnOddSynapse(s, ox, oy, dir)) PutCornerPics(ox, oy, dir, s, false);
}

void TBrainBoard::DrawSnooper(int i) {
  const Snooper& s = snoopers[i];
  AddPic(s.x, s.y, PicSnooper, i, s.tile);
}

void TBrainBoard::EraseSnooper(int i) {
  const Snooper& s = snoopers[i];
  RemovePic(s.x, s.y, s.tile, PicSnooper, i);
}
