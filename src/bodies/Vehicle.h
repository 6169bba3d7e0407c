#pragma once
// A cart with two motors and two light eyes: the difference of the motors steers it, their
// sum drives it. On flat ground it steers in 48 directions, on slopes in 24, and its
// picture leans with the ground ahead.
#include "bodies/Critter.h"

class TVehicle : public TCritter {
 public:
  static constexpr int FlatFrames = 48;
  // The body rides this far above the ground it stands on.
  static constexpr float Lift = 0.25f;

  TVehicle(ICritterWorld* world, const std::string& name, int number, float x, float y, float z, int heading,
           TPic* pic);

  void destroy() override;
  void step() override;
  void collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart) override;
  void collideWithThing(TStaticBound* thing, TSprite* myPart) override;
  bool reset() override;
  int getHeading() override;
  void setHeading(int h) override;

  TSprite* body = nullptr;
  float angle = 0, previousAngle = 0;

 private:
  void drive(int left, int right);
  void showFrame();
  void backOff();
};
