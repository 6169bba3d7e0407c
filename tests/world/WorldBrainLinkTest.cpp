#include "world/WorldBrainLink.h"

#include <gtest/gtest.h>

#include "support/Fakes.h"

TEST(WorldBrainLink, ReachesEachBrainsChannelsByNumberAndAsksEveryBrain) {
  FakeHost fake;
  TBrainCollection brains(fake.host(), 3);
  ChannelMask in{}, out{};
  in[4] = true, out[4] = true;
  const int number = brains.AttachBrain("Bug", in, false, out);
  TWorldBrainLink port(brains);
  int32_t* inputs = port.BrainInputs(number);
  ASSERT_NE(inputs, nullptr);
  inputs[4 * 8 + 0] = 100;  // channel 4, sub-value 0
  EXPECT_EQ(brains.BrainIO(number)->inputs[4][0], 100);
  brains.BrainIO(number)->outputs[4][1] = 77;
  EXPECT_EQ(port.BrainOutputs(number)[4 * 8 + 1], 77);
  EXPECT_EQ(port.BrainInputs(-1), nullptr);
  EXPECT_EQ(port.BrainOutputs(99), nullptr);
  EXPECT_FALSE(port.AnyBrainTouched());
  brains.Board(number)->MarkTouched();
  EXPECT_TRUE(port.AnyBrainTouched());
  brains.ResetAll();
  EXPECT_FALSE(port.AnyBrainTouched());
  EXPECT_FALSE(port.AnyBrainUsesSimulatedInput());
}
