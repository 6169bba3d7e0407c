#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "AntFixture.h"

namespace {
using namespace ant_test;

// The reference brains' gait: the heart ring keeps each tripod up for two ticks, and
// the tripod on the ground pushes back meanwhile.
void RingGaitTick(AntFixture& f, int t, int brain = 0) {
  const bool a = (t / 2) % 2 == 0;
  f.OnlyLegs(OutCh::LegUp, a ? std::initializer_list<int>{0, 2, 4} : std::initializer_list<int>{1, 3, 5}, brain);
  f.OnlyLegs(OutCh::LegBack, a ? std::initializer_list<int>{1, 3, 5} : std::initializer_list<int>{0, 2, 4}, brain);
}

void Turn(AntFixture& f, bool left, bool right, int brain = 0) {
  f.brains.set(OutCh::LegUp, 2, left ? 100 : 0, brain);
  f.brains.set(OutCh::LegUp, 6, right ? 100 : 0, brain);
}

TEST(AntColony, TheRingGaitWalksStraight) {
  AntFixture f;
  TAnt* ant = f.Ant(2.5f, 5.5f, 0);
  // 80 ticks: the map is 12 wide, and its edge stops the ant.
  for (int t = 0; t < 80; ++t) {
    RingGaitTick(f, t);
    f.Tick();
    ASSERT_EQ(ant->getHeading(), 0) << "tick " << t;
  }
  EXPECT_NEAR(ant->y, 5.5f, 1e-4);
  EXPECT_GE(ant->x, 2.5f + 3);
  // Half the ticks push: one step of the cap every other tick.
  EXPECT_NEAR(ant->x, 2.5f + 40 * 0.209f, 0.01f);
}

TEST(AntColony, ACarriedCubeFeedsTheNestAndTheAnt) {
  AntFixture f;
  TNest* nest = f.Nest(7.5f, 5.5f);
  TAnt* ant = f.Ant(5.2f, 5.5f, 0);
  TCube* cube = f.Cube(5.7f, 5.5f);
  cube->energy = 30;
  ant->energy = 10;
  f.brains.set(OutCh::PickUp, 0, 100);
  f.Tick(2);
  ASSERT_EQ(ant->held, cube);
  EXPECT_EQ(cube->carrier, ant);
  // A cube rides lower in the jaws than other food.
  f.Tick();
  EXPECT_NEAR(cube->z, ant->z + 0.5f - 0.7f + 0.2f, 1e-4);
  for (int t = 0; t < 200 && ant->nestTicks == 0; ++t) RingGaitTick(f, t), f.Tick();
  ASSERT_GT(ant->nestTicks, 0);
  EXPECT_EQ(ant->nest, nest);
  EXPECT_FLOAT_EQ(nest->energy, 50);  // stored only once the ant is well inside
  f.Tick(55);
  EXPECT_FLOAT_EQ(nest->energy, 80);
  EXPECT_FLOAT_EQ(ant->energy, 80);
  EXPECT_EQ(ant->held, nullptr);
  EXPECT_EQ(cube->carrier, nullptr);
  EXPECT_TRUE(cube->dead);
  EXPECT_NE(cube->body->visibility, TSprite::Shown);
}

TEST(AntColony, ASecondAntFollowsTheTrailTheFirstLaid) {
  AntFixture f;
  TAnt* layer = f.Ant(2.5f, 3.5f, 0, 0);
  f.brains.set(OutCh::MarkScent, 0, 100, 0);
  // Straight on, a bend of four steps to the left while walking, straight on again.
  for (int t = 0; t < 48; ++t) {
    RingGaitTick(f, t, 0);
    Turn(f, t >= 20 && t < 24, false, 0);
    f.Tick();
  }
  ASSERT_EQ(layer->getHeading(), 4);
  const float endX = layer->x, endY = layer->y;
  // The layer leaves the sand to the follower.
  f.brains.clear(0);
  layer->hideParts();
  TAnt* follower = f.Ant(2.5f, 3.5f, 0, 1);
  int turnedLeft = 0;
  for (int t = 0; t < 48; ++t) {
    // The reference brain: each front antenna that smells the trail turns the ant its way.
    const bool left = f.brains.input(InCh::Antenna, 5, 1) >= 10, right = f.brains.input(InCh::Antenna, 7, 1) >= 10;
    turnedLeft += left && !right;
    RingGaitTick(f, t, 1);
    Turn(f, left, right, 1);
    f.Tick();
  }
  EXPECT_GT(turnedLeft, 0);
  EXPECT_LT(std::hypot(follower->x - endX, follower->y - endY), 0.8f);
  EXPECT_NEAR(follower->getHeading(), 4, 1);
}

TEST(AntColony, OnlyAnAntGoesIntoOnlyANest) {
  AntFixture f;
  TNest* nest = f.Nest(7.5f, 5.5f);
  TAnt* ant = f.Ant(5.5f, 5.5f, 0);
  auto* plain = static_cast<TestCritter*>(
      f.world.AddCritter(std::make_unique<TestCritter>(&f.world, f.foodPic, 3.5f, 3.5f, 0.1f)));
  auto* fakeAnt = static_cast<TestCritter*>(
      f.world.AddCritter(std::make_unique<TestCritter>(&f.world, f.foodPic, 3.5f, 7.5f, 0.1f, TypeCodes::Ant)));
  auto* fakeNest = static_cast<TestCritter*>(
      f.world.AddCritter(std::make_unique<TestCritter>(&f.world, f.foodPic, 9.5f, 7.5f, 0.1f, TypeCodes::Nest)));
  EXPECT_STREQ(TAnt::PutInNest(plain, nest, 5), "In nest critter not ant");
  EXPECT_STREQ(TAnt::PutInNest(nest, nest, 5), "In nest critter not ant");
  EXPECT_STREQ(TAnt::PutInNest(ant, plain, 5), "In nest critter not nest");
  EXPECT_STREQ(TAnt::PutInNest(ant, ant, 5), "In nest critter not nest");
  EXPECT_STREQ(TAnt::PutInNest(fakeAnt, nest, 5), "In nest critter error");
  EXPECT_STREQ(TAnt::PutInNest(ant, fakeNest, 5), "In nest critter error");
  EXPECT_STREQ(TAnt::PutInNest(nullptr, nest, 5), "In nest critter not ant");
  EXPECT_EQ(ant->nest, nullptr);
  EXPECT_EQ(ant->nestTicks, 0);
  EXPECT_EQ(TAnt::PutInNest(ant, nest, 40), nullptr);
  EXPECT_EQ(ant->nest, nest);
  EXPECT_EQ(ant->startNest, nest);
  EXPECT_EQ(ant->nestTicks, 40);
  EXPECT_NE(ant->body->visibility, TSprite::Shown);
}

// The editor takes critters out of the world one at a time; an ant must not keep
// reaching for what it held or the nest it lived in.
TEST(AntColony, WhatLeavesTheWorldIsForgotten) {
  AntFixture f;
  TNest* nest = f.Nest(9.5f, 8.5f);
  TAnt* carrier = f.Ant(5.2f, 5.5f, 0, 0);
  TestCritter* food = f.Food(5.7f, 5.5f);
  TAnt* homebody = f.Ant(8.5f, 8.5f, 0, 1);
  homebody->startInNest(nest, 20);
  f.brains.set(OutCh::PickUp, 0, 100, 0);
  f.Tick(2);
  ASSERT_EQ(carrier->held, food);
  auto erase = [&](TCritter* gone) {
    auto& list = f.world.critters;
    const auto at = std::find_if(list.begin(), list.end(), [&](const auto& c) { return c.get() == gone; });
    f.world.RemoveCritter(static_cast<int>(at - list.begin()));
  };
  erase(food);
  erase(nest);
  EXPECT_EQ(carrier->held, nullptr);
  f.Tick();
  EXPECT_EQ(carrier->held, nullptr);
  EXPECT_EQ(homebody->nest, nullptr);
  EXPECT_EQ(homebody->startNest, nullptr);
  // The carrier walks on empty-jawed; the homebody still comes out when its time is up.
  for (int t = 0; t < 8; ++t) RingGaitTick(f, t, 0), f.Tick();
  EXPECT_GT(carrier->x, 5.5f);
  f.Tick(90);
  EXPECT_EQ(homebody->nestTicks, 0);
  EXPECT_EQ(homebody->body->visibility, TSprite::Shown);
  f.world.ResetWorld();
  EXPECT_EQ(homebody->nestTicks, 0);
  EXPECT_EQ(carrier->held, nullptr);

  // An ant taken out in the doorway leaves the door free for the next one.
  TNest* second = f.Nest(3.5f, 9.5f);
  TAnt* visitor = f.Ant(3.5f, 9.5f, 0, 0);
  ASSERT_TRUE(second->enter());
  visitor->nest = second, visitor->nestTicks = 1;
  erase(visitor);
  EXPECT_EQ(second->state(), TNest::Free);
  ASSERT_TRUE(second->leave());
  TAnt* leaver = f.Ant(3.5f, 9.5f, 0, 1);
  leaver->nest = second, leaver->nestTicks = 101;
  erase(leaver);
  EXPECT_EQ(second->state(), TNest::Free);
}

}  // namespace

namespace {
using namespace ant_test;

// A push into a thing is taken back, but an ant pressed against it may still turn away
// and leave: only moves toward what it touches are undone.
TEST(AntColony, AnAntPressedAgainstSomethingTurnsAwayAndLeaves) {
  AntFixture f;
  TAnt* ant = f.Ant(5.5f, 5.5f, 0);
  f.Add(6.05f, 5.5f, 0.4f);  // already under the ant's head
  f.Legs({0, 1, 2, 3, 4, 5}, OutCh::LegBack);
  f.Tick(2);
  EXPECT_NEAR(ant->x, 5.5f, 1e-5);  // walked further into the block: undone
  EXPECT_EQ(f.brains.input(InCh::BumpNose), 100);
  f.brains.clear();
  f.brains.set(OutCh::LegUp, 2, 100);
  f.Tick(12);
  EXPECT_EQ(ant->getHeading(), 12);
  f.brains.clear();
  for (int t = 0; t < 10; ++t) {
    const bool a = (t / 2) % 2 == 0;
    f.OnlyLegs(OutCh::LegUp, a ? std::initializer_list<int>{0, 2, 4} : std::initializer_list<int>{1, 3, 5});
    f.OnlyLegs(OutCh::LegBack, a ? std::initializer_list<int>{1, 3, 5} : std::initializer_list<int>{0, 2, 4});
    f.Tick();
  }
  EXPECT_LT(ant->x, 5.5f - 0.4f);
  EXPECT_NEAR(ant->y, 5.5f, 1e-3);
}

}  // namespace
