// The activity plot: which elements it takes, its 200-tick window, deleted elements
// leaving it, and where the chart puts a value.
#include <set>

#include "BoardFixture.h"
#include "brain/ActivityPlot.h"
#include "brain/BoardRequests.h"
#include "brain/ChartText.h"
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

TEST_F(ActivityPlotTest, TheLegendNamesEachTraceAndAnEmptyPlotShowsAHint) {
  const int in = MakeInput(0);
  const int out = MakeOutput(4);
  const int n = MakeNeuron(10, 10);
  const int s = board.AddSnooper(20, 20);
  EXPECT_EQ(TActivityPlot::NameOf(board, ElementNode, in), "Input 0 (Switch 1)");
  EXPECT_EQ(TActivityPlot::NameOf(board, ElementNode, out), "Output 4 (Go Fwd)");
  EXPECT_EQ(TActivityPlot::NameOf(board, ElementNeuron, n), "Neuron " + std::to_string(n));
  EXPECT_EQ(TActivityPlot::NameOf(board, ElementSnooper, s), "Snooper " + std::to_string(s));

  ChartPlan empty = plot.Chart();
  EXPECT_EQ(empty.hint, TActivityPlot::Hint);
  EXPECT_FALSE(empty.xLabel.empty());
  EXPECT_FALSE(empty.yLabel.empty());
  // The hint is drawn in the middle of the chart in its own grey.
  const IndexedImage hinted = RenderChart(empty);
  int grey = 0;
  for (int y = ChartTop(empty) + 80; y < ChartTop(empty) + 100; ++y)
    for (int x = ChartLeft; x < ChartLeft + ChartPlotWidth; ++x) grey += hinted.at(x, y) == ChartHint;
  EXPECT_GT(grey, 100);

  ASSERT_TRUE(plot.Add(board, ElementNode, in));
  ASSERT_TRUE(plot.Add(board, ElementSnooper, s));
  const ChartPlan two = plot.Chart();
  EXPECT_TRUE(two.hint.empty());
  ASSERT_EQ(two.series.size(), 2u);
  EXPECT_EQ(two.series[0].name, "Input 0 (Switch 1)");
  // Each legend entry starts with a swatch in its trace's colour, below the time axis.
  const IndexedImage chart = RenderChart(two);
  int swatches = 0;
  for (int y = ChartTop(two) + ChartPlotHeight + 20; y < chart.height(); ++y)
    for (int x = 0; x < chart.width(); ++x) swatches += chart.at(x, y) == ChartSeriesColour + 1;
  EXPECT_GT(swatches, 20);
  plot.Clear();
  EXPECT_EQ(plot.Chart().hint, TActivityPlot::Hint);
}

TEST(ChartText, LettersTakeSixPixelsAndTailsReachBelowTheLine) {
  EXPECT_EQ(ChartTextWidth(""), 0);
  EXPECT_EQ(ChartTextWidth("Ab"), 11);
  IndexedImage image(40, 12, 0);
  DrawChartText(image, 0, 0, "gI", 1);
  auto rowsUsed = [&](int x0, int x1) {
    int low = 99, high = -1;
    for (int y = 0; y < image.height(); ++y)
      for (int x = x0; x < x1; ++x)
        if (image.at(x, y) == 1) low = std::min(low, y), high = std::max(high, y);
    return std::make_pair(low, high);
  };
  EXPECT_EQ(rowsUsed(6, 11), std::make_pair(0, 6));  // "I": the full height, nothing lower
  EXPECT_EQ(rowsUsed(0, 5).second, 8);               // "g" hangs two rows lower
  // A character without a glyph is drawn, not skipped: the text keeps its width.
  IndexedImage other(40, 12, 0);
  DrawChartText(other, 0, 0, "\x01", 1);
  int set = 0;
  for (uint8_t v : other.pixels()) set += v;
  EXPECT_GT(set, 0);
}

}  // namespace
