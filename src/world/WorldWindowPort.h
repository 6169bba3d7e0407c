#pragma once
// What the main window's tick and test clock ask of the world. The world implements it;
// until a world window exists the shell holds a null pointer and the call is skipped.

class IWorldWindow {
 public:
  virtual ~IWorldWindow() = default;
  virtual void Step(int tick, bool running, bool testRunning) = 0;
  virtual void ResetWorld() = 0;
  virtual void StartWorld() = 0;
  virtual void StopWorld() = 0;
  // A test starts, after the reset: nothing an earlier run left behind may help it pass.
  virtual void TestStarting() {}
  // Energies of the follow and the test critter, each -1 when the world has none.
  virtual void TestReadouts(int& followEnergy, int& testEnergy) = 0;
  virtual bool JudgeTest(int kind, int energyGoal) = 0;
  virtual int GetMonitorMode() = 0;
  virtual void SetMonitorMode(int mode) = 0;
  virtual void SetSoundsOn(bool on) = 0;
  // A one-shot sound replaced the world's looping tone.
  virtual void LoopSoundReplaced() = 0;
};
