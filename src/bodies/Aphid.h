#pragma once
// The aphid: ladybug food. It moves along the world axes, drifts toward the point of a
// trigger that fired for it, and trembles and vanishes when a ladybug holds it.
#include "bodies/Critter.h"

class TAphid : public TCritter {
 public:
  static constexpr int TypeCode = 2;
  static constexpr int EatTicks = 8;

  TAphid(ICritterWorld* world, const std::string& name, int number, float x, float y, float z, TPic* pic);

  void destroy() override;
  void step() override;
  void collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart) override;
  void triggerFired(const TTrigger* trigger) override;
  bool reset() override;

  TSprite* body = nullptr;
  float targetX, targetY;
  int eatenCounter = 0;

 private:
  float groundUnder(float px, float py);
};
