#pragma once
// The slider: a triangle wave of 60 ticks with flat ends on "Slider", a knob that shows
// the value in tenths and an arrow that shows which way it went.
#include "bodies/Gizmo.h"

class TSlider : public TGizmo {
 public:
  static constexpr GizmoFrames Knob{100, 26, 108, 186};  // 11 frames, value / 10
  static constexpr GizmoFrames Arrow{18, 18, 212, 190};  // 3 frames under the knobs
  enum Trend { Stayed = 0, Rose = 1, Fell = 2 };

  explicit TSlider(const GizmoPorts& ports);
  static int Value(int tick);

  void step(int tick, IndexedImage& canvas, bool testMode, std::vector<TRect>& dirty) override;
  void draw(IndexedImage& canvas) override;

  int value = 0;
  int trend = Stayed;

 private:
  int lastValue_ = -1;
};
