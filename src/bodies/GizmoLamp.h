#pragma once
// A lamp on "Light 1" + n, shown in five brightness levels.
#include "bodies/Gizmo.h"

class TLamp : public TGizmo {
 public:
  static constexpr int FrameW = 42, FrameH = 62, FirstX = 118, Y = 30, Levels = 5;

  TLamp(const GizmoPorts& ports, int number);  // number 0 to 3
  static int Level(int output);
  int x() const { return FirstX + FrameW * number; }

  void step(int tick, IndexedImage& canvas, bool testMode, std::vector<TRect>& dirty) override;
  void draw(IndexedImage& canvas) override;

  const int number;
  int level = 0;
};
