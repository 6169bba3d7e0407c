#include "bodies/Ant.h"

#include <algorithm>
#include <cmath>

#include "channels/ChannelNumbers.h"
#include "bodies/CritterWorld.h"
#include "bodies/Nest.h"

using namespace AntShape;

namespace {
inline int Wrap24(int h) { return ((h % 24) + 24) % 24; }
inline int Wrap12(int d) {
  d = Wrap24(d);
  return d > 11 ? d - 24 : d;
}
inline bool On(const int32_t* out, int channel, int sub = 0) { return EffectorOn(out[channel * 8 + sub]); }
inline int& In(int32_t* in, int channel, int sub = 0) { return in[channel * 8 + sub]; }

constexpr float StepCap = 0.209f;
constexpr int NestCloses = 3, NestStores = 50, NestDoorway = 55, NestLeaves = 100, NestRetry = 90, NestOut = 105;
}  // namespace

const float TAnt::SunTable[24] = {-50,     -33.333f, -16.667f, 0,        16.667f,  33.333f,  50,   66.667f,
                                  83.333f, 100,      83.333f,  66.667f,  50,       33.333f,  16.667f, 0,
                                  -16.667f, -33.333f, -50,     -66.667f, -83.333f, -100,     -83.333f, -66.667f};

TAnt::TAnt(ICritterWorld* w, const std::string& n, int num, float px, float py, float pz, int h, TPic* bodyPic,
           TPic* headPic, TPic* legPic)
    : TCritter(w, n, num, px, py, pz, Wrap24(h)) {
  setClass(ClassMasks::Ant);
  headingCount = 24;
  body = addPart(bodyPic, heading);
  head = addPart(headPic, heading);
  for (TSprite*& leg : legs) leg = addPart(legPic, heading);
  bodyHeading = lastHeading = heading;
  layOut();
  startZ = prevZ = z;
}

void TAnt::destroy() {
  body = head = nullptr;
  std::fill(std::begin(legs), std::end(legs), nullptr);
  held = facing = nullptr;
  nest = startNest = nullptr;
  TCritter::destroy();
}

int TAnt::getHeading() { return bodyHeading; }

float TAnt::groundAt(float px, float py) {
  if (!world) return z;
  int kind = 0;
  // Asked from just above the feet, so the ant does not climb onto every body it meets.
  return world->SurfaceHeight(px, py, z + 0.1f, kind, number, held ? held->number : -1);
}

void TAnt::layOut() {
  if (!body || !cosTable || !sinTable) return;
  int h = Wrap24(bodyHeading);
  float ch = cosTable[h], sh = sinTable[h];
  float hipX[LegCount], hipY[LegCount], along[LegCount], across[LegCount];
  for (int i = 0; i < LegCount; ++i) {
    hipX[i] = x + HipAlong[i] * ch - HipAcross[i] * sh;
    hipY[i] = y + HipAlong[i] * sh + HipAcross[i] * ch;
    int d = LegDirection(i, h, legSwing[i]);
    float fx = hipX[i] + LegReach * cosTable[d], fy = hipY[i] + LegReach * sinTable[d];
    legGround[i] = groundAt(fx, fy);
    along[i] = (fx - x) * ch + (fy - y) * sh;
    across[i] = (fy - y) * ch - (fx - x) * sh;
  }
  // The tilt whose plane leaves the smallest largest gap to the six feet.
  float bestGap = 1e30f, bestZ = z;
  for (int t = 0; t < TiltStates; ++t) {
    float lo = 1e30f, hi = -1e30f;
    for (int i = 0; i < LegCount; ++i) {
      float d = legGround[i] - TiltSlope * (TiltAlong[t] * along[i] + TiltAcross[t] * across[i]);
      lo = std::min(lo, d), hi = std::max(hi, d);
    }
    if (hi - lo < bestGap - 1e-5f) bestGap = hi - lo, bestZ = (hi + lo) / 2, tilt = t;
  }
  z = std::min(bestZ, groundAt(x, y) + 0.45f);
  float lift = z + bodyLift;
  body->setFrame(tilt * 24 + h);
  body->setPosition(x, y, lift);
  head->setFrame(h + (soundOn ? 24 : 0));
  head->setPosition(x + HeadAhead * ch, y + HeadAhead * sh, lift + headDrop);
  for (int i = 0; i < LegCount; ++i) {
    legs[i]->setFrame(LegDirection(i, h, legSwing[i]) + (legUp[i] ? 24 : 0));
    legs[i]->setPosition(hipX[i], hipY[i], lift);
    legTouch[i] = z - 0.6f <= legGround[i];
  }
  if (held) held->moveTo(x + HeldAhead * ch, y + HeldAhead * sh, z + heldRise);
}

// What the ant holds, faces or lives in is taken out of the world (the editor deletes
// critters one by one): an ant whose nest went while it was inside comes out in time.
void TAnt::forget(const TCritter* gone) {
  TCritter::forget(gone);
  if (held == gone) {
    held = nullptr;
    heldRise = headDrop = 0;
    liftHeld = false;
  }
  if (facing == gone) facing = nullptr;
  if (nest == gone) nest = nullptr;
  if (startNest == gone) startNest = nullptr;
}

// An ant taken out while it passes the doorway leaves it free for the others.
void TAnt::leavingWorld() {
  if (!nest || nestTicks <= 0) return;
  const bool goingIn = nestTicks < NestCloses && nest->state() == TNest::GoingIn;
  const bool comingOut = nestTicks >= NestLeaves && nest->state() == TNest::ComingOut;
  if (goingIn || comingOut) nest->close();
}

void TAnt::step() {
  TCritter::step();
  prevX = x, prevY = y, prevZ = z;
  lastHeading = bodyHeading;
  if (sinkTicks > 0 && body && cosTable) {
    hideParts();
    body->setFrame(SinkingFrame);
    body->setPosition(x + 0.5f * cosTable[bodyHeading], y + 0.5f * sinTable[bodyHeading], z + bodyLift - 0.2f);
    body->show();
  }
  if (dead) return;
  int32_t* in = brainInputs();
  const int32_t* out = brainOutputs();
  if (!in || !out || !body) return;
  for (int c : {InCh::CanPickup, InCh::BumpNose, InCh::BumpTail, InCh::IsEdible}) In(in, c) = 0;
  for (int sub : LegSub) In(in, InCh::LegWet, sub) = 0;
  if (nestTicks > 0) {
    // Inside, the world outside neither moves nor senses the ant.
    if (running) stepInNest();
    return;
  }
  soundOn = false;
  for (int k = 0; k < 8; ++k) soundOn = soundOn || On(out, OutCh::Sound, k);
  if (running) {
    carry(out);
    stepLegs(out);
  }
  writeAntSensors(in, out);
}

void TAnt::stepInNest() {
  ++nestTicks;
  if (nestTicks == NestCloses && nest) nest->close();
  if (nestTicks == NestStores && held) {
    if (nest) {
      nest->energy = std::clamp(nest->energy + held->energy, 0.0f, 100.0f);
      energy = nest->energy;
    }
    // The food is used up: it leaves the world until a placement brings it back.
    held->carrier = nullptr;
    held->energy = 0;
    held->dead = true;
    held->hideParts();
    held = nullptr;
  }
  // Without its nest (taken out of the world) nothing holds the doorway shut.
  if (nestTicks == NestLeaves && nest && !nest->leave()) nestTicks = NestRetry;
  if (nestTicks == NestOut) {
    if (nest) nest->close();
    showParts();
    layOut();
  }
  if (nestTicks > NestOut) {
    nestTicks = 0;
    nest = nullptr;
  }
}

void TAnt::carry(const int32_t* out) {
  bool pick = On(out, OutCh::PickUp);
  if (liftHeld) {
    headDrop = 0;
    heldRise += 0.2f;
    liftHeld = false;
  }
  if (facing && !held && pick && (!facing->carrier || facing->carrier == this)) {
    held = facing;
    held->carrier = this;
    heldRise = bodyLift - (held->typeCode == TypeCodes::Cube ? 0.7f : 0.5f);
    headDrop = -0.2f;
    liftHeld = true;
  } else if (held && !pick) {
    release();
  }
}

void TAnt::release() {
  if (!held) return;
  if (world) {
    int kind = 0;
    float g = world->SurfaceHeight(held->x, held->y, held->z + 0.2f, kind, held->number, number);
    held->moveTo(held->x, held->y, g);
  }
  held->carrier = nullptr;
  held = nullptr;
  heldRise = 0;
}

bool TAnt::mayRaise(int leg) const {
  const bool* u = legUp;
  switch (leg) {
    case 0: return !u[1] && !(u[2] && u[3] && u[5]);
    case 1: return !u[0] && !u[2];
    case 2: return !u[1] && !(u[0] && u[3] && u[5]);
    case 3: return !u[4] && !(u[5] && u[0] && u[2]);
    case 4: return !u[3] && !u[5];
    case 5: return !u[4] && !(u[3] && u[0] && u[2]);
    default: return false;
  }
}

float TAnt::SidePush(int forward, int back, int free) {
  float push = static_cast<float>(forward - back) * 2 / static_cast<float>(free + 1);
  if (forward > 0 && back > 0) push /= 2;
  return std::clamp(push, -2.0f, 2.0f);
}

float TAnt::sidePush(int first, const int32_t* out) {
  int forward = 0, back = 0, free = 0;
  for (int i = first; i < first + 3; ++i) {
    int sub = LegSub[i];
    bool up = On(out, OutCh::LegUp, sub), fwd = On(out, OutCh::LegForward, sub), bwd = On(out, OutCh::LegBack, sub);
    if (legUp[i] && !up) legUp[i] = false;
    else if (!legUp[i] && up && mayRaise(i)) legUp[i] = true;
    if (legUp[i]) {
      // A leg in the air swings freely and pushes nothing.
      if (fwd && legSwing[i] < 1) ++legSwing[i];
      if (bwd && legSwing[i] >= 0) --legSwing[i];
      if (!fwd && !bwd) legSwing[i] = 0;
      continue;
    }
    // A standing leg is free once for each way it does not push: a leg told nothing
    // weighs twice and damps its side, so the two sides of a tripod push alike.
    ++(fwd && legSwing[i] < 1 ? forward : free);
    ++(bwd && legSwing[i] > -1 ? back : free);
  }
  float push = SidePush(forward, back, free);
  // The feet on the ground stay where they stand, so the body's push swings them.
  for (int i = first; i < first + 3; ++i) {
    if (legUp[i]) continue;
    if (push > 0 && legSwing[i] < 1) ++legSwing[i];
    if (push < 0 && legSwing[i] > -1) --legSwing[i];
  }
  return push;
}

void TAnt::turnBody(int d) {
  bodyHeading = Wrap24(bodyHeading + d);
  if (held && d != 0) held->turnBy(d);
}

void TAnt::stepLegs(const int32_t* out) {
  float pushLeft = sidePush(0, out), pushRight = sidePush(3, out);
  moveBody(pushLeft, pushRight, out);
}

void TAnt::moveBody(float pushLeft, float pushRight, const int32_t* out) {
  float diff = pushRight - pushLeft;
  if (diff >= 1) turnBody(-1);
  else if (diff <= -1) turnBody(1);
  float u = std::clamp(-(pushRight + pushLeft) * StepCap, -StepCap, StepCap);
  x += u * cosTable[bodyHeading];
  y += u * sinTable[bodyHeading];
  if (On(out, OutCh::LegUp, 6)) turnBody(-1);
  if (On(out, OutCh::LegUp, 2)) turnBody(1);
  layOut();
}

void TAnt::writeAntSensors(int32_t* in, const int32_t* out) {
  for (int i = 0; i < LegCount; ++i) {
    In(in, InCh::LegWet, LegSub[i]) = z < bodyLift + 0.21f && legGround[i] < 0 ? 100 : 0;
    In(in, InCh::LegTouch, LegSub[i]) = legTouch[i] ? 100 : 0;
  }
  In(in, InCh::LegWet, 2) = spareWet;
  In(in, InCh::IsEdible) = facing && facing->typeCode == TypeCodes::Mushroom ? 100 : 0;
  In(in, InCh::CanPickup) = facing ? 100 : 0;
  facing = nullptr;
  In(in, InCh::BumpNose) = noseBumped ? 100 : 0;
  In(in, InCh::BumpTail) = tailBumped ? 100 : 0;
  noseBumped = tailBumped = false;
  for (int u = 0; u < 8; ++u) In(in, InCh::Sun, u) = static_cast<int>(SunTable[(3 * u + bodyHeading) % 24]);
  if (world && cosTable) {
    float scent[8];
    world->SenseScent(bodyHeading, scent, x + HeadAhead * cosTable[bodyHeading],
                      y + HeadAhead * sinTable[bodyHeading]);
    for (int s = 0; s < 8; ++s) In(in, InCh::Antenna, s) = static_cast<int>(scent[s]);
  }
  if (!On(out, OutCh::MarkScent)) {
    trail = -1;
  } else if (world && (x != prevX || y != prevY)) {
    trail = world->LayScent(Direction24(x - prevX, y - prevY), trail, x, y);
  }
}

void TAnt::undoMove() {
  x = prevX, y = prevY, z = prevZ;
  turnBody(Wrap12(lastHeading - bodyHeading));
  layOut();
}

void TAnt::collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart) {
  if (dead || !other) return;
  if (carrier) {
    carrier->carriedCollided(other);
    return;
  }
  if (nestTicks > NestStores && other->typeCode != TypeCodes::Nest) {
    // Someone stands in the doorway: wait inside and try again later.
    hideParts();
    nestTicks = NestDoorway;
    return;
  }
  if (nestTicks > 0) return;
  // What the ant carries touches its head all the time; that is no obstacle.
  if (other == held && myPart != head) return;
  if (other->pickable && myPart == head) {
    facing = other;
    return;
  }
  if (other->typeCode == TypeCodes::Nest && held) {
    auto* door = dynamic_cast<TNest*>(other);
    if (door && door->enter()) {
      held->hideParts();
      hideParts();
      nestTicks = 1;
      nest = door;
      turnBody(12);
    }
    // A busy nest is walked past.
    return;
  }
  if (myPart == head && otherPart) {
    // The head passes over what is low enough to pass under it.
    TBoundary raised = otherPart->bound;
    raised.bottom += 0.45f, raised.top += 0.45f;
    if (!head->bound.overlaps(raised)) return;
  }
  TCritter::collideWithCritter(other, myPart, otherPart);
  const float ox = (otherPart ? otherPart->x : other->x) + other->seenShiftX();
  const float oy = (otherPart ? otherPart->y : other->y) + other->seenShiftY();
  if (movedToward(ox, oy)) undoMove();
  (myPart == head ? noseBumped : tailBumped) = true;
}

// Only a move toward what is touched is taken back. An ant that already presses against
// something (just out of its doorway, or turned into it) would otherwise have every turn
// and step undone, and stand there for good.
bool TAnt::movedToward(float ox, float oy) const {
  return std::hypot(x - ox, y - oy) < std::hypot(prevX - ox, prevY - oy) - 1e-4f;
}

void TAnt::collideWithThing(TStaticBound* thing, TSprite* myPart) {
  if (dead || nestTicks > 0 || !thing) return;
  if (carrier) {
    carrier->carriedCollided(nullptr);
    return;
  }
  if (myPart == head && z + bodyLift > thing->bound.top) return;
  bumped = true;
  (myPart == head ? noseBumped : tailBumped) = true;
  if (movedToward(thing->x, thing->y)) undoMove();
}

void TAnt::collideWithEdge(TSprite* part) {
  if (dead || nestTicks > 0) return;
  if (carrier) {
    carrier->carriedCollided(nullptr);
    return;
  }
  bumped = true;
  (part == head ? noseBumped : tailBumped) = true;
  undoMove();
}

void TAnt::carriedCollided(TCritter* other) {
  if (other && (other->typeCode == TypeCodes::Ant || other->typeCode == TypeCodes::Nest)) return;
  liftHeld = true;
  undoMove();
}

void TAnt::startInNest(TNest* inNest, int ticks) {
  nest = startNest = inNest;
  // A count that is not positive would leave a hidden ant walking about, and one past the
  // tick it comes out at would keep it hidden for good.
  nestTicks = startNestTicks = std::clamp(ticks, 1, NestOut - 1);
  hideParts();
}

const char* TAnt::PutInNest(TCritter* ant, TCritter* nest, int ticks) {
  if (!ant || ant->typeCode != TypeCodes::Ant) return "In nest critter not ant";
  if (!nest || nest->typeCode != TypeCodes::Nest) return "In nest critter not nest";
  auto* a = dynamic_cast<TAnt*>(ant);
  auto* n = dynamic_cast<TNest*>(nest);
  // The type codes say ant and nest, but the bodies are not (a class not built).
  if (!a || !n) return "In nest critter error";
  a->startInNest(n, ticks);
  return nullptr;
}

bool TAnt::reset() {
  release();
  bool moved = TCritter::reset();
  // The ant turns its body, never the heading field: that keeps the start heading, or
  // the heading a random placement chose.
  bodyHeading = lastHeading = Wrap24(heading);
  facing = nullptr;
  liftHeld = noseBumped = tailBumped = false;
  headDrop = heldRise = 0;
  nestTicks = 0;
  trail = -1;
  nest = nullptr;
  std::fill(std::begin(legUp), std::end(legUp), false);
  std::fill(std::begin(legSwing), std::end(legSwing), 0);
  soundOn = false;
  if (startNest) {
    hideParts();
    nestTicks = startNestTicks;
    nest = startNest;
  }
  layOut();
  return moved;
}
