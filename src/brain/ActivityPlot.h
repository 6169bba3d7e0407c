#pragma once
// Charts of values over time: the activity plot of up to eight board elements (neurons,
// nodes, snoopers) over the last 200 ticks on the brain scale with the firing line at
// 50, and the same chart drawing for any run of samples (a test's energy against its
// goal, a lamp against its target). Render() draws into a palette picture that the plot
// window shows and the command line writes as PNG: axes with their labels, a legend with
// each trace's name and colour, and a hint when there is nothing to show.
#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "brain/Brainboard.h"
#include "platform/IndexedImage.h"

struct ChartSeries {
  std::string name;
  Rgb colour;
  std::vector<float> values;  // one per sample, oldest first; NaN leaves a gap
  bool dashed = false;
};

// A level drawn across the chart (a goal, the firing line), named beside it.
struct ChartLevel {
  float value = 0;
  std::string label;
  Rgb colour;
};

struct ChartPlan {
  std::string title, xLabel, yLabel;
  float low = -100, high = 100;  // the value axis
  float yStep = 50;              // labelled every yStep
  // The samples that span the time axis, and the time at its two ends (in the unit the
  // x label names). A strip chart keeps its newest sample at the right edge.
  int span = 200;
  float xStart = 0, xEnd = 200;
  bool newestAtRight = false;
  std::vector<ChartSeries> series;
  std::vector<ChartLevel> levels;
  // A point marked on the chart: a vertical line at sample `markAt` with its label.
  int markAt = -1;
  std::string markLabel;
  bool markDot = true;  // a dot where the first series crosses the mark
  // Shown in the middle while no series holds a sample.
  std::string hint;
};

// The chart's frame: the plot area is PlotWidth x PlotHeight with its top-left at
// (ChartLeft, ChartTop(plan)).
constexpr int ChartLeft = 46, ChartPlotWidth = 400, ChartPlotHeight = 200, ChartRightMargin = 70;
constexpr int ChartWidth = ChartLeft + ChartPlotWidth + ChartRightMargin;
int ChartTop(const ChartPlan& plan);
// Pixel row of a value and column of a sample index.
int ChartRow(const ChartPlan& plan, float value);
int ChartColumn(const ChartPlan& plan, int sample, int count);
// Palette entries the chart draws with: series k uses ChartSeriesColour + k.
enum ChartInk : uint8_t {
  ChartBackground = 0,
  ChartGrid = 1,
  ChartAxis = 2,
  ChartText = 3,
  ChartHint = 4,
  ChartMark = 5,
  ChartLevelColour = 8,   // + level index, up to 8
  ChartSeriesColour = 16  // + series index
};
IndexedImage RenderChart(const ChartPlan& plan);

struct PlotTrace {
  int kind = 0;  // ElementNeuron, ElementNode or ElementSnooper (BoardRequests.h)
  int index = -1;
  int colour = 0;  // a snooper colour, 0..11
  std::string name;  // as the legend shows it
  std::vector<float> values;  // oldest first, at most PlotTicks
};

class TActivityPlot {
 public:
  static constexpr int PlotTicks = 200;
  static constexpr int MaxTraces = 8;
  static constexpr const char* Hint = "Select neurons, nodes or snoopers, then press Plot";

  // False when the plot is full, the element is not live or is plotted already.
  bool Add(const TBrainBoard& board, int kind, int index);
  void Remove(int kind, int index);
  void Clear() { traces_.clear(); }
  const std::vector<PlotTrace>& traces() const { return traces_; }

  // One value per trace from the board as it stands; traces of elements gone are dropped.
  void Sample(const TBrainBoard& board);
  ChartPlan Chart() const;
  IndexedImage Render() const { return RenderChart(Chart()); }

  // The element's value on the brain scale; false when it is not live.
  static bool ValueOf(const TBrainBoard& board, int kind, int index, float& value);
  // The legend's name of an element: "Neuron 3", "Input 5 (Smell Left)", "Output 0 (Go
  // Fwd)", "Node 2", "Snooper 1".
  static std::string NameOf(const TBrainBoard& board, int kind, int index);
  // Neurons, nodes and snoopers whose centre lies in the selection rectangle, at most
  // MaxTraces, as (kind, index).
  static std::vector<std::pair<int, int>> ElementsInSelection(const TBrainBoard& board);
  // Chart row of a value on the brain scale (clamped to it).
  static int RowOf(float value);

 private:
  int FreeColour(const TBrainBoard& board, int kind, int index) const;
  std::vector<PlotTrace> traces_;
};
