#include "Solid.h"

#include <algorithm>
#include <cmath>

namespace {
const double LightLen = std::sqrt(70.0 * 70 + 50 * 50 + 70 * 70);
const double Lx = 70 / LightLen, Ly = -50 / LightLen, Lz = 70 / LightLen;
const int Bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};

// What a ray met: where along it, the surface normal there, and the surface's paint.
struct SurfaceHit {
  double t = 0;
  double n[3] = {0, 0, 1};
  Rgb colour{};
  double shine = 0;
};

// The entry (or, looking back, the exit) of a ray through a box; false when it misses.
bool HitBox(const SolidBox& b, const double p[3], const double d[3], bool nearest, SurfaceHit& out) {
  const double c = std::cos(b.angle), s = std::sin(b.angle);
  // Into the box's own axes.
  const double o[3] = {(p[0] - b.x) * c + (p[1] - b.y) * s, -(p[0] - b.x) * s + (p[1] - b.y) * c, p[2] - b.z};
  const double v[3] = {d[0] * c + d[1] * s, -d[0] * s + d[1] * c, d[2]};
  const double h[3] = {b.hx, b.hy, b.hz};
  double tIn = -1e30, tOut = 1e30;
  int axisIn = 0, axisOut = 0;
  for (int k = 0; k < 3; ++k) {
    if (std::fabs(v[k]) < 1e-12) {
      if (std::fabs(o[k]) > h[k]) return false;
      continue;
    }
    double t0 = (-h[k] - o[k]) / v[k], t1 = (h[k] - o[k]) / v[k];
    if (t0 > t1) std::swap(t0, t1);
    if (t0 > tIn) tIn = t0, axisIn = k;
    if (t1 < tOut) tOut = t1, axisOut = k;
  }
  if (tIn > tOut) return false;
  // Looking from behind toward the viewer the visible face is where the ray leaves;
  // looking toward the light the ray must leave from a point ahead of it.
  const double t = nearest ? tOut : (tIn > 1e-4 ? tIn : tOut);
  if (t < 1e-4 && !nearest) return false;
  const int axis = nearest ? axisOut : (tIn > 1e-4 ? axisIn : axisOut);
  const double q = o[axis] + t * v[axis];
  double local[3] = {0, 0, 0};
  local[axis] = q > 0 ? 1 : -1;
  out.t = t;
  out.n[0] = local[0] * c - local[1] * s;
  out.n[1] = local[0] * s + local[1] * c;
  out.n[2] = local[2];
  out.colour = b.colour;
  out.shine = b.shine;
  return true;
}

// Nearest hit along p + t d with the largest t (the one nearest the viewer), or with
// `nearest` false the first hit ahead; false when the ray misses.
bool Hit(const Solid& s, const double p[3], const double d[3], bool nearest, SurfaceHit& best) {
  bool any = false;
  for (const SolidBlob& b : s.blobs) {
    double o[3] = {(p[0] - b.x) / b.rx, (p[1] - b.y) / b.ry, (p[2] - b.z) / b.rz};
    double v[3] = {d[0] / b.rx, d[1] / b.ry, d[2] / b.rz};
    double A = v[0] * v[0] + v[1] * v[1] + v[2] * v[2];
    double B = 2 * (o[0] * v[0] + o[1] * v[1] + o[2] * v[2]);
    double C = o[0] * o[0] + o[1] * o[1] + o[2] * o[2] - 1;
    double disc = B * B - 4 * A * C;
    if (disc < 0) continue;
    double t = nearest ? (-B + std::sqrt(disc)) / (2 * A) : (-B - std::sqrt(disc)) / (2 * A);
    if (!nearest && t < 1e-4) t = (-B + std::sqrt(disc)) / (2 * A);
    if (!nearest && t < 1e-4) continue;
    if (!any || (nearest ? t > best.t : t < best.t)) {
      best.t = t;
      double q[3] = {p[0] + t * d[0], p[1] + t * d[1], p[2] + t * d[2]};
      double n[3] = {(q[0] - b.x) / (b.rx * b.rx), (q[1] - b.y) / (b.ry * b.ry), (q[2] - b.z) / (b.rz * b.rz)};
      double len = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
      for (int k = 0; k < 3; ++k) best.n[k] = n[k] / len;
      best.colour = b.colour;
      best.shine = b.shine;
      any = true;
    }
  }
  for (const SolidBox& b : s.boxes) {
    SurfaceHit h;
    if (!HitBox(b, p, d, nearest, h)) continue;
    if (!any || (nearest ? h.t > best.t : h.t < best.t)) best = h, any = true;
  }
  return any;
}

uint8_t Shade(const SurfaceHit& hit, const Palette& palette, int px, int py) {
  const double* n = hit.n;
  double diffuse = std::max(0.0, n[0] * Lx + n[1] * Ly + n[2] * Lz);
  double light = 0.35 + 0.75 * diffuse;
  // Highlight: the light reflected toward the viewer (1, 1, 1).
  double h[3] = {Lx + 0.577, Ly + 0.577, Lz + 0.577};
  double hl = std::sqrt(h[0] * h[0] + h[1] * h[1] + h[2] * h[2]);
  double highlight = std::pow(std::max(0.0, (n[0] * h[0] + n[1] * h[1] + n[2] * h[2]) / hl), 24) * hit.shine;
  double dither = (Bayer[py & 3][px & 3] - 7.5) * 2.2;
  auto channel = [&](uint8_t c) {
    return static_cast<uint8_t>(std::clamp(c * light + 255 * highlight + dither, 0.0, 255.0));
  };
  int idx = NearestColour(palette, {channel(hit.colour.r), channel(hit.colour.g), channel(hit.colour.b)});
  return static_cast<uint8_t>(idx == 0 ? NearestColour(palette, {8, 8, 8}) : idx);  // 0 is the shadow ink
}

// The ground point (height 0) seen at a frame pixel.
void GroundAt(double u, double v, double& dx, double& dy) {
  dx = (v / 24 - u / 42) / 2;
  dy = (v / 24 + u / 42) / 2;
}
}  // namespace

int DepthByte(double dx, double dy, double dz, int hotspotY) {
  return std::clamp(static_cast<int>(std::lround(200 - hotspotY + 24 * (dx + dy) + 20.27 * dz)), 1, 255);
}

void Solid::tube(double ax, double ay, double az, double bx, double by, double bz, double r0, double r1, Rgb c,
                 int steps) {
  double len = std::sqrt((bx - ax) * (bx - ax) + (by - ay) * (by - ay) + (bz - az) * (bz - az));
  if (steps <= 0) steps = std::max(2, static_cast<int>(len / (std::min(r0, r1) * 0.5)));
  for (int k = 0; k <= steps; ++k) {
    double t = static_cast<double>(k) / steps;
    double r = r0 + (r1 - r0) * t;
    blobs.push_back({ax + (bx - ax) * t, ay + (by - ay) * t, az + (bz - az) * t, r, r, r, c, 0});
  }
}

void RenderSolid(const Solid& solid, const Palette& palette, TPicSource& set, TPicSource::Frame& frame,
                 bool withShadow, double groundZ) {
  const double d[3] = {1, 1, 1};
  std::vector<bool> shadow(static_cast<size_t>(set.width) * set.height, false);
  for (int py = 0; py < set.height; ++py)
    for (int px = 0; px < set.width; ++px) {
      double u = px + 0.5 - set.hotspotX, v = py + 0.5 - set.hotspotY;
      double p[3];
      GroundAt(u, v + 48 * groundZ, p[0], p[1]);
      p[2] = groundZ;
      // Start well behind the shape and look toward the viewer.
      double back[3] = {p[0] - 3, p[1] - 3, p[2] - 3};
      SurfaceHit hit;
      size_t at = static_cast<size_t>(py) * set.width + px;
      if (Hit(solid, back, d, true, hit)) {
        const double t = hit.t;
        double q[3] = {back[0] + t, back[1] + t, back[2] + t};
        if (q[2] >= groundZ - 0.02) {
          frame.colour[at] = Shade(hit, palette, px, py);
          frame.depth[at] = static_cast<uint8_t>(DepthByte(q[0], q[1], q[2], set.hotspotY));
          continue;
        }
      }
      if (!withShadow) continue;
      double toLight[3] = {Lx, Ly, Lz};
      SurfaceHit ignored;
      shadow[at] = Hit(solid, p, toLight, false, ignored);
    }
  if (!withShadow) return;
  // One entry per run of shadow rows in a column; the window tracks flat ground at the
  // sprite's height, which lies 200 - 2 x hotspot above the frame row in depth.
  const int ground = 200 - 2 * set.hotspotY + static_cast<int>(std::lround(68.27 * groundZ));
  for (int px = 0; px < set.width; ++px) {
    for (int py = 0; py < set.height;) {
      if (!shadow[static_cast<size_t>(py) * set.width + px]) {
        ++py;
        continue;
      }
      int end = py;
      while (end + 1 < set.height && shadow[static_cast<size_t>(end + 1) * set.width + px]) ++end;
      int steps = (end - py) / 2;
      int low = py + ground - 1, high = py + ground + 3 * steps + 3;
      if (low >= 0 && high <= 255 && py <= 255 && px <= 255)
        frame.shadow.push_back({static_cast<uint8_t>(px), static_cast<uint8_t>(py), static_cast<uint8_t>(low),
                                static_cast<uint8_t>(high)});
      py = end + 1;
    }
  }
}
