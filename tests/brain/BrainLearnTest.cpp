#include <cmath>

#include "brain/BoardFixture.h"

// A learner feeding an Error neuron whose state is the error signal.
class LearnTest : public BoardTest {
 protected:
  int src = -1, out = -1, err = -1;
  void Build(int outType, float errorState) {
    board.momentum = 0;
    src = MakeNeuron(10, 10, StepNeuron, 50);
    out = MakeNeuron(20, 10, outType, 0);
    err = MakeNeuron(30, 10, ErrorNeuron, 20);
    Link(src, out);
    Link(out, err);
    board.EraseNeuron(out);  // a learner's centre shows another tile
    board.neurons[out].learn = true;
    board.DrawNeuron(out);
    board.neurons[out].slots[4].learn = true;
    board.neurons[out].gain = 0.075f;
    board.neurons[src].state = 100;
    board.neurons[out].state = 50;
    board.neurons[err].state = errorState;
  }
  Neuron& N(int i) { return board.neurons[i]; }
  void EraseAndSetWeight(float w) {
    board.neurons[out].slots[4].weight = board.neurons[out].slots[4].state = w;
  }
};

TEST_F(LearnTest, SigmoidChangeFromTheErrorSignal) {
  Build(SigmoidNeuron, 10);
  board.Learn();
  EXPECT_FLOAT_EQ(N(out).error, 10);
  EXPECT_EQ(N(src).error, 0);  // Step neurons carry no error
  EXPECT_NEAR(N(out).threshold, 1.875, 1e-5);
  EXPECT_NEAR(N(out).lastThresholdChange, 1.875, 1e-5);
  EXPECT_NEAR(N(out).slots[4].weight, 100 - 1.875, 1e-4);
  EXPECT_EQ(N(out).slots[4].state, N(out).slots[4].weight);
  EXPECT_EQ(N(err).threshold, 20);  // Error neurons do not change
}

TEST_F(LearnTest, MomentumBlendsWithTheLastChange) {
  Build(LinearNeuron, 40);
  board.momentum = 5;
  N(out).lastThresholdChange = 1;
  N(out).slots[4].learn = false;
  board.Learn();
  EXPECT_FLOAT_EQ(N(out).error, 40);
  EXPECT_FLOAT_EQ(N(out).threshold, 1.5f);  // (5 x 1 + 4) / 6
  EXPECT_FLOAT_EQ(N(out).slots[4].weight, 100);
}

TEST_F(LearnTest, WeightChangingSignChangesSlotKindAndTiles) {
  Build(LinearNeuron, 30);
  board.EraseNeuron(out);
  N(out).learn = false;
  board.DrawNeuron(out);
  EraseAndSetWeight(1);
  board.Learn();
  EXPECT_FLOAT_EQ(N(out).slots[4].weight, -2);
  EXPECT_EQ(N(out).slots[4].kind, SlotInhibitory);
  const int left = board.FindPic(19, 10, 3 + 32, PicNeuron, out);
  EXPECT_GE(left, 0);
  EXPECT_FALSE(board.broken);
}

TEST_F(LearnTest, LimitsRestartTheMemory) {
  Build(LinearNeuron, -100);
  board.momentum = 1;
  N(out).slots[4].lastWeightChange = 50;
  N(out).lastThresholdChange = -300;
  board.Learn();  // raw change +10 on the weight, -10 on the threshold
  EXPECT_EQ(N(out).slots[4].weight, 100);
  EXPECT_EQ(N(out).slots[4].lastWeightChange, 0);
  EXPECT_EQ(N(out).threshold, -100);
  EXPECT_EQ(N(out).lastThresholdChange, 0);
}

TEST_F(LearnTest, NoErrorThroughStepNeurons) {
  Build(SigmoidNeuron, 10);
  board.EraseNeuron(err);
  N(err).type = StepNeuron;
  board.DrawNeuron(err);
  board.Learn();
  EXPECT_EQ(N(out).error, 0);
  EXPECT_EQ(N(out).threshold, 0);
}

TEST_F(LearnTest, LearningRunsOnlyWhenAllowedAndSwitchedOn) {
  Build(SigmoidNeuron, 10);
  board.cyclesPerUpdate = 1;
  board.Step(true);
  EXPECT_EQ(N(out).threshold, 0);
  board.ToggleLearning();
  EXPECT_TRUE(board.learning);
  board.Step(false);
  EXPECT_EQ(N(out).threshold, 0);
  // A body that feeds nothing to learn from holds one step's learning, no more.
  board.learningHeld = true;
  board.Step(true);
  EXPECT_EQ(N(out).threshold, 0);
  EXPECT_FALSE(board.learningHeld);
  board.Step(true);
  EXPECT_NE(N(out).threshold, 0);
}

TEST_F(LearnTest, FeedbackLoopErrorPassStopsAtThePassBudget) {
  Build(LinearNeuron, 10);
  Link(out, src, 100, 2, 6);  // a loop back into the source
  board.EraseNeuron(src);
  N(src).type = LinearNeuron;
  board.DrawNeuron(src);
  board.cyclesPerUpdate = 3;
  board.Learn();
  EXPECT_TRUE(std::isfinite(N(src).error));
}

TEST_F(LearnTest, RandomizeGivesLearnersFreshValues) {
  Build(LinearNeuron, 0);
  N(out).lastThresholdChange = 3;
  N(src).lastThresholdChange = 3;
  board.random.seed(12345);
  bool negative = false;
  for (int round = 0; round < 20; ++round) {
    board.RandomizeLearners();
    const Synapse& s = N(out).slots[4];
    EXPECT_GE(N(out).threshold, -50);
    EXPECT_LE(N(out).threshold, 50);
    EXPECT_EQ(s.state, s.weight);
    EXPECT_EQ(s.kind, s.weight < 0 ? SlotInhibitory : SlotExcitatory);
    negative |= s.weight < 0;
  }
  EXPECT_TRUE(negative);
  EXPECT_EQ(N(src).threshold, 50);  // does not learn
  EXPECT_EQ(N(src).lastThresholdChange, 0);
  EXPECT_EQ(N(err).slots[4].weight, 100);
  EXPECT_FALSE(board.broken);
}
