// The activity plot's samples and the chart drawing it shares with test runs.
#include "brain/ActivityPlot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "channels/Channels.h"
#include "brain/BoardRequests.h"
#include "brain/ChartText.h"
#include "brain/SnooperBands.h"

namespace {

// Snooper colours that read well on the white chart, in the order traces take them.
constexpr int TraceOrder[] = {7, 9, 4, 6, 8, 2, 1, 0, 5};
constexpr bool Readable(int colour) { return colour != 3 && colour != 10 && colour != 11; }
constexpr int LegendSwatch = 10, LegendGap = 14;

int ColourOfTile(int tile) {
  for (int c = 0; c < SnooperColourCount; ++c)
    if (SnooperColours[c].tile == tile) return c;
  return -1;
}

Rgb SnooperRgb(int colour) {
  const SnooperColour& c = SnooperColours[std::clamp(colour, 0, SnooperColourCount - 1)];
  return {c.r, c.g, c.b};
}

// Text of a number as short as it goes: "5", "2.5", "-100".
std::string NumberText(float v) {
  char buf[32];
  if (std::fabs(v - std::round(v)) < 1e-3f) std::snprintf(buf, sizeof buf, "%d", static_cast<int>(std::lround(v)));
  else std::snprintf(buf, sizeof buf, "%.1f", static_cast<double>(v));
  return buf;
}

// A step for the time axis that gives a handful of labels: 1, 2 or 5 times a power of ten.
float NiceStep(float range) {
  if (!(range > 0)) return 1;
  const float rough = range / 8;
  float power = std::pow(10.0f, std::floor(std::log10(rough)));
  for (float m : {1.0f, 2.0f, 5.0f, 10.0f})
    if (m * power >= rough) return m * power;
  return 10 * power;
}

void DashedLine(IndexedImage& image, int x0, int x1, int y, uint8_t ink) {
  for (int x = x0; x < x1; x += 6) image.line(x, y, std::min(x + 4, x1), y, ink);
}

// Legend entries laid out in rows that fit the chart's width; returns the rows used.
int Legend(IndexedImage* image, const ChartPlan& plan, int top) {
  int x = ChartLeft, rows = plan.series.empty() ? 0 : 1;
  const int right = ChartWidth - 4;
  for (size_t k = 0; k < plan.series.size(); ++k) {
    const ChartSeries& s = plan.series[k];
    const int width = LegendSwatch + 4 + ChartTextWidth(s.name);
    if (x > ChartLeft && x + width > right) {
      x = ChartLeft;
      ++rows;
    }
    const int y = top + (rows - 1) * ChartLineHeight;
    if (image) {
      const auto ink = static_cast<uint8_t>(ChartSeriesColour + k);
      if (s.dashed) {
        image->line(x, y + 4, x + 4, y + 4, ink);
        image->line(x + 6, y + 4, x + LegendSwatch, y + 4, ink);
        image->line(x, y + 3, x + 4, y + 3, ink);
        image->line(x + 6, y + 3, x + LegendSwatch, y + 3, ink);
      } else {
        image->fillRect(x, y, LegendSwatch - 2, 8, ink);
      }
      DrawChartText(*image, x + LegendSwatch + 2, y, s.name, ChartText);
    }
    x += width + LegendGap;
  }
  return rows;
}

// The title broken at spaces into lines that fit the chart's width.
std::vector<std::string> TitleLines(const std::string& title) {
  const size_t most = static_cast<size_t>((ChartWidth - 12) / ChartCharAdvance);
  std::vector<std::string> lines;
  std::string line, word;
  auto flush = [&] {
    if (word.empty()) return;
    if (!line.empty() && line.size() + 1 + word.size() > most) lines.push_back(line), line.clear();
    line += (line.empty() ? "" : " ") + word;
    word.clear();
  };
  for (char c : title) {
    if (c == ' ' || c == '\n') flush();
    else word += c;
  }
  flush();
  if (!line.empty()) lines.push_back(line);
  return lines;
}

int LegendTop(const ChartPlan& plan) { return ChartTop(plan) + ChartPlotHeight + 30; }

}  // namespace

int ChartTop(const ChartPlan& plan) { return 14 + static_cast<int>(TitleLines(plan.title).size()) * ChartLineHeight; }

int ChartRow(const ChartPlan& plan, float value) {
  const float range = plan.high > plan.low ? plan.high - plan.low : 1;
  const float v = std::isnan(value) ? plan.low : std::clamp(value, plan.low, plan.high);
  return ChartTop(plan) + static_cast<int>(std::lround((plan.high - v) * ChartPlotHeight / range));
}

int ChartColumn(const ChartPlan& plan, int sample, int count) {
  const int span = std::max(2, plan.span);
  if (plan.newestAtRight) {
    const int fromRight = count - 1 - sample;
    return ChartLeft + ChartPlotWidth - static_cast<int>(std::lround(static_cast<double>(fromRight) * ChartPlotWidth / (span - 1)));
  }
  return ChartLeft + static_cast<int>(std::lround(static_cast<double>(sample) * ChartPlotWidth / (span - 1)));
}

IndexedImage RenderChart(const ChartPlan& plan) {
  const int top = ChartTop(plan), bottom = top + ChartPlotHeight, left = ChartLeft, right = left + ChartPlotWidth;
  const int legendRows = Legend(nullptr, plan, 0);
  const int height = LegendTop(plan) + std::max(1, legendRows) * ChartLineHeight + 4;
  IndexedImage image(ChartWidth, height, ChartBackground);
  Palette& pal = image.palette;
  pal[ChartBackground] = {255, 255, 255};
  pal[ChartGrid] = {224, 224, 224};
  pal[ChartAxis] = {96, 96, 96};
  pal[ChartText] = {32, 32, 32};
  pal[ChartHint] = {150, 150, 150};
  pal[ChartMark] = {220, 0, 0};
  for (size_t k = 0; k < plan.levels.size() && k < 8; ++k) pal[ChartLevelColour + k] = plan.levels[k].colour;
  for (size_t k = 0; k < plan.series.size() && ChartSeriesColour + k < 256; ++k)
    pal[ChartSeriesColour + k] = plan.series[k].colour;

  int titleY = 6;
  for (const std::string& line : TitleLines(plan.title)) {
    DrawChartText(image, 6, titleY, line, ChartText);
    titleY += ChartLineHeight;
  }
  // Value axis: grid and labels every yStep.
  const float step = plan.yStep > 0 ? plan.yStep : plan.high - plan.low;
  for (float v = plan.low; v <= plan.high + 1e-3f; v += step) {
    const int y = ChartRow(plan, v);
    image.line(left, y, right + 1, y, ChartGrid);
    const std::string label = NumberText(v);
    DrawChartText(image, left - 5 - ChartTextWidth(label), y - 3, label, ChartText);
  }
  if (!plan.yLabel.empty()) DrawChartTextUp(image, 3, bottom - (ChartPlotHeight - ChartTextWidth(plan.yLabel)) / 2, plan.yLabel, ChartText);
  // Time axis: grid and labels at a nice step of its unit.
  const float xRange = plan.xEnd - plan.xStart;
  const float xStep = NiceStep(std::fabs(xRange));
  if (xRange != 0) {
    const float first = std::ceil(std::min(plan.xStart, plan.xEnd) / xStep) * xStep;
    for (float t = first; t <= std::max(plan.xStart, plan.xEnd) + 1e-3f; t += xStep) {
      const int x = left + static_cast<int>(std::lround((t - plan.xStart) * ChartPlotWidth / xRange));
      image.line(x, top, x, bottom + 1, ChartGrid);
      image.line(x, bottom, x, bottom + 4, ChartAxis);
      const std::string label = NumberText(t);
      DrawChartText(image, x - ChartTextWidth(label) / 2, bottom + 6, label, ChartText);
    }
  }
  if (!plan.xLabel.empty()) DrawChartText(image, left + (ChartPlotWidth - ChartTextWidth(plan.xLabel)) / 2, bottom + 17, plan.xLabel, ChartText);
  // The frame: a zero line when zero lies inside, the axes at left and bottom.
  if (plan.low < 0 && plan.high > 0) image.line(left, ChartRow(plan, 0), right + 1, ChartRow(plan, 0), ChartAxis);
  image.line(left, top, left, bottom + 1, ChartAxis);
  image.line(left, bottom, right + 1, bottom, ChartAxis);
  for (size_t k = 0; k < plan.levels.size() && k < 8; ++k) {
    const ChartLevel& l = plan.levels[k];
    const int y = ChartRow(plan, l.value);
    const auto ink = static_cast<uint8_t>(ChartLevelColour + k);
    DashedLine(image, left, right, y, ink);
    DrawChartText(image, right + 4, y - 3, l.label, ink);
  }

  bool anySample = false;
  for (size_t k = 0; k < plan.series.size(); ++k) {
    const ChartSeries& s = plan.series[k];
    const auto ink = static_cast<uint8_t>(ChartSeriesColour + k);
    const int n = static_cast<int>(s.values.size());
    int px = 0, py = 0;
    bool have = false;
    for (int i = 0; i < n; ++i) {
      if (std::isnan(s.values[i])) {
        have = false;
        continue;
      }
      anySample = true;
      const int x = ChartColumn(plan, i, n), y = ChartRow(plan, s.values[i]);
      if (have && !(s.dashed && (i / 3) % 2)) image.line(px, py, x, y, ink);
      if (!s.dashed || (i / 3) % 2 == 0) image.set(x, y, ink);
      px = x, py = y, have = true;
    }
  }
  if (plan.markAt >= 0) {
    const int count = plan.series.empty() ? plan.span : static_cast<int>(plan.series[0].values.size());
    const int x = ChartColumn(plan, plan.markAt, count);
    for (int y = top; y < bottom; y += 2) image.set(x, y, ChartMark);
    if (plan.markDot && !plan.series.empty() && plan.markAt < count && !std::isnan(plan.series[0].values[plan.markAt])) {
      const int y = ChartRow(plan, plan.series[0].values[plan.markAt]);
      image.fillRect(x - 2, y - 2, 5, 5, ChartMark);
    }
    const int w = ChartTextWidth(plan.markLabel);
    const int lx = std::clamp(x + 4, left + 2, right - w - 2);
    image.fillRect(lx - 1, top + 1, w + 2, 9, ChartBackground);
    DrawChartText(image, lx, top + 2, plan.markLabel, ChartMark);
  }
  if (!anySample && !plan.hint.empty()) {
    const int w = ChartTextWidth(plan.hint);
    DrawChartText(image, left + (ChartPlotWidth - w) / 2, top + ChartPlotHeight / 2 - 10, plan.hint, ChartHint);
  }
  Legend(&image, plan, LegendTop(plan));
  return image;
}

// ---- the activity plot ---------------------------------------------------------------

bool TActivityPlot::ValueOf(const TBrainBoard& board, int kind, int index, float& value) {
  if (kind == ElementNeuron && board.neurons.live(index)) value = board.neurons[index].state;
  else if (kind == ElementNode && board.nodes.live(index)) value = board.nodes[index].value[0];
  else if (kind == ElementSnooper && board.snoopers.live(index)) value = static_cast<float>(board.snoopers[index].lastValue);
  else return false;
  return true;
}

std::string TActivityPlot::NameOf(const TBrainBoard& board, int kind, int index) {
  if (kind == ElementNeuron) return "Neuron " + std::to_string(index);
  if (kind == ElementSnooper) return "Snooper " + std::to_string(index);
  if (kind == ElementNode && board.nodes.live(index)) {
    const Node& n = board.nodes[index];
    const bool channel = n.data >= 0 && n.data < ChannelCount;
    const char* name = nullptr;
    if (n.type == InputNode && channel) name = InputChannelName(n.data);
    if (n.type == OutputNode && channel) name = OutputChannelName(n.data);
    if (n.type == InputNode && channel) return "Input " + std::to_string(n.data) + (name ? std::string(" (") + name + ")" : "");
    if (n.type == OutputNode && channel) return "Output " + std::to_string(n.data) + (name ? std::string(" (") + name + ")" : "");
  }
  return "Node " + std::to_string(index);
}

int TActivityPlot::FreeColour(const TBrainBoard& board, int kind, int index) const {
  auto taken = [&](int c) {
    return std::any_of(traces_.begin(), traces_.end(), [c](const PlotTrace& t) { return t.colour == c; });
  };
  // A snooper draws in the colour of its top band.
  if (kind == ElementSnooper) {
    const Snooper& s = board.snoopers[index];
    for (int b = 7; b >= 0; --b) {
      const int c = s.thresholds[b] <= 100 ? ColourOfTile(s.colours[b]) : -1;
      if (c < 0) continue;
      if (Readable(c) && !taken(c)) return c;
      break;
    }
  }
  for (int c : TraceOrder)
    if (!taken(c)) return c;
  return 0;
}

bool TActivityPlot::Add(const TBrainBoard& board, int kind, int index) {
  float v;
  if (static_cast<int>(traces_.size()) >= MaxTraces || !ValueOf(board, kind, index, v)) return false;
  for (const PlotTrace& t : traces_)
    if (t.kind == kind && t.index == index) return false;
  PlotTrace t;
  t.kind = kind;
  t.index = index;
  t.colour = FreeColour(board, kind, index);
  t.name = NameOf(board, kind, index);
  t.values.reserve(PlotTicks);
  traces_.push_back(std::move(t));
  return true;
}

void TActivityPlot::Remove(int kind, int index) {
  std::erase_if(traces_, [&](const PlotTrace& t) { return t.kind == kind && t.index == index; });
}

void TActivityPlot::Sample(const TBrainBoard& board) {
  for (size_t k = 0; k < traces_.size();) {
    PlotTrace& t = traces_[k];
    float v;
    if (!ValueOf(board, t.kind, t.index, v)) {
      traces_.erase(traces_.begin() + static_cast<long>(k));
      continue;
    }
    if (static_cast<int>(t.values.size()) == PlotTicks) t.values.erase(t.values.begin());
    t.values.push_back(v);
    ++k;
  }
}

std::vector<std::pair<int, int>> TActivityPlot::ElementsInSelection(const TBrainBoard& board) {
  std::vector<std::pair<int, int>> found;
  if (!board.HasSelection()) return found;
  const int left = std::min(board.selLeft, board.selRight), right = std::max(board.selLeft, board.selRight);
  const int top = std::min(board.selTop, board.selBottom), bottom = std::max(board.selTop, board.selBottom);
  auto inside = [&](int x, int y) { return x >= left && x <= right && y >= top && y <= bottom; };
  auto add = [&](int kind, int index) {
    if (static_cast<int>(found.size()) < MaxTraces) found.emplace_back(kind, index);
  };
  for (int i = 0; i < board.neurons.used(); ++i)
    if (board.neurons.live(i) && inside(board.neurons[i].x, board.neurons[i].y)) add(ElementNeuron, i);
  for (int i = 0; i < board.nodes.used(); ++i)
    if (board.nodes.live(i) && inside(board.nodes[i].x, board.nodes[i].y)) add(ElementNode, i);
  for (int i = 0; i < board.snoopers.used(); ++i)
    if (board.snoopers.live(i) && inside(board.snoopers[i].x, board.snoopers[i].y)) add(ElementSnooper, i);
  return found;
}

ChartPlan TActivityPlot::Chart() const {
  ChartPlan plan;
  plan.xLabel = "ticks ago (1 tick = 50 ms)";
  plan.yLabel = "value";
  plan.span = PlotTicks;
  plan.xStart = -(PlotTicks - 1);
  plan.xEnd = 0;
  plan.newestAtRight = true;
  plan.hint = traces_.empty() ? Hint : "";
  plan.levels.push_back({50, "firing 50", {255, 128, 0}});
  for (const PlotTrace& t : traces_) plan.series.push_back({t.name, SnooperRgb(t.colour), t.values, false});
  return plan;
}

int TActivityPlot::RowOf(float value) { return ChartRow(ChartPlan{}, value); }
