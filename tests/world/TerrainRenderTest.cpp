// What the terrain shows: water below height 0, a sand shore just above it, and the ground
// a world chooses by the name of its tile picture; carried bodies drawn above the ground.
#include <gtest/gtest.h>

#include <filesystem>

#include "bodies/PaletteFile.h"
#include "world/WorldFixtures.h"

namespace {

Palette ShippedPalette() {
  auto p = LoadPalette(std::string(QUORBIT_TEST_DATA_DIR) + "/quorbit.pal");
  EXPECT_TRUE(p);
  return p.value_or(Palette{});
}

bool Watery(Rgb c) { return c.b > c.g && c.g > c.r; }
bool Sandy(Rgb c) { return c.r > 100 && c.g > 80 && c.b < c.g && c.b < c.r; }
bool Earthy(Rgb c) { return c.r < 120 && c.r > c.g && c.g > c.b; }
bool Green(Rgb c) { return c.r == 0 && c.b == 0; }

// A 10 x 10 map of flat tiles: a pond (x 0..2, height -0.2), its shore (x 3, height 0.03),
// dry ground beyond (0.2), and one low dry tile far from the water, (8, 8) at 0.03.
struct PondWorld {
  explicit PondWorld(const std::string& ground = "grass") : world(fake.host(), WorldPorts{}, ShippedPalette()) {
    auto tiles = FlatGrass();
    tiles->name = ground;
    world.AddPicture(std::move(tiles));
    world.CreateMap(10, 10);
    for (int x = 0; x < 10; ++x)
      for (int y = 0; y < 10; ++y) world.SetTile(x, y, 0, x <= 2 ? -0.2f : x == 3 ? 0.03f : 0.2f);
    world.SetTile(8, 8, 0, 0.03f);
    world.FinishMap();
    world.SetClientSize(640, 480);
    world.LookAt(5, 5, 0);
  }
  // How many of the tile's 256 shades pass the test.
  template <class Test>
  int Shades(int x, int y, Test test) {
    uint8_t m[256];
    world.BuildShadeMap(x, y, m);
    int n = 0;
    for (uint8_t v : m) n += test(world.palette[v]);
    return n;
  }
  Rgb PixelAt(float x, float y, float z) {
    int sx, sy;
    world.Project(x, y, z, sx, sy);
    return world.palette[world.view.image.at(sx, sy)];
  }
  FakeHost fake;
  TWorld world;
};

TEST(TerrainRender, WaterBelowZeroSandOnItsShoreAndTheGroundAbove) {
  PondWorld w;
  uint8_t matter[256];
  float height[256];
  w.world.TileMatter(1, 5, matter, height);
  EXPECT_EQ(std::count(matter, matter + 256, TWorld::MatterWater), 256);
  w.world.TileMatter(3, 5, matter, height);
  EXPECT_EQ(std::count(matter, matter + 256, TWorld::MatterShore), 256);
  w.world.TileMatter(8, 8, matter, height);  // as low, but no water near: ground
  EXPECT_EQ(std::count(matter, matter + 256, TWorld::MatterGround), 256);

  EXPECT_EQ(w.Shades(1, 5, Watery), 256);
  EXPECT_EQ(w.Shades(3, 5, Sandy), 256);
  EXPECT_EQ(w.Shades(6, 5, Green), 256);
  EXPECT_EQ(w.Shades(8, 8, Green), 256);
  // Deep water is darker than shallow water.
  PondWorld deep;
  for (int y = 0; y < 10; ++y) deep.world.SetTile(1, y, 0, -0.6f);
  deep.world.FinishMap();
  auto blue = [](PondWorld& p) {
    uint8_t m[256];
    p.world.BuildShadeMap(1, 5, m);
    int s = 0;
    for (uint8_t v : m) s += p.world.palette[v].b;
    return s;
  };
  EXPECT_LT(blue(deep), blue(w) - 256 * 10);

  // And the drawn view shows them where the tiles lie.
  w.world.FullRedraw();
  EXPECT_TRUE(Watery(w.PixelAt(1.5f, 5.5f, -0.2f)));
  EXPECT_TRUE(Sandy(w.PixelAt(3.5f, 5.5f, 0.03f)));
  EXPECT_TRUE(Green(w.PixelAt(6.5f, 5.5f, 0.2f)));
}

TEST(TerrainRender, GroundIsChosenByTheTilePictureName) {
  EXPECT_EQ(GroundForPicture("grass"), TGround::Grass);
  EXPECT_EQ(GroundForPicture("earth"), TGround::Earth);
  EXPECT_EQ(GroundForPicture("Earth2"), TGround::Earth);
  EXPECT_EQ(GroundForPicture("sand"), TGround::Sand);
  EXPECT_EQ(GroundForPicture("sa"), TGround::Grass);
  EXPECT_EQ(GroundForPicture("stone"), TGround::Grass);
  EXPECT_EQ(GroundForPicture(""), TGround::Grass);
  for (TGround g : {TGround::Grass, TGround::Earth, TGround::Sand}) EXPECT_EQ(GroundForPicture(GroundPictureName(g)), g);

  PondWorld earth("earth"), sand("sand");
  EXPECT_EQ(earth.world.Ground(), TGround::Earth);
  EXPECT_EQ(earth.Shades(6, 5, Earthy), 256);
  EXPECT_EQ(sand.Shades(6, 5, Sandy), 256);
  // Water and shore look the same whatever the ground.
  EXPECT_EQ(earth.Shades(1, 5, Watery), 256);
  EXPECT_EQ(earth.Shades(3, 5, Sandy), 256);

  // Choosing another ground loads its tile picture in place of picture 0.
  struct InDataFolder {
    InDataFolder() : old(std::filesystem::current_path()) { std::filesystem::current_path(QUORBIT_TEST_DATA_DIR); }
    ~InDataFolder() { std::filesystem::current_path(old); }
    std::filesystem::path old;
  } here;
  PondWorld chosen;
  TPic* tiles = chosen.world.Picture(0);
  EXPECT_FALSE(chosen.world.SetGround(TGround::Grass));
  ASSERT_TRUE(chosen.world.SetGround(TGround::Earth));
  EXPECT_EQ(chosen.world.Picture(0), tiles);
  EXPECT_EQ(tiles->name, "earth");
  EXPECT_EQ(tiles->count(), 16);
  EXPECT_TRUE(chosen.world.fullRedrawFlag);
  EXPECT_EQ(chosen.Shades(6, 5, Earthy), 256);
}

TEST(TerrainRender, DryGrassDrawsAsBeforeAndNewHeightsAreShadedAfresh) {
  // The grass ramp is the old rule: the nearest pure green and its green error.
  PondWorld w;
  const TShadeTable grass = BuildShadeTable(w.world.palette, TRamp::Grass);
  EXPECT_TRUE(std::equal(grass.index, grass.index + 256, w.world.grassIndex));
  EXPECT_TRUE(std::equal(grass.error, grass.error + 256, w.world.grassError));
  // A world without water draws nothing from the other tables.
  PondWorld dry, scrambled;
  for (PondWorld* p : {&dry, &scrambled}) {
    for (int x = 0; x < 10; ++x)
      for (int y = 0; y < 10; ++y) p->world.SetTile(x, y, (x * 3 + y) % 5 == 0 ? 9 : 0, 0.3f + 0.1f * ((x + y) % 3));
    p->world.FinishMap();
  }
  for (TShadeTable* t : {&scrambled.world.earthShade, &scrambled.world.sandShade, &scrambled.world.waterShade})
    for (int i = 0; i < 256; ++i) t->index[i] = static_cast<uint8_t>(i), t->error[i] = 0;
  dry.world.DrawTerrain();
  scrambled.world.DrawTerrain();
  EXPECT_EQ(dry.world.view.image.pixels(), scrambled.world.view.image.pixels());
  // The same flat slopes lowered under water: the kept shade maps must not be reused.
  for (int x = 0; x < 10; ++x)
    for (int y = 0; y < 10; ++y) dry.world.SetTile(x, y, 0, 0.2f);
  dry.world.FinishMap();
  dry.world.DrawTerrain();
  for (int x = 0; x < 10; ++x)
    for (int y = 0; y < 10; ++y) dry.world.SetTile(x, y, 0, -0.2f);
  dry.world.FinishMap();
  dry.world.DrawTerrain();
  EXPECT_TRUE(Watery(dry.PixelAt(5.5f, 5.5f, -0.2f)));
}

// A spider holds its prey lower than the ground it walks on; drawn there the prey would
// vanish under the floor.
TEST(TerrainRender, CarriedBodiesAreDrawnAboveTheGround) {
  // Drawn by a full redraw, or by a tick, which draws only what moved.
  auto inkCount = [](bool carried, bool byTick) {
    WorldFixture f;
    for (int x = 0; x < 10; ++x)
      for (int y = 0; y < 10; ++y) f.world.SetTile(x, y, 0, 0.1f);
    f.world.FinishMap();
    const int box = f.world.AddPicture(SquarePic("box", 10, 0.1f, 3, 200));
    TCritter* carrier = f.Add(3, 3, 0.4f);
    auto* held = static_cast<TestCritter*>(
        f.world.AddCritter(std::make_unique<TestCritter>(&f.world, box, 5, 5, -0.6f)));
    if (carried) held->carrier = carrier;
    f.world.FullRedraw();
    if (byTick) {
      for (uint8_t& v : f.world.view.image.pixels()) v = 0;
      held->x += 0.5f;
      f.world.Step(0, true, false);
    }
    int n = 0;
    for (uint8_t v : f.world.view.image.pixels()) n += v == 3;
    float x, y, z;
    held->getPosition(x, y, z);
    EXPECT_FLOAT_EQ(z, -0.6f);  // the body itself stays where it is held
    return n;
  };
  for (bool byTick : {false, true}) {
    EXPECT_EQ(inkCount(false, byTick), 0) << byTick;
    EXPECT_EQ(inkCount(true, byTick), 100) << byTick;
  }
}

}  // namespace
