#pragma once
// What the main window's tick asks of the brains: step them all, or reset them.

class IBrainWindow {
 public:
  virtual ~IBrainWindow() = default;
  virtual void StepAll(bool running) = 0;
  virtual void ResetAll() = 0;
};
