#include "bodies/Cube.h"

#include "channels/ChannelNumbers.h"
#include "bodies/CritterWorld.h"
#include "bodies/ObjectMotion.h"

namespace {
constexpr float Lift = 0.2f;
constexpr int Frames = 18;
int Wrap(int v, int n) { return ((v % n) + n) % n; }
}  // namespace

TCube::TCube(ICritterWorld* w, const std::string& n, int num, float px, float py, float pz, int h, TPic* pic)
    : TCritter(w, n, num, px, py, pz, Wrap(h, Frames)) {
  setClass(ClassMasks::Cube);
  headingCount = Frames;
  body = addPart(pic, heading);
  pickable = heading < BandSize;
  z = startZ = prevZ = SurfaceUnder(*this, x, y, z);
  body->setPosition(x, y, z);
}

void TCube::destroy() {
  body = nullptr;
  TCritter::destroy();
}

int TCube::getHeading() { return Wrap(body ? body->frame : heading, BandSize); }

void TCube::setHeading(int h) {
  heading = h;
  if (body) body->setFrame(body->frame / BandSize * BandSize + Wrap(h, BandSize));
}

void TCube::step() {
  TCritter::step();
  if (!running || dead) return;
  prevX = x, prevY = y, prevZ = z;
  if (!carrier) SettleOnSurface(*this, Lift);
}

void TCube::collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart) {
  TCritter::collideWithCritter(other, myPart, otherPart);
  // An ant picks the cube up rather than pushing it.
  if (!other || other->typeCode == TypeCodes::Ant || carrier) return;
  PushedBy(*this, *other, *body, Lift);
}

void TCube::collideWithThing(TStaticBound* thing, TSprite* myPart) {
  TCritter::collideWithThing(thing, myPart);
  BackToPrevious(*this);
}

bool TCube::reset() {
  const bool moved = TCritter::reset();
  body->setFrame(startHeading);
  pickable = startHeading < BandSize;
  moveTo(x, y, SurfaceUnder(*this, x, y, z));
  return moved;
}
