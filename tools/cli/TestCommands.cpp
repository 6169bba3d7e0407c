// level-test and world-test: load a level or world, run its test as "Start test" and
// "Run world" would, and print the verdict with why it went so. Teachers grade a
// learner's brain with these.
#include <cstdio>
#include <cstdlib>

#include "Cli.h"
#include "LevelTestRun.h"
#include "WorldCli.h"

namespace {

// Returns an empty text, or the usage problem.
std::string ParseTestArgs(const std::vector<std::string>& args, TestRequest& t) {
  for (size_t k = 0; k < args.size(); ++k) {
    const std::string problem = ParseTestOption(args, k, t);
    if (problem == "-" && args[k].rfind("--", 0) != 0 && t.target.empty()) t.target = args[k];
    else if (problem == "-") return "unexpected argument " + args[k];
    else if (!problem.empty()) return problem;
  }
  return t.target.empty() ? "a level number, world name or world file is needed" : "";
}

int RunTest(const std::vector<std::string>& args, Host& host, bool level) {
  TestRequest request;
  std::string problem = ParseTestArgs(args, request);
  if (!problem.empty()) return UsageError(problem);
  long levelNumber = 0;
  // A level test may be handed a world file instead of a level.
  request.level = level && !IsWorldPath(request.target);
  if (request.level && !ParseNumber(request.target, 0, 1000000, levelNumber))
    return UsageError("the level is a number or a world file's path");
  const TestResult out = RunTestRequest(request, host);
  if (out.status == TestResult::Error) {
    if (!out.reported) std::fprintf(stderr, "{\"error\":%s}\n", JsonString(out.error).c_str());
    return ExitUsage;
  }
  const bool passed = out.status == TestResult::Passed;
  std::string body;
  if (out.goal >= 0) body = ",\"goal\":" + std::to_string(out.goal) + ",\"reached\":" + std::to_string(out.reached);
  std::printf("{\"verdict\":\"%s\",\"caption\":%s,\"message\":%s,\"movie\":%s,\"ticks\":%d,\"why\":%s%s}\n",
              passed ? "passed" : "failed", JsonString(out.caption).c_str(), JsonString(out.message).c_str(),
              JsonString(out.movie).c_str(), out.ticks, JsonString(out.why).c_str(), body.c_str());
  return passed ? ExitOk : ExitFailed;
}

int LevelTest(const std::vector<std::string>& args, Host& host) { return RunTest(args, host, true); }
int WorldTest(const std::vector<std::string>& args, Host& host) { return RunTest(args, host, false); }
}  // namespace

QUORBIT_CLI_COMMAND(level_test, "level-test",
                    "level-test N|WORLD.wld [--brain NAME=FILE]... [--shown FILE] [--progress P] [--max-ticks M] "
                    "[--seed N] [--learn] [--rate R] [--momentum M] [--samples FILE] [--train T] [--plot OUT.png]",
                    LevelTest);
QUORBIT_CLI_COMMAND(world_test, "world-test",
                    "world-test WORLD|PATH.wld [--brain NAME=FILE]... [--shown FILE] [--progress P] [--max-ticks M] "
                    "[--seed N] [--learn] [--rate R] [--momentum M] [--samples FILE] [--train T] [--plot OUT.png]",
                    WorldTest);
