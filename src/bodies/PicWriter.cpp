#include "bodies/PicWriter.h"

#include <algorithm>

#include "platform/ByteIO.h"

TPicSource::Frame& TPicSource::addFrame() {
  Frame& f = frames.emplace_back();
  f.colour.assign(static_cast<size_t>(width) * height, 0);
  f.depth.assign(static_cast<size_t>(width) * height, 0);
  return f;
}

std::vector<uint8_t> EncodeFrameData(const TPicSource& set, const TPicSource::Frame& frame) {
  const int w = std::min(set.width, TPicSource::MaxSide), h = std::min(set.height, TPicSource::MaxSide);
  auto solid = [&](int x, int y) { return frame.depth[static_cast<size_t>(y) * set.width + x] != 0; };
  int left = w, top = h, right = -1, bottom = -1;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (solid(x, y)) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  ByteWriter out;
  if (right < 0) {  // nothing drawn: one empty row
    for (uint8_t b : {0, 0, 0, 0, 255}) out.u8(b);
    return out.data();
  }
  for (int v : {left, top, right, bottom}) out.u8(static_cast<uint8_t>(v));
  for (int y = top; y <= bottom; ++y) {
    int first = -1, last = -1;
    for (int x = left; x <= right; ++x)
      if (solid(x, y)) {
        if (first < 0) first = x;
        last = x;
      }
    if (first < 0) {
      out.u8(255);
      continue;
    }
    out.u8(static_cast<uint8_t>(first));
    out.u8(static_cast<uint8_t>(last));
    for (int x = first; x <= last; ++x) {
      size_t at = static_cast<size_t>(y) * set.width + x;
      out.u8(frame.depth[at]);
      out.u8(frame.colour[at]);
    }
  }
  return out.data();
}

std::vector<uint8_t> EncodeCmp(const TPicSource& set) {
  ByteWriter out;
  for (int v : {static_cast<int>(set.frames.size()), set.width, set.height, set.hotspotX, set.hotspotY})
    out.i32(v);
  for (const auto& frame : set.frames) {
    auto data = EncodeFrameData(set, frame);
    out.i32(static_cast<int32_t>(data.size()));
    out.bytes(data.data(), data.size());
  }
  for (const auto& frame : set.frames) {
    const TPicBoundary& b = frame.boundary;
    out.i32(b.kind);
    if (b.kind == PolygonBoundary) {
      for (int k = 0; k < 4; ++k) {
        out.f32(b.px[k]);
        out.f32(b.py[k]);
      }
    } else if (b.kind == CircleBoundary) {
      out.f32(b.radius);
    }
    if (b.kind != NoBoundary) {
      out.f32(b.bottom);
      out.f32(b.top);
    }
  }
  return out.data();
}

std::vector<uint8_t> EncodeShd(const TPicSource& set) {
  ByteWriter out;
  for (int k = 0; k < 5; ++k) out.i32(0);
  for (const auto& frame : set.frames) {
    out.i32(static_cast<int32_t>(frame.shadow.size() * 4));
    out.i32(static_cast<int32_t>(frame.shadow.size()));
    for (const TShadowEntry& s : frame.shadow) {
      out.u8(s.column);
      out.u8(s.row);
      out.u8(s.low);
      out.u8(s.high);
    }
  }
  return out.data();
}
