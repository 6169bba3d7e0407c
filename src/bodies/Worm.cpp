#include "bodies/Worm.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "channels/ChannelNumbers.h"
#include "bodies/CritterWorld.h"

namespace {
inline int Wrap24(int h) { return ((h % 24) + 24) % 24; }
inline int WrapFine(int a) { return ((a % TWorm::FineTurn) + TWorm::FineTurn) % TWorm::FineTurn; }
inline int Out(const int32_t* out, int channel) { return out[channel * 8]; }
inline int ClampInt(int64_t v, int lo, int hi) { return static_cast<int>(std::clamp<int64_t>(v, lo, hi)); }
}  // namespace

TWorm::TWorm(ICritterWorld* w, const std::string& n, int num, float px, float py, float pz, int h, TPic* frontPic,
             TPic* middlePic, TPic* backPic)
    : TCritter(w, n, num, px, py, pz, Wrap24(h)) {
  setClass(ClassMasks::Worm);
  headingCount = 24;
  frontAngle = FinePerHeading * heading;
  backAngle = WrapFine(frontAngle + HalfTurn);
  front = addPart(frontPic, heading);
  front->setPosition(x, y + 0.5f, z);
  middle1 = addPart(middlePic, 0);
  middle2 = addPart(middlePic, 0);
  back = addPart(backPic, 0);
  back->setPosition(x, y - 0.5f, z);
  saveOld();
  layout();
  startZ = z;
}

void TWorm::destroy() {
  front = middle1 = middle2 = back = nullptr;
  TCritter::destroy();
}

int TWorm::bendSplit() const {
  int e = backAngle - frontAngle - HalfTurn;
  if (e > HalfTurn) e = backAngle - frontAngle - 3 * HalfTurn;
  if (e < -HalfTurn) e += FineTurn;
  return e / 3;
}

int TWorm::frontDirection() const { return WrapFine(frontAngle + bendSplit()); }
int TWorm::backDirection() const { return WrapFine(backAngle - bendSplit()); }

void TWorm::layoutParts(bool frontEnd, bool backEnd) {
  if (!front || !cosTable) return;
  const float len = halfLength();
  const int t = std::min(midHeight / 10, 9);
  const int dF = frontDirection() / FinePerHeading, dB = backDirection() / FinePerHeading;
  middle1->setFrame(t + 10 * dF);
  middle1->setPosition(x, y, z);
  middle2->setFrame(t + 10 * dB);
  middle2->setPosition(x, y, z);
  if (frontEnd) {
    front->setFrame(frontAngle / FinePerHeading);
    front->setPosition(x + len * cosTable[dF], y + len * sinTable[dF], z);
  }
  if (backEnd) {
    back->setFrame(backAngle / FinePerHeading);
    back->setPosition(x + len * cosTable[dB], y + len * sinTable[dB], z);
  }
}

// The live heading is the front end's: its frame follows the front angle.
int TWorm::getHeading() { return Wrap24(frontAngle / FinePerHeading); }

void TWorm::saveOld() {
  oldFrontAngle = frontAngle, oldBackAngle = backAngle;
  oldMidHeight = midHeight, oldMidAngle = midAngle;
}

void TWorm::step() {
  TCritter::step();
  if (dead) {
    curl();
    return;
  }
  int32_t* in = brainInputs();
  const int32_t* out = brainOutputs();
  if (!in || !out) return;
  if (running) move(out);
  writeInputs(in);
}

void TWorm::move(const int32_t* out) {
  prevX = x, prevY = y, prevZ = z;
  const float frontOffBefore = offMap(front), backOffBefore = offMap(back);
  saveOld();
  int newHeight = midHeight;
  const int raise = Out(out, OutCh::RaiseMid), lower = Out(out, OutCh::LowerMid);
  if (raise != 0 || lower != 0) {
    newHeight = ClampInt(static_cast<int64_t>(midHeight) + (static_cast<int64_t>(raise) - lower) / 10, 0, 100);
    energy -= energyLoss;
  } else if (newHeight > 0) {
    --newHeight;  // the middle sinks back by itself
  }
  int newBend = midAngle;
  const int left = Out(out, OutCh::BendLeft), right = Out(out, OutCh::BendRight);
  if (left != 0 || right != 0) {
    newBend = ClampInt(static_cast<int64_t>(midAngle) + (static_cast<int64_t>(right) - left) / 5, -100, 100);
    energy -= energyLoss;
  } else if (newBend < 0) {
    newBend += 2;
  } else if (newBend > 0) {
    newBend -= 2;
  }
  const bool gripFront = EffectorOn(Out(out, OutCh::GrabFront)), gripBack = EffectorOn(Out(out, OutCh::GrabBack));
  // Held at both ends the body cannot change at all.
  if (gripFront && gripBack) return;
  const int w = midAngle - newBend;
  midHeight = newHeight;
  midAngle = newBend;
  if (gripFront) {
    backAngle = WrapFine(backAngle - w);
    const float len = halfLength();
    const int dF = frontDirection() / FinePerHeading;
    x = front->x - len * cosTable[dF];
    y = front->y - len * sinTable[dF];
    layoutParts(false, true);
  } else if (gripBack) {
    frontAngle = WrapFine(frontAngle + w);
    const float len = halfLength();
    const int dB = backDirection() / FinePerHeading;
    x = back->x - len * cosTable[dB];
    y = back->y - len * sinTable[dB];
    layoutParts(true, false);
  } else {
    frontAngle = WrapFine(frontAngle + w / 2);
    backAngle = WrapFine(backAngle - w / 2);
    layout();
  }
  keepOnMap(frontOffBefore, backOffBefore);
}

float TWorm::offMap(const TSprite* end) const {
  return end && worldWidth > 0 && worldHeight > 0 ? OffMapDistance(end->x, end->y, worldWidth, worldHeight) : 0;
}

// The map's edge stops a worm as a stone would: a move that takes an end further off the
// map is taken back whole, and the end feels the bump. A worm placed with an end off the
// map may still crawl back in.
void TWorm::keepOnMap(float frontBefore, float backBefore) {
  const bool frontOff = offMap(front) > frontBefore + 1e-5f, backOff = offMap(back) > backBefore + 1e-5f;
  if (!frontOff && !backOff) return;
  restoreMove();
  noseBumped = noseBumped || frontOff;
  tailBumped = tailBumped || backOff;
}

void TWorm::writeInputs(int32_t* in) {
  in[InCh::MidHeight * 8] = midHeight;
  in[InCh::MidAngle * 8] = midAngle;
  in[InCh::SpiderLeft * 8] = static_cast<int>(spiderLeft);
  in[InCh::SpiderRight * 8] = static_cast<int>(spiderRight);
  spiderLeft = spiderRight = 0;
  nearestSpider = 1e10f;
  in[InCh::BumpNose * 8] = noseBumped ? 100 : 0;
  in[InCh::BumpTail * 8] = tailBumped ? 100 : 0;
  noseBumped = tailBumped = false;
}

// A dead worm curls up; the layout also follows it down while it sinks.
void TWorm::curl() {
  if (midAngle < 100) {
    midAngle += 2;
    if (midHeight > 0) midHeight = 0;
    frontAngle = WrapFine(frontAngle - 2);
    backAngle = WrapFine(backAngle + 2);
  }
  layout();
}

void TWorm::collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart) {
  if (dead || atHome || !other) return;
  TCritter::collideWithCritter(other, myPart, otherPart);
  // A mushroom is food for the mouth only, and not while it has just been placed. A
  // poisoned one is eaten too: its energy is negative, and that is what poisons. What is
  // eaten is gone, so no mushroom feeds (or poisons) the worm twice.
  if (myPart == front && other->typeCode == TypeCodes::Mushroom && other->placedMode == 0) {
    energy = std::clamp(energy + other->energy, 0.0f, EatCap);
    // Eaten is not shot: a mushroom that cannon balls spare is still gone once eaten.
    other->dead = true;
    other->hideParts();
    return;
  }
  if (otherPart) undoMove(*otherPart, myPart);
  bumpedBy(myPart);
}

void TWorm::collideWithThing(TStaticBound* thing, TSprite* myPart) {
  if (dead || atHome) return;
  TCritter::collideWithThing(thing, myPart);
  if (thing) undoMove(*thing, myPart);
  bumpedBy(myPart);
}

void TWorm::collideWithEdge(TSprite* part) {
  if (dead || atHome) return;
  TCritter::collideWithThing(nullptr, part);
  restoreMove();
  bumpedBy(part);
}

void TWorm::bumpedBy(const TSprite* myPart) {
  if (myPart == front) noseBumped = true;
  if (myPart == back) tailBumped = true;
}

// Takes back as little of this tick's move as frees the touching part: the bend first,
// then the height, then everything.
void TWorm::undoMove(const TStaticBound& against, const TSprite* myPart) {
  if (!myPart) return;
  const float newX = x, newY = y;
  const int newHeight = midHeight, newBend = midAngle;
  auto freed = [&] { return !myPart->overlaps(against); };
  if (newBend != oldMidAngle) {
    x = prevX, y = prevY;
    midHeight = oldMidHeight;
    layout();
    if (freed()) return;
  }
  if (newHeight != oldMidHeight) {
    x = newX, y = newY;
    midHeight = newHeight;
    frontAngle = oldFrontAngle, backAngle = oldBackAngle, midAngle = oldMidAngle;
    layout();
    if (freed()) return;
  }
  restoreMove();
}

void TWorm::restoreMove() {
  x = prevX, y = prevY, z = prevZ;
  frontAngle = oldFrontAngle, backAngle = oldBackAngle;
  midHeight = oldMidHeight, midAngle = oldMidAngle;
  layout();
}

void TWorm::senseBody(TCritter* other) {
  if (dead || !other || !front || !cosTable) return;
  const int type = other->typeCode;
  const bool spider = type == TypeCodes::Spider, bulb = type == TypeCodes::Bulb;
  if (type != smellType1 && type != smellType2 && !spider && !bulb) return;
  const int h = getHeading(), hl = Wrap24(h + 4), hr = Wrap24(h - 4);
  float bx, by, bz;
  other->getPosition(bx, by, bz);
  const float fx = front->x, fy = front->y;
  const float nx = fx + 0.6f * cosTable[h], ny = fy + 0.6f * sinTable[h];
  const float e = (bx - nx) * (bx - nx) + (by - ny) * (by - ny);
  auto reach = [&](int k) {
    const float dx = bx - (fx + 0.6f * cosTable[k]), dy = by - (fy + 0.6f * sinTable[k]);
    return std::max(0.0f, 100 - 10 * std::sqrt(dx * dx + dy * dy));
  };
  // The reaches cost two roots; most bodies are no nearer than the nearest so far.
  const bool near1 = type == smellType1 && e < nearest1;
  const bool near2 = type == smellType2 && e < nearest2;
  const bool nearSpider = spider && e < nearestSpider;
  const bool lit = bulb && other->brightness > 0;
  if (!near1 && !near2 && !nearSpider && !lit) return;
  const float u = reach(hl), v = reach(hr);
  if (near1) smellLeft1 = u, smellRight1 = v, nearest1 = e;
  if (near2) smellLeft2 = u, smellRight2 = v, nearest2 = e;
  if (nearSpider) spiderLeft = u, spiderRight = v, nearestSpider = e;
  // Light comes in through the middle, looking the way the head points.
  if (lit) senseLight(*other, x + 0.6f * cosTable[h], y + 0.6f * sinTable[h], e, u, v);
}

bool TWorm::reset() {
  const bool moved = TCritter::reset();
  showParts();
  noseBumped = tailBumped = false;
  midHeight = midAngle = 0;
  heading = Wrap24(heading);
  frontAngle = FinePerHeading * heading;
  backAngle = WrapFine(frontAngle + HalfTurn);
  spiderLeft = spiderRight = 0;
  nearestSpider = 1e10f;
  saveOld();
  layout();
  return moved;
}

void TWorm::kill() {
  if (noKill) return;
  dead = true;
  if (middle1) middle1->hide();
  if (middle2) middle2->hide();
  midAngle = 98;  // the dead step curls the ends once more
}
