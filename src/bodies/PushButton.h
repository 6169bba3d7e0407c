#pragma once
// A push button on the ground, facing one of four ways. A critter that walks into its
// face presses it; it springs back on the next tick and reports one pulse on "Switch 1".
#include "bodies/Critter.h"

class TPushButton : public TCritter {
 public:
  static constexpr int Facings = 4;

  TPushButton(ICritterWorld* world, const std::string& name, int number, float x, float y, float z, int heading,
              TPic* pic);

  void destroy() override;
  void step() override;
  void collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart) override;
  bool reset() override;
  int getHeading() override;

  bool pressed() const;
  TSprite* body = nullptr;
};
