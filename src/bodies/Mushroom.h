#pragma once
// A mushroom that worms eat. A trigger poisons it: its energy turns negative, so the worm
// that eats it loses that much. Ants may carry it.
#include "bodies/Critter.h"

class TMushroom : public TCritter {
 public:
  static constexpr int GoodFrame = 0;
  static constexpr int PoisonedFrame = 1;
  static constexpr float StartEnergy = 15;

  TMushroom(ICritterWorld* world, const std::string& name, int number, float x, float y, float z, TPic* pic);

  void destroy() override;
  void step() override;
  void collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart) override;
  void triggerFired(const TTrigger* trigger) override;
  bool reset() override;

  bool poisoned() const { return energy < 0; }
  TSprite* body = nullptr;
};
