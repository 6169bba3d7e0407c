#pragma once
// What ends a test: the rules in their order and the six queued movie steps of the
// verdict they give.
#include <vector>

#include "world/MovieQueue.h"

struct VerdictFacts {
  bool brainTouched = false;
  bool simulatedInput = false;  // a key or file input node fed a brain
  bool hasTestCritter = false;
  std::vector<int> gizmoCodes;  // in gizmo-list order
  bool critterDead = false;
  float critterEnergy = 0;
  int critterType = 0;
  int kind = 0;
  float energyGoal = 0;
  std::vector<MovieStep> worldScript;  // the movie lines under [TEST]
};

struct Verdict {
  bool passed = false;
  std::vector<MovieStep> steps;  // queued in this order
};

Verdict JudgeVerdict(const VerdictFacts& facts);
// The six steps for a caption, movie and message; "Incorrect output" starts its movie
// before the title.
std::vector<MovieStep> VerdictSequence(const char* caption, const char* movie, const char* message,
                                       bool movieFirst = false);
