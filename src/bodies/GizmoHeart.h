#pragma once
// The hearts: a one-chamber heart on "Heart" and a three-chamber heart on "Chamber 1" to
// "Chamber 3". Each contraction pushes blood on; a gauge shows how much was pumped.
#include "bodies/Gizmo.h"

// The gauge both hearts share: a column that fills with the pumped amount.
struct HeartGauge {
  static constexpr GizmoFrames Frame{24, 104, 0, 0};  // on the sheet's third row
  static constexpr int Inset = 4, Height = 100;
};

class THeart1 : public TGizmo {
 public:
  static constexpr GizmoFrames Heart{90, 90, 80, 70};  // 10 frames by volume, row 0
  static constexpr int GaugeX = 210, GaugeY = 62, MaxVolume = 9;

  explicit THeart1(const GizmoPorts& ports);
  void step(int tick, IndexedImage& canvas, bool testMode, std::vector<TRect>& dirty) override;
  void reset() override;
  void draw(IndexedImage& canvas) override;

  int volume = MaxVolume;
  int pumped = 0;
};

class THeart3 : public TGizmo {
 public:
  static constexpr GizmoFrames Chamber{56, 56, 60, 90};  // 10 frames by volume, row 1
  static constexpr int GaugeX = 250, GaugeY = 62, MaxVolume = 9, Goal = 81, Backflow = 20;

  explicit THeart3(const GizmoPorts& ports);
  void step(int tick, IndexedImage& canvas, bool testMode, std::vector<TRect>& dirty) override;
  void reset() override;
  void draw(IndexedImage& canvas) override;

  int volumes[3] = {MaxVolume, MaxVolume, MaxVolume};  // A, B, C
  int pumped = 0;

 private:
  void Beat();
  int State() const;
};
