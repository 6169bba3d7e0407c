#include <gtest/gtest.h>

#include <array>
#include <sstream>

#include "world/WorldFixtures.h"

namespace {

struct OneBrain : IWorldBrains {
  int32_t* BrainInputs(int n) override { return n == 0 ? inputs.data() : nullptr; }
  const int32_t* BrainOutputs(int n) override { return n == 0 ? outputs.data() : nullptr; }
  int in(int channel, int sub = 0) const { return inputs[static_cast<size_t>(channel * 8 + sub)]; }
  int32_t& out(int channel, int sub = 0) { return outputs[static_cast<size_t>(channel * 8 + sub)]; }
  std::array<int32_t, 512> inputs{}, outputs{};
};

// A plain base critter with a brain, on a flat world.
struct CritterFixture : WorldFixture {
  CritterFixture() {
    world.brains = &brain;
    critter = world.AddCritter(std::make_unique<TCritter>(&world, "bug", 0, 5, 5, 0, 0));
    critter->addPart(world.Picture(blob), 0);
    critter->brainMode = 1;
    critter->brainNumber = 0;
  }
  OneBrain brain;
  TCritter* critter;
};

TEST(CritterBase, HomeSensorsReadDistanceAndHeading) {
  CritterFixture f;
  f.critter->step();
  EXPECT_EQ(f.brain.in(16), 100);  // at home, facing its start heading
  f.critter->moveTo(6, 5, 0);
  f.critter->step();
  EXPECT_EQ(f.brain.in(16), 90);
  EXPECT_EQ(f.brain.in(19), 60);  // home lies along -x: sector 12, 5 x 12
  f.critter->moveTo(5, 15, 0);
  f.critter->step();
  EXPECT_EQ(f.brain.in(16), 0);
}

TEST(CritterBase, HeightSensorAndDrowning) {
  CritterFixture f;
  const std::pair<float, int> cases[] = {{6.5f, 100}, {2, 60}, {0.5f, 25}, {-0.5f, -25}, {-1, -100}};
  for (auto [z, want] : cases) {
    f.critter->z = z;
    f.critter->dead = false;
    f.critter->sinkTicks = 0;
    f.critter->step();
    EXPECT_EQ(f.brain.in(23), want) << z;
  }
  f.critter->reset();
  f.critter->z = -0.2f;
  f.critter->step();
  EXPECT_TRUE(f.critter->dead);
  EXPECT_EQ(f.critter->sinkTicks, 20);
  for (int k = 0; k < 20; ++k) f.critter->step();
  EXPECT_NEAR(f.critter->z, -0.2f - 20 * 0.05f, 1e-4);
  EXPECT_EQ(f.critter->parts[0]->visibility, TSprite::HiddenSinceDraw);
  EXPECT_EQ(f.brain.in(17), 0);  // a dead body's inputs read zero
}

TEST(CritterBase, ResetOutputResetsEveryTickWhileHeld) {
  CritterFixture f;
  f.critter->moveTo(7, 7, 0);
  f.critter->energy = 20;
  f.brain.out(36) = 50;
  f.critter->step();
  EXPECT_FLOAT_EQ(f.critter->x, 5);
  EXPECT_FLOAT_EQ(f.critter->energy, 50);
  f.critter->moveTo(7, 7, 0);
  f.critter->step();
  EXPECT_FLOAT_EQ(f.critter->x, 5);
  f.brain.out(36) = 49;
  f.critter->moveTo(7, 7, 0);
  f.critter->step();
  EXPECT_FLOAT_EQ(f.critter->x, 7);
}

TEST(CritterBase, LightFromBulbsAddsBeforeSquashing) {
  CritterFixture f;
  auto bulb = [&](float x, float y) {
    TCritter* b = f.world.AddCritter(std::make_unique<TCritter>(&f.world, "bulb", 0, x, y, 0, 0));
    b->typeCode = 8;
    b->brightness = 100;
    return b;
  };
  // The left sensing point of heading 0 is at heading 3: (cos 45, sin 45) from the body.
  float lx = 5 + f.world.tables.cos24[3], ly = 5 + f.world.tables.sin24[3];
  TCritter* one = bulb(lx, ly);
  f.critter->senseBody(one);
  f.critter->step();
  EXPECT_EQ(f.brain.in(60), 66);
  TCritter* two = bulb(lx, ly);
  f.critter->senseBody(one);
  f.critter->senseBody(two);
  f.critter->step();
  EXPECT_EQ(f.brain.in(60), 80);
}

TEST(CritterBase, SmellFollowsOnlyTheNearestBodyOfItsType) {
  CritterFixture f;
  f.critter->smellType1 = 2;
  TCritter* near = f.world.AddCritter(std::make_unique<TCritter>(&f.world, "a", 0, 6, 5, 0, 0));
  TCritter* far = f.world.AddCritter(std::make_unique<TCritter>(&f.world, "b", 0, 5, 9, 0, 0));
  near->typeCode = far->typeCode = 2;
  f.critter->senseBody(near);
  f.critter->senseBody(far);
  f.critter->step();
  // The nose at (6, 5) touches the near one; both side points lie 0.765 away.
  EXPECT_EQ(f.brain.in(14), 92);
  EXPECT_EQ(f.brain.in(15), 92);
  f.critter->step();
  EXPECT_EQ(f.brain.in(14), 0);  // accumulators clear after each write
}

TEST(CritterBase, SoundLinesAddUpCappedAndAreHeardNextTick) {
  CritterFixture f;
  f.brain.out(21, 2) = 200;
  f.critter->step();
  int lines[8] = {0, 0, 100, 0, 0, 0, 0, 0};
  f.critter->emitSound(lines);
  EXPECT_EQ(lines[2], 255);
  f.critter->hearSound(lines);
  f.critter->step();
  EXPECT_EQ(f.brain.in(25, 2), 255);
  f.critter->brainMode = 0;
  int quiet[8] = {};
  f.critter->emitSound(quiet);
  EXPECT_EQ(quiet[2], 0);
}

TEST(CritterBase, TurningWrapsAndTheWorldLineNamesItsPictures) {
  CritterFixture f;
  f.critter->headingCount = 24;
  f.critter->turnBy(-1);
  EXPECT_EQ(f.critter->heading, 23);
  f.critter->turnBy(2);
  EXPECT_EQ(f.critter->heading, 1);
  std::ostringstream line;
  f.critter->writeLine(line);
  EXPECT_EQ(line.str(), "0 Unknown bug 1 5 5 0 0\n");
}

TEST(CritterBase, RandomPlacementOnResetMovesTheStart) {
  CritterFixture f;
  f.critter->addPlacement({2, 2, 0.5f, -1, 1, 3, 3, PlaceOnReset});
  EXPECT_FLOAT_EQ(f.critter->x, 5);  // not a creation rule
  EXPECT_FALSE(f.critter->reset());
  EXPECT_NEAR(f.critter->x, 2, 0.51f);
  EXPECT_NEAR(f.critter->y, 2, 0.51f);
  EXPECT_FLOAT_EQ(f.critter->startX, f.critter->x);
  EXPECT_EQ(f.critter->heading, 3);
  EXPECT_EQ(f.critter->placedMode, PlaceOnReset);
  // A rule that no ground satisfies fails and leaves the critter where the last try put it.
  f.critter->placements = {{5, 5, 1, 3, 4, 0, 0, PlaceOnDeath}};
  float x = 0, y = 0, z = 0;
  EXPECT_FALSE(f.critter->randomPlace(x, y, z, PlaceOnDeath));
}

TEST(CritterBase, KillHidesUnlessProtected) {
  CritterFixture f;
  f.critter->noKill = true;
  f.critter->kill();
  EXPECT_FALSE(f.critter->dead);
  f.critter->noKill = false;
  f.critter->kill();
  EXPECT_TRUE(f.critter->dead);
  EXPECT_EQ(f.critter->parts[0]->visibility, TSprite::HiddenSinceDraw);
  f.critter->reset();
  EXPECT_FALSE(f.critter->dead);
  EXPECT_EQ(f.critter->parts[0]->visibility, TSprite::Shown);
}

}  // namespace
