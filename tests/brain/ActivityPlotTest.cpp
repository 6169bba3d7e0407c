// The activity plot: which elements it takes, its 200-tick window, deleted elements
// leaving it, and where the chart puts a value.
#include <set>

#include "BoardFixture.h"
#include "brain/ActivityPlot.h"
#include "brain/BoardRequests.h"
#include "brain/SnooperBands.h"

namespace {

class ActivityPlotTest : public BoardTest {
 protected:
  TActivityPlot plot;
};

TEST_F(ActivityPlotTest, TakesAtMostEightLiveElementsOnce) {
  for (int k = 0; k < 10; ++k) board.AddSnooper(5 + k, 5);
  for (int k = 0; k < 8; ++k) EXPECT_TRUE(plot.Add(board, ElementSnooper, k));
  EXPECT_FALSE(plot.Add(board, ElementSnooper, 8)) << "full";
  plot.Remove(ElementSnooper, 3);
  EXPECT_FALSE(plot.Add(board, ElementSnooper, 0)) << "already plotted";
  EXPECT_FALSE(plot.Add(board, ElementNeuron, 0)) << "no such neuron";
  EXPECT_TRUE(plot.Add(board, ElementSnooper, 9));
  // Every trace has a colour of its own.
  std::set<int> colours;
  for (const PlotTrace& t : plot.traces()) colours.insert(t.colour);
  EXPECT_EQ(colours.size(), plot.traces().size());
}

TEST_F(ActivityPlotTest, KeepsTheLastTwoHundredTicksAndDropsDeletedElements) {
  const int in = MakeInput(0);
  const int n = MakeNeuron(10, 10);
  LinkNode(in, n);
  ASSERT_TRUE(plot.Add(board, ElementNeuron, n));
  ASSERT_TRUE(plot.Add(board, ElementNode, in));
  for (int tick = 0; tick < 250; ++tick) {
    SetInput(0, tick % 2 ? 100 : 0);
    board.Step(false);
    plot.Sample(board);
  }
  ASSERT_EQ(plot.traces().size(), 2u);
  EXPECT_EQ(plot.traces()[0].values.size(), 200u);
  EXPECT_EQ(plot.traces()[1].values.back(), 100);  // tick 249 fed 100
  EXPECT_EQ(plot.traces()[0].values.back(), 100);
  board.DeleteNeuron(n);
  plot.Sample(board);
  ASSERT_EQ(plot.traces().size(), 1u);
  EXPECT_EQ(plot.traces()[0].kind, ElementNode);
}

TEST_F(ActivityPlotTest, ChartsValuesOnTheBrainScaleWithTheFiringLine) {
  const int top = ChartTop(ChartPlan{});
  EXPECT_EQ(TActivityPlot::RowOf(100), top);
  EXPECT_EQ(TActivityPlot::RowOf(-100), top + 200);
  EXPECT_EQ(TActivityPlot::RowOf(500), TActivityPlot::RowOf(100)) << "clamped";
  const int n = MakeNeuron(10, 10, LinearNeuron, -30);  // state 30 with no input
  ASSERT_TRUE(plot.Add(board, ElementNeuron, n));
  board.Step(false);
  plot.Sample(board);
  ASSERT_EQ(plot.traces()[0].values.back(), 30);
  const IndexedImage chart = plot.Render();
  ASSERT_EQ(chart.width(), ChartWidth);
  // The newest sample sits at the right edge, in the trace's snooper colour.
  const int right = ChartLeft + ChartPlotWidth;
  const Rgb traceRgb = chart.palette[chart.at(right, TActivityPlot::RowOf(30))];
  const SnooperColour& want = SnooperColours[plot.traces()[0].colour];
  EXPECT_EQ(traceRgb, (Rgb{want.r, want.g, want.b}));
  // The firing line is dashed across the chart at 50, in a colour no trace uses.
  const Rgb firing = chart.palette[chart.at(ChartLeft + 1, TActivityPlot::RowOf(50))];
  EXPECT_NE(firing, traceRgb);
  EXPECT_NE(firing, chart.palette[chart.at(1, 1)]);
}

TEST_F(ActivityPlotTest, TheSelectionNamesItsElements) {
  const int a = MakeNeuron(10, 10);
  MakeNeuron(30, 30);
  const int s = board.AddSnooper(12, 14);
  board.selLeft = 8, board.selTop = 8, board.selRight = 14, board.selBottom = 15;
  const auto found = TActivityPlot::ElementsInSelection(board);
  ASSERT_EQ(found.size(), 2u);
  EXPECT_EQ(found[0], std::make_pair(static_cast<int>(ElementNeuron), a));
  EXPECT_EQ(found[1], std::make_pair(static_cast<int>(ElementSnooper), s));
}

}  // namespace
