#pragma once
// The collision shape of a placed frame in world units: a four-point polygon or a circle
// between a bottom and a top height, with its bounding box.
#include "bodies/Pic.h"

class TBoundary {
 public:
  enum EdgeKind { Vertical, Horizontal, Sloped };
  struct Edge {
    EdgeKind kind = Vertical;
    float slope = 0, intercept = 0;
    float at = 0;     // the x of a vertical edge, the y of a horizontal one
    int inside = 0;   // sign of the inner side's value (0: degenerate, all inside)
  };

  TBoundary() = default;
  // The frame's record moved to the sprite's position.
  TBoundary(const TPicBoundary& record, float x, float y, float z) { set(record, x, y, z); }
  void set(const TPicBoundary& record, float x, float y, float z);
  void clear() { kind = NoBoundary; }

  bool overlaps(const TBoundary& other) const;
  bool contains(float x, float y) const;
  // floor(width x 300) capped at 100 of the shape's cut along the line y = c.
  int surfaceWidth(float c) const;

  int kind = NoBoundary;
  float px[4] = {0, 0, 0, 0}, py[4] = {0, 0, 0, 0};
  float cx = 0, cy = 0, radius = 0;
  float bottom = 0, top = 0;
  float minX = 0, maxX = 0, minY = 0, maxY = 0;
  Edge edges[4];

 private:
  float sideValue(int edge, float x, float y) const;
  bool outside(int edge, float x, float y) const;
  bool polygonOverlaps(const TBoundary& other) const;
  bool circleCutsPolygon(const TBoundary& polygon) const;
};
