// The three windows on a real X screen (run under xvfb-run at 1280 x 1024 and 1920 x 1080):
// when a level loads, the world window covers neither the main window nor the brain
// window's tool bar. With QUORBIT_SCREENSHOTS set, it also saves small pictures of the
// title screen, a lab page with its brain and the ladybug garden.
#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QScreen>
#include <QTest>

#include "platform/qt/QtHost.h"
#include "shell/ui/MainForm.h"
#include "shell/ui/MainWiring.h"
#include "support/Fakes.h"
#include "world/ui/Testwnd.h"

namespace {
struct InDataFolder {
  InDataFolder() : keep(QDir::currentPath()) { QDir::setCurrent(QUORBIT_TEST_DATA_DIR); }
  ~InDataFolder() { QDir::setCurrent(keep); }
  QString keep;
};

// Saved as an 8-bit palette PNG, as small as the pictures allow.
void SaveShot(const QImage& image, const char* name) {
  const char* folder = std::getenv("QUORBIT_SCREENSHOTS");
  if (!folder) return;
  QImageWriter writer(QString("%1/%2.png").arg(folder, name), "png");
  writer.setQuality(0);  // the smallest file
  writer.write(image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither | Qt::AvoidDither));
}

// Opens the first page of the book that loads the level.
bool OpenLevelPage(TMainForm& main, int book, int level) {
  main.progression().ShowBook(book);
  for (int page = 0; page < 40; ++page) {
    main.progression().ShowPage(page);
    if (main.shell().WorldId == level) return true;
  }
  return false;
}

QRect ToolBarOf(const QWidget* brain) {
  QRect f = brain->frameGeometry();
  return QRect(f.left(), f.top(), f.width(), brain->geometry().top() - f.top() + 54);
}

void ExpectNothingCovered(TMainForm& main, QWidget& brain, QWidget& world) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  SCOPED_TRACE(testing::Message() << "screen " << screen.width() << "x" << screen.height() << ", world "
                                  << world.width() << "x" << world.height());
  EXPECT_TRUE(screen.contains(world.frameGeometry()));
  EXPECT_TRUE(screen.contains(main.frameGeometry()));
  EXPECT_FALSE(world.frameGeometry().intersects(main.frameGeometry()));
  EXPECT_FALSE(world.frameGeometry().intersects(ToolBarOf(&brain)));
  EXPECT_FALSE(brain.frameGeometry().intersects(main.frameGeometry()));
}
}  // namespace

TEST(DesktopPlacement, AWorldWindowLeavesTheOtherWindowsControlsInView) {
  if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X screen (xvfb-run)";
  InDataFolder here;
  TempFolder exe;
  FakeHost fakes;
  QtHost desktop;
  Host host = desktop.host();
  host.messages = &fakes.messages;
  host.sound = &fakes.sound;
  TMainForm main(host, QString::fromStdString(exe.path()));
  ASSERT_TRUE(main.startedOk());
  TBrainForm brains(host, 1);
  ProgramWiring wiring(main, brains);
  TTestWorld& world = *main.testWorld();
  main.shell().Progress = 300;
  main.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
  main.timer().stop();
  SaveShot(main.grab().toImage(), "title");

  main.ShowTitle(false);
  main.ShowRoom(Room::LadyBugWorld, true);
  brains.show();
  ASSERT_TRUE(OpenLevelPage(main, 2, 201));
  ASSERT_TRUE(world.isVisible());
  QTest::qWait(200);
  ExpectNothingCovered(main, brains, world);
  EXPECT_TRUE(world.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  world.world().Step(0, true, false);
  QTest::qWait(100);
  SaveShot(world.grab().toImage(), "garden");

  main.progression().ShowBook(0);
  main.ShowRoom(Room::LadyBugWorld, false);
  main.ShowRoom(Room::Lab, true);
  ASSERT_TRUE(OpenLevelPage(main, 1, 101));
  QTest::qWait(200);
  ExpectNothingCovered(main, brains, world);
  // A lab bench has a fixed size and no maximise button.
  EXPECT_EQ(world.size(), QSize(world.world().view.width(), world.world().view.height()));
  EXPECT_FALSE(world.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  world.world().Step(0, true, false);
  QTest::qWait(100);
  // The lab page, its brain and its bench as they stand on the screen.
  QRect all = main.frameGeometry().united(brains.frameGeometry()).united(world.frameGeometry());
  QImage desk(all.size(), QImage::Format_RGB32);
  desk.fill(QColor(40, 44, 52));
  QPainter p(&desk);
  for (QWidget* w : std::initializer_list<QWidget*>{&main, &brains, &world})
    p.drawImage(w->geometry().topLeft() - all.topLeft(), w->grab().toImage());
  p.end();
  SaveShot(desk, "lab");
  main.progression().ShowBook(0);
  main.shell().world = nullptr;
  main.testWorld()->world().brains = nullptr;
  main.shell().brains = nullptr;
  main.progression().brains = nullptr;
  main.progression().world = nullptr;
}
