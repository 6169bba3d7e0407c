// Contacts as the world's own step works them out: each of a touching pair answers to
// what the other did before any answer, so the numbering of the critters never decides
// who pushes whom.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "bodies/Ball.h"
#include "bodies/Cannon.h"
#include "bodies/Cube.h"
#include "bodies/LadyBug.h"
#include "bodies/PushButton.h"
#include "bodies/ObjectFixtures.h"
#include "world/WorldLoader.h"

namespace {

// A flat world with a walking ladybug and one object in front of it, added in either
// order: the ladybug first or the object first.
struct ContactWorld : ObjectWorld {
  ContactWorld() {
    bugBody = world.AddPicture(SquarePic("lbug", 6, 0.15f, 200, 200, 121));
    bugLegs = world.AddPicture(SquarePic("lblg", 6, 0.05f, 201, 200, 242));
  }
  TLadyBug* Bug(float x, float y, int heading) {
    auto* bug = Add(std::make_unique<TLadyBug>(&world, "bug", 0, x, y, 0, heading, world.Picture(bugBody),
                                               world.Picture(bugLegs), nullptr),
                    0);
    brains.output(0, OutCh::GoFwd) = 100;
    return bug;
  }
  void Go() {
    world.ResetWorld();
    world.StartWorld();
  }
  int bugBody = 0, bugLegs = 0;
};

TEST(WorldContact, ALadybugPushesACubeWhateverTheirNumbers) {
  float moved[2] = {};
  for (int bugFirst = 0; bugFirst < 2; ++bugFirst) {
    ContactWorld w;
    TCube* cube = nullptr;
    if (bugFirst) w.Bug(4, 5, 0);
    cube = w.Add(std::make_unique<TCube>(&w.world, "cube", 0, 4.6f, 5, 0, 0, w.Pic()));
    if (!bugFirst) w.Bug(4, 5, 0);
    w.Go();
    w.Run(12);
    moved[bugFirst] = cube->x - 4.6f;
    EXPECT_GT(moved[bugFirst], 0.25f) << (bugFirst ? "ladybug first" : "cube first");
    EXPECT_NEAR(cube->y, 5, 1e-5);
  }
  EXPECT_NEAR(moved[0], moved[1], 1e-5);
}

TEST(WorldContact, ALadybugPressesAPushButtonWhateverTheirNumbers) {
  for (int bugFirst = 0; bugFirst < 2; ++bugFirst) {
    ContactWorld w;
    if (bugFirst) w.Bug(4, 5, 0);
    // Facing 2 is pressed by a push along +x.
    w.Add(std::make_unique<TPushButton>(&w.world, "button", 0, 4.6f, 5, 0, 2, w.Pic()), 1);
    if (!bugFirst) w.Bug(4, 5, 0);
    w.Go();
    int pressedTicks = 0;
    for (int t = 0; t < 12; ++t) {
      w.Run(1);
      if (w.brains.input(1, InCh::Switch1) == 100) ++pressedTicks;
    }
    EXPECT_GT(pressedTicks, 0) << (bugFirst ? "ladybug first" : "button first");
  }
}

TEST(WorldContact, ARollingBallPassesItsMotionToABallAtRestWhateverTheirNumbers) {
  float restingX[2] = {}, rollingX[2] = {};
  for (int rollerFirst = 0; rollerFirst < 2; ++rollerFirst) {
    ObjectWorld w;
    TBall *roller = nullptr, *resting = nullptr;
    auto addRoller = [&] { roller = w.Add(std::make_unique<TBall>(&w.world, "a", 0, 4, 5, 0, w.Pic())); };
    if (rollerFirst) addRoller();
    resting = w.Add(std::make_unique<TBall>(&w.world, "b", 0, 4.5f, 5, 0, w.Pic()));
    if (!rollerFirst) addRoller();
    w.world.ResetWorld();
    w.world.StartWorld();
    roller->prevX = 4 - 0.2f / 0.75f;  // rolling along +x at 0.2 a tick
    w.Run(3);
    restingX[rollerFirst] = resting->x;
    rollingX[rollerFirst] = roller->x;
    EXPECT_GT(resting->x, 4.6f) << (rollerFirst ? "roller first" : "resting first");
    EXPECT_FLOAT_EQ(roller->vx, 0) << (rollerFirst ? "roller first" : "resting first");
  }
  EXPECT_NEAR(restingX[0], restingX[1], 1e-5);
  EXPECT_NEAR(rollingX[0], rollingX[1], 1e-5);
}

// Two shots that meet in the air burst each other; no cannon is hit by them.
TEST(WorldContact, TwoCannonBallsThatMeetBothBurstAndKillNoOne) {
  ObjectWorld w;
  // Balls wide enough not to pass through each other between two ticks.
  TPic* ball = w.world.Picture(w.world.AddPicture(SquarePic("ball", 8, 0.3f, 200, 200, 30)));
  auto* left = w.Add(std::make_unique<TCannon>(&w.world, "l", 0, 4, 5, 0, 0, w.Pic(), ball), 0);
  auto* right = w.Add(std::make_unique<TCannon>(&w.world, "r", 0, 6.5f, 5, 0, 12, w.Pic(), ball), 1);
  w.world.ResetWorld();
  w.world.StartWorld();
  w.brains.output(0, OutCh::Fire) = 10;
  w.brains.output(1, OutCh::Fire) = 10;
  int burstAt[2] = {-1, -1};
  for (int t = 0; t < 10; ++t) {
    w.Run(1);
    if (burstAt[0] < 0 && left->shotSpeed < TCannon::Idle) burstAt[0] = t;
    if (burstAt[1] < 0 && right->shotSpeed < TCannon::Idle) burstAt[1] = t;
  }
  EXPECT_FALSE(left->dead);
  EXPECT_FALSE(right->dead);
  // Both burst on the same tick, in the air between the cannons.
  EXPECT_GE(burstAt[0], 0);
  EXPECT_LE(burstAt[0], 3);
  EXPECT_EQ(burstAt[0], burstAt[1]);
  EXPECT_EQ(std::count(w.sounds.played.begin(), w.sounds.played.end(), "wavs\\hit.wav"), 2);
}

// The shipped push-button level: its ladybug is critter 0 and the button critter 1.
TEST(WorldContact, TheShippedPushButtonLevelIsPressedByItsLadybug) {
  namespace fs = std::filesystem;
  ObjectWorld w;
  struct Attach : IWorldFileBrains {
    void ReleaseWorldBrains() override { next = 0; }
    int AttachBrain(const std::string&, const ChannelMask&, bool, const ChannelMask&) override { return next++; }
    std::string BrainName(int n) override { return "b" + std::to_string(n); }
    int next = 0;
  } attach;
  TStoredTest test;
  TWorldLoader loader(w.world, &attach, &test);
  const fs::path old = fs::current_path();
  fs::current_path(QUORBIT_TEST_DATA_DIR);
  const bool loaded = loader.LoadLevel(409);
  fs::current_path(old);
  ASSERT_TRUE(loaded);
  ASSERT_EQ(w.world.critters.size(), 2u);
  ASSERT_EQ(w.world.critters[0]->typeCode, TLadyBug::TypeCode);
  ASSERT_EQ(w.world.critters[1]->typeCode, TypeCodes::PushButton);
  w.world.ResetWorld();
  w.world.StartWorld();
  // The page's bug: it walks, and turns left while Bump is on; the pen leads it to the face.
  w.brains.output(0, OutCh::GoFwd) = 100;
  bool pressed = false;
  for (int t = 0; t < 150 && !pressed; ++t) {
    w.brains.output(0, OutCh::TurnLeft) = w.brains.input(0, InCh::Bump);
    w.Run(1);
    pressed = w.brains.input(1, InCh::Switch1) == 100;
  }
  EXPECT_TRUE(pressed);
}

}  // namespace
