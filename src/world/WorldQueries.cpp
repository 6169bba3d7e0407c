// What critters ask of the world: surface heights, contact, directions and scent.
#include <algorithm>
#include <cmath>

#include "world/World.h"

namespace {
// Ground triangle kind by tile frame and triangle index.
constexpr int TriangleKinds[16][4] = {
    {0, 0, 0, 0}, {2, 2, 3, 3}, {1, 3, 3, 1}, {3, 3, 3, 3}, {4, 4, 1, 1}, {2, 4, 1, 3},
    {1, 1, 1, 1}, {3, 1, 1, 3}, {4, 2, 2, 4}, {2, 2, 2, 2}, {1, 3, 2, 4}, {3, 3, 2, 2},
    {4, 4, 4, 4}, {2, 4, 4, 2}, {1, 1, 4, 4}, {0, 0, 0, 0}};

int TriangleIndex(float fx, float fy) {
  if (fx >= fy) return fx + fy > 1 ? 2 : 3;
  return fx + fy >= 1 ? 1 : 0;
}

float SlopeTerm(int kind, float fx, float fy) {
  switch (kind) {
    case 1: return 0.2f * fy;
    case 2: return 0.2f * (1 - fy);
    case 3: return 0.2f * (1 - fx);
    case 4: return 0.2f * fx;
    default: return 0;
  }
}
}  // namespace

int TWorld::TriangleKind(int frame, float fx, float fy) {
  if (frame < 0 || frame > 15) return 0;
  return TriangleKinds[frame][TriangleIndex(fx, fy)];
}

void TWorld::CellRange(float x, float y, int& x0, int& x1, int& y0, int& y1) const {
  int ix = static_cast<int>(std::clamp(x, -1e6f, 1e6f)), iy = static_cast<int>(std::clamp(y, -1e6f, 1e6f));
  x0 = std::max(0, ix - 2);
  x1 = std::min(ix + 3, X - 1);
  y0 = std::max(0, iy - 2);
  y1 = std::min(iy + 3, Y - 1);
}

float TWorld::GroundHeight(float x, float y, int& kind) const {
  kind = 0;
  if (!(x >= 0 && y >= 0 && x < X && y < Y)) return 0;
  int ix = static_cast<int>(x), iy = static_cast<int>(y);
  const TStaticPic* tile = cells[static_cast<size_t>(ix) * Y + iy].tile.get();
  if (!tile) return 0;
  float fx = x - ix, fy = y - iy;
  kind = TriangleKind(tile->frame, fx, fy);
  return tile->z - ((tile->frame & 1) ? 0.2f : 0.0f) + SlopeTerm(kind, fx, fy);
}

float TWorld::SurfaceHeight(float x, float y, float z, int& kind, int ignore1, int ignore2, int* surface) {
  kind = 0;
  if (!(x >= 0 && y >= 0 && x < X && y < Y)) {
    if (surface) *surface = 0;
    return z;
  }
  float ground = GroundHeight(x, y, kind);
  float best = z + 0.2f >= ground ? ground : 0.1f;
  const int passed = surface ? *surface : 0;
  int x0, x1, y0, y1;
  CellRange(x, y, x0, x1, y0, y1);
  for (int cx = x0; cx < x1; ++cx)
    for (int cy = y0; cy < y1; ++cy)
      for (TStaticPic* p = CellAt(cx, cy)->head; p; p = p->nextInCell) {
        TStaticBound* object = p->asBound();
        if (!object) continue;
        if (TSprite* s = object->asSprite())
          if (!s->active() || s->critterNumber < 0 || s->critterNumber == ignore1 || s->critterNumber == ignore2)
            continue;
        const TBoundary& b = object->bound;
        if (b.kind == NoBoundary || b.bottom >= z || b.top <= best || !b.contains(x, y)) continue;
        if (surface) {
          int width = b.surfaceWidth(y);
          if (width <= passed) continue;
          *surface = width;
        }
        best = b.top + 0.01f;
        kind = 0;
      }
  return best;
}

float TWorld::SurfaceHeight(TSprite* sprite, int& kind) {
  kind = 0;
  float x = sprite->x, y = sprite->y, z = sprite->z;
  if (!(x >= 0 && y >= 0 && x < X && y < Y)) return z;
  float ground = GroundHeight(x, y, kind);
  float best = z + 0.2f >= ground ? ground : 0.1f;
  const TBoundary& mine = sprite->bound;
  int x0, x1, y0, y1;
  CellRange(x, y, x0, x1, y0, y1);
  for (int cx = x0; cx < x1; ++cx)
    for (int cy = y0; cy < y1; ++cy)
      for (TStaticPic* p = CellAt(cx, cy)->head; p; p = p->nextInCell) {
        TStaticBound* object = p->asBound();
        if (!object || object == sprite) continue;
        if (TSprite* s = object->asSprite())
          if (!s->active() || s->critterNumber < 0 || s->critterNumber == sprite->critterNumber) continue;
        const TBoundary& b = object->bound;
        if (b.kind == NoBoundary || mine.top <= b.bottom || b.top <= best) continue;
        // Footprints only: the heights are what is being found.
        TBoundary flat = mine;
        flat.bottom = b.bottom, flat.top = b.top;
        if (!flat.overlaps(b)) continue;
        best = b.top + 0.01f;
        kind = 0;
      }
  return best;
}

bool TWorld::TouchingAnything(TSprite* sprite) {
  if (!sprite || !sprite->hasShape()) return false;
  int x0, x1, y0, y1;
  CellRange(sprite->x, sprite->y, x0, x1, y0, y1);
  for (int cx = x0; cx < x1; ++cx)
    for (int cy = y0; cy < y1; ++cy)
      for (TStaticPic* p = CellAt(cx, cy)->head; p; p = p->nextInCell) {
        TStaticBound* object = p->asBound();
        if (!object || object == sprite) continue;
        if (TSprite* s = object->asSprite())
          if (!s->active() || s->critterNumber < 0 || s->critterNumber == sprite->critterNumber) continue;
        if (sprite->overlaps(*object)) return true;
      }
  return false;
}

int TWorld::Direction24(float dx, float dy) { return ::Direction24(dx, dy); }

void TWorld::SenseScent(int heading, float outputs[8], float x, float y) {
  float bins[24] = {};
  std::fill(outputs, outputs + 8, 0.0f);
  auto add = [&](const TScentTrail& t, float px, float py) {
    if (px < std::min(t.x1, t.x2) || px > std::max(t.x1, t.x2) || py < std::min(t.y1, t.y2) ||
        py > std::max(t.y1, t.y2))
      return;
    bins[Direction24(px - x, py - y)] += t.strength;
  };
  for (int k = 0; k < scentUsed && k < static_cast<int>(scents.size()); ++k) {
    const TScentTrail& t = scents[static_cast<size_t>(k)];
    if (!t.active) continue;
    if (x < std::min(t.x1, t.x2) - 1 || x > std::max(t.x1, t.x2) + 1 || y < std::min(t.y1, t.y2) - 1 ||
        y > std::max(t.y1, t.y2) + 1)
      continue;
    if (std::fabs(t.y2 - t.y1) < 0.01f) {
      float r = 1 - (t.y1 - y) * (t.y1 - y);
      if (r < 0) continue;
      add(t, x + std::sqrt(r), t.y1), add(t, x - std::sqrt(r), t.y1);
    } else if (std::fabs(t.x2 - t.x1) < 0.01f) {
      float r = 1 - (t.x1 - x) * (t.x1 - x);
      if (r < 0) continue;
      add(t, t.x1, y + std::sqrt(r)), add(t, t.x1, y - std::sqrt(r));
    } else {
      // (px - x)^2 + (M px + c - y)^2 = 1
      float m = (t.y2 - t.y1) / (t.x2 - t.x1), c = t.y1 - m * t.x1;
      float a = 1 + m * m, b = 2 * (m * (c - y) - x), cc = x * x + (c - y) * (c - y) - 1;
      float disc = b * b - 4 * a * cc;
      if (disc < 0) continue;
      float p1 = (-b + std::sqrt(disc)) / (2 * a), p2 = (-b - std::sqrt(disc)) / (2 * a);
      add(t, p1, m * p1 + c), add(t, p2, m * p2 + c);
    }
  }
  for (int s = 0; s < 8; ++s) {
    int centre = heading - 3 * s - 6;
    while (centre < 0) centre += 24;
    float sum = 0;
    for (int k = -2; k <= 2; ++k) sum += (1 - std::abs(k) / 3.0f) * bins[((centre + k) % 24 + 24) % 24];
    outputs[s] = sum * 100 / (sum + 50);
  }
}

int TWorld::LayScent(int direction, int segment, float x, float y) {
  scentCreated = true;
  bool given = segment >= 0 && segment < static_cast<int>(scents.size());
  float startX = x, startY = y;
  if (given && scents[static_cast<size_t>(segment)].direction != direction) {
    TScentTrail& old = scents[static_cast<size_t>(segment)];
    startX = old.x2, startY = old.y2;
    if (old.x1 == old.x2 && old.y1 == old.y2) old.active = false;
    given = false;
  }
  if (!given) {
    size_t k = 0;
    while (k < scents.size() && scents[k].active) ++k;
    if (k == scents.size()) scents.resize(scents.size() + 200);
    TScentTrail& fresh = scents[k];
    fresh.x1 = startX, fresh.y1 = startY;
    fresh.direction = direction;
    fresh.active = true;
    segment = static_cast<int>(k);
    scentUsed = std::max(scentUsed, segment + 1);
  }
  TScentTrail& t = scents[static_cast<size_t>(segment)];
  t.x2 = x, t.y2 = y;
  t.strength = 100;
  return segment;
}
