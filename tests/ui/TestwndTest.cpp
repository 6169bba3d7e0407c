#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QTest>

#include "world/WorldFixtures.h"
#include "world/ui/Testwnd.h"

namespace {

struct WindowFixture {
  WindowFixture() : window(fake.host(), WorldFixture::Palette0()) {
    TWorld& w = window.world();
    w.AddPicture(FlatGrass());
    blob = w.AddPicture(SquarePic("blob", 10, 0.3f, 250, 250));
    w.CreateMap(10, 10);
    w.FinishMap();
    window.resize(317, 200);
    window.show();
    QTest::qWait(50);
    w.LookAt(5, 5, 0);
    w.fullRedrawFlag = true;
  }
  FakeHost fake;
  TTestWorld window;
  int blob = 1;
};

TEST(WorldWindow, ClientSizeMakesARoundedBitmapAndPaintsIt) {
  WindowFixture f;
  TWorld& w = f.window.world();
  EXPECT_EQ(w.view.width(), 320);
  EXPECT_EQ(w.view.height(), 240);
  auto* critter = w.AddCritter(std::make_unique<TestCritter>(&w, f.blob, 5, 5, 0));
  w.Step(0, false, false);
  QImage shot = f.window.grab().toImage();
  int sx, sy;
  w.Project(5, 5, 0, sx, sy);
  EXPECT_EQ(QColor(shot.pixel(sx, sy)), QColor(0, 250, 0));  // the sprite's colour 250 in a green palette
  const Rgb ground = w.palette[w.view.image.at(sx + 60, sy)];
  EXPECT_EQ(QColor(shot.pixel(sx + 60, sy)), QColor(ground.r, ground.g, ground.b));
  (void)critter;
}

TEST(WorldWindow, DraggingPansTheViewAndDoubleClickFollowsACritter) {
  WindowFixture f;
  TWorld& w = f.window.world();
  w.AddCritter(std::make_unique<TestCritter>(&w, f.blob, 5, 5, 0));
  w.Step(0, false, false);
  int ox = w.offsetX, oy = w.offsetY;
  QTest::mousePress(&f.window, Qt::LeftButton, {}, QPoint(100, 100));
  QTest::mouseMove(&f.window, QPoint(130, 90));
  EXPECT_TRUE(f.window.dragging());
  QTest::mouseRelease(&f.window, Qt::LeftButton, {}, QPoint(130, 90));
  EXPECT_EQ(w.offsetX, ox + 30);
  EXPECT_EQ(w.offsetY, oy - 10);
  w.Step(1, false, false);
  int sx, sy;
  w.Project(5, 5, 0, sx, sy);
  QTest::mouseDClick(&f.window, Qt::LeftButton, {}, QPoint(sx, sy));
  EXPECT_EQ(w.followCritter, 0);
  EXPECT_EQ(w.arrowCountdown, 40);
  // While the arrow shows, a press does not start a drag.
  QTest::mousePress(&f.window, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_FALSE(f.window.dragging());
  QTest::mouseRelease(&f.window, Qt::LeftButton, {}, QPoint(10, 10));
}

TEST(WorldWindow, ClosingAsksWhetherToQuit) {
  WindowFixture f;
  bool quit = false;
  f.window.onQuit = [&] { quit = true; };
  f.fake.messages.answers = {Answer::No, Answer::Yes};
  QCloseEvent refuse;
  QApplication::sendEvent(&f.window, &refuse);
  EXPECT_FALSE(refuse.isAccepted());
  EXPECT_FALSE(quit);
  EXPECT_EQ(f.fake.messages.asked.back(), (ShownMessage{"Do you want to quit Quorbit?", "Confirm"}));
  QCloseEvent accept;
  QApplication::sendEvent(&f.window, &accept);
  EXPECT_TRUE(accept.isAccepted());
  EXPECT_TRUE(quit);
  f.window.programEnding = true;
  QCloseEvent ending;
  QApplication::sendEvent(&f.window, &ending);
  EXPECT_EQ(f.fake.messages.asked.size(), 2u);
}

TEST(WorldWindow, AFixedSizeKeepsTheClientArea) {
  WindowFixture f;
  f.window.SetFixedClientSize(400, 300);
  f.window.resize(500, 500);
  QTest::qWait(20);
  EXPECT_EQ(f.window.size(), QSize(400, 300));
  EXPECT_EQ(f.window.world().view.width(), 400);
  QTest::mousePress(&f.window, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_FALSE(f.window.dragging());  // no panning with a fixed size
  QTest::mouseRelease(&f.window, Qt::LeftButton, {}, QPoint(10, 10));
  f.window.world().ClearWorld();
  f.window.ClearFixedSize();
  f.window.resize(500, 420);
  QTest::qWait(20);
  EXPECT_EQ(f.window.world().view.height(), 420);
}

TEST(WorldWindow, TheFirstWorldIsCentredBeforeTheWindowEverShows) {
  FakeHost fake;
  TTestWorld window(fake.host(), WorldFixture::Palette0());
  TWorld& w = window.world();
  w.LookAt(5, 5, 0);  // as [LOOKAT] does while the window is still hidden
  int sx, sy;
  w.Project(5, 5, 0, sx, sy);
  EXPECT_EQ(QPoint(sx, sy), QPoint(window.width() / 2, window.height() / 2));
}

TEST(WorldWindow, AFixedSizeWorldFixesTheWindowAndTheNextWorldGivesItBack) {
  WindowFixture f;
  TWorld& w = f.window.world();
  f.window.resize(600, 420);
  QTest::qWait(20);
  // A [SIZE] world: the client size is the whole bitmap, and there is no maximise button.
  w.SetClientSize(290, 160);
  w.fixedSize = true;
  f.window.FollowWorldSize();
  EXPECT_EQ(f.window.size(), QSize(320, 240));
  EXPECT_FALSE(f.window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(f.window.isVisible());
  f.window.showMaximized();
  QTest::qWait(20);
  EXPECT_EQ(f.window.size(), QSize(320, 240));
  // The next world has no [SIZE]: the learner's size comes back, centred where it looked.
  w.ClearWorld();
  w.LookAt(5, 5, 0);
  f.window.FollowWorldSize();
  EXPECT_TRUE(f.window.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(f.window.size(), QSize(600, 420));
  EXPECT_EQ(w.clientWidth(), 600);
  int sx, sy;
  w.Project(5, 5, 0, sx, sy);
  EXPECT_EQ(QPoint(sx, sy), QPoint(300, 210));
  f.window.resize(500, 400);
  QTest::qWait(20);
  EXPECT_EQ(w.view.width(), 500);  // resizable again
}

}  // namespace
