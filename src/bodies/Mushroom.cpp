#include "bodies/Mushroom.h"

#include "channels/ChannelNumbers.h"
#include "bodies/CritterWorld.h"
#include "bodies/ObjectMotion.h"

TMushroom::TMushroom(ICritterWorld* w, const std::string& n, int num, float px, float py, float pz, TPic* pic)
    : TCritter(w, n, num, px, py, pz, 0) {
  setClass(ClassMasks::Mushroom);
  headingCount = 2;
  pickable = true;
  startEnergy = energy = StartEnergy;
  body = addPart(pic, GoodFrame);
  z = startZ = prevZ = SurfaceUnder(*this, x, y, z);
  body->setPosition(x, y, z);
}

void TMushroom::destroy() {
  body = nullptr;
  TCritter::destroy();
}

void TMushroom::step() {
  // Poison is carried as negative energy for the worm that eats it; the base step would
  // take that for starvation and kill the mushroom before any worm could eat it.
  const bool poison = poisoned() && !dead;
  const float kept = energy;
  if (poison) energy = 1;
  TCritter::step();
  if (poison && !dead) energy = kept;
}

void TMushroom::triggerFired(const TTrigger* trigger) {
  TCritter::triggerFired(trigger);
  energy = -startEnergy;
  body->setFrame(PoisonedFrame);
}

void TMushroom::collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart) {
  TCritter::collideWithCritter(other, myPart, otherPart);
  if (!other || other->typeCode != TypeCodes::Worm || body->frame != GoodFrame || placedMode != 0) return;
  // Only the worm's front end bites.
  if (!otherPart || !otherPart->pic || otherPart->pic->name.rfind("wf", 0) != 0) return;
  dead = true;
  hideParts();
}

bool TMushroom::reset() {
  const bool moved = TCritter::reset();
  body->setFrame(energy < 0 ? PoisonedFrame : GoodFrame);
  moveTo(x, y, SurfaceUnder(*this, x, y, z));
  // A random placement keeps its height limit as the start; the mushroom rests on the
  // surface instead, and that is its start, or every later reset pass would move it again.
  startZ = z;
  showParts();
  return moved;
}
