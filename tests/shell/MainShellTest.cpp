#include <gtest/gtest.h>

#include "shell/MainShell.h"
#include "support/Fakes.h"

namespace {
struct FakeWorld : IWorldWindow {
  void Step(int, bool, bool) override { ++steps; }
  void ResetWorld() override { ++resets; }
  void StartWorld() override { started = true; }
  void StopWorld() override { started = false; }
  void TestReadouts(int& follow, int& test) override {
    follow = followEnergy;
    test = testEnergy;
  }
  bool JudgeTest(int kind, int) override {
    judgedKinds.push_back(kind);
    return pass;
  }
  int GetMonitorMode() override { return monitor; }
  void SetMonitorMode(int m) override { monitor = m; }
  void SetSoundsOn(bool) override {}
  void LoopSoundReplaced() override {}
  int steps = 0, resets = 0, followEnergy = 40, testEnergy = 60, monitor = 0;
  bool started = false, pass = true;
  std::vector<int> judgedKinds;
};

struct FakeBrains : IBrainWindow {
  void StepAll(bool) override { ++steps; }
  void ResetAll() override { ++resets; }
  int steps = 0, resets = 0;
};

struct FakeView : IMainView {
  void ShowTestButton(bool s) override { testShown = s; }
  void ShowRunButton(bool s) override { runShown = s; }
  void ShowLedNotDial(bool l) override { led = l; }
  void DrawLedLines(const std::vector<LedLine>&) override {}
  void InvalidateLed() override {}
  void InvalidateDial() override {}
  void RepaintDialNow() override { ++windUpPaints; }
  void ShowCorner() override { corner = true; }
  void SetPageNumberBlack() override {}
  bool BookShown() override { return book; }
  bool testShown = true, runShown = true, led = false, corner = false, book = true;
  int windUpPaints = 0;
};

struct ShellFixture : ::testing::Test {
  ShellFixture() {
    shell.world = &world;
    shell.brains = &brains;
    shell.view = &view;
    shell.WorldId = 101;
    shell.Sounds[MainShell::BellSound] = {std::vector<uint8_t>(440, 1), 50, 20};
    shell.Sounds[MainShell::TickSound] = {std::vector<uint8_t>(44, 2), 10, 2};
  }
  void ArmAndRun() {
    shell.StartTest();
    shell.RunWorld();
  }
  FakeSound sound;
  MainShell shell{&sound};
  FakeWorld world;
  FakeBrains brains;
  FakeView view;
};
}  // namespace

TEST_F(ShellFixture, TimedTestCountsDownWholeSecondsAndEndsWithTheBell) {
  shell.SetTest(TimedEnergyTest, 100, 0);
  EXPECT_TRUE(view.led);
  ArmAndRun();
  EXPECT_FALSE(view.testShown);
  EXPECT_FALSE(view.runShown);
  for (int tick = 1; tick <= 99; ++tick) {
    int before = shell.TestRemaining;
    shell.TimerTick();
    if (before > 60) {
      EXPECT_EQ(shell.led.shown()[1], before > 80 ? 5 : 4) << "tick " << tick;
    }
    EXPECT_EQ(shell.led.shown()[0], 60);
    EXPECT_TRUE(shell.Testing);
  }
  EXPECT_EQ(sound.count(FakeSound::Once), 0);
  shell.CurrentBook = 1;
  shell.CurrentPage = 0;
  shell.TimerTick();  // the hundredth running tick
  EXPECT_FALSE(shell.Testing);
  EXPECT_FALSE(shell.Running);
  EXPECT_EQ(sound.count(FakeSound::Once), 1);
  EXPECT_TRUE(view.testShown && view.runShown);
  EXPECT_EQ(world.judgedKinds, std::vector<int>{TimedEnergyTest});
  EXPECT_EQ(shell.Progress, 101);  // book 1 page 0 was the frontier
}

TEST_F(ShellFixture, PassOnTheFrontierPageRaisesProgressButNotBelowIt) {
  shell.SetTest(TimedEnergyTest, 2, 0);
  shell.CurrentBook = 1;
  shell.CurrentPage = 4;
  shell.Progress = 104;
  ArmAndRun();
  shell.TimerTick();
  shell.TimerTick();
  EXPECT_EQ(shell.Progress, 105);
  EXPECT_TRUE(view.corner);
  view.corner = false;
  ArmAndRun();
  shell.TimerTick();
  shell.TimerTick();
  EXPECT_EQ(shell.Progress, 105);  // page 104 is now below the frontier
  EXPECT_FALSE(view.corner);
}

TEST_F(ShellFixture, EnergyTestTurnsTimedAtTheGoalAndResetTurnsItBack) {
  shell.SetTest(EnergyTest, 40, 80);
  ArmAndRun();
  world.testEnergy = 50;
  shell.TimerTick();
  EXPECT_EQ(shell.TestType, EnergyTest);
  EXPECT_EQ(shell.led.shown()[1], 80);
  EXPECT_EQ(shell.TestRemaining, 40);  // the clock does not move while reaching the goal
  world.testEnergy = 80;
  shell.TimerTick();
  EXPECT_EQ(shell.TestType, EnergyReachedTest);
  EXPECT_EQ(shell.TestRemaining, 40);
  EXPECT_TRUE(shell.Testing);
  shell.TimerTick();
  EXPECT_EQ(shell.TestRemaining, 39);
  shell.ResetExperiment();
  EXPECT_EQ(shell.TestType, EnergyTest);
  EXPECT_FALSE(shell.Testing);
  EXPECT_EQ(shell.TestRemaining, 0);
  EXPECT_TRUE(world.judgedKinds.empty());
}

TEST_F(ShellFixture, DialTestOfNoDurationShowsFrameZeroAndEndsAtTheFirstArmedTick) {
  shell.SetTest(DialTest, 0, 0);
  EXPECT_FALSE(view.led);
  shell.StartTest();
  EXPECT_EQ(shell.CurrentDialFrame(), 0);
  shell.TimerTick();  // armed, not even running
  EXPECT_FALSE(shell.Testing);
  EXPECT_EQ(world.judgedKinds, std::vector<int>{DialTest});
}

TEST_F(ShellFixture, DialWindsUpInTenthsAtLeastOneTickAndTicksAsFramesChange) {
  shell.SetTest(DialTest, 5, 0);
  shell.StartTest();
  EXPECT_EQ(view.windUpPaints, 5);  // durations below ten wind up one tick a step
  EXPECT_EQ(shell.TestRemaining, 5);
  EXPECT_EQ(shell.CurrentDialFrame(), 22);
  shell.SetTest(DialTest, 230, 0);
  view.windUpPaints = 0;
  shell.StartTest();
  EXPECT_EQ(view.windUpPaints, 10);
  shell.RunWorld();
  shell.TimerTick();
  EXPECT_EQ(shell.TestRemaining, 229);
  int ticks = sound.count(FakeSound::Once);
  for (int i = 0; i < 11; ++i) shell.TimerTick();
  EXPECT_EQ(shell.DialFrame, 21);  // read before the clock moves: 219 * 23 / 230 = 21
  EXPECT_GT(sound.count(FakeSound::Once), ticks);
  EXPECT_EQ(MainShell::DialFrameFor(230, 230), 22);
  EXPECT_EQ(MainShell::DialFrameFor(-5, 230), 0);
}

TEST_F(ShellFixture, ArmedButStoppedTestKeepsItsClockAndAsksNoVerdict) {
  shell.SetTest(TimedEnergyTest, 3, 0);
  shell.StartTest();
  for (int i = 0; i < 10; ++i) shell.TimerTick();
  EXPECT_EQ(shell.TestRemaining, 3);
  EXPECT_TRUE(shell.Testing);
  EXPECT_TRUE(world.judgedKinds.empty());
  EXPECT_EQ(shell.TickCount, 0);
  EXPECT_EQ(world.steps, 10);
  EXPECT_EQ(brains.steps, 10);
}

TEST_F(ShellFixture, FreePlayShowsTheFollowCritterAndRunNeedsAnOpenBook) {
  shell.SetTest(TimedEnergyTest, 3, 0);
  view.book = false;
  shell.RunWorld();
  EXPECT_FALSE(shell.Running);
  view.book = true;
  shell.RunWorld();
  EXPECT_TRUE(shell.Running && world.started);
  shell.TimerTick();
  EXPECT_EQ(shell.led.shown()[0], 40);
  EXPECT_EQ(shell.led.shown()[1], -1);
  EXPECT_EQ(shell.TickCount, 1);
  shell.StopRunning();
  EXPECT_FALSE(shell.Running || world.started);
  shell.WorldId = 0;
  shell.TimerTick();
  EXPECT_EQ(world.steps, 1);  // no world loaded: only the brains step
  EXPECT_EQ(brains.steps, 2);
}

TEST_F(ShellFixture, SettingsRoundTripThroughStartAndEnd) {
  shell.Settings.SetText("PageAccess=0\nMonitor=2");
  shell.ReadStartSettings();
  EXPECT_EQ(shell.Progress, 100);
  EXPECT_EQ(world.monitor, 2);
  shell.Settings.SetText("PageAccess=abc");
  shell.ReadStartSettings();
  EXPECT_EQ(shell.Progress, 100);
  EXPECT_EQ(world.monitor, 0);
  world.monitor = 2;
  shell.Settings.SetText("");
  shell.Progress = 203;
  shell.CurrentBook = 2;
  shell.CurrentPage = 3;
  shell.WriteEndSettings(false);
  EXPECT_EQ(shell.Settings.lines(),
            (std::vector<std::string>{"PageAccess=203", "Monitor=2", "OpenBook=2", "OpenPage=3"}));
  shell.WriteEndSettings(true);
  EXPECT_EQ(shell.Settings.ReadSetting("OpenBook"), 0);
  EXPECT_EQ(shell.Settings.ReadSetting("OpenPage"), 0);
}

TEST(MainShellText, TickErrorNamesTheErrorInTheMiddle) {
  EXPECT_EQ(MainShell::TickErrorText("boom"),
            "Sorry, but there has been an error:\n\nboom\n\nIf this happens consistently, please report\n"
            "it on the web site and I will try and fix it.\nYou should exit and restart the program.");
}
