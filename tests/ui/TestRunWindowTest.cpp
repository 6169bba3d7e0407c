// The verdict with its run: a failed test in the program opens a small window beside the
// world with the chart of the run and the sentence that says why, and the movie's message
// carries that sentence as its second line. The Plot window's hint, legend and Clear.
// With QUORBIT_SHOTS set, the windows are saved as PNG.
#include <gtest/gtest.h>

#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <cstdlib>

#include "brain/BoardRequests.h"
#include "brain/ui/PlotWnd.h"
#include "platform/Files.h"
#include "platform/qt/QtHost.h"
#include "shell/ui/MainForm.h"
#include "shell/ui/MainWiring.h"
#include "support/Fakes.h"
#include "world/ui/TestRunWnd.h"
#include "world/ui/Testwnd.h"

namespace {
void Shot(QWidget* w, const char* name) {
  if (const char* dir = std::getenv("QUORBIT_SHOTS")) w->grab().save(QString(dir) + "/" + name + ".png");
}

int CountColour(const QImage& image, QRgb colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) == colour;
  return n;
}
}  // namespace

TEST(TestRunWindow, AFailedTestShowsItsRunAndWhyBesideTheWorld) {
  const QString keep = QDir::currentPath();
  QDir::setCurrent(QUORBIT_TEST_DATA_DIR);
  {
    TempFolder exe;
    FakeHost fakes;
    QtTextDraw letters;  // the movie's lines as the program draws them
    Host host = fakes.host();
    host.text = &letters;
    TMainForm main(host, QString::fromStdString(exe.path()));
    ASSERT_TRUE(main.startedOk());
    main.shell().Progress = 799;
    TBrainForm brains(host, 7);
    ProgramWiring wiring(main, brains);
    main.show();
    main.ShowTitle(false);
    main.progression().ShowBook(2);
    main.progression().LoadLevelWorld(205);
    ASSERT_EQ(main.shell().WorldId, 205);
    bool loaded = false;
    for (const BrainEntry& e : brains.collection().Brains())
      if (e.name == "LadyBug") {
        e.board->LoadBrain(*ReadFileBytes("testbrain/w205f.brn"));
        loaded = true;
      }
    ASSERT_TRUE(loaded);
    TTestWorld* window = main.testWorld();
    window->show();
    main.timer().stop();
    EXPECT_EQ(window->testRunWindow(), nullptr);

    // "Start test", "Run world" and the ticks until the verdict's message stands.
    main.shell().StartTest();
    main.shell().RunWorld();
    ASSERT_TRUE(main.shell().Testing);
    for (int t = 0; t < 3000 && main.shell().Testing; ++t) main.TimerTimer();
    ASSERT_FALSE(main.shell().Testing);
    TWorld& world = window->world();
    for (int t = 0; t < 400 && !(world.movies && world.movies->WaitsForStart()); ++t) main.TimerTimer();

    TTestRunWnd* run = window->testRunWindow();
    ASSERT_NE(run, nullptr);
    EXPECT_TRUE(run->isVisible());
    EXPECT_EQ(run->whyText().toStdString(), world.testRun.why);
    EXPECT_EQ(run->whyText().left(20), "The ladybug died at ");
    // The chart: the energy in red and the goal line in green.
    EXPECT_GT(CountColour(run->chart(), qRgb(200, 0, 0)), 50);
    EXPECT_GT(CountColour(run->chart(), qRgb(0, 150, 0)), 50);
    QTest::qWait(50);
    Shot(window, "verdict-world");
    Shot(run, "verdict-run");
    if (const char* dir = std::getenv("QUORBIT_SHOTS"))
      if (QScreen* screen = QGuiApplication::primaryScreen())
        screen->grabWindow(0).save(QString(dir) + "/verdict-desktop.png");
    auto* close = run->findChild<QPushButton*>("CloseButton");
    ASSERT_NE(close, nullptr);
    close->click();
    EXPECT_FALSE(run->isVisible());

    main.onEnding();
    main.shell().brains = nullptr;
    main.progression().brains = nullptr;
    main.progression().world = nullptr;
    window->world().brains = nullptr;
  }
  QDir::setCurrent(keep);
}

TEST(TestRunWindow, ThePlotHintsWhileEmptyNamesItsTracesAndClears) {
  FakeHost fakes;
  TBrainBoard board(fakes.host(), 7);
  ChannelMask in{};
  in[0] = true;
  board.SetIO(&in, nullptr);
  const int node = board.inputBindings[0].node;
  const int snooper = board.AddSnooper(20, 20);
  TPlotWnd plot;
  plot.show();
  auto* clear = plot.findChild<QPushButton*>("ClearButton");
  ASSERT_NE(clear, nullptr);
  EXPECT_FALSE(clear->isEnabled()) << "nothing to clear";
  const QRgb hintGrey = qRgb(150, 150, 150);
  EXPECT_GT(CountColour(plot.chart(), hintGrey), 100);
  plot.Plot(board, {{ElementNode, node}, {ElementSnooper, snooper}});
  for (int t = 0; t < 30; ++t) {
    board.IO().inputs[0][0] = t % 10 < 5 ? 100 : 0;
    board.Step(false);
    plot.Sample(&board);
  }
  EXPECT_EQ(CountColour(plot.chart(), hintGrey), 0);
  EXPECT_TRUE(clear->isEnabled());
  QTest::qWait(20);
  Shot(&plot, "plot-window");
  clear->click();
  EXPECT_TRUE(plot.plot().traces().empty());
  EXPECT_GT(CountColour(plot.chart(), hintGrey), 100);
  // Traces may be chosen again after a Clear, up to the plot's eight.
  plot.Plot(board, {{ElementNode, node}});
  EXPECT_EQ(plot.plot().traces().size(), 1u);
}
