#pragma once
// A lab-bench device drawn straight onto the world's picture and wired to the shared
// "Lab" brain. The world steps, starts, stops, resets and draws every gizmo.
#include <vector>

#include "bodies/Sprite.h"
#include "platform/IndexedImage.h"

// A [GIZMOS] line: its first character picks the gizmo, the numbers read at their
// fixed positions follow (0 where the line is too short).
struct TGizmoLine {
  char kind = 0;
  int number = 0;
  int values[5] = {0, 0, 0, 0, 0};
  bool operator==(const TGizmoLine&) const = default;
};

class TGizmo {
 public:
  virtual ~TGizmo() = default;
  virtual void step(int tick, IndexedImage& canvas, bool testMode, std::vector<TRect>& dirty) = 0;
  virtual void start() { running = true; }
  virtual void stop() { running = false; }
  virtual void reset() { verdict = 0; }
  virtual void draw(IndexedImage& canvas) = 0;

  int brainNumber = -1;
  int verdict = 0;
  bool running = false;
};
