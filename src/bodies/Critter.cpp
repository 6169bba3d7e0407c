#include "bodies/Critter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "channels/ChannelNumbers.h"
#include "bodies/CritterWorld.h"
#include "bodies/Trigger.h"

namespace {
inline int Wrap12(int d) {
  if (d > 12) d -= 24;
  if (d < -11) d += 24;
  return d;
}
inline int& In(int32_t* in, int channel, int sub = 0) { return in[channel * 8 + sub]; }
inline int Out(const int32_t* out, int channel, int sub = 0) { return out[channel * 8 + sub]; }
inline int Squash(float s) { return static_cast<int>(100 * s / (s + 50)); }
}  // namespace

TCritter::TCritter(ICritterWorld* w, const std::string& n, int num, float px, float py, float pz, int h)
    : x(px), y(py), z(pz), world(w), startX(px), startY(py), startZ(pz), prevX(px), prevY(py), prevZ(pz),
      heading(h), startHeading(h), number(num), name(n.substr(0, 79)) {
  if (world) {
    const TAngleTables& t = world->Tables();
    sinTable = t.sin24;
    cosTable = t.cos24;
    fineSin = t.fineSin;
    fineCos = t.fineCos;
    worldWidth = world->ExtentX();
    worldHeight = world->ExtentY();
  }
}

void TCritter::setClass(const ClassChannelMasks& masks) {
  typeCode = masks.typeCode;
  typeName = masks.typeName;
  ChannelMask in = DecodeChannelMask(masks.typeInputs), out = DecodeChannelMask(masks.typeOutputs);
  for (int c = 0; c < ChannelCount; ++c) typeInputs[static_cast<size_t>(c)] = in[static_cast<size_t>(c)];
  for (int c = 0; c < ChannelCount; ++c) typeOutputs[static_cast<size_t>(c)] = out[static_cast<size_t>(c)];
}

TSprite* TCritter::addPart(TPic* pic, int frame) {
  parts.push_back(std::make_unique<TSprite>(world, pic, x, y, z, frame, this));
  return parts.back().get();
}

void TCritter::destroy() {
  parts.clear();
  placements.clear();
  enabledInputs.reset(), enabledOutputs.reset(), typeInputs.reset(), typeOutputs.reset();
}

int32_t* TCritter::brainInputs() {
  return brainMode != 0 && world ? world->BrainInputs(brainNumber) : nullptr;
}

const int32_t* TCritter::brainOutputs() {
  return brainMode != 0 && world ? world->BrainOutputs(brainNumber) : nullptr;
}

void TCritter::step() {
  if (placedMode < 0) placedMode = 0;
  else if (placedMode > 0) placedMode = -placedMode;
  if (energy <= 0) energy = 0, dead = true;
  if (dead) {
    if (sinkTicks > 0) {
      z -= 0.05f;
      if (--sinkTicks == 0) hideParts();
    } else if (randomPlace(startX, startY, startZ, PlaceOnDeath)) {
      // The place found becomes the new home, so the reset keeps it.
      reset();
    }
  }
  int32_t* in = brainInputs();
  const int32_t* out = brainOutputs();
  if (!in || !out) return;
  if (Out(out, OutCh::Reset) >= 50) reset();
  writeSensors(in, out);
}

void TCritter::writeSensors(int32_t* in, const int32_t* out) {
  std::fill(in, in + 64 * 8, 0);
  In(in, InCh::Energy) = static_cast<int>(energy);
  In(in, InCh::Height) = z > 6 ? 100 : z > 1 ? static_cast<int>(z * 10 + 40) : z > -1 ? static_cast<int>(z * 50) : -100;
  In(in, InCh::SmellLeft) = static_cast<int>(smellLeft1);
  In(in, InCh::SmellRight) = static_cast<int>(smellRight1);
  In(in, InCh::SmellLeft2) = static_cast<int>(smellLeft2);
  In(in, InCh::SmellRight2) = static_cast<int>(smellRight2);
  In(in, InCh::LeftLight) = Squash(lightLeft);
  In(in, InCh::RightLight) = Squash(lightRight);
  smellLeft1 = smellRight1 = smellLeft2 = smellRight2 = lightLeft = lightRight = 0;
  nearest1 = nearest2 = 1e10f;
  if (dead) {
    energy = 0;
    for (int c = 0; c < 64; ++c) In(in, c) = 0;
    return;
  }
  if (z < -0.15f) sinkTicks = 20, dead = true;
  In(in, InCh::Trigger) = triggered ? 100 : 0;
  triggered = false;
  if (lastTrigger) {
    float tx = lastTrigger->pointX, ty = lastTrigger->pointY;
    In(in, InCh::TriggerDir) = 5 * Wrap12(headingOf(tx - x, ty - y));
    float dist = std::min(100.0f, std::sqrt((x - tx) * (x - tx) + (y - ty) * (y - ty)) * 10);
    In(in, InCh::TriggerDist) = static_cast<int>(std::floor(100 - dist + 0.5f));
  }
  int h = getHeading();
  float dist = std::sqrt((x - startX) * (x - startX) + (y - startY) * (y - startY)) * 10 + (h != heading ? 1 : 0);
  In(in, InCh::HomeDist) = static_cast<int>(std::floor(100 - std::min(dist, 100.0f) + 0.5f));
  In(in, InCh::HomeDir) = 5 * Wrap12(headingOf(startX - x, startY - y) - h);
  for (int k = 0; k < 8; ++k) {
    In(in, InCh::Ear, k) = sound[k];
    sound[k] = Out(out, OutCh::Sound, k);
    In(in, InCh::LightDir, k) = Squash(lightSector[k]);
    lightSector[k] = 0;
  }
  In(in, InCh::Bump) = bumped ? 100 : 0;
  bumped = false;
}

void TCritter::collideWithCritter(TCritter* other, TSprite*, TSprite*) {
  if (placedMode != 0) {
    // Spawns must not overlap: place again, and reset even when no place was found.
    randomPlace(startX, startY, startZ, std::abs(placedMode));
    reset();
  }
  bumped = true;
  if (carrier && carrier != other) carrier->carriedCollided(other);
}

void TCritter::collideWithThing(TStaticBound*, TSprite*) {
  bumped = true;
  if (carrier) carrier->carriedCollided(nullptr);
}

void TCritter::carriedCollided(TCritter*) {}

// Each class answers the edge as it answers a stone; the move is undone in any case.
void TCritter::collideWithEdge(TSprite* part) {
  collideWithThing(nullptr, part);
  moveTo(prevX, prevY, prevZ);
}

void TCritter::holdSeen() {
  getPosition(seenX, seenY, seenZ);
  getMotion(seenDx, seenDy, seenDz);
  seenHeld = true;
}

void TCritter::seenPosition(float& px, float& py, float& pz) {
  if (!seenHeld) return getPosition(px, py, pz);
  px = seenX, py = seenY, pz = seenZ;
}

void TCritter::seenMotion(float& dx, float& dy, float& dz) {
  if (!seenHeld) return getMotion(dx, dy, dz);
  dx = seenDx, dy = seenDy, dz = seenDz;
}

void TCritter::forget(const TCritter* gone) {
  if (carrier == gone) carrier = nullptr;
}

void TCritter::leavingWorld() {}

bool TCritter::touchesTrigger(const TTrigger& trigger) {
  for (auto& p : parts)
    if (p->active() && (trigger.contains(p->x, p->y, p->z) || trigger.reaches(p->bound))) return true;
  return false;
}

void TCritter::triggerFired(const TTrigger* trigger) {
  triggered = true;
  lastTrigger = trigger;
}

bool TCritter::reset() {
  bool moved = false;
  if (randomPlace(startX, startY, startZ, PlaceOnReset)) {
    // randomPlace wrote the place into the start fields.
  } else if (std::fabs(x - startX) > 0.01f || std::fabs(y - startY) > 0.01f || std::fabs(z - startZ) > 0.01f) {
    moveTo(startX, startY, startZ);
    moved = true;
  }
  prevX = startX, prevY = startY, prevZ = startZ;
  energy = startEnergy;
  showParts();
  dead = atHome = triggered = bumped = false;
  sinkTicks = 0;
  lastTrigger = nullptr;
  carrier = nullptr;
  std::fill(sound, sound + 8, 0);
  std::fill(lightSector, lightSector + 8, 0.0f);
  nearest1 = nearest2 = 1e10f;
  return moved;
}

void TCritter::start() { running = true; }
void TCritter::stop() { running = false; }

void TCritter::hideParts() {
  for (auto& p : parts) p->hide();
}

void TCritter::showParts() {
  for (auto& p : parts) p->show();
}

void TCritter::senseBody(TCritter* b) {
  if (dead || !b) return;
  if (b->typeCode != smellType1 && b->typeCode != smellType2 && b->typeCode != TypeCodes::Bulb) return;
  if (!cosTable || !sinTable) return;
  int h = ((getHeading() % 24) + 24) % 24;
  int hl = (h + 3) % 24, hr = (h + 21) % 24;
  float bx, by, bz;
  b->getPosition(bx, by, bz);
  float nx = x + cosTable[h], ny = y + sinTable[h];
  float e = (bx - nx) * (bx - nx) + (by - ny) * (by - ny);
  auto reach = [&](int k) {
    float dx = bx - (x + cosTable[k]), dy = by - (y + sinTable[k]);
    return std::max(0.0f, 100 - 10 * std::sqrt(dx * dx + dy * dy));
  };
  // Every pair of bodies comes here each tick; the two reaches are wanted only by a body
  // nearer than the nearest so far or by a lit bulb.
  const bool near1 = b->typeCode == smellType1 && e < nearest1;
  const bool near2 = b->typeCode == smellType2 && e < nearest2;
  const bool lit = b->typeCode == TypeCodes::Bulb && b->brightness > 0;
  if (!near1 && !near2 && !lit) return;
  float u = reach(hl), v = reach(hr);
  if (near1) smellLeft1 = u, smellRight1 = v, nearest1 = e;
  if (near2) smellLeft2 = u, smellRight2 = v, nearest2 = e;
  if (lit) senseLight(*b, nx, ny, e, u, v);
}

void TCritter::senseLight(const TCritter& bulb, float nx, float ny, float e, float u, float v) {
  float m = bulb.brightness;
  lightLeft += m * u / 100;
  lightRight += m * v / 100;
  double w;
  if (std::fabs(bulb.y - ny) <= 0.1f && std::fabs(bulb.x - nx) <= 0.1f) {
    w = -90;
  } else {
    w = std::atan2(bulb.y - ny, bulb.x - nx) * 180 / 3.14159265358979 - 15 * getHeading();
    while (w > 180) w -= 360;
    while (w < -180) w += 360;
    w += 90;
  }
  double intensity = m * (1 - std::sqrt(e) * 0.075);
  if (intensity <= 0 || w < 0 || w > 180) return;
  int k = static_cast<int>(std::floor(w / 22.5));
  double p = (w - 22.5 * k) / 22.5;
  int a = ((2 - k) % 8 + 8) % 8, b = ((1 - k) % 8 + 8) % 8;
  lightSector[a] += static_cast<float>(intensity * (1 - p));
  lightSector[b] += static_cast<float>(intensity * p);
}

void TCritter::kill() {
  if (noKill) return;
  hideParts();
  dead = true;
}

void TCritter::getMotion(float& dx, float& dy, float& dz) { dx = x - prevX, dy = y - prevY, dz = z - prevZ; }
void TCritter::getPosition(float& px, float& py, float& pz) { px = x, py = y, pz = z; }

void TCritter::moveTo(float nx, float ny, float nz) {
  for (auto& p : parts) p->setPosition(p->x + nx - x, p->y + ny - y, p->z + nz - z);
  x = nx, y = ny, z = nz;
}

int TCritter::getHeading() { return heading; }
void TCritter::setHeading(int h) { heading = h; }

void TCritter::turnBy(int d) {
  heading += d;
  if (headingCount <= 0) return;
  if (heading >= headingCount) heading -= headingCount;
  else if (heading < 0) heading += headingCount;
}

void TCritter::writeLine(std::ostream& out) {
  out << (lineNumber >= 0 ? lineNumber : number) << ' ' << typeName << ' ' << name << ' ';
  for (auto& p : parts) out << (p ? pictureSetNumber(p->pic) : -1) << ' ';
  writePosition(out);
}

void TCritter::writePosition(std::ostream& out, int lineHeading) {
  char buf[96];
  std::snprintf(buf, sizeof buf, "%g %g %g %d\n", startX, startY, startZ, lineHeading);
  out << buf;
}

void TCritter::setNumber(int n) {
  number = n;
  for (auto& p : parts) p->critterNumber = n;
}

bool TCritter::ownsPart(const TPic* id) {
  for (auto& p : parts)
    if (p->pic == id) return true;
  return false;
}

void TCritter::removeParts() { parts.clear(); }

void TCritter::emitSound(int lines[8]) {
  if (brainMode == 0) return;
  for (int k = 0; k < 8; ++k) lines[k] = std::min(255, lines[k] + sound[k]);
}

void TCritter::hearSound(const int lines[8]) {
  if (brainMode == 0) return;
  std::copy(lines, lines + 8, sound);
}

int TCritter::headingOf(float dx, float dy) { return Direction24(dx, dy); }

int TCritter::pictureSetNumber(const TPic* set) { return world ? std::max(0, world->PictureNumberForSave(set)) : 0; }

bool TCritter::randomPlace(float& px, float& py, float& pz, int mode) {
  bool any = false;
  for (const TPlacement& p : placements) any = any || (p.modeMask & mode) != 0;
  if (!any || !world) return false;
  WorldRandom& rnd = world->Generator();
  for (int attempt = 0; attempt < 10000; ++attempt) {
    const TPlacement& p = placements[static_cast<size_t>(rnd.below(static_cast<int>(placements.size())))];
    if ((p.modeMask & mode) == 0) continue;
    float nx = p.centreX + static_cast<float>(static_cast<int>(rnd.next() % 200) - 100) * p.radius * 0.01f;
    float ny = p.centreY + static_cast<float>(static_cast<int>(rnd.next() % 200) - 100) * p.radius * 0.01f;
    if (nx < 0 || nx >= worldWidth || ny < 0 || ny >= worldHeight) nx = p.centreX, ny = p.centreY;
    int span = p.directionTo - p.directionFrom + 1;
    setHeading(span <= 1 ? p.directionFrom : p.directionFrom + static_cast<int>(rnd.next() % static_cast<unsigned>(span)));
    moveTo(nx, ny, p.maxZ);
    bool fits = true;
    for (auto& part : parts) {
      int kind = 0;
      float ground = world->SurfaceHeight(part.get(), kind);
      fits = fits && ground >= p.minZ && ground <= p.maxZ;
    }
    if (fits) {
      px = x, py = y, pz = z;
      placedMode = mode;
      return true;
    }
  }
  return false;
}

void TCritter::addPlacement(const TPlacement& record) {
  placements.push_back(record);
  randomPlace(startX, startY, startZ, PlaceOnCreation);
}
