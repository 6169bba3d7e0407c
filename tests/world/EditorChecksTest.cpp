// The property dialogs' checks on OK, in their order.
#include <gtest/gtest.h>

#include "world/EditorChecks.h"
#include "world/WorldEditing.h"

TEST(EditorChecks, TheTestDialogChecksTheCritterTimeAndEnergy) {
  EXPECT_TRUE(CheckTestDialog(0, false, "", "").ok());
  EXPECT_EQ(CheckTestDialog(1, false, "10", "10").text, "Please choose a test critter");
  EXPECT_EQ(CheckTestDialog(1, true, "", "10").text, "Test time should be between 1 and 999");
  EXPECT_EQ(CheckTestDialog(2, true, "1000", "10").field, 2);
  EXPECT_EQ(CheckTestDialog(2, true, "999", "101").text, "Test energy should be between 0 and 100");
  EXPECT_EQ(CheckTestDialog(1, true, "5", "abc").ok(), true);  // not a number reads as 0
  // "Timed  / Show time" checks only the energy.
  EXPECT_TRUE(CheckTestDialog(3, true, "", "0").ok());
  EXPECT_EQ(CheckTestDialog(3, true, "", "-1").field, 3);
}

TEST(EditorChecks, TheBrainDialogRefusesSpacesAndOddNames) {
  EXPECT_TRUE(CheckBrainDialog(0, "", "").ok());
  EXPECT_EQ(CheckBrainDialog(2, "", "x").text, "Please enter a brain file name");
  EXPECT_EQ(CheckBrainDialog(2, "my brain.brx", "").text, "Please don't use spaces in file name");
  EXPECT_EQ(CheckBrainDialog(2, "../x.brx", "").field, 1);
  EXPECT_TRUE(CheckBrainDialog(2, "mybrain.brx", "").ok());
  EXPECT_EQ(CheckBrainDialog(1, "", "").text, "Please enter a brain name");
  EXPECT_EQ(CheckBrainDialog(1, "", "Lady Bug").text, "Please use only letters and numbers in name (no spaces)");
  EXPECT_TRUE(CheckBrainDialog(1, "", "LadyBug2").ok());
}

TEST(EditorChecks, TheEnergyDialogWantsNumbersOfAtLeastZero) {
  float start = -1, loss = -1;
  EXPECT_EQ(CheckEnergyDialog("-1", "0", start, loss).text, "Start energy should be at least zero");
  EXPECT_EQ(CheckEnergyDialog("1", "-0.5", start, loss).text, "Rate of use should be at least zero");
  EXPECT_EQ(CheckEnergyDialog("lots", "0", start, loss).text, "Please enter a number for Start energy");
  EXPECT_EQ(CheckEnergyDialog("5", "", start, loss).field, 2);
  EXPECT_EQ(start, -1);
  ASSERT_TRUE(CheckEnergyDialog(" 50 ", "0.25", start, loss).ok());
  EXPECT_FLOAT_EQ(start, 50);
  EXPECT_FLOAT_EQ(loss, 0.25f);
}

TEST(EditorChecks, ARuleTypedWithDirectionsFiveAndTwoKeepsFiveAndFive) {
  RuleBoxes b{"1.5", "2", "3", "0", "1", "5", "2", true, false, true};
  TPlacement r;
  ASSERT_TRUE(RuleFromBoxes(b, r).ok());
  EXPECT_EQ(r.directionFrom, 5);
  EXPECT_EQ(r.directionTo, 5);
  EXPECT_EQ(r.modeMask, PlaceOnCreation | PlaceOnReset);
  EXPECT_FLOAT_EQ(r.centreX, 1.5f);
  b.minDir = "-4", b.maxDir = "x";
  ASSERT_TRUE(RuleFromBoxes(b, r).ok());
  EXPECT_EQ(r.directionFrom, 0);
  EXPECT_EQ(r.directionTo, 0);
  b.radius = "wide";
  DialogProblem p = RuleFromBoxes(b, r);
  EXPECT_EQ(p.text, "Please enter a number for Radius");
  EXPECT_EQ(p.field, 3);
  RuleBoxes back = BoxesOfRule(r);
  EXPECT_EQ(back.centreX, "1.50");
  EXPECT_EQ(PlacementText(r), "1.50, 2.00, 3.00");
}
