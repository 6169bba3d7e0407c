#pragma once
// A leg that kicks at bells. "Raise Leg" and "Lower Leg" move it, it sinks back by
// itself, the "Eyes" light tells when to act, and the task type says which bells must
// ring.
#include "bodies/Gizmo.h"

class TLeg : public TGizmo {
 public:
  static constexpr GizmoFrames Leg{160, 150, 70, 50};      // 10 frames, position / 100
  // Bells hang inside the leg's frame and are laid over it with the key colour.
  static constexpr GizmoFrames HighBell{28, 28, 200, 60};  // still, ringing
  static constexpr GizmoFrames LowBell{28, 28, 168, 142};  // still, ringing
  static constexpr int HipX = 28, HipY = 22, LegLength = 95;  // in the leg's frame
  static constexpr GizmoFrames Light{24, 24, 30, 40};      // off, on
  static constexpr int MaxPosition = 1000, RingTicks = 6;
  enum Bell { High = 1, Low = 2 };

  TLeg(const GizmoPorts& ports, bool secondBell, bool legPosInput, int windowStart, int windowEnd,
       int taskType);

  void step(int tick, IndexedImage& canvas, bool testMode, std::vector<TRect>& dirty) override;
  void reset() override;
  void draw(IndexedImage& canvas) override;
  static int PictureIndex(int position) { return position / 100 > 9 ? 9 : position / 100; }

  const bool secondBell, legPosInput;
  const int windowStart, windowEnd, taskType;
  int position = 0;             // L, 0 to 1000
  int bellCount[3] = {};        // by bell: 1 high, 2 low
  bool tooEarly = false;
  int ringing[3] = {};          // ticks a bell still shows swinging
  bool lightOn = false;

 private:
  void Move(bool raise, bool lower);
  void Ring(int bell);
  int Judge() const;
  int BellState() const { return (ringing[High] > 0 ? 1 : 0) + (ringing[Low] > 0 ? 2 : 0); }
  void DrawLight(IndexedImage& canvas);
  int sounds_[3] = {-1, -1, -1};
  int shownBells_ = -1, shownLight_ = -1;
};
