#include <gtest/gtest.h>

#include "world/MonitorStrip.h"

TEST(MonitorStrip, VisibilityByMode) {
  // mode, toggle, maximised, width, height -> shown
  EXPECT_TRUE(MonitorStrip::Visible(0, false, true, true, 200, 100));
  EXPECT_FALSE(MonitorStrip::Visible(0, true, true, false, 1000, 800));
  EXPECT_TRUE(MonitorStrip::Visible(1, false, true, false, 321, 100));
  EXPECT_TRUE(MonitorStrip::Visible(1, false, true, false, 100, 241));
  EXPECT_FALSE(MonitorStrip::Visible(1, true, true, true, 320, 240));
  EXPECT_TRUE(MonitorStrip::Visible(2, true, true, false, 10, 10));
  EXPECT_FALSE(MonitorStrip::Visible(2, false, true, true, 1000, 800));
  EXPECT_TRUE(MonitorStrip::Visible(3, false, true, false, 10, 10));
  EXPECT_FALSE(MonitorStrip::Visible(MonitorStrip::NeverMode, true, true, true, 1000, 800));
  // A movie holding the view hides it in every mode.
  for (int mode = 0; mode <= 3; ++mode) EXPECT_FALSE(MonitorStrip::Visible(mode, true, false, true, 1000, 800));
}

TEST(MonitorStrip, FrameIndexBits) {
  EXPECT_EQ(MonitorStrip::Frame(false, false, false), 0);
  EXPECT_EQ(MonitorStrip::Frame(true, false, false), 1);
  EXPECT_EQ(MonitorStrip::Frame(false, false, true), 4);
  EXPECT_EQ(MonitorStrip::Frame(true, false, true), 5);
  EXPECT_EQ(MonitorStrip::Frame(false, true, true), 2);
  EXPECT_EQ(MonitorStrip::Frame(true, true, true), 3);
}

TEST(MonitorStrip, ClickZonesAndPressedMarks) {
  MonitorStrip m;
  EXPECT_EQ(m.Press(0), MonitorZone::Test);
  EXPECT_EQ(m.Press(14), MonitorZone::Test);
  EXPECT_TRUE(m.testHeld);
  EXPECT_FALSE(m.resetHeld);
  m.Release();
  EXPECT_EQ(m.Press(15), MonitorZone::Reset);
  EXPECT_EQ(m.Press(30), MonitorZone::Reset);
  EXPECT_TRUE(m.resetHeld);
  EXPECT_FALSE(m.testHeld);
  m.Release();
  EXPECT_FALSE(m.resetHeld);
  EXPECT_EQ(m.Press(31), MonitorZone::Run);
  EXPECT_EQ(m.Press(45), MonitorZone::Run);
  EXPECT_EQ(m.Press(46), MonitorZone::None);
  EXPECT_EQ(m.Press(48), MonitorZone::None);
  EXPECT_EQ(m.Press(-1), MonitorZone::None);
  EXPECT_FALSE(m.testHeld || m.resetHeld);
}
