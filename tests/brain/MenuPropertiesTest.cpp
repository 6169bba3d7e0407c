// The popup menu model and the property operations the dialogs call.
#include "EditorFixture.h"
#include "brain/BrainProperties.h"
#include "platform/Files.h"

namespace {

class MenuTest : public EditorTest {
 protected:
  std::vector<std::string> Captions(const BoardMenu& m) {
    std::vector<std::string> c;
    for (const BoardMenuItem& i : m.items)
      if (i.shown) c.push_back(i.caption);
    return c;
  }
};

TEST_F(MenuTest, ItemsInOrderWithTheirStates) {
  BoardMenu m = BuildBoardMenu(board, false, {"ring"});
  EXPECT_EQ(Captions(m), (std::vector<std::string>{"Copy", "Cut", "Paste", "-", "Copy to lib", "Paste from lib", "-",
                                                   "Delete", "-", "Neurons...", "Synapses...", "-",
                                                   "Properties..."}));
  for (const char* c : {"Copy", "Cut", "Paste", "Copy to lib", "Delete", "Neurons...", "Synapses..."})
    EXPECT_FALSE(m.Find(c)->enabled) << c;
  EXPECT_EQ(m.Find("Paste from lib")->submenu, std::vector<std::string>{"ring"});
  board.selLeft = 5, board.selTop = 5, board.selRight = 9, board.selBottom = 9;
  const int n = MakeNeuron(20, 20);
  board.neurons[n].slots[3].learn = true;
  board.learning = true;
  m = BuildBoardMenu(board, true, {});
  for (const char* c : {"Copy", "Cut", "Paste", "Copy to lib", "Delete", "Neurons...", "Synapses..."})
    EXPECT_TRUE(m.Find(c)->enabled) << c;
  EXPECT_EQ(Captions(m).size(), 16u);
  EXPECT_TRUE(m.Find("Learn")->shown);
  EXPECT_TRUE(m.Find("Learn")->checked);
}

TEST_F(MenuTest, RunningItemsByCaption) {
  EXPECT_FALSE(editor.RunMenuItem("Copy"));  // disabled without a selection
  EXPECT_TRUE(editor.RunMenuItem("Properties..."));
  EXPECT_EQ(requests.settings, 1);
  board.selLeft = 50, board.selTop = 50, board.selRight = 60, board.selBottom = 60;
  EXPECT_TRUE(editor.RunMenuItem("Neurons..."));
  EXPECT_TRUE(editor.RunMenuItem("Synapses..."));
  EXPECT_EQ(fake.messages.shown, (std::vector<ShownMessage>{{"No neurons selected", "Neuron properties"},
                                                            {"No synapses selected", "Synapse properties"}}));
  const int a = MakeNeuron(52, 52), b = MakeNeuron(58, 58);
  Link(a, b);
  EXPECT_TRUE(editor.RunMenuItem("Synapses..."));
  ASSERT_EQ(requests.synapses.size(), 1u);
  EXPECT_EQ(requests.synapses[0], (std::vector<SynapseRef>{{b, 4}}));
  EXPECT_FALSE(editor.RunMenuItem("Learn"));  // hidden without learners
  EXPECT_FALSE(editor.RunMenuItem("Paste from lib/none"));
}

class PropertiesTest : public BoardTest {};

TEST_F(PropertiesTest, NeuronDialogChanges) {
  const int n = MakeNeuron(10, 10);
  SetNeuronThreshold(board, {n}, "150");
  EXPECT_EQ(board.neurons[n].threshold, 100);
  SetNeuronThreshold(board, {n}, "abc");
  EXPECT_EQ(board.neurons[n].threshold, 0);
  board.neurons[n].type = LinearNeuron;
  SetNeuronGain(board, {n}, "7", false);
  EXPECT_EQ(board.neurons[n].type, SigmoidNeuron);
  EXPECT_EQ(board.neurons[n].gain, 5);
  SetNeuronLearn(board, {n}, true, "2", true);
  EXPECT_TRUE(board.neurons[n].learn);
  EXPECT_TRUE(board.neurons[n].slots[5].learn);
  EXPECT_GE(board.FindPic(10, 10, 135, PicNeuron, n), 0);
  SetNeuronType(board, {n}, StepNeuron, "1");
  EXPECT_EQ(board.neurons[n].gain, 0);
  EXPECT_FALSE(board.neurons[n].learn);
  EXPECT_FALSE(board.neurons[n].slots[5].learn);
  EXPECT_GE(board.FindPic(10, 10, 4, PicNeuron, n), 0);
  SetNeuronLearn(board, {n}, true, "0.5", false);
  EXPECT_EQ(board.neurons[n].type, SigmoidNeuron);
  EXPECT_EQ(board.neurons[n].gain, 0.5f);
  SetNeuronType(board, {n}, ErrorNeuron, "");
  EXPECT_GE(board.FindPic(10, 10, 167, PicNeuron, n), 0);
}

TEST_F(PropertiesTest, LearnWithoutSigmoidChosenGivesEveryNeuronTheGainOfTheBox) {
  const int a = MakeNeuron(10, 10), b = MakeNeuron(20, 10);
  board.neurons[a].type = SigmoidNeuron, board.neurons[a].gain = 3;
  board.neurons[b].type = LinearNeuron;
  SetNeuronLearn(board, {a, b}, true, "1.5", false);  // mixed types: no type button is chosen
  for (int n : {a, b}) {
    EXPECT_EQ(board.neurons[n].type, SigmoidNeuron);
    EXPECT_EQ(board.neurons[n].gain, 1.5f);
    EXPECT_TRUE(board.neurons[n].learn);
  }
  // With Sigmoid shown, the neurons keep their gains (an empty box stands for differing ones).
  board.neurons[a].gain = 3;
  SetNeuronLearn(board, {a, b}, true, "", true);
  EXPECT_EQ(board.neurons[a].gain, 3);
  EXPECT_EQ(board.neurons[b].gain, 1.5f);
}

TEST_F(PropertiesTest, NegativeWeightTurnsASynapseInhibitoryAndRedrawsIt) {
  const int a = MakeNeuron(10, 10), b = MakeNeuron(20, 10);
  Link(a, b);
  SetSynapseWeight(board, {{b, 4}}, "-30");
  EXPECT_EQ(board.neurons[b].slots[4].kind, SlotInhibitory);
  EXPECT_EQ(board.neurons[b].slots[4].state, -30);
  EXPECT_GE(board.FindPic(19, 10, 3 + 32, PicNeuron, b), 0);
  SetSynapseWeight(board, {{b, 4}}, "0");
  EXPECT_EQ(board.neurons[b].slots[4].kind, SlotExcitatory);
  SetSynapseDecay(board, {{b, 4}, {b, 1}}, "3.5");
  EXPECT_EQ(board.neurons[b].slots[4].decay, 3.5f);
  EXPECT_EQ(board.neurons[b].slots[1].kind, SlotEmpty);
  EXPECT_FALSE(board.broken);
}

TEST_F(PropertiesTest, NodeDialogHoldsChecksAndKeys) {
  const int n = board.AddNode(30, 30);
  BeginNodeEdit(board, n);
  EXPECT_EQ(board.nodes[n].type, HeldNode);
  SetHeldNodeValue(board, n, "250");
  EXPECT_EQ(board.nodes[n].next[7], 100);
  EXPECT_FALSE(EndNodeEdit(board, n, NodeChoice::File, "nowhere.txt", "1", ""));
  EXPECT_EQ(fake.messages.shown.back(), (ShownMessage{"Could not find nowhere.txt", "Node File Error"}));
  EXPECT_FALSE(EndNodeEdit(board, n, NodeChoice::File, "nowhere.txt", "0", ""));
  EXPECT_EQ(fake.messages.shown.back(), (ShownMessage{"Column should be >= 1", "Node File Error"}));
  EXPECT_EQ(board.nodes[n].type, HeldNode);
  TempFolder folder;
  ASSERT_TRUE(WriteFileAtomic(folder.file("d.txt"), "1 2 3\n4 5 6\n"));
  EXPECT_FALSE(EndNodeEdit(board, n, NodeChoice::File, folder.file("d.txt"), "4", ""));
  EXPECT_EQ(fake.messages.shown.back(), (ShownMessage{"Only found 3 columns", "Node File Error"}));
  EXPECT_TRUE(EndNodeEdit(board, n, NodeChoice::File, folder.file("d.txt"), "2", ""));
  EXPECT_EQ(board.nodes[n].type, FileInputNode);
  EXPECT_TRUE(EndNodeEdit(board, n, NodeChoice::Key, "q", "-20", "300"));
  EXPECT_EQ(board.nodes[n].type, KeyInputNode);
  EXPECT_EQ(board.nodes[n].picture, 'Q');
  EXPECT_EQ(board.nodes[n].data, TBrainBoard::PackKeyValues(100, -20));
  EXPECT_TRUE(EndNodeEdit(board, n, NodeChoice::Node, "", "", ""));
  EXPECT_EQ(board.nodes[n].type, PlainNode);
  const int out = MakeOutput(4);
  EXPECT_TRUE(EndNodeEdit(board, out, NodeChoice::Node, "", "", ""));
  EXPECT_EQ(board.nodes[out].type, OutputNode);
}

TEST_F(PropertiesTest, SettingsChecksAndSizeChange) {
  MakeInput(0);
  MakeNeuron(20, 20);
  BrainSettingsTexts t = SettingsTextsOf(board, 50);
  EXPECT_EQ(t.threshold, "50.00");
  t.width = "50";
  t.cycles = "x";
  EXPECT_FALSE(CheckSettingsTexts(t, board.host()));
  EXPECT_EQ(fake.messages.shown, (std::vector<ShownMessage>{{"Number of cycles must be greater than 0", "Number of cycles"},
                                                            {"Width must be greater or equal to 100", "Board Width"}}));
  fake.messages.shown.clear();
  t.width = "5000";
  t.cycles = "7";
  EXPECT_FALSE(CheckSettingsTexts(t, board.host()));  // refused, not cut to 1000
  EXPECT_EQ(fake.messages.shown, (std::vector<ShownMessage>{{"Width must not be greater than 1000", "Board Width"}}));
  t.width = "120";
  t.rate = "3";
  t.momentum = "-1";
  t.type = 9;
  ASSERT_TRUE(CheckSettingsTexts(t, board.host()));
  ApplySettingsTexts(board, t);
  EXPECT_EQ(fake.messages.asked.size(), 1u);
  EXPECT_EQ(board.columns(), 120);
  EXPECT_EQ(board.cyclesPerUpdate, 7);
  EXPECT_EQ(board.learnRate, 1);
  EXPECT_EQ(board.momentum, 0);
  EXPECT_EQ(board.defaultType, ErrorNeuron);
  EXPECT_EQ(board.neurons.used(), 0);
  EXPECT_TRUE(board.nodes.live(board.inputBindings[0].node));
  fake.messages.answers.push_back(Answer::No);
  t.height = "150";
  ApplySettingsTexts(board, t);
  EXPECT_EQ(board.rows(), 100);
}

}  // namespace
