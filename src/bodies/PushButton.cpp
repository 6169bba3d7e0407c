#include "bodies/PushButton.h"

#include "channels/ChannelNumbers.h"
#include "bodies/CritterWorld.h"

namespace {
int Wrap(int v) { return ((v % TPushButton::Facings) + TPushButton::Facings) % TPushButton::Facings; }
}  // namespace

TPushButton::TPushButton(ICritterWorld* w, const std::string& n, int num, float px, float py, float pz, int h,
                         TPic* pic)
    : TCritter(w, n, num, px, py, pz, Wrap(h)) {
  setClass(ClassMasks::PushButton);
  headingCount = Facings;
  body = addPart(pic, heading);
}

void TPushButton::destroy() {
  body = nullptr;
  TCritter::destroy();
}

bool TPushButton::pressed() const { return body && body->frame >= Facings; }

int TPushButton::getHeading() { return Wrap(body ? body->frame : heading); }

void TPushButton::step() {
  TCritter::step();
  const bool wasPressed = pressed();
  if (wasPressed) body->setFrame(body->frame % Facings);
  int32_t* in = brainInputs();
  if (in && brainOutputs() && !dead) ChannelValue(in, InCh::Switch1) = wasPressed ? 100 : 0;
}

void TPushButton::collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart) {
  TCritter::collideWithCritter(other, myPart, otherPart);
  if (!other || pressed()) return;
  float dx, dy, dz;
  other->seenMotion(dx, dy, dz);
  // Only a push into the button's face counts; brushing it from behind or the side does not.
  const int facing = getHeading();
  const bool into = (facing == 0 && dx < 0) || (facing == 1 && dy < 0) || (facing == 2 && dx > 0) ||
                    (facing == 3 && dy > 0);
  if (into) body->setFrame(facing + Facings);
}

bool TPushButton::reset() {
  const bool moved = TCritter::reset();
  body->setFrame(Wrap(startHeading));
  return moved;
}
