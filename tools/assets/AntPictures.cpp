// The ant and its nest. The ant's body and head are drawn half a unit above the point it
// stands on, so their pictures stand on a ground 0.5 below; its legs hang from the hips
// down to that ground. The geometry comes from the ant itself, so pictures and body agree.
#include <cmath>

#include "AssetSink.h"
#include "Solid.h"
#include "bodies/Ant.h"
#include "bodies/PicWriter.h"

namespace {
const double Pi = 3.14159265358979323846;
const double Lift = AntShape::BodyLift;
const Rgb Chitin{70, 32, 22}, Dark{35, 18, 14}, Joint{110, 60, 40}, Eye{15, 15, 20};

void WriteSet(AssetSink& sink, const std::string& name, const TPicSource& set) {
  sink.Write("pics\\" + name + ".cmp", EncodeCmp(set));
  sink.Write("pics\\" + name + ".shd", EncodeShd(set));
}

// Body coordinates (along the heading, across to the left, up) to sprite offsets, the
// body tipped by the ground's rise along and across it.
struct AntPose {
  double c, s, riseAlong, riseAcross;
  AntPose(int heading, double along, double across)
      : c(std::cos(heading * Pi / 12)), s(std::sin(heading * Pi / 12)), riseAlong(along), riseAcross(across) {}
  void put(Solid& solid, double a, double k, double u, double ra, double rk, double rz, Rgb colour,
           double shine = 0) const {
    double x = a * c - k * s, y = a * s + k * c;
    double rx = std::sqrt(ra * ra * c * c + rk * rk * s * s), ry = std::sqrt(ra * ra * s * s + rk * rk * c * c);
    solid.blobs.push_back({x, y, u + riseAlong * a + riseAcross * k, rx, ry, rz, colour, shine});
  }
  void tube(Solid& solid, double a0, double k0, double u0, double a1, double k1, double u1, double r, Rgb colour,
            int steps) const {
    for (int i = 0; i <= steps; ++i) {
      double t = static_cast<double>(i) / steps;
      put(solid, a0 + (a1 - a0) * t, k0 + (k1 - k0) * t, u0 + (u1 - u0) * t, r, r, r, colour);
    }
  }
};

TPicBoundary Circle(float radius, float bottom, float top) {
  TPicBoundary b;
  b.kind = CircleBoundary;
  b.radius = radius;
  b.bottom = bottom;
  b.top = top;
  return b;
}

// Thorax, waist and the big rear part.
void AntBody(Solid& s, const AntPose& p) {
  p.put(s, 0.08, 0, 0.0, 0.15, 0.075, 0.07, Chitin, 0.5);
  p.put(s, -0.1, 0, -0.01, 0.045, 0.04, 0.04, Dark, 0.3);
  p.put(s, -0.3, 0, 0.02, 0.19, 0.14, 0.12, Chitin, 0.7);
  for (int k = 0; k < 3; ++k) p.put(s, -0.24 - 0.08 * k, 0, 0.1 - 0.01 * k, 0.02, 0.12, 0.04, Dark, 0.2);
  p.put(s, 0.22, 0, 0.02, 0.05, 0.04, 0.04, Dark, 0.3);  // the neck toward the head
}

// "abd": 24 headings for each of the nine tilts, then the sinking ant.
void BodySet(AssetSink& sink) {
  using namespace AntShape;
  TPicSource set(110, 96, 55, 44);
  for (int f = 0; f < SinkingFrame; ++f) {
    int t = f / 24;
    Solid s;
    AntBody(s, AntPose(f % 24, TiltSlope * TiltAlong[t], TiltSlope * TiltAcross[t]));
    auto& fr = set.addFrame();
    RenderSolid(s, sink.palette(), set, fr, true, -Lift);
    fr.boundary = Circle(0.3f, -0.45f, 0.1f);
  }
  // Nose down into the water, rings spreading round it.
  Solid s;
  AntPose p(3, -0.8, 0.1);
  AntBody(s, p);
  for (int k = 0; k < 10; ++k) {
    double a = k * Pi / 5;
    s.blobs.push_back({0.45 * std::cos(a), 0.45 * std::sin(a), -0.2, 0.06, 0.06, 0.01, {170, 200, 230}, 0.6});
  }
  auto& fr = set.addFrame();
  RenderSolid(s, sink.palette(), set, fr, false, -Lift);
  WriteSet(sink, "abd", set);
}

// "ahd": the head with its antennae, 24 headings; then the same with the jaws open.
void HeadSet(AssetSink& sink) {
  TPicSource set(96, 80, 48, 40);
  for (int f = 0; f < 48; ++f) {
    Solid s;
    AntPose p(f % 24, 0, 0);
    bool open = f >= 24;
    p.put(s, 0, 0, 0.02, 0.1, 0.09, 0.08, Chitin, 0.6);
    for (int side : {-1, 1}) {
      p.put(s, 0.04, 0.075 * side, 0.05, 0.03, 0.025, 0.03, Eye, 0.9);
      double jaw = open ? 0.07 : 0.03;
      p.tube(s, 0.08, 0.03 * side, -0.02, 0.15, jaw * side, -0.03, 0.018, Dark, 3);
      // The antenna: a shaft up and forward, an elbow, a whip out to the side.
      p.tube(s, 0.05, 0.04 * side, 0.07, 0.12, 0.08 * side, 0.22, 0.014, Dark, 10);
      p.tube(s, 0.12, 0.08 * side, 0.22, 0.3, 0.17 * side, 0.12, 0.012, Joint, 14);
    }
    auto& fr = set.addFrame();
    RenderSolid(s, sink.palette(), set, fr, true, -Lift);
    fr.boundary = Circle(0.15f, -0.4f, 0.1f);
  }
  WriteSet(sink, "ahd", set);
}

// "aleg": a leg from its hip, reaching out along frame mod 24; from frame 24 raised. The
// legs have no boundary: they touch nothing.
void LegSet(AssetSink& sink) {
  TPicSource set(90, 76, 45, 32);
  for (int f = 0; f < 48; ++f) {
    Solid s;
    AntPose p(f % 24, 0, 0);
    // A raised leg folds: the knee goes up, the foot comes in and well clear of the
    // ground, so a stepping tripod reads at a glance beside the three that stand.
    const bool up = f >= 24;
    double reach = AntShape::LegReach * (up ? 0.85 : 1.0), foot = up ? -Lift + 0.3 : -Lift + 0.01;
    double knee = up ? 0.24 : 0.14;
    p.tube(s, 0, 0, 0, reach * 0.4, 0, knee, 0.026, Chitin, 12);
    p.put(s, reach * 0.4, 0, knee, 0.026, 0.026, 0.026, Joint, 0.4);
    p.tube(s, reach * 0.4, 0, knee, reach, 0, foot, 0.02, Dark, 24);
    auto& fr = set.addFrame();
    RenderSolid(s, sink.palette(), set, fr, true, -Lift);
  }
  WriteSet(sink, "aleg", set);
}

// "nest": a mound of earth with a doorway; free, an ant going in (its rear in the door),
// an ant coming out (its head in the door).
void NestSet(AssetSink& sink) {
  TPicSource set(120, 100, 60, 60);
  const Rgb earth{150, 110, 70}, crumb{120, 85, 50}, hole{25, 15, 10};
  for (int f = 0; f < 3; ++f) {
    Solid s;
    s.blobs.push_back({0, 0, 0, 0.5, 0.5, 0.38, earth, 0.1});
    for (int k = 0; k < 9; ++k) {
      double a = k * 2 * Pi / 9;
      s.blob(0.42 * std::cos(a), 0.42 * std::sin(a), 0.12 + 0.04 * (k % 2), 0.07, crumb, 0.6);
    }
    s.blobs.push_back({0.08, 0.08, 0.33, 0.1, 0.1, 0.06, hole, 0});
    // Big enough to read at the world's scale: the rear of an ant sticking up out of
    // the door, or a head with its feelers looking out.
    if (f == 1) {
      s.blobs.push_back({0.1, 0.1, 0.44, 0.13, 0.1, 0.1, Chitin, 0.7});
      s.blobs.push_back({0.06, 0.06, 0.37, 0.05, 0.05, 0.05, Dark, 0.3});
    }
    if (f == 2) {
      s.blobs.push_back({0.12, 0.12, 0.42, 0.09, 0.09, 0.08, Chitin, 0.6});
      s.blobs.push_back({0.2, 0.17, 0.44, 0.025, 0.025, 0.025, Eye, 0.2});
      s.blobs.push_back({0.17, 0.2, 0.44, 0.025, 0.025, 0.025, Eye, 0.2});
      s.tube(0.16, 0.14, 0.48, 0.34, 0.2, 0.64, 0.022, 0.022, Dark, 10);
      s.tube(0.14, 0.16, 0.48, 0.2, 0.34, 0.64, 0.022, 0.022, Dark, 10);
    }
    auto& fr = set.addFrame();
    RenderSolid(s, sink.palette(), set, fr);
    // Its bottom stands off the ground, so walking feet never climb onto it.
    fr.boundary = Circle(0.45f, 0.15f, 0.6f);
  }
  WriteSet(sink, "nest", set);
}

void AntPictures(AssetSink& sink) {
  BodySet(sink);
  HeadSet(sink);
  LegSet(sink);
  NestSet(sink);
}
}  // namespace

QUORBIT_ASSETS(ant_pictures, AntPictures);
