#include "bodies/Trigger.h"

#include <algorithm>

float TTrigger::side(int k, float x, float y) const {
  const Edge& e = edges[k];
  switch (e.kind) {
    case Vertical: return x - cornerX[k];
    case Horizontal: return y - cornerY[k];
    default: return y - (e.slope * x + e.intercept);
  }
}

void TTrigger::prepare() {
  minX = *std::min_element(cornerX, cornerX + 4), maxX = *std::max_element(cornerX, cornerX + 4);
  minY = *std::min_element(cornerY, cornerY + 4), maxY = *std::max_element(cornerY, cornerY + 4);
  for (int k = 0; k < 4; ++k) {
    int n = (k + 1) % 4, o = (k + 2) % 4;
    Edge& e = edges[k];
    if (cornerX[k] == cornerX[n]) {
      e.kind = Vertical;
    } else if (cornerY[k] == cornerY[n]) {
      e.kind = Horizontal;
    } else {
      e.kind = Sloped;
      e.slope = (cornerY[k] - cornerY[n]) / (cornerX[k] - cornerX[n]);
      e.intercept = cornerY[k] - e.slope * cornerX[k];
    }
    float v = side(k, cornerX[o], cornerY[o]);
    e.inside = v > 0 ? 1 : v < 0 ? -1 : 0;
  }
  TPicBoundary shape;
  shape.kind = PolygonBoundary;
  for (int k = 0; k < 4; ++k) shape.px[k] = cornerX[k], shape.py[k] = cornerY[k];
  shape.bottom = lowZ, shape.top = highZ;
  zone.set(shape, 0, 0, 0);
}

bool TTrigger::contains(float x, float y, float z) const {
  if (x < minX || x > maxX || y < minY || y > maxY || z < lowZ || z > highZ) return false;
  for (int k = 0; k < 4; ++k)
    if (side(k, x, y) * static_cast<float>(edges[k].inside) < 0) return false;
  return true;
}
