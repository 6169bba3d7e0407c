// The world's picture sets: the ground tiles, the camera arrow and the scenery.
#include <algorithm>
#include <cmath>

#include "AssetSink.h"
#include "Canvas.h"
#include "Solid.h"
#include "bodies/PicWriter.h"
#include "world/TerrainShades.h"

namespace {
const double Pi = 3.14159265358979323846;

void WriteSet(AssetSink& sink, const std::string& name, const TPicSource& set) {
  sink.Write("pics\\" + name + ".cmp", EncodeCmp(set));
  sink.Write("pics\\" + name + ".shd", EncodeShd(set));
}

// Height of the tile surface above the tile's reference corner at a cell fraction, by
// the same triangles the world stands critters on.
double TileRise(int frame, double fx, double fy) {
  int tri = fx >= fy ? (fx + fy > 1 ? 2 : 3) : (fx + fy >= 1 ? 1 : 0);
  static const int kinds[16][4] = {{0, 0, 0, 0}, {2, 2, 3, 3}, {1, 3, 3, 1}, {3, 3, 3, 3}, {4, 4, 1, 1}, {2, 4, 1, 3},
                                   {1, 1, 1, 1}, {3, 1, 1, 3}, {4, 2, 2, 4}, {2, 2, 2, 2}, {1, 3, 2, 4}, {3, 3, 2, 2},
                                   {4, 4, 4, 4}, {2, 4, 4, 2}, {1, 1, 4, 4}, {0, 0, 0, 0}};
  double slope[5] = {0, 0.2 * fy, 0.2 * (1 - fy), 0.2 * (1 - fx), 0.2 * fx};
  return ((frame & 1) ? -0.2 : 0.0) + slope[kinds[frame][tri]];
}

// "grass" (and "earth", "sand"): one frame per slope shape. The colour byte of a pixel is the shade-map entry of
// the cell fraction it shows (row = x part, column = y part), so the world's lighting and
// dither colour it; depth bytes follow the surface so neighbouring tiles meet cleanly.
void Grass(AssetSink& sink) {
  TPicSource set(86, 62, 43, 2);
  for (int f = 0; f < 16; ++f) {
    auto& fr = set.addFrame();
    const int n = 260;
    for (int i = -3; i <= n + 3; ++i)
      for (int j = -3; j <= n + 3; ++j) {
        double fx = static_cast<double>(i) / n, fy = static_cast<double>(j) / n;
        double cfx = std::clamp(fx, 0.0, 1.0), cfy = std::clamp(fy, 0.0, 1.0);
        double dz = TileRise(f, cfx, cfy);
        int px = static_cast<int>(std::floor(set.hotspotX + ScreenU(fx, fy)));
        int py = static_cast<int>(std::floor(set.hotspotY + ScreenV(fx, fy, dz)));
        if (px < 0 || py < 0 || px >= set.width || py >= set.height) continue;
        size_t at = static_cast<size_t>(py) * set.width + px;
        int depth = DepthByte(cfx, cfy, dz, set.hotspotY);
        if (fr.depth[at] >= depth) continue;
        fr.depth[at] = static_cast<uint8_t>(depth);
        fr.colour[at] = static_cast<uint8_t>(std::lround(cfx * 15) * 16 + std::lround(cfy * 15));
      }
  }
  WriteSet(sink, "grass", set);
  // The same tiles under the names that choose the other grounds: the picture only says
  // where each shade lands, the world's ground tables give the colours.
  WriteSet(sink, GroundPictureName(TGround::Earth), set);
  WriteSet(sink, GroundPictureName(TGround::Sand), set);
}

// "arrow": a red arrow pointing down at the followed critter, turning once in 12 frames.
void Arrow(AssetSink& sink) {
  TPicSource set(40, 64, 20, 60);
  for (int f = 0; f < 12; ++f) {
    Solid s;
    double a = f * 2 * Pi / 12;
    Rgb red{230, 40, 30}, gold{250, 210, 60};
    s.tube(0, 0, 1.15, 0, 0, 0.45, 0.06, 0.06, red, 16);
    for (int k = 0; k < 8; ++k) {  // the head: a cone of shrinking rings
      double r = 0.16 * (1 - k / 8.0), z = 0.42 - k * 0.045;
      s.blobs.push_back({0, 0, z, r + 0.01, r + 0.01, 0.03, k % 2 ? red : gold, 0.6});
    }
    // A fin that turns with the frame, so the spin shows.
    s.blobs.push_back({0.12 * std::cos(a), 0.12 * std::sin(a), 0.95, 0.1, 0.1, 0.12, gold, 0.5});
    s.blobs.back().rx = 0.02 + 0.1 * std::fabs(std::cos(a));
    s.blobs.back().ry = 0.02 + 0.1 * std::fabs(std::sin(a));
    auto& fr = set.addFrame();
    RenderSolid(s, sink.palette(), set, fr, false);
    for (auto& d : fr.depth)
      if (d) d = 255;  // always in front
  }
  WriteSet(sink, "arrow", set);
}

TPicBoundary CircleOf(double r, double top) {
  TPicBoundary b;
  b.kind = CircleBoundary;
  b.radius = static_cast<float>(r);
  b.top = static_cast<float>(top);
  return b;
}

// A rectangle around the segment from a to b, half-width w, as a four-point boundary.
TPicBoundary StripOf(double ax, double ay, double bx, double by, double w, double top) {
  double dx = bx - ax, dy = by - ay, len = std::sqrt(dx * dx + dy * dy);
  double nx = -dy / len * w, ny = dx / len * w;
  TPicBoundary b;
  b.kind = PolygonBoundary;
  double xs[4] = {ax + nx, bx + nx, bx - nx, ax - nx}, ys[4] = {ay + ny, by + ny, by - ny, ay - ny};
  for (int k = 0; k < 4; ++k) b.px[k] = static_cast<float>(xs[k]), b.py[k] = static_cast<float>(ys[k]);
  b.top = static_cast<float>(top);
  return b;
}

double Noise(int a, int b) {
  unsigned h = static_cast<unsigned>(a) * 374761393u + static_cast<unsigned>(b) * 668265263u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return ((h ^ (h >> 16)) & 0xffff) / 65535.0;
}

// "stone": four pebbles and rocks of grey and sand colours.
void Stone(AssetSink& sink) {
  TPicSource set(64, 48, 28, 28);
  const Rgb tones[4] = {{150, 150, 145}, {175, 160, 130}, {120, 125, 130}, {190, 185, 175}};
  for (int f = 0; f < 4; ++f) {
    Solid s;
    double r = 0.16 + 0.04 * f;
    s.blobs.push_back({0, 0, r * 0.35, r, r * (0.75 + 0.1 * f), r * 0.6, tones[f], 0.25});
    for (int k = 0; k < 3; ++k) {
      double a = (k * 2.1 + f) , d = r * 0.45;
      s.blobs.push_back({d * std::cos(a), d * std::sin(a), r * 0.3, r * 0.6, r * 0.55, r * (0.45 + 0.1 * Noise(f, k)),
                         Mix(tones[f], {90, 90, 90}, 0.25 * Noise(k, f)), 0.2});
    }
    auto& fr = set.addFrame();
    RenderSolid(s, sink.palette(), set, fr);
    fr.boundary = CircleOf(r * 0.95, r * 0.6);
  }
  WriteSet(sink, "stone", set);
}

// "twig": a thin brown twig with a forked end, lying in eight directions.
void Twig(AssetSink& sink) {
  TPicSource set(100, 64, 50, 32);
  const Rgb bark{120, 80, 40};
  for (int f = 0; f < 8; ++f) {
    double a = f * Pi / 8;
    double c = std::cos(a), sn = std::sin(a), L = 0.42;
    Solid s;
    s.tube(-L * c, -L * sn, 0.035, L * c, L * sn, 0.03, 0.035, 0.022, bark);
    double fa = a + 0.6;
    s.tube(0.15 * c, 0.15 * sn, 0.035, 0.15 * c + 0.22 * std::cos(fa), 0.15 * sn + 0.22 * std::sin(fa), 0.03, 0.022,
           0.014, Mix(bark, {160, 120, 70}, 0.3));
    auto& fr = set.addFrame();
    RenderSolid(s, sink.palette(), set, fr);
    fr.boundary = StripOf(-L * c, -L * sn, L * c, L * sn, 0.05, 0.07);
  }
  WriteSet(sink, "twig", set);
}

// "branch": a thick branch a bug can climb, raised on one end, in four directions.
void Branch(AssetSink& sink) {
  TPicSource set(180, 110, 90, 62);
  const Rgb bark{105, 70, 38};
  for (int f = 0; f < 4; ++f) {
    double a = f * Pi / 4;
    double c = std::cos(a), sn = std::sin(a), L = 0.9;
    Solid s;
    s.tube(-L * c, -L * sn, 0.08, L * c, L * sn, 0.16, 0.09, 0.06, bark);
    for (int k = 0; k < 10; ++k) {  // knots and bark ridges
      double t = -0.8 + 0.17 * k;
      s.blobs.push_back({t * c, t * sn, 0.12 + 0.04 * t, 0.05, 0.05, 0.05, Mix(bark, {60, 40, 20}, Noise(k, f)), 0});
    }
    double sa = a + 0.9;
    s.tube(0.3 * c, 0.3 * sn, 0.14, 0.3 * c + 0.35 * std::cos(sa), 0.3 * sn + 0.35 * std::sin(sa), 0.28, 0.05, 0.03,
           bark);
    s.blob(0.3 * c + 0.38 * std::cos(sa), 0.3 * sn + 0.38 * std::sin(sa), 0.3, 0.06, {70, 150, 50}, 0.6);
    auto& fr = set.addFrame();
    RenderSolid(s, sink.palette(), set, fr);
    fr.boundary = StripOf(-L * c, -L * sn, L * c, L * sn, 0.09, 0.22);
  }
  WriteSet(sink, "branch", set);
}

// "plant": leafy plants and a flower: a stalk with broad leaves, in three kinds.
void Plant(AssetSink& sink) {
  TPicSource set(110, 120, 50, 96);
  for (int f = 0; f < 3; ++f) {
    Solid s;
    Rgb leaf = f == 1 ? Rgb{70, 150, 40} : Rgb{40, 170, 60};
    double h = 0.7 + 0.25 * f;
    s.tube(0, 0, 0, 0.02, -0.02, h, 0.045, 0.03, {60, 120, 30});
    int leaves = 9 + 2 * f;
    for (int k = 0; k < leaves; ++k) {
      double a = k * 2.4 + f, z = 0.06 + (h - 0.15) * k / leaves, r = 0.3 * (1 - 0.55 * k / leaves);
      double c = std::cos(a), sn = std::sin(a);
      // A leaf: a flat blob leaning out from the stalk, tipped down at its end.
      s.blobs.push_back({r * 0.55 * c, r * 0.55 * sn, z + 0.03, r * 0.55, r * 0.55, 0.035,
                         Mix(leaf, {20, 90, 20}, 0.6 * Noise(k, f)), 0.35});
      s.blobs.push_back({r * c, r * sn, z - 0.01, r * 0.3, r * 0.3, 0.03, Mix(leaf, {10, 70, 10}, 0.5), 0.2});
    }
    if (f == 2) {
      for (int k = 0; k < 8; ++k) {
        double a = k * Pi / 4;
        s.blobs.push_back({0.02 + 0.08 * std::cos(a), -0.02 + 0.08 * std::sin(a), h, 0.06, 0.06, 0.02, {250, 210, 60}, 0.4});
      }
      s.blob(0.02, -0.02, h + 0.02, 0.05, {200, 90, 30});
    }
    auto& fr = set.addFrame();
    RenderSolid(s, sink.palette(), set, fr);
    fr.boundary = CircleOf(0.1, h);
  }
  WriteSet(sink, "plant", set);
}

void WorldPictures(AssetSink& sink) {
  Grass(sink);
  Arrow(sink);
  Stone(sink);
  Twig(sink);
  Branch(sink);
  Plant(sink);
}
}  // namespace

QUORBIT_ASSETS(world_pictures, WorldPictures);
