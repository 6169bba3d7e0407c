#include "world/MonitorStrip.h"

MonitorZone MonitorStrip::ZoneAt(int x) {
  if (x < 0) return MonitorZone::None;
  if (x <= 14) return MonitorZone::Test;
  if (x <= 30) return MonitorZone::Reset;
  if (x <= 45) return MonitorZone::Run;
  return MonitorZone::None;
}

bool MonitorStrip::Visible(int mode, bool toggle, bool moviesIdle, bool maximised, int clientWidth,
                           int clientHeight) {
  if (!moviesIdle) return false;
  switch (mode) {
    case 0: return maximised;
    case 1: return clientWidth > 320 || clientHeight > 240;
    case 2: return toggle;
    case 3: return true;
    default: return false;
  }
}

int MonitorStrip::Frame(bool worldRunning, bool resetHeld, bool testRunning) {
  const int run = worldRunning ? 1 : 0;
  if (resetHeld) return 2 + run;
  return run | (testRunning ? 4 : 0);
}

MonitorZone MonitorStrip::Press(int x) {
  const MonitorZone zone = ZoneAt(x);
  if (zone == MonitorZone::Test) testHeld = true;
  if (zone == MonitorZone::Reset) resetHeld = true;
  return zone;
}
