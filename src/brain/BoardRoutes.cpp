// Drawing synapse routes with the mouse: starting at a free slot, following the mouse
// cell by cell (at most 45 degrees a turn), retracting, picking up a route's end and
// attaching it to a neuron slot or a node side.
#include <cmath>

#include "brain/BoardEditing.h"

namespace {

void EmptyNodeSlot(Node& n, int slot) {
  n.slotKind[slot] = SlotEmpty, n.otherKind[slot] = OtherNone;
  n.otherIndex[slot] = n.otherSlot[slot] = n.lineSeg[slot] = -1;
}

bool InFrame(const TBrainBoard& b, int x, int y) {
  return x >= 1 && y >= 1 && x <= b.columns() - 2 && y <= b.rows() - 2;
}

// The neuron or node owning a picture of the cell (snoopers and routes ignored).
bool ElementOwning(const TBrainBoard& b, int x, int y, int& kind, int& index) {
  const GridCell* cell = b.Cell(x, y);
  int q = cell ? cell->first : -1;
  for (int guard = b.pics.used(); q >= 0 && guard > 0; --guard, q = b.pics[q].next) {
    const BoardPic& p = b.pics[q];
    if ((p.kind == PicNeuron && b.neurons.live(p.key)) || (p.kind == PicNode && b.nodes.live(p.key))) {
      kind = p.kind, index = p.key;
      return true;
    }
  }
  return false;
}

}  // namespace

void TBoardEditor::StartRoute(int srcKind, int src, int slot) {
  int x, y;
  if (srcKind == OtherNeuron) {
    const Neuron& n = board_.neurons[src];
    x = n.x + 2 * DirDx[slot], y = n.y + 2 * DirDy[slot];
  } else {
    const Node& n = board_.nodes[src];
    x = n.x + DirDx[slot], y = n.y + DirDy[slot];
  }
  if (!InFrame(board_, x, y)) return;
  const int seg = board_.AddLineSeg(x, y, slot, slot, -1, srcKind, src, slot);
  if (srcKind == OtherNeuron) {
    board_.EraseNeuron(src);
    Synapse& s = board_.neurons[src].slots[slot];
    s = Synapse{};
    s.kind = SlotDrawing;
    s.lineSeg = seg;
    board_.DrawNeuron(src);
  } else {
    Node& n = board_.nodes[src];
    EmptyNodeSlot(n, slot);
    n.slotKind[slot] = SlotDrawing;
    n.lineSeg[slot] = seg;
  }
  board_.DrawLineSeg(seg);
  routeKind_ = srcKind, routeSrc_ = src, routeSlot_ = slot, routeEnd_ = seg;
  pickedUp_ = false;
  gesture_ = Gesture::Route;
  ShowCandidates();
}

void TBoardEditor::PickUpRouteEnd(int kind, int index, int slot) {
  int seg, srcKind, src, srcSlot;
  if (kind == OtherNeuron) {
    const Synapse& s = board_.neurons[index].slots[slot];
    seg = s.lineSeg, srcKind = s.otherKind, src = s.otherIndex, srcSlot = s.otherSlot;
  } else {
    const Node& n = board_.nodes[index];
    seg = n.lineSeg[slot], srcKind = n.otherKind[slot], src = n.otherIndex[slot], srcSlot = n.otherSlot[slot];
  }
  if (!board_.lineSegs.live(seg) || board_.lineSegs[seg].next != -1 || srcSlot < 0 || srcSlot >= SlotCount) return;
  const bool fromNeuron = srcKind == OtherNeuron && board_.neurons.live(src);
  if (!fromNeuron && !(srcKind == OtherNode && board_.nodes.live(src))) return;
  board_.EraseLineSeg(seg);
  if (kind == OtherNeuron) {
    saved_ = board_.neurons[index].slots[slot];
    board_.EraseNeuron(index);
    board_.neurons[index].slots[slot] = Synapse{};
    board_.DrawNeuron(index);
  } else {
    EmptyNodeSlot(board_.nodes[index], slot);
  }
  if (fromNeuron) {
    board_.EraseNeuron(src);
    Synapse& out = board_.neurons[src].slots[srcSlot];
    out.kind = SlotDrawing, out.otherKind = OtherNone, out.otherIndex = out.otherSlot = -1;
    board_.DrawNeuron(src);
  } else {
    Node& n = board_.nodes[src];
    n.slotKind[srcSlot] = SlotDrawing, n.otherKind[srcSlot] = OtherNone;
    n.otherIndex[srcSlot] = n.otherSlot[srcSlot] = -1;
  }
  board_.DrawLineSeg(seg);
  routeKind_ = srcKind, routeSrc_ = src, routeSlot_ = srcSlot, routeEnd_ = seg;
  pickedUp_ = kind == OtherNeuron;  // a wire's end carries no synapse
  gesture_ = Gesture::Route;
  ShowCandidates();
}

void TBoardEditor::ExtendRoute(int px, int py) {
  HideTarget();
  const int cs = board_.cellSize > 0 ? board_.cellSize : 16;
  const double mx = px + static_cast<double>(scrollX) * cs, my = py + static_cast<double>(scrollY) * cs;
  auto distance = [&](int x, int y) {
    const double cx = (x + 0.5) * cs - mx, cy = (y + 0.5) * cs - my;
    return cx * cx + cy * cy;
  };
  // Each round adds or removes one segment; a route cannot need more than the board.
  for (int guard = 4 * (board_.columns() + board_.rows()); guard > 0; --guard) {
    const LineSeg end = board_.lineSegs[routeEnd_];
    double best = distance(end.x, end.y);
    int bx = 0, by = 0;
    for (int dx = -1; dx <= 1; ++dx)
      for (int dy = -1; dy <= 1; ++dy) {
        if ((dx == 0 && dy == 0) || !InFrame(board_, end.x + dx, end.y + dy)) continue;
        const double d = distance(end.x + dx, end.y + dy);
        if (d < best) best = d, bx = dx, by = dy;
      }
    if (bx == 0 && by == 0) break;
    const int dir = DirectionOf(bx, by);
    if (TBrainBoard::RouteBodyTile(end.dirIn, dir) >= 0) {
      board_.EraseLineSeg(routeEnd_);
      board_.lineSegs[routeEnd_].dirOut = dir;
      const int seg =
          board_.AddLineSeg(end.x + bx, end.y + by, dir, dir, routeEnd_, routeKind_, routeSrc_, routeSlot_);
      board_.DrawLineSeg(routeEnd_);
      board_.DrawLineSeg(seg);
      routeEnd_ = seg;
    } else if (board_.lineSegs.live(end.prev)) {
      const int prev = end.prev;
      board_.EraseLineSeg(routeEnd_);
      board_.EraseLineSeg(prev);
      board_.lineSegs[prev].next = -1;
      board_.lineSegs.Free(routeEnd_);
      board_.DrawLineSeg(prev);
      routeEnd_ = prev;
    } else {
      break;
    }
  }
  ShowTarget();
}

bool TBoardEditor::TargetNeuron(int& neuron, int& slot) const {
  const LineSeg& end = board_.lineSegs[routeEnd_];
  int kind, index;
  if (!ElementOwning(board_, end.x, end.y, kind, index) || kind != PicNeuron) return false;
  const Neuron& n = board_.neurons[index];
  const int d = DirectionOf(end.x - n.x, end.y - n.y);
  if (d < 0 || n.slots[d].kind != SlotEmpty || end.dirIn != (d + 4) % SlotCount) return false;
  neuron = index, slot = d;
  return true;
}

bool TBoardEditor::TargetNode(int& node, int& slot) const {
  const LineSeg& end = board_.lineSegs[routeEnd_];
  int kind, index;
  if (!ElementOwning(board_, end.x, end.y, kind, index) || kind != PicNode) return false;
  const Node& n = board_.nodes[index];
  if (n.x != end.x || n.y != end.y || (routeKind_ == OtherNode && routeSrc_ == index)) return false;
  if (n.type == InputNode || n.type == FileInputNode || n.type == KeyInputNode || n.type == EmptyInputNode)
    return false;
  if (!n.multi)
    for (int k : n.slotKind)
      if (k == SlotWireEnd) return false;
  const int s = (end.dirIn + 4) % SlotCount;
  if (end.dirIn < 0 || n.slotKind[s] != SlotEmpty) return false;
  node = index, slot = s;
  return true;
}

void TBoardEditor::ShowTarget() {
  int index, slot;
  if (!TargetNeuron(index, slot) && !TargetNode(index, slot)) return;
  const LineSeg& end = board_.lineSegs[routeEnd_];
  board_.AddPic(end.x, end.y, PicLineSeg, routeEnd_, Tile::ValidRouteEnd);
  markerSeg_ = routeEnd_;
}

void TBoardEditor::HideTarget() {
  if (markerSeg_ < 0) return;
  const LineSeg& l = board_.lineSegs[markerSeg_];
  board_.RemovePic(l.x, l.y, Tile::ValidRouteEnd, PicLineSeg, markerSeg_);
  markerSeg_ = -1;
}

// A learner sees where a route may end: every free edge square of a neuron, and every
// node that takes a wire, carries the valid-end tile while the route is drawn.
void TBoardEditor::ShowCandidates() {
  HideCandidates();
  int head = routeEnd_;
  for (int guard = board_.lineSegs.used(); guard > 0 && board_.lineSegs.live(board_.lineSegs[head].prev); --guard)
    head = board_.lineSegs[head].prev;
  candidateKey_ = head;
  auto mark = [this](int x, int y) {
    if (!InFrame(board_, x, y)) return;
    board_.AddPic(x, y, PicLineSeg, candidateKey_, Tile::ValidRouteEnd);
    candidates_.emplace_back(x, y);
  };
  for (int i = 0; i < board_.neurons.used(); ++i) {
    if (!board_.neurons.live(i)) continue;
    const Neuron& n = board_.neurons[i];
    for (int d = 0; d < SlotCount; ++d)
      if (n.slots[d].kind == SlotEmpty) mark(n.x + DirDx[d], n.y + DirDy[d]);
  }
  for (int i = 0; i < board_.nodes.used(); ++i) {
    if (!board_.nodes.live(i) || (routeKind_ == OtherNode && routeSrc_ == i)) continue;
    const Node& n = board_.nodes[i];
    if (n.type == InputNode || n.type == FileInputNode || n.type == KeyInputNode || n.type == EmptyInputNode) continue;
    bool wired = false;
    for (int k : n.slotKind) wired = wired || k == SlotWireEnd;
    if (n.multi || !wired) mark(n.x, n.y);
  }
}

void TBoardEditor::HideCandidates() {
  for (auto [x, y] : candidates_) board_.RemovePic(x, y, Tile::ValidRouteEnd, PicLineSeg, candidateKey_);
  candidates_.clear();
  candidateKey_ = -1;
}

void TBoardEditor::FinishRoute() {
  HideTarget();
  HideCandidates();
  int target, slot;
  const int end = routeEnd_;
  gesture_ = Gesture::None;
  if (TargetNeuron(target, slot) && board_.lineSegs.live(board_.lineSegs[end].prev)) {
    // The route stops outside the target's block: its segment in the outer cell goes.
    const int last = board_.lineSegs[end].prev;
    board_.EraseLineSeg(end);
    board_.EraseLineSeg(last);
    board_.lineSegs[last].next = -1;
    board_.lineSegs.Free(end);
    float weight = pickedUp_ ? saved_.weight : board_.defaultWeight;
    if (!(weight >= -100)) weight = weight > 0 ? 100 : (weight == weight ? -100 : 0);
    if (weight > 100) weight = 100;
    if (board_.ConnectToNeuron(routeKind_, routeSrc_, routeSlot_, target, slot, weight)) {
      Synapse& in = board_.neurons[target].slots[slot];
      if (pickedUp_) in.decay = saved_.decay, in.learn = saved_.learn, in.lastWeightChange = saved_.lastWeightChange;
      in.lineSeg = last;
      board_.DrawLineSeg(last);
      return;
    }
    board_.DrawLineSeg(last);
    routeEnd_ = last;
  } else if (TargetNode(target, slot)) {
    board_.EraseLineSeg(end);
    if (board_.ConnectToNode(routeKind_, routeSrc_, routeSlot_, target, slot)) {
      board_.nodes[target].lineSeg[slot] = end;
      board_.DrawLineSeg(end);
      return;
    }
    board_.DrawLineSeg(end);
  }
  DropRoute();
  routeHint_ = RouteDropHint;  // never fail in silence: the status bar says how
}

void TBoardEditor::DropRoute() {
  HideCandidates();
  board_.DeleteRoute(routeEnd_, false);
  if (routeKind_ == OtherNeuron && board_.neurons.live(routeSrc_)) {
    board_.EraseNeuron(routeSrc_);
    board_.neurons[routeSrc_].slots[routeSlot_] = Synapse{};
    board_.DrawNeuron(routeSrc_);
  } else if (routeKind_ == OtherNode && board_.nodes.live(routeSrc_)) {
    EmptyNodeSlot(board_.nodes[routeSrc_], routeSlot_);
  }
  routeEnd_ = -1;
  gesture_ = Gesture::None;
}
