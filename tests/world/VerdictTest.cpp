#include <gtest/gtest.h>

#include "world/Verdict.h"

namespace {
VerdictFacts CritterTest(float energy, float goal, int kind = 1) {
  VerdictFacts f;
  f.hasTestCritter = true;
  f.critterType = 1;
  f.critterEnergy = energy;
  f.energyGoal = goal;
  f.kind = kind;
  return f;
}
}  // namespace

TEST(Verdict, TouchedBrainFailsFirstEvenWhenTheGoalWasMet) {
  VerdictFacts f = CritterTest(90, 50);
  f.brainTouched = true;
  f.simulatedInput = true;
  Verdict v = JudgeVerdict(f);
  EXPECT_FALSE(v.passed);
  ASSERT_EQ(v.steps.size(), 6u);
  EXPECT_EQ(v.steps[2], (MovieStep{MovieFadeIn, "movie\\ouch.mvi"}));
  f.brainTouched = false;
  EXPECT_EQ(JudgeVerdict(f).steps[4], (MovieStep{MovieMessage, "Key or File Input Node"}));
}

TEST(Verdict, GizmoCodesPickTheFirstFailureAndIncorrectOutputStartsItsMovieFirst) {
  VerdictFacts f;
  f.gizmoCodes = {0, 0};
  Verdict pass = JudgeVerdict(f);
  EXPECT_TRUE(pass.passed);
  EXPECT_TRUE(pass.steps.empty());  // nothing queued without a script
  f.gizmoCodes = {0, 3, 1};
  Verdict wrong = JudgeVerdict(f);
  EXPECT_FALSE(wrong.passed);
  EXPECT_EQ(wrong.steps[0], (MovieStep{MovieFadeView, "FadeToBlack"}));
  EXPECT_EQ(wrong.steps[1], (MovieStep{MovieFadeIn, "movie\\fail.mvi"}));
  EXPECT_EQ(wrong.steps[2], (MovieStep{MovieTitle, "Test Failed"}));
  EXPECT_EQ(wrong.steps[3], (MovieStep{MoviePause, "10"}));
  EXPECT_EQ(wrong.steps[5], (MovieStep{MoviePause, "-1"}));
  f.gizmoCodes = {5};
  EXPECT_EQ(JudgeVerdict(f).steps[4].text, "Don't waste it!");
  // The chalk board's codes say what to do.
  f.gizmoCodes = {6};
  EXPECT_EQ(JudgeVerdict(f).steps[4].text, "Record some digits and let the brain learn first");
  f.gizmoCodes = {0, 7};
  EXPECT_EQ(JudgeVerdict(f).steps[4].text, "A digit it never learned from lit the wrong lamp");
  f.gizmoCodes = {8};
  EXPECT_EQ(JudgeVerdict(f).steps[4].text, "Record five of each digit, then Save them");
  f.gizmoCodes = {9};
  Verdict odd = JudgeVerdict(f);
  EXPECT_FALSE(odd.passed);
  EXPECT_TRUE(odd.steps.empty());
}

TEST(Verdict, EnergyGoalIsComparedRoundedAndKindThreeStillNeedsIt) {
  EXPECT_TRUE(JudgeVerdict(CritterTest(49.5f, 50)).passed);
  Verdict missed = JudgeVerdict(CritterTest(49.4f, 50, 3));
  EXPECT_FALSE(missed.passed);
  EXPECT_EQ(missed.steps[1], (MovieStep{MovieTitle, "Test failed"}));
  EXPECT_TRUE(JudgeVerdict(CritterTest(10, 50, 4)).passed);  // the energy test reached its goal earlier
  VerdictFacts dead = CritterTest(90, 50);
  dead.critterDead = true;
  EXPECT_EQ(JudgeVerdict(dead).steps[1], (MovieStep{MovieTitle, "Sorry"}));
}

TEST(Verdict, WinsUseTheWorldScriptOrTheSequenceOfTheCrittersKind) {
  VerdictFacts f = CritterTest(80, 50);
  EXPECT_EQ(JudgeVerdict(f).steps[2].text, "movie\\bugwave.mvi");
  f.critterType = 11;
  EXPECT_EQ(JudgeVerdict(f).steps[4].text, "This worm is a winner");
  f.critterType = 15;
  EXPECT_EQ(JudgeVerdict(f).steps[2].text, "movie\\antwin.mvi");
  f.worldScript = {{MovieRun, "movie\\party.mvi"}};
  EXPECT_EQ(JudgeVerdict(f).steps, f.worldScript);
  f.critterEnergy = 10;  // failures never use the script
  EXPECT_EQ(JudgeVerdict(f).steps.size(), 6u);
}

#include <unistd.h>

#include <climits>

#include "world/WorldFixtures.h"
#include "world/WorldMovies.h"

TEST(Verdict, TheWorldQueuesItsVerdictAndWaitsOnTheFinalPause) {
  char keep[PATH_MAX];
  ASSERT_TRUE(getcwd(keep, sizeof keep));
  ASSERT_EQ(chdir(QUORBIT_TEST_DATA_DIR), 0);  // where the verdict movies are
  WorldFixture f;
  FakeHost fakes;
  WorldMovies movies(&fakes.messages, &fakes.text, &fakes.sound);
  movies.Attach(&f.world);
  f.world.movies = &movies;
  f.world.testCritter = 0;
  TestCritter* bug = f.Add(5, 5);
  bug->energy = 20;
  EXPECT_FALSE(f.world.JudgeTest(1, 50));
  EXPECT_EQ(movies.queue.queued().size(), 6u);
  EXPECT_TRUE(movies.HoldsWorld());
  int ticks = 0;
  while (!movies.WaitsForStart() && ticks < 2000) f.world.Step(ticks++, false, false);
  EXPECT_TRUE(movies.WaitsForStart());
  EXPECT_EQ(bug->steps, 0);  // the simulation waited all along
  EXPECT_TRUE(fakes.messages.shown.empty());
  f.world.StartWorld();
  EXPECT_FALSE(movies.HoldsWorld());
  EXPECT_TRUE(f.world.fullRedrawFlag);
  ASSERT_EQ(chdir(keep), 0);
}
