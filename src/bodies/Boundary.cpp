#include "bodies/Boundary.h"

#include <algorithm>
#include <cmath>

void TBoundary::set(const TPicBoundary& r, float x, float y, float z) {
  kind = r.kind;
  bottom = r.bottom + z;
  top = r.top + z;
  if (kind == CircleBoundary) {
    cx = x;
    cy = y;
    radius = r.radius;
    minX = x - radius, maxX = x + radius, minY = y - radius, maxY = y + radius;
    return;
  }
  if (kind != PolygonBoundary) return;
  for (int k = 0; k < 4; ++k) {
    px[k] = r.px[k] + x;
    py[k] = r.py[k] + y;
  }
  minX = *std::min_element(px, px + 4), maxX = *std::max_element(px, px + 4);
  minY = *std::min_element(py, py + 4), maxY = *std::max_element(py, py + 4);
  for (int k = 0; k < 4; ++k) {
    int n = (k + 1) % 4, o = (k + 2) % 4;
    Edge& e = edges[k];
    if (std::fabs(px[k] - px[n]) < 0.0001f) {
      e.kind = Vertical;
      e.at = px[k];
    } else if (std::fabs(py[k] - py[n]) < 0.0001f) {
      e.kind = Horizontal;
      e.at = py[k];
    } else {
      e.kind = Sloped;
      e.slope = (py[k] - py[n]) / (px[k] - px[n]);
      e.intercept = py[k] - e.slope * px[k];
    }
    e.inside = 1;
    float v = sideValue(k, px[o], py[o]);
    e.inside = v > 0 ? 1 : v < 0 ? -1 : 0;
  }
}

float TBoundary::sideValue(int edge, float x, float y) const {
  const Edge& e = edges[edge];
  switch (e.kind) {
    case Vertical: return x - e.at;
    case Horizontal: return y - e.at;
    default: return y - (e.slope * x + e.intercept);
  }
}

bool TBoundary::outside(int edge, float x, float y) const {
  return sideValue(edge, x, y) * static_cast<float>(edges[edge].inside) < 0;
}

bool TBoundary::contains(float x, float y) const {
  if (kind == NoBoundary || x < minX || x > maxX || y < minY || y > maxY) return false;
  if (kind == CircleBoundary) return (x - cx) * (x - cx) + (y - cy) * (y - cy) < radius * radius;
  for (int k = 0; k < 4; ++k)
    if (outside(k, x, y)) return false;
  return true;
}

bool TBoundary::polygonOverlaps(const TBoundary& o) const {
  auto separates = [](const TBoundary& a, const TBoundary& b) {
    for (int k = 0; k < 4; ++k) {
      bool allOut = true;
      for (int c = 0; c < 4 && allOut; ++c) allOut = a.outside(k, b.px[c], b.py[c]);
      if (allOut) return true;
    }
    return false;
  };
  return !separates(*this, o) && !separates(o, *this);
}

// This circle against a polygon: its centre inside, or one of the edges passing closer
// to the centre than the radius.
bool TBoundary::circleCutsPolygon(const TBoundary& poly) const {
  if (poly.contains(cx, cy)) return true;
  for (int k = 0; k < 4; ++k) {
    float ax = poly.px[k], ay = poly.py[k];
    float bx = poly.px[(k + 1) % 4], by = poly.py[(k + 1) % 4];
    float dx = bx - ax, dy = by - ay;
    float len2 = dx * dx + dy * dy;
    float t = len2 > 0 ? std::clamp(((cx - ax) * dx + (cy - ay) * dy) / len2, 0.0f, 1.0f) : 0.0f;
    float qx = ax + t * dx - cx, qy = ay + t * dy - cy;
    if (qx * qx + qy * qy < radius * radius) return true;
  }
  return false;
}

bool TBoundary::overlaps(const TBoundary& o) const {
  if (kind == NoBoundary || o.kind == NoBoundary) return false;
  if (maxX < o.minX || o.maxX < minX || maxY < o.minY || o.maxY < minY) return false;
  if (top < o.bottom || o.top < bottom) return false;
  if (kind == PolygonBoundary && o.kind == PolygonBoundary) return polygonOverlaps(o);
  if (kind == CircleBoundary && o.kind == CircleBoundary) {
    float dx = cx - o.cx, dy = cy - o.cy, r = radius + o.radius;
    return dx * dx + dy * dy < r * r;
  }
  return kind == CircleBoundary ? circleCutsPolygon(o) : o.circleCutsPolygon(*this);
}

int TBoundary::surfaceWidth(float c) const {
  if (kind == NoBoundary || c < minY || c > maxY) return 0;
  float width = 0;
  if (kind == CircleBoundary) {
    width = radius;
  } else {
    float lo = 0, hi = 0;
    bool any = false;
    for (int k = 0; k < 4; ++k) {
      float ay = py[k], by = py[(k + 1) % 4];
      if ((c < ay && c < by) || (c > ay && c > by)) continue;
      float ax = px[k], bx = px[(k + 1) % 4];
      float x = std::fabs(by - ay) < 1e-6f ? std::min(ax, bx) : ax + (c - ay) * (bx - ax) / (by - ay);
      float x2 = std::fabs(by - ay) < 1e-6f ? std::max(ax, bx) : x;
      lo = any ? std::min(lo, x) : x;
      hi = any ? std::max(hi, x2) : x2;
      any = true;
    }
    if (!any) return 0;
    width = hi - lo;
  }
  double v = std::floor(static_cast<double>(width) * 300);
  return static_cast<int>(std::clamp(v, 0.0, 100.0));
}
