#pragma once
// A light bulb whose brightness its brain sets; the light sensors of the other critters
// see it. Critters push it about like a cube.
#include "bodies/Critter.h"

class TBulb : public TCritter {
 public:
  static constexpr int Frames = 21;

  TBulb(ICritterWorld* world, const std::string& name, int number, float x, float y, float z, TPic* pic);

  void destroy() override;
  void step() override;
  void collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart) override;
  void collideWithThing(TStaticBound* thing, TSprite* myPart) override;
  bool reset() override;

  // The picture for a brightness of 0 to 100.
  static int FrameFor(float brightness);
  TSprite* body = nullptr;
};
