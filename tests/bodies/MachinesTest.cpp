// Bulb, vehicle and cannon.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "ObjectFixtures.h"
#include "bodies/Bulb.h"
#include "bodies/Cannon.h"
#include "bodies/Vehicle.h"

namespace {

TEST(Bulb, FramesFollowTheBrightness) {
  ObjectWorld w;
  auto* bulb = w.Add(std::make_unique<TBulb>(&w.world, "b", 0, 5, 5, 0, w.Pic()), 0);
  bulb->start();
  const int cases[][2] = {{100, 20}, {2, 0}, {3, 1}, {50, 10}, {-30, 0}, {130, 20}};
  for (auto [value, frame] : cases) {
    w.brains.output(0, OutCh::LightBulb) = value;
    bulb->step();
    EXPECT_EQ(bulb->body->frame, frame) << value;
    EXPECT_FLOAT_EQ(bulb->brightness, static_cast<float>(value));
  }
}

TEST(Bulb, ALightSensorSeesItOnTheSideItStands) {
  ObjectWorld w;
  w.Add(std::make_unique<TBulb>(&w.world, "b", 0, 6, 6, 0, w.Pic()), 0);
  // A plain critter with a brain at (5, 5) facing +x: the bulb is ahead and to its left.
  auto* bug = w.Add(std::make_unique<TCritter>(&w.world, "bug", 1, 5, 5, 0, 0), 1);
  bug->addPart(w.Pic(), 0);
  w.world.StartWorld();
  w.brains.output(0, OutCh::LightBulb) = 100;
  w.Run(2);
  const int left = w.brains.input(1, InCh::LeftLight), right = w.brains.input(1, InCh::RightLight);
  EXPECT_GT(left, right);
  EXPECT_GT(right, 0);
  w.brains.output(0, OutCh::LightBulb) = 0;
  w.Run(2);
  EXPECT_EQ(w.brains.input(1, InCh::LeftLight), 0);
}

// Runs a vehicle near a lit bulb with its motors wired to its light sensors, crossed
// or straight; returns how far it turned (degrees, left positive).
float TurnTowardLight(bool crossed) {
  ObjectWorld w;
  w.Add(std::make_unique<TBulb>(&w.world, "b", 0, 6.5f, 6.5f, 0, w.Pic()), 0);
  auto* car = w.Add(std::make_unique<TVehicle>(&w.world, "v", 1, 4, 5, 0, 0, w.Pic()), 1);
  w.world.StartWorld();
  w.brains.output(0, OutCh::LightBulb) = 100;
  for (int k = 0; k < 20; ++k) {
    const int l = w.brains.input(1, InCh::LeftLight), r = w.brains.input(1, InCh::RightLight);
    w.brains.output(1, OutCh::LeftMotor) = crossed ? r : l;
    w.brains.output(1, OutCh::RightMotor) = crossed ? l : r;
    w.Run(1);
  }
  return car->angle > 180 ? car->angle - 360 : car->angle;
}

TEST(Vehicle, CrossedWiresTurnTowardTheLightStraightOnesAway) {
  EXPECT_GT(TurnTowardLight(true), 1.0f);
  EXPECT_LT(TurnTowardLight(false), -1.0f);
}

TEST(Vehicle, MotorsDriveTurnAndSpendEnergy) {
  ObjectWorld w;
  auto* car = w.Add(std::make_unique<TVehicle>(&w.world, "v", 0, 5, 5, 0, 6, w.Pic()), 0);
  EXPECT_FLOAT_EQ(car->angle, 90);
  EXPECT_EQ(car->getHeading(), 6);
  car->start();
  car->energyLoss = 1;
  w.brains.output(0, OutCh::GoFwd) = 50;
  car->step();
  // Both motors at 50: speed 0.1 along +y, no turn; energy 50 - 100 x 0.005.
  EXPECT_NEAR(car->y, 5.1f, 1e-4);
  EXPECT_NEAR(car->x, 5, 1e-4);
  EXPECT_NEAR(car->energy, 49.5f, 1e-4);
  EXPECT_EQ(w.brains.input(0, InCh::Eyes), 0);
  w.brains.output(0, OutCh::GoFwd) = 0;
  w.brains.output(0, OutCh::RightMotor) = 75;
  car->step();
  EXPECT_NEAR(car->angle, 97.5f, 1e-3);
  EXPECT_EQ(car->body->frame, 13);  // the nearest of 48 directions
  car->collideWithThing(nullptr, car->body);
  EXPECT_FLOAT_EQ(car->angle, 90);
  EXPECT_NEAR(car->y, 5.1f, 1e-4);
  EXPECT_TRUE(car->bumped);
  w.brains.output(0, OutCh::RightMotor) = -3600;  // a full turn backward keeps the angle in range
  car->step();
  EXPECT_GE(car->angle, 0);
  EXPECT_LT(car->angle, 360);
}

struct CannonRange : ObjectWorld {
  CannonRange() {
    cannon = Add(std::make_unique<TCannon>(&world, "c", 0, 3, 5, 0, 0, Pic(), Pic()), 0);
    world.StartWorld();
  }
  void fire(int value) {
    brains.output(0, OutCh::Fire) = value;
    Run(1);
  }
  int shots() const { return static_cast<int>(std::count(sounds.played.begin(), sounds.played.end(), "wavs\\fire.wav")); }
  TCannon* cannon;
};

TEST(Cannon, FiresOnARiseOnlyAndRecoils) {
  CannonRange r;
  r.fire(100);
  EXPECT_EQ(r.shots(), 1);
  EXPECT_GT(r.cannon->shotSpeed, 0);
  EXPECT_EQ(r.cannon->wheelPhase, 1);
  EXPECT_EQ(r.cannon->body->frame, 24);
  // Speed 100 x 0.008 + 0.2 = 1; the recoil is 0.1 back along the barrel.
  EXPECT_NEAR(r.cannon->x, 2.9f, 1e-4);
  for (int k = 0; k < 40; ++k) r.fire(100);
  EXPECT_EQ(r.shots(), 1);
  EXPECT_TRUE(r.cannon->ballIdle());  // it came down
  r.fire(0);
  r.fire(10);
  EXPECT_EQ(r.shots(), 2);
  EXPECT_NEAR(r.cannon->shotSpeed, 0.28f, 1e-4);
}

TEST(Cannon, BallKillsALadybugAndTheCannonTakesItsEnergy) {
  CannonRange r;
  auto* bug = r.Add(5, 5, 0, TypeCodes::LadyBug);
  bug->energy = 30;
  r.cannon->energy = 80;
  r.fire(20);  // speed 0.36 along +x
  for (int k = 0; k < 10 && !r.cannon->ballIdle() && r.cannon->shotSpeed > 0; ++k) r.fire(20);
  EXPECT_FLOAT_EQ(r.cannon->shotSpeed, TCannon::BurstStart + 0);
  EXPECT_EQ(r.cannon->ball->frame, TCannon::StoppedBallFrame);
  EXPECT_TRUE(bug->dead);
  EXPECT_FLOAT_EQ(r.cannon->energy, 100);  // 80 + 30, capped
  EXPECT_EQ(r.sounds.played.back(), "wavs\\hit.wav");
  // The burst: frames 25, 26, 25, 24, then the ball is gone.
  const int frames[] = {25, 26, 25, 24};
  for (int f : frames) {
    r.fire(20);
    EXPECT_EQ(r.cannon->ball->frame, f);
  }
  r.fire(20);
  EXPECT_TRUE(r.cannon->ballIdle());
  EXPECT_NE(r.cannon->ball->visibility, TSprite::Shown);
}

TEST(Cannon, ANoKillTargetSurvivesAndGivesNothing) {
  CannonRange r;
  auto* bug = r.Add(5, 5, 0, TypeCodes::LadyBug);
  bug->noKill = true;
  r.cannon->energy = 10;
  for (int k = 0; k < 10; ++k) r.fire(20);
  EXPECT_FALSE(bug->dead);
  EXPECT_FLOAT_EQ(r.cannon->energy, 10);
}

TEST(Cannon, ABallThatStrikesSceneryBurstsThereAndTheCannonStays) {
  CannonRange r;
  // A stone post in the line of fire, tall enough to meet the ball in flight.
  r.world.AddScenery(r.blob, 5, 5, 0.4f, 0);
  r.fire(20);
  for (int k = 0; k < 10 && r.cannon->shotSpeed > 0; ++k) r.fire(20);
  EXPECT_FLOAT_EQ(r.cannon->shotSpeed, TCannon::BurstStart);
  EXPECT_LT(r.cannon->ball->x, 5);
  EXPECT_NEAR(r.cannon->x, 3 - 0.036f, 1e-4);  // only the recoil moved it
  EXPECT_EQ(r.sounds.played.back(), "wavs\\hit.wav");
  EXPECT_FALSE(r.cannon->bumped);
}

TEST(Cannon, DrivesTurnsAndDiesIntoItsWreck) {
  CannonRange r;
  r.brains.output(0, OutCh::TurnLeft) = 50;
  r.Run(1);
  EXPECT_EQ(r.cannon->getHeading(), 1);
  EXPECT_EQ(r.cannon->body->frame, 1);
  r.brains.output(0, OutCh::TurnLeft) = 0;
  r.brains.output(0, OutCh::GoFwd) = 50;
  r.Run(1);
  EXPECT_NEAR(r.cannon->x, 3 + 0.1f * std::cos(15 * 3.14159265f / 180), 1e-4);
  EXPECT_EQ(r.cannon->body->frame, 25);  // the wheels turned
  r.cannon->kill();
  EXPECT_TRUE(r.cannon->dead);
  EXPECT_EQ(r.cannon->body->frame, TCannon::DeadFrame);
  r.cannon->reset();
  EXPECT_EQ(r.cannon->body->frame, 0);
  EXPECT_FLOAT_EQ(r.cannon->x, 3);
}

}  // namespace
