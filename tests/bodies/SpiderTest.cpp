#include <gtest/gtest.h>

#include <cmath>

#include "channels/ChannelNumbers.h"
#include "BunkerFixture.h"

namespace {

TEST(Spider, EyeSeesWormEndsOnlyWithinOneHeadingStep) {
  BunkerFixture f;
  TSpider* s = f.Spider(2, 5, 0);
  // Head end 3 ahead, tail end 4.1 ahead: the nearer one counts.
  TWorm* ahead = f.Worm(5.55f, 5, 12, false);
  s->senseBody(ahead);
  s->step();
  EXPECT_EQ(f.brains.in(InCh::Eye, 1), 70);
  s->step();
  EXPECT_EQ(f.brains.in(InCh::Eye, 1), 0);  // nothing sensed this tick
  // A worm three heading steps to the side is not seen.
  ahead->kill();
  TWorm* aside = f.Worm(2 + 2.12f, 5 + 2.12f, 6, false);
  s->senseBody(aside);
  s->step();
  EXPECT_EQ(f.brains.in(InCh::Eye, 1), 0);
  // Turned toward it, the spider sees it.
  s->spiderHeading = 3;
  s->senseBody(aside);
  s->step();
  EXPECT_GT(f.brains.in(InCh::Eye, 1), 60);
  // At home it looks at nothing.
  s->atHome = true;
  s->senseBody(aside);
  EXPECT_EQ(s->eye, 0);
}

TEST(Spider, WalksPointFourEveryEightTicksAndItsLegsMove) {
  BunkerFixture f;
  TSpider* s = f.Spider(3, 5, 0);
  EXPECT_NEAR(s->z, 0.3f, 1e-5);  // the body floats over the ground
  f.brains.out(OutCh::GoFwd, 1) = 100;
  int legFrames = 0, lastLeg = s->legs[0]->frame;
  for (int k = 1; k <= 26; ++k) {
    s->step();
    const float want = k < 10 ? 0 : k < 18 ? 0.4f : k < 26 ? 0.8f : 1.2f;
    ASSERT_NEAR(s->x - 3, want, 1e-4) << k;
    if (s->legs[0]->frame != lastLeg) ++legFrames, lastLeg = s->legs[0]->frame;
  }
  EXPECT_GE(legFrames, 6);  // the legs step with the gait
  EXPECT_EQ(s->stepCounter, 3 + (26 - 10 - 1) % 8);
  // Turning right takes the heading down.
  f.brains.clearOutputs(1);
  f.brains.out(OutCh::TurnRight, 1) = 100;
  s->step();
  EXPECT_EQ(s->getHeading(), 23);
}

TEST(Spider, LegPosesAlternateBetweenTheTwoGroups) {
  int d0, d1;
  bool up0, up1;
  TSpider::LegPose(0, 0, 3, d0, up0);
  TSpider::LegPose(1, 0, 3, d1, up1);
  EXPECT_NE(up0, up1);
  TSpider::LegPose(0, 0, 7, d1, up1);
  EXPECT_NE(up0, up1);
  EXPECT_NE(d0, d1);
}

// The spider grabs the worm it touches, then stands on it.
struct FightFixture : BunkerFixture {
  FightFixture(float wormEnergy) {
    spider = Spider(6.7f, 5, 0);
    worm = Worm(7, 5, 6, false);
    worm->energy = wormEnergy;
    spider->collideWithCritter(worm, spider->body, worm->front);
  }
  TSpider* spider;
  TWorm* worm;
};

TEST(Spider, AStrongWormBreaksFreeAndTheSpiderPanicsFiftyTicks) {
  FightFixture f(80);
  ASSERT_EQ(f.spider->prey, f.worm);
  EXPECT_EQ(f.spider->wrestleTicks, 100);
  f.spider->step();
  EXPECT_FLOAT_EQ(f.worm->energy, 100);
  EXPECT_EQ(f.spider->prey, nullptr);
  EXPECT_EQ(f.spider->panicTicks, 50);
  EXPECT_FALSE(f.worm->dead);
  // In a panic the brain is ignored and the spider backs away, turning at random.
  f.brains.out(OutCh::GoFwd, 1) = 100;
  const float x0 = f.spider->x, y0 = f.spider->y;
  for (int k = 0; k < 49; ++k) f.spider->step();
  EXPECT_EQ(f.spider->panicTicks, 1);
  EXPECT_FALSE(f.spider->dead);
  EXPECT_GT(std::hypot(f.spider->x - x0, f.spider->y - y0), 0.3f);  // backed off, stride by stride
  // A touch during the panic keeps it going; free of everything it dies at the end.
  f.spider->collideWithCritter(f.worm, f.spider->body, f.worm->front);
  f.spider->step();
  EXPECT_EQ(f.spider->panicTicks, 1);
  f.spider->moveTo(2, 2, f.spider->z);
  f.spider->step();
  EXPECT_TRUE(f.spider->dead);
  EXPECT_EQ(f.spider->body->frame, TSpider::DeadFrame);
  EXPECT_EQ(f.spider->legs[3]->visibility, TSprite::HiddenSinceDraw);
}

TEST(Spider, ABeatenWormIsCarriedHomeAndEaten) {
  FightFixture f(50);
  f.spider->step();
  EXPECT_TRUE(f.worm->dead);
  EXPECT_EQ(f.worm->midHeight, 0);
  EXPECT_FLOAT_EQ(f.spider->x, 7);  // stands where the worm's middle was
  EXPECT_EQ(f.brains.in(InCh::GotFood, 1), 100);
  EXPECT_NEAR(f.worm->x, 7.2f, 1e-5);  // carried ahead of the spider, lower down
  EXPECT_NEAR(f.worm->z, f.spider->z - 0.4f, 1e-5);
  EXPECT_EQ(f.worm->carrier, f.spider);
  // Back toward home: the worm comes along.
  f.brains.out(OutCh::GoBack, 1) = 100;
  for (int k = 0; k < 12; ++k) f.spider->step();
  EXPECT_NEAR(f.spider->x, 6.6f, 1e-4);
  EXPECT_NEAR(f.worm->x, 6.8f, 1e-4);
  // Near home with nothing to do: onto the spot, and the worm is eaten.
  f.spider->moveTo(f.spider->startX + 0.5f, f.spider->startY, f.spider->z);
  f.brains.clearOutputs(1);
  f.spider->step();
  EXPECT_FLOAT_EQ(f.spider->x, f.spider->startX);
  EXPECT_FLOAT_EQ(f.spider->energy, 100);
  EXPECT_EQ(f.spider->prey, nullptr);
  EXPECT_EQ(f.worm->carrier, nullptr);
  EXPECT_EQ(f.worm->front->visibility, TSprite::HiddenSinceDraw);
  f.spider->step();
  EXPECT_EQ(f.brains.in(InCh::GotFood, 1), 0);
}

TEST(Spider, TurnsHomeOneStepAtATimeBeforeEating) {
  FightFixture f(50);
  f.spider->step();
  f.spider->spiderHeading = 21;
  f.spider->moveTo(f.spider->startX - 0.3f, f.spider->startY, f.spider->z);
  f.spider->step();
  EXPECT_EQ(f.spider->getHeading(), 22);
  EXPECT_NE(f.spider->prey, nullptr);
  f.spider->step();
  f.spider->step();
  EXPECT_EQ(f.spider->getHeading(), 0);
  EXPECT_EQ(f.spider->prey, nullptr);
}

TEST(Spider, SlidesAlongAStoneAndResetForgetsTheFight) {
  FightFixture f(50);
  f.spider->prevX = 6.5f, f.spider->prevY = 5;
  TStaticBound stone(&f.world, f.world.Picture(f.mushPic), 7.3f, 5, 0, 0, false);
  f.spider->collideWithThing(&stone, f.spider->body);
  EXPECT_FLOAT_EQ(f.spider->x, 6.5f);  // back to where x was: free
  EXPECT_EQ(f.spider->getHeading(), 1);  // turned left, the prey still fighting
  f.spider->step();
  EXPECT_EQ(f.brains.in(InCh::Bump, 1), 100);
  f.spider->reset();
  EXPECT_EQ(f.spider->prey, nullptr);
  EXPECT_EQ(f.spider->wrestleTicks, 0);
  EXPECT_EQ(f.spider->stepCounter, 0);
  EXPECT_EQ(f.spider->getHeading(), 0);
  EXPECT_FLOAT_EQ(f.spider->x, 6.7f);
}

}  // namespace
