#pragma once
// The two bars a running test draws into the view's top strip: the test critter's energy
// against the goal and the time left, shown for one step and then put back.
#include <cstdint>
#include <vector>

#include "platform/IndexedImage.h"

class TestMonitorBars {
 public:
  static constexpr int Left = 49, Right = 149, Rows = 20;
  static constexpr uint8_t EnergyColour = 198, TimeColour = 132;

  // Saves the strip, then draws the bars: energy x 100 / goal and remaining x 100 /
  // duration pixels, each at most 100.
  void Draw(IndexedImage& view, float energy, int goal, int remaining, int duration);
  // Puts back what the strip held before the last Draw.
  void Restore(IndexedImage& view) const;
  bool saved() const { return !saved_.empty(); }
  void Forget() { saved_.clear(); }

 private:
  std::vector<uint8_t> saved_;
  int savedWidth_ = 0;
};
