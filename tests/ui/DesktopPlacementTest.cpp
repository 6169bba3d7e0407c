// The windows on a real X screen (each screen size runs under its own Xvfb, started by
// the test's command): at every scale of the main window, with the lab bench, the chalk
// board, the garden and the world editor open, every control a learner needs lies on the
// screen and under no other window. With QUORBIT_SCREENSHOTS set, it also saves the
// whole screen of every case and small pictures of the title, the lab and the garden.
#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "platform/qt/QtHost.h"
#include "shell/WindowPlacement.h"
#include "shell/ui/MainForm.h"
#include "shell/ui/MainWiring.h"
#include "support/Fakes.h"
#include "world/ui/SamplePanelWidget.h"
#include "world/ui/Testwnd.h"

namespace {
struct InDataFolder {
  InDataFolder() : keep(QDir::currentPath()) { QDir::setCurrent(QUORBIT_TEST_DATA_DIR); }
  ~InDataFolder() { QDir::setCurrent(keep); }
  QString keep;
};

// Saved as an 8-bit palette PNG, as small as the pictures allow.
void SaveShot(const QImage& image, const QString& name) {
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

QRect GlobalRect(const QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); }

// Every shown window whole on the screen and clear of the others; every listed control
// inside its own window and under no other window.
void ExpectControlsInView(const std::vector<QWidget*>& windows, const std::vector<QWidget*>& controls) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  std::vector<QWidget*> shown;
  for (QWidget* w : windows)
    if (w && w->isVisible()) shown.push_back(w);
  for (size_t i = 0; i < shown.size(); ++i) {
    EXPECT_TRUE(screen.contains(shown[i]->frameGeometry())) << shown[i]->windowTitle().toStdString();
    for (size_t j = i + 1; j < shown.size(); ++j)
      EXPECT_FALSE(shown[i]->frameGeometry().intersects(shown[j]->frameGeometry()))
          << shown[i]->windowTitle().toStdString() << " over " << shown[j]->windowTitle().toStdString();
  }
  for (QWidget* c : controls) {
    const QWidget* own = c->window();
    const QRect whole = GlobalRect(c), at = whole.intersected(own->geometry());  // the part its window shows
    const std::string name = own->windowTitle().toStdString() + " " + c->objectName().toStdString() + " " +
                             c->metaObject()->className();
    EXPECT_TRUE(screen.contains(at)) << name;
    // A pixel or two may lie outside by design (the left page edge, the last tool button).
    EXPECT_GE(at.width() * at.height() * 10, whole.width() * whole.height() * 9) << name << " is cut off by its window";
    for (QWidget* w : shown)
      EXPECT_TRUE(w == own || !w->frameGeometry().intersects(at)) << name << " under " << w->windowTitle().toStdString();
  }
}

std::vector<QWidget*> BrainControls(TBrainForm& brains) {
  std::vector<QWidget*> out;
  for (const char* name : {"NeuronButtonUp", "NodeButtonUp", "SnoopButtonUp", "ZoomButtonUp", "TrashButtonUp",
                           "SaveButtonUp", "LoadButtonUp"})
    out.push_back(brains.findChild<QWidget*>(name));
  out.push_back(brains.boardView());
  return out;
}
}  // namespace

TEST(DesktopPlacement, EveryScaleAndWorldLeavesTheListedControlsInView) {
  if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X screen (xvfb-run)";
  InDataFolder here;
  const QSize screenSize = QGuiApplication::primaryScreen()->size();
  const QString screenName = QString("%1x%2").arg(screenSize.width()).arg(screenSize.height());
  for (int scale : {100, 150, 200}) {
    SCOPED_TRACE(testing::Message() << screenName.toStdString() << " at " << scale << "%");
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
    main.shell().Progress = 700;
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    main.timer().stop();
    main.ShowTitle(false);
    main.ShowRoom(Room::Lab, true);
    brains.show();
    brains.services.scaleDisplay(scale);  // as the brain settings dialog sets it
    EXPECT_EQ(main.ScalePercent(), scale);
    auto check = [&](const char* scene, std::vector<QWidget*> extra = {}) {
      SCOPED_TRACE(scene);
      QTest::qWait(30);
      std::vector<QWidget*> controls = main.KeyControls();
      EXPECT_GE(controls.size(), 6u);  // the page, Run, Test, Reset and both page edges at least
      for (QWidget* c : BrainControls(brains)) controls.push_back(c);
      controls.push_back(&world);
      std::vector<QWidget*> windows{&main, &brains, &world};
      for (QWidget* w : extra) windows.push_back(w), controls.push_back(w);
      for (QWidget* c : controls) EXPECT_TRUE(c->isVisible()) << c->metaObject()->className();
      ExpectControlsInView(windows, controls);
      world.world().Step(0, true, false);  // the view drawn for the picture
      QTest::qWait(30);
      SaveShot(QGuiApplication::primaryScreen()->grabWindow(0).toImage(),
               QString("desk-%1-%2-%3").arg(screenName).arg(scale).arg(scene));
    };

    ASSERT_TRUE(OpenLevelPage(main, 1, 101));
    check("lab");
    ASSERT_TRUE(OpenLevelPage(main, 6, 604));
    ASSERT_TRUE(world.samplePanelWidget()->isVisible());
    check("chalk");
    main.progression().ShowBook(0);
    main.ShowRoom(Room::Lab, false);
    main.ShowRoom(Room::LadyBugWorld, true);
    ASSERT_TRUE(OpenLevelPage(main, 2, 201));
    check("garden");
    main.progression().ShowBook(0);
    main.ShowRoom(Room::LadyBugWorld, false);
    main.ShowRoom(Room::Workshop, true);
    main.progression().ShowBook(3);
    main.progression().ShowPage(1);  // the world list
    main.progression().ShowPage(2);  // its first world
    ASSERT_GE(main.shell().WorldId, 1000) << (fakes.messages.shown.empty() ? "" : fakes.messages.shown.back().text);
    QPushButton* edit = nullptr;
    for (QPushButton* b : main.findChildren<QPushButton*>())
      if (b->text() == "Edit" && b->isVisible()) edit = b;
    ASSERT_NE(edit, nullptr);
    QTest::mouseClick(edit, Qt::LeftButton);
    ASSERT_NE(wiring.editor.form(), nullptr);
    ASSERT_TRUE(wiring.editor.form()->isVisible());
    check("editor", {wiring.editor.form()});

    main.progression().ShowBook(0);
    main.shell().world = nullptr;
    world.world().brains = nullptr;
    main.shell().brains = nullptr;
    main.progression().brains = nullptr;
    main.progression().world = nullptr;
  }
}

TEST(DesktopPlacement, TheLearnersWindowSizeIsKeptForItsKindOfWorld) {
  if (QGuiApplication::platformName() != "xcb") GTEST_SKIP() << "needs an X screen (xvfb-run)";
  InDataFolder here;
  TempFolder exe;
  FakeHost fakes;
  QtHost desktop;
  Host host = desktop.host();
  host.messages = &fakes.messages;
  host.sound = &fakes.sound;
  TMainForm main(host, QString::fromStdString(exe.path()));
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
  QTest::qWait(50);
  world.world().Step(0, true, false);
  SaveShot(world.grab().toImage(), "garden");
  // The learner makes the garden smaller; a lab bench comes and goes; the garden comes
  // back at the learner's size, not at the bench's or the usual one.
  const QSize chosen = world.size() - QSize(60, 40);
  world.resize(chosen);
  QTest::qWait(30);
  main.progression().ShowBook(0);
  main.ShowRoom(Room::LadyBugWorld, false);
  main.ShowRoom(Room::Lab, true);
  ASSERT_TRUE(OpenLevelPage(main, 1, 101));
  QTest::qWait(30);
  EXPECT_EQ(world.size(), QSize(world.world().view.width(), world.world().view.height()));
  ExpectControlsInView({&main, &brains, &world}, main.KeyControls());
  // The lab page, its brain and its bench as they stand on the screen.
  world.world().Step(0, true, false);
  QTest::qWait(30);
  SaveShot(QGuiApplication::primaryScreen()->grabWindow(0).toImage(), "lab");
  // The learner moves the bench to a free place; the next bench of that size stays there.
  auto rect = [](const QWidget& w) {
    const QRect f = w.frameGeometry();
    return PlaceRect{f.x(), f.y(), f.width(), f.height()};
  };
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  const PlaceRect bench = rect(world);
  const PlaceRect screen{area.x(), area.y(), area.width(), area.height()};
  auto spot = FindFreeSpot(screen, {rect(main), rect(brains), bench}, {bench.width, bench.height},
                           {bench.width, bench.height});
  if (spot) {
    world.move(spot->left, spot->top);
    QTest::qWait(30);
    ASSERT_TRUE(OpenLevelPage(main, 1, 102));
    QTest::qWait(30);
    EXPECT_EQ(world.frameGeometry().topLeft(), QPoint(spot->left, spot->top));
    ExpectControlsInView({&main, &brains, &world}, main.KeyControls());
  }
  main.progression().ShowBook(0);
  main.ShowRoom(Room::Lab, false);
  main.ShowRoom(Room::LadyBugWorld, true);
  ASSERT_TRUE(OpenLevelPage(main, 2, 201));
  QTest::qWait(30);
  EXPECT_EQ(world.size(), chosen);
  const WindowSizes kept = ReadWindowSizes(main.shell().Settings, WorldKind::Terrain);
  EXPECT_EQ(QSize(kept.worldWidth, kept.worldHeight), chosen);
  main.progression().ShowBook(0);
  main.shell().world = nullptr;
  world.world().brains = nullptr;
  main.shell().brains = nullptr;
  main.progression().brains = nullptr;
  main.progression().world = nullptr;
}
