#pragma once
// A ball that keeps rolling, slows down on its own, runs down slopes, and is kicked along
// by whatever walks into it.
#include "bodies/Critter.h"

class TBall : public TCritter {
 public:
  TBall(ICritterWorld* world, const std::string& name, int number, float x, float y, float z, TPic* pic);

  void destroy() override;
  void step() override;
  void collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart) override;
  void collideWithThing(TStaticBound* thing, TSprite* myPart) override;
  bool reset() override;

  TSprite* body = nullptr;
  float vx = 0, vy = 0;
};
