#pragma once
// A world's [TEST] hands its kind and values to the shell.
#include "shell/MainShell.h"
#include "world/WorldFile.h"

class ShellTestHolder : public IWorldTestHolder {
 public:
  explicit ShellTestHolder(MainShell& shell) : shell_(shell) {}
  void SetTest(int kind, int time, int energy) override { shell_.SetTest(kind, time, energy); }
  void GetTest(int& kind, int& time, int& energy) override { shell_.GetTest(kind, time, energy); }

 private:
  MainShell& shell_;
};
