#include <gtest/gtest.h>

#include <algorithm>

#include "bodies/Boundary.h"
#include "bodies/Pic.h"
#include "bodies/PicDraw.h"
#include "bodies/PicWriter.h"
#include "platform/ByteIO.h"

namespace {

// A 4 x 3 set with two frames: an L of three pixels with rising depths, and an empty one.
TPicSource SmallSet() {
  TPicSource set(4, 3, 1, 2);
  auto& f = set.addFrame();
  auto put = [&](int x, int y, uint8_t d, uint8_t c) {
    f.depth[static_cast<size_t>(y) * 4 + x] = d;
    f.colour[static_cast<size_t>(y) * 4 + x] = c;
  };
  put(1, 0, 10, 21);
  put(1, 1, 20, 22);
  put(3, 1, 30, 23);
  f.boundary.kind = PolygonBoundary;
  float xs[4] = {0, 1, 1, 0}, ys[4] = {0, 0, 1, 1};
  for (int k = 0; k < 4; ++k) f.boundary.px[k] = xs[k], f.boundary.py[k] = ys[k];
  f.boundary.bottom = 0, f.boundary.top = 0.5f;
  f.shadow.push_back({2, 0, 5, 9});
  auto& g = set.addFrame();
  g.boundary.kind = CircleBoundary;
  g.boundary.radius = 0.25f;
  g.boundary.top = 1;
  return set;
}

TPic Decode(const TPicSource& set, const char* name = "small") {
  auto cmp = EncodeCmp(set), shd = EncodeShd(set);
  TPic pic;
  pic.decode(name, &cmp, &shd);
  return pic;
}

struct Buffer {
  Buffer(int w, int h, int16_t d) : width(w), height(h), pixels(size_t(w) * h, 7), depth(size_t(w) * h, d) {}
  TDrawTarget target() { return {pixels.data(), depth.data(), width, height}; }
  uint8_t& px(int x, int y) { return pixels[size_t(y) * width + x]; }
  int16_t& dp(int x, int y) { return depth[size_t(y) * width + x]; }
  int width, height;
  std::vector<uint8_t> pixels;
  std::vector<int16_t> depth;
};

TEST(PictureSet, WriterAndReaderRoundTripFramesBoundariesAndShadows) {
  TPic pic = Decode(SmallSet());
  ASSERT_FALSE(pic.error) << pic.errorText;
  EXPECT_EQ(pic.count(), 2);
  EXPECT_EQ(pic.frameWidth, 4);
  EXPECT_EQ(pic.hotspotY, 2);
  const TPicFrame& f = pic.frames[0];
  EXPECT_EQ(f.left, 1);
  EXPECT_EQ(f.right, 3);
  EXPECT_EQ(f.bottom, 1);
  ASSERT_EQ(f.rows.size(), 2u);
  EXPECT_EQ(f.rows[1].first, 1);
  EXPECT_EQ(f.rows[1].last, 3);
  EXPECT_EQ(f.boundary.kind, PolygonBoundary);
  EXPECT_FLOAT_EQ(f.boundary.top, 0.5f);
  ASSERT_EQ(f.shadow.size(), 1u);
  EXPECT_EQ(f.shadow[0].high, 9);
  EXPECT_EQ(pic.frames[1].boundary.kind, CircleBoundary);
  EXPECT_FLOAT_EQ(pic.frames[1].boundary.radius, 0.25f);
  EXPECT_TRUE(pic.frames[1].rows.empty());
}

TEST(PictureSet, BadFilesGiveTheirErrorTextsAndLeaveNoFrames) {
  auto cmp = EncodeCmp(SmallSet()), shd = EncodeShd(SmallSet());
  TPic pic;
  EXPECT_FALSE(pic.decode("rock", nullptr, nullptr));
  EXPECT_EQ(pic.errorText, "Couldn't open rock.cmp");
  EXPECT_FALSE(pic.decode("rock", &cmp, nullptr));
  EXPECT_EQ(pic.errorText, "Couldn't open rock.shd");
  EXPECT_EQ(pic.count(), 0);  // the frames read before the fault are not shown
  EXPECT_FALSE(pic.hasFrame(0));

  auto shortShd = shd;
  shortShd.resize(26);
  EXPECT_FALSE(pic.decode("rock", &cmp, &shortShd));
  EXPECT_EQ(pic.errorText, "Error reading rock.shd");
  EXPECT_EQ(pic.count(), 0);

  // The first frame's size is made to run past the end of the file.
  auto pastEnd = cmp;
  pastEnd[20] = 0xff, pastEnd[21] = 0xff;
  EXPECT_FALSE(pic.decode("rock", &pastEnd, &shd));
  EXPECT_EQ(pic.errorText, "Error in reading rock.cmp");
  EXPECT_EQ(pic.count(), 0);

  // Boundary kind 3 where the second frame's circle was.
  auto kind3 = cmp;
  size_t at = kind3.size() - 16;  // kind, radius, bottom, top
  kind3[at] = 3;
  EXPECT_FALSE(pic.decode("rock", &kind3, &shd));
  EXPECT_EQ(pic.errorText, "Unknown boundary");
  EXPECT_EQ(pic.count(), 0);

  ByteWriter huge;
  for (int v : {1, 1 << 30, 4, 0, 0}) huge.i32(v);
  EXPECT_FALSE(pic.decode("rock", &huge.data(), &shd));
  EXPECT_EQ(pic.errorText, "Error in reading rock.cmp");
  EXPECT_EQ(pic.frameWidth, 0);
}

TEST(PictureSet, RowsThatOverrunTheirFrameEndItThere) {
  TPicFrame f;
  f.data = {0, 0, 3, 2, /*row 0*/ 0, 1, 5, 9, 6, 9, /*row 1 claims 4 pixels*/ 0, 3, 5, 9};
  IndexFrameRows(f, 4, 3);
  ASSERT_EQ(f.rows.size(), 1u);
  EXPECT_EQ(f.rows[0].last, 1);
  // Pixels beyond the frame rectangle are cut off.
  TPicFrame wide;
  wide.data = {0, 0, 5, 0, 0, 5, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
  IndexFrameRows(wide, 3, 3);
  ASSERT_EQ(wide.rows.size(), 1u);
  EXPECT_EQ(wide.rows[0].last, 2);
}

TEST(FrameDrawing, PixelsLandOnlyWhereTheDepthBufferIsFarther) {
  TPic pic = Decode(SmallSet());
  Buffer buf(6, 4, 100);
  buf.dp(2, 2) = 125;  // nearer than base 100 + depth 20
  buf.dp(4, 2) = 129;  // farther than 100 + 30
  DrawFrame(pic, 0, buf.target(), 1, 1, 100);
  EXPECT_EQ(buf.px(2, 1), 21);
  EXPECT_EQ(buf.dp(2, 1), 110);
  EXPECT_EQ(buf.px(2, 2), 7);
  EXPECT_EQ(buf.dp(2, 2), 125);
  EXPECT_EQ(buf.px(4, 2), 23);
  EXPECT_EQ(buf.dp(4, 2), 130);
  EXPECT_EQ(buf.px(3, 2), 7);  // depth 0 inside a row is transparent
  int changed = 0;
  for (uint8_t p : buf.pixels) changed += p != 7;
  EXPECT_EQ(changed, 2);

  // Clipped at the left and top edges without touching memory outside.
  Buffer clip(2, 2, 0);
  DrawFrame(pic, 0, clip.target(), -1, -1, 0);
  EXPECT_EQ(clip.px(0, 0), 22);
  EXPECT_EQ(clip.px(1, 0), 7);
}

// Wide rows with holes, drawn at every kind of place and depth base into a buffer of
// mixed depths, against the rule pixel by pixel: a nonzero depth lands where the buffer
// holds something strictly farther, and the stored depth is clamped to 16 bits.
TEST(FrameDrawing, WideRowsFollowThePixelRuleAtEveryPlaceAndBase) {
  uint32_t seed = 12345;
  auto next = [&](int n) {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 8) % static_cast<uint32_t>(n));
  };
  TPicSource set(53, 9, 0, 0);
  auto& f = set.addFrame();
  for (size_t at = 0; at < f.depth.size(); ++at) {
    f.depth[at] = next(5) == 0 ? 0 : static_cast<uint8_t>(1 + next(255));
    f.colour[at] = static_cast<uint8_t>(next(256));
  }
  TPic pic = Decode(set, "wide");
  const int bases[] = {-40000, -32768, -32700, -200, 0, 37, 500, 32512, 32513, 32700, 40000};
  for (int round = 0; round < 60; ++round) {
    const int ox = next(80) - 30, oy = next(14) - 4, base = bases[round % 11];
    Buffer buf(50, 10, 0), want(50, 10, 0);
    for (size_t at = 0; at < buf.depth.size(); ++at) {
      buf.pixels[at] = want.pixels[at] = static_cast<uint8_t>(next(256));
      buf.depth[at] = want.depth[at] = static_cast<int16_t>(base + next(300) - 20);
    }
    DrawFrame(pic, 0, buf.target(), ox, oy, base);
    for (int y = 0; y < set.height; ++y)
      for (int x = 0; x < set.width; ++x) {
        const int tx = ox + x, ty = oy + y;
        const size_t from = static_cast<size_t>(y) * set.width + x;
        if (tx < 0 || ty < 0 || tx >= want.width || ty >= want.height || f.depth[from] == 0) continue;
        const int value = base + f.depth[from];
        if (want.dp(tx, ty) >= value) continue;
        want.dp(tx, ty) = static_cast<int16_t>(std::clamp(value, -32768, 32767));
        want.px(tx, ty) = f.colour[from];
      }
    ASSERT_EQ(buf.depth, want.depth) << "round " << round;
    ASSERT_EQ(buf.pixels, want.pixels) << "round " << round;
  }
}

TEST(FrameDrawing, ShadeMapGivesEachColourByteItsPaletteIndex) {
  TPic pic = Decode(SmallSet());
  uint8_t shade[256];
  for (int i = 0; i < 256; ++i) shade[i] = static_cast<uint8_t>(255 - i);
  Buffer buf(4, 3, -30000);
  DrawFrame(pic, 0, buf.target(), 0, 0, 0, shade);
  EXPECT_EQ(buf.px(1, 0), 255 - 21);
  EXPECT_EQ(buf.px(3, 1), 255 - 23);
}

TEST(FrameDrawing, ShadowPaintsACheckerboardInsideItsDepthWindow) {
  TPicSource set(8, 8, 0, 0);
  set.addFrame().shadow.push_back({3, 1, 10, 13});
  TPic pic = Decode(set);
  Buffer buf(8, 8, 0);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) buf.dp(x, y) = static_cast<int16_t>(100 + 10);
  // x = 4: first row (1 | 1) + 0 = 1; window [110, 113) then [109, 112), [108, 111) ...
  DrawShadow(pic, 0, buf.target(), 1, 0, 100);
  EXPECT_EQ(buf.px(4, 1), 0);
  EXPECT_EQ(buf.px(4, 3), 0);
  EXPECT_EQ(buf.px(4, 5), 0);
  EXPECT_EQ(buf.px(4, 7), 7);  // window [107, 110) no longer holds 110
  EXPECT_EQ(buf.px(4, 2), 7);
  EXPECT_EQ(buf.px(3, 1), 7);
  // An odd column starts one row lower, so x + y stays odd.
  Buffer odd(8, 8, 110);
  DrawShadow(pic, 0, odd.target(), 2, 0, 100);
  EXPECT_EQ(odd.px(5, 1), 7);
  EXPECT_EQ(odd.px(5, 2), 0);
  // Above the top: the window moves by y0 / 2 and the rows restart at y0 AND 1.
  Buffer up(8, 8, 108);
  DrawShadow(pic, 0, up.target(), 1, -6, 100);  // y0 = -5: window [108, 111), rows 1, 3, ...
  EXPECT_EQ(up.px(4, 1), 0);
  EXPECT_EQ(up.px(4, 0), 7);
}

TPicBoundary Square(float x0, float y0, float side) {
  TPicBoundary b;
  b.kind = PolygonBoundary;
  float xs[4] = {x0, x0 + side, x0 + side, x0}, ys[4] = {y0, y0, y0 + side, y0 + side};
  for (int k = 0; k < 4; ++k) b.px[k] = xs[k], b.py[k] = ys[k];
  b.top = 1;
  return b;
}

TPicBoundary Circle(float r) {
  TPicBoundary b;
  b.kind = CircleBoundary;
  b.radius = r;
  b.top = 1;
  return b;
}

TEST(Boundaries, OverlapOfPolygonsCirclesAndMixedPairs) {
  TBoundary a(Square(0, 0, 1), 2, 2, 0);
  EXPECT_TRUE(a.overlaps(TBoundary(Square(0, 0, 1), 2.5f, 2.5f, 0)));
  EXPECT_FALSE(a.overlaps(TBoundary(Square(0, 0, 1), 3.2f, 2, 0)));
  EXPECT_FALSE(a.overlaps(TBoundary(Square(0, 0, 1), 2.5f, 2.5f, 1.5f)));  // above its top
  // A diamond whose bounding box meets the square's but whose sides do not.
  TPicBoundary diamond;
  diamond.kind = PolygonBoundary;
  float dx[4] = {0.5f, 1, 0.5f, 0}, dy[4] = {0, 0.5f, 1, 0.5f};
  for (int k = 0; k < 4; ++k) diamond.px[k] = dx[k], diamond.py[k] = dy[k];
  diamond.top = 1;
  EXPECT_FALSE(a.overlaps(TBoundary(diamond, 2.8f, 2.8f, 0)));
  EXPECT_TRUE(a.overlaps(TBoundary(diamond, 2.4f, 2.4f, 0)));

  TBoundary c(Circle(0.5f), 5, 5, 0);
  EXPECT_TRUE(c.overlaps(TBoundary(Circle(0.5f), 5.9f, 5, 0)));
  EXPECT_FALSE(c.overlaps(TBoundary(Circle(0.5f), 5.8f, 5.8f, 0)));

  EXPECT_TRUE(a.overlaps(TBoundary(Circle(0.3f), 3.2f, 2.5f, 0)));   // cuts an edge
  EXPECT_TRUE(TBoundary(Circle(0.1f), 2.5f, 2.5f, 0).overlaps(a));   // centre inside
  EXPECT_FALSE(a.overlaps(TBoundary(Circle(0.3f), 3.25f, 3.25f, 0))); // near the corner only
  EXPECT_FALSE(a.overlaps(TBoundary()));
}

TEST(Boundaries, ContainmentAndSurfaceWidth) {
  TBoundary a(Square(-0.5f, -0.5f, 1), 3, 3, 0);
  EXPECT_TRUE(a.contains(3.4f, 2.6f));
  EXPECT_FALSE(a.contains(3.6f, 3));
  EXPECT_EQ(a.surfaceWidth(3), 100);  // 1 x 300 capped
  EXPECT_EQ(a.surfaceWidth(4), 0);
  TBoundary thin(Square(0, 0, 0.1f), 0, 0, 0);
  EXPECT_EQ(thin.surfaceWidth(0.05f), 30);
  TBoundary c(Circle(0.2f), 1, 1, 0);
  EXPECT_TRUE(c.contains(1.1f, 1.1f));
  EXPECT_FALSE(c.contains(1.19f, 1.19f));
  EXPECT_EQ(c.surfaceWidth(1), 60);
}

}  // namespace
