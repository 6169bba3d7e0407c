#include <gtest/gtest.h>

#include <cmath>

#include "channels/ChannelNumbers.h"
#include "bodies/Spider.h"
#include "BunkerFixture.h"

namespace {

float Dist(const TSprite* a, float x, float y) { return std::hypot(a->x - x, a->y - y); }

TEST(Worm, FlatStraightWormHasItsEndsOppositeAtHalfLength) {
  BunkerFixture f;
  for (int h : {0, 5, 17}) {
    TWorm* w = f.Worm(5, 5, h);
    EXPECT_NEAR(Dist(w->front, 5, 5), 0.55f, 1e-5);
    EXPECT_NEAR(Dist(w->back, 5, 5), 0.55f, 1e-5);
    EXPECT_NEAR(w->front->x + w->back->x, 10, 1e-5) << h;  // opposite through the middle
    EXPECT_NEAR(w->front->y + w->back->y, 10, 1e-5) << h;
    EXPECT_EQ(w->front->frame, h);
    EXPECT_EQ(w->back->frame, (h + 12) % 24);
    EXPECT_EQ(w->middle1->frame, 10 * h);
    EXPECT_EQ(w->middle2->frame, 10 * ((h + 12) % 24));
    EXPECT_EQ(w->getHeading(), h);
  }
}

TEST(Worm, RaisingTheMiddleWithTheFrontGrippingPullsItTowardTheFront) {
  BunkerFixture f;
  TWorm* w = f.Worm(5, 5, 0);
  const float frontX = w->front->x;
  f.brains.out(OutCh::GrabFront) = 100;
  f.brains.out(OutCh::RaiseMid) = 100;
  for (int k = 0; k < 10; ++k) w->step();
  EXPECT_EQ(w->midHeight, 100);
  EXPECT_NEAR(w->x, 5.25f, 1e-4);
  EXPECT_NEAR(w->front->x, frontX, 1e-5);                 // the gripping end stays put
  EXPECT_NEAR(w->back->x, 5.25f - 0.30f, 1e-4);           // the free end is pulled along
  EXPECT_EQ(w->middle1->frame, 9);                         // the highest arch, heading 0
  EXPECT_EQ(f.brains.in(InCh::MidHeight), 100);
  // Lowering with the back gripping pushes the front end away again.
  f.brains.clearOutputs();
  f.brains.out(OutCh::GrabBack) = 100;
  f.brains.out(OutCh::LowerMid) = 100;
  const float backX = w->back->x;
  for (int k = 0; k < 10; ++k) w->step();
  EXPECT_EQ(w->midHeight, 0);
  EXPECT_NEAR(w->back->x, backX, 1e-5);
  EXPECT_NEAR(w->front->x, backX + 1.1f, 1e-4);
}

TEST(Worm, BothEndsGrippingHoldTheBodyButStillCost) {
  BunkerFixture f;
  TWorm* w = f.Worm(5, 5, 3);
  w->energyLoss = 1;
  w->midHeight = 40;
  f.brains.out(OutCh::GrabFront) = 100;
  f.brains.out(OutCh::GrabBack) = 100;
  f.brains.out(OutCh::RaiseMid) = 100;
  f.brains.out(OutCh::BendLeft) = 100;
  const float x = w->x, y = w->y;
  const int front = w->frontAngle, back = w->backAngle;
  for (int k = 0; k < 5; ++k) w->step();
  EXPECT_EQ(w->midHeight, 40);
  EXPECT_EQ(w->midAngle, 0);
  EXPECT_EQ(w->frontAngle, front);
  EXPECT_EQ(w->backAngle, back);
  EXPECT_FLOAT_EQ(w->x, x);
  EXPECT_FLOAT_EQ(w->y, y);
  EXPECT_FLOAT_EQ(w->energy, 50 - 10);  // height and bend each cost, every tick
}

TEST(Worm, RaiseAndLowerTogetherChangeNothingButCostEnergy) {
  BunkerFixture f;
  TWorm* w = f.Worm(5, 5, 0);
  w->energyLoss = 0.5f;
  w->midHeight = 50;
  f.brains.out(OutCh::RaiseMid) = 100;
  f.brains.out(OutCh::LowerMid) = 100;
  for (int k = 0; k < 4; ++k) w->step();
  EXPECT_EQ(w->midHeight, 50);  // left alone it would have sunk to 46
  EXPECT_FLOAT_EQ(w->energy, 48);
  f.brains.clearOutputs();
  w->step();
  EXPECT_EQ(w->midHeight, 49);
  EXPECT_FLOAT_EQ(w->energy, 48);
}

TEST(Worm, BendingSplitsBetweenTheHalvesAndRelaxesByTwo) {
  BunkerFixture f;
  TWorm* w = f.Worm(5, 5, 0);
  f.brains.out(OutCh::BendLeft) = 100;
  w->step();
  EXPECT_EQ(w->midAngle, -20);
  EXPECT_EQ(w->frontAngle, 10);  // neither end grips: each half turns by half
  EXPECT_EQ(w->backAngle, 384 - 10);
  EXPECT_EQ(f.brains.in(InCh::MidAngle), -20);
  f.brains.clearOutputs();
  w->midAngle = -1;
  w->step();
  EXPECT_EQ(w->midAngle, 1);  // relaxing by 2 overshoots a bend of 1
  w->step();
  EXPECT_EQ(w->midAngle, -1);
  // With the front gripping the whole bend swings the back half.
  w->midAngle = 0;
  w->frontAngle = 0, w->backAngle = 384;
  f.brains.out(OutCh::GrabFront) = 100;
  f.brains.out(OutCh::BendRight) = 100;
  for (int k = 0; k < 5; ++k) w->step();
  EXPECT_EQ(w->midAngle, 100);
  EXPECT_EQ(w->frontAngle, 0);
  EXPECT_EQ(w->backAngle, 484);
  EXPECT_EQ(w->back->frame, 484 / 32);
  EXPECT_EQ(w->middle2->frame, 10 * ((484 - 33) / 32));
}

TEST(Worm, EatsMushroomsWithTheFrontEndOnly) {
  BunkerFixture f;
  TWorm* w = f.Worm(5, 5, 0);
  TCritter* good = f.Mushroom(5.6f, 5, 15);
  w->collideWithCritter(good, w->front, good->parts[0].get());
  EXPECT_FLOAT_EQ(w->energy, 65);
  EXPECT_TRUE(good->dead);  // eaten
  w->energy = 85;
  w->collideWithCritter(good, w->front, good->parts[0].get());
  EXPECT_FLOAT_EQ(w->energy, 90);  // capped
  TCritter* poisoned = f.Mushroom(5.6f, 5, -15);
  w->collideWithCritter(poisoned, w->front, poisoned->parts[0].get());
  EXPECT_FLOAT_EQ(w->energy, 75);
  EXPECT_TRUE(poisoned->dead);
  w->energy = 10;
  w->collideWithCritter(poisoned, w->front, poisoned->parts[0].get());
  EXPECT_FLOAT_EQ(w->energy, 0);  // floored
  // The tail bumps into a mushroom instead of eating it; one just placed is not food.
  w->energy = 50;
  w->collideWithCritter(good, w->back, good->parts[0].get());
  EXPECT_FLOAT_EQ(w->energy, 50);
  EXPECT_TRUE(w->tailBumped);
  good->placedMode = -1;
  w->collideWithCritter(good, w->front, good->parts[0].get());
  EXPECT_FLOAT_EQ(w->energy, 50);
  EXPECT_TRUE(w->noseBumped);
  w->step();
  EXPECT_EQ(f.brains.in(InCh::BumpNose), 100);
  EXPECT_EQ(f.brains.in(InCh::BumpTail), 100);
  w->step();
  EXPECT_EQ(f.brains.in(InCh::BumpNose), 0);
}

TEST(Worm, EatsAMushroomItCrawlsIntoInTheWorld) {
  BunkerFixture f;
  TWorm* w = f.Worm(5, 5, 0);
  f.Mushroom(5.66f, 5, 15);
  f.world.StartWorld();
  f.world.Step(0, true, false);
  EXPECT_FLOAT_EQ(w->energy, 65);
}

// Spared by cannon balls is not spared by worms: a poisoned mushroom the world lists as
// not to be shot is still eaten once, not again every tick.
TEST(Worm, EatsAMushroomThatShotsSpareOnlyOnce) {
  BunkerFixture f;
  TWorm* w = f.Worm(5, 5, 0);
  TCritter* poisoned = f.Mushroom(5.66f, 5, 15);
  poisoned->noKill = true;
  poisoned->triggerFired(nullptr);  // poisoned: eating it costs 15
  f.world.StartWorld();
  for (int t = 0; t < 5; ++t) f.world.Step(t, true, false);
  EXPECT_FLOAT_EQ(w->energy, 35);
  EXPECT_TRUE(poisoned->dead);
  EXPECT_FALSE(poisoned->parts[0]->active());
}

// A stone behind the tail that the back end reaches only when the middle moves forward.
struct UndoFixture : BunkerFixture {
  UndoFixture() {
    worm = Worm(5, 5, 0);
    // The tail's square reaches 4.50 before the tick and 4.55 after it; the stone starts at 4.52.
    stone = std::make_unique<TStaticBound>(&world, world.Picture(mushPic), 4.60f, 5, 0, 0, false);
  }
  void Tick(bool bend) {
    brains.clearOutputs();
    brains.out(OutCh::GrabFront) = 100;
    brains.out(OutCh::RaiseMid) = 100;
    if (bend) brains.out(OutCh::BendRight) = 100;
    worm->step();
  }
  TWorm* worm;
  std::unique_ptr<TStaticBound> stone;
};

TEST(Worm, AfterHittingAStoneTheBendIsKeptWhenUndoingTheRestFreesIt) {
  UndoFixture f;
  f.Tick(true);
  ASSERT_TRUE(f.worm->back->overlaps(*f.stone));
  f.worm->collideWithThing(f.stone.get(), f.worm->back);
  EXPECT_FALSE(f.worm->back->overlaps(*f.stone));
  EXPECT_EQ(f.worm->midAngle, 20);   // the new bend stays
  EXPECT_EQ(f.worm->midHeight, 0);   // the height and the place go back
  EXPECT_FLOAT_EQ(f.worm->x, 5);
  EXPECT_TRUE(f.worm->tailBumped);
}

TEST(Worm, AfterHittingAStoneWithoutABendEverythingGoesBack) {
  UndoFixture f;
  f.Tick(false);
  ASSERT_TRUE(f.worm->back->overlaps(*f.stone));
  f.worm->collideWithThing(f.stone.get(), f.worm->back);
  EXPECT_FALSE(f.worm->back->overlaps(*f.stone));
  EXPECT_EQ(f.worm->midHeight, 0);
  EXPECT_FLOAT_EQ(f.worm->x, 5);
}

TEST(Worm, TheMapEdgeStopsTheHeadLikeAStone) {
  BunkerFixture f;  // 12 x 12 cells
  TWorm* w = f.Worm(11.3f, 5, 0);
  w->midHeight = 100;
  w->layout();
  f.brains.out(OutCh::GrabBack) = 100;
  f.brains.out(OutCh::LowerMid) = 100;
  bool bumped = false;
  for (int k = 0; k < 10; ++k) {
    w->step();
    bumped = bumped || f.brains.in(InCh::BumpNose) == 100;
  }
  EXPECT_LT(w->front->x, 12);
  EXPECT_NEAR(w->front->x, 11.0f + 2 * w->halfLength(), 1e-4);  // the tail kept its grip
  EXPECT_GT(w->midHeight, 0);
  EXPECT_TRUE(bumped);
}

TEST(Worm, KillCurlsTheEndsAndResetStraightensIt) {
  BunkerFixture f;
  TWorm* w = f.Worm(5, 5, 6);
  w->midHeight = 30;
  w->kill();
  EXPECT_TRUE(w->dead);
  EXPECT_EQ(w->middle1->visibility, TSprite::HiddenSinceDraw);
  const int front = w->frontAngle;
  w->step();
  EXPECT_EQ(w->midAngle, 100);
  EXPECT_EQ(w->midHeight, 0);
  EXPECT_EQ(w->frontAngle, front - 2);
  w->step();
  EXPECT_EQ(w->frontAngle, front - 2);  // curled up: no more change
  w->reset();
  EXPECT_FALSE(w->dead);
  EXPECT_EQ(w->midAngle, 0);
  EXPECT_EQ(w->frontAngle, 6 * 32);
  EXPECT_EQ(w->backAngle, 18 * 32);
  EXPECT_EQ(w->middle1->visibility, TSprite::Shown);
  w->noKill = true;
  w->kill();
  EXPECT_FALSE(w->dead);
}

TEST(Worm, SensesTheNearestSpiderSixtyDegreesEitherSideOfTheHead) {
  BunkerFixture f;
  TWorm* w = f.Worm(5, 5, 0);
  // The head is at (5.55, 5); its left and right points lie 0.6 out at 60 degrees.
  const float c = 0.3f, s = 0.6f * std::sin(3.14159265f / 3);
  TSpider* near = f.Spider(5.55f + c, 5 + s, 0, false);
  TSpider* far = f.Spider(5.55f + c, 5 - s - 2, 0, false);
  w->senseBody(far);
  w->senseBody(near);
  w->senseBody(far);  // farther than the one already sensed: ignored
  const float u = w->spiderLeft, v = w->spiderRight;
  EXPECT_NEAR(u, 100, 1e-3);
  EXPECT_NEAR(v, 100 - 10 * 2 * s, 1e-3);
  w->step();
  EXPECT_EQ(f.brains.in(InCh::SpiderLeft), static_cast<int>(u));
  EXPECT_EQ(f.brains.in(InCh::SpiderRight), static_cast<int>(v));
  w->step();
  EXPECT_EQ(f.brains.in(InCh::SpiderLeft), 0);  // cleared once read
}

}  // namespace
