#pragma once
// Runs a loaded world's test the way the shell does after "Start test" and "Run world",
// without a window: the verdict, its caption, message and movie, and how long it ran.
// Teachers grade brains with it on the command line; the content's tests use it too.
#include <string>

#include "shell/MainShell.h"
#include "world/World.h"

struct TestOutcome {
  bool ended = false;  // false: the test was still running after the tick limit
  bool passed = false;
  std::string caption, message, movie;
  int ticks = 0;  // ticks until the clock ended the test
};

// The shell must hold the world and the brains; its view may be absent.
TestOutcome RunShellTest(MainShell& shell, TWorld& world, int maxTicks);
