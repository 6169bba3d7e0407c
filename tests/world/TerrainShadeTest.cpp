// The terrain redraw shades only the tiles on the view and keeps their shade maps; the
// pixels must be those of shading every cell in turn from the dither's seed.
#include <gtest/gtest.h>

#include "world/WorldFixtures.h"

namespace {

// Slopes and heights, so that every tile's normals and shade differ.
void Hills(TWorld& w, int size, int bump) {
  for (int x = 0; x < size; ++x)
    for (int y = 0; y < size; ++y) w.SetTile(x, y, (x * 3 + y + bump) % 5 == 0 ? 9 : 0, 0.1f * ((x + y + bump) % 4));
  w.FinishMap();
}

// The terrain drawn the plain way on a world that has not drawn yet: every cell's shade
// map in turn, the tiles and objects of each cell after it.
std::vector<uint8_t> PlainTerrain(WorldFixture& f) {
  TWorld& w = f.world;
  const int width = w.view.width();
  for (int row = 0; row < w.view.height(); ++row)
    std::fill_n(w.view.depth.begin() + static_cast<ptrdiff_t>(row) * width, width, static_cast<int16_t>(row + 128));
  w.view.image.fill(w.backgroundColour);
  TDrawTarget target = w.view.target();
  uint8_t shade[256];
  for (int x = 0; x < w.X; ++x)
    for (int y = 0; y < w.Y; ++y) {
      TMapCell& cell = w.cells[static_cast<size_t>(x) * w.Y + y];
      w.BuildShadeMap(x, y, shade);
      if (cell.tile) cell.tile->drawStill(target, shade);
      for (TStaticPic* p = cell.head; p; p = p->nextInCell)
        if (!p->asSprite()) p->drawStill(target);
    }
  return w.view.image.pixels();
}

struct HillWorld : WorldFixture {
  HillWorld(int bump, float lookX, float lookY) : WorldFixture(14) {
    Hills(world, 14, bump);
    world.AddScenery(blob, 6.5f, 7.5f, 0.2f, 0);
    world.LookAt(lookX, lookY, 0);
  }
};

TEST(TerrainShade, RedrawMatchesShadingEveryCellInTurnWhereverTheCameraLooks) {
  HillWorld drawn(0, 7, 7);
  for (auto [lx, ly] : {std::pair{7.0f, 7.0f}, {2.0f, 11.5f}, {12.5f, 1.0f}, {7.0f, 7.0f}}) {
    HillWorld plain(0, lx, ly);
    drawn.world.LookAt(lx, ly, 0);
    drawn.world.DrawTerrain();
    EXPECT_EQ(drawn.world.view.image.pixels(), PlainTerrain(plain)) << lx << "," << ly;
  }
  // The dither ends where shading every cell leaves it: the next map asked for agrees.
  HillWorld plain(0, 7, 7);
  PlainTerrain(plain);
  uint8_t a[256], b[256];
  drawn.world.BuildShadeMap(3, 4, a);
  plain.world.BuildShadeMap(3, 4, b);
  EXPECT_TRUE(std::equal(a, a + 256, b));
}

TEST(TerrainShade, NewSlopesOrAnotherPaletteAreShadedAfresh) {
  HillWorld drawn(0, 7, 7);
  drawn.world.DrawTerrain();
  const auto before = drawn.world.view.image.pixels();
  Hills(drawn.world, 14, 1);
  drawn.world.DrawTerrain();
  HillWorld plain(1, 7, 7);
  EXPECT_EQ(drawn.world.view.image.pixels(), PlainTerrain(plain));
  EXPECT_NE(drawn.world.view.image.pixels(), before);
  // Grass tables changed in place: the kept maps no longer apply.
  for (int i = 0; i < 256; ++i) drawn.world.grassIndex[i] = static_cast<uint8_t>(255 - drawn.world.grassIndex[i]);
  drawn.world.DrawTerrain();
  HillWorld inverted(1, 7, 7);
  for (int i = 0; i < 256; ++i) inverted.world.grassIndex[i] = static_cast<uint8_t>(255 - inverted.world.grassIndex[i]);
  EXPECT_EQ(drawn.world.view.image.pixels(), PlainTerrain(inverted));
}

}  // namespace
