// The undo journal: random edit sequences undone and redone byte for byte, whole gestures
// as single steps, and the network's own changes surviving an undo.
#include <random>

#include "EditorFixture.h"
#include "brain/BoardJournal.h"
#include "brain/BrainProperties.h"

namespace {

class JournalTest : public EditorTest {
 protected:
  TBoardJournal journal{board};
  std::mt19937 rng{12345};

  int Rand(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
  std::vector<uint8_t> Saved() const { return board.SaveBrain(false); }

  template <class F>
  bool Action(F&& f, bool typing = false) {
    journal.Begin();
    f();
    return journal.Commit(typing);
  }

  int RandomLive(bool neuron) {
    std::vector<int> live;
    const int used = neuron ? board.neurons.used() : board.nodes.used();
    for (int i = 0; i < used; ++i)
      if (neuron ? board.neurons.live(i) : board.nodes.live(i)) live.push_back(i);
    return live.empty() ? -1 : live[Rand(0, static_cast<int>(live.size()) - 1)];
  }

  // A route from a neuron's right side toward another neuron's left side, diagonal
  // while it must climb, straight for the last cells (so it often makes a synapse).
  void RandomRoute() {
    const int a = RandomLive(true), b = RandomLive(true);
    if (a < 0 || b < 0) return;
    const Neuron& from = board.neurons[a];
    const Neuron& to = board.neurons[b];
    int x = from.x + 1, y = from.y;
    const int tx = to.x - 1, ty = to.y + Rand(-1, 1) * (Rand(0, 3) == 0);
    Down(x, y);
    for (int k = 0; k < 40 && x < tx - 2; ++k) {
      ++x;
      y += (ty > y) - (ty < y);
      Move(x, y);
    }
    for (int k = 0; k < 3 && x < tx; ++k) Move(++x, y);
    Up(x, y);
  }

  void RandomDialogChange() {
    const int n = RandomLive(true);
    if (n < 0) return;
    switch (Rand(0, 4)) {
      case 0: SetNeuronThreshold(board, {n}, std::to_string(Rand(-100, 100))); break;
      case 1: SetNeuronType(board, {n}, Rand(0, 3), "0.1"); break;
      case 2: SetNeuronLearn(board, {n}, Rand(0, 1) == 1, "0.2", false); break;
      default:
        for (int s = 0; s < SlotCount; ++s)
          if (IsInputSlot(board.neurons[n].slots[s].kind)) {
            SetSynapseWeight(board, {{n, s}}, std::to_string(Rand(-100, 100)));
            SetSynapseDecay(board, {{n, s}}, std::to_string(Rand(0, 20)));
            break;
          }
    }
  }

  void RandomEdit(const std::vector<uint8_t>& someBrain) {
    const int x = Rand(2, 40), y = Rand(2, 30);
    switch (Rand(0, 14)) {
      case 0:
      case 1: board.AddNeuron(x, 6 + 8 * Rand(0, 3)); break;
      case 2: board.AddNode(x, y); break;
      case 3: board.AddSnooper(x, y); break;
      case 4:
      case 5:
      case 6:
      case 13: RandomRoute(); break;
      case 7:  // a group drag
        Rectangle(x, y, x + Rand(2, 9), y + Rand(2, 9));
        Down(x + 1, y + 1);
        Move(x + 3, y + 2);
        Move(x + Rand(-3, 6), y + Rand(-3, 6));
        Up(x + Rand(-3, 6), y + Rand(-3, 6));
        break;
      case 8:
        Rectangle(x, y, x + Rand(2, 9), y + Rand(2, 9));
        editor.RunMenuItem(MenuCommand::Delete);
        break;
      case 9:
        Rectangle(x, y, x + Rand(3, 9), y + Rand(3, 9));
        editor.KeyPress(Rand(0, 1) ? 'C' : 'X', true);
        Down(Rand(2, 40), Rand(2, 30), MouseButton::Right);
        editor.RunMenuItem(MenuCommand::Paste);
        break;
      case 10:
        Rectangle(x, y, x + 4, y + 2);
        Down(x, y);
        editor.MouseUp(Px(x), Px(y), MouseButton::Left);
        for (int k = Rand(1, 5); k > 0; --k) editor.KeyPress(Rand(0, 5) == 0 ? '\b' : 'a' + Rand(0, 25), false);
        break;
      case 11: RandomDialogChange(); break;
      case 12:
        if (Rand(0, 3) == 0) editor.Clear(false);
        else RandomDialogChange();
        break;
      default:
        if (Rand(0, 2) == 0) board.LoadBrain(someBrain);
        else board.AddNeuron(x, y);
    }
  }
};

TEST_F(JournalTest, RandomEditsUndoToTheStartAndRedoToTheEndByteForByte) {
  MakeInput(3);
  MakeOutput(0);
  int routesDrawn = 0;
  for (int seed : {1, 2, 3, 4, 5, 6, 7, 8}) {
    rng.seed(seed);
    journal.Forget();
    // Each committed step's board, in order, starting from the board before the first.
    std::vector<std::vector<uint8_t>> points{Saved()};
    const std::vector<uint8_t> someBrain = Saved();
    int maxSegs = 0, maxNeurons = 0;
    for (int k = 0; k < 80; ++k) {
      if (Action([&] { RandomEdit(someBrain); })) points.push_back(Saved());
      maxSegs = std::max(maxSegs, board.lineSegs.used());
      maxNeurons = std::max(maxNeurons, board.neurons.used());
    }
    routesDrawn += maxSegs > 0;
    ASSERT_GT(maxNeurons, 3) << "seed " << seed;
    ASSERT_FALSE(board.broken) << "seed " << seed;
    ASSERT_GT(points.size(), 25u) << "seed " << seed;
    ASSERT_EQ(journal.undoCount(), points.size() - 1);
    for (size_t k = points.size() - 1; k > 0; --k) {
      ASSERT_TRUE(journal.Undo());
      ASSERT_EQ(Saved(), points[k - 1]) << "seed " << seed << " undo to " << k - 1;
    }
    EXPECT_FALSE(journal.Undo());
    for (size_t k = 1; k < points.size(); ++k) {
      ASSERT_TRUE(journal.Redo());
      ASSERT_EQ(Saved(), points[k]) << "seed " << seed << " redo to " << k;
    }
    EXPECT_FALSE(journal.Redo());
    EXPECT_FALSE(board.broken);
  }
  EXPECT_GE(routesDrawn, 6) << "the sequences draw synapses";
}

TEST_F(JournalTest, AGestureIsOneStepAndLookingIsNone) {
  const int a = MakeNeuron(10, 10), b = MakeNeuron(20, 10);
  Action([&] { Rectangle(5, 5, 25, 15); });
  EXPECT_EQ(journal.undoCount(), 0u) << "a rectangle alone changes nothing";
  Action([&] {
    Down(12, 12);
    for (int k = 1; k <= 5; ++k) Move(12 + k, 12 + k);
    Up(17, 17);
  });
  EXPECT_EQ(journal.undoCount(), 1u);
  EXPECT_EQ(board.neurons[a].x, 15);
  journal.Undo();
  EXPECT_EQ(board.neurons[a].x, 10);
  EXPECT_EQ(board.neurons[b].x, 20);
  // Undo then a new edit drops the redo history.
  EXPECT_TRUE(journal.CanRedo());
  Action([&] { board.AddSnooper(30, 30); });
  EXPECT_FALSE(journal.CanRedo());
}

TEST_F(JournalTest, TypingJoinsIntoOneStepUntilSomethingElseHappens) {
  Rectangle(5, 5, 12, 8);
  Down(5, 5);
  editor.MouseUp(Px(5), Px(5), MouseButton::Left);
  for (char c : std::string("hello")) Action([&] { editor.KeyPress(c, false); }, true);
  EXPECT_EQ(journal.undoCount(), 1u);
  Action([&] { board.AddNeuron(20, 20); });
  Action([&] { editor.KeyPress('x', false); }, true);
  EXPECT_EQ(journal.undoCount(), 3u);
  journal.Undo();
  journal.Undo();
  journal.Undo();
  EXPECT_EQ(board.pics.used(), 0);
}

TEST_F(JournalTest, KeepsAtLeastAHundredStepsAndDropsTheOldest) {
  for (int k = 0; k < 250; ++k) Action([&] { SetNeuronThreshold(board, {0}, "0"); board.AddSnooper(2 + k % 90, 2 + k / 90); });
  EXPECT_EQ(journal.undoCount(), TBoardJournal::DefaultDepth);
  while (journal.Undo()) {
  }
  EXPECT_EQ(board.snoopers.used(), 250 - static_cast<int>(TBoardJournal::DefaultDepth));
}

TEST_F(JournalTest, WhatTheNetworkLearnedSurvivesAnUndo) {
  const int in = MakeInput(0);
  const int n = MakeNeuron(10, 10, SigmoidNeuron);
  LinkNode(in, n, 40);
  Action([&] { SetSynapseWeight(board, {{n, 4}}, "60"); });
  Action([&] { board.AddSnooper(30, 30); });
  // The network runs and learns after both edits.
  SetInput(0, 100);
  board.Step(false);
  board.neurons[n].slots[4].weight = 75;
  board.neurons[n].threshold = 33;
  const float state = board.neurons[n].state;
  ASSERT_NE(state, 0);

  journal.Undo();  // the snooper goes; the learned values stay
  EXPECT_EQ(board.snoopers.used(), 0);
  EXPECT_EQ(board.neurons[n].slots[4].weight, 75);
  EXPECT_EQ(board.neurons[n].threshold, 33);
  EXPECT_EQ(board.neurons[n].state, state);
  journal.Undo();  // the weight change was overtaken by learning: learning wins
  EXPECT_EQ(board.neurons[n].slots[4].weight, 75);

  // Without running in between, undoing a weight change puts the weight back.
  Action([&] { SetSynapseWeight(board, {{n, 4}}, "-20"); });
  EXPECT_EQ(board.neurons[n].slots[4].kind, SlotInhibitory);
  journal.Undo();
  EXPECT_EQ(board.neurons[n].slots[4].weight, 75);
  EXPECT_EQ(board.neurons[n].slots[4].kind, SlotExcitatory);
  EXPECT_TRUE(board.WasTouched());
}

TEST_F(JournalTest, UndoingAClearAndABiggerLoadBringsTheBoardBack) {
  MakeInput(2);
  const int a = MakeNeuron(10, 10), b = MakeNeuron(20, 10);
  Link(a, b);
  const auto before = Saved();
  Action([&] { editor.Clear(false); });
  EXPECT_EQ(board.neurons.used(), 0);
  TBrainBoard big(fake.host(), 1);
  big.SetSize(150, 120);
  big.AddNeuron(140, 110);
  Action([&] { board.LoadBrain(big.SaveBrain(false)); });
  EXPECT_EQ(board.columns(), 150);
  journal.Undo();
  journal.Undo();
  EXPECT_EQ(board.columns(), 100);
  EXPECT_EQ(Saved(), before);
  // The restored drawing is whole: moving the restored neuron works without errors.
  Action([&] { Drag(10, 10, 10, 20); });
  EXPECT_EQ(board.neurons[a].y, 20);
  EXPECT_FALSE(board.broken);
  EXPECT_TRUE(fake.messages.shown.empty());
}

}  // namespace
