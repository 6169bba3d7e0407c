// level-test and world-test: load a level or world, run its test as "Start test" and
// "Run world" would, and print the verdict. Teachers grade a learner's brain with these.
#include <cstdio>
#include <algorithm>
#include <cstdlib>

#include "Cli.h"
#include "WorldCli.h"
#include "bodies/GizmoBrains.h"
#include "bodies/GizmoChalk.h"
#include "shell/HeadlessView.h"
#include "shell/ShellTestHolder.h"
#include "shell/TestRunner.h"
#include "world/WorldLoader.h"

namespace {
struct TestArgs {
  std::string target;
  std::vector<std::pair<std::string, std::string>> brains;
  std::string shown;
  int progress = 999;
  long maxTicks = 200000;
  long seed = 1;
  // A learning experiment: learning on, samples playing, the world run before the test.
  bool learn = false;
  float rate = -1, momentum = -1;  // the settings dialog's values; below 0: as the board has them
  std::string samples;
  long train = 0;
};

bool ParseNumber(const std::string& text, long low, long high, long& out) {
  char* end = nullptr;
  long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end || v < low || v > high) return false;
  out = v;
  return true;
}

// Returns an empty text, or the usage problem.
std::string ParseTestArgs(const std::vector<std::string>& args, TestArgs& t) {
  for (size_t k = 0; k < args.size(); ++k) {
    const std::string& a = args[k];
    const bool more = k + 1 < args.size();
    long v = 0;
    if (a == "--brain" && more) {
      std::string board, path;
      if (!SplitBrainArgument(args[++k], board, path)) return "--brain takes NAME=FILE";
      t.brains.emplace_back(board, path);
    } else if (a == "--shown" && more) {
      t.shown = args[++k];
    } else if (a == "--progress" && more) {
      if (!ParseNumber(args[++k], 0, 100000, v)) return "--progress takes a number";
      t.progress = static_cast<int>(v);
    } else if (a == "--max-ticks" && more) {
      if (!ParseNumber(args[++k], 1, 100000000, v)) return "--max-ticks takes a positive number";
      t.maxTicks = v;
    } else if (a == "--seed" && more) {
      if (!ParseNumber(args[++k], 0, 4294967295L, v)) return "--seed takes a number from 0 to 4294967295";
      t.seed = v;
    } else if (a == "--learn") {
      t.learn = true;
    } else if ((a == "--rate" || a == "--momentum") && more) {
      char* end = nullptr;
      const std::string& text = args[++k];
      const float f = std::strtof(text.c_str(), &end);
      if (text.empty() || *end || !(f >= 0 && f <= 100)) return a + " takes a number from 0 to 100";
      (a == "--rate" ? t.rate : t.momentum) = f;
    } else if (a == "--samples" && more) {
      t.samples = args[++k];
    } else if (a == "--train" && more) {
      if (!ParseNumber(args[++k], 0, 100000000, v)) return "--train takes a number of ticks";
      t.train = v;
    } else if (a.rfind("--", 0) != 0 && t.target.empty()) {
      t.target = a;
    } else {
      return "unexpected argument " + a;
    }
  }
  return t.target.empty() ? "a level number or world name is needed" : "";
}

// As the learner does it: "Learn" on in every brain, the samples loaded and playing, and
// the world run for a while before "Start test".
bool PrepareLearning(const TestArgs& t, CliWorld& w, MainShell& shell) {
  for (const auto& entry : w.brains.Brains()) {
    if (t.learn) entry.board->learning = true;
    if (t.rate >= 0) entry.board->learnRate = std::min(t.rate, 1.0f);
    if (t.momentum >= 0) entry.board->momentum = t.momentum;
  }
  if (!t.samples.empty()) {
    TChalk* chalk = nullptr;
    for (auto& g : w.world->gizmos)
      if (!chalk) chalk = dynamic_cast<TChalk*>(g.get());
    if (!chalk) {
      std::fprintf(stderr, "{\"error\":\"this world has no chalk board\"}\n");
      return false;
    }
    const auto report = chalk->LoadSamples(t.samples);
    if (!report || report->added == 0 || !chalk->StartPlaying()) {
      std::fprintf(stderr, "{\"error\":%s}\n", JsonString("no samples in " + t.samples).c_str());
      return false;
    }
  }
  if (t.train > 0) {
    HeadlessView headless;
    shell.view = &headless;
    shell.ResetExperiment();
    shell.RunWorld();
    for (long k = 0; k < t.train; ++k) shell.TimerTick();
    shell.StopRunning();
    shell.view = nullptr;
  }
  return true;
}

int RunTest(const std::vector<std::string>& args, Host& host, bool level) {
  TestArgs t;
  std::string problem = ParseTestArgs(args, t);
  if (!problem.empty()) return UsageError(problem);
  long levelNumber = 0;
  if (level && !ParseNumber(t.target, 0, 1000000, levelNumber)) return UsageError("the level is a number");

  CliWorld w(host);
  w.world->random.seed(static_cast<uint32_t>(t.seed));
  MainShell shell(nullptr);
  ShellTestHolder holder(shell);
  TWorldLoader loader(*w.world, &w.link, &holder);
  TCollectionGizmoBrains gizmoBrains(w.brains);
  TGizmoSoundList gizmoSounds(shell.sound);
  GizmoPorts gizmoPorts{&gizmoBrains, &gizmoSounds, host};
  loader.gizmoPorts = &gizmoPorts;
  std::string missing;
  bool available = level ? loader.LevelAvailable(static_cast<int>(levelNumber), t.progress, missing)
                         : loader.WorldAvailable(t.target, t.progress, missing);
  if (!available) {
    if (!missing.empty()) std::fprintf(stderr, "{\"error\":%s}\n", JsonString("You don't yet have the " + missing).c_str());
    return ExitUsage;
  }
  bool loaded = level ? loader.LoadLevel(static_cast<int>(levelNumber)) : loader.LoadWorldFile(t.target);
  if (!loaded) return ExitUsage;
  for (const auto& [board, path] : t.brains)
    if (!LoadBrainInto(w, board, path)) return ExitUsage;
  if (!t.shown.empty() && !w.brains.LoadBrainFile(t.shown)) {
    host.Message("Couldn't open " + t.shown, "Load Brain Error");
    return ExitUsage;
  }
  if (shell.TestType == NoTest) {
    std::fprintf(stderr, "{\"error\":\"this world has no test\"}\n");
    return ExitUsage;
  }
  shell.world = w.world.get();
  shell.brains = &w.brains;
  shell.WorldId = level ? static_cast<int>(levelNumber) : 1000;
  if (!PrepareLearning(t, w, shell)) return ExitUsage;
  TestOutcome out = RunShellTest(shell, *w.world, static_cast<int>(t.maxTicks));
  if (!out.ended) {
    std::fprintf(stderr, "{\"error\":\"the test did not end within %ld ticks\"}\n", t.maxTicks);
    return ExitUsage;
  }
  std::printf("{\"verdict\":\"%s\",\"caption\":%s,\"message\":%s,\"movie\":%s,\"ticks\":%d}\n",
              out.passed ? "passed" : "failed", JsonString(out.caption).c_str(), JsonString(out.message).c_str(),
              JsonString(out.movie).c_str(), out.ticks);
  return out.passed ? ExitOk : ExitFailed;
}

int LevelTest(const std::vector<std::string>& args, Host& host) { return RunTest(args, host, true); }
int WorldTest(const std::vector<std::string>& args, Host& host) { return RunTest(args, host, false); }
}  // namespace

QUORBIT_CLI_COMMAND(level_test, "level-test",
                    "level-test N [--brain NAME=FILE]... [--shown FILE] [--progress P] [--max-ticks M] [--seed N] "
                    "[--learn] [--rate R] [--momentum M] [--samples FILE] [--train T]",
                    LevelTest);
QUORBIT_CLI_COMMAND(world_test, "world-test",
                    "world-test WORLD [--brain NAME=FILE]... [--shown FILE] [--progress P] [--max-ticks M] [--seed N]", WorldTest);
