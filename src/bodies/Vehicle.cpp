#include "bodies/Vehicle.h"

#include <cmath>
#include <cstdlib>

#include "channels/ChannelNumbers.h"
#include "bodies/CritterWorld.h"
#include "bodies/ObjectMotion.h"

namespace {
int Wrap(int v, int n) { return ((v % n) + n) % n; }
int Nearest(float angle, float step, int n) { return Wrap(static_cast<int>(std::floor(angle / step + 0.5f)), n); }
}  // namespace

TVehicle::TVehicle(ICritterWorld* w, const std::string& n, int num, float px, float py, float pz, int h, TPic* pic)
    : TCritter(w, n, num, px, py, pz, Wrap(h, 24)) {
  setClass(ClassMasks::Vehicle);
  headingCount = 24;
  angle = previousAngle = 15.0f * heading;
  z = startZ = prevZ = SurfaceUnder(*this, x, y, z + Lift);
  body = addPart(pic, 0);
  body->setPosition(x, y, z + Lift);
  showFrame();
}

void TVehicle::destroy() {
  body = nullptr;
  TCritter::destroy();
}

int TVehicle::getHeading() { return Nearest(angle, 15, 24); }

void TVehicle::setHeading(int h) {
  heading = h;
  angle = 15.0f * Wrap(h, 24);
  if (body) showFrame();
}

void TVehicle::showFrame() {
  const int c = Nearest(angle, 15, 24);
  int kind = 0;
  SurfaceUnder(*this, x + 0.4f * cosTable[c], y + 0.4f * sinTable[c], z + Lift, kind);
  body->setFrame(kind > 0 ? c + 24 * kind + 24 : Nearest(angle, 7.5f, FlatFrames));
}

void TVehicle::step() {
  TCritter::step();
  int32_t* in = brainInputs();
  const int32_t* out = brainOutputs();
  if (!in || !out || dead) return;
  ChannelValue(in, InCh::Eyes) = (ChannelValue(in, InCh::LeftLight) + ChannelValue(in, InCh::RightLight)) / 2;
  if (!running) return;
  const int fwd = ChannelValue(out, OutCh::GoFwd);
  drive(fwd + ChannelValue(out, OutCh::LeftMotor), fwd + ChannelValue(out, OutCh::RightMotor));
}

void TVehicle::drive(int left, int right) {
  prevX = x, prevY = y, prevZ = z;
  previousAngle = angle;
  const float speed = static_cast<float>(left + right) * 0.001f;
  angle += static_cast<float>(right - left) * 0.1f;
  angle = std::fmod(angle, 360.0f);
  if (angle < 0) angle += 360;
  float dx, dy;
  if (body->frame >= FlatFrames) {
    const int c = Nearest(angle, 15, 24);
    dx = cosTable[c], dy = sinTable[c];
  } else {
    const int f = Nearest(angle, 7.5f, FlatFrames) * (768 / FlatFrames);
    dx = fineCos[f], dy = fineSin[f];
  }
  x += speed * dx;
  y += speed * dy;
  body->setPosition(x, y, z + Lift);
  const float g = SurfaceUnder(*this, x, y, z + Lift);
  if (z + 0.5f > g) z = g;
  body->setPosition(x, y, z + Lift);
  showFrame();
  if (energyLoss != 0) {
    energy -= static_cast<float>(std::abs(left) + std::abs(right)) * energyLoss * 0.005f;
    if (energy <= 0) energy = 0, dead = true;
  }
}

void TVehicle::backOff() {
  angle = previousAngle;
  moveTo(prevX, prevY, prevZ);
  showFrame();
  bumped = true;
}

void TVehicle::collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart) {
  TCritter::collideWithCritter(other, myPart, otherPart);
  backOff();
}

void TVehicle::collideWithThing(TStaticBound* thing, TSprite* myPart) {
  TCritter::collideWithThing(thing, myPart);
  backOff();
}

bool TVehicle::reset() {
  const bool moved = TCritter::reset();
  angle = previousAngle = 15.0f * startHeading;
  moveTo(x, y, SurfaceUnder(*this, x, y, z + Lift));
  showFrame();
  return moved;
}
