#pragma once
// A tiny ray caster for world pictures: shapes made of ellipsoids, seen along the world's
// view ray and lit by the world's light, drawn into picture-set frames with depth bytes,
// boundaries and ground shadows.
#include <vector>

#include "bodies/PicWriter.h"
#include "platform/IndexedImage.h"

struct SolidBlob {
  double x, y, z;     // centre, world units relative to the sprite's position
  double rx, ry, rz;  // radii
  Rgb colour;
  double shine = 0;   // 0 = matte
};

// A box turned by `angle` radians about the vertical: tiles, plates, gate bars.
struct SolidBox {
  double x, y, z;     // centre
  double hx, hy, hz;  // half sides along its own axes
  double angle;
  Rgb colour;
  double shine = 0;
};

struct Solid {
  std::vector<SolidBlob> blobs;
  std::vector<SolidBox> boxes;
  // A chain of blobs from a to b: branches, stalks, twigs.
  void tube(double ax, double ay, double az, double bx, double by, double bz, double r0, double r1, Rgb c,
            int steps = 0);
  void box(double x, double y, double z, double hx, double hy, double hz, double angle, Rgb c, double shine = 0) {
    boxes.push_back({x, y, z, hx, hy, hz, angle, c, shine});
  }
  void blob(double x, double y, double z, double r, Rgb c, double squash = 1) {
    blobs.push_back({x, y, z, r, r, r * squash, c, 0});
  }
};

// Screen offsets of a world offset under the projection.
inline double ScreenU(double dx, double dy) { return (dy - dx) * 42; }
inline double ScreenV(double dx, double dy, double dz) { return (dx + dy) * 24 - dz * 48; }

// Renders one frame: pixels and depth bytes for the set's hotspot, and shadow entries
// where the shape hides the light from the ground at height groundZ (relative to the
// sprite's position: critters drawn above their standing point pass a negative one).
void RenderSolid(const Solid& solid, const Palette& palette, TPicSource& set, TPicSource::Frame& frame,
                 bool withShadow = true, double groundZ = 0);
// Depth byte of a surface point at a world offset from the sprite's position; every
// world picture uses the same rule so that pictures sort against each other.
int DepthByte(double dx, double dy, double dz, int hotspotY);
