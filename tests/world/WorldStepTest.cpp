#include <gtest/gtest.h>

#include "platform/WaveFile.h"
#include "world/WorldFixtures.h"

namespace {

struct FakeMovies : IWorldMovies {
  bool HoldsWorld() override { return phase || pause != 0; }
  bool Step() override {
    if (!HoldsWorld()) return false;
    ++advanced;
    if (pause > 0) --pause;
    return true;
  }
  bool Reset() override {
    bool was = HoldsWorld();
    phase = false;
    pause = 0;
    return was;
  }
  bool WaitsForStart() override { return pause == -1; }
  void Queue(int, const std::string&) override { phase = true; }
  bool phase = false;
  int pause = 0, advanced = 0;
};

TEST(DirtyRects, MergeFoldsOverlapsGreedilyAndKeepsDisjointOnes) {
  std::vector<TRect> r = {{0, 0, 10, 10}, {2, 2, 12, 12}, {100, 100, 110, 110}, {8, 0, 14, 6}, {0, 0, 0, 5}};
  MergeDirtyRects(r);
  EXPECT_EQ(r[0], (TRect{0, 0, 14, 12}));
  EXPECT_EQ(r[1].area(), 0);
  EXPECT_EQ(r[2], (TRect{100, 100, 110, 110}));
  EXPECT_EQ(r[3].area(), 0);  // inside the grown first rectangle
  // Half-overlapping squares: the union's box is larger than the two apart.
  std::vector<TRect> h = {{0, 0, 10, 10}, {5, 5, 15, 15}};
  MergeDirtyRects(h);
  EXPECT_EQ(h[1], (TRect{5, 5, 15, 15}));
  // Two touching rectangles are not merged: the union is no smaller than both.
  std::vector<TRect> t = {{0, 0, 10, 10}, {10, 0, 20, 10}};
  MergeDirtyRects(t);
  EXPECT_EQ(t[1], (TRect{10, 0, 20, 10}));
}

TEST(WorldStep, EachTouchingPairIsReportedOnceToBothCritters) {
  WorldFixture f;
  TestCritter* a = f.Add(3, 3);
  TestCritter* b = f.Add(3.3f, 3.1f);
  TestCritter* c = f.Add(7, 7);
  f.world.AddScenery(f.blob, 7.4f, 7, 0, 0);
  f.world.Step(0, false, false);  // the first pass draws everything and simulates too
  EXPECT_EQ(a->metCritters, std::vector<int>{1});
  EXPECT_EQ(b->metCritters, std::vector<int>{0});
  EXPECT_TRUE(c->metCritters.empty());
  EXPECT_EQ(c->things, 1);
  EXPECT_EQ(a->steps, 1);
  // Every live critter senses every other live one.
  EXPECT_EQ(a->sensed, (std::vector<int>{1, 2}));
  c->dead = true;
  a->sensed.clear();
  c->sensed.clear();
  f.world.Step(2, false, false);
  EXPECT_EQ(a->sensed, std::vector<int>{1});
  EXPECT_TRUE(c->sensed.empty());
}

TEST(WorldStep, MovingSpritesRedrawOnlyWhatChangedAndRestoreTheGround) {
  WorldFixture f;
  TestCritter* a = f.Add(5, 5);
  f.world.Step(0, true, false);
  ASSERT_EQ(f.screen.copied.size(), 1u);
  EXPECT_EQ(f.screen.copied[0], (TRect{0, 0, 320, 240}));
  const IndexedImage before = f.world.view.image;
  f.screen.copied.clear();
  f.world.Step(1, true, false);  // not running critters: erased and drawn in place
  EXPECT_EQ(f.world.view.image.pixels(), before.pixels());
  ASSERT_EQ(f.screen.copied.size(), 1u);  // erase and draw merged into one
  a->start();
  a->dx = 0.5f;
  f.screen.copied.clear();
  f.world.Step(2, true, false);
  EXPECT_NE(f.world.view.image.pixels(), before.pixels());
  a->dx = -0.5f;
  f.world.Step(3, true, false);
  EXPECT_EQ(f.world.view.image.pixels(), before.pixels());
}

TEST(WorldStep, SpritesOnTheGridEdgeAreErasedButNotDrawn) {
  WorldFixture f;
  TestCritter* a = f.Add(5, 5);
  f.world.Step(0, false, false);
  TRect drawn = a->parts[0]->drawnRect();
  a->moveTo(0, 5, 0);
  f.world.Step(1, false, false);
  EXPECT_FALSE(a->parts[0]->hasDrawnRect());
  ASSERT_FALSE(f.screen.copied.empty());
  EXPECT_EQ(f.screen.copied.back(), drawn);
}

TEST(WorldStep, FollowCameraJumpsNearTheEdgeUnlessTheCritterIsDead) {
  WorldFixture f;
  TestCritter* a = f.Add(5, 5);
  f.world.followCritter = 0;
  a->moveTo(5, 1, 0);  // far to the left of the view's centre
  int sx, sy;
  f.world.Project(5, 1, 0, sx, sy);
  ASSERT_LT(sx, 20);
  a->dead = true;
  f.world.Step(0, false, false);
  int ox = f.world.offsetX;
  f.world.Step(1, false, false);
  EXPECT_EQ(f.world.offsetX, ox);
  a->dead = false;
  f.world.Step(2, false, false);
  f.world.Project(5, 1, 0, sx, sy);
  EXPECT_EQ(sx, 160);
  EXPECT_TRUE(f.world.fullRedrawFlag == false);
}

TEST(WorldStep, MoviesAndPausesHoldTheWorldAndAMinusOnePauseWaitsForStart) {
  WorldFixture f;
  FakeMovies movies;
  f.world.movies = &movies;
  TestCritter* a = f.Add(5, 5);
  f.world.Step(0, false, false);
  EXPECT_EQ(a->steps, 1);
  a->steps = 0;
  movies.phase = true;
  f.world.Step(1, false, false);
  EXPECT_EQ(movies.advanced, 1);
  EXPECT_EQ(a->steps, 0);
  movies.phase = false;
  movies.pause = 2;
  f.world.Step(3, false, false);
  f.world.Step(4, false, false);
  EXPECT_EQ(movies.pause, 0);
  EXPECT_EQ(a->steps, 0);
  movies.pause = -1;
  for (int k = 0; k < 5; ++k) f.world.Step(5 + k, false, false);
  EXPECT_EQ(a->steps, 0);
  f.world.StartWorld();  // resets first
  EXPECT_EQ(movies.pause, 0);
  EXPECT_EQ(a->resets, 1);
  EXPECT_TRUE(a->running);
  EXPECT_TRUE(f.world.fullRedrawFlag);
}

TEST(WorldStep, TriggersFireForLiveCrittersOfTheirTypeInsideTheZone) {
  WorldFixture f;
  TestCritter* target = f.Add(1.5f, 1.5f);
  TestCritter* bug = f.Add(5, 5, 0, 1);
  TTrigger t;
  t.target = 0, t.byType = 1, t.pointX = 6, t.pointY = 6;
  float xs[4] = {4, 6, 6, 4}, ys[4] = {4, 4, 6, 6};
  for (int k = 0; k < 4; ++k) t.cornerX[k] = xs[k], t.cornerY[k] = ys[k];
  t.lowZ = -1, t.highZ = 1;
  t.prepare();
  f.world.triggers.push_back(t);
  f.world.Step(0, false, false);
  EXPECT_EQ(target->fired, 1);
  EXPECT_EQ(target->lastTrigger, &f.world.triggers[0]);
  bug->moveTo(7, 7, 0);
  f.world.Step(2, false, false);
  EXPECT_EQ(target->fired, 1);
  bug->moveTo(5, 5, 0);
  target->dead = true;
  f.world.Step(3, false, false);
  EXPECT_EQ(target->fired, 1);
}

TEST(WorldStep, SoundLevelsBuildALoopingToneAndSilenceStopsIt) {
  WorldFixture f;
  TestCritter* a = f.Add(5, 5);
  f.world.Step(0, true, false);
  a->emits[0] = 128;
  f.world.Step(1, true, false);
  ASSERT_EQ(f.sound.waves.size(), 1u);
  WaveInfo info;
  ASSERT_TRUE(ParseWave(f.sound.waves[0], info));
  EXPECT_EQ(info.sampleRate, 11025);
  EXPECT_EQ(info.dataSize, 60u);
  EXPECT_EQ(f.sound.waves[0].size(), 104u);
  // Sample m: 128 + (round(sin(2 pi m / 60) * 256) * 128 >> 10).
  EXPECT_EQ(f.sound.waves[0][44 + 0], 128);
  EXPECT_EQ(f.sound.waves[0][44 + 15], 128 + 32);
  EXPECT_EQ(f.sound.waves[0][44 + 45], 128 - 32);
  f.world.Step(2, true, false);  // unchanged: nothing new
  EXPECT_EQ(f.sound.waves.size(), 1u);
  a->emits[0] = 0;
  f.world.Step(3, true, false);
  ASSERT_EQ(f.sound.waves.size(), 2u);
  EXPECT_TRUE(f.sound.waves[1].empty());
  a->emits[0] = 50;
  f.world.Step(4, true, false);
  f.world.Step(5, false, false);  // stopped world: the tone stops
  EXPECT_TRUE(f.sound.waves.back().empty());
}

TEST(WorldReset, TwentyPassesThatStillMoveReportTheFailure) {
  WorldFixture f;
  TestCritter* a = f.Add(5, 5);
  a->start();
  f.world.ResetWorld();
  EXPECT_TRUE(f.fake.messages.shown.empty());
  EXPECT_FALSE(a->running);
  a->alwaysMoved = true;
  a->resets = 0;
  f.world.ResetWorld();
  EXPECT_EQ(a->resets, 20);
  ASSERT_EQ(f.fake.messages.shown.size(), 1u);
  EXPECT_EQ(f.fake.messages.shown[0], (ShownMessage{"Couldn't properly reset world", "Reset Error"}));
}

TEST(WorldReset, ScentTrailsRestartAndTheFollowCritterReturns) {
  WorldFixture f;
  f.world.scentDefinitions.push_back({1, 1, 2, 2, 0, 100, true});
  f.world.loadedFollow = 0;
  f.world.scentFade = 30;
  f.world.ResetWorld();
  ASSERT_EQ(f.world.scents.size(), 1u);
  EXPECT_EQ(f.world.followCritter, 0);
  for (int k = 0; k < 4; ++k) f.world.Step(k, true, false);
  EXPECT_FALSE(f.world.scents[0].active);  // 100 - 4 x 30 at or below 0
  f.world.ResetWorld();
  EXPECT_TRUE(f.world.scents[0].active);
  EXPECT_FLOAT_EQ(f.world.scents[0].strength, 100);
}

TEST(WorldClear, ClearingRemovesEverythingTheWorldFileMade) {
  WorldFixture f;
  f.Add(5, 5);
  f.world.AddScenery(f.blob, 3, 3, 0, 0);
  f.world.testCritter = 0;
  f.world.editable = false;
  f.world.ClearWorld();
  EXPECT_TRUE(f.world.critters.empty());
  EXPECT_TRUE(f.world.sprites.empty());
  EXPECT_TRUE(f.world.cells.empty());
  EXPECT_TRUE(f.world.pictures.empty());
  EXPECT_EQ(f.world.testCritter, -1);
  EXPECT_TRUE(f.world.editable);
  f.world.Step(0, true, false);  // an empty world steps safely
}

TEST(WorldView, BitmapSizeIsRoundedAndHasAFloor) {
  EXPECT_EQ(TViewBitmap::WidthFor(317), 320);
  EXPECT_EQ(TViewBitmap::HeightFor(200), 240);
  EXPECT_EQ(TViewBitmap::WidthFor(641), 644);
  WorldFixture f;
  f.world.SetClientSize(317, 200);
  EXPECT_EQ(f.world.view.width(), 320);
  EXPECT_EQ(f.world.view.height(), 240);
  EXPECT_EQ(f.world.view.depth.size(), 320u * 240u);
}

TEST(WorldView, ProjectionAndLookAt) {
  WorldFixture f;
  f.world.SetClientSize(401, 300);
  f.world.LookAt(2, 3, 0.5f);
  int sx, sy;
  f.world.Project(2, 3, 0.5f, sx, sy);
  EXPECT_EQ(sx, 200);
  EXPECT_EQ(sy, 150);
  f.world.Project(3, 3, 0.5f, sx, sy);  // one cell in x: down-left
  EXPECT_EQ(sx, 200 - 42);
  EXPECT_EQ(sy, 150 + 24);
}

TEST(WorldView, TwoRedrawsGiveIdenticalPixelsAndOddTilesAreDarker) {
  WorldFixture f(12);
  f.world.FullRedraw();
  auto first = f.world.view.image.pixels();
  f.world.FullRedraw();
  EXPECT_EQ(f.world.view.image.pixels(), first);
  // Flat ground: the shade maps of an even and an odd tile differ by the checker only.
  auto mean = [&](int x, int y) {
    uint8_t m[256];
    f.world.BuildShadeMap(x, y, m);
    double s = 0;
    for (uint8_t v : m) s += f.world.palette[v].g;
    return s / 256;
  };
  double even = mean(4, 4), oddX = mean(5, 4), oddY = mean(4, 5), both = mean(5, 5);
  EXPECT_NEAR(even - oddX, 10, 1.5);
  EXPECT_NEAR(even - oddY, 5, 1.5);
  EXPECT_NEAR(even - both, 15, 1.5);
  // Flat light level: floor((0.63 - 0.2) x 400 + 0.5) = 172.
  EXPECT_NEAR(even, 172, 1.5);
}

// Tiles out of view get no shade map, yet the ones in view must dither exactly as when
// every tile of the map had one in turn (a map much larger than the view, seen off-centre).
TEST(WorldView, TerrainInViewDithersAsIfEveryTileWereShaded) {
  WorldFixture drawn(40), reference(40);
  for (WorldFixture* f : {&drawn, &reference}) {
    for (int x = 0; x < 40; ++x)
      for (int y = 0; y < 40; ++y) f->world.SetTile(x, y, (x * 7 + y * 3) % 5 == 0 ? 9 : 0, 0);
    f->world.FinishMap();
    f->world.LookAt(12, 27, 0);
  }
  drawn.world.DrawTerrain();
  TWorld& w = reference.world;
  const TDrawTarget target = w.view.target();
  for (int row = 0; row < w.view.height(); ++row)
    std::fill_n(w.view.depth.begin() + static_cast<ptrdiff_t>(row) * w.view.width(), w.view.width(),
                static_cast<int16_t>(std::min(row + 128, 32767)));
  w.view.image.fill(w.backgroundColour);
  uint8_t shade[256];
  for (int x = 0; x < 40; ++x)
    for (int y = 0; y < 40; ++y) {
      w.BuildShadeMap(x, y, shade);
      w.cells[static_cast<size_t>(x) * 40 + y].tile->drawStill(target, shade);
    }
  EXPECT_EQ(drawn.world.view.image.pixels(), w.view.image.pixels());
  // The view shows a part of the map only, so tiles were indeed skipped.
  int inView = 0;
  for (int x = 0; x < 40; ++x)
    for (int y = 0; y < 40; ++y) {
      int sx, sy;
      w.Project(static_cast<float>(x), static_cast<float>(y), 0, sx, sy);
      inView += sx > -100 && sx < w.view.width() + 100 && sy > -100 && sy < w.view.height() + 100;
    }
  EXPECT_LT(inView, 40 * 40 / 4);
}

TEST(WorldView, CellNormalsLeanWithTheSlopesAroundThem) {
  WorldFixture f(6);
  TWorld& w = f.world;
  for (int x = 0; x < 6; ++x)
    for (int y = 0; y < 6; ++y) w.SetTile(x, y, 0, 0);
  w.SetTile(2, 2, 9, 0);  // a slope tile changes the normals around it
  w.FinishMap();
  EXPECT_GT(w.normals[2 * 6 + 2].y, 0);
  EXPECT_NEAR(w.normals[0].z, w.normals[1 * 6 + 1].z, 1e-9);  // edges copy their neighbours
}

TEST(WorldView, DoubleClickFollowsTheCritterUnderThePointer) {
  WorldFixture f;
  TestCritter* a = f.Add(5, 5);
  f.world.Step(0, false, false);
  const TRect r = a->parts[0]->drawnRect();
  EXPECT_FALSE(f.world.FollowCritterAt(r.left - 5, r.top - 5));
  EXPECT_TRUE(f.world.FollowCritterAt(r.left + 1, r.top + 1));
  EXPECT_EQ(f.world.followCritter, 0);
  EXPECT_EQ(f.world.arrowCountdown, 40);
  EXPECT_FALSE(f.world.FollowCritterAt(r.left + 1, r.top + 1));  // not while the arrow shows
  for (int k = 0; k < 40; ++k) f.world.Step(k + 1, false, false);
  EXPECT_EQ(f.world.arrowCountdown, 0);
  f.world.PanBy(10, 0);
  EXPECT_EQ(f.world.followCritter, -1);
}

}  // namespace
