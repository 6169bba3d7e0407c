#pragma once
// A world's [TEST] section as the level and world readers hand it over: the test line
// "%d %d %d %d" (test critter, kind, time a, energy goal b), then movie script lines.
#include <string>
#include <vector>

#include "world/MovieQueue.h"

class IMessages;
class TWorld;

struct TestSection {
  int critter = -1;
  int kind = 0;
  int time = 0;    // a: ticks
  int energy = 0;  // b: the goal
  std::vector<MovieStep> script;
};

// Reads the section's content lines. An unknown script word is reported ("Unknown movie
// command" / "Load Test Error") and its line skipped; blank lines are passed over.
TestSection ReadTestSection(const std::vector<std::string>& lines, IMessages* messages);

// Makes `critter` the world's test critter once its critters are read. -1 is a test
// judged by the gizmos; a number outside the critter list is reported ("Bad test
// critter" / "Load World Error") and false is returned: such a test must not run, or any
// brain would pass it as a gizmo test.
bool TakeTestCritter(TWorld& world, int critter);
