#include <gtest/gtest.h>

#include <filesystem>

#include "bodies/PaletteFile.h"
#include "bodies/Pic.h"
#include "platform/Files.h"
#include "platform/PngFile.h"
#include "world/World.h"

namespace {

// Loads picture sets the way the program does: relative to the data folder.
struct InDataFolder {
  InDataFolder() : old(std::filesystem::current_path()) { std::filesystem::current_path(QUORBIT_TEST_DATA_DIR); }
  ~InDataFolder() { std::filesystem::current_path(old); }
  std::filesystem::path old;
};

TEST(WorldPictures, GeneratedSetsLoadWithTheirFramesBoundariesAndShadows) {
  InDataFolder here;
  struct Want {
    const char* name;
    int frames;
    int boundary;
    bool shadows;
  };
  for (Want w : {Want{"grass", 16, NoBoundary, false}, Want{"arrow", 12, NoBoundary, false},
                 Want{"stone", 4, CircleBoundary, true}, Want{"twig", 8, PolygonBoundary, true},
                 Want{"branch", 4, PolygonBoundary, true}, Want{"plant", 3, CircleBoundary, true}}) {
    TPic pic;
    ASSERT_TRUE(pic.load(w.name)) << pic.errorText;
    EXPECT_EQ(pic.count(), w.frames) << w.name;
    for (const TPicFrame& f : pic.frames) {
      EXPECT_FALSE(f.rows.empty()) << w.name;
      EXPECT_EQ(f.boundary.kind, w.boundary) << w.name;
      EXPECT_EQ(!f.shadow.empty(), w.shadows) << w.name;
    }
  }
}

TEST(WorldPictures, FlatGrassTilesLeaveNoGapsAndTwoRedrawsMatch) {
  InDataFolder here;
  auto palette = LoadPalette("quorbit.pal");
  ASSERT_TRUE(palette);
  TWorld world(Host{}, WorldPorts{}, *palette);
  world.AddPicture("grass");
  world.CreateMap(6, 6);
  // A bump: the map corner (3, 3) raised one step, so the four tiles around it slope.
  world.SetTile(2, 2, 4, 0);
  world.SetTile(2, 3, 8, 0);
  world.SetTile(3, 2, 2, 0);
  world.SetTile(3, 3, 1, 0.2f);
  world.FinishMap();
  world.SetClientSize(520, 320);
  world.LookAt(3, 3, 0);
  world.FullRedraw();
  auto first = world.view.image.pixels();
  // Inside the map's outline (away from its rim) only grass greens are drawn.
  int holes = 0;
  for (double fx = 0.3; fx < 5.7; fx += 0.05)
    for (double fy = 0.3; fy < 5.7; fy += 0.05) {
      int sx, sy, kind;
      float z = world.GroundHeight(static_cast<float>(fx), static_cast<float>(fy), kind);
      world.Project(static_cast<float>(fx), static_cast<float>(fy), z, sx, sy);
      const Rgb c = world.palette[world.view.image.at(sx, sy)];
      holes += c.r != 0 || c.b != 0;
    }
  EXPECT_EQ(holes, 0);
  world.FullRedraw();
  EXPECT_EQ(world.view.image.pixels(), first);
}

TEST(PngFile, ChecksumsAndChunkLayout) {
  const uint8_t iend[] = {'I', 'E', 'N', 'D'};
  EXPECT_EQ(Crc32(iend, 4), 0xAE426082u);
  const char* wiki = "Wikipedia";
  EXPECT_EQ(Adler32(reinterpret_cast<const uint8_t*>(wiki), 9), 0x11E60398u);
  IndexedImage image(300, 300, 5);  // 90300 raw bytes: two stored blocks
  image.set(1, 1, 7);
  auto png = EncodePng(image);
  ASSERT_GT(png.size(), 90300u);
  EXPECT_EQ(png[1], 'P');
  EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
  EXPECT_EQ(png[8 + 8 + 8 + 1], 3);  // colour type: palette
  EXPECT_EQ(std::string(png.end() - 8, png.end() - 4), "IEND");
  // The IDAT chunk's CRC covers its type and body.
  size_t idat = 8 + 25 + 12 + 768;
  EXPECT_EQ(std::string(png.begin() + static_cast<long>(idat) + 4, png.begin() + static_cast<long>(idat) + 8), "IDAT");
  uint32_t len = (png[idat] << 24) | (png[idat + 1] << 16) | (png[idat + 2] << 8) | png[idat + 3];
  const uint8_t* crcAt = png.data() + idat + 8 + len;
  uint32_t stored = (crcAt[0] << 24) | (crcAt[1] << 16) | (crcAt[2] << 8) | crcAt[3];
  EXPECT_EQ(stored, Crc32(png.data() + idat + 4, len + 4));
  EXPECT_EQ(png[idat + 8 + 2], 0);  // first stored block is not the last
}

}  // namespace
