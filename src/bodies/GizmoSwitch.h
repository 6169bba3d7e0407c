#pragma once
// A timed switch: an eight-phase clock that holds "Switch 1" (or "Switch 2") on in its
// last three phases.
#include "bodies/Gizmo.h"

class TSwitch : public TGizmo {
 public:
  static constexpr int PhaseCount = 8;
  static constexpr GizmoFrames Frames[2] = {{30, 70, 68, 80}, {61, 83, 4, 75}};

  // number 0 or 1; divisor at least 1.
  TSwitch(const GizmoPorts& ports, int number, int divisor, int offset);
  static int Phase(int tick, int divisor, int offset);
  static bool PhaseOn(int phase) { return phase >= 5; }

  void step(int tick, IndexedImage& canvas, bool testMode, std::vector<TRect>& dirty) override;
  void draw(IndexedImage& canvas) override;

  const int number, divisor, offset;
  int phase = 0;
};
