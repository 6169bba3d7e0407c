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

// Frames as a desktop draws them: a title bar of 28 pixels and a border of 1.
struct Desk {
  PlaceRect screen;
  int worldWidth, worldHeight;
};

TEST(WindowPlacement, TheWorldWindowCoversNeitherTheMainWindowNorTheBrainToolBar) {
  const int mainW = 302, mainH = 430, brainW = 373, brainH = 428, toolH = 28 + 54;
  for (const Desk& d : {Desk{{0, 0, 1280, 1024}, 642, 510}, Desk{{0, 0, 1920, 1080}, 642, 510},
                        Desk{{0, 0, 1280, 1024}, 322, 270}, Desk{{0, 0, 1920, 1080}, 322, 270},
                        Desk{{0, 0, 1920, 1050}, 642, 510}}) {
    AllWindows a = PlaceAllWindows(d.screen, mainW, mainH, brainW, brainH, toolH, d.worldWidth, d.worldHeight);
    PlaceRect world{a.world.left, a.world.top, d.worldWidth, d.worldHeight};
    SCOPED_TRACE(testing::Message() << d.screen.width << "x" << d.screen.height << " world " << d.worldWidth);
    EXPECT_TRUE(a.world.free);
    EXPECT_TRUE(world.Inside(d.screen));
    EXPECT_TRUE(a.main.Inside(d.screen));
    EXPECT_TRUE(a.brain.Inside(d.screen));
    EXPECT_FALSE(world.Intersects(a.main));
    EXPECT_FALSE(world.Intersects({a.brain.left, a.brain.top, brainW, toolH}));
    EXPECT_FALSE(a.brain.Intersects(a.main));
    // A lab bench fits beside the two windows without hiding any of the brain board.
    if (d.worldWidth < 400) EXPECT_FALSE(world.Intersects(a.brain));
  }
  // Where the usual place is free it is kept: a small world under a wide, short brain window.
  AllWindows roomy = PlaceAllWindows({0, 0, 1920, 1080}, mainW, mainH, 700, 150, toolH, 322, 200);
  WindowPlacement usual = PlaceWindows(1920, 1080, mainW, mainH, 700, 322, 200);
  EXPECT_EQ(roomy.main.left, usual.mainLeft);
  EXPECT_EQ(roomy.world.left, usual.worldLeft);
  EXPECT_EQ(roomy.world.top, usual.worldTop);
}

TEST(WindowPlacement, WithNoRoomAnywhereTheWorldStaysOnTheScreen) {
  PlaceRect screen{0, 0, 800, 600};
  WorldSpot s = PlaceWorldWindow(screen, {98, 85, 302, 430}, {405, 85, 373, 428}, 82, 642, 510);
  EXPECT_FALSE(s.free);
  EXPECT_TRUE((PlaceRect{s.left, s.top, 642, 510}).Inside(screen));
  EXPECT_EQ((PlaceRect{1, 1, 10, 10}).OverlapArea({5, 6, 10, 10}), 6 * 5);
  EXPECT_FALSE((PlaceRect{0, 0, 10, 10}).Intersects({10, 0, 10, 10}));  // touching edges do not overlap
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
