// What a loaded board must satisfy before it is stepped, drawn, edited or saved:
// elements lie on the grid, every link names a live element that links back, line
// segment chains and picture stacks are proper lists without cycles.
#include <vector>

#include "brain/BrainFileFormat.h"
#include "brain/Brainboard.h"

namespace {

struct SlotView {
  int kind, otherKind, otherIndex, otherSlot;
};

bool IsSlot(int s) { return s >= 0 && s < SlotCount; }

bool ViewSlot(const TBrainBoard& b, int elemKind, int index, int slot, SlotView& v) {
  if (!IsSlot(slot)) return false;
  if (elemKind == OtherNeuron && b.neurons.live(index)) {
    const Synapse& s = b.neurons[index].slots[slot];
    v = {s.kind, s.otherKind, s.otherIndex, s.otherSlot};
    return true;
  }
  if (elemKind == OtherNode && b.nodes.live(index)) {
    const Node& n = b.nodes[index];
    v = {n.slotKind[slot], n.otherKind[slot], n.otherIndex[slot], n.otherSlot[slot]};
    return true;
  }
  return false;
}

}  // namespace

bool SlotSound(const TBrainBoard& b, int elemKind, int index, int slot) {
  SlotView self{}, other{};
  if (!ViewSlot(b, elemKind, index, slot, self)) return false;
  if (self.kind == SlotEmpty || self.kind == SlotDrawing) return true;
  const bool incoming = elemKind == OtherNeuron ? IsInputSlot(self.kind) : self.kind == SlotWireEnd;
  if (!incoming && self.kind != SlotOutput) return false;
  if (!ViewSlot(b, self.otherKind, self.otherIndex, self.otherSlot, other)) return false;
  if (other.otherKind != elemKind || other.otherIndex != index || other.otherSlot != slot) return false;
  if (incoming) return other.kind == SlotOutput;
  return self.otherKind == OtherNeuron ? IsInputSlot(other.kind) : other.kind == SlotWireEnd;
}

namespace {

class LoadCheck {
 public:
  explicit LoadCheck(TBrainBoard& b) : b_(b) {}

  int Run() {
    DropOffGridElements();
    DropUnsoundLinks();
    if (!b_.hidden()) {
      CheckLineSegs();
      CheckRouteEnds();
      CheckPictures();
    }
    CheckBindings();
    return dropped_;
  }

 private:
  bool BlockOnGrid(int x, int y) const { return x >= 1 && y >= 1 && x <= b_.columns() - 2 && y <= b_.rows() - 2; }

  void DropOffGridElements() {
    for (int i = 0; i < b_.neurons.used(); ++i) {
      Neuron& n = b_.neurons[i];
      if (n.inUse && (!BlockOnGrid(n.x, n.y) || n.type < StepNeuron || n.type > ErrorNeuron)) Drop(n.inUse);
    }
    for (int i = 0; i < b_.nodes.used(); ++i) {
      Node& n = b_.nodes[i];
      if (n.inUse && !BlockOnGrid(n.x, n.y)) Drop(n.inUse);
    }
    for (int i = 0; i < b_.snoopers.used(); ++i) {
      Snooper& s = b_.snoopers[i];
      if (s.inUse && !b_.InGrid(s.x, s.y)) Drop(s.inUse);
    }
  }

  void Drop(bool& inUse) {
    inUse = false;
    ++dropped_;
  }

  // Decided on the links as read, then cleared, so both ends of a bad link go.
  void DropUnsoundLinks() {
    std::vector<std::pair<int, int>> badNeuronSlots, badNodeSlots;
    for (int i = 0; i < b_.neurons.used(); ++i)
      for (int s = 0; s < SlotCount && b_.neurons[i].inUse; ++s)
        if (!SlotSound(b_, OtherNeuron, i, s)) badNeuronSlots.push_back({i, s});
    for (int i = 0; i < b_.nodes.used(); ++i)
      for (int s = 0; s < SlotCount && b_.nodes[i].inUse; ++s)
        if (!SlotSound(b_, OtherNode, i, s)) badNodeSlots.push_back({i, s});
    for (auto [i, s] : badNeuronSlots) b_.neurons[i].slots[s] = Synapse{};
    for (auto [i, s] : badNodeSlots) {
      Node& n = b_.nodes[i];
      n.slotKind[s] = SlotEmpty;
      n.otherKind[s] = OtherNone;
      n.otherIndex[s] = n.otherSlot[s] = n.lineSeg[s] = -1;
    }
    dropped_ += static_cast<int>(badNeuronSlots.size() + badNodeSlots.size());
  }

  void CheckLineSegs() {
    auto& segs = b_.lineSegs;
    for (int i = 0; i < segs.used(); ++i)
      if (segs[i].inUse && !b_.InGrid(segs[i].x, segs[i].y)) Drop(segs[i].inUse);
    for (int i = 0; i < segs.used(); ++i) {
      LineSeg& l = segs[i];
      if (!l.inUse) continue;
      if (l.next != -1 && (!segs.live(l.next) || segs[l.next].prev != i)) l.next = -1, ++dropped_;
      if (l.prev != -1 && (!segs.live(l.prev) || segs[l.prev].next != i)) l.prev = -1, ++dropped_;
    }
    // With links that agree both ways, a chain that has no first segment is a ring.
    std::vector<char> seen(segs.used(), 0);
    auto walk = [&](int s) {
      for (; s >= 0 && !seen[s]; s = segs[s].next) seen[s] = 1;
    };
    for (int i = 0; i < segs.used(); ++i)
      if (segs[i].inUse && segs[i].prev < 0) walk(i);
    for (int i = 0; i < segs.used(); ++i) {
      if (!segs[i].inUse || seen[i]) continue;
      segs[segs[i].prev].next = -1;
      segs[i].prev = -1;
      ++dropped_;
      walk(i);
    }
  }

  void CheckRouteEnds() {
    auto fix = [&](int32_t& seg) {
      if (seg != -1 && !b_.lineSegs.live(seg)) seg = -1, ++dropped_;
    };
    for (int i = 0; i < b_.neurons.used(); ++i)
      if (b_.neurons[i].inUse)
        for (Synapse& s : b_.neurons[i].slots) fix(s.lineSeg);
    for (int i = 0; i < b_.nodes.used(); ++i)
      if (b_.nodes[i].inUse)
        for (int32_t& seg : b_.nodes[i].lineSeg) fix(seg);
  }

  bool KeyLive(const BoardPic& p) const {
    switch (p.kind) {
      case PicNeuron: return b_.neurons.live(p.key);
      case PicNode: return b_.nodes.live(p.key);
      case PicLineSeg: return b_.lineSegs.live(p.key);
      case PicSnooper: return b_.snoopers.live(p.key);
      case PicText:
      case PicMovingText: return true;
      default: return false;
    }
  }

  void CheckPictures() {
    auto& pics = b_.pics;
    for (int i = 0; i < pics.used(); ++i)
      if (pics[i].inUse() && !KeyLive(pics[i])) pics[i].kind = PicFree, ++dropped_;
    std::vector<char> seen(pics.used(), 0);
    for (int y = 0; y < b_.rows(); ++y)
      for (int x = 0; x < b_.columns(); ++x) {
        GridCell& cell = *b_.Cell(x, y);
        int prev = -1;
        for (int q = cell.first; q != -1; q = pics[q].next) {
          if (!pics.valid(q) || !pics[q].inUse() || seen[q]) {
            (prev < 0 ? cell.first : pics[prev].next) = -1;
            ++dropped_;
            break;
          }
          seen[q] = 1;
          if (pics[q].prev != prev) pics[q].prev = prev, ++dropped_;
          prev = q;
        }
      }
    for (int i = 0; i < pics.used(); ++i)
      if (pics[i].inUse() && !seen[i]) pics[i].kind = PicFree, ++dropped_;
  }

  void CheckBindings() {
    for (IOBinding* table : {b_.inputBindings, b_.outputBindings})
      for (int ch = 0; ch < ChannelCount; ++ch) {
        IOBinding& bd = table[ch];
        if (bd.node != -1 && !b_.nodes.live(bd.node)) bd.node = -1, ++dropped_;
        if (bd.node == -1) bd.bound = false;  // a fresh node is made if the body offers it
      }
  }

  TBrainBoard& b_;
  int dropped_ = 0;
};

}  // namespace

int MakeLoadedBoardSafe(TBrainBoard& board) {
  const int dropped = LoadCheck(board).Run();
  board.neurons.Rescan();
  board.nodes.Rescan();
  board.snoopers.Rescan();
  board.lineSegs.Rescan();
  board.pics.Rescan();
  return dropped;
}
