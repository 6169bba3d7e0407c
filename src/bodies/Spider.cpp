#include "bodies/Spider.h"

#include <algorithm>
#include <cmath>

#include "channels/ChannelNumbers.h"
#include "bodies/CritterWorld.h"
#include "bodies/Worm.h"

namespace {
inline int Wrap24(int h) { return ((h % 24) + 24) % 24; }
inline int Wrap12(int d) {
  d = Wrap24(d);
  return d > 12 ? d - 24 : d;
}
inline bool On(const int32_t* out, int channel) { return EffectorOn(out[channel * 8]); }
inline int Sign(int v) { return (v > 0) - (v < 0); }

// Legs 0-3 on the left from the front, 4-7 on the right; in 24ths of a turn from the heading.
constexpr int LegRoot[TSpider::LegCount] = {3, 5, 7, 9, -3, -5, -7, -9};
// Alternating groups of four: one swings forward lifted while the other pushes.
constexpr bool LegGroupA[TSpider::LegCount] = {true, false, true, false, false, true, false, true};
constexpr int Swing[8] = {-1, 0, 1, 1, 0, 0, -1, -1};
constexpr bool Lifted[8] = {true, true, true, false, false, false, false, false};
}  // namespace

TSpider::TSpider(ICritterWorld* w, const std::string& n, int num, float px, float py, float pz, int h, TPic* bodyPic,
                 TPic* legPic)
    : TCritter(w, n, num, px, py, pz, Wrap24(h)) {
  setClass(ClassMasks::Spider);
  headingCount = 24;
  spiderHeading = lastHeading = heading;
  body = addPart(bodyPic, spiderHeading);
  for (auto& leg : legs) leg = addPart(legPic, 0);
  int kind = 0;
  if (world) z = world->SurfaceHeight(x, y, z, kind, number) + BodyLift;
  startZ = prevZ = z;
  layout();
}

void TSpider::destroy() {
  body = nullptr;
  std::fill(std::begin(legs), std::end(legs), nullptr);
  prey = nullptr;
  TCritter::destroy();
}

void TSpider::LegPose(int leg, int h, int counter, int& direction, bool& lifted) {
  leg = std::clamp(leg, 0, LegCount - 1);
  int t = counter >= 3 ? (counter - 3) % 8 : 0;
  if (!LegGroupA[leg]) t = (t + 4) % 8;
  // A forward swing brings the leg round toward the head.
  direction = Wrap24(h + LegRoot[leg] - Sign(LegRoot[leg]) * Swing[t]);
  lifted = Lifted[t];
}

void TSpider::layout() {
  if (!body) return;
  body->setFrame(spiderHeading);
  body->setPosition(x, y, z);
  for (int k = 0; k < LegCount; ++k) {
    int direction = 0;
    bool lifted = false;
    LegPose(k, spiderHeading, stepCounter, direction, lifted);
    legs[k]->setFrame(direction + (lifted ? LegLifted : 0));
    legs[k]->setPosition(x, y, z);
  }
}

void TSpider::layoutDead() {
  if (!body) return;
  body->setFrame(DeadFrame);
  body->setPosition(x, y, z);
  for (TSprite* leg : legs) leg->hide();
}

// The body stands its lift above the surface under it, up or down. The surface is sought
// from a little above the feet, so that a step up onto the next tile is found too.
float TSpider::standHeight(float px, float py) {
  if (!world) return z;
  int kind = 0;
  const float feet = z - BodyLift;
  return world->SurfaceHeight(px, py, feet + StepReach, kind, number, prey ? prey->number : -1) + BodyLift;
}

bool TSpider::carryingBeaten() const { return prey && wrestleTicks <= 0 && prey->dead; }

void TSpider::letGo() {
  if (prey && prey->carrier == this) prey->carrier = nullptr;
  prey = nullptr;
  wrestleTicks = 0;
}

void TSpider::turnPrey(int fine) {
  if (!prey) return;
  prey->frontAngle = ((prey->frontAngle + fine) % TWorm::FineTurn + TWorm::FineTurn) % TWorm::FineTurn;
  prey->backAngle = ((prey->backAngle + fine) % TWorm::FineTurn + TWorm::FineTurn) % TWorm::FineTurn;
  prey->layout();
}

void TSpider::step() {
  // The prey may have left the world (the editor deletes critters).
  if (prey) {
    bool found = false;
    for (int k = 0; world && k < world->CritterCount() && !found; ++k) found = world->CritterAt(k) == prey;
    if (!found) letGo();
  }
  TCritter::step();
  if (dead) {
    layoutDead();
    return;
  }
  int32_t* in = brainInputs();
  const int32_t* out = brainOutputs();
  if (!in || !out) return;
  in[InCh::Bump * 8] = touching && !atHome ? 100 : 0;
  if (!touching && wrestleTicks <= 0) atHome = false;
  // A worm that came back to life (placed anew) is no longer food in hand.
  if (prey && wrestleTicks <= 0 && !prey->dead) letGo();
  bool go = On(out, OutCh::GoFwd), left = On(out, OutCh::TurnLeft), right = On(out, OutCh::TurnRight);
  bool back = On(out, OutCh::GoBack);
  if (panicTicks > 0) {
    bool ended = false;
    panic(go, left, right, back, ended);
    if (ended) return;
  }
  if (running) {
    prevX = x, prevY = y, prevZ = z;
    lastHeading = spiderHeading;
    if (wrestleTicks > 0) {
      wrestle();
    } else if (go || left || right || back) {
      walk(go, left, right, back);
      if (dead) return;
    } else {
      goHome(in);
    }
    if (carryingBeaten()) carryPrey();
  }
  in[InCh::Eye * 8] = static_cast<int>(std::floor(eye + 0.5f));
  eye = 0;
  in[InCh::GotFood * 8] = carryingBeaten() ? 100 : 0;
  touching = false;
}

// Backing off after a lost fight; the brain has no say. Once free of everything at the
// end, the spider dies.
void TSpider::panic(bool& go, bool& left, bool& right, bool& back, bool& ended) {
  const int elapsed = PanicTime - panicTicks;
  go = left = right = false;
  back = true;
  --panicTicks;
  if (panicTicks <= 0) {
    if (!touching && !(world && body && world->TouchingAnything(body))) {
      dead = true;
      layoutDead();
      ended = true;
      return;
    }
    panicTicks = 1;
  }
  if ((elapsed < 20 || panicTicks % 2 == 1) && world) {
    if (world->Generator().below(2) == 0) left = true;
    else right = true;
  }
}

void TSpider::wrestle() {
  if (!prey) {
    wrestleTicks = 0;
    return;
  }
  if (--wrestleTicks <= 0) {
    letGo();
    return;
  }
  float px, py, pz;
  prey->getPosition(px, py, pz);
  const int d = Wrap12(Direction24(px - x, py - y) - spiderHeading);
  spiderHeading = Wrap24(spiderHeading + Sign(d));
  if (std::fabs(px - x) < 0.6f && std::fabs(py - y) < 0.6f) {
    x = px, y = py;
    z = standHeight(x, y);
    layout();
    if (prey->energy >= StrongWorm) {
      prey->energy = 100;
      letGo();
      panicTicks = PanicTime;
    } else {
      prey->dead = true;
      prey->midHeight = 0;
      wrestleTicks = 0;
    }
    return;
  }
  // Not there yet: close in along the line to the prey.
  const float dx = px - x, dy = py - y, len = std::sqrt(dx * dx + dy * dy);
  if (len > 0) x += 0.1f * dx / len, y += 0.1f * dy / len;
  z = standHeight(x, y);
  layout();
}

void TSpider::walk(bool go, bool left, bool right, bool back) {
  stepCounter = stepCounter >= 10 ? 3 : stepCounter + 1;
  energy -= energyLoss;
  if (energy <= 0) {
    energy = 0;
    dead = true;
    layoutDead();
    return;
  }
  const int h = spiderHeading;
  if (GaitMoves(stepCounter)) {
    if (go) x += Stride * cosTable[h], y += Stride * sinTable[h];
    if (back) x -= Stride * cosTable[h], y -= Stride * sinTable[h];
  }
  if (right) {
    spiderHeading = Wrap24(spiderHeading - 1);
    turnPrey(-TWorm::FinePerHeading);
  }
  if (left) {
    spiderHeading = Wrap24(spiderHeading + 1);
    turnPrey(TWorm::FinePerHeading);
  }
  z = standHeight(x, y);
  layout();
}

// Near home with nothing to do: settle exactly on the home spot, face the home heading a
// step at a time, and eat what was brought.
void TSpider::goHome(const int32_t* in) {
  const int homeDist = in[InCh::HomeDist * 8];
  if (homeDist <= 90 || homeDist >= 100) return;
  atHome = true;
  if (prey) prey->atHome = true;
  x = startX, y = startY;
  z = standHeight(x, y);
  const int d = Wrap12(heading - spiderHeading);
  if (d != 0) {
    spiderHeading = Wrap24(spiderHeading + Sign(d));
    turnPrey(Sign(d) * TWorm::FinePerHeading);
  }
  layout();
  if (spiderHeading != Wrap24(heading) || !prey) return;
  energy += prey->energy;
  prey->hideParts();
  letGo();
}

void TSpider::carryPrey() {
  prey->x = x + 0.2f * cosTable[spiderHeading];
  prey->y = y + 0.2f * sinTable[spiderHeading];
  prey->z = z - 0.4f;
  prey->atHome = true;
  prey->carrier = this;
  prey->layout();
}

void TSpider::senseBody(TCritter* other) {
  TCritter::senseBody(other);
  if (dead || atHome || !other || other->dead || other->typeCode != TypeCodes::Worm) return;
  auto* worm = dynamic_cast<TWorm*>(other);
  if (!worm) return;
  for (const TSprite* end : {static_cast<const TSprite*>(worm->front), static_cast<const TSprite*>(worm->back)}) {
    if (!end) continue;
    const float dx = end->x - x, dy = end->y - y;
    if (std::abs(Wrap12(Direction24(dx, dy) - spiderHeading)) > 1) continue;
    eye = std::max(eye, 100 - 10 * std::sqrt(dx * dx + dy * dy));
  }
}

void TSpider::collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart) {
  TCritter::collideWithCritter(other, myPart, otherPart);
  if (dead || !other || other == prey) return;
  if (panicTicks > 0) {
    touching = true;
    return;
  }
  if (!prey && other->typeCode == TypeCodes::Worm && !other->dead) {
    if (auto* worm = dynamic_cast<TWorm*>(other)) {
      prey = worm;
      wrestleTicks = WrestleTime;
      return;
    }
  }
  blockedBy(otherPart, myPart);
}

void TSpider::collideWithThing(TStaticBound* thing, TSprite* myPart) {
  TCritter::collideWithThing(thing, myPart);
  if (dead) return;
  blockedBy(thing, myPart);
}

// Against something fixed: turn away a step, then try to slide along it; when that does
// not free the body, the move is undone.
void TSpider::blockedBy(const TStaticBound* against, TSprite* myPart) {
  if (atHome || !body) return;
  TSprite* part = myPart ? myPart : body;
  auto stuck = [&] { return against ? part->overlaps(*against) : world && world->TouchingAnything(part); };
  z = prevZ;
  if (prey && wrestleTicks <= 0) {
    spiderHeading = Wrap24(spiderHeading - 1);
    turnPrey(-TWorm::FinePerHeading);
  } else {
    spiderHeading = Wrap24(spiderHeading + 1);
  }
  bool freed = false;
  if (x != prevX) {
    x = prevX;
    layout();
    freed = !stuck();
  } else {
    y = prevY;
    x += 0.1f;
    layout();
  }
  if (!freed && stuck()) {
    x = prevX, y = prevY, z = prevZ;
    layout();
  }
  touching = true;
}

// The map's edge undoes the move whole; what the spider carries comes back with it.
void TSpider::collideWithEdge(TSprite* part) {
  TCritter::collideWithThing(nullptr, part);
  if (dead) return;
  x = prevX, y = prevY, z = prevZ;
  layout();
  if (carryingBeaten()) carryPrey();
  touching = true;
}

bool TSpider::reset() {
  const bool moved = TCritter::reset();
  stepCounter = 0;
  heading = Wrap24(heading);
  spiderHeading = lastHeading = heading;
  prey = nullptr;
  wrestleTicks = panicTicks = 0;
  eye = 0;
  touching = false;
  layout();
  return moved;
}
