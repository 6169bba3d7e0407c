#include "bodies/ObjectMotion.h"

#include "bodies/CritterWorld.h"

float SurfaceUnder(TCritter& c, float px, float py, float pz, int& kind) {
  kind = 0;
  if (!c.world) return pz;
  return c.world->SurfaceHeight(px, py, pz, kind, c.number);
}

float SurfaceUnder(TCritter& c, float px, float py, float pz) {
  int kind = 0;
  return SurfaceUnder(c, px, py, pz, kind);
}

void SettleOnSurface(TCritter& c, float lift) {
  const float g = SurfaceUnder(c, c.x, c.y, c.z + lift);
  if (c.z + lift > g) c.moveTo(c.x, c.y, g);
}

void BackToPrevious(TCritter& c) { c.moveTo(c.prevX, c.prevY, c.prevZ); }

void PushedBy(TCritter& c, TCritter& pusher, TSprite& body, float lift) {
  float mx, my, mz, ox, oy, oz;
  pusher.seenMotion(mx, my, mz);
  pusher.seenPosition(ox, oy, oz);
  if ((c.x - ox) * mx + (c.y - oy) * my <= 0) {
    BackToPrevious(c);
    return;
  }
  c.moveTo(c.prevX + mx, c.prevY + my, c.z);
  SettleOnSurface(c, lift);
  if (c.world && c.world->TouchingAnything(&body)) BackToPrevious(c);
}
