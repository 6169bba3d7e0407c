#pragma once
// The ladybug: walks on branches and the ground with six-legged walking pictures, feels
// whether there is ground ahead, falls off edges, and eats the aphids it holds. An
// optional shade can hover over it; a ladybug that moves while shaded is caught and
// carried away.
#include "bodies/Critter.h"

class TLadyBug : public TCritter {
 public:
  static constexpr int TypeCode = 1;
  static constexpr int FallingBodyFrame = 120;
  static constexpr int WavingLegsFrame = 240;

  // shadePic may be null: no shade.
  TLadyBug(ICritterWorld* world, const std::string& name, int number, float x, float y, float z, int heading,
           TPic* bodyPic, TPic* legsPic, TPic* shadePic);

  void destroy() override;
  void step() override;
  void collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart) override;
  void collideWithThing(TStaticBound* thing, TSprite* myPart) override;
  void collideWithEdge(TSprite* part) override;
  void triggerFired(const TTrigger* trigger) override;
  bool reset() override;
  int getHeading() override;
  // A ladybug without a shade still writes its third slot, as "-1".
  void writeLine(std::ostream& out) override;

  TSprite* body = nullptr;
  TSprite* legs = nullptr;
  TSprite* shade = nullptr;
  bool falling = false, caught = false, shaded = false, shadeDescending = false;
  bool blocked = false;
  int blockedCount = 0;
  int holdTicks = 0;
  int catchCounter = 0;

 private:
  // Height and tilt of the surface under a point, the ladybug's own parts left out.
  float surfaceAt(float px, float py, int& tilt, int* surface = nullptr);
  void placeParts(int tilt, int h, int legPhase);
  void placeShadeAway();
  bool stepShade(int32_t* in, const int32_t* out);
  void stepCaught(int32_t* in);
  void walk(const int32_t* out, int& h, int& tilt, int& legPhase);
  void slide();
  void writeBranchSensors(int32_t* in, int h);
};
