#include <gtest/gtest.h>

#include <cmath>

#include "world/ChalkStroke.h"

namespace {
// A stroke of `count` points starting at (x, y) and moving by (dx, dy) each point.
TChalkStroke Line(int count, int x, int y, int dx, int dy) {
  TChalkStroke s;
  s.Start(x, y);
  for (int k = 1; k < count; ++k) s.Add(x + k * dx, y + k * dy);
  return s;
}

// A stroke whose points carry their index in x, so the sampled indexes can be read back
// from the marks.
TChalkStroke Indexed(int count) {
  TChalkStroke s;
  s.Start(0, 0);
  for (int k = 1; k < count; ++k) s.Add(k, k * k);
  return s;
}
}  // namespace

TEST(ChalkStroke, StopsGrowingAt1999AndLaterMovesOverwriteTheLast) {
  TChalkStroke s = Line(1999, 0, 0, 1, 0);
  EXPECT_EQ(s.count(), 1999);
  s.Add(-5, -6);
  s.Add(-7, -8);
  EXPECT_EQ(s.count(), 1999);
  EXPECT_EQ(s.x(1998), -7);
  EXPECT_EQ(s.y(1998), -8);
  EXPECT_EQ(s.x(1997), 1997);
  s.Start(3, 4);
  EXPECT_EQ(s.count(), 1);
  EXPECT_EQ(s.x(0), 3);
}

TEST(ChalkStroke, SevenPointsNeedSixteenAndSampleEveryOtherIndexFromOne) {
  ChalkFeatures short15 = ComputeChalkFeatures(Indexed(15), 7);
  EXPECT_FALSE(short15.computed);
  EXPECT_TRUE(short15.marks.empty());
  for (int v : short15.values) EXPECT_EQ(v, 0);

  ChalkFeatures f = ComputeChalkFeatures(Indexed(16), 7);
  ASSERT_TRUE(f.computed);
  ASSERT_EQ(f.marks.size(), 7u);
  for (int k = 0; k < 7; ++k) EXPECT_EQ(f.marks[static_cast<size_t>(k)].x, 1 + 2 * k);
  for (int k = 7; k < 10; ++k) EXPECT_EQ(f.values[static_cast<size_t>(k)], 0);
}

TEST(ChalkStroke, StraightStrokesGiveTheirDirectionValues) {
  struct Case {
    int dx, dy, value;
  } cases[] = {{0, 3, 0}, {3, 0, -50}, {0, -3, -100}, {-3, 0, 50}, {2, 2, -25}, {-2, 2, 25}, {-2, -2, 75}, {2, -2, -75}};
  for (const Case& c : cases) {
    ChalkFeatures f = ComputeChalkFeatures(Line(40, 90, 100, c.dx, c.dy), 5);
    ASSERT_TRUE(f.computed);
    for (int k = 0; k < 5; ++k) EXPECT_EQ(f.values[static_cast<size_t>(k)], c.value) << c.dx << " " << c.dy;
    for (int k = 5; k < 10; ++k) EXPECT_EQ(f.values[static_cast<size_t>(k)], 0);
    // The mark's line points the way the stroke went, 15 pixels long.
    const ChalkMark& m = f.marks[0];
    EXPECT_EQ((m.endX - m.x) * c.dx >= 0 && (m.endY - m.y) * c.dy >= 0, true);
    EXPECT_NEAR(std::hypot(m.endX - m.x, m.endY - m.y), 15.0, 1.0);
    EXPECT_EQ(m.textLeft, c.value < 1);
  }
  EXPECT_EQ(ChalkDirectionValue(0, 0), -100);  // no move counts as up
}

TEST(ChalkStroke, PointCountTextAndItsLimits) {
  EXPECT_EQ(ChalkPointCount("7"), 7);
  EXPECT_EQ(ChalkPointCount(" 10"), 10);
  EXPECT_EQ(ChalkPointCount("seven"), 6);
  EXPECT_EQ(ChalkPointCount(""), 6);
  EXPECT_EQ(ChalkPointCount("-3"), -3);
  TChalkStroke long1000 = Line(1000, 0, 0, 0, 1);
  // More than ten points give ten; none give nothing, and never divide by zero.
  EXPECT_EQ(ComputeChalkFeatures(long1000, 50).marks.size(), 10u);
  EXPECT_FALSE(ComputeChalkFeatures(long1000, 0).computed);
  EXPECT_FALSE(ComputeChalkFeatures(long1000, -3).computed);
  EXPECT_FALSE(ComputeChalkFeatures(TChalkStroke{}, 1).computed);
  EXPECT_FALSE(ComputeChalkFeatures(Line(2, 0, 0, 1, 1), 1).computed);
  EXPECT_TRUE(ComputeChalkFeatures(Line(4, 0, 0, 1, 1), 1).computed);
}
