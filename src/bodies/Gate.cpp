#include "bodies/Gate.h"

#include "channels/ChannelNumbers.h"
#include "bodies/CritterWorld.h"

namespace {
constexpr int Angles = 24;
int Wrap(int v) { return ((v % Angles) + Angles) % Angles; }
}  // namespace

TGate::TGate(ICritterWorld* w, const std::string& n, int num, float px, float py, float pz, int h, TPic* pic)
    : TCritter(w, n, num, px, py, pz, Wrap(h)) {
  setClass(ClassMasks::Gate);
  headingCount = Angles;
  body = addPart(pic, heading);
  angle = previousAngle = heading;
}

void TGate::destroy() {
  body = nullptr;
  TCritter::destroy();
}

void TGate::showAngle(int a) {
  angle = Wrap(a);
  body->setFrame(angle);
}

void TGate::step() {
  TCritter::step();
  previousAngle = angle;
  int32_t* in = brainInputs();
  const int32_t* out = brainOutputs();
  if (!in || !out || dead) return;
  if (running) {
    int a = angle;
    if (EffectorOn(ChannelValue(out, OutCh::BendRight))) --a;
    if (EffectorOn(ChannelValue(out, OutCh::BendLeft))) ++a;
    showAngle(a);
  }
  ChannelValue(in, InCh::MidAngle) = angle;
}

void TGate::collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart) {
  TCritter::collideWithCritter(other, myPart, otherPart);
  showAngle(previousAngle);
}

void TGate::collideWithThing(TStaticBound* thing, TSprite* myPart) {
  TCritter::collideWithThing(thing, myPart);
  showAngle(previousAngle);
}

bool TGate::reset() {
  const bool moved = TCritter::reset();
  showAngle(startHeading);
  previousAngle = angle;
  return moved;
}
