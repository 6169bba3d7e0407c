#include <gtest/gtest.h>

#include <cmath>

#include "bodies/PaletteFile.h"
#include "platform/BmpFile.h"
#include "platform/Files.h"
#include "platform/WaveFile.h"

namespace {
std::string Data(const std::string& name) { return std::string(QUORBIT_TEST_DATA_DIR) + "/" + NativePath(name); }
}  // namespace

TEST(GeneratedContent, PaletteIsRichInGreensForTheGrass) {
  auto palette = LoadPalette(Data("quorbit.pal"));
  ASSERT_TRUE(palette);
  int worst = 0;
  for (int g = 0; g < 256; ++g) {
    int i = NearestColour(*palette, {0, uint8_t(g), 0});
    worst = std::max(worst, std::abs(g - (*palette)[i].g));
    EXPECT_EQ((*palette)[i].r, 0);
    EXPECT_EQ((*palette)[i].b, 0);
  }
  EXPECT_LE(worst, 3);
  EXPECT_EQ((*palette)[0], (Rgb{0, 0, 0}));  // shadows paint entry 0
}

TEST(GeneratedContent, ShellSoundsArePlayableAndShort) {
  for (const char* name : {"wavs\\switchon.wav", "wavs\\switchoff.wav", "wavs\\tick.wav", "wavs\\bell.wav"}) {
    auto bytes = ReadFileBytes(Data(name));
    ASSERT_TRUE(bytes) << name;
    WaveInfo info;
    EXPECT_TRUE(ParseWave(*bytes, info)) << name;
    EXPECT_LT(bytes->size() / 22, 1500u) << name;  // milliseconds
  }
}

TEST(GeneratedContent, DialSheetHasTwentyFourFramesFullAtTwentyTwoEmptyAtZero) {
  auto sheet = LoadBmp(Data("pics\\main\\timerall.bmp"));
  ASSERT_TRUE(sheet);
  EXPECT_EQ(sheet->width(), 128);
  EXPECT_EQ(sheet->height(), 210);
  auto redPixels = [&](int f) {
    int n = 0;
    for (int y = 0; y < 35; ++y)
      for (int x = 0; x < 32; ++x) {
        Rgb c = sheet->palette[sheet->at(32 * (f % 4) + x, 35 * (f / 4) + y)];
        n += c.r > 150 && c.g < 100;
      }
    return n;
  };
  EXPECT_EQ(redPixels(0), 0);
  EXPECT_GT(redPixels(22), 300);
  EXPECT_GT(redPixels(11), redPixels(5));
  EXPECT_GT(redPixels(22), redPixels(11));
}
