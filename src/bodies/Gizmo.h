#pragma once
// A lab-bench device drawn straight onto the world's picture and wired to the shared
// "Lab" brain. The world steps, starts, stops, resets and draws every gizmo.
#include <vector>

#include "bodies/Sprite.h"
#include "platform/IndexedImage.h"

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
