// Where the windows go: on every screen and at every scale of the main window, nothing
// overlaps, nothing leaves the screen and no window is smaller than its least size.
#include <gtest/gtest.h>

#include "shell/WindowPlacement.h"

namespace {
DeskWindow Window(PlaceSize wanted, PlaceSize least, PlaceSize frame) {
  DeskWindow w;
  w.shown = true;
  w.wanted = {wanted.width + frame.width, wanted.height + frame.height};
  w.least = {least.width + frame.width, least.height + frame.height};
  return w;
}

enum class Scene { LabBench, ChalkBoard, Garden, Editor };

DeskRequest Request(PlaceRect screen, int scale, Scene scene, PlaceSize frame) {
  DeskRequest r;
  r.screen = screen;
  r.frame = frame;
  r.scalePercent = scale;
  r.keep = false;
  r.brain = Window({371, 398}, {371, 200}, frame);
  switch (scene) {
    case Scene::LabBench: r.world = Window({320, 240}, {320, 240}, frame); break;
    case Scene::ChalkBoard: r.world = Window({416, 240}, {416, 240}, frame); break;
    case Scene::Garden: r.world = Window({640, 480}, {320, 240}, frame); break;
    case Scene::Editor:
      r.world = Window({640, 480}, {320, 240}, frame);
      r.editor = Window({624, 466}, {420, 330}, frame);
      break;
  }
  return r;
}

bool AtLeast(const PlaceRect& r, const DeskWindow& w) {
  return !w.shown || (r.width >= w.least.width && r.height >= w.least.height);
}
bool AtMost(const PlaceRect& r, const DeskWindow& w) {
  return !w.shown || (r.width <= w.wanted.width && r.height <= w.wanted.height);
}
}  // namespace

TEST(DeskPlacement, EveryScreenScaleAndWorldLeavesEveryWindowWholeAndUncovered) {
  const PlaceRect screens[] = {{0, 0, 1024, 768}, {0, 0, 1366, 768}, {0, 0, 1280, 1024}, {0, 0, 1920, 1080},
                               {0, 30, 1366, 738}};  // the last with a panel along the top
  for (const PlaceRect& screen : screens)
    for (int scale : {100, 150, 200})
      for (Scene scene : {Scene::LabBench, Scene::ChalkBoard, Scene::Garden, Scene::Editor})
        for (PlaceSize frame : {PlaceSize{0, 0}, PlaceSize{2, 30}}) {
          const DeskRequest r = Request(screen, scale, scene, frame);
          const DeskLayout d = PlaceDesk(r);
          SCOPED_TRACE(testing::Message() << screen.width << "x" << screen.height << " at " << scale << "%, scene "
                                          << static_cast<int>(scene) << ", frame " << frame.height);
          EXPECT_TRUE(d.clear);
          EXPECT_TRUE(DeskIsClear(screen, {d.main, d.brain, d.world, d.editor}));
          EXPECT_LE(d.scalePercent, scale);
          EXPECT_GE(d.scalePercent, 100);
          EXPECT_EQ(PlaceSize(d.main.width, d.main.height), MainFrameSize(r, d.scalePercent));
          EXPECT_TRUE(AtLeast(d.brain, r.brain) && AtMost(d.brain, r.brain));
          EXPECT_TRUE(AtLeast(d.world, r.world) && AtMost(d.world, r.world));
          EXPECT_TRUE(AtLeast(d.editor, r.editor) && AtMost(d.editor, r.editor));
          // The main window keeps the scale asked wherever the screen is tall enough for it.
          if (MainFrameSize(r, scale).height <= screen.height && scene == Scene::LabBench && screen.width >= 1280) {
            EXPECT_EQ(d.scalePercent, scale);
          }
        }
}

TEST(DeskPlacement, ARoomyScreenGivesEveryWindowItsWantedSizeBesideTheMainWindow) {
  const DeskRequest r = Request({0, 0, 1280, 1024}, 100, Scene::Garden, {2, 30});
  const DeskLayout d = PlaceDesk(r);
  EXPECT_EQ(d.scalePercent, 100);
  EXPECT_EQ(PlaceSize(d.brain.width, d.brain.height), r.brain.wanted);
  EXPECT_EQ(PlaceSize(d.world.width, d.world.height), r.world.wanted);
  // The brain window beside the main window, tops aligned, the world under the brain window.
  EXPECT_EQ(d.brain.left, d.main.right() + WindowGap);
  EXPECT_EQ(d.brain.top, d.main.top);
  EXPECT_EQ(d.world.top, d.brain.bottom() + WindowGap);
  // A lab bench on a wide screen: the main window's right edge stays near the middle.
  const DeskLayout bench = PlaceDesk(Request({0, 0, 1920, 1080}, 100, Scene::LabBench, {0, 0}));
  EXPECT_EQ(bench.main.right(), 960);
}

TEST(DeskPlacement, WhereTheScreenIsShortTheBrainAndTheWorldShareItSideBySideAndShrink) {
  const DeskRequest r = Request({0, 0, 1200, 500}, 100, Scene::Garden, {0, 0});
  const DeskLayout d = PlaceDesk(r);
  EXPECT_TRUE(d.clear);
  EXPECT_EQ(d.world.top, d.brain.top);
  EXPECT_GE(d.world.left, d.brain.right());
  EXPECT_LT(d.world.width, 640);
  EXPECT_LE(d.brain.bottom(), 500);
  EXPECT_LE(d.world.right(), 1200);
  // Too short even so: the main window shrinks back from the scale asked, never below 100 %.
  const DeskLayout small = PlaceDesk(Request({0, 0, 1024, 768}, 200, Scene::LabBench, {2, 30}));
  EXPECT_LT(small.scalePercent, 200);
  EXPECT_TRUE(small.clear);
}

TEST(DeskPlacement, TheLearnersPlacesStayUntilAWindowWouldCoverAnother) {
  DeskRequest r = Request({0, 0, 1920, 1080}, 100, Scene::LabBench, {0, 0});
  const DeskLayout first = PlaceDesk(r);
  // The learner moves the bench to the screen's bottom right corner.
  r.keep = true;
  r.mainNow = first.main;
  r.brain.now = first.brain;
  r.brain.placed = r.world.placed = true;
  r.world.now = {1600, 840, 320, 240};
  DeskLayout kept = PlaceDesk(r);
  EXPECT_TRUE(kept.kept);
  EXPECT_EQ(kept.world, r.world.now);
  EXPECT_EQ(kept.main, first.main);
  // A bigger world does not fit in that corner: it alone moves, to a free place.
  r.world.wanted = {640, 480};
  r.world.least = {320, 240};
  kept = PlaceDesk(r);
  EXPECT_TRUE(kept.kept);
  EXPECT_EQ(kept.main, first.main);
  EXPECT_EQ(kept.brain, first.brain);
  EXPECT_EQ(PlaceSize(kept.world.width, kept.world.height), PlaceSize(640, 480));
  EXPECT_TRUE(kept.clear);
  // The main window at 150 % would run into the brain window: everything is laid out anew.
  r.world.wanted = r.world.least = {320, 240};
  r.scalePercent = 150;
  const DeskLayout scaled = PlaceDesk(r);
  EXPECT_FALSE(scaled.kept);
  EXPECT_EQ(scaled.scalePercent, 150);
  EXPECT_TRUE(DeskIsClear(r.screen, {scaled.main, scaled.brain, scaled.world}));
  // A window never placed before is always given a place.
  r.scalePercent = 100;
  r.world.placed = false;
  r.world.now = first.main;
  EXPECT_FALSE(PlaceDesk(r).world.Intersects(first.main));
}

TEST(DeskPlacement, NoRoomAnywhereStillKeepsTheMainWindowWholeAndEverythingOnTheScreen) {
  const PlaceRect screen{0, 0, 800, 600};
  const DeskRequest r = Request(screen, 150, Scene::Editor, {2, 30});
  const DeskLayout d = PlaceDesk(r);
  EXPECT_FALSE(d.clear);
  EXPECT_EQ(d.scalePercent, 100);
  for (const PlaceRect& w : {d.main, d.brain, d.world, d.editor}) EXPECT_TRUE(w.Inside(screen));
  for (const PlaceRect& w : {d.brain, d.world, d.editor}) EXPECT_FALSE(w.Intersects(d.main));
  // Sizes from a damaged settings file: a huge wanted size shrinks to the room there is.
  DeskRequest huge = Request({0, 0, 1366, 768}, 100, Scene::Garden, {0, 0});
  huge.world.wanted = {100000, 100000};
  const DeskLayout h = PlaceDesk(huge);
  EXPECT_TRUE(h.clear);
  EXPECT_TRUE(h.world.Inside(huge.screen));
}

TEST(DeskPlacement, AFreeSpotIsBesideTheTakenWindowsAndShrinksOnlyAsFarAsAllowed) {
  const PlaceRect screen{0, 0, 1100, 700};
  const std::vector<PlaceRect> taken{{0, 0, 300, 400}, {305, 0, 371, 398}};
  auto spot = FindFreeSpot(screen, taken, {320, 240}, {320, 240});
  ASSERT_TRUE(spot);
  EXPECT_TRUE(DeskIsClear(screen, {taken[0], taken[1], *spot}));
  EXPECT_EQ(spot->top, 0);  // right of the brain window, at the top
  EXPECT_EQ(spot->left, 676 + WindowGap);
  // 700 x 500 fits nowhere; a smaller size does, below the two windows.
  EXPECT_FALSE(FindFreeSpot(screen, taken, {700, 500}, {700, 500}));
  auto smaller = FindFreeSpot(screen, taken, {700, 500}, {300, 200});
  ASSERT_TRUE(smaller);
  EXPECT_LT(smaller->width, 700);
  EXPECT_GE(smaller->width, 300);
  EXPECT_TRUE(DeskIsClear(screen, {taken[0], taken[1], *smaller}));
  EXPECT_FALSE(FindFreeSpot({0, 0, 600, 400}, taken, {320, 240}, {300, 200}));
}
