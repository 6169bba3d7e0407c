#pragma once
// A cannon on two wheels. A rise of its "Fire" output shoots a ball, the harder the rise
// the faster and farther; the ball kills what it hits and the cannon takes the victim's
// energy. The cannon rolls back a little with each shot.
#include "bodies/Critter.h"

class TCannon : public TCritter {
 public:
  static constexpr int DeadFrame = 48;
  static constexpr int StoppedBallFrame = 24;
  static constexpr float Idle = -1;
  static constexpr float BurstStart = -6;
  static constexpr const char* FireSound = "wavs\\fire.wav";
  static constexpr const char* HitSound = "wavs\\hit.wav";

  TCannon(ICritterWorld* world, const std::string& name, int number, float x, float y, float z, int heading,
          TPic* bodyPic, TPic* ballPic);

  void destroy() override;
  void step() override;
  void collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart) override;
  void collideWithThing(TStaticBound* thing, TSprite* myPart) override;
  void collideWithEdge(TSprite* part) override;
  bool reset() override;
  void kill() override;
  int getHeading() override { return barrel; }
  void setHeading(int h) override;
  // The ball, once shot, keeps its own course whatever the cannon does.
  void moveTo(float nx, float ny, float nz) override;

  bool ballIdle() const { return shotSpeed == Idle; }
  TSprite* body = nullptr;
  TSprite* ball = nullptr;
  int barrel = 0, wheelPhase = 0;
  // Above 0: the ball flies this far each tick; below -1: the ball bursts; -1: idle.
  float shotSpeed = Idle, shotRise = 0;
  int lastFire = 0;

 private:
  void showBody();
  void fire(int rise);
  void flyBall();
  void burstBall();
  void startBurst(float atZ);
  void drive(const int32_t* out);
};
