#include "bodies/LadyBug.h"

#include <algorithm>
#include <cmath>

#include "bodies/Aphid.h"
#include "channels/ChannelNumbers.h"
#include "bodies/CritterWorld.h"
#include "bodies/Trigger.h"

namespace {
inline int& In(int32_t* in, int channel) { return in[channel * 8]; }
inline bool On(const int32_t* out, int channel) { return EffectorOn(out[channel * 8]); }
inline int Wrap24(int h) { return ((h % 24) + 24) % 24; }

void ClearBranchInputs(int32_t* in) {
  for (int c : {InCh::Eye, InCh::BranchFwd, InCh::BranchLeft, InCh::BranchRight, InCh::Bump}) In(in, c) = 0;
}
}  // namespace

TLadyBug::TLadyBug(ICritterWorld* w, const std::string& n, int num, float px, float py, float pz, int h, TPic* bodyPic,
                   TPic* legsPic, TPic* shadePic)
    : TCritter(w, n, num, px, py, pz, Wrap24(h)) {
  setClass(ClassMasks::LadyBug);
  headingCount = 24;
  body = addPart(bodyPic, 0);
  legs = addPart(legsPic, 0);
  if (shadePic) {
    shade = addPart(shadePic, 0);
    placeShadeAway();
  }
  int tilt = 0;
  z = startZ = prevZ = surfaceAt(x, y, tilt);
  placeParts(tilt, heading, 0);
}

float TLadyBug::surfaceAt(float px, float py, int& tilt, int* surface) {
  tilt = 0;
  if (!world) return z;
  return world->SurfaceHeight(px, py, z, tilt, number, -1, surface);
}

void TLadyBug::placeParts(int tilt, int h, int legPhase) {
  tilt = std::clamp(tilt, 0, 4);
  body->setFrame(24 * tilt + h);
  legs->setFrame(24 * legPhase + 48 * tilt + h);
  body->setPosition(x, y, z + 0.2f);
  legs->setPosition(x, y, z + 0.2f);
}

void TLadyBug::placeShadeAway() {
  if (shade) shade->setPosition(1.0f, y, z + 20);
}

void TLadyBug::destroy() {
  body = legs = shade = nullptr;
  TCritter::destroy();
}

int TLadyBug::getHeading() { return Wrap24(body ? body->frame : heading); }

void TLadyBug::step() {
  TCritter::step();
  int32_t* in = brainInputs();
  const int32_t* out = brainOutputs();
  if (!in || !out) return;
  int h = body->frame % 24, legPhase = (legs->frame / 24) % 2, tilt = body->frame / 24;
  if (stepShade(in, out)) return;
  if (sinkTicks > 0) {
    legs->hide();
    body->setFrame(FallingBodyFrame);
    body->setPosition(x, y, z + 0.2f);
  }
  if (dead) {
    ClearBranchInputs(in);
    return;
  }
  if (falling) {
    // The surface is sought from the height before the drop: a point far under the
    // ground would read 0.1, not the ground.
    int kind = 0;
    float g = surfaceAt(x, y, kind);
    z -= 0.5f;
    if (z < g) z = g, energy = 0, dead = true;
    legs->setFrame(On(out, OutCh::GoFwd) && legs->frame == WavingLegsFrame ? WavingLegsFrame + 1 : WavingLegsFrame);
    body->setPosition(x, y, z + 0.2f);
    legs->setPosition(x, y, z + 0.2f);
    return;
  }
  if (holdTicks > 0) {
    holdTicks = 0;
  } else if (running) {
    bool fwd = On(out, OutCh::GoFwd), left = On(out, OutCh::TurnLeft), right = On(out, OutCh::TurnRight);
    if (fwd) {
      if (blockedCount > 1) slide();
      blockedCount = 0;
      prevX = x, prevY = y, prevZ = z;
      startHeading = h;
      x += 0.1f * cosTable[h];
      y += 0.1f * sinTable[h];
      int kind = 0;
      float g = surfaceAt(x, y, kind);
      if (z - g > 0.5f) {
        falling = true;
        body->setFrame(FallingBodyFrame);
        legs->setFrame(WavingLegsFrame);
        body->setPosition(x, y, z + 0.2f);
        legs->setPosition(x, y, z + 0.2f);
        return;
      }
      if (g - z < 0.2f) z = g, tilt = kind;
    }
    if (left) h = h == 23 ? 0 : h + 1;
    if (right) h = h == 0 ? 23 : h - 1;
    if (fwd || left || right) {
      energy -= energyLoss;
      if (energy > 0) {
        legPhase ^= 1;
      } else {
        energy = 0;
        legs->hide();
        dead = true;
        return;
      }
    }
    placeParts(tilt, h, legPhase);
  }
  writeBranchSensors(in, h);
}

// Returns true when the ladybug is caught: the step ends there.
bool TLadyBug::stepShade(int32_t* in, const int32_t* out) {
  if (!shade) {
    In(in, InCh::Eye) = 100;  // nothing can shade it
    return false;
  }
  if (catchCounter > 0 && --catchCounter == 0) {
    shade->setPosition(1.0f, shade->y, shade->z + 20);
    caught = true;
    shadeDescending = false;
  }
  if (shadeDescending) {
    if (shade->z >= 2) shade->setPosition(shade->x, shade->y, shade->z - 0.15f);
    if (body->overlaps(*shade)) {
      if (shaded && (On(out, OutCh::GoFwd) || On(out, OutCh::TurnLeft) || On(out, OutCh::TurnRight))) catchCounter = 20;
      In(in, InCh::Eye) = 0;
      shaded = true;
      shade->setPosition(shade->x, shade->y, shade->z + 0.1f);
    } else {
      In(in, InCh::Eye) = 100;
      shaded = false;
    }
  } else {
    In(in, InCh::Eye) = 100;
    shaded = false;
  }
  if (!caught) return false;
  stepCaught(in);
  return true;
}

void TLadyBug::stepCaught(int32_t* in) {
  --catchCounter;
  shade->setFrame((catchCounter & 2) == 0 ? 1 : 0);
  const float px = x - 1.2f, py = y + 0.3f, pz = z + 1.4f;
  if (catchCounter >= -9) {
    shade->setPosition((shade->x + px) / 2, (shade->y + py) / 2, (shade->z + pz) / 2);
  } else if (catchCounter == -10) {
    shade->setPosition(px, py, pz);
    ClearBranchInputs(in);
  } else if (catchCounter >= -49) {
    // Carried off: the ladybug travels 1.2 times the shade's offset each tick, the shade
    // keeps its place above it.
    const float dx = shade->x - x, dy = shade->y - y, dz = shade->z - z;
    x = std::min(x + 1.2f * dx, static_cast<float>(worldWidth - 2));
    y += 1.2f * dy;
    z = std::min(z + 1.2f * dz, 20.0f);
    shade->setPosition(x + dx, y + dy, z + dz);
    body->setPosition(x, y, z + 0.2f);
    legs->setPosition(x, y, z + 0.2f);
    energy = 0;
    dead = true;
  }
  if (catchCounter < -100) catchCounter = -50;
}

void TLadyBug::slide() {
  const int h = startHeading;
  float dx = 0, dy = 0;
  if (h <= 2 || (h >= 9 && h <= 11)) dy = 0.1f;
  else if (h <= 5 || (h >= 18 && h <= 20)) dx = 0.1f;
  else if (h <= 8 || (h >= 15 && h <= 17)) dx = -0.1f;
  else dy = -0.1f;  // 12-14 and 21-23
  body->setPosition(x + dx, y + dy, z + 0.2f);
  if (world && world->TouchingAnything(body)) {
    body->setPosition(x, y, z + 0.2f);
    return;
  }
  x += dx, y += dy;
  legs->setPosition(x, y, z + 0.2f);
}

void TLadyBug::writeBranchSensors(int32_t* in, int h) {
  int kind = 0, surface = 0;
  if (blocked) {
    In(in, InCh::BranchFwd) = 100;
  } else {
    float g = surfaceAt(x + 0.6f * cosTable[h], y + 0.6f * sinTable[h], kind, &surface);
    In(in, InCh::BranchFwd) = z - g > 0.5f ? 0 : surface;
  }
  const int hl = Wrap24(h + 4), hr = Wrap24(h - 4);
  In(in, InCh::BranchLeft) = z - surfaceAt(x + 0.6f * cosTable[hl], y + 0.6f * sinTable[hl], kind) <= 0.5f ? 100 : 0;
  In(in, InCh::BranchRight) = z - surfaceAt(x + 0.5f * cosTable[hr], y + 0.5f * sinTable[hr], kind) <= 0.5f ? 100 : 0;
  if (blocked) {
    In(in, InCh::Bump) = 100;
    if (running) blocked = false, ++blockedCount;
  } else {
    In(in, InCh::Bump) = 0;
    blockedCount = 0;
  }
}

void TLadyBug::collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart) {
  if (falling || dead || myPart == shade) return;
  const bool wasPlaced = placedMode != 0;
  TCritter::collideWithCritter(other, myPart, otherPart);
  if (wasPlaced) return;  // placed anew, away from the other
  if (other->typeCode == TypeCodes::Aphid) {
    // Holds the aphid on its nose.
    float ax, ay, az;
    other->seenPosition(ax, ay, az);
    const int h = getHeading();
    x = ax - 0.35f * cosTable[h];
    y = ay - 0.35f * sinTable[h];
    body->setPosition(x, y, z + 0.2f);
    legs->setPosition(x, y, z + 0.2f);
    holdTicks = 1;
    return;
  }
  collideWithThing(nullptr, myPart);
  holdTicks = 0;
}

void TLadyBug::collideWithThing(TStaticBound*, TSprite* myPart) {
  if (falling || dead || myPart == shade) return;
  x = prevX, y = prevY, z = prevZ;
  int tilt = 0;
  surfaceAt(x, y, tilt);
  placeParts(tilt, getHeading(), (legs->frame / 24) % 2);
  blocked = true;
}

// The edge stops the ladybug as a wall would; the shade is not part of the body.
void TLadyBug::collideWithEdge(TSprite* part) { collideWithThing(nullptr, part); }

void TLadyBug::triggerFired(const TTrigger* trigger) {
  TCritter::triggerFired(trigger);
  if (!trigger || trigger->byType != TypeCode || !shade || shaded) return;
  shaded = true;
  shadeDescending = true;
  shade->setFrame(2);
  shade->setPosition(trigger->pointX, trigger->pointY, z + 0.5f);
}

bool TLadyBug::reset() {
  bool moved = TCritter::reset();
  int tilt = 0;
  float g = surfaceAt(x, y, tilt);
  if (std::fabs(z - g) > 1e-4f) {
    z = g;
    if (placedMode == 0) moved = true;
  }
  heading = Wrap24(heading);
  placeParts(tilt, heading, 0);
  placeShadeAway();
  if (shade) shade->setFrame(0);
  catchCounter = 0;
  caught = falling = shaded = shadeDescending = false;
  blocked = false;
  blockedCount = holdTicks = 0;
  return moved;
}

void TLadyBug::writeLine(std::ostream& out) {
  out << (lineNumber >= 0 ? lineNumber : number) << ' ' << typeName << ' ' << name << ' ';
  out << pictureSetNumber(body->pic) << ' ' << pictureSetNumber(legs->pic) << ' ';
  out << (shade ? pictureSetNumber(shade->pic) : -1) << ' ';
  // The last step's heading lives in startHeading; the line keeps the home heading.
  writePosition(out, heading);
}
