#include "bodies/Cannon.h"

#include <algorithm>
#include <cmath>

#include "channels/ChannelNumbers.h"
#include "bodies/CritterWorld.h"
#include "bodies/ObjectMotion.h"

namespace {
constexpr float Muzzle = 0.5f, MuzzleHeight = 0.55f;
constexpr float Pace = 0.1f;
constexpr float Lift = 0.2f;
int Wrap(int v) { return ((v % 24) + 24) % 24; }
}  // namespace

TCannon::TCannon(ICritterWorld* w, const std::string& n, int num, float px, float py, float pz, int h,
                 TPic* bodyPic, TPic* ballPic)
    : TCritter(w, n, num, px, py, pz, Wrap(h)) {
  setClass(ClassMasks::Cannon);
  headingCount = 24;
  barrel = heading;
  z = startZ = prevZ = SurfaceUnder(*this, x, y, z);
  body = addPart(bodyPic, barrel);
  ball = addPart(ballPic, barrel);
  ball->hide();
}

void TCannon::destroy() {
  body = ball = nullptr;
  TCritter::destroy();
}

void TCannon::showBody() { body->setFrame(wheelPhase * 24 + barrel); }

void TCannon::setHeading(int h) {
  heading = h;
  barrel = Wrap(h);
  if (body && !dead) showBody();
}

void TCannon::moveTo(float nx, float ny, float nz) {
  if (!ball || ballIdle()) return TCritter::moveTo(nx, ny, nz);
  const float bx = ball->x, by = ball->y, bz = ball->z;
  TCritter::moveTo(nx, ny, nz);
  ball->setPosition(bx, by, bz);
}

void TCannon::step() {
  TCritter::step();
  if (dead) return;
  int32_t* in = brainInputs();
  const int32_t* out = brainOutputs();
  if (!running || !in || !out) return;
  prevX = x, prevY = y, prevZ = z;
  const int fire = ChannelValue(out, OutCh::Fire);
  if (fire > lastFire && ballIdle()) this->fire(fire - lastFire);
  lastFire = fire;
  if (shotSpeed > 0) flyBall();
  else if (shotSpeed < Idle) burstBall();
  drive(out);
}

void TCannon::fire(int rise) {
  if (world) world->PlayWorldSound(FireSound);
  shotSpeed = std::min(1.0f, static_cast<float>(rise) * 0.008f + 0.2f);
  shotRise = shotSpeed * 0.176f;
  // The recoil pushes the cannon back along its barrel; the ball leaves from where it stands.
  moveTo(x - shotSpeed * 0.1f * cosTable[barrel], y - shotSpeed * 0.1f * sinTable[barrel], z);
  ball->setFrame(barrel);
  ball->setPosition(x + Muzzle * cosTable[barrel], y + Muzzle * sinTable[barrel], z + MuzzleHeight);
  ball->show();
  wheelPhase ^= 1;
  showBody();
}

void TCannon::flyBall() {
  const int h = Wrap(ball->frame);
  ball->setPosition(ball->x + shotSpeed * cosTable[h], ball->y + shotSpeed * sinTable[h], ball->z + shotRise);
  shotRise -= 0.05f;
  if (ball->z < -0.2f) {
    ball->hide();
    shotSpeed = Idle;
  } else if (ball->overlaps(*body)) {
    startBurst(ball->z);
  }
}

void TCannon::burstBall() {
  shotSpeed += 1;
  if (shotSpeed < -3) ball->setFrame(static_cast<int>(shotSpeed + 30));
  else if (shotSpeed < Idle) ball->setFrame(static_cast<int>(22 - shotSpeed));
  else ball->hide(), shotSpeed = Idle;
}

void TCannon::startBurst(float atZ) {
  ball->setFrame(StoppedBallFrame);
  ball->setPosition(ball->x, ball->y, atZ);
  shotSpeed = BurstStart;
}

void TCannon::drive(const int32_t* out) {
  bool moved = false;
  auto roll = [&](float d) {
    moveTo(x + d * cosTable[barrel], y + d * sinTable[barrel], z);
    wheelPhase ^= 1;
    moved = true;
  };
  if (EffectorOn(ChannelValue(out, OutCh::GoFwd))) roll(Pace);
  if (EffectorOn(ChannelValue(out, OutCh::GoBack))) roll(-Pace);
  if (EffectorOn(ChannelValue(out, OutCh::TurnLeft))) barrel = Wrap(barrel + 1), moved = true;
  if (EffectorOn(ChannelValue(out, OutCh::TurnRight))) barrel = Wrap(barrel - 1), moved = true;
  if (!moved) return;
  SettleOnSurface(*this, Lift);
  showBody();
}

void TCannon::collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart) {
  if (myPart == ball) {
    if (shotSpeed <= 0 || !other) return;
    // Two shots that meet burst each other; neither reached a cannon.
    if (auto* cannon = dynamic_cast<TCannon*>(other); cannon && otherPart && otherPart == cannon->ball) {
      startBurst(ball->z);
      if (world) world->PlayWorldSound(HitSound);
      return;
    }
    float tx, ty, tz;
    other->seenPosition(tx, ty, tz);
    ball->setPosition(ball->x, ball->y, tz + 0.2f);
    startBurst(tz + 0.2f);
    if (world) world->PlayWorldSound(HitSound);
    if (!other->noKill) {
      const float gained = other->energy;
      other->kill();
      energy = std::clamp(energy + gained, 0.0f, 100.0f);
    }
    return;
  }
  TCritter::collideWithCritter(other, myPart, otherPart);
  BackToPrevious(*this);
  bumped = true;
}

void TCannon::collideWithThing(TStaticBound* thing, TSprite* myPart) {
  if (myPart == ball) {
    // A ball that strikes a stone or a tree bursts there; the cannon itself stays put.
    if (shotSpeed > 0) {
      startBurst(ball->z);
      if (world) world->PlayWorldSound(HitSound);
    }
    return;
  }
  TCritter::collideWithThing(thing, myPart);
  BackToPrevious(*this);
}

// A ball that leaves the map bursts there; the cannon itself backs off the edge.
void TCannon::collideWithEdge(TSprite* part) {
  if (part == ball) return collideWithThing(nullptr, ball);
  TCritter::collideWithEdge(part);
}

void TCannon::kill() {
  if (noKill) return;
  dead = true;
  ball->hide();
  shotSpeed = Idle;
  body->setFrame(DeadFrame);
}

bool TCannon::reset() {
  const bool moved = TCritter::reset();
  barrel = Wrap(startHeading);
  wheelPhase = 0;
  showBody();
  ball->hide();
  shotSpeed = Idle;
  shotRise = 0;
  lastFire = 0;
  return moved;
}
