#include "bodies/Aphid.h"

#include <algorithm>
#include <cmath>

#include "channels/ChannelNumbers.h"
#include "bodies/CritterWorld.h"
#include "bodies/LadyBug.h"
#include "bodies/Trigger.h"

namespace {
inline bool On(const int32_t* out, int channel) { return EffectorOn(out[channel * 8]); }
constexpr float Pace = 0.02f;
}  // namespace

TAphid::TAphid(ICritterWorld* w, const std::string& n, int num, float px, float py, float pz, TPic* pic)
    : TCritter(w, n, num, px, py, pz, 0), targetX(px), targetY(py) {
  setClass(ClassMasks::Aphid);
  headingCount = 1;
  body = addPart(pic, 0);
  z = startZ = prevZ = groundUnder(x, y);
  body->setPosition(x, y, z);
  startEnergy = energy = 15;
}

float TAphid::groundUnder(float px, float py) {
  int kind = 0;
  return world ? world->SurfaceHeight(px, py, z, kind, number) : z;
}

void TAphid::destroy() {
  body = nullptr;
  TCritter::destroy();
}

void TAphid::step() {
  // The base step reports and clears the trigger; the drift below still follows it.
  const bool drift = triggered;
  TCritter::step();
  if (dead) return;
  if (eatenCounter > 0) {
    const int before = eatenCounter--;
    if (eatenCounter > 0) {
      moveTo(x, y, z + (before % 2 ? -0.004f : 0.008f));
    } else {
      moveTo(0, 0, -100);  // eaten: gone from the world
      energy = 0;
      dead = true;
      running = false;
    }
    return;
  }
  if (!running) return;
  prevX = x, prevY = y, prevZ = z;
  float nx = x, ny = y;
  if (drift) {
    if (std::fabs(targetX - nx) > Pace) nx += targetX > nx ? Pace : -Pace;
    if (std::fabs(targetY - ny) > Pace) ny += targetY > ny ? Pace : -Pace;
  }
  if (const int32_t* out = brainOutputs(); out && brainInputs()) {
    if (On(out, OutCh::GoFwd)) nx += Pace;
    if (On(out, OutCh::GoBack)) nx -= Pace;
    if (On(out, OutCh::TurnLeft)) ny += Pace;
    if (On(out, OutCh::TurnRight)) ny -= Pace;
  }
  if (nx == x && ny == y) return;
  x = nx, y = ny;
  z = groundUnder(x, y);
  body->setFrame(body->frame == 0 ? 1 : 0);
  body->setPosition(x, y, z);
}

void TAphid::collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart) {
  TCritter::collideWithCritter(other, myPart, otherPart);
  if (other->typeCode != TypeCodes::LadyBug) return;
  if (eatenCounter == 0) eatenCounter = EatTicks;
  if (eatenCounter == 1) other->energy = std::clamp(other->energy + energy, 0.0f, 100.0f);
}

void TAphid::triggerFired(const TTrigger* trigger) {
  TCritter::triggerFired(trigger);
  if (trigger) targetX = trigger->pointX, targetY = trigger->pointY;
}

bool TAphid::reset() {
  bool moved = TCritter::reset();
  body->setPosition(x, y, z);
  eatenCounter = 0;
  targetX = x, targetY = y;
  return moved;
}
