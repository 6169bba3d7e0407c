#pragma once
// Running a level's or a world's test the way "Start test" and "Run world" do, with the
// brains a teacher hands in: level-test, world-test and grade all run tests through here.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "WorldCli.h"
#include "shell/GizmoPorts.h"
#include "platform/Host.h"
#include "shell/MainShell.h"
#include "shell/ShellTestHolder.h"
#include "world/WorldLoader.h"

// A learning experiment as the learner runs it: "Learn" on, samples playing, and the
// world run for a while before "Start test".
struct TestLearning {
  bool learn = false;
  float rate = -1, momentum = -1;  // the settings dialog's values; below 0: as the board has them
  std::string samples;
  long train = 0;
};

struct TestRequest {
  std::string target;  // level number, world name or a world file's path
  bool level = true;
  std::vector<std::pair<std::string, std::string>> brains;  // board name, brain file
  std::string shown;  // brain file for the shown board
  int progress = 999;
  long maxTicks = 200000;
  uint32_t seed = 1;  // the world's generator
  TestLearning learning;
  std::string plotTo;  // a PNG of the run, written when the test ends
};

struct TestResult {
  enum Status { Passed, Failed, Error } status = Error;
  std::string caption, message, movie;
  int ticks = 0;
  // Why the verdict went so, from the run; the goal and the energy reached when a body
  // was judged (-1 otherwise).
  std::string why;
  int goal = -1, reached = -1;
  // Why there is no verdict; `reported` when a message box already said so.
  std::string error;
  bool reported = false;
};

TestResult RunTestRequest(const TestRequest& request, Host& host);

// Reads the test option at args[k] into the request, moving k past its value: --brain,
// --shown, --progress, --max-ticks, --seed, --learn, --rate, --momentum, --samples,
// --train, --plot. Returns "" when it read one, "-" when args[k] is no test option, else
// the usage problem.
std::string ParseTestOption(const std::vector<std::string>& args, size_t& k, TestRequest& t);
// Whether any of the learning options was given.
bool AsksForLearning(const std::vector<std::string>& args);

// How a level that needs learning is run when no learning option is given: "Learn" on at
// the rate the pages ask for, the samples the page plays, and the ticks the learner lets
// the world run before the test. Levels that need no learning get none.
TestLearning LevelLearning(int level);

// A level or workshop world loaded as the notebook or the workshop loads it, its brains
// put in, and the shell that runs it; the tests and the soak run start from here.
struct CliExperiment {
  CliExperiment(Host& host, uint32_t seed);
  // Loads the request's level or world and brains; false with the failure filled in.
  bool Load(const TestRequest& request, TestResult& failure);
  // Learn on, samples playing, and the training run, as the request asks; empty or why not.
  std::string PrepareLearning(const TestLearning& learning);

  Host& host;
  CliWorld w;
  MainShell shell;
  ShellTestHolder holder;
  TWorldLoader loader;
  TCollectionGizmoBrains gizmoBrains;
  TGizmoSoundList gizmoSounds;
  GizmoPorts gizmoPorts;
};
