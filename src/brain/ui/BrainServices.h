#pragma once
// What the brain dialogs reach through the brain window: the main window's services.
// Until the main window sets a hook, the matching call does nothing (or answers the
// default shown).
#include <functional>

struct BrainServices {
  std::function<void(int page)> showManual;
  std::function<int()> getInterval;
  std::function<void(int ms)> setInterval;
  std::function<void(int percent)> scaleDisplay;
  std::function<int()> getScale;  // the main window's current scale in percent
  std::function<int()> getMonitorMode;
  std::function<void(int mode)> setMonitorMode;

  int Interval() const { return getInterval ? getInterval() : 50; }
  int Scale() const { return getScale ? getScale() : 100; }
  int MonitorMode() const { return getMonitorMode ? getMonitorMode() : 0; }
};
