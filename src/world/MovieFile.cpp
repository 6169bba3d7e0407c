#include "world/MovieFile.h"

#include <algorithm>

#include "platform/ByteIO.h"
#include "platform/IndexedImage.h"

namespace {
// A 32-bit payload, or nothing when the chunk is too short to hold one.
bool PayloadWord(const uint8_t* payload, size_t length, int32_t& value) {
  if (length < 4) return false;
  ByteReader r(payload, length);
  value = r.i32();
  return true;
}

void ReadFrameRecord(const uint8_t* payload, size_t length, MovieFrame& frame) {
  if (length < MovieFrameHeaderSize) return;
  ByteReader r(payload, length);
  r.skip(4);
  frame.delay = r.i32();
  r.skip(4);
  frame.x = r.i32();
  frame.y = r.i32();
  frame.width = r.i32();
  frame.height = r.i32();
  frame.kind = r.i32();
  frame.data.assign(payload + MovieFrameHeaderSize, payload + length);
  frame.hasPicture = true;
}

// Chunks that describe a frame apply to the frame a 200 chunk selected.
void ReadChunk(uint32_t type, const uint8_t* payload, size_t length, MovieData& movie, int& current) {
  int32_t word = 0;
  switch (type) {
    case ChunkFrameCount:
      if (movie.frameCount == 0 && PayloadWord(payload, length, word) && word > 0 && word <= MovieMaxFrames) {
        movie.frameCount = word;
        movie.frames.assign(static_cast<size_t>(word), MovieFrame{});
      }
      break;
    case ChunkWidth:
      if (PayloadWord(payload, length, word)) movie.width = word;
      break;
    case ChunkHeight:
      if (PayloadWord(payload, length, word)) movie.height = word;
      break;
    case ChunkFrameIndex:
      current = -1;
      if (PayloadWord(payload, length, word) && word >= 0 && word < movie.frameCount) current = word;
      break;
    case ChunkFrame:
      if (current >= 0) ReadFrameRecord(payload, length, movie.frames[current]);
      break;
    case ChunkWave:
      if (current >= 0) movie.frames[current].wave.assign(payload, payload + length);
      break;
    case ChunkSoundMode:
      if (current >= 0 && PayloadWord(payload, length, word)) movie.frames[current].soundMode = word;
      break;
    default:
      break;
  }
}

size_t PixelCount(const MovieRect& rect) { return static_cast<size_t>(rect.w) * static_cast<size_t>(rect.h); }

// Upper bound of a table-coded stream for n output bytes: header, a table of at most
// 64 Ki entries, and five bytes per unit.
size_t TableStreamLimit(size_t n) { return 12 + 4 * 65536 + 5 * (n / 4 + 1); }

// Decodes the frame's data into work: the pixels in stored order (bottom row first).
void DecodePixels(const MovieFrame& frame, size_t n, std::vector<uint8_t>& work, std::vector<uint8_t>& scratch) {
  work.clear();
  switch (frame.kind) {
    case FrameRaw:
      work.assign(frame.data.begin(), frame.data.begin() + static_cast<std::ptrdiff_t>(std::min(n, frame.data.size())));
      break;
    case FrameRunLength:
    case FrameRunLengthXor:
    case FrameRowXor:
      DecodeRunLength(frame.data.data(), frame.data.size(), n, work);
      break;
    case FrameTableXor:
    case FrameTableCopy:
      scratch.clear();
      DecodeRunLength(frame.data.data(), frame.data.size(), TableStreamLimit(n), scratch);
      DecodeTable(scratch, n, work);
      break;
    default:
      break;  // an unknown kind draws nothing
  }
}

void ApplyPixels(const MovieFrame& frame, const MovieRect& rect, const std::vector<uint8_t>& pixels, IndexedImage& view) {
  const bool exclusive = frame.kind == FrameRunLengthXor || frame.kind == FrameTableXor;
  const int w = rect.w;
  for (size_t i = 0; i < pixels.size(); ++i) {
    const int stored = static_cast<int>(i / w), column = static_cast<int>(i % w);
    uint8_t* target = view.row(rect.y + rect.h - 1 - stored) + rect.x + column;
    if (exclusive)
      *target ^= pixels[i];
    else if (frame.kind == FrameRowXor && stored > 0)
      *target = pixels[i] ^ view.row(rect.y + rect.h - stored)[rect.x + column];
    else
      *target = pixels[i];
  }
}
}  // namespace

MovieData ParseMovie(const uint8_t* data, size_t size) {
  MovieData movie;
  int current = -1;
  size_t pos = 0;
  while (size - pos >= 8) {
    ByteReader header(data + pos, 8);
    const uint32_t type = header.u32();
    const uint32_t length = header.u32();
    pos += 8;
    if (length > size - pos) break;  // truncated: the rest cannot be trusted
    ReadChunk(type, data + pos, length, movie, current);
    pos += length;
  }
  return movie;
}

void DecodeRunLength(const uint8_t* data, size_t size, size_t limit, std::vector<uint8_t>& out) {
  size_t pos = 0;
  const size_t end = out.size() + std::min(limit, static_cast<size_t>(-1) - out.size());
  while (pos < size && out.size() < end) {
    const uint8_t c = data[pos++];
    if (c == 0) break;
    if (c < 128) {
      if (pos >= size) break;
      out.insert(out.end(), std::min<size_t>(c, end - out.size()), data[pos++]);
    } else {
      size_t n = std::min<size_t>({static_cast<size_t>(256 - c), size - pos, end - out.size()});
      out.insert(out.end(), data + pos, data + pos + n);
      pos += 256 - c;
    }
  }
}

bool DecodeTable(const std::vector<uint8_t>& coded, size_t limit, std::vector<uint8_t>& out) {
  ByteReader r(coded);
  const uint32_t units = r.u32();
  const uint8_t trailing = r.u8();
  uint8_t tail[3];
  r.bytes(tail, 3);
  const uint32_t tableSize = r.u32();
  if (r.failed() || trailing > 3 || tableSize > r.remaining() / 4) return false;
  const size_t tableAt = r.position();
  r.skip(static_cast<size_t>(tableSize) * 4);
  const size_t start = out.size();
  auto room = [&] { return limit - (out.size() - start); };
  for (uint32_t u = 0; u < units && room() > 0; ++u) {
    uint8_t unit[4];
    const uint8_t code = r.u8();
    if (code == 255) {
      if (!r.bytes(unit, 4)) return false;
    } else {
      if (r.failed() || code >= tableSize) return false;
      std::copy_n(coded.data() + tableAt + 4 * size_t(code), 4, unit);
    }
    out.insert(out.end(), unit, unit + std::min<size_t>(4, room()));
  }
  out.insert(out.end(), tail, tail + std::min<size_t>(trailing, room()));
  return true;
}

MovieRect FrameRectInView(const MovieData& movie, const MovieFrame& frame, int viewWidth, int viewHeight) {
  if (!frame.hasPicture || frame.width <= 0 || frame.height <= 0) return {};
  // Origins as the player computes them; 64-bit so no file value can overflow.
  const int64_t column = int64_t(viewWidth / 2) - movie.width / 2 + frame.x;
  const int64_t bottom = int64_t(viewHeight / 2) - movie.height / 2 + frame.y;
  if (column < 0 || bottom < 0 || column + frame.width > viewWidth || bottom + frame.height > viewHeight) return {};
  return {static_cast<int>(column), static_cast<int>(viewHeight - bottom - frame.height), frame.width, frame.height};
}

MovieRect DrawMovieFrame(const MovieData& movie, const MovieFrame& frame, IndexedImage& view,
                         std::vector<uint8_t>& work, std::vector<uint8_t>& scratch) {
  const MovieRect rect = FrameRectInView(movie, frame, view.width(), view.height());
  if (rect.empty()) return {};
  DecodePixels(frame, PixelCount(rect), work, scratch);
  ApplyPixels(frame, rect, work, view);
  return rect;
}
