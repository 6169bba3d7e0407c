#pragma once
// What the world needs from its neighbours: the brains' channel blocks, the shell's
// looping sound, the movie queue, and the window it copies its picture to. The program
// wires them; tests and the command line use small stand-ins. Any of them may be absent.
#include <cstdint>
#include <string>
#include <vector>

#include "bodies/Sprite.h"

class TTestRun;

class IWorldBrains {
 public:
  virtual ~IWorldBrains() = default;
  // The 64 channels x 8 sub-values of a brain's inputs and outputs; null when the brain
  // does not exist.
  virtual int32_t* BrainInputs(int brainNumber) = 0;
  virtual const int32_t* BrainOutputs(int brainNumber) = 0;
  // Since its reset a brain was changed by the user, or fed by a key or file input node.
  virtual bool AnyBrainTouched() { return false; }
  virtual bool AnyBrainUsesSimulatedInput() { return false; }
};

class IWorldSound {
 public:
  virtual ~IWorldSound() = default;
  // Plays a wave image looping, or stops all sound when there is none; false when a
  // sound of higher priority holds the output.
  virtual bool PlayLoopSound(const std::vector<uint8_t>* wave, int priority) = 0;
  // Plays a sound file of the world once (a cannon's shot); silent where unsupported.
  virtual void PlaySound(const std::string& path) { (void)path; }
};

class IWorldMovies {
 public:
  virtual ~IWorldMovies() = default;
  // Steps are queued, a movie or fade runs, or a pause counts down or waits.
  virtual bool HoldsWorld() = 0;
  // Steps are queued or a movie or fade runs (a pause alone does not count).
  virtual bool IsBusy() { return HoldsWorld(); }
  // One tick of the queue; true when the tick belonged to it (the world skips its pass).
  virtual bool Step() = 0;
  // Empties the queue and ends every phase and pause; true when something was running.
  virtual bool Reset() = 0;
  // The verdict's final "-1" pause: the world resets before it starts again.
  virtual bool WaitsForStart() = 0;
  virtual void Queue(int code, const std::string& text) = 0;
};

class IWorldScreen {
 public:
  virtual ~IWorldScreen() = default;
  // Copy a rectangle of the view bitmap to the window.
  virtual void CopyToWindow(const TRect& rect) = 0;
  virtual void UpdateMonitor() {}
  virtual void DrawTestMonitor() {}
  // A test has ended: its run and why it ended so, to show beside the verdict.
  virtual void ShowTestRun(const TTestRun& run) { (void)run; }
};

struct WorldPorts {
  IWorldBrains* brains = nullptr;
  IWorldSound* sound = nullptr;
  IWorldMovies* movies = nullptr;
  IWorldScreen* screen = nullptr;
};
