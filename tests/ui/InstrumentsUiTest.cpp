// The world window's chalk area, sample panel and monitor strip, driven with the mouse.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <cstdlib>

#include "shell/GizmoPorts.h"
#include "bodies/GizmoChalk.h"
#include "bodies/GizmoFactory.h"
#include "brain/BrainCollection.h"
#include "platform/Files.h"
#include "world/WorldFixtures.h"
#include "world/ui/MonitorPanel.h"
#include "world/ui/SamplePanelWidget.h"
#include "world/ui/Testwnd.h"

namespace {

struct LabWindow {
  LabWindow() : window(fake.host(), WorldFixture::Palette0()) {
    TWorld& w = window.world();
    w.AddPicture(FlatGrass());
    w.CreateMap(4, 4);
    w.FinishMap();
    window.resize(320, 240);
    window.show();
    QTest::qWait(30);
  }
  TChalk& AddChalk() {
    auto chalk = std::make_unique<TChalk>(GizmoPorts{nullptr, nullptr, fake.host()});
    TChalk* c = chalk.get();
    window.world().gizmos.push_back(std::move(chalk));
    window.UpdateMonitor();
    return *c;
  }
  // A stroke straight down the chalk area, drawn with the mouse.
  void DrawDown(int points) {
    QWidget* area = window.chalkArea();
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(90, 20));
    for (int k = 1; k < points; ++k) QTest::mouseMove(area, QPoint(90, 20 + 5 * k));
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(90, 20 + 5 * (points - 1)));
  }
  FakeHost fake;
  TTestWorld window;
};

TEST(WorldInstruments, TheSamplePanelComesWithAChalkBoardAndGoesWithIt) {
  LabWindow f;
  EXPECT_FALSE(f.window.samplePanelWidget()->isVisible());
  const int width = f.window.width();
  f.AddChalk();
  ASSERT_TRUE(f.window.samplePanelWidget()->isVisible());
  EXPECT_TRUE(f.window.chalkArea()->isVisible());
  EXPECT_EQ(f.window.chalkArea()->geometry(), QRect(20, 19, 180, 200));
  QTest::qWait(20);
  // The board has its own column right of the view, then the panel: neither covers the
  // bench's lamps nor the verdict movie.
  EXPECT_EQ(f.window.width(), width + 220 + 96);
  EXPECT_EQ(f.window.chalkArea()->mapTo(&f.window, QPoint(0, 0)), QPoint(width + 20, 19));
  EXPECT_EQ(f.window.samplePanelWidget()->geometry(), QRect(width + 220, 0, 96, f.window.height()));
  // Every control fits beside a bench of 240 rows.
  for (QWidget* w : f.window.samplePanelWidget()->findChildren<QWidget*>()) EXPECT_LE(w->geometry().bottom(), 239);
  EXPECT_EQ(f.window.world().clientWidth(), width);  // the view keeps its size
  f.window.world().ClearWorld();
  EXPECT_FALSE(f.window.samplePanelWidget()->isVisible());
  EXPECT_FALSE(f.window.chalkArea()->isVisible());
  EXPECT_EQ(f.window.samplePanel().chalk(), nullptr);
}

TEST(WorldInstruments, DrawLabelSaveLoadAndPlaySamples) {
  LabWindow f;
  TChalk& chalk = f.AddChalk();
  TSamplePanelWidget& panel = *f.window.samplePanelWidget();
  EXPECT_EQ(panel.CountLabel->text(), "No samples");
  EXPECT_EQ(panel.NumPointsBox->text(), "7");
  f.DrawDown(30);
  EXPECT_EQ(f.window.samplePanel().stroke().count(), 30);
  for (int k = 0; k < 7; ++k) EXPECT_EQ(chalk.current.values[static_cast<size_t>(k)], 0);  // straight down
  EXPECT_EQ(chalk.current.category, -1);
  QTest::mouseClick(panel.Buttons[4], Qt::LeftButton);
  EXPECT_EQ(panel.CountLabel->text(), "1 sample");
  ASSERT_EQ(chalk.samples.size(), 1u);
  EXPECT_EQ(chalk.samples[0].category, 4);
  QTest::mouseClick(panel.NumPointsDown, Qt::LeftButton);
  EXPECT_EQ(panel.NumPointsBox->text(), "6");
  panel.ShowCheck->setChecked(true);
  EXPECT_EQ(f.window.samplePanel().features().marks.size(), 6u);

  TempFolder folder;
  const std::string path = folder.file("digits.txt");
  f.fake.files.answers = {path, path};
  QTest::mouseClick(panel.SaveButton, Qt::LeftButton);
  EXPECT_EQ(f.fake.files.asked.at(0).title, "Save Samples");
  EXPECT_TRUE(ReadFileText(path).has_value());
  QTest::mouseClick(panel.LoadButton, Qt::LeftButton);
  EXPECT_EQ(f.fake.files.asked.at(1).title, "Load Samples");
  EXPECT_EQ(panel.CountLabel->text(), "2 samples");

  // For a person to look at: QUORBIT_SHOTS names a folder for the window's picture.
  if (const char* shots = std::getenv("QUORBIT_SHOTS")) {
    QWidget* area = f.window.chalkArea();
    // A "2": a hook over the top, a slide down to the left, a line to the right.
    std::vector<QPoint> two;
    for (int k = 0; k <= 20; ++k) {
      const double a = -3.14159 + k * 3.14159 * 1.25 / 20;
      two.emplace_back(90 + static_cast<int>(40 * std::cos(a)), 60 + static_cast<int>(40 * std::sin(a)));
    }
    for (int k = 1; k <= 20; ++k) two.emplace_back(two[20].x() - k * (two[20].x() - 50) / 20, two[20].y() + k * (170 - two[20].y()) / 20);
    for (int k = 1; k <= 15; ++k) two.emplace_back(50 + k * 6, 170);
    QTest::mousePress(area, Qt::LeftButton, {}, two[0]);
    for (const QPoint& p : two) QTest::mouseMove(area, p);
    QTest::mouseRelease(area, Qt::LeftButton, {}, two.back());
    f.window.grab().save(QString(shots) + "/sample-panel.png");
  }
  QTest::mouseClick(panel.PlayButton, Qt::LeftButton);
  EXPECT_EQ(panel.PlayButton->text(), "Stop");
  EXPECT_TRUE(chalk.Playing());
  for (QWidget* w : std::initializer_list<QWidget*>{panel.Buttons[0], panel.ClearStoreButton, panel.SaveButton,
                                                    panel.LoadButton, panel.ShowCheck, panel.NumPointsUp})
    EXPECT_FALSE(w->isEnabled());
  QTest::mouseClick(panel.PlayButton, Qt::LeftButton);
  EXPECT_EQ(panel.PlayButton->text(), "Play");
  EXPECT_TRUE(panel.Buttons[0]->isEnabled());
  QTest::mouseClick(panel.ClearStoreButton, Qt::LeftButton);
  EXPECT_EQ(panel.CountLabel->text(), "No samples");
  EXPECT_TRUE(f.fake.messages.shown.empty());
}

TEST(WorldInstruments, PlayedSamplesTeachALearningBrainToLightTheRightLamps) {
  LabWindow f;
  TBrainCollection brains(f.fake.host(), 1);
  TCollectionGizmoBrains gizmoBrains(brains);
  const GizmoPorts ports{&gizmoBrains, nullptr, f.fake.host()};
  TWorld& w = f.window.world();
  for (const char* line : {"chalk", "lamp0", "lamp1"}) w.gizmos.push_back(MakeGizmo(line, ports));
  auto* chalk = dynamic_cast<TChalk*>(w.gizmos[0].get());
  ASSERT_TRUE(chalk);
  f.window.UpdateMonitor();
  TBrainBoard* lab = brains.Board(chalk->brainNumber);
  ASSERT_TRUE(lab);
  const auto bytes = ReadFileBytes(QUORBIT_TEST_DATA_DIR "/testbrain/w605.brn");
  ASSERT_TRUE(bytes);
  lab->LoadBrain(*bytes);
  lab->learnRate = 0.05f;

  TSamplePanelWidget& panel = *f.window.samplePanelWidget();
  f.fake.files.answers = {QUORBIT_TEST_DATA_DIR "/samples/digits01.txt"};
  QTest::mouseClick(panel.LoadButton, Qt::LeftButton);
  EXPECT_EQ(panel.CountLabel->text(), "40 samples");
  QTest::mouseClick(panel.PlayButton, Qt::LeftButton);
  ASSERT_TRUE(chalk->Playing());
  int tick = 0;
  auto run = [&](int ticks, bool testMode) {
    for (int k = 0; k < ticks; ++k, ++tick) {
      w.Step(tick, true, testMode);
      brains.StepAll(true);
    }
  };
  run(80, true);  // before it learned, the lamps guess
  EXPECT_NE(chalk->verdict, Achieved);
  chalk->reset();
  lab->learning = true;
  run(1200, false);
  run(200, true);
  EXPECT_EQ(chalk->verdict, 0);
}

TEST(WorldInstruments, TheMonitorStripShowsByModeAndReachesTheShell) {
  LabWindow f;
  std::vector<MonitorZone> pressed;
  bool running = false;
  f.window.monitorShell.press = [&](MonitorZone z) { pressed.push_back(z); };
  f.window.monitorShell.worldRunning = [&] { return running; };
  f.window.monitorShell.testRunning = [] { return true; };
  TMonitorPanel* monitor = f.window.monitorPanel();
  f.window.world().SetMonitorMode(2);
  EXPECT_FALSE(monitor->isVisible());
  QTest::mouseClick(&f.window, Qt::RightButton, {}, QPoint(150, 150));  // the toggle
  EXPECT_TRUE(monitor->isVisible());
  f.window.world().SetMonitorMode(1);  // a bench of 320 x 240 is not larger than that
  EXPECT_FALSE(monitor->isVisible());
  f.window.resize(400, 300);
  QTest::qWait(20);
  EXPECT_TRUE(monitor->isVisible());
  EXPECT_EQ(monitor->geometry(), QRect(0, 0, 49, 20));
  EXPECT_EQ(monitor->frame(), 4);
  QTest::mousePress(monitor, Qt::LeftButton, {}, QPoint(20, 10));
  EXPECT_EQ(monitor->frame(), 2);  // the reset shows pressed
  QTest::mouseRelease(monitor, Qt::LeftButton, {}, QPoint(20, 10));
  running = true;
  QTest::mouseClick(monitor, Qt::LeftButton, {}, QPoint(5, 10));
  QTest::mouseClick(monitor, Qt::LeftButton, {}, QPoint(40, 10));
  QTest::mouseClick(monitor, Qt::LeftButton, {}, QPoint(47, 10));
  EXPECT_EQ(pressed, (std::vector<MonitorZone>{MonitorZone::Reset, MonitorZone::Test, MonitorZone::Run}));
  EXPECT_EQ(monitor->frame(), 5);
  f.window.world().SetMonitorMode(MonitorStrip::NeverMode);
  EXPECT_FALSE(monitor->isVisible());
}

TEST(WorldInstruments, TestBarsShowOverTheViewWhileACritterTestRuns) {
  LabWindow f;
  TWorld& w = f.window.world();
  const int blob = w.AddPicture(SquarePic("blob", 10, 0.3f, 250, 250));
  w.AddCritter(std::make_unique<TestCritter>(&w, blob, 2, 2, 0));
  w.testCritter = 0;
  w.critters[0]->energy = 25;
  bool testing = true;
  f.window.monitorShell.testRunning = [&] { return testing; };
  f.window.monitorShell.testValues = [](int& duration, int& goal, int& remaining) {
    duration = 100, goal = 50, remaining = 80;
  };
  w.SetMonitorMode(3);
  w.Step(0, true, true);
  EXPECT_TRUE(f.window.testBarsShown());
  QTest::qWait(20);
  QImage shot = f.window.grab().toImage();
  const Rgb energy = w.palette[TestMonitorBars::EnergyColour];
  EXPECT_EQ(QColor(shot.pixel(TestMonitorBars::Left + 20, 5)), QColor(energy.r, energy.g, energy.b));
  // The bars are drawn over the window only: the view bitmap keeps its strip.
  EXPECT_NE(w.view.image.at(TestMonitorBars::Left + 20, 5), TestMonitorBars::EnergyColour);
  testing = false;
  w.Step(1, true, false);
  EXPECT_FALSE(f.window.testBarsShown());
}

}  // namespace
