#pragma once
// The main window's pictures when there is no window: the notebook counts as open.
#include "shell/ShellPorts.h"

struct HeadlessView : IMainView {
  void ShowTestButton(bool) override {}
  void ShowRunButton(bool) override {}
  void ShowLedNotDial(bool) override {}
  void DrawLedLines(const std::vector<LedLine>&) override {}
  void InvalidateLed() override {}
  void InvalidateDial() override {}
  void RepaintDialNow() override {}
  void ShowCorner() override {}
  void SetPageNumberBlack() override {}
  bool BookShown() override { return true; }
};
