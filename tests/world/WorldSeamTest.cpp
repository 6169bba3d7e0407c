// The world's rules as critters meet them through the seam: placement chance, re-placement
// after a collision, triggers reached by a part's shape, the collision walk, and a
// simulation that does not depend on the window.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "world/WorldFixtures.h"
#include "world/WorldHash.h"

namespace {

TEST(WorldSeam, RandomHeadingsAndOffsetsSpreadOverTheirWholeRange) {
  WorldFixture f(40);
  TestCritter* c = f.Add(20, 20);
  TPlacement p;
  p.centreX = 20, p.centreY = 20, p.radius = 10, p.minZ = -1, p.maxZ = 1;
  p.directionFrom = 0, p.directionTo = 3, p.modeMask = PlaceOnReset;
  c->placements.push_back(p);
  std::array<int, 4> headings{};
  std::vector<bool> offsets(200, false);
  for (int k = 0; k < 1000; ++k) {
    float px, py, pz;
    ASSERT_TRUE(c->randomPlace(px, py, pz, PlaceOnReset));
    ASSERT_GE(c->heading, 0);
    ASSERT_LE(c->heading, 3);
    ++headings[static_cast<size_t>(c->heading)];
    offsets[static_cast<size_t>(std::lround((px - 20) * 10) + 100) % 200] = true;
  }
  for (int n : headings) {
    EXPECT_GE(n, 150);
    EXPECT_LE(n, 350);
  }
  EXPECT_GT(std::count(offsets.begin(), offsets.end(), true), 190);
}

TEST(WorldSeam, ACollisionRightAfterAPlacementResetsEvenWhenNoNewPlaceIsFound) {
  WorldFixture f;
  TestCritter* c = f.Add(5, 5);
  TPlacement nowhere;
  nowhere.centreX = 5, nowhere.centreY = 5, nowhere.radius = 0, nowhere.minZ = 50, nowhere.maxZ = 60;
  nowhere.modeMask = PlaceOnCreation;
  c->placements.push_back(nowhere);
  c->placedMode = PlaceOnCreation;
  c->TCritter::collideWithCritter(nullptr, nullptr, nullptr);
  EXPECT_EQ(c->resets, 1);
  EXPECT_TRUE(c->bumped);
}

TEST(WorldSeam, ATriggerFiresWhenAPartsShapeReachesIntoItsZone) {
  WorldFixture f;
  TestCritter* target = f.Add(1.5f, 1.5f);
  // The blob reaches 0.3 around its centre: its centre stays outside the zone.
  f.Add(5.8f, 5, 0, 1);
  TTrigger t;
  t.target = 0, t.byType = 1;
  float xs[4] = {6, 7, 7, 6}, ys[4] = {4, 4, 6, 6};
  for (int k = 0; k < 4; ++k) t.cornerX[k] = xs[k], t.cornerY[k] = ys[k];
  t.lowZ = -1, t.highZ = 1;
  t.prepare();
  f.world.triggers.push_back(t);
  f.world.Step(0, false, false);
  EXPECT_EQ(target->fired, 1);
}

// Steps back a cell on its first contact, as a blocked body does.
class SteppingBack : public TestCritter {
 public:
  using TestCritter::TestCritter;
  void collideWithCritter(TCritter* other, TSprite* mine, TSprite* theirs) override {
    TestCritter::collideWithCritter(other, mine, theirs);
    if (!moved) moveTo(x - 1.5f, y, z), moved = true;
  }
  bool moved = false;
};

TEST(WorldSeam, TheCollisionPassMeetsEveryPairWhenACallbackMovesASpriteToAnotherCell) {
  WorldFixture f;
  TestCritter* a = f.Add(5.1f, 5.1f);
  auto* b = static_cast<SteppingBack*>(
      f.world.AddCritter(std::make_unique<SteppingBack>(&f.world, f.blob, 5.3f, 5.1f, 0.0f)));
  TestCritter* c = f.Add(5.2f, 5.3f);
  f.world.Step(0, false, false);
  EXPECT_TRUE(b->moved);
  // a touched b and c; b's move must not hide c from a. Every pair that touched before
  // anyone answered is met, so c meets b too.
  EXPECT_EQ(a->metCritters, (std::vector<int>{1, 2}));
  EXPECT_EQ(b->metCritters, (std::vector<int>{0, 2}));
  EXPECT_EQ(c->metCritters, (std::vector<int>{0, 1}));
}

// The same world run in a small and in a large window: camera jumps and redraws differ,
// the simulation does not.
uint64_t RunInWindow(int width, int height) {
  WorldFixture f(30);
  TestCritter* a = f.Add(3, 3);
  a->dx = 0.2f, a->dy = 0.15f;
  f.world.followCritter = 0;
  f.world.SetClientSize(width, height);
  f.world.StartWorld();
  for (int t = 0; t < 100; ++t) f.world.Step(t, true, false);
  EXPECT_EQ(a->steps, 100);
  return WorldStateHash(f.world);
}

TEST(WorldSeam, EveryRunningTickSimulatesWhateverTheWindowSize) {
  EXPECT_EQ(RunInWindow(120, 90), RunInWindow(640, 480));
}

}  // namespace
