#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "AntFixture.h"

namespace {
using namespace ant_test;

TEST(Ant, StandsOnTheGroundWithBodyHeadAndSixLegs) {
  AntFixture f;
  TAnt* ant = f.Ant(5.5f, 5.5f, 6);
  ASSERT_EQ(ant->parts.size(), 8u);
  EXPECT_EQ(ant->typeCode, 14);
  EXPECT_EQ(ant->typeName, "Ant");
  EXPECT_FLOAT_EQ(ant->z, 0.1f);
  EXPECT_EQ(ant->tilt, 0);
  EXPECT_EQ(ant->body->frame, 6);
  EXPECT_FLOAT_EQ(ant->body->z, 0.6f);
  EXPECT_NEAR(ant->head->y, 5.5f + 0.36f, 1e-5);
  EXPECT_EQ(ant->getHeading(), 6);
  // Leg 0 rests four steps left of the heading, leg 3 four steps right; all down.
  EXPECT_EQ(ant->legs[0]->frame, 10);
  EXPECT_EQ(ant->legs[3]->frame, 2);
  for (bool touch : ant->legTouch) EXPECT_TRUE(touch);
  EXPECT_TRUE(ant->typeInputs[InCh::Antenna] && ant->typeOutputs[OutCh::LegUp] && !ant->typeOutputs[OutCh::GoFwd]);
}

TEST(Ant, NeighbouringLegsOfOneSideNeverRiseTogether) {
  AntFixture f;
  TAnt* ant = f.Ant(5.5f, 5.5f, 0);
  f.Legs({0, 1}, OutCh::LegUp);
  f.Tick();
  EXPECT_TRUE(ant->legUp[0]);
  EXPECT_FALSE(ant->legUp[1]);
  EXPECT_EQ(ant->legs[0]->frame, 4 + 24);
  EXPECT_EQ(ant->legs[1]->frame, 6);
  // Legs 2, 3 and 5 up keep leg 0 down: the ant would tip over.
  f.brains.clear();
  f.Tick();
  EXPECT_FALSE(ant->legUp[0]);
  f.Legs({2, 3, 5}, OutCh::LegUp);
  f.Tick();
  EXPECT_TRUE(ant->legUp[2] && ant->legUp[3] && ant->legUp[5]);
  f.Legs({0}, OutCh::LegUp);
  f.Tick();
  EXPECT_FALSE(ant->legUp[0]);
  // Leg 4 waits while leg 3 or leg 5 is up.
  f.Legs({4}, OutCh::LegUp);
  f.Tick();
  EXPECT_FALSE(ant->legUp[4]);
}

TEST(Ant, SidePushFollowsTheLegsThatCanStillPush) {
  EXPECT_FLOAT_EQ(TAnt::SidePush(0, 3, 0), -2);  // -6 clamped
  EXPECT_FLOAT_EQ(TAnt::SidePush(1, 0, 0), 2);
  EXPECT_FLOAT_EQ(TAnt::SidePush(0, 1, 1), -1);
  EXPECT_FLOAT_EQ(TAnt::SidePush(1, 2, 0), -1);  // mixed: halved
  EXPECT_FLOAT_EQ(TAnt::SidePush(2, 1, 3), 0.25f);
  EXPECT_FLOAT_EQ(TAnt::SidePush(0, 0, 3), 0);
}

TEST(Ant, SixLegsPushingBackMoveTheCappedStepAndSwingBack) {
  AntFixture f;
  TAnt* ant = f.Ant(5.5f, 5.5f, 0);
  f.Legs({0, 1, 2, 3, 4, 5}, OutCh::LegBack);
  f.Tick();
  EXPECT_NEAR(ant->x, 5.5f + 0.209f, 1e-5);
  EXPECT_NEAR(ant->y, 5.5f, 1e-5);
  EXPECT_EQ(ant->getHeading(), 0);
  for (int swing : ant->legSwing) EXPECT_EQ(swing, -1);
  EXPECT_EQ(ant->legs[0]->frame, 5);  // the left side turns its frames the other way
  EXPECT_EQ(ant->legs[3]->frame, 19);
  // Every leg is now back as far as it goes: nothing pushes.
  f.Tick();
  EXPECT_NEAR(ant->x, 5.5f + 0.209f, 1e-5);
}

TEST(Ant, OneSidePushingTurnsTheAntAwayFromIt) {
  AntFixture f;
  TAnt* ant = f.Ant(5.5f, 5.5f, 6);
  f.Legs({0, 1, 2}, OutCh::LegBack);  // the left side pushes: it turns right
  f.Tick();
  EXPECT_EQ(ant->getHeading(), 5);
  EXPECT_NEAR(ant->x, 5.5f + 0.209f * std::cos(5 * 3.14159265f / 12), 1e-4);
  f.brains.clear();
  f.brains.set(OutCh::LegUp, 2, 100);  // the turn commands
  f.Tick();
  EXPECT_EQ(ant->getHeading(), 6);
  f.brains.clear();
  f.brains.set(OutCh::LegUp, 6, 100);
  f.Tick(2);
  EXPECT_EQ(ant->getHeading(), 4);
}

TEST(Ant, RaisedLegsSwingWithinTheirLimitsAndReturnToNeutral) {
  AntFixture f;
  TAnt* ant = f.Ant(5.5f, 5.5f, 0);
  f.Legs({1, 4}, OutCh::LegUp);
  f.Legs({1, 4}, OutCh::LegForward);
  f.Tick(3);
  EXPECT_EQ(ant->legSwing[1], 1);
  EXPECT_EQ(ant->legs[1]->frame, 24 + 5);
  EXPECT_EQ(ant->legs[4]->frame, 24 + 19);
  EXPECT_NEAR(ant->x, 5.5f, 1e-6);  // legs in the air push nothing
  f.Legs({1, 4}, OutCh::LegForward, 0);
  f.Tick();
  EXPECT_EQ(ant->legSwing[1], 0);
  EXPECT_EQ(ant->legs[1]->frame, 24 + 6);
}

TEST(Ant, SensesSunWetLegsAndContact) {
  AntFixture f;
  for (int y = 0; y < 12; ++y) f.world.SetTile(7, y, 0, -0.1f);  // a strip of shallow water
  TAnt* ant = f.Ant(6.6f, 5.5f, 0);
  f.Tick();
  for (int u = 0; u < 8; ++u) EXPECT_EQ(f.brains.input(InCh::Sun, u), static_cast<int>(TAnt::SunTable[3 * u]));
  // The front feet stand in the water, the others on the sand.
  EXPECT_EQ(f.brains.input(InCh::LegWet, TAnt::LegSub[0]), 100);
  EXPECT_EQ(f.brains.input(InCh::LegWet, TAnt::LegSub[3]), 100);
  EXPECT_EQ(f.brains.input(InCh::LegWet, TAnt::LegSub[2]), 0);
  EXPECT_EQ(f.brains.input(InCh::LegTouch, TAnt::LegSub[5]), 100);
  EXPECT_FALSE(ant->dead);
}

TEST(Ant, ABodyInTheWayUndoesTheMoveAndBumpsTheNose) {
  AntFixture f;
  TAnt* ant = f.Ant(5.5f, 5.5f, 0);
  f.Add(6.4f, 5.5f, 0.4f);  // a block of half side 0.3 standing up to the head
  f.Legs({0, 1, 2, 3, 4, 5}, OutCh::LegBack);
  f.Tick();
  EXPECT_NEAR(ant->x, 5.5f, 1e-5);
  f.Tick();
  EXPECT_EQ(f.brains.input(InCh::BumpNose), 100);
  EXPECT_EQ(f.brains.input(InCh::BumpTail), 0);
}

TEST(Ant, PicksUpCarriesAndPutsDownWhatItsHeadTouches) {
  AntFixture f;
  TAnt* ant = f.Ant(5.5f, 5.5f, 0);
  TestCritter* food = f.Food(6.0f, 5.5f);
  f.Tick();
  f.Tick();
  EXPECT_EQ(f.brains.input(InCh::CanPickup), 100);
  EXPECT_EQ(f.brains.input(InCh::IsEdible), 100);
  f.brains.set(OutCh::PickUp, 0, 100);
  f.Tick();
  ASSERT_EQ(ant->held, food);
  EXPECT_EQ(food->carrier, ant);
  EXPECT_NEAR(food->x, 5.5f + 0.8f, 1e-5);
  EXPECT_NEAR(ant->head->z, 0.6f - 0.2f, 1e-5);  // the head dips to take hold
  f.Tick();
  EXPECT_NEAR(ant->head->z, 0.6f, 1e-5);
  EXPECT_NEAR(food->z, 0.1f + 0.2f, 1e-5);  // and lifts it
  // Carried along and turned with the ant.
  f.brains.set(OutCh::LegUp, 2, 100);
  f.Tick(6);
  EXPECT_EQ(ant->getHeading(), 6);
  EXPECT_NEAR(food->y, 5.5f + 0.8f, 1e-4);
  EXPECT_NEAR(food->x, 5.5f, 1e-4);
  f.brains.clear();
  f.Tick();
  EXPECT_EQ(ant->held, nullptr);
  EXPECT_EQ(food->carrier, nullptr);
  EXPECT_NEAR(food->z, 0.1f, 1e-5);
}

TEST(Ant, FoodCarriedIntoTheNestFeedsNestAndAnt) {
  AntFixture f;
  TNest* nest = f.Nest(7.5f, 5.5f);
  TAnt* ant = f.Ant(5.2f, 5.5f, 0);
  TestCritter* food = f.Food(5.7f, 5.5f);
  ant->energy = 10;
  f.Tick(2);
  f.brains.set(OutCh::PickUp, 0, 100);
  f.Tick();
  ASSERT_EQ(ant->held, food);
  for (int t = 0; t < 100 && ant->nestTicks == 0; ++t) f.StrideTick(t);
  ASSERT_GT(ant->nestTicks, 0);
  EXPECT_EQ(ant->nest, nest);
  EXPECT_EQ(nest->state(), TNest::GoingIn);
  EXPECT_EQ(ant->getHeading(), 12);
  EXPECT_FALSE(ant->body->active() && ant->body->visibility == TSprite::Shown);
  f.Tick(55);
  EXPECT_EQ(nest->state(), TNest::Free);
  EXPECT_FLOAT_EQ(nest->energy, 65);
  EXPECT_FLOAT_EQ(ant->energy, 65);
  EXPECT_EQ(ant->held, nullptr);
  EXPECT_TRUE(food->dead);
  f.Tick(50);
  EXPECT_EQ(ant->nestTicks, 0);
  EXPECT_EQ(ant->nest, nullptr);
  EXPECT_TRUE(ant->body->active());
  EXPECT_EQ(nest->state(), TNest::Free);
}

TEST(Ant, ABusyNestIsWalkedPast) {
  AntFixture f;
  TNest* nest = f.Nest(6.4f, 5.5f);
  TAnt* ant = f.Ant(5.5f, 5.5f, 0);
  TestCritter* food = f.Food(6.0f, 5.5f);
  ant->held = food;
  food->carrier = ant;
  f.brains.set(OutCh::PickUp, 0, 100);
  ASSERT_TRUE(nest->enter());
  f.Legs({0, 1, 2, 3, 4, 5}, OutCh::LegBack);
  f.Tick();
  EXPECT_EQ(ant->nestTicks, 0);
  EXPECT_NEAR(ant->x, 5.5f + 0.209f, 1e-5);  // not pushed back either
  f.Tick();
  EXPECT_EQ(f.brains.input(InCh::BumpNose), 0);
}

TEST(Ant, ALaidTrailIsSmeltByAnotherAntsAntennae) {
  AntFixture f;
  TAnt* layer = f.Ant(2.5f, 5.5f, 0, 0);
  f.brains.set(OutCh::MarkScent, 0, 100);
  for (int k = 0; k < 15; ++k) f.Stride();
  ASSERT_GT(layer->x, 5.5f);
  ASSERT_GE(layer->trail, 0);
  const TScentTrail& t = f.world.scents[static_cast<size_t>(layer->trail)];
  EXPECT_TRUE(t.active);
  EXPECT_NEAR(t.x2, layer->x, 1e-5);
  // A second ant beside the trail, facing along it: the trail lies on its right.
  f.Ant(3.0f, 5.9f, 0, 1);
  f.Tick();
  // The antenna corners as the leg nodes: 6 ahead, 7 ahead right, 5 ahead left.
  EXPECT_GT(f.brains.input(InCh::Antenna, 7, 1), 0);
  EXPECT_GT(f.brains.input(InCh::Antenna, 7, 1), f.brains.input(InCh::Antenna, 6, 1));
  EXPECT_EQ(f.brains.input(InCh::Antenna, 5, 1), 0);
  EXPECT_EQ(f.brains.input(InCh::Antenna, 4, 1), 0);
  // Without "Mark Scent" the trail ends.
  f.brains.set(OutCh::MarkScent, 0, 0);
  f.Tick();
  EXPECT_EQ(layer->trail, -1);
}

TEST(Ant, ResetBringsItBackIntoItsStartNest) {
  AntFixture f;
  TNest* nest = f.Nest(7.5f, 5.5f);
  TAnt* ant = f.Ant(5.5f, 5.5f, 0);
  ant->startInNest(nest, 95);
  EXPECT_FALSE(ant->body->visibility == TSprite::Shown);
  f.Tick(4);
  EXPECT_EQ(ant->nestTicks, 99);
  f.Tick();
  EXPECT_EQ(nest->state(), TNest::ComingOut);
  f.Tick(6);
  EXPECT_EQ(ant->nestTicks, 0);
  EXPECT_EQ(nest->state(), TNest::Free);
  f.Legs({0, 1, 2, 3, 4, 5}, OutCh::LegBack);
  f.Legs({1}, OutCh::LegUp);
  f.Tick();
  EXPECT_NEAR(ant->x, 5.5f + 0.209f, 1e-5);
  f.world.ResetWorld();
  EXPECT_EQ(ant->nestTicks, 95);
  EXPECT_EQ(ant->nest, nest);
  EXPECT_FLOAT_EQ(ant->x, 5.5f);
  for (int k = 0; k < 6; ++k) EXPECT_TRUE(!ant->legUp[k] && ant->legSwing[k] == 0);
}

}  // namespace

namespace {
using namespace ant_test;

// A two-phase oscillator of three ticks a phase driving the tripods: one stands and
// pushes back while the other is lifted and, a tick later, swung forward.
TEST(Ant, ATripodGaitWalksStraight) {
  AntFixture f;
  TAnt* ant = f.Ant(2.5f, 5.5f, 0);
  const std::array<int, 3> tripodA{0, 2, 4}, tripodB{1, 3, 5};
  for (int t = 0; t < 204; ++t) {
    int phase = t % 6;
    const auto& up = phase < 3 ? tripodB : tripodA;
    const auto& down = phase < 3 ? tripodA : tripodB;
    f.OnlyLegs(OutCh::LegUp, {up[0], up[1], up[2]});
    f.OnlyLegs(OutCh::LegBack, {down[0], down[1], down[2]});
    if (phase % 3 == 0) f.OnlyLegs(OutCh::LegForward, {});
    else f.OnlyLegs(OutCh::LegForward, {up[0], up[1], up[2]});
    f.Tick();
  }
  EXPECT_EQ(ant->getHeading(), 0);
  EXPECT_NEAR(ant->y, 5.5f, 1e-4);
  EXPECT_GT(ant->x, 2.5f + 3);
}

// The notebook's gait: the heart ring, two ticks on and two off; one tripod lifted and
// swung forward while the other stands and swings back.
TEST(Ant, TheHeartRingTripodGaitWalksStraightBothWays) {
  for (int heading : {0, 6, 13}) {
    AntFixture f;
    // Start 4.5 behind the middle of the map, so 200 ticks stay on it.
    float angle = static_cast<float>(heading) * 3.14159265f / 12;
    float x0 = 5.5f - 4.5f * std::cos(angle), y0 = 5.5f - 4.5f * std::sin(angle);
    TAnt* ant = f.Ant(x0, y0, heading);
    const std::array<int, 3> tripodA{0, 2, 4}, tripodB{1, 3, 5};
    for (int t = 0; t < 200; ++t) {
      bool a = t % 4 < 2;
      const auto& up = a ? tripodA : tripodB;
      const auto& down = a ? tripodB : tripodA;
      f.OnlyLegs(OutCh::LegUp, {up[0], up[1], up[2]});
      f.OnlyLegs(OutCh::LegForward, {up[0], up[1], up[2]});
      f.OnlyLegs(OutCh::LegBack, {down[0], down[1], down[2]});
      f.Tick();
      if (t == 100) {
        EXPECT_EQ(ant->getHeading(), heading) << "heading " << heading << " at tick 100";
      }
    }
    EXPECT_EQ(ant->getHeading(), heading) << "started at heading " << heading;
    EXPECT_GT(std::hypot(ant->x - x0, ant->y - y0), 3.0f) << "heading " << heading;
  }
}

}  // namespace
