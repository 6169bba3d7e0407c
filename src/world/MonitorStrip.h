#pragma once
// The monitor strip in the world view's top-left corner: three click zones that mirror
// the shell's test, reset and run buttons, a picture of eight frames, and when it shows.
enum class MonitorZone { Test, Reset, Run, None };

class MonitorStrip {
 public:
  static constexpr int Width = 49, Height = 20, Frames = 8;
  // Mode 4 ("Never" in the brain settings) hides it for good.
  static constexpr int NeverMode = 4;

  static MonitorZone ZoneAt(int x);
  // Shown only while no movie holds the view; then by mode: 0 maximised, 1 a client area
  // above 320 x 240, 2 the toggle flag, 3 always.
  static bool Visible(int mode, bool toggle, bool moviesIdle, bool maximised, int clientWidth, int clientHeight);
  // Bit 0 the world runs, bit 2 a test runs; while the strip's reset is held, 2 + bit 0.
  static int Frame(bool worldRunning, bool resetHeld, bool testRunning);

  // A press in a zone: which shell action to run; the pressed marks last until the
  // release.
  MonitorZone Press(int x);
  void Release() { testHeld = resetHeld = false; }
  bool testHeld = false, resetHeld = false;
};
