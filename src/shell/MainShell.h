#pragma once
// The main window's logic: progress, the test state machine, the LED and dial, the
// sounds, and the tick that drives world, brains, editor and page play.
#include <array>
#include <string>

#include "shell/LedDisplay.h"
#include "shell/PageIndex.h"
#include "shell/SettingsStore.h"
#include "shell/ShellPorts.h"
#include "shell/SoundService.h"

enum TestKind { NoTest = 0, TimedEnergyTest = 1, EnergyTest = 2, DialTest = 3, EnergyReachedTest = 4 };

class MainShell {
 public:
  explicit MainShell(ISoundOut* soundOut);
  MainShell(const MainShell&) = delete;
  MainShell& operator=(const MainShell&) = delete;

  // Start-up after the settings were read: progress and the four sounds.
  void ReadStartSettings();
  void LoadSounds();
  // Destruction: the four keys in their order.
  void WriteEndSettings(bool titleShown);

  void TimerTick();
  void ResetExperiment();
  void StartTest();
  void RunWorld();
  // A click on the pressed Run button.
  void StopRunning();
  void SetTest(int kind, int duration, int target);
  int GetTest(int& kind, int& duration, int& target) const;
  bool IsTesting() const { return Testing; }

  // Dial frame for the remaining ticks: 0..22, 0 when the duration is not positive.
  static int DialFrameFor(int remaining, int duration);
  int CurrentDialFrame() const { return DialFrameFor(TestRemaining, TestDuration); }

  // The text of the box shown when an error escapes a tick.
  static std::string TickErrorText(const std::string& what);

  int Progress = 100;
  int CurrentBook = 0;
  int CurrentPage = 0;
  int WorldId = 0;
  int TickCount = 0;
  int TestType = NoTest;
  int TestDuration = 0;
  int TestTarget = 0;
  int TestRemaining = 0;
  int DialFrame = 0;
  bool Running = false;
  bool Testing = false;
  bool PagePlay = false;
  bool PagePainting = false;
  int PagePlayState = 0;
  float FontScale = 1.0f;
  // The monitor mode read at start, kept for the world window and written back at the end.
  int MonitorMode = 0;

  SoundService sound;
  std::array<SoundRecord, 4> Sounds;  // switch-on, switch-off, tick, bell
  enum { SwitchOnSound, SwitchOffSound, TickSound, BellSound };
  LedDisplay led;
  PageIndex pages;
  SettingsStore Settings;

  IWorldWindow* world = nullptr;
  IBrainWindow* brains = nullptr;
  IWorldEditor* editor = nullptr;
  IPagePlay* pagePlay = nullptr;
  IMainView* view = nullptr;

 private:
  bool StepDialTest();
  bool StepLedTest();
  void EndTest();
};
