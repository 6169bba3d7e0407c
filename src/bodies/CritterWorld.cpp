#include "bodies/CritterWorld.h"

#include <cmath>

TAngleTables::TAngleTables() {
  const double pi = 3.14159265358979323846;
  for (int k = 0; k < 24; ++k) {
    cos24[k] = static_cast<float>(std::cos(k * 2 * pi / 24));
    sin24[k] = static_cast<float>(std::sin(k * 2 * pi / 24));
  }
  for (int k = 0; k < 768; ++k) {
    fineCos[k] = static_cast<float>(std::cos(k * 2 * pi / 768));
    fineSin[k] = static_cast<float>(std::sin(k * 2 * pi / 768));
  }
}

float OffMapDistance(float x, float y, int width, int height) {
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  if (x >= 0 && y >= 0 && x < w && y < h) return 0;
  return 1e-3f + std::fmax(0.0f, -x) + std::fmax(0.0f, x - w) + std::fmax(0.0f, -y) + std::fmax(0.0f, y - h);
}

int Direction24(float dx, float dy) {
  if (std::fabs(dx) < 0.1f && std::fabs(dy) < 0.1f) return 0;
  int q = dx >= 0 ? (dy >= 0 ? 0 : 3) : (dy >= 0 ? 1 : 2);
  float u = (q == 0 || q == 2) ? std::fabs(dx) : std::fabs(dy);
  float v = (q == 0 || q == 2) ? std::fabs(dy) : std::fabs(dx);
  int m;
  if (v < 0.001f) {
    m = 0;
  } else if (u < 0.001f) {
    m = 6;
  } else if (v < u) {
    float r = v / u;
    m = r < 0.13165f ? 0 : r < 0.4142135f ? 1 : r < 0.76733f ? 2 : 3;
  } else {
    float r = u / v;
    m = r < 0.13165f ? 6 : r < 0.4142135f ? 5 : r < 0.76733f ? 4 : 3;
  }
  return (6 * q + m) % 24;
}
