#include "world/TestMonitorBars.h"

#include <algorithm>
#include <cstring>

namespace {
int BarLength(double value, int full) {
  if (full <= 0) return 0;
  return std::clamp(static_cast<int>(value * 100 / full), 0, 100);
}
}  // namespace

void TestMonitorBars::Draw(IndexedImage& view, float energy, int goal, int remaining, int duration) {
  if (view.width() <= Right || view.height() < Rows) return;
  const int width = Right - Left + 1;
  saved_.resize(static_cast<size_t>(width) * Rows);
  savedWidth_ = width;
  for (int y = 0; y < Rows; ++y) std::memcpy(&saved_[static_cast<size_t>(y) * width], view.row(y) + Left, width);
  for (int y : {1, 9, 18}) view.fillRect(Left, y, 101, 1, 0);
  view.fillRect(Left, 2, BarLength(energy, goal), 7, EnergyColour);
  view.fillRect(Left, 10, BarLength(remaining, duration), 8, TimeColour);
  for (int y = 1; y <= 18; ++y) view.set(Right, y, 0);
}

void TestMonitorBars::Restore(IndexedImage& view) const {
  if (saved_.empty() || view.width() <= Right || view.height() < Rows) return;
  for (int y = 0; y < Rows; ++y) std::memcpy(view.row(y) + Left, &saved_[static_cast<size_t>(y) * savedWidth_], savedWidth_);
}
