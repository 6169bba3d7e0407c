#pragma once
// The common base of every body a brain can drive inside a world. A critter is made of
// parts (sprites) that the world draws and collides; the critter moves them. The world
// calls the virtual operations below once per tick in a fixed order.
#include <bitset>
#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "channels/Channels.h"
#include "bodies/Sprite.h"

class ICritterWorld;
struct TTrigger;

using TChannelFlags = std::bitset<64>;

struct TPlacement {
  float centreX = 0, centreY = 0, radius = 0, minZ = 0, maxZ = 0;
  int directionFrom = 0, directionTo = 0;
  int modeMask = 0;  // 1 on creation, 2 on death, 4 on reset
};

enum PlacementMode { PlaceOnCreation = 1, PlaceOnDeath = 2, PlaceOnReset = 4 };

class TCritter {
 public:
  TCritter(ICritterWorld* world, const std::string& name, int number, float x, float y, float z, int heading);
  virtual ~TCritter() { destroy(); }
  TCritter(const TCritter&) = delete;
  TCritter& operator=(const TCritter&) = delete;

  // The operations in their fixed order.
  virtual void destroy();
  virtual void step();
  virtual void collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart);
  virtual void collideWithThing(TStaticBound* thing, TSprite* myPart);
  virtual void carriedCollided(TCritter* other);
  // `gone` is being taken out of the world: whoever keeps it in mind lets go of it.
  virtual void forget(const TCritter* gone);
  // This critter is being taken out of the world: it lets go of what it holds shut.
  virtual void leavingWorld();
  virtual bool touchesTrigger(const TTrigger& trigger);
  virtual void triggerFired(const TTrigger* trigger);
  virtual bool reset();
  virtual void start();
  virtual void stop();
  virtual void hideParts();
  virtual void showParts();
  virtual void senseBody(TCritter* other);
  virtual void kill();
  virtual void getMotion(float& dx, float& dy, float& dz);
  virtual void getPosition(float& px, float& py, float& pz);
  virtual void moveTo(float nx, float ny, float nz);
  virtual int getHeading();
  virtual void setHeading(int h);
  virtual void turnBy(int d);
  virtual void writeLine(std::ostream& out);
  virtual void setNumber(int n);
  virtual bool ownsPart(const TPic* id);
  virtual void removeParts();
  virtual void emitSound(int lines[8]);
  virtual void hearSound(const int lines[8]);
  virtual int headingOf(float dx, float dy);
  virtual int pictureSetNumber(const TPic* set);
  virtual bool randomPlace(float& px, float& py, float& pz, int mode);
  virtual void addPlacement(const TPlacement& record);

  // The map's edge: `part` was taken further off the map this tick. The move is undone
  // as a bump would undo it.
  virtual void collideWithEdge(TSprite* part);

  // What another critter sees of this one while the world works out a tick's contacts:
  // the position and motion as they stood before anyone responded, so that neither of a
  // touching pair answers to what the other has already done. Outside that pass, the
  // live values.
  void holdSeen();
  void releaseSeen() { seenHeld = false; }
  void seenPosition(float& px, float& py, float& pz);
  void seenMotion(float& dx, float& dy, float& dz);
  // Where the others see this critter, less where it is now (the parts move with it).
  float seenShiftX() const { return seenHeld ? seenX - x : 0; }
  float seenShiftY() const { return seenHeld ? seenY - y : 0; }

  // A part of the given picture set at the critter's place; the critter owns it.
  TSprite* addPart(TPic* pic, int frame);
  // The start position and heading that end a world-file line.
  void writePosition(std::ostream& out, int lineHeading);
  void writePosition(std::ostream& out) { writePosition(out, startHeading); }
  // Type code, type name and the two capability masks of a body class.
  void setClass(const ClassChannelMasks& masks);

  float x, y, z;
  ICritterWorld* world;
  float startX, startY, startZ;
  float prevX, prevY, prevZ;
  int heading, startHeading;
  int headingCount = 0;
  int worldWidth = 0, worldHeight = 0;
  int number;
  // The number the world-file line gave, written back on save (-1: use `number`).
  int lineNumber = -1;
  int typeCode = 0;
  int brainNumber = -1;
  int brainMode = 0;
  int smellType1 = 0, smellType2 = 0;
  int placedMode = 0;
  int sinkTicks = 0;
  float nearest1 = 1e10f, nearest2 = 1e10f;
  float smellLeft1 = 0, smellRight1 = 0, smellLeft2 = 0, smellRight2 = 0;
  float lightLeft = 0, lightRight = 0;
  float lightSector[8] = {};
  float startEnergy = 50, energy = 50, energyLoss = 0;
  TChannelFlags enabledInputs, enabledOutputs, typeInputs, typeOutputs;
  std::string name;
  std::string typeName = "Unknown";
  const float* sinTable = nullptr;
  const float* cosTable = nullptr;
  const float* fineCos = nullptr;
  const float* fineSin = nullptr;
  bool dead = false, running = false, atHome = false, triggered = false;
  bool pickable = false, bumped = false, noKill = false;
  TCritter* carrier = nullptr;
  std::vector<std::unique_ptr<TSprite>> parts;
  std::vector<TPlacement> placements;
  const TTrigger* lastTrigger = nullptr;
  int sound[8] = {};
  // What a light bulb shines on the others' light sensors (0 for every other body).
  float brightness = 0;

 protected:
  // The brain's 64 x 8 input and output values, or null without a brain.
  int32_t* brainInputs();
  const int32_t* brainOutputs();
  void writeSensors(int32_t* in, const int32_t* out);
  void senseLight(const TCritter& bulb, float nx, float ny, float e, float u, float v);

 private:
  bool seenHeld = false;
  float seenX = 0, seenY = 0, seenZ = 0, seenDx = 0, seenDy = 0, seenDz = 0;
};
