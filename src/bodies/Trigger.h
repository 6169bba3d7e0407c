#pragma once
#include "bodies/Boundary.h"

// A trigger zone: a convex quadrilateral between two heights. While a live critter of the
// given type has a part inside, the target critter is told, with the zone's point.
struct TTrigger {
  int target = -1;
  int byType = 0;
  float pointX = 0, pointY = 0;
  float cornerX[4] = {0, 0, 0, 0}, cornerY[4] = {0, 0, 0, 0};
  float lowZ = 0, highZ = 0;

  // Bounding box and edge kinds; call after the corners are set.
  void prepare();
  bool contains(float x, float y, float z) const;
  // Whether a part's shape reaches into the zone (between its heights).
  bool reaches(const TBoundary& shape) const { return zone.overlaps(shape); }

  enum EdgeKind { Vertical, Horizontal, Sloped };
  struct Edge {
    EdgeKind kind = Vertical;
    float slope = 0, intercept = 0;
    int inside = 0;
  };
  float minX = 0, maxX = 0, minY = 0, maxY = 0;
  Edge edges[4];
  TBoundary zone;

 private:
  float side(int edge, float x, float y) const;
};
