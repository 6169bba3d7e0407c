// The map's edge through the world's own step: every class that moves is stopped there as
// by a bump, and a body on the ground keeps to the ground rather than climbing into the
// sky where the map ends.
#include <gtest/gtest.h>

#include <algorithm>

#include "AntFixture.h"
#include "BunkerFixture.h"
#include "bodies/Letter.h"
#include "bodies/ObjectFixtures.h"
#include "bodies/Vehicle.h"

namespace {

bool AllPartsOnMap(const TCritter& c, int X, int Y) {
  return std::all_of(c.parts.begin(), c.parts.end(), [&](const auto& p) {
    return p->x >= 0 && p->y >= 0 && p->x < static_cast<float>(X) && p->y < static_cast<float>(Y);
  });
}

TEST(MapEdge, ALetterSlidingOffTheMapStopsAtTheEdgeOnTheGround) {
  ObjectWorld w;  // 10 x 10, flat at 0
  auto* letter = w.Add(std::make_unique<TLetter>(&w.world, "l", 0, 9.5f, 5, 0, 0, w.Pic()), 0);
  letter->start();
  w.brains.output(0, OutCh::LetterX) = 100;  // 0.2 a tick along +x
  w.Run(20);
  EXPECT_TRUE(AllPartsOnMap(*letter, 10, 10));
  EXPECT_GT(letter->x, 9.5f);
  EXPECT_NEAR(letter->z, 0.02f, 1e-4);  // it rests on the ground, not in the sky
  EXPECT_EQ(w.brains.input(0, InCh::Bump), 100);
}

TEST(MapEdge, AVehicleDrivenOffTheMapStaysOnTheGroundAtTheEdge) {
  ObjectWorld w;
  auto* car = w.Add(std::make_unique<TVehicle>(&w.world, "v", 0, 9.3f, 5, 0, 0, w.Pic()), 0);
  car->start();
  w.brains.output(0, OutCh::GoFwd) = 100;  // 0.2 a tick
  w.Run(20);
  EXPECT_TRUE(AllPartsOnMap(*car, 10, 10));
  EXPECT_GT(car->x, 9.5f);
  EXPECT_LT(car->z, 0.01f);
  EXPECT_EQ(w.brains.input(0, InCh::Bump), 100);
}

TEST(MapEdge, AnAntWalkingToTheEdgeStopsWithEveryLegOnTheMap) {
  ant_test::AntFixture f;  // 12 x 12, ground at 0.1
  TAnt* ant = f.Ant(9, 5.5f, 0);
  for (int s = 0; s < 30; ++s) f.Stride();
  EXPECT_TRUE(AllPartsOnMap(*ant, 12, 12));
  EXPECT_GT(ant->x, 10);
  EXPECT_LT(ant->z, 0.1f + 0.46f);  // never above the ground plus its stance
}

TEST(MapEdge, ASpiderStopsAtTheEdgeAndStandsItsLiftAboveTheGround) {
  BunkerFixture f;  // 12 x 12, flat at 0
  // One row of tiles a step of 0.2 higher on the way.
  for (int y = 0; y < 12; ++y) f.world.SetTile(8, y, 0, 0.2f);
  TSpider* spider = f.Spider(6.5f, 5.5f, 0);
  f.brains.out(OutCh::GoFwd, 1) = 100;
  bool sawStep = false, bumped = false;
  for (int t = 0; t < 200; ++t) {
    f.world.Step(t, true, false);
    bumped = bumped || f.brains.in(InCh::Bump, 1) == 100;
    int kind = 0;
    const float ground = f.world.GroundHeight(spider->x, spider->y, kind);
    if (spider->x >= 8 && spider->x < 9) {
      sawStep = true;
      EXPECT_NEAR(spider->z, 0.2f + TSpider::BodyLift, 1e-4) << "at x " << spider->x;
    } else if (spider->x < 12) {
      EXPECT_NEAR(spider->z, ground + TSpider::BodyLift, 1e-4) << "at x " << spider->x;
    }
  }
  EXPECT_TRUE(sawStep);
  EXPECT_TRUE(AllPartsOnMap(*spider, 12, 12));
  EXPECT_GT(spider->x, 11);
  EXPECT_TRUE(bumped);
}

TEST(MapEdge, AWormPlacedWithAnEndOffTheMapCrawlsBackIn) {
  BunkerFixture f;
  TWorm* w = f.Worm(0.3f, 5, 0);  // the back end lies at -0.25
  ASSERT_LT(w->back->x, 0);
  // The front grips and the middle rises: the body pulls in toward the front end.
  f.brains.out(OutCh::GrabFront) = 100;
  f.brains.out(OutCh::RaiseMid) = 100;
  for (int t = 0; t < 10; ++t) f.world.Step(t, true, false);
  EXPECT_NEAR(w->x, 0.55f, 1e-4);
  EXPECT_GE(w->back->x, 0);
  // Pushed the other way, the back end may not leave the map again.
  f.brains.clearOutputs();
  f.brains.out(OutCh::GrabFront) = 100;
  f.brains.out(OutCh::LowerMid) = 100;
  for (int t = 10; t < 30; ++t) f.world.Step(t, true, false);
  EXPECT_GE(w->back->x, 0);
  EXPECT_GT(w->midHeight, 0);
}

}  // namespace
