#include <gtest/gtest.h>

#include "shell/LedDisplay.h"

TEST(LedDisplay, FormatsThreeCharactersAndBlanksNegatives) {
  EXPECT_EQ(LedDisplay::Format(1234), "123");
  EXPECT_EQ(LedDisplay::Format(7), "  7");
  EXPECT_EQ(LedDisplay::Format(-1), "   ");
  EXPECT_EQ(LedDisplay::Format(-250), "   ");
  EXPECT_EQ(LedDisplay::SegmentMask('8'), 0x7F);
  EXPECT_EQ(LedDisplay::SegmentMask(' '), 0);
}

TEST(LedDisplay, DrawsOnlyTheSegmentsThatChange) {
  LedDisplay led;
  auto first = led.DrawLed(8, -1, LedDisplay::TimedColour);
  ASSERT_EQ(first.size(), 7u);  // an 8 in the last big position
  for (const LedLine& l : first) {
    EXPECT_EQ(l.colour, LedDisplay::BigColour);
    EXPECT_GE(l.x0, 19);  // position 2: x + 20
  }
  EXPECT_TRUE(led.DrawLed(8, -1, LedDisplay::TimedColour).empty());
  auto toNine = led.DrawLed(9, -1, LedDisplay::TimedColour);  // 0x7F -> 0x73: two segments go dark
  ASSERT_EQ(toNine.size(), 2u);
  EXPECT_EQ(toNine[0].colour, LedDisplay::Black);
  auto small = led.DrawLed(9, 1, LedDisplay::EnergyTestColour);
  ASSERT_EQ(small.size(), 2u);  // "1" lights upper and lower right of the small digit
  EXPECT_EQ(small[0].x0, 27);
  EXPECT_EQ(small[0].y0, 29);
  EXPECT_EQ(small[0].colour, LedDisplay::EnergyTestColour);
  led.Invalidate();
  EXPECT_EQ(led.DrawLed(9, 1, LedDisplay::EnergyTestColour).size(), 7u);  // five for the 9, two for the 1
}
