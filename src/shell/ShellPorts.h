#pragma once
// What the main window's logic calls on the other windows and on its own pictures
// (the world's and the brains' own ports live with them).
// The windows implement these; until a window exists the shell holds a null pointer
// and the call is skipped.
#include <vector>

#include "brain/BrainWindowPort.h"
#include "shell/LedDisplay.h"
#include "world/WorldWindowPort.h"

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
