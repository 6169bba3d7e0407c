#pragma once
// A strip chart of up to eight board elements (neurons, nodes, snoopers) over the last
// 200 ticks, on the brain scale -100..100 with the firing line at 50. Sample() takes one
// value per element after each step; Render() draws the chart into a palette picture
// that the plot window shows and the command line writes as PNG. An element that is
// deleted leaves the plot at the next sample.
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "brain/Brainboard.h"
#include "platform/IndexedImage.h"

struct PlotTrace {
  int kind = 0;  // ElementNeuron, ElementNode or ElementSnooper (BoardRequests.h)
  int index = -1;
  int colour = 0;  // a snooper colour, 0..11
  std::vector<float> values;  // oldest first, at most PlotTicks
};

class TActivityPlot {
 public:
  static constexpr int PlotTicks = 200;
  static constexpr int MaxTraces = 8;
  // Chart geometry: two pixels per tick, one per unit of the brain scale.
  static constexpr int Margin = 8;
  static constexpr int Width = PlotTicks * 2 + 2 * Margin;
  static constexpr int Height = 201 + 2 * Margin;

  // False when the plot is full, the element is not live or is plotted already.
  bool Add(const TBrainBoard& board, int kind, int index);
  void Remove(int kind, int index);
  void Clear() { traces_.clear(); }
  const std::vector<PlotTrace>& traces() const { return traces_; }

  // One value per trace from the board as it stands; traces of elements gone are dropped.
  void Sample(const TBrainBoard& board);
  IndexedImage Render() const;

  // The element's value on the brain scale; false when it is not live.
  static bool ValueOf(const TBrainBoard& board, int kind, int index, float& value);
  // Neurons, nodes and snoopers whose centre lies in the selection rectangle, at most
  // MaxTraces, as (kind, index).
  static std::vector<std::pair<int, int>> ElementsInSelection(const TBrainBoard& board);
  // Chart row of a value (clamped to the scale).
  static int RowOf(float value);

 private:
  int FreeColour(const TBrainBoard& board, int kind, int index) const;
  std::vector<PlotTrace> traces_;
};
