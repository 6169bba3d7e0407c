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

// Runs a level's test in the program with a brain that fails it, through "Start test",
// "Run world" and the ticks until the verdict's message stands; checks the run window
// and returns its sentence.
std::string FailInTheProgram(int level, const std::string& board, const std::string& brainFile, QRgb lineColour,
                             const char* shot) {
  const QString keep = QDir::currentPath();
  QDir::setCurrent(QUORBIT_TEST_DATA_DIR);
  std::string why;
  {
    TempFolder exe;
    FakeHost fakes;
    QtTextDraw letters;  // the movie's lines as the program draws them
    Host host = fakes.host();
    host.text = &letters;
    TMainForm main(host, QString::fromStdString(exe.path()));
    EXPECT_TRUE(main.startedOk());
    main.shell().Progress = 799;
    TBrainForm brains(host, 7);
    ProgramWiring wiring(main, brains);
    main.show();
    main.ShowTitle(false);
    main.progression().ShowBook(level / 100);
    main.progression().LoadLevelWorld(level);
    EXPECT_EQ(main.shell().WorldId, level);
    bool loaded = false;
    for (const BrainEntry& e : brains.collection().Brains())
      if (e.name == board) {
        e.board->LoadBrain(*ReadFileBytes(brainFile));
        loaded = true;
      }
    EXPECT_TRUE(loaded);
    TTestWorld* window = main.testWorld();
    window->show();
    main.timer().stop();
    EXPECT_EQ(window->testRunWindow(), nullptr);

    main.shell().StartTest();
    main.shell().RunWorld();
    EXPECT_TRUE(main.shell().Testing);
    for (int t = 0; t < 3000 && main.shell().Testing; ++t) main.TimerTimer();
    EXPECT_FALSE(main.shell().Testing);
    TWorld& world = window->world();
    for (int t = 0; t < 400 && !(world.movies && world.movies->WaitsForStart()); ++t) main.TimerTimer();

    TTestRunWnd* run = window->testRunWindow();
    if (run) {
      EXPECT_TRUE(run->isVisible());
      why = run->whyText().toStdString();
      EXPECT_EQ(why, world.testRun.why);
      EXPECT_GT(CountColour(run->chart(), lineColour), 50);
      QTest::qWait(50);
      Shot(window, (std::string(shot) + "-world").c_str());
      Shot(run, (std::string(shot) + "-run").c_str());
      if (const char* dir = std::getenv("QUORBIT_SHOTS"))
        if (QScreen* screen = QGuiApplication::primaryScreen())
          screen->grabWindow(0).save(QString(dir) + "/" + shot + "-desktop.png");
      auto* close = run->findChild<QPushButton*>("CloseButton");
      EXPECT_NE(close, nullptr);
      if (close) close->click();
      EXPECT_FALSE(run->isVisible());
    } else {
      ADD_FAILURE() << "no run window after the verdict";
    }
    main.onEnding();
    main.shell().brains = nullptr;
    main.progression().brains = nullptr;
    main.progression().world = nullptr;
    window->world().brains = nullptr;
  }
  QDir::setCurrent(keep);
  return why;
}

TEST(TestRunWindow, AFailedTestShowsItsRunAndWhyBesideTheWorld) {
  // The ladybug's energy in red against its goal.
  const std::string why = FailInTheProgram(205, "LadyBug", "testbrain/w205f.brn", qRgb(200, 0, 0), "verdict");
  EXPECT_EQ(why.substr(0, 20), "The ladybug died at ");
}

TEST(TestRunWindow, ALabBenchShowsEachLightAgainstWhatWasWanted) {
  // Light 1 in red, and its target dashed in a paler red.
  const std::string why = FailInTheProgram(103, "Lab", "testbrain/w103f.brn", qRgb(210, 0, 0), "verdict-lab");
  EXPECT_EQ(why.substr(0, 35), "Light 2 was on while it should be o");
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
