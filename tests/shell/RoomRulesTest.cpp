#include <gtest/gtest.h>

#include "shell/NewWorldCheck.h"
#include "shell/SignRules.h"
#include "shell/WindowPlacement.h"

TEST(SignRules, OnlyTheLabAndTheManualBeforeTheLadyBugWorldOpens) {
  auto at = [](int highlight) {
    return std::pair{SignHighlightLeft[highlight] + 2, SignHighlightTop[highlight] + 2};
  };
  for (int h = 0; h < SignHighlights; ++h) {
    auto [x, y] = at(h);
    EXPECT_EQ(SignHighlightAt(x, y, 199), (h == LabOn || h == HelpOn) ? h : -1) << h;
    EXPECT_EQ(SignHighlightAt(x, y, 700), h) << h;
  }
  EXPECT_EQ(SignHighlightAt(SignHighlightLeft[LabOn], SignHighlightTop[LabOn] + 5, 100), -1);  // edges are outside
  EXPECT_TRUE(SignHighlightAllowed(WorkOn, 300));
  EXPECT_FALSE(SignHighlightAllowed(WormOn, 499));
}

TEST(WindowPlacement, CentresOnWideScreensAndStacksOnSmallOnes) {
  WindowPlacement wide = PlaceWindows(1024, 768, 306, 428, 377, 327, 300);
  EXPECT_EQ(wide.mainLeft, 206);
  EXPECT_EQ(wide.mainTop, 170);
  EXPECT_EQ(wide.brainLeft, 517);
  EXPECT_EQ(wide.worldTop, 170 + 428 - 300);
  EXPECT_EQ(wide.worldLeft, 206 + 306 + (377 - 327) / 2 + 5);
  WindowPlacement small = PlaceWindows(640, 480, 306, 428, 377, 327, 300);
  EXPECT_EQ(small.mainLeft, 0);
  EXPECT_EQ(small.worldLeft, 311);
}

TEST(NewWorldCheck, RefusesInOrderAndReadsSizes) {
  std::vector<std::string> files{"garden.wld", "Maze.wld"};
  EXPECT_EQ(CheckNewWorld("", "20", "20", files), "Please enter a Name for the world");
  EXPECT_EQ(CheckNewWorld("garden", "5", "5", files), "A world with that name already exists\nPlease enter a different name");
  EXPECT_EQ(CheckNewWorld("maze", "20", "20", files), "");  // names compare with case
  EXPECT_EQ(CheckNewWorld("pond", "abc", "20", files), "Please enter Width of at least 10");
  EXPECT_EQ(CheckNewWorld("pond", "10", "9", files), "Please enter Length of at least 10");
  EXPECT_NE(CheckNewWorld("../escape", "20", "20", files), "");
  EXPECT_EQ(SizeBoxValue("abc", 10), 10);
  EXPECT_EQ(SizeBoxValue("25", 10), 25);
  EXPECT_EQ(SizeBoxValue("99999999999", 10), 10);
}
