#pragma once
// A gate that a brain swings round in 24 steps; it swings back when it runs into
// something.
#include "bodies/Critter.h"

class TGate : public TCritter {
 public:
  TGate(ICritterWorld* world, const std::string& name, int number, float x, float y, float z, int heading,
        TPic* pic);

  void destroy() override;
  void step() override;
  void collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart) override;
  void collideWithThing(TStaticBound* thing, TSprite* myPart) override;
  bool reset() override;
  int getHeading() override { return angle; }

  TSprite* body = nullptr;
  int angle = 0, previousAngle = 0;

 private:
  void showAngle(int a);
};
