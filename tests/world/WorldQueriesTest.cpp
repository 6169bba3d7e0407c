#include <gtest/gtest.h>

#include "world/WorldFixtures.h"

namespace {

TEST(WorldQueries, Direction24OfTheAxesAndOfATinyVector) {
  EXPECT_EQ(TWorld::Direction24(0.05f, 0.05f), 0);
  EXPECT_EQ(TWorld::Direction24(0, 1), 6);
  EXPECT_EQ(TWorld::Direction24(-1, 0), 12);
  EXPECT_EQ(TWorld::Direction24(0, -1), 18);
  EXPECT_EQ(TWorld::Direction24(1, 1), 3);
  EXPECT_EQ(TWorld::Direction24(1, -0.3f), 23);  // just below the x axis wraps to 23
  EXPECT_EQ(TWorld::Direction24(-1, -1), 15);
}

TEST(WorldQueries, GroundHeightFollowsTileFramesAndTriangles) {
  WorldFixture f;
  TWorld& w = f.world;
  w.SetTile(3, 3, 1, 0.5f);  // corner (x, y) raised: the tile's height is that corner
  w.SetTile(4, 4, 2, 0.5f);
  int kind = -1;
  // On an odd frame the base stands 0.2 below the tile's height.
  EXPECT_NEAR(w.SurfaceHeight(3.9f, 3.5f, 1, kind), 0.5f - 0.2f + 0.2f * (1 - 0.9f), 1e-5);
  EXPECT_EQ(kind, 3);
  EXPECT_NEAR(w.SurfaceHeight(3.05f, 3.02f, 1, kind), 0.5f - 0.2f + 0.2f * 0.95f, 1e-5);
  // Frame 2 raises corner (x, y + 1): triangle 1 (fx < fy, fx + fy >= 1) has kind 3.
  EXPECT_NEAR(w.SurfaceHeight(4.3f, 4.9f, 1, kind), 0.5f + 0.2f * 0.7f, 1e-5);
  EXPECT_EQ(kind, 3);
  // Outside the grid: the caller's own height, kind 0.
  EXPECT_FLOAT_EQ(w.SurfaceHeight(-1, 2, 0.7f, kind), 0.7f);
  EXPECT_EQ(kind, 0);
  EXPECT_FLOAT_EQ(w.SurfaceHeight(2, 10, 0.7f, kind), 0.7f);
}

TEST(WorldQueries, ObjectTopsCountUnderThePointAndNotInTheLastRowOrColumn) {
  WorldFixture f;
  TWorld& w = f.world;
  w.AddScenery(f.blob, 5, 5, 0, 0);  // footprint 4.7 .. 5.3, top 0.5
  int kind = 9;
  EXPECT_NEAR(w.SurfaceHeight(5.1f, 5.1f, 0.3f, kind), 0.51f, 1e-5);
  EXPECT_EQ(kind, 0);
  EXPECT_FLOAT_EQ(w.SurfaceHeight(5.4f, 5.1f, 0.3f, kind), 0);
  EXPECT_FLOAT_EQ(w.SurfaceHeight(5.1f, 5.1f, 0, kind), 0);  // its bottom is not below the caller
  // Surface value: counts only where the width beats what the caller passed.
  int surface = 99;
  w.SurfaceHeight(5.1f, 5.1f, 0.3f, kind, -1, -1, &surface);
  EXPECT_EQ(surface, 100);
  surface = 100;
  EXPECT_FLOAT_EQ(w.SurfaceHeight(5.1f, 5.1f, 0.3f, kind, -1, -1, &surface), 0);

  // An object in the last row lies outside every searched range.
  w.AddScenery(f.blob, 9.5f, 5, 0, 0);
  EXPECT_FLOAT_EQ(w.SurfaceHeight(9.5f, 5, 0.3f, kind), 0);
  int x0, x1, y0, y1;
  w.CellRange(9.5f, 0.5f, x0, x1, y0, y1);
  EXPECT_EQ(x0, 7);
  EXPECT_EQ(x1, 9);
  EXPECT_EQ(y0, 0);
  EXPECT_EQ(y1, 3);
}

TEST(WorldQueries, TouchingAnythingSeesSceneryAndOtherCrittersButNotItself) {
  WorldFixture f;
  TWorld& w = f.world;
  TestCritter* a = f.Add(3, 3);
  TestCritter* b = f.Add(6, 6);
  EXPECT_FALSE(w.TouchingAnything(a->parts[0].get()));
  b->moveTo(3.4f, 3.2f, 0);
  EXPECT_TRUE(w.TouchingAnything(a->parts[0].get()));
  b->hideParts();
  EXPECT_TRUE(w.TouchingAnything(a->parts[0].get()));  // hidden during the tick still collides
  b->parts[0]->draw(w.view.target(), nullptr);  // the draw makes it fully hidden
  EXPECT_FALSE(w.TouchingAnything(a->parts[0].get()));
  w.AddScenery(f.blob, 2.6f, 3, 0, 0);
  EXPECT_TRUE(w.TouchingAnything(a->parts[0].get()));
}

TEST(WorldQueries, CellChainsFollowMovesAndLeaveTheGrid) {
  WorldFixture f;
  TWorld& w = f.world;
  TestCritter* a = f.Add(3.5f, 3.5f);
  TSprite* s = a->parts[0].get();
  EXPECT_EQ(w.CellAt(3, 3)->head, s);
  a->moveTo(3.9f, 3.1f, 0);
  EXPECT_EQ(w.CellAt(3, 3)->head, s);
  a->moveTo(4.2f, 3.1f, 0);
  EXPECT_EQ(w.CellAt(3, 3)->head, nullptr);
  EXPECT_EQ(w.CellAt(4, 3)->tail, s);
  a->moveTo(-0.5f, 3, 0);
  EXPECT_EQ(w.CellAt(4, 3)->head, nullptr);
  EXPECT_EQ(s->cellX, -1);
  a->moveTo(1.5f, 1.5f, 0);
  EXPECT_EQ(w.CellAt(1, 1)->head, s);
  EXPECT_EQ(w.CellAt(10, 1), nullptr);
  a->removeParts();
  EXPECT_EQ(w.CellAt(1, 1)->head, nullptr);
  EXPECT_TRUE(w.sprites.empty());
}

TEST(WorldScent, AStraightTrailStaysOneSegmentAndATurnStartsANewOne) {
  WorldFixture f;
  TWorld& w = f.world;
  int seg = w.LayScent(0, -1, 2, 2);
  EXPECT_EQ(seg, 0);
  EXPECT_EQ(w.LayScent(0, seg, 2.5f, 2), 0);
  EXPECT_EQ(w.LayScent(0, seg, 3, 2), 0);
  EXPECT_FLOAT_EQ(w.scents[0].x1, 2);
  EXPECT_FLOAT_EQ(w.scents[0].x2, 3);
  int turned = w.LayScent(6, seg, 3, 2.5f);
  EXPECT_EQ(turned, 1);
  EXPECT_FLOAT_EQ(w.scents[1].x1, 3);
  EXPECT_FLOAT_EQ(w.scents[1].y1, 2);
  EXPECT_TRUE(w.scents[0].active);
  EXPECT_EQ(w.scentUsed, 2);
  // A fresh segment that never grew is freed by the next turn and its entry reused.
  int fresh = w.LayScent(3, -1, 7, 7);
  EXPECT_EQ(fresh, 2);
  int after = w.LayScent(9, fresh, 7, 7);
  EXPECT_EQ(after, 2);
  EXPECT_EQ(w.scents[2].direction, 9);
  EXPECT_TRUE(w.scents[2].active);
  EXPECT_EQ(w.scents.size(), 200u);
}

TEST(WorldScent, SensingATrailPeaksOnTheSideItLies) {
  WorldFixture f;
  TWorld& w = f.world;
  int seg = w.LayScent(6, -1, 5.5f, 3);
  w.LayScent(6, seg, 5.5f, 7);  // a trail along +y, half a unit to +x of the critter
  float out[8];
  w.SenseScent(0, out, 5, 5);  // heading +x: the trail crosses ahead, at sectors 2 and 22
  float best = 0;
  for (float o : out) best = std::max(best, o);
  EXPECT_GT(best, 50);
  EXPECT_LT(best, 100);
  float far[8];
  w.SenseScent(0, far, 2, 5);
  for (float o : far) EXPECT_FLOAT_EQ(o, 0);
  w.scents[0].active = false;
  w.SenseScent(0, out, 5, 5);
  for (float o : out) EXPECT_FLOAT_EQ(o, 0);
}

}  // namespace
