#include "bodies/PicDraw.h"

#include <algorithm>
#include <cmath>

int SpriteDepthBase(float z, int sy, int hotspotY) {
  return static_cast<int>(std::floor(z * 68.27 + 0.5)) + sy + hotspotY;
}

namespace {
inline int16_t ClampDepth(int v) { return static_cast<int16_t>(std::clamp(v, -32768, 32767)); }
}  // namespace

namespace {
// One frame's rows; the shaded and the plain form are separate loops (the ground tiles
// and the sprites draw millions of pixels a second between them).
template <bool Shaded>
void DrawRows(const TPicFrame& frame, const TDrawTarget& t, int ox, int oy, int base, const uint8_t* shadeMap) {
  const uint8_t* data = frame.data.data();
  for (const TFrameRow& r : frame.rows) {
    int y = oy + r.row;
    if (y < 0 || y >= t.height) continue;
    int first = std::max<int>(r.first, -ox);
    int last = std::min<int>(r.last, t.width - 1 - ox);
    if (first > last) continue;
    const uint8_t* pair = data + r.offset + 2 * (first - r.first);
    uint8_t* pix = t.pixels + static_cast<size_t>(y) * t.width + ox;
    int16_t* dep = t.depth + static_cast<size_t>(y) * t.width + ox;
    for (int c = first; c <= last; ++c, pair += 2) {
      int d = pair[0];
      if (d == 0) continue;
      int value = base + d;
      if (dep[c] >= value) continue;
      dep[c] = ClampDepth(value);
      if constexpr (Shaded) pix[c] = shadeMap[pair[1]];
      else pix[c] = pair[1];
    }
  }
}
}  // namespace

void DrawFrame(const TPic& pic, int f, const TDrawTarget& t, int ox, int oy, int base,
               const uint8_t* shadeMap) {
  if (!pic.hasFrame(f) || !t.pixels) return;
  const TPicFrame& frame = pic.frames[static_cast<size_t>(f)];
  if (shadeMap) DrawRows<true>(frame, t, ox, oy, base, shadeMap);
  else DrawRows<false>(frame, t, ox, oy, base, nullptr);
}

void DrawShadow(const TPic& pic, int f, const TDrawTarget& t, int ox, int oy, int base) {
  if (!pic.hasFrame(f) || !t.pixels) return;
  const int limit = std::min(oy + pic.frameHeight, t.height);
  for (const TShadowEntry& s : pic.frames[static_cast<size_t>(f)].shadow) {
    int x = ox + s.column;
    if (x < 0 || x >= t.width) continue;
    int y = ((oy + s.row) | 1) + (x & 1);
    if (y >= limit) continue;
    int low = base + s.low, high = base + s.high;
    if (y < 0) {
      low += y / 2;
      high += y / 2;
      y &= 1;
    }
    for (; y < limit; y += 2, --low, --high) {
      size_t at = static_cast<size_t>(y) * t.width + x;
      int d = t.depth[at];
      if (d >= low && d < high) t.pixels[at] = 0;
    }
  }
}
