#include <gtest/gtest.h>

#include <array>

#include "bodies/Aphid.h"
#include "bodies/LadyBug.h"
#include "bodies/Trigger.h"
#include "world/WorldFixtures.h"

namespace {

struct Brain : IWorldBrains {
  int32_t* BrainInputs(int n) override { return n >= 0 && n < 2 ? inputs[static_cast<size_t>(n)].data() : nullptr; }
  const int32_t* BrainOutputs(int n) override {
    return n >= 0 && n < 2 ? outputs[static_cast<size_t>(n)].data() : nullptr;
  }
  int in(int channel, int brain = 0) const { return inputs[static_cast<size_t>(brain)][static_cast<size_t>(channel * 8)]; }
  int32_t& out(int channel, int brain = 0) { return outputs[static_cast<size_t>(brain)][static_cast<size_t>(channel * 8)]; }
  std::array<std::array<int32_t, 512>, 2> inputs{}, outputs{};
};

enum { GoFwd = 4, TurnLeft = 5, TurnRight = 6, InBranchFwd = 3, InBump = 4, InEye = 7 };

// A flat world with ladybug pictures of every frame; the body is a square wide enough
// to keep touching an aphid held on its nose.
struct BugFixture : WorldFixture {
  BugFixture() {
    world.brains = &brain;
    bodyPic = world.AddPicture(SquarePic("lbug", 6, 0.32f, 200, 200, 121));
    legsPic = world.AddPicture(SquarePic("lblg", 6, 0.05f, 201, 200, 242));
    shadePic = world.AddPicture(SquarePic("shade", 6, 0.3f, 202, 200, 3));
    aphidPic = world.AddPicture(SquarePic("aphid", 4, 0.05f, 203, 200, 2));
  }
  // The line's height: the surface is sought from there (a point well below the ground
  // reads 0.1).
  TLadyBug* Bug(float x, float y, int heading, bool withShade = false, float z = 0) {
    auto* bug = static_cast<TLadyBug*>(world.AddCritter(std::make_unique<TLadyBug>(
        &world, "bug", 0, x, y, z, heading, world.Picture(bodyPic), world.Picture(legsPic),
        withShade ? world.Picture(shadePic) : nullptr)));
    bug->brainMode = 1;
    bug->brainNumber = 0;
    bug->start();
    return bug;
  }
  TAphid* Aphid(float x, float y) {
    return static_cast<TAphid*>(
        world.AddCritter(std::make_unique<TAphid>(&world, "aphid", 0, x, y, 0, world.Picture(aphidPic))));
  }
  Brain brain;
  int bodyPic, legsPic, shadePic, aphidPic;
};

TEST(LadyBug, ConstructionStandsOnTheGroundWithFramesForHeadingAndTilt) {
  BugFixture f;
  f.world.SetTile(5, 5, 6, 0.4f);  // tilt kind 1 everywhere on the tile
  TLadyBug* bug = f.Bug(5.5f, 5.25f, 7, false, 0.4f);
  EXPECT_NEAR(bug->z, 0.4f + 0.05f, 1e-5);  // 0.2 fy on top of the height
  EXPECT_FLOAT_EQ(bug->startZ, bug->z);
  EXPECT_EQ(bug->body->frame, 1 * 24 + 7);
  EXPECT_EQ(bug->legs->frame, 1 * 48 + 7);
  EXPECT_FLOAT_EQ(bug->body->z, bug->z + 0.2f);
  EXPECT_EQ(bug->getHeading(), 7);
  EXPECT_EQ(bug->typeCode, 1);
  EXPECT_TRUE(bug->typeInputs[7] && bug->typeOutputs[36] && !bug->typeOutputs[19]);
}

TEST(LadyBug, SteppingDownFollowsSmallDropsAndFallsOffHighOnes) {
  for (auto [drop, falls] : {std::pair{0.4f, false}, std::pair{0.6f, true}}) {
    BugFixture f;  // on a plateau at 1, above the water line
    for (int y = 0; y < 10; ++y)
      for (int x = 0; x < 10; ++x) f.world.SetTile(x, y, 0, x < 5 ? 1 : 1 - drop);
    TLadyBug* bug = f.Bug(4.95f, 5.5f, 0, false, 1);
    f.brain.out(GoFwd) = 100;
    bug->step();
    EXPECT_NEAR(bug->x, 5.05f, 1e-5);
    EXPECT_EQ(bug->falling, falls) << drop;
    if (!falls) {
      EXPECT_FLOAT_EQ(bug->z, 1 - drop);
      continue;
    }
    EXPECT_EQ(bug->body->frame, TLadyBug::FallingBodyFrame);
    EXPECT_FLOAT_EQ(bug->z, 1);
    bug->step();
    EXPECT_FLOAT_EQ(bug->z, 0.5f);
    EXPECT_EQ(bug->legs->frame, TLadyBug::WavingLegsFrame + 1);  // waving while Go Fwd is on
    EXPECT_FALSE(bug->dead);
    bug->step();
    EXPECT_FLOAT_EQ(bug->z, 0.4f);  // landed: the fall kills
    EXPECT_TRUE(bug->dead);
    EXPECT_FLOAT_EQ(bug->energy, 0);
  }
}

TEST(LadyBug, TwoBlockedTicksMakeTheNextStepSlideFirst) {
  BugFixture f;
  TLadyBug* bug = f.Bug(5.5f, 5.5f, 0);
  bug->startHeading = 4;  // the last step went along heading 4: slide x + 0.1
  for (int k = 0; k < 2; ++k) {
    bug->blocked = true;
    bug->step();
    EXPECT_EQ(f.brain.in(InBump), 100);
    EXPECT_EQ(f.brain.in(InBranchFwd), 100);
  }
  EXPECT_EQ(bug->blockedCount, 2);
  f.brain.out(GoFwd) = 100;
  bug->step();
  EXPECT_NEAR(bug->x, 5.5f + 0.1f + 0.1f, 1e-5);  // the slide, then the step along heading 0
  EXPECT_NEAR(bug->y, 5.5f, 1e-5);
  EXPECT_EQ(bug->blockedCount, 0);
  // A slide that would touch something is not kept.
  bug->blockedCount = 2;
  f.world.AddScenery(f.blob, bug->x + 0.35f, bug->y, 0, 0);
  const float before = bug->x;
  bug->step();
  EXPECT_NEAR(bug->x, before + 0.1f, 1e-5);
}

TEST(LadyBug, BothTurnsCancelButCostEnergyAndFlipTheLegs) {
  BugFixture f;
  TLadyBug* bug = f.Bug(5.5f, 5.5f, 0);
  bug->energyLoss = 2;
  f.brain.out(TurnLeft) = f.brain.out(TurnRight) = 50;
  bug->step();
  EXPECT_EQ(bug->getHeading(), 0);
  EXPECT_FLOAT_EQ(bug->energy, 48);
  EXPECT_EQ(bug->legs->frame, 24);
  f.brain.out(TurnRight) = 49;
  bug->step();
  EXPECT_EQ(bug->getHeading(), 1);
  EXPECT_EQ(bug->legs->frame, 1);
  f.brain.out(TurnLeft) = 0;
  f.brain.out(TurnRight) = 100;
  bug->step();
  bug->step();
  EXPECT_EQ(bug->getHeading(), 23);
}

TEST(LadyBug, BumpingAThingUndoesTheStep) {
  BugFixture f;
  TLadyBug* bug = f.Bug(4.8f, 5.5f, 0);
  f.world.AddScenery(f.blob, 5.5f, 5.5f, 0, 0);
  f.world.StartWorld();
  f.world.Step(0, true, false);  // the first pass draws everything
  f.brain.out(GoFwd) = 100;
  f.world.Step(1, true, false);
  EXPECT_TRUE(bug->blocked);
  EXPECT_FLOAT_EQ(bug->x, 4.8f);
  f.world.Step(2, true, false);
  EXPECT_EQ(f.brain.in(InBump), 100);
}

TEST(LadyBugAndAphid, AnAphidHeldForEightTicksIsEatenForFifteenEnergy) {
  for (float start : {50.0f, 95.0f}) {
    BugFixture f;
    TLadyBug* bug = f.Bug(5.3f, 5.5f, 0);
    TAphid* aphid = f.Aphid(5.6f, 5.5f);
    bug->energy = start;
    f.world.StartWorld();
    f.world.Step(0, true, false);
    int ticks = 0;
    while (!aphid->dead && ticks < 20) f.world.Step(++ticks, true, false);
    EXPECT_EQ(ticks, 8);  // eight ticks of trembling from the first (drawing) step; it leaves on the ninth
    EXPECT_FLOAT_EQ(bug->energy, std::min(100.0f, start + 15));
    EXPECT_NEAR(bug->x, 5.6f - 0.35f, 1e-4);  // held on the nose
    EXPECT_FLOAT_EQ(aphid->z, -100);
    EXPECT_FALSE(aphid->running);
  }
}

TEST(Aphid, MovesAlongTheAxesAndDriftsToItsTrigger) {
  BugFixture f;
  TAphid* aphid = f.Aphid(5, 5);
  aphid->brainMode = 1;
  aphid->brainNumber = 1;
  aphid->start();
  f.brain.out(GoFwd, 1) = 100;
  f.brain.out(TurnLeft, 1) = 100;
  aphid->step();
  EXPECT_FLOAT_EQ(aphid->x, 5.02f);
  EXPECT_FLOAT_EQ(aphid->y, 5.02f);
  EXPECT_EQ(aphid->body->frame, 1);
  f.brain.out(GoFwd, 1) = f.brain.out(TurnLeft, 1) = 0;
  TTrigger t;
  t.pointX = 6, t.pointY = 5.02f;
  aphid->triggerFired(&t);
  aphid->step();
  EXPECT_FLOAT_EQ(aphid->x, 5.04f);
  EXPECT_FLOAT_EQ(aphid->y, 5.02f);  // within 0.02 of the target on that axis
  EXPECT_TRUE(aphid->reset());
  EXPECT_FLOAT_EQ(aphid->targetX, 5);
  EXPECT_FLOAT_EQ(aphid->energy, 15);
}

TEST(LadyBug, ATriggerBringsTheShadeAndMovingUnderItGetsTheBugCaught) {
  BugFixture f;
  TLadyBug* bug = f.Bug(5.5f, 5.5f, 0, true);
  EXPECT_FLOAT_EQ(bug->shade->x, 1.0f);
  EXPECT_FLOAT_EQ(bug->shade->z, bug->z + 20);
  TTrigger t;
  t.byType = 1;
  t.pointX = 5.5f, t.pointY = 5.5f;
  bug->triggerFired(&t);
  EXPECT_TRUE(bug->shadeDescending);
  EXPECT_EQ(bug->shade->frame, 2);
  bug->step();
  EXPECT_EQ(f.brain.in(InEye), 0);
  EXPECT_TRUE(bug->shaded);
  f.brain.out(TurnLeft) = 100;
  bug->step();
  EXPECT_EQ(bug->catchCounter, 20);
  f.brain.out(TurnLeft) = 0;
  for (int k = 0; k < 20; ++k) bug->step();
  EXPECT_TRUE(bug->caught);
  for (int k = 0; k < 15; ++k) bug->step();
  EXPECT_TRUE(bug->dead);
  EXPECT_FLOAT_EQ(bug->energy, 0);
  EXPECT_GT(bug->z, 1);  // carried off
  bug->reset();
  EXPECT_FALSE(bug->caught || bug->dead || bug->shaded);
  EXPECT_FLOAT_EQ(bug->x, 5.5f);
}

}  // namespace
