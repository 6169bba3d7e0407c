// Placing a read clipboard block: channel-node rules, the free offset, index mapping,
// link checks and drawing.
#include <map>
#include <set>

#include "brain/BoardGroup.h"
#include "brain/BoardText.h"
#include "brain/BrainFileFormat.h"
#include "brain/PasteReader.h"

namespace {

bool IsInputChannelType(int t) { return t == InputNode || t == EmptyInputNode; }
bool IsOutputChannelType(int t) { return t == OutputNode || t == EmptyOutputNode; }
bool KnownNodeType(int t) {
  return t == PlainNode || t == OutputNode || t == InputNode || t == HeldNode || t == FileInputNode ||
         t == KeyInputNode || t == EmptyInputNode || t == EmptyOutputNode;
}

void EmptyNodeSlot(Node& n, int s) {
  n.slotKind[s] = SlotEmpty, n.otherKind[s] = OtherNone;
  n.otherIndex[s] = n.otherSlot[s] = n.lineSeg[s] = -1;
}

int Lookup(const std::map<int, int>& table, int old) {
  const auto it = table.find(old);
  return it == table.end() ? -1 : it->second;
}

class Placer {
 public:
  Placer(TBrainBoard& b, PastedBlock& block) : b_(b), p_(block) {}

  bool Run() {
    Shift();
    DecideChannels();
    int dx, dy;
    if (!FindFreeOffset(b_, Shape(), dx, dy)) {
      for (const Fate& f : fates_)
        if (f.replaces >= 0) b_.nodes[f.replaces].selected = false;
      b_.Message("Couldn't find a place to put it", "Paste Error");
      return false;
    }
    MoveStaged(dx, dy);
    Allocate();
    BindChannels();
    LoadFileNodes();
    MapLinks();
    CheckLinks();
    CheckRoutes();
    Draw();
    PutTexts();
    MarkRectangleDirty(b_, b_.selLeft, b_.selTop, b_.selRight, b_.selBottom);
    b_.selLeft = b_.selTop = b_.selRight = b_.selBottom = -1;
    return true;
  }

 private:
  // What becomes of a pasted node once the paste stands.
  struct Fate {
    int channel = -1;    // the channel it takes, -1 for none
    int replaces = -1;   // the unconnected channel node it replaces
    bool input = false;
  };

  void Shift() {
    int sx = 0, sy = 0;
    if (b_.selLeft >= 0 && b_.selTop >= 0) sx = b_.selLeft - p_.originX, sy = b_.selTop - p_.originY;
    for (auto& t : p_.texts) t.x += sx, t.y += sy;
    MoveStaged(sx, sy);
  }

  void MoveStaged(int dx, int dy) {
    for (auto& n : p_.nodes) n.node.x += dx, n.node.y += dy;
    for (auto& n : p_.neurons) n.neuron.x += dx, n.neuron.y += dy;
    for (auto& s : p_.segs) s.seg.x += dx, s.seg.y += dy;
    for (auto& s : p_.snoopers) s.snooper.x += dx, s.snooper.y += dy;
  }

  void DecideChannels() {
    std::set<std::pair<bool, int>> claimed;
    fates_.assign(p_.nodes.size(), Fate{});
    for (size_t i = 0; i < p_.nodes.size(); ++i) {
      Node& n = p_.nodes[i].node;
      if (!KnownNodeType(n.type)) n.type = PlainNode;
      const bool input = IsInputChannelType(n.type);
      if (!input && !IsOutputChannelType(n.type)) continue;
      const int ch = n.data;
      // A second node of one channel in the same block stays a plain node.
      if (ch < 0 || ch >= ChannelCount || !claimed.insert({input, ch}).second) {
        MakePlain(n);
        continue;
      }
      const IOBinding& bind = (input ? b_.inputBindings : b_.outputBindings)[ch];
      Fate& f = fates_[i];
      if (!b_.nodes.live(bind.node)) {
        f.channel = ch, f.input = input;
      } else if (!b_.HasConnections(b_.nodes[bind.node])) {
        f.channel = ch, f.input = input, f.replaces = bind.node;
        b_.nodes[bind.node].selected = true;  // out of the way while the place is searched
      } else {
        MakePlain(n);
      }
    }
  }

  static void MakePlain(Node& n) {
    n.type = PlainNode;
    n.data = -1;
    n.picture = 0;
  }

  GroupShape Shape() const {
    GroupShape shape;
    for (const auto& n : p_.nodes) shape.blocks.push_back({n.node.x, n.node.y, false});
    for (const auto& n : p_.neurons) shape.blocks.push_back({n.neuron.x, n.neuron.y, true});
    for (const auto& s : p_.segs) shape.cells.push_back({s.seg.x, s.seg.y});
    for (const auto& s : p_.snoopers) shape.cells.push_back({s.snooper.x, s.snooper.y});
    return shape;
  }

  void Allocate() {
    for (const auto& n : p_.neurons) {
      const int i = b_.neurons.Allocate();
      b_.neurons[i] = n.neuron;
      b_.neurons[i].selected = false;
      b_.neurons[i].lastThresholdChange = 0;
      for (Synapse& s : b_.neurons[i].slots) s.lastWeightChange = 0;
      neuronMap_[n.oldIndex] = i;
      newNeurons_.push_back(i);
    }
    for (const auto& n : p_.nodes) {
      const int i = b_.nodes.Allocate();
      b_.nodes[i] = n.node;
      b_.nodes[i].selected = false;
      nodeMap_[n.oldIndex] = i;
      newNodes_.push_back(i);
    }
    for (const auto& s : p_.segs) {
      const int i = b_.lineSegs.Allocate();
      b_.lineSegs[i] = s.seg;
      b_.lineSegs[i].selected = false;
      segMap_[s.oldIndex] = i;
      newSegs_.push_back(i);
    }
    for (const auto& s : p_.snoopers) {
      const int i = b_.snoopers.Allocate();
      b_.snoopers[i] = s.snooper;
      b_.snoopers[i].selected = false;
      newSnoopers_.push_back(i);
    }
  }

  void BindChannels() {
    for (size_t k = 0; k < fates_.size(); ++k) {
      const Fate& f = fates_[k];
      if (f.channel < 0) continue;
      IOBinding& bind = (f.input ? b_.inputBindings : b_.outputBindings)[f.channel];
      bool bound = false;
      if (f.replaces >= 0) {
        b_.nodes[f.replaces].selected = false;
        bound = bind.bound;
        b_.DeleteNode(f.replaces, true);
      }
      Node& n = b_.nodes[newNodes_[k]];
      n.data = f.channel;
      n.multi = f.input ? IsMultiInputChannel(f.channel) : IsMultiOutputChannel(f.channel);
      if (bound) {
        n.type = f.input ? InputNode : OutputNode;
        n.picture = bind.picture;
      } else {
        n.type = f.input ? EmptyInputNode : EmptyOutputNode;
        n.picture = f.input ? EmptyInputPicture : EmptyOutputPicture;
      }
      bind.node = newNodes_[k];
      bind.bound = bound;
    }
  }

  void LoadFileNodes() {
    for (size_t k = 0; k < newNodes_.size(); ++k) {
      const int i = newNodes_[k];
      Node& n = b_.nodes[i];
      if (n.type == KeyInputNode && (n.data < 0 || n.data % 1000 > 200 || n.data / 1000 > 200))
        n.data = TBrainBoard::PackKeyValues(100, 0);
      if (n.type != FileInputNode) continue;
      const PastedBlock::PNode& src = p_.nodes[k];
      if (!src.fileName.empty() && b_.LoadFileColumn(i, src.fileName, false, src.fileColumn)) continue;
      if (!src.fileName.empty() && n.data >= 0 && n.data < static_cast<int>(b_.fileColumns.size()))
        b_.fileColumns[n.data] = FileColumn{};
      MakePlain(b_.nodes[i]);
    }
  }

  int MapElement(int kind, int old) const {
    if (kind == OtherNeuron) return Lookup(neuronMap_, old);
    if (kind == OtherNode) return Lookup(nodeMap_, old);
    return -1;
  }

  void MapLinks() {
    for (int i : newNeurons_)
      for (Synapse& s : b_.neurons[i].slots) {
        const int other = MapElement(s.otherKind, s.otherIndex);
        if (s.kind == SlotEmpty || s.kind == SlotDrawing || other < 0) {
          s = Synapse{};
          continue;
        }
        s.otherIndex = other;
        s.lineSeg = Lookup(segMap_, s.lineSeg);
      }
    for (int i : newNodes_) {
      Node& n = b_.nodes[i];
      for (int s = 0; s < SlotCount; ++s) {
        const int other = MapElement(n.otherKind[s], n.otherIndex[s]);
        if (n.slotKind[s] == SlotEmpty || n.slotKind[s] == SlotDrawing || other < 0) {
          EmptyNodeSlot(n, s);
          continue;
        }
        n.otherIndex[s] = other;
        n.lineSeg[s] = Lookup(segMap_, n.lineSeg[s]);
      }
    }
    for (int i : newSegs_) {
      LineSeg& l = b_.lineSegs[i];
      l.srcIndex = MapElement(l.srcKind, l.srcIndex);
      if (l.srcIndex < 0) l.srcKind = OtherNone;
      l.prev = Lookup(segMap_, l.prev);
      l.next = Lookup(segMap_, l.next);
    }
  }

  // Both ends of a link that does not pair up properly go.
  void CheckLinks() {
    std::vector<std::pair<int, int>> badNeuron, badNode;
    for (int i : newNeurons_)
      for (int s = 0; s < SlotCount; ++s)
        if (!SlotSound(b_, OtherNeuron, i, s)) badNeuron.push_back({i, s});
    for (int i : newNodes_)
      for (int s = 0; s < SlotCount; ++s)
        if (!SlotSound(b_, OtherNode, i, s)) badNode.push_back({i, s});
    for (auto [i, s] : badNeuron) b_.neurons[i].slots[s] = Synapse{};
    for (auto [i, s] : badNode) EmptyNodeSlot(b_.nodes[i], s);
  }

  // Segment chains agree both ways and hold no ring; a slot names only a route end that
  // belongs to its own connection.
  void CheckRoutes() {
    auto& segs = b_.lineSegs;
    for (int i : newSegs_) {
      LineSeg& l = segs[i];
      if (l.next >= 0 && segs[l.next].prev != i) l.next = -1;
      if (l.prev >= 0 && segs[l.prev].next != i) l.prev = -1;
    }
    std::set<int> seen;
    auto walk = [&](int s) {
      for (; s >= 0 && seen.insert(s).second; s = segs[s].next) {
      }
    };
    for (int i : newSegs_)
      if (segs[i].prev < 0) walk(i);
    for (int i : newSegs_)
      if (!seen.count(i)) {
        segs[segs[i].prev].next = -1;
        segs[i].prev = -1;
        walk(i);
      }
    auto owns = [&](int seg, int kind, int index, int slot, bool first) {
      if (!segs.live(seg)) return false;
      const LineSeg& l = segs[seg];
      return l.srcKind == kind && l.srcIndex == index && l.srcSlot == slot && (first ? l.prev : l.next) == -1;
    };
    for (int i : newNeurons_)
      for (Synapse& s : b_.neurons[i].slots) {
        if (s.kind == SlotEmpty) continue;
        const bool out = s.kind == SlotOutput;
        const int slot = static_cast<int>(&s - b_.neurons[i].slots);
        if (out ? !owns(s.lineSeg, OtherNeuron, i, slot, true)
                : !owns(s.lineSeg, s.otherKind, s.otherIndex, s.otherSlot, false))
          s.lineSeg = -1;
      }
    for (int i : newNodes_) {
      Node& n = b_.nodes[i];
      for (int s = 0; s < SlotCount; ++s) {
        if (n.slotKind[s] == SlotEmpty) continue;
        const bool out = n.slotKind[s] == SlotOutput;
        if (out ? !owns(n.lineSeg[s], OtherNode, i, s, true)
                : !owns(n.lineSeg[s], n.otherKind[s], n.otherIndex[s], n.otherSlot[s], false))
          n.lineSeg[s] = -1;
      }
    }
  }

  void Draw() {
    for (int i : newNodes_) b_.DrawNode(i);
    for (int i : newNeurons_) b_.DrawNeuron(i);
    for (int i : newSegs_) b_.DrawLineSeg(i);
    for (int i : newSnoopers_) b_.DrawSnooper(i);
  }

  void PutTexts() {
    for (const auto& t : p_.texts) {
      if (t.x < 1 || t.y < 1 || t.x > b_.columns() - 2 || t.y > b_.rows() - 2 || t.packed == 0) continue;
      SetCellText(b_, t.x, t.y, t.packed);
    }
  }

  TBrainBoard& b_;
  PastedBlock& p_;
  std::vector<Fate> fates_;
  std::map<int, int> neuronMap_, nodeMap_, segMap_;
  std::vector<int> newNeurons_, newNodes_, newSegs_, newSnoopers_;
};

}  // namespace

bool PlacePastedBlock(TBrainBoard& board, PastedBlock& block) { return Placer(board, block).Run(); }
