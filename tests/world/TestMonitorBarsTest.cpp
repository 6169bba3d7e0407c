#include <gtest/gtest.h>

#include "world/TestMonitorBars.h"

TEST(TestMonitorBars, DrawsBothBarsCappedAndPutsTheStripBack) {
  IndexedImage view(320, 240, 7);
  TestMonitorBars bars;
  bars.Draw(view, 25, 50, 300, 200);  // half the energy, more time than the test had
  EXPECT_EQ(view.at(49, 2), TestMonitorBars::EnergyColour);
  EXPECT_EQ(view.at(98, 8), TestMonitorBars::EnergyColour);
  EXPECT_EQ(view.at(99, 2), 7);  // 50 pixels from column 49
  EXPECT_EQ(view.at(148, 17), TestMonitorBars::TimeColour);
  EXPECT_EQ(view.at(149, 12), 0);  // the end mark
  EXPECT_EQ(view.at(120, 9), 0);
  EXPECT_EQ(view.at(120, 19), 7);
  EXPECT_EQ(view.at(48, 2), 7);
  bars.Restore(view);
  for (int y = 0; y < 20; ++y)
    for (int x = 40; x < 160; ++x) ASSERT_EQ(view.at(x, y), 7) << x << "," << y;
  IndexedImage narrow(100, 240, 7);
  bars.Draw(narrow, 25, 50, 10, 20);  // too narrow for the strip: left alone
  EXPECT_EQ(narrow.at(60, 2), 7);
}
