#include "bodies/Ball.h"

#include <cmath>

#include "channels/ChannelNumbers.h"
#include "bodies/CritterWorld.h"
#include "bodies/ObjectMotion.h"

namespace {
constexpr float Friction = 0.75f;
constexpr float SlopePush = 0.02f;
constexpr float Lift = 0.4f;
// How far from a round pusher's centre the ball comes to rest.
constexpr float PushOutGap = 0.4f;
}  // namespace

TBall::TBall(ICritterWorld* w, const std::string& n, int num, float px, float py, float pz, TPic* pic)
    : TCritter(w, n, num, px, py, pz, 0) {
  setClass(ClassMasks::Ball);
  headingCount = 1;
  body = addPart(pic, 0);
}

void TBall::destroy() {
  body = nullptr;
  TCritter::destroy();
}

void TBall::step() {
  TCritter::step();
  if (!running || dead) return;
  vx = Friction * (x - prevX);
  vy = Friction * (y - prevY);
  prevX = x, prevY = y, prevZ = z;
  // The ground's tilt a little way out toward each side pushes the ball downhill:
  // kinds 1 and 2 rise toward +y and -y, kinds 3 and 4 toward -x and +x.
  float a[5] = {0, 0, 0, 0, 0};
  for (int h : {1, 7, 13, 19}) {
    int kind = 0;
    SurfaceUnder(*this, x + 0.2f * cosTable[h], y + 0.2f * sinTable[h], z, kind);
    if (kind >= 1 && kind <= 4) a[kind] = SlopePush;
  }
  vx += a[3] - a[4];
  vy += a[2] - a[1];
  float nz = z;
  const float g = SurfaceUnder(*this, x + vx, y + vy, z + Lift);
  if (z + Lift > g) nz = g;
  moveTo(x + vx, y + vy, nz);
}

void TBall::collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart) {
  TCritter::collideWithCritter(other, myPart, otherPart);
  if (!other) return;
  float mx, my, mz, ox, oy, oz;
  other->seenMotion(mx, my, mz);
  other->seenPosition(ox, oy, oz);
  if ((x - ox) * mx + (y - oy) * my <= 0) {
    moveTo(prevX, prevY, prevZ);
    vx = vy = 0;
    return;
  }
  float nx = prevX + mx, ny = prevY + my;
  vx = mx, vy = my;
  if (otherPart && otherPart->bound.kind == CircleBoundary) {
    const float cx = otherPart->bound.cx + other->seenShiftX(), cy = otherPart->bound.cy + other->seenShiftY();
    const float d = std::sqrt((nx - cx) * (nx - cx) + (ny - cy) * (ny - cy));
    const float reach = otherPart->bound.radius + PushOutGap;
    // A ball at the very centre has no way out to choose; it keeps where the push put it.
    if (d > 1e-4f && d < reach) nx = cx + (nx - cx) * reach / d, ny = cy + (ny - cy) * reach / d;
  }
  moveTo(nx, ny, z);
  const float g = SurfaceUnder(*this, x, y, z + Lift);
  if (z + Lift > g) moveTo(x, y, g);
  if (world && world->TouchingAnything(body)) moveTo(prevX, prevY, prevZ);
}

void TBall::collideWithThing(TStaticBound* thing, TSprite* myPart) {
  TCritter::collideWithThing(thing, myPart);
  vx = vy = 0;
  moveTo(prevX, prevY, prevZ);
}

bool TBall::reset() {
  const bool moved = TCritter::reset();
  vx = vy = 0;
  moveTo(x, y, SurfaceUnder(*this, x, y, z));
  return moved;
}
