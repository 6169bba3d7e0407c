// The clipboard text block: writing the selection, reading a block back.
#include "brain/BoardClipboard.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "brain/BoardGroup.h"
#include "brain/BoardText.h"
#include "brain/PasteReader.h"

namespace {

void Append(std::string& out, const char* format, ...) {
  char buf[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buf, sizeof buf, format, args);
  va_end(args);
  out += buf;
}

double D(float v) { return static_cast<double>(v); }

class BlockWriter {
 public:
  explicit BlockWriter(TBrainBoard& b) : b_(b) {
    l_ = std::min(b.selLeft, b.selRight), r_ = std::max(b.selLeft, b.selRight);
    t_ = std::min(b.selTop, b.selBottom), bottom_ = std::max(b.selTop, b.selBottom);
  }

  std::string Run() {
    MarkElements();
    WriteTexts();
    for (int i = 0; i < b_.nodes.used(); ++i)
      if (b_.nodes[i].inUse && b_.nodes[i].selected) WriteNode(i);
    for (int i = 0; i < b_.neurons.used(); ++i)
      if (b_.neurons[i].inUse && b_.neurons[i].selected) WriteNeuron(i);
    for (int i = 0; i < b_.lineSegs.used(); ++i)
      if (b_.lineSegs[i].inUse && b_.lineSegs[i].selected) WriteLineSeg(i);
    for (int i = 0; i < b_.snoopers.used(); ++i)
      if (b_.snoopers[i].inUse && Inside(b_.snoopers[i].x, b_.snoopers[i].y)) WriteSnooper(i);
    ClearSelectedFlags(b_);
    if (nodes_ + neurons_ + segs_ + snoopers_ + texts_ == 0) return {};
    std::string head = std::string(ClipboardHeader) + "\n";
    Append(head, "%d, %d\n%d nodes\n%d neurons\n%d linesegs\n%d snoopers\n%d text\n", l_, t_, nodes_, neurons_, segs_,
           snoopers_, texts_);
    return head + body_;
  }

 private:
  bool Inside(int x, int y) const { return x >= l_ && x <= r_ && y >= t_ && y <= bottom_; }

  void MarkElements() {
    for (int i = 0; i < b_.nodes.used(); ++i)
      if (b_.nodes[i].inUse && Inside(b_.nodes[i].x, b_.nodes[i].y)) b_.nodes[i].selected = true;
    for (int i = 0; i < b_.neurons.used(); ++i)
      if (b_.neurons[i].inUse && Inside(b_.neurons[i].x, b_.neurons[i].y)) b_.neurons[i].selected = true;
  }

  void WriteTexts() {
    for (int x = std::max(l_, 0); x <= r_ && x < b_.columns(); ++x)
      for (int y = std::max(t_, 0); y <= bottom_ && y < b_.rows(); ++y) {
        const GridCell* cell = b_.Cell(x, y);
        if (cell->first < 0) continue;
        const BoardPic& top = b_.pics[cell->first];
        if (top.kind != PicText && top.kind != PicMovingText) continue;
        Append(body_, "%d %d %d\n", x, y, top.key);
        ++texts_;
      }
  }

  bool OtherSelected(int kind, int index) const {
    if (kind == OtherNeuron) return b_.neurons.live(index) && b_.neurons[index].selected;
    if (kind == OtherNode) return b_.nodes.live(index) && b_.nodes[index].selected;
    return false;
  }

  void SelectRoute(int seg) {
    for (int s = seg, guard = b_.lineSegs.used(); b_.lineSegs.live(s) && guard > 0; --guard) {
      if (b_.lineSegs[s].selected) break;
      b_.lineSegs[s].selected = true;
      s = b_.lineSegs[s].next;
    }
  }

  void WriteNode(int i) {
    Node n = b_.nodes[i];
    for (int s = 0; s < SlotCount; ++s) {
      if (n.slotKind[s] == SlotEmpty) continue;
      if (!OtherSelected(n.otherKind[s], n.otherIndex[s])) {
        n.slotKind[s] = SlotEmpty, n.otherKind[s] = OtherNone;
        n.otherIndex[s] = n.otherSlot[s] = n.lineSeg[s] = -1;
      } else if (n.slotKind[s] == SlotOutput) {
        SelectRoute(n.lineSeg[s]);
      }
    }
    Append(body_, "Node:%d\n%d %d %d %d %d %d %d\n", i, n.x, n.y, n.type, n.picture, n.data, n.shownState,
           n.multi ? 1 : 0);
    if (n.type == FileInputNode) {
      const bool has = n.data >= 0 && n.data < static_cast<int>(b_.fileColumns.size());
      body_ += (has ? b_.fileColumns[n.data].fileName : std::string()) + "\n";
      Append(body_, "%d\n", has ? b_.fileColumns[n.data].column : 1);
    }
    for (int s = 0; s < SlotCount; ++s)
      Append(body_, "%f %f %d %d %d %d %d\n", D(n.value[s]), D(n.next[s]), n.slotKind[s], n.otherKind[s],
             n.otherIndex[s], n.otherSlot[s], n.lineSeg[s]);
    ++nodes_;
  }

  void WriteNeuron(int i) {
    Neuron n = b_.neurons[i];
    Append(body_, "Neuron:%d\n%d %d %f %f %d %d %f %d\n", i, n.x, n.y, D(n.threshold), D(n.state), n.shownState,
           n.type, D(n.gain), n.learn ? 1 : 0);
    for (int s = 0; s < SlotCount; ++s) {
      Synapse& syn = n.slots[s];
      if (syn.kind != SlotEmpty && !OtherSelected(syn.otherKind, syn.otherIndex)) {
        syn = Synapse{};
      } else if (syn.kind == SlotOutput) {
        SelectRoute(syn.lineSeg);
      }
      Append(body_, "%d %d %f %f %f %d %d %d %d %d\n", s, syn.kind, D(syn.state), D(syn.weight), D(syn.decay),
             syn.otherKind, syn.otherIndex, syn.otherSlot, syn.lineSeg, syn.learn ? 1 : 0);
    }
    ++neurons_;
  }

  void WriteLineSeg(int i) {
    const LineSeg& l = b_.lineSegs[i];
    Append(body_, "LineSeg:%d\n%d %d\n%d %d %d %d %d %d %d\n", i, l.x, l.y, l.dirIn, l.dirOut, l.prev, l.next,
           l.srcKind, l.srcIndex, l.srcSlot);
    ++segs_;
  }

  void WriteSnooper(int i) {
    const Snooper& s = b_.snoopers[i];
    Append(body_, "Snooper:%d\n%d %d %d %d %d %d\n", i, s.x, s.y, s.tile, s.mode, s.lastValue, s.monitor ? 1 : 0);
    for (int k = 0; k < 8; ++k) Append(body_, k < 7 ? "%d " : "%d\n", s.thresholds[k]);
    for (int k = 0; k < 8; ++k) Append(body_, k < 7 ? "%d " : "%d\n", s.colours[k]);
    ++snoopers_;
  }

  TBrainBoard& b_;
  int l_, t_, r_, bottom_;
  std::string body_;
  int nodes_ = 0, neurons_ = 0, segs_ = 0, snoopers_ = 0, texts_ = 0;
};

}  // namespace

std::string SelectionText(TBrainBoard& board) {
  if (board.selLeft < 0 || board.selTop < 0 || board.selRight < 0 || board.selBottom < 0) return {};
  return BlockWriter(board).Run();
}

void CopySelection(TBrainBoard& board) {
  const std::string text = SelectionText(board);
  if (!text.empty() && board.host().clipboard) board.host().clipboard->PutText(text);
}

bool PasteText(TBrainBoard& board, const std::string& text) {
  if (text.compare(0, 20, ClipboardHeader) != 0) return false;
  PastedBlock block;
  std::string error;
  if (!ReadPastedBlock(board, text, block, error)) {
    board.Message(error, "Paste Error");
    return false;
  }
  return PlacePastedBlock(board, block);
}

void Paste(TBrainBoard& board) {
  IClipboard* clipboard = board.host().clipboard;
  if (clipboard && clipboard->HasText()) PasteText(board, clipboard->GetText());
}
