#include "world/MovieWriter.h"

#include <algorithm>
#include <map>

#include "platform/ByteIO.h"
#include "world/MovieFile.h"

namespace {
size_t RunAt(const std::vector<uint8_t>& b, size_t i) {
  size_t n = 1;
  while (i + n < b.size() && n < 127 && b[i + n] == b[i]) ++n;
  return n;
}

uint32_t UnitAt(const std::vector<uint8_t>& b, size_t u) {
  return uint32_t(b[4 * u]) | uint32_t(b[4 * u + 1]) << 8 | uint32_t(b[4 * u + 2]) << 16 | uint32_t(b[4 * u + 3]) << 24;
}

// The table: the units that occur more than once, the most frequent first, at most 255.
std::vector<uint32_t> ChooseTable(const std::vector<uint8_t>& bytes) {
  std::map<uint32_t, int> counts;
  for (size_t u = 0; u < bytes.size() / 4; ++u) ++counts[UnitAt(bytes, u)];
  std::vector<std::pair<int, uint32_t>> ranked;
  for (auto [unit, n] : counts)
    if (n > 1) ranked.emplace_back(-n, unit);
  std::sort(ranked.begin(), ranked.end());
  std::vector<uint32_t> table;
  for (size_t i = 0; i < ranked.size() && i < 255; ++i) table.push_back(ranked[i].second);
  return table;
}

bool IsExclusive(int kind) { return kind == FrameRunLengthXor || kind == FrameTableXor; }

// The rectangle's bytes as the frame stores them: bottom row first, coded for the kind.
std::vector<uint8_t> StoredData(int kind, int w, int h, const std::vector<uint8_t>& pixels,
                                const std::vector<uint8_t>& before) {
  std::vector<uint8_t> stored(static_cast<size_t>(w) * h);
  for (int r = 0; r < h; ++r)
    for (int c = 0; c < w; ++c) {
      const size_t from = size_t(h - 1 - r) * w + c, to = size_t(r) * w + c;
      uint8_t v = pixels[from];
      if (IsExclusive(kind)) v ^= before.size() > from ? before[from] : 0;
      if (kind == FrameRowXor && r > 0) v ^= pixels[from + w];
      stored[to] = v;
    }
  switch (kind) {
    case FrameRaw: return stored;
    case FrameTableXor:
    case FrameTableCopy: return EncodeRunLength(EncodeTable(stored));
    default: return EncodeRunLength(stored);
  }
}

std::vector<uint8_t> Chunk(uint32_t type, const std::vector<uint8_t>& payload) {
  ByteWriter w;
  w.u32(type);
  w.u32(static_cast<uint32_t>(payload.size()));
  w.bytes(payload.data(), payload.size());
  return w.data();
}

std::vector<uint8_t> Word(int32_t v) {
  ByteWriter w;
  w.i32(v);
  return w.data();
}

std::vector<uint8_t> Crop(const std::vector<uint8_t>& full, int width, int x, int y, int w, int h) {
  std::vector<uint8_t> out;
  out.reserve(size_t(w) * h);
  for (int r = y; r < y + h; ++r) out.insert(out.end(), full.begin() + size_t(r) * width + x, full.begin() + size_t(r) * width + x + w);
  return out;
}
}  // namespace

std::vector<uint8_t> EncodeRunLength(const std::vector<uint8_t>& bytes) {
  std::vector<uint8_t> out;
  size_t i = 0;
  while (i < bytes.size()) {
    size_t run = RunAt(bytes, i);
    if (run >= 3) {
      out.push_back(static_cast<uint8_t>(run));
      out.push_back(bytes[i]);
      i += run;
      continue;
    }
    size_t start = i;
    while (i < bytes.size() && i - start < 128 && RunAt(bytes, i) < 3) ++i;
    out.push_back(static_cast<uint8_t>(256 - (i - start)));
    out.insert(out.end(), bytes.begin() + start, bytes.begin() + i);
  }
  out.push_back(0);
  return out;
}

std::vector<uint8_t> EncodeTable(const std::vector<uint8_t>& bytes) {
  const size_t units = bytes.size() / 4, trailing = bytes.size() % 4;
  const std::vector<uint32_t> table = ChooseTable(bytes);
  ByteWriter w;
  w.u32(static_cast<uint32_t>(units));
  w.u8(static_cast<uint8_t>(trailing));
  for (size_t i = 0; i < 3; ++i) w.u8(i < trailing ? bytes[4 * units + i] : 0);
  w.u32(static_cast<uint32_t>(table.size()));
  for (uint32_t entry : table) w.u32(entry);
  for (size_t u = 0; u < units; ++u) {
    auto at = std::find(table.begin(), table.end(), UnitAt(bytes, u));
    if (at != table.end()) {
      w.u8(static_cast<uint8_t>(at - table.begin()));
    } else {
      w.u8(255);
      w.bytes(bytes.data() + 4 * u, 4);
    }
  }
  return w.data();
}

MovieWriter::MovieWriter(int width, int height)
    : width_(std::max(0, width)), height_(std::max(0, height)), frames_(1),
      last_(size_t(width_) * height_, 0) {}

int MovieWriter::AddFrame(int kind, int delay, int x, int y, int w, int h, const std::vector<uint8_t>& pixels,
                          const std::vector<uint8_t>& before) {
  Frame f;
  f.present = true;
  f.delay = delay;
  f.kind = kind;
  if (w > 0 && h > 0 && pixels.size() >= size_t(w) * h) {
    f.x = x;
    f.y = height_ - (y + h);
    f.w = w;
    f.h = h;
    f.data = StoredData(kind, w, h, pixels, before);
  }
  frames_.push_back(std::move(f));
  return frameCount() - 1;
}

int MovieWriter::AddPause(int delay) { return AddFrame(FrameRunLength, delay, 0, 0, 0, 0, {}); }

int MovieWriter::AddPicture(const IndexedImage& picture, int delay, std::optional<int> kind) {
  IndexedImage sized(width_, height_);
  sized.blit(picture, 0, 0, width_, height_, 0, 0);
  std::vector<uint8_t> next = std::move(sized.pixels());
  const bool first = frameCount() == 1;
  int x0 = width_, y0 = height_, x1 = -1, y1 = -1;
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x)
      if (first || next[size_t(y) * width_ + x] != last_[size_t(y) * width_ + x]) {
        x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
      }
  if (x1 < 0) {
    last_ = std::move(next);
    return AddPause(delay);
  }
  const int w = x1 - x0 + 1, h = y1 - y0 + 1;
  const std::vector<uint8_t> pixels = Crop(next, width_, x0, y0, w, h), before = Crop(last_, width_, x0, y0, w, h);
  // The first picture is drawn twice after a fade-in, so it must be a copying kind.
  std::vector<int> kinds = first ? std::vector<int>{0, 3, 4, 12} : std::vector<int>{0, 1, 3, 4, 9, 12};
  if (kind && (!first || !IsExclusive(*kind))) kinds = {*kind};
  int best = kinds[0];
  size_t bestSize = SIZE_MAX;
  for (int k : kinds) {
    size_t n = StoredData(k, w, h, pixels, before).size();
    if (n < bestSize) bestSize = n, best = k;
  }
  last_ = std::move(next);
  return AddFrame(best, delay, x0, y0, w, h, pixels, before);
}

void MovieWriter::SetSound(int frame, std::vector<uint8_t> wave, bool loop) {
  if (frame <= 0 || frame >= frameCount()) return;
  frames_[frame].wave = std::move(wave);
  frames_[frame].loop = loop;
}

std::vector<uint8_t> MovieWriter::Bytes() const {
  ByteWriter out;
  auto put = [&](const std::vector<uint8_t>& chunk) { out.bytes(chunk.data(), chunk.size()); };
  put(Chunk(ChunkFrameCount, Word(frameCount())));
  put(Chunk(ChunkWidth, Word(width_)));
  put(Chunk(ChunkHeight, Word(height_)));
  for (int i = 0; i < frameCount(); ++i) {
    const Frame& f = frames_[i];
    if (!f.present) continue;
    put(Chunk(ChunkFrameIndex, Word(i)));
    ByteWriter record;
    for (int32_t v : {0, f.delay, 0, f.x, f.y, f.w, f.h, f.kind}) record.i32(v);
    record.bytes(f.data.data(), f.data.size());
    put(Chunk(ChunkFrame, record.data()));
    if (!f.wave.empty()) {
      put(Chunk(ChunkWave, f.wave));
      put(Chunk(ChunkSoundMode, Word(f.loop ? MovieSoundLoops : 0)));
    }
  }
  return out.data();
}
