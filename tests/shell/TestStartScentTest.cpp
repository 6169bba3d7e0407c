// A test never passes on a scent trail that an earlier run laid: starting a test, by the
// shell's button or by the test runner the command line uses, wipes laid trails, while a
// plain reset keeps them and the world file's own trails come back.
#include <gtest/gtest.h>

#include "shell/TestRunner.h"
#include "world/WorldFixtures.h"

namespace {

TEST(TestStart, LaidTrailsSurviveAResetButNotTheStartOfATest) {
  WorldFixture f;
  TScentTrail own;
  own.x1 = 1, own.y1 = 1, own.x2 = 3, own.y2 = 1, own.active = true, own.strength = 100;
  f.world.scentDefinitions.push_back(own);
  f.world.ResetWorld();
  const int laid = f.world.LayScent(0, -1, 5, 5);
  f.world.LayScent(0, laid, 6, 5);
  ASSERT_GT(laid, 0);
  ASSERT_TRUE(f.world.scents[static_cast<size_t>(laid)].active);

  f.world.ResetWorld();
  EXPECT_TRUE(f.world.scents[static_cast<size_t>(laid)].active);  // a reset keeps them

  FakeSound sound;
  MainShell shell{&sound};
  shell.world = &f.world;
  shell.SetTest(TimedEnergyTest, 3, 0);
  const TestOutcome out = RunShellTest(shell, f.world, 200);
  EXPECT_TRUE(out.ended);
  EXPECT_FALSE(f.world.scents[static_cast<size_t>(laid)].active);
  EXPECT_TRUE(f.world.scents[0].active);  // the world's own trail
}

}  // namespace
