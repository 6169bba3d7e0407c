#pragma once
// The spider hunts worms. It sees worm ends in a narrow cone ahead, grabs a worm it
// touches and wrestles it, and carries a beaten worm home to eat it. A strong worm wins
// the fight and the spider backs off in a panic.
#include "bodies/Critter.h"

class TWorm;

class TSpider : public TCritter {
 public:
  static constexpr int LegCount = 8;
  static constexpr int DeadFrame = 24;
  static constexpr float BodyLift = 0.3f;
  // How far above the feet the ground is sought when the spider steps.
  static constexpr float StepReach = 0.2f;
  static constexpr float Stride = 0.4f;
  static constexpr int WrestleTime = 100;
  static constexpr int PanicTime = 50;
  static constexpr float StrongWorm = 80;
  // The leg pictures: a frame per direction the leg points, then the same lifted.
  static constexpr int LegLifted = 24;

  TSpider(ICritterWorld* world, const std::string& name, int number, float x, float y, float z, int heading,
          TPic* bodyPic, TPic* legPic);

  void destroy() override;
  void step() override;
  void collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart) override;
  void collideWithThing(TStaticBound* thing, TSprite* myPart) override;
  void collideWithEdge(TSprite* part) override;
  bool reset() override;
  void senseBody(TCritter* other) override;
  int getHeading() override { return spiderHeading; }

  // Whether the gait lets a step forward or back happen on this counter value.
  static bool GaitMoves(int counter) { return counter == 10; }
  // Where leg k points (0..23) and whether it is lifted, for a heading and a gait counter.
  static void LegPose(int leg, int heading, int counter, int& direction, bool& lifted);
  // Carrying a worm that has lost the fight.
  bool carryingBeaten() const;

  TSprite* body = nullptr;
  TSprite* legs[LegCount] = {};
  int spiderHeading = 0, stepCounter = 0;
  TWorm* prey = nullptr;
  int wrestleTicks = 0, panicTicks = 0;
  float eye = 0;
  bool touching = false;
  int lastHeading = 0;

 private:
  void layout();
  void layoutDead();
  float standHeight(float px, float py);
  void panic(bool& go, bool& left, bool& right, bool& back, bool& ended);
  void wrestle();
  void walk(bool go, bool left, bool right, bool back);
  void goHome(const int32_t* in);
  void carryPrey();
  void turnPrey(int fine);
  void letGo();
  void blockedBy(const TStaticBound* against, TSprite* myPart);
};
