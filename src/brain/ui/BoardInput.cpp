#include "brain/ui/BoardInput.h"

#include <algorithm>
#include <cstdio>

namespace {
template <class... A>
std::string Format(const char* f, A... a) {
  char text[160];
  std::snprintf(text, sizeof text, f, a...);
  return text;
}
}  // namespace

bool BoardInput::InRectangle(int x, int y) const {
  const TBrainBoard& b = board();
  if (!b.HasSelection() || b.selLeft < 0 || b.selTop < 0) return false;
  return x >= std::min(b.selLeft, b.selRight) && x <= std::max(b.selLeft, b.selRight) &&
         y >= std::min(b.selTop, b.selBottom) && y <= std::max(b.selTop, b.selBottom);
}

void BoardInput::MouseDown(int px, int py, bool right) {
  TBrainBoard& b = board();
  b.MarkTouched();
  int x, y;
  if (!draw_.CellAt(px, py, x, y)) return;
  mouseX_ = x, mouseY_ = y;
  const GridCell* cell = b.Cell(x, y);
  int q = cell->first;
  for (int guard = b.pics.used(); q >= 0 && guard > 0; --guard, q = b.pics[q].next) {
    const BoardPic& bp = b.pics[q];
    if (bp.kind != PicNeuron && bp.kind != PicNode && bp.kind != PicSnooper) continue;
    if (!right) return;  // moving and wiring elements belong to the editing core
    if (bp.kind == PicNeuron && b.neurons.live(bp.key)) {
      const Neuron& n = b.neurons[bp.key];
      const int slot = DirectionOf(x - n.x, y - n.y);
      if (slot < 0) {
        if (requests_.openNeurons) requests_.openNeurons({bp.key});
      } else if (IsInputSlot(n.slots[slot].kind)) {
        if (requests_.openSynapses) requests_.openSynapses({{bp.key, slot}});
      }
    } else if (bp.kind == PicNode && b.nodes.live(bp.key)) {
      if (requests_.openNode) requests_.openNode(bp.key);
    } else if (bp.kind == PicSnooper && b.snoopers.live(bp.key)) {
      if (requests_.openSnooper) requests_.openSnooper(bp.key);
    }
    return;
  }
  if (right) {
    if (!InRectangle(x, y)) {
      for (int cy = std::min(b.selTop, b.selBottom); b.selLeft >= 0 && cy <= std::max(b.selTop, b.selBottom); ++cy)
        for (int cx = std::min(b.selLeft, b.selRight); cx <= std::max(b.selLeft, b.selRight); ++cx) b.MarkDirty(cx, cy);
      b.selLeft = b.selTop = b.selRight = b.selBottom = -1;
    }
    if (requests_.openMenu) requests_.openMenu();
    return;
  }
  MouseMove(px, py, false);  // marks the old rectangle dirty
  b.selLeft = b.selTop = b.selRight = b.selBottom = -1;
  draw_.MarkVisibleDirty();
  if (x > 0 && y > 0 && x < b.columns() - 1 && y < b.rows() - 1) {
    b.selLeft = b.selRight = x, b.selTop = b.selBottom = y;
    dragging_ = true;
  }
}

void BoardInput::MouseMove(int px, int py, bool leftHeld) {
  int x, y;
  if (!draw_.CellAt(px, py, x, y)) return;
  mouseX_ = x, mouseY_ = y;
  TBrainBoard& b = board();
  if (!dragging_ || !leftHeld) return;
  x = std::max(b.selLeft, std::min(x, b.columns() - 2));
  y = std::max(b.selTop, std::min(y, b.rows() - 2));
  if (x == b.selRight && y == b.selBottom) return;
  b.selRight = x, b.selBottom = y;
  draw_.MarkVisibleDirty();
}

void BoardInput::MouseUp(int, int, bool right) {
  TBrainBoard& b = board();
  if (right || !dragging_) return;
  dragging_ = false;
  if (b.selLeft == b.selRight || b.selTop == b.selBottom) {
    b.selLeft = b.selTop = b.selRight = b.selBottom = -1;
    draw_.MarkVisibleDirty();
  }
}

void BoardInput::Key(int, bool) {}

std::vector<int> BoardInput::NeuronsInRectangle() const {
  std::vector<int> found;
  for (int i = 0; i < board().neurons.used(); ++i)
    if (board().neurons.live(i) && InRectangle(board().neurons[i].x, board().neurons[i].y)) found.push_back(i);
  return found;
}

std::vector<BoardMenuItem> BoardInput::Menu() const {
  const TBrainBoard& b = board();
  const bool rect = b.HasSelection();
  bool learners = false;
  for (int i = 0; i < b.neurons.used() && !learners; ++i) {
    if (!b.neurons[i].inUse) continue;
    learners = b.neurons[i].learn;
    for (const Synapse& s : b.neurons[i].slots) learners = learners || s.learn;
  }
  auto item = [](const char* caption, bool enabled = true, bool visible = true, bool checked = false) {
    BoardMenuItem m;
    m.caption = caption, m.enabled = enabled, m.visible = visible, m.checked = checked;
    return m;
  };
  // Copy and paste wait for the clipboard part of the editing core.
  return {item("Copy", false),        item("Cut", false),           item("Paste", false),
          item("-"),                  item("Copy to lib", false),   item("Paste from lib", false),
          item("-"),                  item("Delete", rect),         item("-"),
          item("Neurons...", rect),   item("Synapses...", rect),    item("-"),
          item("Learn", true, learners, b.learning), item("Randomize", true, learners),
          item("-", true, learners),  item("Properties...")};
}

void BoardInput::DeleteRectangle() {
  TBrainBoard& b = board();
  for (int i : NeuronsInRectangle()) b.DeleteNeuron(i);
  for (int i = 0; i < b.nodes.used(); ++i)
    if (b.nodes.live(i) && InRectangle(b.nodes[i].x, b.nodes[i].y)) b.DeleteNode(i, false);
  for (int i = 0; i < b.snoopers.used(); ++i)
    if (b.snoopers.live(i) && InRectangle(b.snoopers[i].x, b.snoopers[i].y)) b.DeleteSnooper(i);
  b.selLeft = b.selTop = b.selRight = b.selBottom = -1;
  draw_.MarkVisibleDirty();
}

void BoardInput::MenuChoose(const std::string& caption) {
  TBrainBoard& b = board();
  if (caption == "Delete") {
    DeleteRectangle();
  } else if (caption == "Neurons...") {
    const auto found = NeuronsInRectangle();
    if (found.empty()) b.Message("No neurons selected", "Neuron properties");
    else if (requests_.openNeurons) requests_.openNeurons(found);
  } else if (caption == "Synapses...") {
    std::vector<SynapseRef> found;
    for (int i : NeuronsInRectangle())
      for (int s = 0; s < SlotCount; ++s)
        if (IsInputSlot(b.neurons[i].slots[s].kind)) found.push_back({i, s});
    if (found.empty()) b.Message("No synapses selected", "Synapse properties");
    else if (requests_.openSynapses) requests_.openSynapses(found);
  } else if (caption == "Learn") {
    b.ToggleLearning();
  } else if (caption == "Randomize") {
    b.RandomizeLearners();
  } else if (caption == "Properties...") {
    if (requests_.openSettings) requests_.openSettings();
  }
}

BoardStatus BoardInput::Status() const {
  const TBrainBoard& b = board();
  const GridCell* cell = b.Cell(mouseX_, mouseY_);
  if (!cell) return {};
  int line = -1;
  for (int q = cell->first, guard = b.pics.used(); q >= 0 && guard > 0; --guard, q = b.pics[q].next) {
    const BoardPic& bp = b.pics[q];
    if (bp.kind == PicNeuron && b.neurons.live(bp.key)) {
      const Neuron& n = b.neurons[bp.key];
      const int slot = DirectionOf(mouseX_ - n.x, mouseY_ - n.y);
      if (slot >= 0 && IsInputSlot(n.slots[slot].kind)) {
        const Synapse& s = n.slots[slot];
        const float source = s.otherKind == OtherNeuron && b.neurons.live(s.otherIndex) ? b.neurons[s.otherIndex].state : 0;
        return {Format("Synapse: state %6.2f, weight %6.2f, decay %6.2f", source, s.state, s.decay), "",
                s.learn ? "L" : ""};
      }
      return {Format("Neuron %d: state %6.2f, threshold %6.2f", bp.key, n.state, n.threshold), NeuronTypeName(n.type),
              n.learn ? "L" : ""};
    }
    if (bp.kind == PicNode && b.nodes.live(bp.key)) {
      const Node& n = b.nodes[bp.key];
      const int dir = DirectionOf(mouseX_ - n.x, mouseY_ - n.y);
      const float v = n.value[n.multi && dir >= 0 ? dir : 0];
      std::string text;
      const IOBinding* io = n.data >= 0 && n.data < ChannelCount ? (n.type == InputNode ? &b.inputBindings[n.data]
                                                                                       : &b.outputBindings[n.data])
                                                                 : nullptr;
      switch (n.type) {
        case InputNode: text = Format("Input Node (%s): state %6.2f", io && io->name ? io->name : "", v); break;
        case OutputNode: text = Format("Output Node (%s): state %6.2f", io && io->name ? io->name : "", v); break;
        case EmptyInputNode: text = Format("Input Node (Empty): state %6.2f", v); break;
        case EmptyOutputNode: text = Format("Output Node (Empty): state %6.2f", v); break;
        case KeyInputNode: text = Format("Key Input (%c): state %6.2f", static_cast<char>(n.picture), v); break;
        case FileInputNode:
          text = n.data >= 0 && n.data < static_cast<int>(b.fileColumns.size())
                     ? Format("File Input (%s, %d): state %6.2f", b.fileColumns[n.data].fileName.c_str(),
                              b.fileColumns[n.data].column, v)
                     : Format("File Input (invalid): state %6.2f", v);
          break;
        default: text = Format("Node %d: state %6.2f", bp.key, v); break;
      }
      return {text, n.multi ? "Multi" : "", ""};
    }
    if (bp.kind == PicLineSeg && line < 0 && b.lineSegs.live(bp.key)) line = bp.key;
  }
  if (line < 0) return {};
  const LineSeg& l = b.lineSegs[line];
  int targetKind = OtherNone, target = -1;
  if (l.srcKind == OtherNeuron && b.neurons.live(l.srcIndex) && l.srcSlot >= 0 && l.srcSlot < SlotCount)
    targetKind = b.neurons[l.srcIndex].slots[l.srcSlot].otherKind, target = b.neurons[l.srcIndex].slots[l.srcSlot].otherIndex;
  else if (l.srcKind == OtherNode && b.nodes.live(l.srcIndex) && l.srcSlot >= 0 && l.srcSlot < SlotCount)
    targetKind = b.nodes[l.srcIndex].otherKind[l.srcSlot], target = b.nodes[l.srcIndex].otherIndex[l.srcSlot];
  return {Format("Line from %s %d to %s %d", l.srcKind == OtherNode ? "node" : "neuron", l.srcIndex,
                 targetKind == OtherNode ? "node" : "neuron", target),
          "", ""};
}
