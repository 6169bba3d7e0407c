#pragma once
// The oscilloscope, the logic tester: it sets "Target 1" to "Target 4" from the lights
// and the task type, fails a test on any light that differs from its target, and plots
// the lab brain's channels on a black screen.
#include "bodies/Gizmo.h"

class TOscilloscope : public TGizmo {
 public:
  static constexpr int ScreenX = 165, ScreenY = 104, ScreenW = 115, ScreenH = 48;
  static constexpr int TraceHeight = 46, ClearWidth = 6;
  static constexpr int FirstTarget = 28;  // "Target 1"

  TOscilloscope(const GizmoPorts& ports, int taskType, bool showTargets);
  // The four targets for the lights and the switch and slider inputs.
  static void Targets(int taskType, const int lights[4], int s1, int s2, int slider, int out[4]);

  void step(int tick, IndexedImage& canvas, bool testMode, std::vector<TRect>& dirty) override;
  void draw(IndexedImage& canvas) override;
  void reset() override {
    TGizmo::reset();
    brainSawInputs_ = false;
  }

  const int taskType;
  const bool showTargets;

 private:
  struct Trace {
    int value;
    uint8_t colour;
  };
  std::vector<Trace> Traces(const IndexedImage& canvas, bool testMode) const;
  void Plot(IndexedImage& canvas, int column, bool testMode);
  std::vector<int> lastY_;
  // The first tick after a reset sets the targets before the brain has seen them.
  bool brainSawInputs_ = false;
};
