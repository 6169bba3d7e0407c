#include "bodies/Pic.h"

#include <algorithm>

#include "platform/ByteIO.h"
#include "platform/DataNames.h"
#include "platform/Files.h"

// A set that fails to read has no frames: its sprites draw nothing and touch nothing,
// rather than showing what was read before the fault.
bool TPic::fail(const std::string& text) {
  error = true;
  errorText = text;
  frames.clear();
  frameCount = 0;
  return false;
}

bool TPic::load(const std::string& setName) {
  name = setName.substr(0, MaxNameLength);
  // A set is read from "pics" only.
  if (!DataNameStaysInside(name)) return decode(setName, nullptr, nullptr);
  auto cmp = ReadFileBytes(NativePath("pics\\" + name + ".cmp"), 64u << 20);
  if (!cmp) return decode(setName, nullptr, nullptr);
  auto shd = ReadFileBytes(NativePath("pics\\" + name + ".shd"), 64u << 20);
  return decode(setName, &*cmp, shd ? &*shd : nullptr);
}

bool TPic::decode(const std::string& setName, const std::vector<uint8_t>* cmp,
                  const std::vector<uint8_t>* shd) {
  name = setName.substr(0, MaxNameLength);
  error = false;
  errorText.clear();
  frames.clear();
  frameCount = 0;
  if (!cmp) return fail("Couldn't open " + name + ".cmp");
  if (!decodeCmp(*cmp)) return false;
  if (!shd) return fail("Couldn't open " + name + ".shd");
  return decodeShd(*shd);
}

void IndexFrameRows(TPicFrame& frame, int frameWidth, int frameHeight) {
  frame.rows.clear();
  ByteReader in(frame.data);
  frame.left = in.u8();
  frame.top = in.u8();
  frame.right = in.u8();
  frame.bottom = in.u8();
  if (in.failed()) {
    frame.right = frame.bottom = -1;
    return;
  }
  for (int row = frame.top; row <= frame.bottom; ++row) {
    uint8_t first = in.u8();
    if (in.failed()) return;
    if (first == 255) continue;
    uint8_t last = in.u8();
    if (in.failed() || last < first) return;
    uint32_t offset = static_cast<uint32_t>(in.position());
    size_t pairs = static_cast<size_t>(last - first + 1);
    if (!in.skip(2 * pairs)) return;  // the row overruns its frame's data
    if (row >= frameHeight || first >= frameWidth) continue;
    int clippedLast = std::min<int>(last, frameWidth - 1);
    frame.rows.push_back({static_cast<int16_t>(row), first, static_cast<uint8_t>(clippedLast), offset});
  }
}

bool TPic::decodeCmp(const std::vector<uint8_t>& bytes) {
  ByteReader in(bytes);
  const std::string readError = "Error in reading " + name + ".cmp";
  int32_t n = in.i32();
  frameWidth = in.i32();
  frameHeight = in.i32();
  hotspotX = in.i32();
  hotspotY = in.i32();
  if (in.failed() || n < 0 || frameWidth < 0 || frameHeight < 0 || frameWidth > MaxFrameSide ||
      frameHeight > MaxFrameSide) {
    frameWidth = frameHeight = 0;
    return fail(readError);
  }
  frameCount = n;
  // Each frame record takes at least its size word, so a count beyond the bytes left
  // cannot be honest; the frames are added as they are read rather than reserved.
  for (int32_t f = 0; f < n; ++f) {
    int32_t size = in.i32();
    if (in.failed() || size < 0 || static_cast<size_t>(size) > in.remaining()) return fail(readError);
    TPicFrame frame;
    frame.data.resize(static_cast<size_t>(size));
    in.bytes(frame.data.data(), frame.data.size());
    IndexFrameRows(frame, frameWidth, frameHeight);
    frames.push_back(std::move(frame));
  }
  for (TPicFrame& frame : frames) {
    TPicBoundary& b = frame.boundary;
    int32_t kind = in.i32();
    if (in.failed()) return fail(readError);
    if (kind == NoBoundary) continue;
    if (kind == PolygonBoundary) {
      for (int k = 0; k < 4; ++k) {
        b.px[k] = in.f32();
        b.py[k] = in.f32();
      }
    } else if (kind == CircleBoundary) {
      b.radius = in.f32();
    } else {
      return fail("Unknown boundary");
    }
    b.bottom = in.f32();
    b.top = in.f32();
    if (in.failed()) return fail(readError);
    b.kind = kind;
  }
  return true;
}

bool TPic::decodeShd(const std::vector<uint8_t>& bytes) {
  ByteReader in(bytes);
  const std::string readError = "Error reading " + name + ".shd";
  in.skip(20);
  for (TPicFrame& frame : frames) {
    int32_t size = in.i32();
    int32_t count = in.i32();
    if (in.failed() || size < 0 || count < 0 || static_cast<size_t>(size) > in.remaining())
      return fail(readError);
    frame.shadowCount = count;
    size_t entries = std::min<size_t>(static_cast<size_t>(count), static_cast<size_t>(size) / 4);
    size_t end = in.position() + static_cast<size_t>(size);
    frame.shadow.reserve(entries);
    for (size_t e = 0; e < entries; ++e) {
      TShadowEntry s{in.u8(), in.u8(), in.u8(), in.u8()};
      // Entries outside the frame would paint beyond what a moving sprite saves.
      if (s.column < frameWidth && s.row < frameHeight) frame.shadow.push_back(s);
    }
    in.seek(end);
  }
  return true;
}
