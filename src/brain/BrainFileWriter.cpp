// Writing a board as a brain file; the hidden form leaves out the drawing.
#include "brain/BrainFileFormat.h"
#include "brain/Brainboard.h"

namespace {

// Writes tag and a length placeholder; the returned position is patched by EndChunk.
size_t BeginChunk(ByteWriter& w, int32_t tag) {
  w.i32(tag);
  w.i32(0);
  return w.size();
}
void EndChunk(ByteWriter& w, size_t start) { w.patchU32(start - 4, static_cast<uint32_t>(w.size() - start)); }

void Marker(ByteWriter& w, int32_t tag) {
  w.i32(tag);
  w.i32(0);
}

template <class T>
void RecordChunk(ByteWriter& w, int32_t tag, const ElementArray<T>& records) {
  const size_t start = BeginChunk(w, tag);
  w.i32(records.used());
  for (int i = 0; i < records.used(); ++i) WriteRecord(w, records[i]);
  EndChunk(w, start);
}

}  // namespace

void TBrainBoard::SaveBrain(ByteWriter& w, bool hiddenForm) const {
  Marker(w, BrainChunk::Start);
  if (hiddenForm) Marker(w, BrainChunk::Hidden);
  size_t start = BeginChunk(w, BrainChunk::BoardSize);
  w.i32(2);
  w.i32(columns_);
  w.i32(rows_);
  EndChunk(w, start);
  RecordChunk(w, BrainChunk::Neurons, neurons);
  RecordChunk(w, BrainChunk::Nodes, nodes);

  start = BeginChunk(w, BrainChunk::FileInputs);
  const size_t sizeField = w.size();
  w.i32(0);
  int count = 0;
  const size_t countField = w.size();
  w.i32(0);
  for (int i = 0; i < nodes.used(); ++i) {
    const Node& n = nodes[i];
    if (!n.inUse || n.type != FileInputNode) continue;
    ++count;
    w.i32(i);
    const bool hasColumn = n.data >= 0 && n.data < static_cast<int>(fileColumns.size()) && fileColumns[n.data].inUse;
    const std::string name = hasColumn ? fileColumns[n.data].fileName : std::string();
    w.i32(static_cast<int32_t>(name.size()));
    if (name.empty()) continue;
    w.i32(fileColumns[n.data].column);
    w.text(name);
    w.u8(0);
  }
  w.patchU32(countField, static_cast<uint32_t>(count));
  w.patchU32(sizeField, static_cast<uint32_t>(w.size() - sizeField - 4));
  EndChunk(w, start);

  start = BeginChunk(w, BrainChunk::Bindings);
  w.i32(ChannelCount);
  for (int ch = 0; ch < ChannelCount; ++ch) {
    w.u8(inputBindings[ch].bound ? 1 : 0);
    w.i32(inputBindings[ch].node);
    w.u8(outputBindings[ch].bound ? 1 : 0);
    w.i32(outputBindings[ch].node);
  }
  EndChunk(w, start);
  RecordChunk(w, BrainChunk::Snoopers, snoopers);
  if (!hiddenForm) {
    RecordChunk(w, BrainChunk::LineSegs, lineSegs);
    RecordChunk(w, BrainChunk::BoardPics, pics);
    start = BeginChunk(w, BrainChunk::GridCells);
    const size_t cellCount = w.size();
    w.i32(0);
    int cellsWritten = 0;
    for (int x = 0; x < columns_; ++x)
      for (int y = 0; y < rows_; ++y) {
        const int first = cells_[Index(x, y)].first;
        if (first < 0) continue;
        w.i32(x);
        w.i32(y);
        w.i32(first);
        ++cellsWritten;
      }
    w.patchU32(cellCount, static_cast<uint32_t>(cellsWritten));
    EndChunk(w, start);
  }
  Marker(w, BrainChunk::End);
}

std::vector<uint8_t> TBrainBoard::SaveBrain(bool hiddenForm) const {
  ByteWriter w;
  SaveBrain(w, hiddenForm);
  return std::move(w.data());
}
