// The board's elements: creation, placement, connections, deletion and clearing.
#include "brain/Brainboard.h"

#include <cstdlib>

const char* NeuronTypeName(int type) {
  switch (type) {
    case StepNeuron: return "Step";
    case SigmoidNeuron: return "Sigmoid";
    case LinearNeuron: return "Linear";
    case ErrorNeuron: return "Error";
    default: return "";
  }
}

TBrainBoard::TBrainBoard(const Host& host, uint32_t seed, bool hidden)
    : random(seed), host_(host), hidden_(hidden) {
  kind = hidden ? HiddenBoard : ShownBoard;
  SetSize(DefaultColumns, DefaultRows);
  ResetBindings();
}

void TBrainBoard::ResetBindings() {
  for (int ch = 0; ch < ChannelCount; ++ch) {
    inputBindings[ch] = IOBinding{false, InputChannelPicture(ch), InputChannelName(ch), -1};
    outputBindings[ch] = IOBinding{false, OutputChannelPicture(ch), OutputChannelName(ch), -1};
  }
}

int TBrainBoard::visibleColumns() const {
  const int v = cellSize > 0 ? widthPixels / cellSize : 0;
  return v < columns_ - 1 ? v : columns_ - 1;
}

// ---- placement ------------------------------------------------------------------

bool TBrainBoard::Fits(int x, int y, bool isNeuron, int selfKind, int selfIndex) const {
  if (x < 2 || x > columns_ - 3 || y < 2 || y > rows_ - 3) return false;
  const int neuronGap = isNeuron ? 4 : 3;
  for (int i = 0; i < neurons.used(); ++i) {
    const Neuron& n = neurons[i];
    if (!n.inUse || n.selected || (selfKind == OtherNeuron && selfIndex == i)) continue;
    if (std::abs(n.x - x) < neuronGap && std::abs(n.y - y) < neuronGap) return false;
  }
  for (int i = 0; i < nodes.used(); ++i) {
    const Node& n = nodes[i];
    if (!n.inUse || n.selected || (selfKind == OtherNode && selfIndex == i)) continue;
    if (std::abs(n.x - x) < 3 && std::abs(n.y - y) < 3) return false;
  }
  return true;
}

int TBrainBoard::PlaceBySquareSearch(int x, int y, bool isNeuron, int selfKind, int selfIndex, int& outX,
                                     int& outY) const {
  if (Fits(x, y, isNeuron, selfKind, selfIndex)) {
    outX = x, outY = y;
    return true;
  }
  for (int r = 1; r < columns_; ++r)
    for (int dx = r; dx >= -r; --dx)
      for (int dy = r; dy >= -r; --dy)
        if ((std::abs(dx) == r || std::abs(dy) == r) && Fits(x + dx, y + dy, isNeuron, selfKind, selfIndex)) {
          outX = x + dx, outY = y + dy;
          return true;
        }
  return false;
}

int TBrainBoard::AddNeuron(int x, int y) {
  int px, py;
  if (!PlaceBySquareSearch(x, y, true, OtherNone, -1, px, py)) return -1;
  const int i = neurons.Allocate();
  Neuron& n = neurons[i];
  n.x = px, n.y = py;
  n.threshold = defaultThreshold;
  n.type = defaultType;
  n.gain = defaultGain;
  n.learn = defaultLearn;
  DrawNeuron(i);
  return i;
}

int TBrainBoard::AddNode(int x, int y) {
  int px, py;
  if (!PlaceBySquareSearch(x, y, false, OtherNone, -1, px, py)) return -1;
  const int i = nodes.Allocate();
  Node& n = nodes[i];
  n.x = px, n.y = py;
  DrawNode(i);
  return i;
}

int TBrainBoard::AddSnooper(int x, int y) {
  if (x < 1 || y < 1 || x > columns_ - 2 || y > rows_ - 2) return -1;
  const int i = snoopers.Allocate();
  Snooper& s = snoopers[i];
  s.x = x, s.y = y;
  s.monitor = true;
  s.mode = SnoopTop;
  s.tile = 191;
  s.lastValue = -200;
  s.thresholds[0] = -100;
  for (int b = 0; b < 8; ++b) {
    if (b > 0) s.thresholds[b] = 200;
    s.colours[b] = 191;
  }
  DrawSnooper(i);
  return i;
}

// ---- connections ----------------------------------------------------------------

bool TBrainBoard::HasConnections(const Node& n) const {
  for (int k : n.slotKind)
    if (k != SlotEmpty) return true;
  return false;
}

namespace {
bool IsSlot(int s) { return s >= 0 && s < SlotCount; }
}  // namespace

bool TBrainBoard::ConnectToNeuron(int srcKind, int src, int srcSlot, int neuron, int slot, float weight) {
  if (!IsSlot(srcSlot) || !IsSlot(slot) || !neurons.live(neuron) || !(weight >= -100 && weight <= 100)) return false;
  if (neurons[neuron].slots[slot].kind != SlotEmpty) return false;
  if (srcKind == OtherNeuron) {
    if (!neurons.live(src) || (src == neuron && srcSlot == slot)) return false;
    const int k = neurons[src].slots[srcSlot].kind;
    if (k != SlotEmpty && k != SlotDrawing) return false;
  } else if (srcKind == OtherNode) {
    if (!nodes.live(src)) return false;
    const int k = nodes[src].slotKind[srcSlot];
    if (k != SlotEmpty && k != SlotDrawing) return false;
  } else {
    return false;
  }
  EraseNeuron(neuron);
  if (srcKind == OtherNeuron && src != neuron) EraseNeuron(src);
  Neuron& t = neurons[neuron];
  Synapse& in = t.slots[slot];
  in = Synapse{};
  in.kind = weight >= 0 ? SlotExcitatory : SlotInhibitory;
  in.weight = in.state = weight;
  in.otherKind = srcKind, in.otherIndex = src, in.otherSlot = srcSlot;
  in.learn = t.learn;
  if (srcKind == OtherNeuron) {
    Synapse& out = neurons[src].slots[srcSlot];
    out.kind = SlotOutput, out.otherKind = OtherNeuron, out.otherIndex = neuron, out.otherSlot = slot;
    if (src != neuron) DrawNeuron(src);
  } else {
    Node& n = nodes[src];
    n.slotKind[srcSlot] = SlotOutput, n.otherKind[srcSlot] = OtherNeuron;
    n.otherIndex[srcSlot] = neuron, n.otherSlot[srcSlot] = slot;
  }
  DrawNeuron(neuron);
  return true;
}

bool TBrainBoard::ConnectToNode(int srcKind, int src, int srcSlot, int node, int nodeSlot) {
  if (!IsSlot(srcSlot) || !IsSlot(nodeSlot) || !nodes.live(node)) return false;
  Node& target = nodes[node];
  const int t = target.type;
  if (t == InputNode || t == FileInputNode || t == KeyInputNode || t == EmptyInputNode) return false;
  if (target.slotKind[nodeSlot] != SlotEmpty) return false;
  if (!target.multi)  // a single-channel node accepts one incoming wire
    for (int k : target.slotKind)
      if (k == SlotWireEnd) return false;
  if (srcKind == OtherNeuron) {
    if (!neurons.live(src)) return false;
    const int k = neurons[src].slots[srcSlot].kind;
    if (k != SlotEmpty && k != SlotDrawing) return false;
    EraseNeuron(src);
    Synapse& out = neurons[src].slots[srcSlot];
    out.kind = SlotOutput, out.otherKind = OtherNode, out.otherIndex = node, out.otherSlot = nodeSlot;
    DrawNeuron(src);
  } else if (srcKind == OtherNode) {
    if (!nodes.live(src) || src == node) return false;
    Node& n = nodes[src];
    if (n.slotKind[srcSlot] != SlotEmpty && n.slotKind[srcSlot] != SlotDrawing) return false;
    n.slotKind[srcSlot] = SlotOutput, n.otherKind[srcSlot] = OtherNode;
    n.otherIndex[srcSlot] = node, n.otherSlot[srcSlot] = nodeSlot;
  } else {
    return false;
  }
  Node& tn = nodes[node];
  tn.slotKind[nodeSlot] = SlotWireEnd, tn.otherKind[nodeSlot] = srcKind;
  tn.otherIndex[nodeSlot] = src, tn.otherSlot[nodeSlot] = srcSlot;
  return true;
}

int TBrainBoard::AddLineSeg(int x, int y, int dirIn, int dirOut, int prev, int srcKind, int srcIndex, int srcSlot) {
  const int s = lineSegs.Allocate();
  LineSeg& l = lineSegs[s];
  l.x = x, l.y = y, l.dirIn = dirIn, l.dirOut = dirOut;
  l.srcKind = srcKind, l.srcIndex = srcIndex, l.srcSlot = srcSlot;
  if (lineSegs.live(prev)) {
    l.prev = prev;
    lineSegs[prev].next = s;
  }
  return s;
}

void TBrainBoard::DeleteRoute(int seg, bool fromStart) {
  if (!lineSegs.live(seg)) return;
  // The route from its first segment, however it was reached.
  int first = seg;
  if (!fromStart)
    for (int guard = lineSegs.used(); guard > 0 && lineSegs.live(lineSegs[first].prev); --guard)
      first = lineSegs[first].prev;
  int count = 0;
  for (int s = first, guard = lineSegs.used(); lineSegs.live(s) && guard > 0; s = lineSegs[s].next, --guard) {
    EraseLineSeg(s);
    ++count;
  }
  for (int s = first; count > 0 && lineSegs.live(s); --count) {
    const int next = lineSegs[s].next;
    lineSegs.Free(s);
    s = next;
  }
}

void TBrainBoard::Disconnect(int elemKind, int index, int slot) {
  if (!IsSlot(slot)) return;
  int kind, otherKind, other, otherSlot, seg;
  if (elemKind == OtherNeuron && neurons.live(index)) {
    const Synapse& s = neurons[index].slots[slot];
    kind = s.kind, otherKind = s.otherKind, other = s.otherIndex, otherSlot = s.otherSlot, seg = s.lineSeg;
  } else if (elemKind == OtherNode && nodes.live(index)) {
    const Node& n = nodes[index];
    kind = n.slotKind[slot], otherKind = n.otherKind[slot], other = n.otherIndex[slot];
    otherSlot = n.otherSlot[slot], seg = n.lineSeg[slot];
  } else {
    return;
  }
  if (kind == SlotEmpty) return;
  DeleteRoute(seg, kind == SlotOutput || kind == SlotDrawing);
  const bool partner = kind != SlotDrawing && IsSlot(otherSlot);
  const bool partnerNeuron = partner && otherKind == OtherNeuron && neurons.live(other);
  if (elemKind == OtherNeuron) EraseNeuron(index);
  if (partnerNeuron && !(elemKind == OtherNeuron && other == index)) EraseNeuron(other);
  if (partnerNeuron) {
    neurons[other].slots[otherSlot] = Synapse{};
  } else if (partner && otherKind == OtherNode && nodes.live(other)) {
    Node& n = nodes[other];
    n.slotKind[otherSlot] = SlotEmpty, n.otherKind[otherSlot] = OtherNone;
    n.otherIndex[otherSlot] = n.otherSlot[otherSlot] = n.lineSeg[otherSlot] = -1;
  }
  if (elemKind == OtherNeuron) {
    neurons[index].slots[slot] = Synapse{};
    DrawNeuron(index);
  } else {
    Node& n = nodes[index];
    n.slotKind[slot] = SlotEmpty, n.otherKind[slot] = OtherNone;
    n.otherIndex[slot] = n.otherSlot[slot] = n.lineSeg[slot] = -1;
  }
  if (partnerNeuron && !(elemKind == OtherNeuron && other == index)) DrawNeuron(other);
}

// ---- deleting and clearing ------------------------------------------------------

void TBrainBoard::DeleteNeuron(int i) {
  if (!neurons.live(i)) return;
  for (int s = 0; s < SlotCount; ++s) Disconnect(OtherNeuron, i, s);
  EraseNeuron(i);
  neurons.Free(i);
}

void TBrainBoard::FreeFileColumn(int index) {
  if (index >= 0 && index < static_cast<int>(fileColumns.size())) fileColumns[index] = FileColumn{};
}

void TBrainBoard::DeleteNode(int i, bool force) {
  if (!nodes.live(i)) return;
  Node& n = nodes[i];
  if (!force && (n.type == InputNode || n.type == OutputNode)) return;
  if (n.type == EmptyInputNode || n.type == EmptyOutputNode) {
    if (n.data < 0 || n.data >= ChannelCount) {
      Message("Attempt to delete bad node", "Delete Node Error");
    } else {
      IOBinding& b = (n.type == EmptyInputNode ? inputBindings : outputBindings)[n.data];
      b.bound = false;
      b.node = -1;
    }
  }
  for (int s = 0; s < SlotCount; ++s) Disconnect(OtherNode, i, s);
  if (nodes[i].type == FileInputNode) FreeFileColumn(nodes[i].data);
  EraseNode(i);
  nodes.Free(i);
  for (int ch = 0; ch < ChannelCount; ++ch) {
    if (inputBindings[ch].node == i) inputBindings[ch].node = -1, inputBindings[ch].bound = false;
    if (outputBindings[ch].node == i) outputBindings[ch].node = -1, outputBindings[ch].bound = false;
  }
}

void TBrainBoard::DeleteSnooper(int i) {
  if (!snoopers.live(i)) return;
  EraseSnooper(i);
  snoopers.Free(i);
}

void TBrainBoard::Clear(bool everything) {
  learning = false;
  fileColumns.clear();
  neurons.Reset();
  snoopers.Reset();
  lineSegs.Reset();
  pics.Reset();
  for (GridCell& c : cells_) c = GridCell{-1, true};
  selLeft = selTop = selRight = selBottom = -1;
  if (everything) {
    nodes.Reset();
    ResetBindings();
    return;
  }
  // Keep the nodes of bound channels, without their wires.
  std::vector<bool> keep(nodes.used(), false);
  for (int ch = 0; ch < ChannelCount; ++ch) {
    for (const IOBinding* b : {&inputBindings[ch], &outputBindings[ch]})
      if (b->bound && nodes.live(b->node)) keep[b->node] = true;
  }
  for (int i = nodes.used() - 1; i >= 0; --i) {
    if (!nodes[i].inUse) continue;
    if (!keep[i]) {
      nodes.Free(i);
      continue;
    }
    Node& n = nodes[i];
    for (int s = 0; s < SlotCount; ++s) {
      n.slotKind[s] = SlotEmpty, n.otherKind[s] = OtherNone;
      n.otherIndex[s] = n.otherSlot[s] = n.lineSeg[s] = -1;
    }
  }
  for (int ch = 0; ch < ChannelCount; ++ch) {
    if (!nodes.live(inputBindings[ch].node)) inputBindings[ch].node = -1;
    if (!nodes.live(outputBindings[ch].node)) outputBindings[ch].node = -1;
  }
  LineUpChannelNodes();
}

void TBrainBoard::LineUpChannelNodes() {
  const int columnsFor[2] = {3, visibleColumns() - 5};
  for (int side = 0; side < 2; ++side) {
    int row = 4;
    for (int ch = 0; ch < ChannelCount; ++ch) {
      const IOBinding& b = side == 0 ? inputBindings[ch] : outputBindings[ch];
      if (!b.bound || !nodes.live(b.node)) continue;
      Node& n = nodes[b.node];
      n.x = columnsFor[side];
      n.y = row;
      DrawNode(b.node);
      if (row + 3 <= rows_ - 3) row += 3;
    }
  }
}
