// level-test and world-test: load a level or world, run its test as "Start test" and
// "Run world" would, and print the verdict. Teachers grade a learner's brain with these.
#include <cstdio>
#include <cstdlib>

#include "Cli.h"
#include "LevelTestRun.h"
#include "WorldCli.h"

namespace {
struct TestArgs {
  std::string target;
  std::vector<std::pair<std::string, std::string>> brains;
  std::string shown;
  int progress = 999;
  long maxTicks = 200000;
  long seed = 1;
  TestLearning learning;
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
    } else if (a == "--learn") {
      t.learning.learn = true;
    } else if ((a == "--rate" || a == "--momentum") && more) {
      char* end = nullptr;
      const std::string& text = args[++k];
      const float f = std::strtof(text.c_str(), &end);
      if (text.empty() || *end || !(f >= 0 && f <= 100)) return a + " takes a number from 0 to 100";
      (a == "--rate" ? t.learning.rate : t.learning.momentum) = f;
    } else if (a == "--samples" && more) {
      t.learning.samples = args[++k];
    } else if (a == "--train" && more) {
      if (!ParseNumber(args[++k], 0, 100000000, v)) return "--train takes a number of ticks";
      t.learning.train = v;
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
  TestRequest request;
  request.target = t.target;
  request.level = level;
  request.brains = t.brains;
  request.shown = t.shown;
  request.progress = t.progress;
  request.maxTicks = t.maxTicks;
  request.seed = static_cast<uint32_t>(t.seed);
  request.learning = t.learning;
  const TestResult out = RunTestRequest(request, host);
  if (out.status == TestResult::Error) {
    if (!out.reported) std::fprintf(stderr, "{\"error\":%s}\n", JsonString(out.error).c_str());
    return ExitUsage;
  }
  const bool passed = out.status == TestResult::Passed;
  std::printf("{\"verdict\":\"%s\",\"caption\":%s,\"message\":%s,\"movie\":%s,\"ticks\":%d}\n",
              passed ? "passed" : "failed", JsonString(out.caption).c_str(), JsonString(out.message).c_str(),
              JsonString(out.movie).c_str(), out.ticks);
  return passed ? ExitOk : ExitFailed;
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
