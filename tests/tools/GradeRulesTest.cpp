// grade's seed ranges and its rule for a verdict over many runs.
#include <gtest/gtest.h>

#include "cli/GradeRules.h"

TEST(GradeRules, SeedRangesAreInclusiveBoundedAndStrict) {
  std::vector<uint32_t> seeds;
  ASSERT_TRUE(ParseSeedRange("3..6", seeds));
  EXPECT_EQ(seeds, (std::vector<uint32_t>{3, 4, 5, 6}));
  ASSERT_TRUE(ParseSeedRange("7", seeds));
  EXPECT_EQ(seeds, (std::vector<uint32_t>{7}));
  ASSERT_TRUE(ParseSeedRange("4294967295..4294967295", seeds));
  EXPECT_EQ(seeds.size(), 1u);
  for (const char* bad : {"", "..", "6..3", "1..", "..4", "-1..2", "1..x", "1...3", "0..10000", "4294967296"})
    EXPECT_FALSE(ParseSeedRange(bad, seeds)) << bad;
  EXPECT_TRUE(ParseSeedRange("0..9999", seeds));
}

TEST(GradeRules, NineteenOfTwentyPass) {
  EXPECT_TRUE(PassesOverRuns(19, 20));
  EXPECT_FALSE(PassesOverRuns(18, 20));
  EXPECT_TRUE(PassesOverRuns(1, 1));
  EXPECT_FALSE(PassesOverRuns(9, 10));  // one run in ten failing is too many
  EXPECT_TRUE(PassesOverRuns(38, 40));
  EXPECT_FALSE(PassesOverRuns(0, 0));
}
