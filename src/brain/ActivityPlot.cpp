// The activity plot's samples and its chart.
#include "brain/ActivityPlot.h"

#include <algorithm>
#include <cmath>

#include "brain/BoardRequests.h"
#include "brain/SnooperBands.h"

namespace {

// Chart palette: entries 0..11 are the snooper colours, then these.
constexpr uint8_t Background = 12, GridLine = 13, FiringLine = 14;
// Snooper colours that read well on the white chart, in the order traces take them.
constexpr int TraceOrder[] = {7, 9, 4, 6, 8, 2, 1, 0, 5};
constexpr bool Readable(int colour) { return colour != 3 && colour != 10 && colour != 11; }

int ColourOfTile(int tile) {
  for (int c = 0; c < SnooperColourCount; ++c)
    if (SnooperColours[c].tile == tile) return c;
  return -1;
}

}  // namespace

bool TActivityPlot::ValueOf(const TBrainBoard& board, int kind, int index, float& value) {
  if (kind == ElementNeuron && board.neurons.live(index)) value = board.neurons[index].state;
  else if (kind == ElementNode && board.nodes.live(index)) value = board.nodes[index].value[0];
  else if (kind == ElementSnooper && board.snoopers.live(index)) value = static_cast<float>(board.snoopers[index].lastValue);
  else return false;
  return true;
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

int TActivityPlot::RowOf(float value) {
  const float v = std::isnan(value) ? 0.0f : std::clamp(value, -100.0f, 100.0f);
  return Margin + static_cast<int>(std::lround(100.0f - v));
}

IndexedImage TActivityPlot::Render() const {
  IndexedImage image(Width, Height, Background);
  for (int c = 0; c < SnooperColourCount; ++c)
    image.palette[c] = {SnooperColours[c].r, SnooperColours[c].g, SnooperColours[c].b};
  image.palette[Background] = {255, 255, 255};
  image.palette[GridLine] = {220, 220, 220};
  image.palette[FiringLine] = {255, 128, 0};
  const int left = Margin, right = Margin + PlotTicks * 2;
  for (int v = -100; v <= 100; v += 25) image.line(left, RowOf(v), right, RowOf(v), GridLine);
  for (int tick = 0; tick <= PlotTicks; tick += 25) image.line(left + tick * 2, RowOf(100), left + tick * 2, RowOf(-100) + 1, GridLine);
  image.line(left, RowOf(0), right, RowOf(0), 1);
  for (int x = left; x < right; x += 6) image.line(x, RowOf(50), std::min(x + 4, right), RowOf(50), FiringLine);
  // The newest sample sits at the right edge.
  for (const PlotTrace& t : traces_) {
    const int n = static_cast<int>(t.values.size());
    const int x0 = right - (n - 1) * 2;
    for (int k = 0; k < n; ++k) {
      const int x = x0 + k * 2, y = RowOf(t.values[k]);
      if (k == 0) {
        image.set(x, y, static_cast<uint8_t>(t.colour));
        continue;
      }
      const int px = x - 2, py = RowOf(t.values[k - 1]);
      image.line(px, py, x, y, static_cast<uint8_t>(t.colour));
      image.set(x, y, static_cast<uint8_t>(t.colour));
    }
  }
  return image;
}
