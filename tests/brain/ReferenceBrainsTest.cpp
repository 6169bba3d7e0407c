// The reference brains the build makes from data/testbrain/scripts load cleanly, bound
// to the channels their levels offer, with neurons and wires in place.
#include <gtest/gtest.h>

#include <algorithm>

#include "brain/BrainFileFormat.h"
#include "brain/Brainboard.h"
#include "platform/Files.h"
#include "support/Fakes.h"

namespace {

TEST(ReferenceBrains, EveryScriptHasABuiltBrainThatLoads) {
  const std::vector<std::string> scripts = ListFiles(QUORBIT_SOURCE_DIR "/data/testbrain/scripts", ".txt");
  // Books 1 and 2 at least; every reference brain comes with its failing twin.
  ASSERT_GE(scripts.size(), 36u);
  for (const std::string& script : scripts) {
    const std::string level = script.substr(0, script.find('.'));
    if (level.back() != 'f') {
      EXPECT_NE(std::find(scripts.begin(), scripts.end(), level + "f.txt"), scripts.end()) << level;
    }
    const auto bytes = ReadFileBytes(QUORBIT_TEST_DATA_DIR "/testbrain/" + level + ".brn");
    ASSERT_TRUE(bytes) << level;
    FakeHost fake;
    TBrainBoard board(fake.host(), 1);
    ChannelMask in{}, out{};
    ReadBoundChannels(bytes->data(), bytes->size(), in, out);
    board.SetIO(&in, &out);
    board.LoadBrain(*bytes);
    EXPECT_TRUE(fake.messages.shown.empty()) << level;
    EXPECT_FALSE(board.broken) << level;
    EXPECT_GT(board.neurons.used(), 0) << level;
    int wires = 0;
    for (int i = 0; i < board.nodes.used(); ++i)
      if (board.nodes.live(i) && board.nodes[i].type == OutputNode)
        for (int k : board.nodes[i].slotKind) wires += k == SlotWireEnd;
    EXPECT_GT(wires, 0) << level;
  }
}

}  // namespace
