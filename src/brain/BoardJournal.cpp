// The board's undo journal: snapshots of the edited state and the merge that keeps what
// the running network changed.
#include "brain/BoardJournal.h"

#include <algorithm>

#include "brain/BrainFileFormat.h"

BoardSnapshot::BoardSnapshot(const TBrainBoard& b)
    : neurons(b.neurons),
      nodes(b.nodes),
      snoopers(b.snoopers),
      lineSegs(b.lineSegs),
      pics(b.pics),
      fileColumns(b.fileColumns),
      columns(b.columns()),
      rows(b.rows()),
      selLeft(b.selLeft),
      selTop(b.selTop),
      selRight(b.selRight),
      selBottom(b.selBottom) {
  std::copy(std::begin(b.inputBindings), std::end(b.inputBindings), inputBindings);
  std::copy(std::begin(b.outputBindings), std::end(b.outputBindings), outputBindings);
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < columns; ++x)
      if (const int first = b.Cell(x, y)->first; first >= 0) cells.emplace_back(y * columns + x, first);
}

namespace {

// Bindings that disagree with what the body offers now (the body changed since).
bool ChannelsDisagree(const TBrainBoard& b) {
  for (int ch = 0; ch < ChannelCount; ++ch)
    if (b.inputAvailable[ch] != b.inputBindings[ch].bound || b.outputAvailable[ch] != b.outputBindings[ch].bound)
      return true;
  return false;
}

}  // namespace

void BoardSnapshot::Restore(TBrainBoard& b) const {
  if (b.columns() != columns || b.rows() != rows) b.SetSize(columns, rows);
  b.neurons = neurons;
  b.nodes = nodes;
  b.snoopers = snoopers;
  b.lineSegs = lineSegs;
  b.pics = pics;
  b.fileColumns = fileColumns;
  std::copy(std::begin(inputBindings), std::end(inputBindings), b.inputBindings);
  std::copy(std::begin(outputBindings), std::end(outputBindings), b.outputBindings);
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < columns; ++x) {
      GridCell* cell = b.Cell(x, y);
      cell->first = -1;
      b.MarkDirty(x, y);
    }
  for (const auto& [index, first] : cells) b.Cell(index % columns, index / columns)->first = first;
  b.selLeft = selLeft, b.selTop = selTop, b.selRight = selRight, b.selBottom = selBottom;
  b.draggingSelection = false;
  // A body that came or went since the snapshot keeps its channels.
  if (ChannelsDisagree(b)) b.SetIO(nullptr, nullptr);
}

std::vector<uint8_t> BoardSnapshot::Fingerprint() const {
  ByteWriter w;
  w.i32(columns);
  w.i32(rows);
  w.i32(neurons.used());
  for (int i = 0; i < neurons.used(); ++i) {
    Neuron n = neurons[i];
    n.state = n.input = n.error = n.lastThresholdChange = 0;
    n.shownState = 0;
    n.selected = false;
    for (Synapse& s : n.slots) s.state = s.lastWeightChange = 0;
    WriteRecord(w, n);
  }
  w.i32(nodes.used());
  for (int i = 0; i < nodes.used(); ++i) {
    Node n = nodes[i];
    // A node is held only while its dialog is open; its value is the node's output.
    if (n.type == HeldNode) n.type = PlainNode;
    std::fill(std::begin(n.next), std::end(n.next), 0.0f);
    std::fill(std::begin(n.value), std::end(n.value), 0.0f);
    n.shownState = 0;
    n.error = 0;
    n.selected = false;
    WriteRecord(w, n);
  }
  w.i32(snoopers.used());
  for (int i = 0; i < snoopers.used(); ++i) {
    Snooper s = snoopers[i];
    s.tile = s.lastValue = 0;
    s.selected = false;
    WriteRecord(w, s);
  }
  w.i32(lineSegs.used());
  for (int i = 0; i < lineSegs.used(); ++i) {
    LineSeg l = lineSegs[i];
    l.selected = false;
    WriteRecord(w, l);
  }
  w.i32(pics.used());
  for (int i = 0; i < pics.used(); ++i) {
    BoardPic p = pics[i];
    // Lit and dark tiles follow the records written above.
    if (p.kind == PicNeuron || p.kind == PicNode || p.kind == PicSnooper) p.picture = 0;
    if (p.kind == PicMovingText) p.kind = PicText;
    WriteRecord(w, p);
  }
  for (const auto& [index, first] : cells) {
    w.i32(index);
    w.i32(first);
  }
  for (const FileColumn& c : fileColumns) {
    w.u8(c.inUse);
    w.i32(c.column);
    w.text(c.fileName);
    w.u8(0);
    w.i32(static_cast<int32_t>(c.values.size()));
  }
  for (int ch = 0; ch < ChannelCount; ++ch) {
    w.u8(inputBindings[ch].bound);
    w.i32(inputBindings[ch].node);
    w.u8(outputBindings[ch].bound);
    w.i32(outputBindings[ch].node);
  }
  return std::move(w.data());
}

namespace {

// The value in `now` when it moved since `other`, else the target's own.
template <class T>
void Keep(T& target, const T& other, const T& now) {
  if (!(now == other)) target = now;
}

bool SameLink(const Synapse& a, const Synapse& b) {
  return a.kind == b.kind && a.otherKind == b.otherKind && a.otherIndex == b.otherIndex && a.otherSlot == b.otherSlot;
}

void KeepNeuron(Neuron& t, const Neuron& o, const Neuron& n) {
  Keep(t.state, o.state, n.state);
  Keep(t.input, o.input, n.input);
  Keep(t.error, o.error, n.error);
  Keep(t.threshold, o.threshold, n.threshold);
  Keep(t.lastThresholdChange, o.lastThresholdChange, n.lastThresholdChange);
  for (int s = 0; s < SlotCount; ++s) {
    Synapse& ts = t.slots[s];
    const Synapse& os = o.slots[s];
    const Synapse& ns = n.slots[s];
    if (!SameLink(ts, ns) || !SameLink(os, ns)) continue;
    Keep(ts.state, os.state, ns.state);
    Keep(ts.lastWeightChange, os.lastWeightChange, ns.lastWeightChange);
    // The slot's kind (and its tiles) stay the target's: a weight that would change the
    // synapse's sign is not taken.
    const bool fits = ts.kind == SlotExcitatory ? ns.weight >= 0 : ts.kind == SlotInhibitory ? ns.weight < 0 : true;
    if (fits) Keep(ts.weight, os.weight, ns.weight);
  }
}

void KeepNode(Node& t, const Node& o, const Node& n) {
  if (t.type != n.type || o.type != n.type) return;
  for (int c = 0; c < SlotCount; ++c) {
    Keep(t.value[c], o.value[c], n.value[c]);
    Keep(t.next[c], o.next[c], n.next[c]);
  }
  Keep(t.error, o.error, n.error);
}

}  // namespace

void KeepRunChanges(BoardSnapshot& target, const BoardSnapshot& other, const BoardSnapshot& now) {
  for (int i = 0; i < target.neurons.used(); ++i)
    if (target.neurons.live(i) && other.neurons.live(i) && now.neurons.live(i))
      KeepNeuron(target.neurons[i], other.neurons[i], now.neurons[i]);
  for (int i = 0; i < target.nodes.used(); ++i)
    if (target.nodes.live(i) && other.nodes.live(i) && now.nodes.live(i))
      KeepNode(target.nodes[i], other.nodes[i], now.nodes[i]);
  const size_t columns = std::min({target.fileColumns.size(), other.fileColumns.size(), now.fileColumns.size()});
  for (size_t c = 0; c < columns; ++c) {
    FileColumn& t = target.fileColumns[c];
    const FileColumn& n = now.fileColumns[c];
    const bool same = t.inUse && n.inUse && t.fileName == n.fileName && t.column == n.column &&
                      other.fileColumns[c].fileName == n.fileName && t.values.size() == n.values.size();
    if (same) Keep(t.row, other.fileColumns[c].row, n.row);
  }
}

// ---- the journal ------------------------------------------------------------------------

TBoardJournal::TBoardJournal(TBrainBoard& board, size_t depth)
    : board_(board), depth_(std::max<size_t>(depth, 1)), base_(std::make_shared<BoardSnapshot>(board)) {}

void TBoardJournal::Begin() {
  if (open_++ == 0) base_ = std::make_shared<BoardSnapshot>(board_);
}

void TBoardJournal::Rebase() {
  if (open_ == 0) base_ = std::make_shared<BoardSnapshot>(board_);
}

bool TBoardJournal::Commit(bool joinTyping) {
  if (open_ > 0 && --open_ > 0) return false;
  Shot now = std::make_shared<BoardSnapshot>(board_);
  std::vector<uint8_t> print = now->Fingerprint();
  const std::vector<uint8_t> basePrint = base_->Fingerprint();
  if (print == basePrint) {
    base_ = now;
    return false;
  }
  // Typing goes on from where the last typing step left the board.
  if (joinTyping && lastTyping_ && !undo_.empty() && undo_.back().typing && undo_.back().afterPrint == basePrint) {
    undo_.back().after = now;
    undo_.back().afterPrint = std::move(print);
  } else {
    undo_.push_back({base_, now, joinTyping, std::move(print)});
    if (undo_.size() > depth_) undo_.pop_front();
  }
  lastTyping_ = joinTyping;
  redo_.clear();
  base_ = now;
  return true;
}

void TBoardJournal::Move(std::deque<Step>& from, std::deque<Step>& to, bool backwards) {
  Step step = from.back();
  from.pop_back();
  const BoardSnapshot now(board_);
  BoardSnapshot target = backwards ? *step.before : *step.after;
  KeepRunChanges(target, backwards ? *step.after : *step.before, now);
  target.Restore(board_);
  board_.MarkTouched();
  to.push_back(step);
  lastTyping_ = false;
  open_ = 0;
  base_ = std::make_shared<BoardSnapshot>(board_);
}

bool TBoardJournal::Undo() {
  if (undo_.empty()) return false;
  Move(undo_, redo_, true);
  return true;
}

bool TBoardJournal::Redo() {
  if (redo_.empty()) return false;
  Move(redo_, undo_, false);
  return true;
}

void TBoardJournal::Forget() {
  undo_.clear();
  redo_.clear();
  lastTyping_ = false;
  Rebase();
}
