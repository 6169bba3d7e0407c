// The run a test keeps: the judged body's energy tick by tick, what it says about why
// the verdict went so, the message's second line and the chart it draws.
#include <gtest/gtest.h>

#include <cmath>

#include "world/MovieQueue.h"
#include "world/WorldFixtures.h"

namespace {

struct QueuedSteps : IWorldMovies {
  bool HoldsWorld() override { return false; }
  bool Step() override { return false; }
  bool Reset() override { return false; }
  bool WaitsForStart() override { return false; }
  void Queue(int code, const std::string& text) override { steps.push_back({code, text}); }
  std::string Message() const {
    for (const MovieStep& s : steps)
      if (s.code == MovieMessage) return s.text;
    return "";
  }
  std::vector<MovieStep> steps;
};

struct TouchedBrains : IWorldBrains {
  int32_t* BrainInputs(int) override { return nullptr; }
  const int32_t* BrainOutputs(int) override { return nullptr; }
  bool AnyBrainTouched() override { return touched; }
  bool touched = false;
};

struct ShownRuns : RecordingScreen {
  void ShowTestRun(const TTestRun& run) override { whys.push_back(run.why); }
  std::vector<std::string> whys;
};

class TestRunTest : public ::testing::Test {
 protected:
  TestRunTest() {
    f.world.movies = &movies;
    f.world.screen = &shown;
    bug = f.Add(5, 5, 0, 1);  // a ladybug
    f.world.testCritter = 0;
  }
  // One test tick per energy value; the body dies at tick `dies`.
  void Run(const std::vector<float>& energies, int dies = -1) {
    for (size_t k = 0; k < energies.size(); ++k) {
      bug->energy = energies[k];
      if (static_cast<int>(k) == dies) bug->dead = true;
      f.world.Step(static_cast<int>(k), true, true);
    }
  }
  WorldFixture f;
  QueuedSteps movies;
  ShownRuns shown;
  TestCritter* bug = nullptr;
};

TEST_F(TestRunTest, ADeathIsToldWithItsTimeMarkedAndAddedToTheMessage) {
  f.world.Step(0, true, false);  // a tick outside the test is not part of the run
  Run({40, 30, 20, 10, 5, 2, 1, 0, 0, 0, 0, 0}, 9);
  const TTestRun& run = f.world.testRun;
  EXPECT_EQ(run.energy.size(), 12u);
  EXPECT_FALSE(f.world.JudgeTest(1, 50));
  EXPECT_EQ(run.diedAt, 9);
  EXPECT_EQ(run.failAt, 9);
  EXPECT_EQ(run.goal, 50);
  EXPECT_EQ(run.reached, 0);
  EXPECT_EQ(run.why, "The ladybug died at 0.5 s, with 0 of the 50 energy it needed.");
  EXPECT_EQ(movies.Message(), "It didn't make it\n" + run.why);
  ASSERT_EQ(shown.whys.size(), 1u) << "the window hears of the run once, at the verdict";
  EXPECT_EQ(shown.whys[0], run.why);
  const ChartPlan chart = run.Chart();
  EXPECT_EQ(chart.markAt, 9);
  EXPECT_EQ(chart.markLabel, "died at 0.5 s");
  ASSERT_EQ(chart.levels.size(), 1u);
  EXPECT_EQ(chart.levels[0].value, 50);
  ASSERT_EQ(chart.series.size(), 1u);
  EXPECT_EQ(chart.series[0].values, run.energy);
  // A new test starts a new run.
  f.world.ResetWorld();
  EXPECT_TRUE(f.world.testRun.energy.empty());
  EXPECT_TRUE(f.world.testRun.why.empty());
}

TEST_F(TestRunTest, TimeUpSaysHowFarItGotAndAGoalItHadAndLost) {
  Run({40, 48, 52, 61, 55, 47, 45, 45, 45, 45, 45, 45, 45, 45, 45, 45, 45, 45, 45, 44.6f});
  EXPECT_FALSE(f.world.JudgeTest(1, 50));
  const TTestRun& run = f.world.testRun;
  EXPECT_EQ(run.reached, 45);  // rounded as the verdict rounds
  EXPECT_EQ(run.failAt, 19);
  EXPECT_EQ(run.why,
            "The ladybug reached 45 of the 50 energy it needed when the time ran out at 1.0 s. "
            "It had 61 at 0.2 s but lost it again.");
  EXPECT_EQ(movies.Message(), "Time's up\n" + run.why);
  EXPECT_EQ(run.Chart().markLabel, "45 of 50");
}

TEST_F(TestRunTest, APassIsToldButTheWinningMessageKeepsOneLine) {
  Run({40, 45, 50, 55});
  EXPECT_TRUE(f.world.JudgeTest(1, 50));
  EXPECT_EQ(f.world.testRun.why, "The ladybug reached 55 of the 50 energy it needed.");
  EXPECT_EQ(movies.Message(), "This bug is a winner");
  EXPECT_EQ(f.world.testRun.failAt, -1);

  // An energy test: the goal was reached on the way and the body stayed alive.
  f.world.ResetWorld();
  movies.steps.clear();
  Run({40, 45, 50, 30});
  EXPECT_TRUE(f.world.JudgeTest(4, 50));
  EXPECT_EQ(f.world.testRun.why, "The ladybug reached its goal of 50 energy at 0.2 s and stayed alive.");

  // A test that asks only to stay alive speaks of no energy goal.
  f.world.ResetWorld();
  movies.steps.clear();
  Run({40, 38, 37});
  EXPECT_TRUE(f.world.JudgeTest(1, 0));
  EXPECT_EQ(f.world.testRun.why, "The ladybug stayed alive to the end, with 37 energy.");
}

TEST_F(TestRunTest, TheBrainRulesComeBeforeTheBodyInTheSentenceToo) {
  TouchedBrains brains;
  brains.touched = true;
  f.world.brains = &brains;
  Run({60, 60});
  EXPECT_FALSE(f.world.JudgeTest(1, 50));
  EXPECT_EQ(f.world.testRun.why, "The brain was changed after the test had started.");
  EXPECT_EQ(movies.Message(), "Don't touch the brain\n" + f.world.testRun.why);
  f.world.brains = nullptr;
}

TEST_F(TestRunTest, TheChartDrawsTheEnergyAgainstItsGoalWithTheFailingPoint) {
  Run({40, 30, 20, 10, 0, 0}, 4);
  f.world.JudgeTest(1, 60);
  const ChartPlan plan = f.world.testRun.Chart();
  const IndexedImage picture = RenderChart(plan);
  ASSERT_EQ(picture.width(), ChartWidth);
  // The goal line is dashed across at 60, the energy starts at 40 on the left edge, and
  // the mark stands where the body died.
  const Rgb goal = picture.palette[picture.at(ChartLeft + 2, ChartRow(plan, 60))];
  EXPECT_EQ(goal, plan.levels[0].colour);
  EXPECT_EQ(picture.palette[picture.at(ChartLeft, ChartRow(plan, 40))], plan.series[0].colour);
  const int x = ChartColumn(plan, 4, 6);
  EXPECT_EQ(picture.palette[picture.at(x, ChartTop(plan) + 40)], (Rgb{220, 0, 0}));
}

// The message's second line is drawn smaller under the first (broken into lines that fit
// the view); in a short view both share the band below the movie, the first line made
// smaller and moved up.
TEST(VerdictMessage, TheSecondLineStandsUnderTheFirstInSmallerLetters) {
  for (int height : {480, 240}) {
    FakeHost fake;
    MovieQueue queue{&fake.messages, &fake.text, nullptr};
    IndexedImage view{320, height, 0}, window{320, height, 0};
    MovieScreen screen{&view, &window, nullptr};
    queue.QueueMovieStep(MovieMessage, "Time's up\nIt had 45 of 50.");
    queue.Step(screen);
    ASSERT_EQ(fake.text.drawn.size(), 2u) << height;
    EXPECT_EQ(fake.text.drawn[0], "Time's up");
    EXPECT_EQ(fake.text.drawn[1], "It had 45 of 50.");
    ASSERT_EQ(fake.text.sizes.size(), 2u);
    EXPECT_LT(fake.text.sizes[1], fake.text.sizes[0]);
    // FakeText marks the top left of each letter: both lines lie in the message band,
    // the second below the first and within the view.
    std::vector<int> rows;
    for (int y = height / 2 + 80; y < height; ++y)
      for (int x = 0; x < 320; ++x)
        if (window.at(x, y) != 0 && (rows.empty() || rows.back() != y)) rows.push_back(y);
    ASSERT_EQ(rows.size(), 2u) << height;
    EXPECT_GT(rows[1], rows[0]);
    EXPECT_LE(rows[1] + 13, height) << "the second line's letters fit the view";
  }
}

}  // namespace
