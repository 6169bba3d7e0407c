// The bunker's animals. The worm is four sprites that stand on its ground: a head and a
// tail end (24 headings each) and two half-bodies that reach from the middle out to an
// end, arched as the middle is raised (10 heights x 24 headings). The spider's body
// floats 0.3 over the ground; its eight legs are sprites of their own that point in any
// of 24 directions, on the ground or lifted, so the gait can move them.
#include <cmath>

#include "AssetSink.h"
#include "Solid.h"
#include "bodies/PicWriter.h"

namespace {
const double Pi = 3.14159265358979323846;
const double BodyR = 0.06;  // the worm's thickness

void WriteSet(AssetSink& sink, const std::string& name, const TPicSource& set) {
  sink.Write("pics\\" + name + ".cmp", EncodeCmp(set));
  sink.Write("pics\\" + name + ".shd", EncodeShd(set));
}

TPicBoundary Circle(float radius, float bottom, float top) {
  TPicBoundary b;
  b.kind = CircleBoundary;
  b.radius = radius;
  b.bottom = bottom;
  b.top = top;
  return b;
}

struct WormLook {
  Rgb skin, belly, ring;
};
const WormLook Pink{{215, 120, 120}, {235, 160, 150}, {170, 80, 90}};
const WormLook Green{{110, 160, 70}, {150, 195, 100}, {70, 110, 45}};

// The head end: a rounded cap pointing along the heading, with a mouth and two eye spots.
void Head(AssetSink& sink, const std::string& name, const WormLook& look) {
  TPicSource set(48, 44, 24, 26);
  for (int h = 0; h < 24; ++h) {
    const double c = std::cos(h * Pi / 12), s = std::sin(h * Pi / 12);
    Solid sol;
    sol.blobs.push_back({0, 0, BodyR, 0.1 * std::fabs(c) + 0.075 * std::fabs(s) + 0.01,
                         0.1 * std::fabs(s) + 0.075 * std::fabs(c) + 0.01, BodyR + 0.005, look.skin, 0.5});
    sol.blob(0.07 * c, 0.07 * s, BodyR * 0.9, 0.045, look.belly, 0.9);
    sol.blob(0.11 * c, 0.11 * s, BodyR * 0.7, 0.018, {60, 20, 25});  // the mouth
    for (int side : {-1, 1}) {
      const double a = 0.06, across = 0.035 * side;
      sol.blob(a * c - across * s, a * s + across * c, BodyR * 1.75, 0.014, {20, 20, 20});
    }
    auto& fr = set.addFrame();
    RenderSolid(sol, sink.palette(), set, fr, true, 0);
    fr.boundary = Circle(0.1f, 0, 0.15f);
  }
  WriteSet(sink, name, set);
}

// The tail end: a tapering tip pointing away from the middle.
void Tail(AssetSink& sink) {
  TPicSource set(48, 44, 24, 26);
  for (int h = 0; h < 24; ++h) {
    const double c = std::cos(h * Pi / 12), s = std::sin(h * Pi / 12);
    Solid sol;
    sol.tube(-0.04 * c, -0.04 * s, BodyR, 0.09 * c, 0.09 * s, BodyR * 0.6, BodyR, BodyR * 0.35, Pink.skin, 6);
    auto& fr = set.addFrame();
    RenderSolid(sol, sink.palette(), set, fr, true, 0);
    fr.boundary = Circle(0.1f, 0, 0.15f);
  }
  WriteSet(sink, "wb", set);
}

// A half-body from the raised middle down to an end: frame = height index + 10 x heading.
// The two halves together make an arch of constant length whose feet come closer as
// the middle rises.
void Middles(AssetSink& sink) {
  const double Length = 0.55;
  TPicSource set(96, 96, 48, 62);
  for (int f = 0; f < 240; ++f) {
    const int t = f % 10, h = f / 10;
    const double c = std::cos(h * Pi / 12), s = std::sin(h * Pi / 12);
    const double reach = Length - 0.025 * t - 0.06;  // stops short of the end sprite
    const double rise = std::sqrt(std::max(0.0, Length * Length - (Length - 0.025 * t) * (Length - 0.025 * t)));
    Solid sol;
    const int steps = 14;
    for (int k = 0; k <= steps; ++k) {
      const double u = static_cast<double>(k) / steps;
      const double along = u * reach, up = rise * std::cos(u * Pi / 2) + BodyR;
      const bool ringed = k % 3 == 0;
      sol.blobs.push_back({along * c, along * s, up, BodyR, BodyR, BodyR, ringed ? Pink.ring : Pink.skin, 0.4});
    }
    auto& fr = set.addFrame();
    RenderSolid(sol, sink.palette(), set, fr, true, 0);
    fr.boundary = Circle(0.1f, 0, static_cast<float>(0.12 + rise));
  }
  WriteSet(sink, "wm", set);
}

// The spider's body: a round abdomen behind a smaller head with eyes; frame 24 lies on
// its back with its legs curled over it.
void SpiderBody(AssetSink& sink) {
  const Rgb dark{55, 40, 35}, hairs{90, 70, 50}, mark{200, 170, 60}, eyes{230, 40, 30};
  const double lift = 0.3;
  TPicSource set(80, 84, 40, 44);
  for (int f = 0; f < 25; ++f) {
    Solid sol;
    if (f < 24) {
      const double c = std::cos(f * Pi / 12), s = std::sin(f * Pi / 12);
      auto at = [&](double along, double across, double up, double r, Rgb col, double sq = 1, double shine = 0.3) {
        sol.blobs.push_back({along * c - across * s, along * s + across * c, up, r, r, r * sq, col, shine});
      };
      at(-0.11, 0, 0.03, 0.15, dark, 0.85, 0.5);  // abdomen
      at(-0.13, 0, 0.13, 0.04, mark, 0.4);        // its mark
      at(0.09, 0, 0.0, 0.09, hairs, 0.8);         // head and thorax
      for (int side : {-1, 1}) {
        at(0.17, 0.03 * side, 0.04, 0.018, eyes, 1, 0.9);
        at(0.185, 0.015 * side, -0.02, 0.022, dark);  // fangs
      }
    } else {
      sol.blobs.push_back({0, 0, -0.2, 0.15, 0.13, 0.09, dark, 0.2});
      for (int k = 0; k < 8; ++k) {
        const double a = (k * 45 + 20) * Pi / 180;
        sol.tube(0.08 * std::cos(a), 0.08 * std::sin(a), -0.15, 0.16 * std::cos(a), 0.16 * std::sin(a), -0.05,
                 0.02, 0.015, hairs, 4);
      }
    }
    auto& fr = set.addFrame();
    RenderSolid(sol, sink.palette(), set, fr, true, -lift);
    fr.boundary = Circle(0.25f, static_cast<float>(-lift), 0.12f);
  }
  WriteSet(sink, "sbdy", set);
}

// One leg from the hip out along a direction: up to the knee, down to the foot on the
// ground (frames 0-23) or held above it (24-47). No boundary: only the body collides.
void SpiderLegs(AssetSink& sink) {
  const Rgb hairs{80, 60, 45};
  const double lift = 0.3;
  TPicSource set(72, 72, 36, 36);
  for (int f = 0; f < 48; ++f) {
    const double a = (f % 24) * Pi / 12, c = std::cos(a), s = std::sin(a);
    const bool up = f >= 24;
    const double hip = 0.07, knee = 0.24, foot = up ? 0.36 : 0.42;
    const double kneeZ = up ? 0.16 : 0.12, footZ = up ? -lift + 0.12 : -lift + 0.01;
    Solid sol;
    sol.tube(hip * c, hip * s, 0.0, knee * c, knee * s, kneeZ, 0.032, 0.026, hairs, 10);
    sol.tube(knee * c, knee * s, kneeZ, foot * c, foot * s, footZ, 0.026, 0.016, hairs, 14);
    auto& fr = set.addFrame();
    RenderSolid(sol, sink.palette(), set, fr, true, -lift);
  }
  WriteSet(sink, "sleg", set);
}

void BunkerAnimals(AssetSink& sink) {
  Head(sink, "wf", Pink);
  Head(sink, "wf2", Green);
  Tail(sink);
  Middles(sink);
  SpiderBody(sink);
  SpiderLegs(sink);
}
}  // namespace

QUORBIT_ASSETS(bunker_animals, BunkerAnimals);
