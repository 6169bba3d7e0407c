// The ladybug's body and legs, its shade and the aphid. The ladybug's parts are placed
// 0.2 above the surface it stands on, so its pictures stand on a ground 0.2 below their
// point; every heading (24) and every ground tilt (5) has its frame.
#include <cmath>

#include "AssetSink.h"
#include "Solid.h"
#include "bodies/PicWriter.h"

namespace {
const double Pi = 3.14159265358979323846;
const double Lift = 0.2;  // the parts' height above the standing point

void WriteSet(AssetSink& sink, const std::string& name, const TPicSource& set) {
  sink.Write("pics\\" + name + ".cmp", EncodeCmp(set));
  sink.Write("pics\\" + name + ".shd", EncodeShd(set));
}

// Body coordinates (along the heading, across to the left, up from the ground) to the
// sprite's offsets, leaning with the ground of the tilt kind: kinds 1 to 4 rise by 0.2
// per cell along +y, -y, -x and +x.
struct Pose {
  double c, s, sx, sy;
  Pose(int heading, int tilt) : c(std::cos(heading * Pi / 12)), s(std::sin(heading * Pi / 12)), sx(0), sy(0) {
    if (tilt == 1) sy = 0.2;
    if (tilt == 2) sy = -0.2;
    if (tilt == 3) sx = -0.2;
    if (tilt == 4) sx = 0.2;
  }
  void put(Solid& solid, double along, double across, double up, double ra, double rc, double rz, Rgb colour,
           double shine = 0) const {
    double x = along * c - across * s, y = along * s + across * c;
    // Radii along the heading and across it; headings off the axes round them a little.
    double rx = std::sqrt(ra * ra * c * c + rc * rc * s * s), ry = std::sqrt(ra * ra * s * s + rc * rc * c * c);
    solid.blobs.push_back({x, y, up - Lift + sx * x + sy * y, rx, ry, rz, colour, shine});
  }
  void tube(Solid& solid, double a0, double c0, double u0, double a1, double c1, double u1, double r, Rgb colour,
            int steps) const {
    for (int k = 0; k <= steps; ++k) {
      double t = static_cast<double>(k) / steps;
      put(solid, a0 + (a1 - a0) * t, c0 + (c1 - c0) * t, u0 + (u1 - u0) * t, r, r, r, colour);
    }
  }
};

const Rgb Red{215, 30, 25}, Black{20, 18, 18}, White{240, 240, 230};
// The shell: a dome 0.2 long, 0.16 wide and 0.11 high over its rim at 0.06.
const double ShellA = 0.2, ShellC = 0.16, ShellZ = 0.11, RimZ = 0.06;

double ShellTop(double along, double across) {
  double q = 1 - (along / ShellA) * (along / ShellA) - (across / ShellC) * (across / ShellC);
  return RimZ + ShellZ * std::sqrt(std::max(0.0, q));
}

void Ladybug(Solid& s, const Pose& p) {
  p.put(s, -0.02, 0, RimZ, ShellA, ShellC, ShellZ, Red, 0.7);
  p.put(s, 0.17, 0, 0.08, 0.07, 0.09, 0.055, Black, 0.3);  // the head
  for (int side : {-1, 1}) {
    p.put(s, 0.225, 0.045 * side, 0.1, 0.018, 0.018, 0.018, White, 0.5);  // the eyes
    const double spots[3][2] = {{0.06, 0.07}, {-0.06, 0.09}, {-0.12, 0.04}};
    for (const auto& spot : spots) {
      double a = spot[0], c = spot[1] * side;
      p.put(s, a, c, ShellTop(a, c) - 0.012, 0.034, 0.034, 0.02, Black, 0.4);
    }
  }
  // The seam between the wing cases, and the big spot on the shield behind the head.
  for (int k = 0; k < 7; ++k) {
    double a = 0.13 - 0.045 * k;
    p.put(s, a, 0, ShellTop(a, 0) - 0.006, 0.022, 0.008, 0.01, Black);
  }
  p.put(s, 0.11, 0, ShellTop(0.11, 0) - 0.01, 0.03, 0.05, 0.02, Black, 0.4);
}

TPicBoundary BugBoundary() {
  TPicBoundary b;
  b.kind = CircleBoundary;
  b.radius = 0.28f;  // reaches past the nose, so a held aphid stays touched
  b.bottom = static_cast<float>(-Lift + 0.05);
  b.top = static_cast<float>(-Lift + 0.2);
  return b;
}

// "lbug": 24 headings for each of the 5 tilts, then the falling bug on its back.
void LadybugBody(AssetSink& sink) {
  TPicSource set(76, 68, 38, 30);
  for (int f = 0; f < 120; ++f) {
    Solid s;
    Ladybug(s, Pose(f % 24, f / 24));
    auto& fr = set.addFrame();
    RenderSolid(s, sink.palette(), set, fr, true, -Lift);
    fr.boundary = BugBoundary();
  }
  Solid s;
  Pose p(3, 0);
  p.put(s, 0, 0, 0.1, ShellA, ShellC, 0.07, Red, 0.6);
  p.put(s, 0, 0, 0.16, 0.15, 0.11, 0.03, Black, 0.2);  // the belly, turned up
  p.put(s, 0.17, 0, 0.11, 0.07, 0.08, 0.05, Black);
  auto& fr = set.addFrame();
  RenderSolid(s, sink.palette(), set, fr, true, -Lift);
  fr.boundary = BugBoundary();
  WriteSet(sink, "lbug", set);
}

// Six legs in two tripods; in phase 0 one tripod reaches forward, in phase 1 the other.
void Legs(Solid& s, const Pose& p, int phase, bool waving, int wave) {
  const double roots[3] = {0.09, 0.0, -0.09};
  for (int side : {-1, 1})
    for (int k = 0; k < 3; ++k) {
      bool tripodA = (k == 1) == (side == 1);
      double swing = ((tripodA ? 1 : -1) * (phase ? 1 : -1)) * 0.035;
      double a0 = roots[k], c0 = 0.07 * side;
      double a1 = roots[k] * 1.6 + swing + (k == 0 ? 0.04 : k == 2 ? -0.04 : 0), c1 = 0.2 * side;
      double knee = 0.08, foot = 0.0;
      if (waving) {
        knee = 0.2;
        foot = 0.24 + 0.04 * std::sin((wave + k + side) * Pi / 2);
        c1 = 0.16 * side;
      }
      double am = (a0 + a1) / 2, cm = (c0 + c1) / 2 * 1.15;
      p.tube(s, a0, c0, 0.05, am, cm, knee, 0.014, Black, 4);
      p.tube(s, am, cm, knee, a1, c1, foot + 0.01, 0.011, Black, 5);
    }
}

// "lblg": frame = phase x 24 + tilt x 48 + heading, then the two waving frames.
void LadybugLegs(AssetSink& sink) {
  TPicSource set(76, 68, 38, 30);
  for (int f = 0; f < 240; ++f) {
    Solid s;
    Legs(s, Pose(f % 24, f / 48), (f / 24) % 2, false, 0);
    auto& fr = set.addFrame();
    RenderSolid(s, sink.palette(), set, fr, true, -Lift);
  }
  for (int w = 0; w < 2; ++w) {
    Solid s;
    Legs(s, Pose(3, 0), w, true, w);
    auto& fr = set.addFrame();
    RenderSolid(s, sink.palette(), set, fr, false, -Lift);
  }
  WriteSet(sink, "lblg", set);
}

// "shade": a dark bird that hovers over the bug. Frames 0 and 1 blink its eyes while it
// carries the bug off; frame 2 spreads its wings as it comes down.
void Shade(AssetSink& sink) {
  TPicSource set(120, 110, 60, 62);
  const Rgb dark{45, 40, 50}, wing{70, 62, 75}, eye{250, 200, 40};
  for (int f = 0; f < 3; ++f) {
    Solid s;
    s.blobs.push_back({0, 0, 0, 0.16, 0.12, 0.09, dark, 0.3});
    s.blobs.push_back({0.16, 0.1, 0.05, 0.08, 0.08, 0.07, dark, 0.3});  // the head
    s.blobs.push_back({0.23, 0.15, 0.04, 0.05, 0.03, 0.02, {200, 150, 40}, 0.2});  // the beak
    double spread = f == 2 ? 0.42 : 0.3, lift = f == 2 ? 0.02 : 0.08;
    for (int side : {-1, 1})
      s.blobs.push_back({-0.02 + 0.1 * side, -0.1 * side, lift, spread, 0.1, 0.02, wing, 0.1});
    s.blobs.push_back({0.19, 0.08, 0.1, 0.02, 0.02, 0.02, f == 1 ? Rgb{255, 255, 255} : eye, 0.8});
    auto& fr = set.addFrame();
    // Its shadow falls on the ground half a unit below, where it waits for the bug.
    RenderSolid(s, sink.palette(), set, fr, true, -0.5);
    fr.boundary.kind = CircleBoundary;
    fr.boundary.radius = 0.32f;
    fr.boundary.bottom = -0.45f;
    fr.boundary.top = 0.1f;
  }
  WriteSet(sink, "shade", set);
}

// "aphid": a small green sap-sucker, two frames of stepping legs.
void Aphid(AssetSink& sink) {
  TPicSource set(40, 36, 20, 20);
  const Rgb green{120, 200, 70}, pale{180, 230, 120};
  for (int f = 0; f < 2; ++f) {
    Solid s;
    Pose p(6, 0);
    auto put = [&](double a, double c, double u, double ra, double rc, double rz, Rgb col, double shine = 0) {
      p.put(s, a, c, u + Lift, ra, rc, rz, col, shine);
    };
    put(-0.01, 0, 0.045, 0.075, 0.055, 0.04, green, 0.6);
    put(0.07, 0, 0.05, 0.03, 0.03, 0.028, pale, 0.3);
    put(-0.06, 0.025, 0.07, 0.012, 0.012, 0.02, {60, 120, 40});  // the two tail tubes
    put(-0.06, -0.025, 0.07, 0.012, 0.012, 0.02, {60, 120, 40});
    for (int side : {-1, 1})
      for (int k = 0; k < 3; ++k) {
        double a = 0.04 - 0.04 * k + ((k + f) % 2 ? 0.012 : -0.012);
        Pose(6, 0).tube(s, a, 0.03 * side, Lift + 0.03, a, 0.075 * side, Lift + 0.003, 0.006, {70, 110, 40}, 3);
      }
    auto& fr = set.addFrame();
    RenderSolid(s, sink.palette(), set, fr);
    fr.boundary.kind = CircleBoundary;
    fr.boundary.radius = 0.09f;
    fr.boundary.bottom = 0;
    fr.boundary.top = 0.1f;
  }
  WriteSet(sink, "aphid", set);
}

void CritterPictures(AssetSink& sink) {
  LadybugBody(sink);
  LadybugLegs(sink);
  Shade(sink);
  Aphid(sink);
}
}  // namespace

QUORBIT_ASSETS(critter_pictures, CritterPictures);
