#include "bodies/PicDraw.h"

#include <algorithm>
#include <cmath>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

int SpriteDepthBase(float z, int sy, int hotspotY) {
  return static_cast<int>(std::floor(z * 68.27 + 0.5)) + sy + hotspotY;
}

namespace {
inline int16_t ClampDepth(int v) { return static_cast<int16_t>(std::clamp(v, -32768, 32767)); }
}  // namespace

namespace {
#if defined(__SSE2__)
// Eight plain pixels at a time, by the same rule as the loop in DrawRows; only for a base
// whose depths all fit 16 bits, so no depth needs clamping. Returns the first column left.
int DrawPlainEights(const uint8_t*& pair, uint8_t* pix, int16_t* dep, int first, int last, int base) {
  const __m128i depthBase = _mm_set1_epi16(static_cast<int16_t>(base));
  const __m128i lowBytes = _mm_set1_epi16(0x00FF);
  const __m128i zero = _mm_setzero_si128();
  int c = first;
  for (; c + 8 <= last + 1; c += 8, pair += 16) {
    const __m128i pairs = _mm_loadu_si128(reinterpret_cast<const __m128i*>(pair));
    const __m128i d = _mm_and_si128(pairs, lowBytes);
    const __m128i value = _mm_add_epi16(depthBase, d);
    auto* depAt = reinterpret_cast<__m128i*>(dep + c);
    const __m128i old = _mm_loadu_si128(depAt);
    const __m128i take = _mm_andnot_si128(_mm_cmpeq_epi16(d, zero), _mm_cmpgt_epi16(value, old));
    if (_mm_movemask_epi8(take) == 0) continue;
    _mm_storeu_si128(depAt, _mm_or_si128(_mm_and_si128(take, value), _mm_andnot_si128(take, old)));
    auto* pixAt = reinterpret_cast<__m128i*>(pix + c);
    const __m128i takeBytes = _mm_packs_epi16(take, take);
    const __m128i colour = _mm_packus_epi16(_mm_srli_epi16(pairs, 8), zero);
    const __m128i under = _mm_loadl_epi64(pixAt);
    _mm_storel_epi64(pixAt, _mm_or_si128(_mm_and_si128(takeBytes, colour), _mm_andnot_si128(takeBytes, under)));
  }
  return c;
}
#endif

// One frame's rows; the shaded and the plain form are separate loops (the ground tiles
// and the sprites draw millions of pixels a second between them).
template <bool Shaded>
void DrawRows(const TPicFrame& frame, const TDrawTarget& t, int ox, int oy, int base, const uint8_t* shadeMap) {
  const uint8_t* data = frame.data.data();
#if defined(__SSE2__)
  const bool wide = !Shaded && base >= -32768 && base <= 32767 - 255;
#endif
  for (const TFrameRow& r : frame.rows) {
    int y = oy + r.row;
    if (y < 0 || y >= t.height) continue;
    int first = std::max<int>(r.first, -ox);
    int last = std::min<int>(r.last, t.width - 1 - ox);
    if (first > last) continue;
    const uint8_t* pair = data + r.offset + 2 * (first - r.first);
    uint8_t* pix = t.pixels + static_cast<size_t>(y) * t.width + ox;
    int16_t* dep = t.depth + static_cast<size_t>(y) * t.width + ox;
#if defined(__SSE2__)
    if (wide) first = DrawPlainEights(pair, pix, dep, first, last, base);
#endif
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
