#include "brain/DialogNumbers.h"

#include <gtest/gtest.h>

#include <climits>

TEST(DialogNumbers, LeadingNumberOrTheDefault) {
  EXPECT_EQ(ReadInteger("120", 100), 120);
  EXPECT_EQ(ReadInteger("  -7x", 0), -7);
  EXPECT_EQ(ReadInteger("50.9", 0), 50);
  EXPECT_EQ(ReadInteger("abc", 100), 100);
  EXPECT_EQ(ReadInteger("", 50), 50);
  EXPECT_EQ(ReadInteger("99999999999999", 0), INT_MAX);
  EXPECT_DOUBLE_EQ(ReadReal("12.5 units", 0), 12.5);
  EXPECT_DOUBLE_EQ(ReadReal("x", 1), 1);
  EXPECT_DOUBLE_EQ(ReadReal("nan", 1), 1);
  EXPECT_DOUBLE_EQ(ReadReal("inf", 0), 0);
  EXPECT_DOUBLE_EQ(ReadReal("1e999", 0), 0);
  EXPECT_DOUBLE_EQ(Clamp(150, -100, 100), 100);
}
