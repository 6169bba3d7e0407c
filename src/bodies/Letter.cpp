#include "bodies/Letter.h"

#include "channels/ChannelNumbers.h"
#include "bodies/CritterWorld.h"
#include "bodies/ObjectMotion.h"

namespace {
constexpr int Frames = 2 * TLetter::LetterCount;
constexpr float Pace = 0.002f;
constexpr float Lift = 0.02f;
int Wrap(int v) { return ((v % Frames) + Frames) % Frames; }
}  // namespace

TLetter::TLetter(ICritterWorld* w, const std::string& n, int num, float px, float py, float pz, int h, TPic* pic)
    : TCritter(w, n, num, px, py, pz, Wrap(h)) {
  setClass(ClassMasks::Letter);
  headingCount = Frames;
  body = addPart(pic, heading);
  shownFrame = previousFrame = heading;
}

void TLetter::destroy() {
  body = nullptr;
  TCritter::destroy();
}

void TLetter::show(int frame) {
  shownFrame = Wrap(frame);
  body->setFrame(shownFrame);
}

void TLetter::step() {
  TCritter::step();
  if (!running || dead) return;
  prevX = x, prevY = y, prevZ = z;
  previousFrame = shownFrame;
  const int32_t* out = brainOutputs();
  if (!out || !brainInputs()) return;
  const bool turned = ChannelValue(out, OutCh::TurnLetter) >= 50;
  int letter = shownFrame % LetterCount;
  const int wanted = ChannelValue(out, OutCh::Letter);
  if (wanted >= 0 && wanted < LetterCount) letter = wanted;
  show(letter + (turned ? LetterCount : 0));
  const int dx = ChannelValue(out, OutCh::LetterX), dy = ChannelValue(out, OutCh::LetterY);
  if (dx != 0) moveTo(x + dx * Pace, y, SurfaceUnder(*this, x + dx * Pace, y, z) + Lift);
  if (dy != 0) moveTo(x, y + dy * Pace, SurfaceUnder(*this, x, y + dy * Pace, z) + Lift);
}

void TLetter::backToPrevious() {
  BackToPrevious(*this);
  show(previousFrame);
}

void TLetter::collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart) {
  TCritter::collideWithCritter(other, myPart, otherPart);
  backToPrevious();
}

void TLetter::collideWithThing(TStaticBound* thing, TSprite* myPart) {
  TCritter::collideWithThing(thing, myPart);
  backToPrevious();
}

bool TLetter::reset() {
  const bool moved = TCritter::reset();
  show(startHeading);
  previousFrame = shownFrame;
  return moved;
}
