// Reading a brain file into a board. Every count and length is checked against the
// bytes that are there; a damaged file loads what can be used and says so.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "brain/BrainFileFormat.h"
#include "brain/Brainboard.h"

namespace {
constexpr const char* LoadErrorCaption = "Brain Load Error";
}  // namespace

class BrainFileReader {
 public:
  BrainFileReader(TBrainBoard& board, const uint8_t* data, size_t size) : b_(board), data_(data), size_(size) {}

  void Run() {
    b_.Clear(true);
    ByteReader r(data_, size_);
    while (!stop_ && r.remaining() >= 8) {
      const int32_t tag = r.i32();
      const int32_t length = r.i32();
      if (length < 0) {
        Damaged(tag);
        break;
      }
      const size_t available = std::min<size_t>(static_cast<size_t>(length), r.remaining());
      cut_ = available < static_cast<size_t>(length);
      ByteReader chunk(data_ + r.position(), available);
      ReadChunk(tag, chunk);
      r.skip(available);
      if (cut_) break;  // the file ends inside this chunk: what was read stands
    }
    if (MakeLoadedBoardSafe(b_) > 0 && !damagedShown_)
      b_.Message("Some records of the brain file were damaged and have been left out", LoadErrorCaption);
    if (!b_.hidden() && (!sawPictures_ || !DrawingMatches())) DrawEverything();
    FixUpNodes();
    b_.SetIO(nullptr, nullptr);
  }

 private:
  void Damaged(int tag) {
    char text[96];
    std::snprintf(text, sizeof text, "The brain file is damaged (chunk %d); the rest is not loaded", tag);
    b_.Message(text, LoadErrorCaption);
    damagedShown_ = true;
    stop_ = true;
  }

  // A count the chunk cannot hold: a cut file just ends, anything else is damage.
  bool CheckCount(int tag, int32_t count, int fitting) {
    if (count >= 0 && count <= fitting) return true;
    if (!(cut_ && count > 0)) Damaged(tag);
    stop_ = true;
    return false;
  }

  template <class T, class ReadFn>
  void Records(ByteReader& c, int tag, ElementArray<T>& array, int recordSize, ReadFn read) {
    const int32_t count = c.i32();
    if (c.failed()) return Damaged(tag);
    const int fitting = static_cast<int>(c.remaining() / recordSize);
    const int n = count < 0 ? 0 : std::min(count, fitting);
    array.SetUsedForLoad(n);
    for (int i = 0; i < n; ++i) read(c, array[i]);
    CheckCount(tag, count, fitting);
  }

  void ReadChunk(int32_t tag, ByteReader& c) {
    namespace C = BrainChunk;
    auto plain = [](ByteReader& r, auto& rec) { ReadRecord(r, rec); };
    switch (tag) {
      case C::Hidden:
        if (!b_.hidden()) {
          b_.Message("Can't load hidden brain", LoadErrorCaption);
          stop_ = true;
        }
        break;
      case C::BoardSize: BoardSize(c); break;
      case C::Neurons: Records(c, tag, b_.neurons, NeuronRecordSize, plain); break;
      case C::LegacyNeurons: Records(c, tag, b_.neurons, LegacyNeuronRecordSize, ReadLegacyNeuron); break;
      case C::Nodes: Records(c, tag, b_.nodes, NodeRecordSize, plain); break;
      case C::LegacyNodes: Records(c, tag, b_.nodes, LegacyNodeRecordSize, ReadLegacyNode); break;
      case C::Snoopers: Records(c, tag, b_.snoopers, SnooperRecordSize, plain); break;
      // A hidden board keeps no drawing.
      case C::LineSegs:
        if (!b_.hidden()) Records(c, tag, b_.lineSegs, LineSegRecordSize, plain);
        break;
      case C::BoardPics:
        if (!b_.hidden()) Records(c, tag, b_.pics, BoardPicRecordSize, plain);
        break;
      case C::GridCells:
        if (!b_.hidden()) GridCells(c);
        sawPictures_ = true;
        break;
      case C::Bindings: Bindings(c); break;
      case C::FileInputs: FileInputs(c); break;
      case C::End: stop_ = true; break;
      default: break;  // unknown chunks are skipped by their length
    }
  }

  void BoardSize(ByteReader& c) {
    c.i32();
    const int32_t columns = c.i32(), rows = c.i32();
    if (c.failed()) {
      if (!cut_) Damaged(BrainChunk::BoardSize);
      return;
    }
    if (columns > MaxBoardSide || rows > MaxBoardSide) {
      char text[96];
      std::snprintf(text, sizeof text, "Board size %d x %d is too large; the board keeps its size", columns, rows);
      b_.Message(text, LoadErrorCaption);
      return;
    }
    const int newColumns = std::max(columns, b_.columns()), newRows = std::max(rows, b_.rows());
    if (newColumns != b_.columns() || newRows != b_.rows()) b_.SetSize(newColumns, newRows);
  }

  void GridCells(ByteReader& c) {
    const int32_t count = c.i32();
    const int fitting = static_cast<int>(c.remaining() / GridCellEntrySize);
    const int n = count < 0 ? 0 : std::min(count, fitting);
    for (int i = 0; i < n; ++i) {
      const int32_t x = c.i32(), y = c.i32(), first = c.i32();
      if (GridCell* cell = b_.Cell(x, y)) {
        cell->first = first;
        cell->dirty = true;
      }
    }
    CheckCount(BrainChunk::GridCells, count, fitting);
  }

  void Bindings(ByteReader& c) {
    const int32_t count = c.i32();
    if (count > ChannelCount) b_.Message("Too many io nodes", "IO Load Error");
    const int fitting = static_cast<int>(c.remaining() / BindingEntrySize);
    const int n = count < 0 ? 0 : std::min(count, fitting);
    for (int i = 0; i < n; ++i) {
      const bool inBound = c.u8() != 0;
      const int32_t inNode = c.i32();
      const bool outBound = c.u8() != 0;
      const int32_t outNode = c.i32();
      if (i >= ChannelCount) continue;
      b_.inputBindings[i].bound = inBound;
      b_.inputBindings[i].node = inNode;
      b_.outputBindings[i].bound = outBound;
      b_.outputBindings[i].node = outNode;
    }
    CheckCount(BrainChunk::Bindings, count, fitting);
  }

  void MarkWithoutData(int node) {
    Node& n = b_.nodes[node];
    n.type = FileInputNoData;
    n.data = -1;
    n.picture = 0;
  }

  void FileInputs(ByteReader& c) {
    c.i32();  // byte size, implied by the entries
    const int32_t count = c.i32();
    bool overrun = c.failed();
    for (int i = 0; i < count && !overrun; ++i) {
      const int32_t node = c.i32();
      const int32_t length = c.i32();
      if (c.failed()) {
        overrun = true;
        break;
      }
      const bool live = b_.nodes.live(node);
      if (length < 1) {
        if (live) MarkWithoutData(node);
        continue;
      }
      const int32_t column = c.i32();
      if (c.failed() || static_cast<size_t>(length) + 1 > c.remaining()) {
        overrun = true;
        break;
      }
      std::vector<char> bytes(static_cast<size_t>(length) + 1);
      c.bytes(bytes.data(), bytes.size());
      const std::string name(bytes.data(), strnlen(bytes.data(), bytes.size()));
      if (!live) continue;  // an entry for a node that is not there
      if (!b_.LoadFileColumn(node, name, false, column)) {
        b_.fileColumns[b_.nodes[node].data] = FileColumn{};
        MarkWithoutData(node);
      }
    }
    if (overrun && !cut_) Damaged(BrainChunk::FileInputs);
    if (overrun) stop_ = true;
  }

  // Whether every live element finds its pictures where it stands. A drawing that lacks
  // one (empty drawing chunks, a file from another tool) would break the board at the
  // element's first lit change.
  bool DrawingMatches() const {
    auto has = [&](int x, int y, int picture, int kind, int key) {
      return !b_.Cell(x, y) || b_.FindPic(x, y, picture, kind, key) >= 0;
    };
    for (int i = 0; i < b_.neurons.used(); ++i) {
      const Neuron& n = b_.neurons[i];
      if (!n.inUse) continue;
      if (!has(n.x, n.y, TBrainBoard::NeuronCentreTile(n), PicNeuron, i)) return false;
      for (int d = 0; d < SlotCount; ++d)
        if (!has(n.x + DirDx[d], n.y + DirDy[d], TBrainBoard::NeuronOuterTile(n, d), PicNeuron, i)) return false;
    }
    for (int i = 0; i < b_.nodes.used(); ++i) {
      const Node& n = b_.nodes[i];
      if (!n.inUse) continue;
      for (int d = -1; d < SlotCount; ++d) {
        const int tile = TBrainBoard::NodeTile(n, d);
        if (tile >= 0 && !has(n.x + (d < 0 ? 0 : DirDx[d]), n.y + (d < 0 ? 0 : DirDy[d]), tile, PicNode, i))
          return false;
      }
    }
    for (int i = 0; i < b_.lineSegs.used(); ++i) {
      if (!b_.lineSegs[i].inUse) continue;
      const int tile = b_.RouteSegmentTile(i);
      if (tile >= 0 && !has(b_.lineSegs[i].x, b_.lineSegs[i].y, tile, PicLineSeg, i)) return false;
    }
    for (int i = 0; i < b_.snoopers.used(); ++i) {
      const Snooper& s = b_.snoopers[i];
      if (s.inUse && !has(s.x, s.y, s.tile, PicSnooper, i)) return false;
    }
    return true;
  }

  // A file without its drawing (cut short, or made by hand) would leave elements that
  // cannot be seen or edited.
  void DrawEverything() {
    b_.pics.Reset();
    for (int y = 0; y < b_.rows(); ++y)
      for (int x = 0; x < b_.columns(); ++x) *b_.Cell(x, y) = GridCell{-1, true};
    for (int i = 0; i < b_.nodes.used(); ++i)
      if (b_.nodes[i].inUse) b_.DrawNode(i);
    for (int i = 0; i < b_.neurons.used(); ++i)
      if (b_.neurons[i].inUse) b_.DrawNeuron(i);
    for (int i = 0; i < b_.lineSegs.used(); ++i)
      if (b_.lineSegs[i].inUse) b_.DrawLineSeg(i);
    for (int i = 0; i < b_.snoopers.used(); ++i)
      if (b_.snoopers[i].inUse) b_.DrawSnooper(i);
  }

  // File-input nodes without data become plain nodes; channel nodes without a channel
  // number take it from the binding that names them.
  void FixUpNodes() {
    for (int i = 0; i < b_.nodes.used(); ++i) {
      Node& n = b_.nodes[i];
      if (!n.inUse) continue;
      if (n.type == FileInputNoData) {
        b_.EraseNode(i);
        b_.nodes[i].type = PlainNode;
        b_.DrawNode(i);
      } else if ((n.type == InputNode || n.type == OutputNode) && n.data < 0) {
        const bool input = n.type == InputNode;
        IOBinding* table = input ? b_.inputBindings : b_.outputBindings;
        b_.EraseNode(i);
        int ch = 0;
        while (ch < ChannelCount && table[ch].node != i) ++ch;
        Node& m = b_.nodes[i];
        if (ch < ChannelCount) {
          table[ch].bound = true;
          m.data = ch;
          m.picture = table[ch].picture;
        } else {
          m.type = PlainNode;
        }
        b_.DrawNode(i);
      }
    }
  }

  TBrainBoard& b_;
  const uint8_t* data_;
  size_t size_;
  bool stop_ = false;
  bool cut_ = false;
  bool damagedShown_ = false;
  bool sawPictures_ = false;
};

void TBrainBoard::LoadBrain(const uint8_t* data, size_t size) { BrainFileReader(*this, data, size).Run(); }

void ReadBoundChannels(const uint8_t* data, size_t size, ChannelMask& inputs, ChannelMask& outputs) {
  inputs.fill(false);
  outputs.fill(false);
  ByteReader r(data, size);
  while (r.remaining() >= 8) {
    const int32_t tag = r.i32(), length = r.i32();
    if (length < 0 || static_cast<size_t>(length) > r.remaining()) return;
    if (tag == BrainChunk::Bindings) {
      ByteReader c(data + r.position(), static_cast<size_t>(length));
      const int32_t count = c.i32();
      for (int i = 0; i < count && i < ChannelCount && c.remaining() >= BindingEntrySize; ++i) {
        inputs[i] = c.u8() != 0;
        c.i32();
        outputs[i] = c.u8() != 0;
        c.i32();
      }
      return;
    }
    if (tag == BrainChunk::End) return;
    r.skip(static_cast<size_t>(length));
  }
}
