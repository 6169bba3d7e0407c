#pragma once
// A beer tap over a belt that brings one glass. "Arm Down" opens the tap, "Arm Up"
// closes it, the arm drifts shut by itself; "Glass" tells when the glass comes.
#include "bodies/Gizmo.h"

class TBeer : public TGizmo {
 public:
  static constexpr GizmoFrames Tap{48, 64, 192, 30};     // 5 frames by opening, row 0
  static constexpr GizmoFrames Stream{8, 34, 214, 94};   // dry, pouring; row 0 after the tap
  static constexpr GizmoFrames Sensor{16, 16, 0, 100};   // off, on; x follows the variant
  static constexpr GizmoFrames Belt{220, 52, 40, 120};   // the empty belt, row 1
  static constexpr GizmoFrames Puddle{40, 8, 198, 158};  // row 1 after the belt, keyed
  static constexpr GizmoFrames Glass{28, 40, 0, 124};    // 23 frames by level / 4, row 2, keyed
  static constexpr int GlassStartX = 48, GlassStep = 12, LastGlassPosition = 13;
  static constexpr int MaxArm = 9, MaxLevel = 91, AchievedLevel = 65, SpillLevel = 79;

  TBeer(const GizmoPorts& ports, int variant);
  static int GlassPosition(int tick);
  bool GlassInPlace(int g) const { return g == LastGlassPosition; }
  bool GlassSensed(int g) const { return variant != 0 ? g == 5 || g == 6 : g == LastGlassPosition; }
  int Opening() const { return arm / 2; }
  bool Pouring() const { return Opening() >= 2; }

  void step(int tick, IndexedImage& canvas, bool testMode, std::vector<TRect>& dirty) override;
  void reset() override;
  void draw(IndexedImage& canvas) override;

  const int variant;
  int arm = 0;    // A, 0 to 9
  int level = 0;  // fill level, 0 to 91
  bool started = false;
  bool spilled = false, achieved = false;
  int glass = 0;  // g, 0 to 13

 private:
  void MoveArm();
  void Pour(bool testMode);
  int State() const;
  int SensorX() const;
  int shownState_ = -1;
};
