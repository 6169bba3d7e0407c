// level-test and world-test: load a level or world, run its test as "Start test" and
// "Run world" would, and print the verdict. Teachers grade a learner's brain with these.
#include <cstdio>
#include <cstdlib>

#include "Cli.h"
#include "WorldCli.h"
#include "bodies/GizmoBrains.h"
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
};

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
    } else if (a.rfind("--", 0) != 0 && t.target.empty()) {
      t.target = a;
    } else {
      return "unexpected argument " + a;
    }
  }
  return t.target.empty() ? "a level number or world name is needed" : "";
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
                    "level-test N [--brain NAME=FILE]... [--shown FILE] [--progress P] [--max-ticks M] [--seed N]", LevelTest);
QUORBIT_CLI_COMMAND(world_test, "world-test",
                    "world-test WORLD [--brain NAME=FILE]... [--shown FILE] [--progress P] [--max-ticks M] [--seed N]", WorldTest);
