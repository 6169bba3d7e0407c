#include <gtest/gtest.h>

#include <set>

#include "platform/Files.h"
#include "platform/IndexedImage.h"
#include "platform/WaveFile.h"
#include "world/MovieFile.h"

namespace {
const char* const VerdictMovies[] = {"ouch", "keyfile", "clock", "tosoon", "fail", "bell",
                                     "bspill", "grave", "wwin", "antwin", "bugwave"};
}  // namespace

TEST(MovieContent, VerdictMoviesAreShortAnimatedAndFitTheBand) {
  std::set<int> kinds;
  for (const char* name : VerdictMovies) {
    auto bytes = ReadFileBytes(std::string(QUORBIT_TEST_DATA_DIR) + "/" + NativePath(std::string("movie\\") + name + ".mvi"));
    ASSERT_TRUE(bytes) << name;
    EXPECT_LT(bytes->size(), 120u * 1024) << name;
    MovieData movie = ParseMovie(*bytes);
    ASSERT_GE(movie.frameCount, 11) << name;
    EXPECT_LE(movie.height, 160) << name;  // the band between title and message
    // Played as the player does: frames 1 to n-1, each for its delay.
    IndexedImage view(640, 400, 0);
    std::vector<uint8_t> work, scratch;
    std::set<std::vector<uint8_t>> pictures;
    int milliseconds = 0, sounds = 0;
    for (int f = 1; f < movie.frameCount; ++f) {
      const MovieFrame& frame = movie.frames[f];
      EXPECT_FALSE(DrawMovieFrame(movie, frame, view, work, scratch).empty() && frame.width > 0) << name << " " << f;
      milliseconds += frame.delay;
      kinds.insert(frame.kind);
      WaveInfo info;
      if (!frame.wave.empty()) sounds += ParseWave(frame.wave, info);
      pictures.insert(view.pixels());
    }
    EXPECT_TRUE(movie.frames[1].kind != FrameRunLengthXor && movie.frames[1].kind != FrameTableXor) << name;
    EXPECT_TRUE(movie.frames[1].wave.empty()) << name;  // frame 1 repeats at every fade-in step
    EXPECT_GE(milliseconds, 1000) << name;
    EXPECT_LE(milliseconds, 3000) << name;
    EXPECT_GE(pictures.size(), 8u) << name;
    EXPECT_EQ(sounds, 1) << name;
  }
  EXPECT_GE(kinds.size(), 4u);
}
