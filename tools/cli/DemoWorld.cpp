#include <algorithm>
#include <cmath>

#include "WorldSource.h"

CliWorldReader& WorldFileReader() {
  static CliWorldReader reader = nullptr;
  return reader;
}

namespace {
// Corner heights in steps of 0.2 whose neighbours differ by at most one step, so every
// tile is one of the sixteen slope shapes.
std::vector<int> CornerSteps(int X, int Y) {
  std::vector<int> h(static_cast<size_t>(X + 1) * (Y + 1));
  auto at = [&](int i, int j) -> int& { return h[static_cast<size_t>(i) * (Y + 1) + j]; };
  for (int i = 0; i <= X; ++i)
    for (int j = 0; j <= Y; ++j) {
      double hill = 3.2 * std::exp(-((i - 5.0) * (i - 5.0) + (j - 11.0) * (j - 11.0)) / 10.0);
      double ridge = 1.6 * std::exp(-((i - 11.0) * (i - 11.0)) / 6.0) * (j > 3 && j < 13 ? 1 : 0.3);
      double pond = -2.5 * std::exp(-((i - 11.0) * (i - 11.0) + (j - 3.5) * (j - 3.5)) / 4.0);
      int border = std::min({i, j, X - i, Y - j});
      at(i, j) = border < 1 ? -1 : static_cast<int>(std::lround(hill + ridge + pond));
    }
  for (bool changed = true; changed;) {
    changed = false;
    for (int i = 0; i <= X; ++i)
      for (int j = 0; j <= Y; ++j)
        for (int di = -1; di <= 1; ++di)
          for (int dj = -1; dj <= 1; ++dj) {
            int a = i + di, b = j + dj;
            if (a < 0 || b < 0 || a > X || b > Y) continue;
            if (at(i, j) > at(a, b) + 1) at(i, j) = at(a, b) + 1, changed = true;
          }
  }
  return h;
}
}  // namespace

bool BuildDemoWorld(TWorld& world) {
  const int X = 16, Y = 16;
  for (const char* name : {"grass", "stone", "twig", "branch", "plant"}) world.AddPicture(name);
  world.CreateMap(X, Y);
  auto h = CornerSteps(X, Y);
  auto step = [&](int i, int j) { return h[static_cast<size_t>(i) * (Y + 1) + j]; };
  for (int x = 0; x < X; ++x)
    for (int y = 0; y < Y; ++y) {
      int c[4] = {step(x, y), step(x, y + 1), step(x + 1, y + 1), step(x + 1, y)};
      int m = *std::min_element(c, c + 4);
      int frame = 0;
      for (int k = 0; k < 4; ++k)
        if (c[k] > m) frame |= 1 << k;
      world.SetTile(x, y, frame, static_cast<float>(c[0] * 0.2 - 0.3));
    }
  world.FinishMap();
  struct Thing {
    int pic;
    float x, y;
    int frame;
  };
  const Thing things[] = {{1, 3.5f, 4.2f, 0}, {1, 7.2f, 2.6f, 1}, {1, 12.6f, 9.3f, 2}, {1, 6.4f, 7.5f, 3},
                          {1, 9.3f, 13.1f, 1}, {2, 4.6f, 6.2f, 1}, {2, 8.6f, 9.4f, 5},  {2, 13.2f, 12.5f, 3},
                          {3, 8.0f, 5.5f, 1},  {3, 4.5f, 12.0f, 2}, {4, 2.5f, 8.3f, 0}, {4, 10.4f, 7.2f, 2},
                          {4, 6.5f, 3.4f, 1},  {4, 12.5f, 13.5f, 0}, {4, 3.3f, 10.6f, 2}, {1, 10.2f, 10.6f, 0}};
  for (const Thing& t : things) {
    int kind = 0;
    float z = world.GroundHeight(t.x, t.y, kind);
    world.AddScenery(t.pic, t.x, t.y, z, t.frame);
  }
  for (auto& p : world.pictures)
    if (p->error) return false;
  return true;
}
