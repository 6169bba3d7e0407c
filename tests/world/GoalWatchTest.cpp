// The garden tests' judge: it watches a body through the world's own step and is content
// only when the body does what the page asks, at the end or once, as its line says.
#include <gtest/gtest.h>

#include "bodies/Cube.h"
#include "bodies/LadyBug.h"
#include "bodies/Letter.h"
#include "bodies/ObjectFixtures.h"
#include "bodies/GoalWatch.h"

namespace {

TGizmoLine GoalLine(int critter, int what, int value, int when, int other = 0) {
  TGizmoLine line;
  line.kind = 'g';
  line.values[0] = critter;
  line.values[1] = what;
  line.values[2] = value;
  line.values[3] = when;
  line.values[4] = other;
  return line;
}

struct GoalWorld : ObjectWorld {
  TGoalWatch* Watch(const TGizmoLine& line) {
    GizmoPorts ports;
    ports.critters = &world.critters;
    auto goal = TGoalWatch::Make(line, ports);
    TGoalWatch* raw = goal.get();
    if (goal) world.gizmos.push_back(std::move(goal));
    return raw;
  }
  void Go() {
    world.ResetWorld();
    world.StartWorld();
  }
};

TEST(GoalWatch, ALetterMustShowItsSignAtTheEndNotJustOnce) {
  GoalWorld w;
  w.Add(std::make_unique<TLetter>(&w.world, "tile", 0, 4, 4, 0, 1, w.Pic()), 0);
  TGoalWatch* goal = w.Watch(GoalLine(0, TGoalWatch::ShowsPicture, 7, TGoalWatch::AtTheEnd));
  ASSERT_NE(goal, nullptr);
  w.Go();
  w.brains.output(0, OutCh::Letter) = 7;  // H
  w.Run(3);
  EXPECT_EQ(goal->verdict, Achieved);
  w.brains.output(0, OutCh::Letter) = 2;  // then C
  w.Run(3);
  EXPECT_EQ(goal->verdict, NotYetAchieved);
  EXPECT_EQ(goal->Shortfall(), "The letter showed C, not H");
  // A reset starts the judging afresh.
  w.brains.output(0, OutCh::Letter) = 7;
  w.Run(1);
  w.world.ResetWorld();
  EXPECT_EQ(goal->verdict, NotYetAchieved);
}

TEST(GoalWatch, OnceIsEnoughKeepsAPushedCubesSuccessAndSaysHowFarItCame) {
  GoalWorld w;
  TCube* cube = w.Add(std::make_unique<TCube>(&w.world, "cube", 0, 4.6f, 5, 0, 0, w.Pic()));
  w.Add(std::make_unique<TLadyBug>(&w.world, "bug", 1, 4, 5, 0, 0, w.Pic(), w.Pic(), nullptr), 1);
  TGoalWatch* far = w.Watch(GoalLine(0, TGoalWatch::MovedAway, 5, TGoalWatch::OnceIsEnough));
  TGoalWatch* tooFar = w.Watch(GoalLine(0, TGoalWatch::MovedAway, 50, TGoalWatch::OnceIsEnough));
  TGoalWatch* near = w.Watch(GoalLine(1, TGoalWatch::CameNear, 4, TGoalWatch::OnceIsEnough, 0));
  w.Go();
  w.brains.output(1, OutCh::GoFwd) = 100;
  w.Run(15);
  ASSERT_GT(cube->x - 4.6f, 0.5f);
  EXPECT_EQ(far->verdict, Achieved);
  EXPECT_EQ(near->verdict, Achieved);
  EXPECT_EQ(tooFar->verdict, NotYetAchieved);
  EXPECT_NE(tooFar->Shortfall().find("The cube moved"), std::string::npos) << tooFar->Shortfall();
  EXPECT_NE(tooFar->Shortfall().find("of the 5.0 squares it needed"), std::string::npos) << tooFar->Shortfall();
  // The Test Run chart draws the same measure against the goal.
  EXPECT_EQ(far->ChartName(), "cube moved (tenths of a square)");
  EXPECT_NEAR(far->Reading(), (cube->x - 4.6f) * 10, 0.01f);
  EXPECT_EQ(far->GoalReading(), 5);
  // Once achieved it stays so when the body is pushed back to where it lay.
  cube->x = cube->startX;
  w.brains.output(1, OutCh::GoFwd) = 0;
  w.Run(2);
  EXPECT_EQ(far->verdict, Achieved);
}

TEST(GoalWatch, AHostileGoalLineNeitherCrashesNorPasses) {
  GoalWorld w;
  w.Add(std::make_unique<TCube>(&w.world, "cube", 0, 4, 4, 0, 0, w.Pic()));
  EXPECT_EQ(w.Watch(GoalLine(0, 9, 1, 0)), nullptr);
  EXPECT_EQ(w.Watch(GoalLine(0, -1, 1, 0)), nullptr);
  EXPECT_EQ(w.Watch(GoalLine(0, 0, 1, 2)), nullptr);
  TGoalWatch* missing = w.Watch(GoalLine(7, TGoalWatch::EnergyAtLeast, 0, TGoalWatch::OnceIsEnough));
  TGoalWatch* noOther = w.Watch(GoalLine(0, TGoalWatch::CameNear, 1000, TGoalWatch::OnceIsEnough, -3));
  w.Go();
  w.Run(3);
  EXPECT_EQ(missing->verdict, NotYetAchieved);
  EXPECT_EQ(noOther->verdict, NotYetAchieved);
  EXPECT_EQ(missing->Shortfall(), "The body this test watches is not in the world.");
  EXPECT_TRUE(w.world.JudgeTest(3, 0) == false);
}

}  // namespace
