#include "bodies/Bulb.h"

#include <algorithm>
#include <cmath>

#include "channels/ChannelNumbers.h"
#include "bodies/CritterWorld.h"
#include "bodies/ObjectMotion.h"

namespace {
constexpr float Lift = 0.2f;
}  // namespace

TBulb::TBulb(ICritterWorld* w, const std::string& n, int num, float px, float py, float pz, TPic* pic)
    : TCritter(w, n, num, px, py, pz, 0) {
  setClass(ClassMasks::Bulb);
  headingCount = 1;
  body = addPart(pic, 0);
  z = startZ = prevZ = SurfaceUnder(*this, x, y, z);
  body->setPosition(x, y, z);
}

void TBulb::destroy() {
  body = nullptr;
  TCritter::destroy();
}

int TBulb::FrameFor(float b) {
  // A brain may drive the bulb below 0 or, through a learning rule, past 100.
  return std::clamp(static_cast<int>(std::floor(b * 0.2f + 0.5f)), 0, Frames - 1);
}

void TBulb::step() {
  TCritter::step();
  if (!running || dead) return;
  prevX = x, prevY = y, prevZ = z;
  if (const int32_t* out = brainOutputs(); out && brainInputs()) {
    brightness = static_cast<float>(ChannelValue(out, OutCh::LightBulb));
    body->setFrame(FrameFor(brightness));
  }
  SettleOnSurface(*this, Lift);
}

void TBulb::collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart) {
  TCritter::collideWithCritter(other, myPart, otherPart);
  if (!other || carrier) return;
  PushedBy(*this, *other, *body, Lift);
}

void TBulb::collideWithThing(TStaticBound* thing, TSprite* myPart) {
  TCritter::collideWithThing(thing, myPart);
  BackToPrevious(*this);
}

bool TBulb::reset() {
  const bool moved = TCritter::reset();
  brightness = 0;
  body->setFrame(0);
  return moved;
}
