#pragma once
// Passes every call on to another world window; a watcher overrides only what it
// watches (the test runner hears the verdict, the command line drives bodies).
#include "shell/ShellPorts.h"

class WorldWindowRelay : public IWorldWindow {
 public:
  explicit WorldWindowRelay(IWorldWindow& w) : world(w) {}
  void Step(int tick, bool running, bool testRunning) override { world.Step(tick, running, testRunning); }
  void ResetWorld() override { world.ResetWorld(); }
  void StartWorld() override { world.StartWorld(); }
  void StopWorld() override { world.StopWorld(); }
  void TestStarting() override { world.TestStarting(); }
  void TestReadouts(int& follow, int& test) override { world.TestReadouts(follow, test); }
  bool JudgeTest(int kind, int goal) override { return world.JudgeTest(kind, goal); }
  int GetMonitorMode() override { return world.GetMonitorMode(); }
  void SetMonitorMode(int mode) override { world.SetMonitorMode(mode); }
  void SetSoundsOn(bool on) override { world.SetSoundsOn(on); }
  void LoopSoundReplaced() override { world.LoopSoundReplaced(); }

  IWorldWindow& world;
};
