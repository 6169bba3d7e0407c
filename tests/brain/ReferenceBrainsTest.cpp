// The reference brains the build makes from data/testbrain/scripts load cleanly, bound
// to the channels their levels offer, with neurons and wires in place.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "brain/BrainFileFormat.h"
#include "brain/Brainboard.h"
#include "platform/Files.h"
#include "support/Fakes.h"

namespace {

TEST(ReferenceBrains, EveryScriptHasABuiltBrainThatLoads) {
  const std::vector<std::string> scripts = ListFiles(QUORBIT_SOURCE_DIR "/data/testbrain/scripts", ".txt");
  // Books 1 and 2 at least; every solution comes with its failing twin. Page brains may
  // come before their level has a test. Other scripts are the levels' hidden brains.
  ASSERT_GE(scripts.size(), 54u);
  auto has = [&](const std::string& name) { return std::find(scripts.begin(), scripts.end(), name) != scripts.end(); };
  for (const std::string& script : scripts) {
    const std::string level = script.substr(0, script.find('.'));
    const bool test = level.size() >= 4 && level[0] == 'w' && std::isdigit(static_cast<unsigned char>(level[1]));
    if (test && std::isdigit(static_cast<unsigned char>(level.back()))) {
      EXPECT_TRUE(has(level + "f.txt")) << level;
    }
    const auto bytes = ReadFileBytes(test ? QUORBIT_TEST_DATA_DIR "/testbrain/" + level + ".brn"
                                          : QUORBIT_TEST_DATA_DIR "/worlds/" + level + ".brx");
    ASSERT_TRUE(bytes) << level;
    FakeHost fake;
    TBrainBoard board(fake.host(), 1, !test);
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
