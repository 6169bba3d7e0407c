// Status texts, formatted as printf does.
#include "brain/StatusTexts.h"

#include <cstdarg>
#include <cstdio>

namespace {

std::string Format(const char* format, ...) {
  char buf[256];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buf, sizeof buf, format, args);
  va_end(args);
  return buf;
}

// The first neuron or node picture of the cell, else its first line segment picture.
bool ElementUnder(const TBrainBoard& board, int x, int y, BoardPic& found) {
  const GridCell* cell = board.Cell(x, y);
  if (!cell) return false;
  bool haveSeg = false;
  int q = cell->first;
  for (int guard = board.pics.used(); q >= 0 && guard > 0; --guard, q = board.pics[q].next) {
    const BoardPic& p = board.pics[q];
    if ((p.kind == PicNeuron && board.neurons.live(p.key)) || (p.kind == PicNode && board.nodes.live(p.key))) {
      found = p;
      return true;
    }
    if (!haveSeg && p.kind == PicLineSeg && board.lineSegs.live(p.key)) found = p, haveSeg = true;
  }
  return haveSeg;
}

double SourceValue(const TBrainBoard& board, int kind, int index, int slot) {
  if (kind == OtherNeuron && board.neurons.live(index)) return board.neurons[index].state;
  if (kind == OtherNode && board.nodes.live(index) && slot >= 0 && slot < SlotCount)
    return board.nodes[index].value[slot];
  return 0;
}

StatusText NeuronStatus(const TBrainBoard& board, int i, int x, int y) {
  const Neuron& n = board.neurons[i];
  const int dir = DirectionOf(x - n.x, y - n.y);
  if (dir >= 0 && IsInputSlot(n.slots[dir].kind)) {
    const Synapse& s = n.slots[dir];
    return {Format("Synapse: state %6.2f, weight %6.2f, decay %6.2f",
                   SourceValue(board, s.otherKind, s.otherIndex, s.otherSlot), static_cast<double>(s.state),
                   static_cast<double>(s.decay)),
            "", s.learn ? "L" : ""};
  }
  return {Format("Neuron %d: state %6.2f, threshold %6.2f", i, static_cast<double>(n.state),
                 static_cast<double>(n.threshold)),
          NeuronTypeName(n.type), n.learn ? "L" : ""};
}

std::string FileInputText(const TBrainBoard& board, const Node& n, double v) {
  const bool hasColumn = n.data >= 0 && n.data < static_cast<int>(board.fileColumns.size()) &&
                         board.fileColumns[n.data].inUse && board.fileColumns[n.data].rows > 0;
  if (!hasColumn) return Format("File Input (invalid): state %6.2f", v);
  const FileColumn& c = board.fileColumns[n.data];
  return Format("File Input (%s, %d): state %6.2f", c.fileName.c_str(), c.column, v);
}

StatusText NodeStatus(const TBrainBoard& board, int i, int x, int y) {
  const Node& n = board.nodes[i];
  const int dir = DirectionOf(x - n.x, y - n.y);
  const double v = n.value[n.multi && dir >= 0 ? dir : 0];
  const bool channel = n.data >= 0 && n.data < ChannelCount;
  std::string text;
  switch (n.type) {
    case InputNode:
      text = Format("Input Node (%s): state %6.2f", channel ? InputChannelName(n.data) : "", v);
      break;
    case OutputNode:
      text = Format("Output Node (%s): state %6.2f", channel ? OutputChannelName(n.data) : "", v);
      break;
    case EmptyInputNode: text = Format("Input Node (Empty): state %6.2f", v); break;
    case EmptyOutputNode: text = Format("Output Node (Empty): state %6.2f", v); break;
    case FileInputNode: text = FileInputText(board, n, v); break;
    case KeyInputNode: text = Format("Key Input (%c): state %6.2f", static_cast<char>(n.picture & 0xFF), v); break;
    default: text = Format("Node %d: state %6.2f", i, v); break;
  }
  return {text, n.multi ? "Multi" : "", ""};
}

StatusText LineStatus(const TBrainBoard& board, int seg) {
  const LineSeg& l = board.lineSegs[seg];
  int targetKind = OtherNone, target = -1;
  if (l.srcSlot >= 0 && l.srcSlot < SlotCount) {
    if (l.srcKind == OtherNeuron && board.neurons.live(l.srcIndex)) {
      const Synapse& s = board.neurons[l.srcIndex].slots[l.srcSlot];
      targetKind = s.otherKind, target = s.otherIndex;
    } else if (l.srcKind == OtherNode && board.nodes.live(l.srcIndex)) {
      targetKind = board.nodes[l.srcIndex].otherKind[l.srcSlot];
      target = board.nodes[l.srcIndex].otherIndex[l.srcSlot];
    }
  }
  const char* from = l.srcKind == OtherNode ? "node" : "neuron";
  const char* to = targetKind == OtherNode ? "node" : "neuron";
  return {Format("Line from %s %d to %s %d", from, l.srcIndex, to, target), "", ""};
}

}  // namespace

StatusText StatusAt(const TBrainBoard& board, int x, int y) {
  BoardPic p;
  if (!ElementUnder(board, x, y, p)) return {};
  if (p.kind == PicNeuron) return NeuronStatus(board, p.key, x, y);
  if (p.kind == PicNode) return NodeStatus(board, p.key, x, y);
  return LineStatus(board, p.key);
}
