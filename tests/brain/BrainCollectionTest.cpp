#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "brain/BrainCollection.h"
#include "platform/Files.h"
#include "support/Fakes.h"

class CollectionTest : public ::testing::Test {
 protected:
  FakeHost fake;
  TBrainCollection brains{fake.host(), 99};
  ChannelMask bugIn = DecodeChannelMask("C000"), bugOut = DecodeChannelMask("70");
};

TEST_F(CollectionTest, StartsWithOneEmptyShownBrain) {
  ASSERT_EQ(brains.Tabs().size(), 1u);
  EXPECT_EQ(brains.BrainName(0), "Empty");
  EXPECT_TRUE(brains.ShownBoard()->visible);
  EXPECT_EQ(brains.ShownBoard()->number, 0);
  EXPECT_EQ(brains.BrainIO(-1), nullptr);
  EXPECT_EQ(brains.BrainIO(5), nullptr);
  EXPECT_EQ(brains.BrainName(5), "");
}

TEST_F(CollectionTest, EmptyTabTakesTheWorldsBrainAndGetsItBack) {
  const int n = brains.AttachBrain("Bug", bugIn, false, bugOut);
  EXPECT_EQ(n, 0);
  EXPECT_EQ(brains.BrainName(0), "Bug");
  TBrainBoard& board = *brains.Board(0);
  EXPECT_TRUE(board.attached);
  EXPECT_TRUE(board.inputBindings[14].bound);
  const int neuron = board.AddNeuron(20, 20);
  brains.BrainIO(n)->inputs[14][0] = 100;
  brains.ReleaseWorldBrains();
  EXPECT_EQ(brains.BrainName(0), "Empty");
  EXPECT_TRUE(board.neurons.live(neuron));  // not cleared
  EXPECT_FALSE(board.attached);
  EXPECT_EQ(brains.BrainIO(0)->inputs[14][0], 0);
  EXPECT_EQ(board.nodes.used(), 0);  // unwired channel nodes went with the channels
  EXPECT_TRUE(brains.ShownBoard()->visible);
}

TEST_F(CollectionTest, SameNameAcrossWorldsKeepsOneTabAndItsContent) {
  brains.AttachBrain("Bug", bugIn, false, bugOut);
  brains.Board(0)->AddNeuron(20, 20);
  brains.AttachBrain("Other", bugIn, false, bugOut);
  EXPECT_EQ(brains.Tabs().size(), 2u);
  brains.ReleaseWorldBrains();  // "Other" has nothing of its own: deleted
  EXPECT_EQ(brains.Tabs().size(), 1u);
  EXPECT_EQ(brains.BrainName(0), "Empty");  // the last tab belongs to no body now
  EXPECT_EQ(brains.AttachBrain("Bug", bugIn, false, bugOut), 0);
  EXPECT_EQ(brains.Tabs().size(), 1u);
  EXPECT_EQ(brains.Board(0)->neurons.used(), 1);
  // Numbers only grow.
  EXPECT_EQ(brains.AttachBrain("Third", bugIn, false, bugOut), 2);
}

TEST_F(CollectionTest, HiddenBrainsLoadFromTheWorldsFolderAndGoWithTheWorld) {
  TempFolder folder;
  std::filesystem::create_directory(folder.file("worlds"));
  TBrainBoard source(fake.host(), 1);
  source.SetIO(&bugIn, &bugOut);
  source.AddNeuron(20, 20);
  ASSERT_TRUE(WriteFileAtomic(folder.file("worlds/bug.brx"), source.SaveBrain(true)));
  const auto cwd = std::filesystem::current_path();
  std::filesystem::current_path(folder.path());
  const int hidden = brains.AttachBrain("bug.brx", bugIn, true, bugOut);
  const int missing = brains.AttachBrain("gone.brx", bugIn, true, bugOut);
  std::filesystem::current_path(cwd);
  ASSERT_EQ(fake.messages.shown.size(), 1u);
  EXPECT_EQ(fake.messages.shown[0], (ShownMessage{"Couldn't open worlds\\gone.brx", "Hidden Brain Error"}));
  EXPECT_EQ(brains.Board(hidden)->neurons.used(), 1);
  EXPECT_TRUE(brains.Board(hidden)->hidden());
  EXPECT_NE(brains.BrainIO(missing), nullptr);
  EXPECT_EQ(brains.Tabs().size(), 1u);
  brains.ReleaseWorldBrains();
  EXPECT_EQ(brains.BrainIO(hidden), nullptr);
  EXPECT_EQ(brains.BrainIO(missing), nullptr);
  EXPECT_EQ(brains.Brains().size(), 1u);
}

TEST_F(CollectionTest, StepResetAndTestMarkers) {
  const int a = brains.AttachBrain("A", bugIn, false, bugOut);
  const int h = brains.AttachBrain("h.brx", bugIn, true, bugOut);
  for (int n : {a, h}) {
    TBrainBoard& b = *brains.Board(n);
    const int out = b.outputBindings[4].node;
    const int in = b.inputBindings[14].node;
    ASSERT_TRUE(b.ConnectToNode(OtherNode, in, 0, out, 4));
  }
  brains.BrainIO(h)->inputs[14][0] = 70;
  brains.StepAll(false);
  EXPECT_EQ(brains.BrainIO(h)->outputs[4][0], 70);
  EXPECT_FALSE(brains.AnyBrainTouched());
  brains.Board(h)->MarkTouched();
  EXPECT_TRUE(brains.AnyBrainTouched());
  const int key = brains.Board(a)->AddNode(40, 40);
  brains.Board(a)->SetNodeType(key, KeyInputNode, 200, "K");
  brains.StepAll(false);
  EXPECT_TRUE(brains.AnyBrainUsesSimulatedInput());
  brains.ResetAll();
  EXPECT_FALSE(brains.AnyBrainTouched());
  EXPECT_FALSE(brains.AnyBrainUsesSimulatedInput());
  EXPECT_EQ(brains.BrainIO(h)->outputs[4][0], 0);
}

TEST_F(CollectionTest, ReleaseBrainAndZoom) {
  brains.AttachBrain("A", bugIn, false, bugOut);
  const int b = brains.AttachBrain("B", bugIn, false, bugOut);
  brains.SelectTab(1);
  EXPECT_FALSE(brains.Board(0)->visible);
  brains.ReleaseBrain(b);
  EXPECT_EQ(brains.Tabs().size(), 1u);
  EXPECT_EQ(brains.SelectedTab(), 0);
  EXPECT_TRUE(brains.Board(0)->visible);
  brains.ReleaseBrain(0);
  EXPECT_EQ(brains.BrainName(0), "Empty");
  for (int i = 0; i < 3; ++i) brains.Zoom();
  EXPECT_EQ(brains.CellSize, 16);
  brains.Zoom();
  EXPECT_EQ(brains.Board(0)->cellSize, 4);
}

TEST_F(CollectionTest, LoadBrainFileIntoTheShownBrain) {
  TempFolder folder;
  TBrainBoard source(fake.host(), 1);
  source.AddNeuron(20, 20);
  ASSERT_TRUE(WriteFileAtomic(folder.file("a.brn"), source.SaveBrain(false)));
  EXPECT_FALSE(brains.LoadBrainFile(folder.file("none.brn")));
  EXPECT_TRUE(brains.LoadBrainFile(folder.file("a.brn")));
  EXPECT_EQ(brains.ShownBoard()->neurons.used(), 1);
}

TEST(BrainCollectionPorts, ShellStepsBrainsThroughItsPort) {
  FakeHost fake;
  TBrainCollection brains(fake.host(), 1);
  IBrainWindow& port = brains;
  brains.Board(0)->AddNeuron(10, 10);
  brains.Board(0)->neurons[0].state = 100;
  port.StepAll(false);
  EXPECT_EQ(brains.Board(0)->neurons[0].state, 0);
}

TEST_F(CollectionTest, ANewTabPlacesItsOutputNodesAgainstTheWindowsWidth) {
  brains.AttachBrain("Bug", bugIn, false, bugOut);
  brains.SetBoardWidth(640);  // the window was widened
  const int n = brains.AttachBrain("Other", bugIn, false, bugOut);
  const TBrainBoard& board = *brains.Board(n);
  const int node = board.outputBindings[4].node;
  ASSERT_TRUE(board.nodes.live(node));
  EXPECT_EQ(board.nodes[node].x, 640 / 16 - 5);
  EXPECT_EQ(brains.Board(0)->widthPixels, 640);
}
