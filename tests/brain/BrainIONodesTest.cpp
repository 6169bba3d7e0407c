#include <fstream>

#include "brain/BoardFixture.h"

using IONodesTest = BoardTest;

TEST_F(IONodesTest, ChannelNodesArePlacedInColumns) {
  ChannelMask in = DecodeChannelMask("C000"), out = DecodeChannelMask("70");  // inputs 14, 15; outputs 4..6
  board.SetIO(&in, &out);
  EXPECT_TRUE(board.attached);
  const int vc = board.visibleColumns();
  EXPECT_EQ(vc, DefaultBoardWidthPixels / 16);
  const Node& smell = board.nodes[board.inputBindings[14].node];
  EXPECT_EQ(smell.type, InputNode);
  EXPECT_EQ(smell.data, 14);
  EXPECT_EQ(smell.picture, 226);
  EXPECT_EQ(smell.x, 3);
  EXPECT_EQ(smell.y, 4);
  EXPECT_EQ(board.nodes[board.inputBindings[15].node].y, 7);
  for (int ch = 4; ch <= 6; ++ch) {
    const Node& n = board.nodes[board.outputBindings[ch].node];
    EXPECT_EQ(n.type, OutputNode);
    EXPECT_EQ(n.x, vc - 5);
    EXPECT_EQ(n.y, 4 + 3 * (ch - 4));
    EXPECT_FALSE(n.multi);
  }
  // The centre tile is the channel's picture; sides use the input or output base.
  const GridCell* c = board.Cell(3, 4);
  EXPECT_EQ(board.pics[c->first].picture, 226);
  EXPECT_EQ(board.pics[board.Cell(3, 3)->first].picture, 137);      // top side, count 0
  EXPECT_EQ(board.pics[board.Cell(vc - 4, 4)->first].picture, 172);  // right side of an output
  EXPECT_EQ(board.pics[board.Cell(2, 3)->first].picture, Tile::NodeCorner);
  // Availability only grows.
  board.SetIO(nullptr, nullptr);
  EXPECT_TRUE(board.inputBindings[14].bound);
}

TEST_F(IONodesTest, LostChannelKeepsWiredNodesAsEmptyNodes) {
  ChannelMask out = DecodeChannelMask("30");  // Go Fwd, Turn Left
  board.SetIO(nullptr, &out);
  const int goFwd = board.outputBindings[4].node;
  const int turn = board.outputBindings[5].node;
  const int n = MakeNeuron(30, 30);
  ASSERT_TRUE(board.ConnectToNode(OtherNeuron, n, 0, goFwd, 4));
  board.ReleaseChannels();
  EXPECT_FALSE(board.attached);
  EXPECT_FALSE(board.outputBindings[4].bound);
  EXPECT_EQ(board.nodes[goFwd].type, EmptyOutputNode);
  EXPECT_EQ(board.nodes[goFwd].picture, EmptyOutputPicture);
  EXPECT_EQ(board.nodes[goFwd].slotKind[4], SlotWireEnd);
  EXPECT_FALSE(board.nodes.live(turn));
  EXPECT_EQ(board.outputBindings[5].node, -1);
  // Offering the channel again restores the node with its wire.
  board.SetIO(nullptr, &out);
  EXPECT_EQ(board.outputBindings[4].node, goFwd);
  EXPECT_EQ(board.nodes[goFwd].type, OutputNode);
  EXPECT_EQ(board.nodes[goFwd].picture, 200);
  EXPECT_EQ(board.neurons[n].slots[0].otherIndex, goFwd);
  EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(IONodesTest, MismatchedChannelNumberBreaksTheBoard) {
  const int node = MakeInput(14);
  board.ReleaseChannels();  // unconnected: deleted
  EXPECT_FALSE(board.nodes.live(node));
  const int n = MakeInput(14);
  const int target = MakeNeuron(30, 30);
  LinkNode(n, target);
  board.inputAvailable[14] = false;
  board.SetIO(nullptr, nullptr);
  board.nodes[n].data = 20;
  ChannelMask in{};
  in[14] = true;
  board.SetIO(&in, nullptr);
  ASSERT_EQ(fake.messages.shown.size(), 1u);
  EXPECT_EQ(fake.messages.shown[0], (ShownMessage{"IOnum mismatch", "SetIO Error"}));
  EXPECT_TRUE(board.broken);
  EXPECT_EQ(board.nodes[n].data, 14);
}

TEST_F(IONodesTest, MultiChannelsGetMultiNodes) {
  ChannelMask in{}, out{};
  in[62] = true;
  out[21] = true;
  board.SetIO(&in, &out);
  EXPECT_TRUE(board.nodes[board.inputBindings[62].node].multi);
  EXPECT_TRUE(board.nodes[board.outputBindings[21].node].multi);
}

class FileColumnTest : public BoardTest {
 protected:
  TempFolder folder;
  std::string Write(const std::string& name, const std::string& text) {
    std::ofstream(folder.file(name)) << text;
    return folder.file(name);
  }
  std::vector<float> Play(int node, int steps) {
    std::vector<float> out;
    for (int i = 0; i < steps; ++i) {
      board.Step(false);
      out.push_back(board.nodes[node].value[0]);
    }
    return out;
  }
};

TEST_F(FileColumnTest, PlaysOneColumnRowByRowAndWraps) {
  const std::string path = Write("d.txt", "1 2 3\n4 5 6\n");
  const int node = board.AddNode(10, 10);
  board.SetNodeType(node, FileInputNode, 2, path);
  EXPECT_EQ(board.nodes[node].type, FileInputNode);
  EXPECT_EQ(Play(node, 4), (std::vector<float>{2, 5, 2, 5}));
  EXPECT_TRUE(board.UsesSimulatedInput());
  board.ResetRun();
  EXPECT_EQ(Play(node, 1), (std::vector<float>{2}));
  EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(FileColumnTest, PartialRowsAreIgnoredAndValuesClamped) {
  const std::string path = Write("d.txt", "1,2,3\r\n250\t5 6\n-300\n");
  const int node = board.AddNode(10, 10);
  ASSERT_TRUE(board.LoadFileColumn(node, path, true, 1));
  const FileColumn& col = board.fileColumns[board.nodes[node].data];
  EXPECT_EQ(col.rows, 2);
  EXPECT_EQ(col.values, (std::vector<float>{1, 100}));
}

TEST_F(FileColumnTest, MessagesAndCorrectedColumns) {
  const int node = board.AddNode(10, 10);
  EXPECT_FALSE(board.LoadFileColumn(node, folder.file("none.txt"), true, 1));
  EXPECT_EQ(fake.messages.shown.back(), (ShownMessage{"Could not find " + folder.file("none.txt"), "Node File Error"}));
  EXPECT_FALSE(board.LoadFileColumn(node, Write("e.txt", "\n1 2\n"), true, 1));
  EXPECT_EQ(fake.messages.shown.back(), (ShownMessage{"No data in file", "File Node Error"}));
  const std::string two = Write("two.txt", "7 8\n9 10\n");
  EXPECT_TRUE(board.LoadFileColumn(node, two, true, 5));
  EXPECT_EQ(fake.messages.shown.back(), (ShownMessage{"Only found 2 columns", "Node File Error"}));
  EXPECT_EQ(board.fileColumns[board.nodes[node].data].column, 2);
  EXPECT_EQ(board.fileColumns[board.nodes[node].data].values, (std::vector<float>{8, 10}));
  EXPECT_TRUE(board.LoadFileColumn(node, two, true, 0));
  EXPECT_EQ(fake.messages.shown.back(), (ShownMessage{"Column should be >= 1", "Node File Error"}));
  const size_t shown = fake.messages.shown.size();
  EXPECT_FALSE(board.LoadFileColumn(node, folder.file("none.txt"), false, 1));
  EXPECT_EQ(fake.messages.shown.size(), shown);
}

TEST_F(FileColumnTest, MissingDataPlaysZeroAndFreedColumnsLeaveHoles) {
  const int a = board.AddNode(10, 10), b = board.AddNode(20, 10);
  board.SetNodeType(a, FileInputNode, 1, folder.file("gone.txt"));
  board.nodes[a].value[0] = 40;
  EXPECT_EQ(Play(a, 2), (std::vector<float>{0, 0}));
  const std::string path = Write("d.txt", "3\n");
  board.SetNodeType(b, FileInputNode, 1, path);
  EXPECT_EQ(board.nodes[b].data, 1);
  board.SetNodeType(a, PlainNode, 0, "");
  EXPECT_FALSE(board.fileColumns[0].inUse);
  const int c = board.AddNode(30, 10);
  board.SetNodeType(c, FileInputNode, 1, path);
  EXPECT_EQ(board.nodes[c].data, 0);  // the hole is filled
}
