// The world objects' picture sets: ball, cube, letter tiles, gate, push button, bulb,
// vehicle, cannon and its ball, and the mushroom. Each frame carries its collision
// boundary; the ones that stand on the ground cast shadows.
#include <cmath>

#include "AssetSink.h"
#include "LetterGlyphs.h"
#include "Solid.h"
#include "bodies/PicWriter.h"

namespace {
const double Pi = 3.14159265358979323846;

void WriteSet(AssetSink& sink, const std::string& name, const TPicSource& set) {
  sink.Write("pics\\" + name + ".cmp", EncodeCmp(set));
  sink.Write("pics\\" + name + ".shd", EncodeShd(set));
}

// A frame big enough for a shape of the given reach around its point and height above
// it (below, for a negative floor), with room on the right for its shadow.
TPicSource SetFor(double reach, double height, double floor = 0) {
  const int half = static_cast<int>(std::ceil(reach * 60)) + 4;
  const int up = static_cast<int>(std::ceil(height * 48 + reach * 34)) + 4;
  const int down = static_cast<int>(std::ceil(reach * 34 - floor * 48)) + 6;
  const int shadow = static_cast<int>(std::ceil(72 * (height - floor)));
  return TPicSource(std::min(TPicSource::MaxSide, 2 * half + shadow), std::min(TPicSource::MaxSide, up + down), half,
                    up);
}

TPicBoundary Circle(double r, double bottom, double top) {
  TPicBoundary b;
  b.kind = CircleBoundary;
  b.radius = static_cast<float>(r);
  b.bottom = static_cast<float>(bottom);
  b.top = static_cast<float>(top);
  return b;
}

// A rectangle from `back` to `front` along the angle and `side` either way across it.
TPicBoundary Rectangle(double angle, double back, double front, double side, double bottom, double top) {
  TPicBoundary b;
  b.kind = PolygonBoundary;
  const double c = std::cos(angle), s = std::sin(angle);
  const double along[4] = {back, front, front, back}, across[4] = {-side, -side, side, side};
  for (int k = 0; k < 4; ++k) {
    b.px[k] = static_cast<float>(along[k] * c - across[k] * s);
    b.py[k] = static_cast<float>(along[k] * s + across[k] * c);
  }
  b.bottom = static_cast<float>(bottom);
  b.top = static_cast<float>(top);
  return b;
}

// Places parts by (along, across, up) in a frame turned by `angle` and leaning with the
// ground kind `tilt` (kinds 1 to 4 rise by 0.2 per cell toward +y, -y, -x and +x).
struct Frame3 {
  double c, s, sx = 0, sy = 0;
  Frame3(double angle, int tilt = 0) : c(std::cos(angle)), s(std::sin(angle)) {
    if (tilt == 1) sy = 0.2;
    if (tilt == 2) sy = -0.2;
    if (tilt == 3) sx = -0.2;
    if (tilt == 4) sx = 0.2;
  }
  void at(double along, double across, double& x, double& y) const {
    x = along * c - across * s;
    y = along * s + across * c;
  }
  void put(Solid& solid, double along, double across, double up, double ra, double rc, double rz, Rgb colour,
           double shine = 0) const {
    double x, y;
    at(along, across, x, y);
    double rx = std::sqrt(ra * ra * c * c + rc * rc * s * s), ry = std::sqrt(ra * ra * s * s + rc * rc * c * c);
    solid.blobs.push_back({x, y, up + sx * x + sy * y, rx, ry, rz, colour, shine});
  }
  void box(Solid& solid, double along, double across, double up, double ha, double hc, double hz, double turn,
           Rgb colour, double shine = 0) const {
    double x, y;
    at(along, across, x, y);
    solid.box(x, y, up, ha, hc, hz, std::atan2(s, c) + turn, colour, shine);
  }
};

// "ball": a beach ball, red with a white and a blue band.
void Ball(AssetSink& sink) {
  const double r = 0.17;
  TPicSource set = SetFor(r + 0.02, 2 * r);
  Solid s;
  s.blobs.push_back({0, 0, r, r, r, r, {220, 40, 35}, 0.7});
  s.blobs.push_back({0, 0, r, r + 0.006, 0.07, r + 0.006, {245, 245, 240}, 0.7});
  s.blobs.push_back({0, 0, r, 0.07, r + 0.006, r + 0.006, {40, 90, 220}, 0.7});
  auto& fr = set.addFrame();
  RenderSolid(s, sink.palette(), set, fr);
  fr.boundary = Circle(r, 0, 2 * r);
  WriteSet(sink, "ball", set);
}

// "cube": three bands of six turns (15 degrees apart; a quarter turn looks the same).
// The first band is a small wooden block an ant can carry, then a stone and a blue block.
void Cube(AssetSink& sink) {
  const double halves[3] = {0.1, 0.18, 0.18};
  const Rgb colours[3] = {{205, 160, 100}, {150, 150, 145}, {70, 110, 210}};
  TPicSource set = SetFor(0.18 * 1.42 + 0.02, 0.36);
  for (int f = 0; f < 18; ++f) {
    const double h = halves[f / 6], a = (f % 6) * Pi / 12;
    Solid s;
    s.box(0, 0, h, h, h, h, a, colours[f / 6], 0.2);
    // A darker inlay on top, so the turn shows.
    const Rgb& c = colours[f / 6];
    s.box(0, 0, 2 * h, h * 0.6, h * 0.15, 0.004, a,
          {static_cast<uint8_t>(c.r / 2), static_cast<uint8_t>(c.g / 2), static_cast<uint8_t>(c.b / 2)});
    auto& fr = set.addFrame();
    RenderSolid(s, sink.palette(), set, fr);
    fr.boundary = Rectangle(a, -h, h, h, 0, 2 * h);
  }
  WriteSet(sink, "cube", set);
}

// "let": a square tile with a raised letter; frames 42 to 83 show it turned upside down.
// The glyph's rows run down the screen and its columns across, so it reads upright.
void Letters(AssetSink& sink) {
  const double half = 0.22, pitch = 0.05, thick = 0.03;
  TPicSource set = SetFor(half * 1.42 + 0.02, 0.1);
  const auto& glyphs = LetterGlyphs();
  for (int f = 0; f < 84; ++f) {
    const char* g = glyphs[static_cast<size_t>(f % 42)];
    const double flip = f >= 42 ? -1 : 1;
    Solid s;
    // Turned 45 degrees: the tile's own x axis runs down the screen, its y axis across.
    const Frame3 tile(Pi / 4);
    tile.box(s, 0, 0, thick / 2, half, half, thick / 2, 0, {235, 225, 195}, 0.2);
    for (int row = 0; row < 7; ++row)
      for (int col = 0; col < 5; ++col)
        if (g[row * 5 + col] == '#')
          tile.box(s, flip * (row - 3) * pitch, flip * (col - 2) * pitch, thick + 0.012, pitch * 0.5,
                   pitch * 0.5, 0.012, 0, {30, 40, 120}, 0.3);
    auto& fr = set.addFrame();
    RenderSolid(s, sink.palette(), set, fr);
    fr.boundary = Rectangle(Pi / 4, -half, half, half, 0, 0.1);
  }
  WriteSet(sink, "let", set);
}

// "gate": a white garden gate hung on a post at the sprite's point, one frame per heading.
void Gate(AssetSink& sink) {
  const double length = 1.0;
  TPicSource set = SetFor(length + 0.05, 0.62);
  for (int f = 0; f < 24; ++f) {
    const Frame3 g(f * Pi / 12);
    Solid s;
    g.box(s, 0, 0, 0.31, 0.05, 0.05, 0.31, 0, {110, 75, 45}, 0.1);
    const Rgb white{235, 235, 225};
    for (double z : {0.15, 0.45}) g.box(s, 0.52, 0, z, 0.47, 0.025, 0.035, 0, white, 0.2);
    for (int k = 0; k < 5; ++k) g.box(s, 0.15 + 0.2 * k, 0, 0.3, 0.03, 0.02, 0.24, 0, white, 0.2);
    g.box(s, length, 0, 0.3, 0.03, 0.03, 0.27, 0, white, 0.2);
    auto& fr = set.addFrame();
    RenderSolid(s, sink.palette(), set, fr);
    fr.boundary = Rectangle(f * Pi / 12, 0, length, 0.06, 0, 0.55);
  }
  WriteSet(sink, "gate", set);
}

// "pushb": a grey block with a red button on one face: four facings (the face looks
// along +x, +y, -x, -y), then the same pressed in, lit.
void PushButtons(AssetSink& sink) {
  TPicSource set = SetFor(0.3, 0.32);
  for (int f = 0; f < 8; ++f) {
    const double a = (f % 4) * Pi / 2;
    const bool pressed = f >= 4;
    const double out = pressed ? 0.015 : 0.06;
    const Frame3 b(a);
    Solid s;
    b.box(s, 0, 0, 0.15, 0.15, 0.15, 0.15, 0, {140, 140, 150}, 0.2);
    const Rgb red = pressed ? Rgb{255, 120, 90} : Rgb{200, 30, 30};
    b.box(s, 0.15 + out / 2, 0, 0.16, out / 2, 0.08, 0.08, 0, red, 0.6);
    b.box(s, 0.12, 0, 0.305, 0.025, 0.12, 0.006, 0, red, 0.3);  // the face's edge, seen from above
    auto& fr = set.addFrame();
    RenderSolid(s, sink.palette(), set, fr);
    fr.boundary = Rectangle(a, -0.15, 0.15 + out, 0.15, 0, 0.3);
  }
  WriteSet(sink, "pushb", set);
}

// "bulb": a glass bulb on a little stand, from dark (frame 0) to full light (frame 20).
void Bulbs(AssetSink& sink) {
  TPicSource set = SetFor(0.16, 0.36);
  for (int f = 0; f < 21; ++f) {
    const double k = f / 20.0;
    auto mix = [k](double dark, double lit) { return static_cast<uint8_t>(dark + (lit - dark) * k); };
    Solid s;
    s.box(0, 0, 0.02, 0.09, 0.09, 0.02, 0, {90, 90, 95}, 0.2);
    s.tube(0, 0, 0.04, 0, 0, 0.14, 0.025, 0.03, {170, 170, 160});
    s.blobs.push_back({0, 0, 0.23, 0.1, 0.1, 0.11, {mix(80, 255), mix(80, 250), mix(75, 150)}, 0.3 + 0.6 * k});
    auto& fr = set.addFrame();
    RenderSolid(s, sink.palette(), set, fr);
    fr.boundary = Circle(0.12, 0, 0.34);
  }
  WriteSet(sink, "bulb", set);
}

// "vehicle": a little cart with two headlamp eyes, its body 0.25 above the ground it
// stands on. Frames 0 to 47 turn it on flat ground in steps of 7.5 degrees; then four
// bands of 24 headings lean it on the ground kinds 1 to 4.
void Vehicle(AssetSink& sink) {
  const double lift = 0.25;
  TPicSource set = SetFor(0.3, 0.12, -lift);
  auto draw = [&](double angle, int tilt) {
    const Frame3 v(angle, tilt);
    Solid s;
    const Rgb body{40, 120, 200}, tyre{30, 30, 30}, eye{255, 230, 90};
    for (int k = -2; k <= 2; ++k) v.put(s, 0.06 * k, 0, -lift + 0.12, 0.09, 0.13, 0.06, body, 0.5);
    v.put(s, -0.03, 0, -lift + 0.18, 0.09, 0.08, 0.05, {150, 200, 240}, 0.7);
    for (double along : {-0.12, 0.12})
      for (int side : {-1, 1}) v.put(s, along, 0.14 * side, -lift + 0.06, 0.06, 0.03, 0.06, tyre, 0.2);
    for (int side : {-1, 1}) v.put(s, 0.18, 0.07 * side, -lift + 0.14, 0.03, 0.03, 0.03, eye, 0.9);
    auto& fr = set.addFrame();
    RenderSolid(s, sink.palette(), set, fr, true, -lift);
    fr.boundary = Circle(0.22, -lift + 0.02, 0);
  };
  for (int f = 0; f < 48; ++f) draw(f * Pi / 24, 0);
  for (int tilt = 1; tilt <= 4; ++tilt)
    for (int h = 0; h < 24; ++h) draw(h * Pi / 12, tilt);
  WriteSet(sink, "vehicle", set);
}

// "cann": a bronze barrel on a carriage with two spoked wheels; frame = wheel phase x 24
// + heading, and frame 48 the wrecked cannon.
void Cannon(AssetSink& sink) {
  TPicSource set = SetFor(0.42, 0.5);
  const Rgb bronze{175, 120, 50}, wood{120, 80, 45}, iron{50, 50, 55};
  // Each wheel a ring of small balls in its own upright plane, so it reads as a wheel from
  // every side, with four spokes that the wheel phase turns by an eighth.
  auto wheels = [&](Solid& s, const Frame3& c, double turn) {
    const double r = 0.13, hubZ = 0.14;
    for (int side : {-1, 1}) {
      for (int k = 0; k < 16; ++k) {
        const double a = k * Pi / 8;
        c.put(s, r * std::cos(a), 0.17 * side, hubZ + r * std::sin(a), 0.028, 0.028, 0.028, wood, 0.2);
      }
      for (int k = 0; k < 4; ++k) {
        const double a = turn + k * Pi / 2;
        for (int j = 1; j <= 3; ++j)
          c.put(s, r * j / 4 * std::cos(a), 0.17 * side, hubZ + r * j / 4 * std::sin(a), 0.014, 0.014, 0.014, iron);
      }
      c.put(s, 0, 0.17 * side, hubZ, 0.03, 0.03, 0.03, iron, 0.4);
    }
  };
  for (int f = 0; f < 48; ++f) {
    const Frame3 c(f % 24 * Pi / 12);
    Solid s;
    for (int k = 0; k <= 4; ++k) c.put(s, -0.22 + 0.07 * k, 0, 0.12, 0.05, 0.05, 0.04, wood, 0.1);  // the trail
    for (int k = 0; k <= 10; ++k) {
      const double t = k / 10.0;
      const double r = 0.08 - 0.03 * t;
      c.put(s, -0.16 + 0.5 * t, 0, 0.24 + 0.1 * t, r, r, r, bronze, 0.6);
    }
    c.put(s, 0.35, 0, 0.35, 0.06, 0.06, 0.06, bronze, 0.6);  // the muzzle's lip
    c.put(s, 0.37, 0, 0.35, 0.03, 0.03, 0.03, iron);         // and its mouth
    wheels(s, c, (f / 24) * Pi / 4);
    auto& fr = set.addFrame();
    RenderSolid(s, sink.palette(), set, fr);
    fr.boundary = Circle(0.25, 0, 0.45);
  }
  Solid s;
  const Frame3 c(3 * Pi / 12);
  c.put(s, -0.05, 0, 0.06, 0.2, 0.12, 0.05, {80, 60, 40});
  for (int k = 0; k <= 8; ++k) c.put(s, -0.2 + 0.05 * k, 0.05, 0.07, 0.07, 0.07, 0.06, {90, 70, 45}, 0.2);
  c.put(s, 0, -0.22, 0.03, 0.14, 0.13, 0.025, {70, 50, 30});  // a wheel lying flat
  auto& fr = set.addFrame();
  RenderSolid(s, sink.palette(), set, fr);
  fr.boundary = Circle(0.25, 0, 0.2);
  WriteSet(sink, "cann", set);
}

// "cbll": the cannon ball in flight (one frame per heading, a faint trail behind it),
// stopped (24), and its burst (25 and 26, growing). Its point is the ball's centre.
void CannonBall(AssetSink& sink) {
  TPicSource set = SetFor(0.3, 0.3, -0.3);
  const Rgb black{35, 35, 40};
  for (int f = 0; f < 24; ++f) {
    const Frame3 b(f * Pi / 12);
    Solid s;
    s.blobs.push_back({0, 0, 0, 0.07, 0.07, 0.07, black, 0.8});
    for (int k = 1; k <= 3; ++k) b.put(s, -0.07 - 0.06 * k, 0, 0, 0.025, 0.025, 0.025 - 0.005 * k, {150, 150, 150});
    auto& fr = set.addFrame();
    RenderSolid(s, sink.palette(), set, fr, false);
    fr.boundary = Circle(0.08, -0.08, 0.08);
  }
  {
    Solid s;
    s.blobs.push_back({0, 0, 0, 0.07, 0.07, 0.07, black, 0.8});
    auto& fr = set.addFrame();
    RenderSolid(s, sink.palette(), set, fr, false);
    fr.boundary = Circle(0.08, -0.08, 0.08);
  }
  for (int f = 0; f < 2; ++f) {
    const double r = f ? 0.22 : 0.14;
    Solid s;
    s.blobs.push_back({0, 0, 0, r, r, r * 0.8, {250, 200, 60}, 0.3});
    for (int k = 0; k < 6; ++k) {
      const double a = k * Pi / 3 + f * 0.4;
      s.blobs.push_back({r * std::cos(a), r * std::sin(a), 0.03, r * 0.45, r * 0.45, r * 0.45, {240, 110, 30}});
    }
    auto& fr = set.addFrame();
    RenderSolid(s, sink.palette(), set, fr, false);
    fr.boundary = Circle(0.08, -0.08, 0.08);
  }
  WriteSet(sink, "cbll", set);
}

// "mush": a brown forest mushroom (good), then the same gone purple (poisoned).
void Mushroom(AssetSink& sink) {
  TPicSource set = SetFor(0.19, 0.27);
  for (int f = 0; f < 2; ++f) {
    Solid s;
    s.blobs.push_back({0, 0, 0.08, 0.055, 0.055, 0.09, {235, 230, 215}, 0.2});
    const Rgb cap = f ? Rgb{130, 50, 160} : Rgb{190, 110, 50};
    const Rgb spot = f ? Rgb{170, 230, 60} : Rgb{245, 235, 210};
    s.blobs.push_back({0, 0, 0.17, 0.17, 0.17, 0.08, cap, 0.5});
    for (int k = 0; k < 5; ++k) {
      const double a = k * 2 * Pi / 5 + 0.3;
      s.blobs.push_back({0.09 * std::cos(a), 0.09 * std::sin(a), 0.225, 0.03, 0.03, 0.02, spot, 0.3});
    }
    auto& fr = set.addFrame();
    RenderSolid(s, sink.palette(), set, fr);
    fr.boundary = Circle(0.15, 0, 0.25);
  }
  WriteSet(sink, "mush", set);
}

void ObjectPictures(AssetSink& sink) {
  Ball(sink);
  Cube(sink);
  Letters(sink);
  Gate(sink);
  PushButtons(sink);
  Bulbs(sink);
  Vehicle(sink);
  Cannon(sink);
  CannonBall(sink);
  Mushroom(sink);
}
}  // namespace

QUORBIT_ASSETS(object_pictures, ObjectPictures);
