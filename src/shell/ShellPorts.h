#pragma once
// What the main window's logic calls on the other windows and on its own pictures.
// The windows implement these; until a window exists the shell holds a null pointer
// and the call is skipped.
#include <vector>

#include "shell/LedDisplay.h"

class IWorldWindow {
 public:
  virtual ~IWorldWindow() = default;
  virtual void Step(int tick, bool running, bool testRunning) = 0;
  virtual void ResetWorld() = 0;
  virtual void StartWorld() = 0;
  virtual void StopWorld() = 0;
  // Energies of the follow and the test critter, each -1 when the world has none.
  virtual void TestReadouts(int& followEnergy, int& testEnergy) = 0;
  virtual bool JudgeTest(int kind, int energyGoal) = 0;
  virtual int GetMonitorMode() = 0;
  virtual void SetMonitorMode(int mode) = 0;
  virtual void SetSoundsOn(bool on) = 0;
  // A one-shot sound replaced the world's looping tone.
  virtual void LoopSoundReplaced() = 0;
};

class IBrainWindow {
 public:
  virtual ~IBrainWindow() = default;
  virtual void StepAll(bool running) = 0;
  virtual void ResetAll() = 0;
};

class IWorldEditor {
 public:
  virtual ~IWorldEditor() = default;
  virtual void Update() = 0;
};

class IPagePlay {
 public:
  virtual ~IPagePlay() = default;
  virtual void PagePlayStep() = 0;
};

// The main window's own pictures as the tick and the test actions change them.
class IMainView {
 public:
  virtual ~IMainView() = default;
  virtual void ShowTestButton(bool shown) = 0;
  virtual void ShowRunButton(bool shown) = 0;
  // Kind 1 or 2 shows the LED and hides the dial; other kinds the reverse.
  virtual void ShowLedNotDial(bool led) = 0;
  virtual void DrawLedLines(const std::vector<LedLine>& lines) = 0;
  virtual void InvalidateLed() = 0;
  virtual void InvalidateDial() = 0;
  // Paint the dial at once (the wind-up animation); the view reads the dial frame.
  virtual void RepaintDialNow() = 0;
  virtual void ShowCorner() = 0;
  virtual void SetPageNumberBlack() = 0;
  // The open notebook (BookPic) is visible.
  virtual bool BookShown() = 0;
};
