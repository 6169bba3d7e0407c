// soak: every level of the level map and every workshop world, each with its reference
// brain, run for many ticks as "Run world" runs it. Most worlds settle within a few
// thousand ticks (the aphids eaten, the bug at rest), so the run is reset and started
// again every so often, as a learner does. Each is run twice: the two runs must end on
// the same state hash, nothing may throw, and the resident memory must stay flat (the
// peak at the end no more than a little above the peak at 10^4 ticks).
#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <exception>
#include <fstream>
#include <regex>

#include "Cli.h"
#include "LevelTestRun.h"
#include "platform/Files.h"
#include "shell/HeadlessView.h"
#include "world/WorldHash.h"

namespace {
constexpr long FirstCheck = 10000;
// Growth of the peak resident size after the first check that still counts as flat:
// the allocator's own slack. Anything that keeps 50 bytes a tick passes it within 10^4
// ticks.
constexpr long SlackKb = 512;
// Under AddressSanitizer freed memory waits in a quarantine of a few hundred megabytes, so
// the resident size grows by design; leaks are the leak checker's to find there.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool MemoryMeasurable = false;
#else
constexpr bool MemoryMeasurable = true;
#endif

struct SoakTarget {
  std::string name;  // "level 101" or "world Aphids"
  TestRequest request;
};

// Passes messages on and counts them: a run that reports trouble says so in its line.
struct CountedMessages : IMessages {
  explicit CountedMessages(IMessages* inner) : inner(inner) {}
  void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override {
    ++count;
    if (inner) inner->ShowMessage(text, caption, icon);
  }
  Answer AskYesNo(const std::string& text, const std::string& caption) override {
    return inner ? inner->AskYesNo(text, caption) : Answer::Yes;
  }
  Answer AskYesNoCancel(const std::string& text, const std::string& caption) override {
    return inner ? inner->AskYesNoCancel(text, caption) : Answer::Yes;
  }
  IMessages* inner;
  int count = 0;
};

struct RunFigures {
  uint64_t hash = 0;
  long rssFirstKb = 0, peakFirstKb = 0, rssEndKb = 0, peakEndKb = 0;
  int messages = 0;
  std::string error;
};

// "VmRSS" or "VmHWM" of this process, in kB.
long StatusKb(const char* field) {
  std::ifstream in("/proc/self/status");
  std::string line;
  const std::string key = std::string(field) + ":";
  while (std::getline(in, line))
    if (line.rfind(key, 0) == 0) return std::atol(line.c_str() + key.size());
  return 0;
}

// Starts the peak resident size afresh, so each run's peak is its own.
void ResetPeak() {
  std::ofstream out("/proc/self/clear_refs");
  out << "5";
}

// The reference brain of a level, when the data folder has one; the book's learning
// pages learn while they run, the digit pages with their samples playing.
void AddLevelBrain(SoakTarget& t, int level) {
  const std::string brain = "testbrain/w" + std::to_string(level) + ".brn";
  if (!FileExists(brain)) return;
  t.request.shown = brain;
  if (level / 100 == 6) {
    t.request.learning.learn = true;
    t.request.learning.rate = 0.05f;
  }
  if (level == 605) t.request.learning.samples = "samples\\digits01.txt";
  if (level == 606) t.request.learning.samples = "samples\\digits012.txt";
}

// The workshop worlds share the bodies of the ladybug's pages; each runs with the brain
// of the page its world is built like.
std::string WorkshopBrain(const std::string& world) {
  if (world == "Aphids") return "testbrain/w203.brn";
  if (world == "Branch") return "testbrain/w204.brn";
  return "";
}

std::vector<SoakTarget> AllTargets() {
  std::vector<SoakTarget> out;
  const auto map = ReadFileText("level.map");
  const std::regex header(R"(^\[LEVEL(\d+)\]\s*$)");
  for (const std::string& line : SplitLines(map.value_or(""))) {
    std::smatch m;
    if (!std::regex_match(line, m, header)) continue;
    SoakTarget t;
    t.name = "level " + m[1].str();
    t.request.target = m[1].str();
    AddLevelBrain(t, std::stoi(m[1].str()));
    out.push_back(t);
  }
  std::vector<std::string> worlds = ListFiles("worlds", ".wld");
  std::sort(worlds.begin(), worlds.end());
  for (const std::string& file : worlds) {
    SoakTarget t;
    t.request.target = file.substr(0, file.size() - 4);
    t.request.level = false;
    t.name = "world " + t.request.target;
    const std::string brain = WorkshopBrain(t.request.target);
    if (!brain.empty() && FileExists(brain)) t.request.shown = brain;
    out.push_back(t);
  }
  return out;
}

RunFigures RunOnce(const SoakTarget& t, long ticks, long resetEvery, Host& outer) {
  RunFigures f;
  CountedMessages counted(outer.messages);
  Host host = outer;
  host.messages = &counted;
  try {
    CliExperiment e(host, t.request.seed);
    TestResult failure;
    if (!e.Load(t.request, failure)) {
      f.error = failure.error;
      return f;
    }
    f.error = e.PrepareLearning(t.request.learning);
    if (!f.error.empty()) return f;
    HeadlessView headless;
    e.shell.view = &headless;
    e.shell.ResetExperiment();
    e.shell.RunWorld();
    ResetPeak();
    for (long tick = 1; tick <= ticks; ++tick) {
      e.shell.TimerTick();
      if (resetEvery > 0 && tick % resetEvery == 0 && tick < ticks) {
        e.shell.ResetExperiment();
        e.shell.RunWorld();
      }
      if (tick == FirstCheck) {
        f.rssFirstKb = StatusKb("VmRSS");
        f.peakFirstKb = StatusKb("VmHWM");
      }
    }
    f.rssEndKb = StatusKb("VmRSS");
    f.peakEndKb = StatusKb("VmHWM");
    // The world's hash sees the brains' channels only; the boards themselves (weights a
    // learning brain changed, neuron states) are folded in too.
    f.hash = WorldStateHash(*e.w.world, &e.w.brains);
    for (const auto& entry : e.w.brains.Brains())
      for (uint8_t byte : entry.board->SaveBrain(false)) f.hash = (f.hash ^ byte) * 1099511628211ull;
    e.shell.view = nullptr;
    f.messages = counted.count;
  } catch (const std::exception& x) {
    f.error = std::string("threw: ") + x.what();
  } catch (...) {
    f.error = "threw";
  }
  return f;
}

std::string Hex(uint64_t v) {
  char text[20];
  std::snprintf(text, sizeof text, "%016" PRIx64, v);
  return text;
}

// One JSON line per target; true when it held.
bool Soak(const SoakTarget& t, long ticks, long resetEvery, Host& host) {
  const auto start = std::chrono::steady_clock::now();
  const RunFigures a = RunOnce(t, ticks, resetEvery, host);
  const RunFigures b = a.error.empty() ? RunOnce(t, ticks, resetEvery, host) : RunFigures{};
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::string error = !a.error.empty() ? a.error : b.error;
  const bool deterministic = error.empty() && a.hash == b.hash;
  const bool measured = ticks > FirstCheck;
  const bool flat = !measured || !MemoryMeasurable || a.peakEndKb <= a.peakFirstKb + SlackKb;
  if (error.empty() && !deterministic) error = "the two runs ended in different states";
  if (error.empty() && !flat) error = "the resident memory grew";
  std::string line = "{\"target\":" + JsonString(t.name) + ",\"brain\":" + JsonString(t.request.shown) +
                     ",\"ticks\":" + std::to_string(ticks);
  if (measured)
    line += ",\"rss_kb\":{\"" + std::to_string(FirstCheck) + "\":" + std::to_string(a.rssFirstKb) + ",\"" +
            std::to_string(ticks) + "\":" + std::to_string(a.rssEndKb) + "},\"peak_rss_kb\":{\"" +
            std::to_string(FirstCheck) + "\":" + std::to_string(a.peakFirstKb) + ",\"" + std::to_string(ticks) +
            "\":" + std::to_string(a.peakEndKb) + "}" + (MemoryMeasurable ? "" : ",\"memory_checked\":false");
  if (a.error.empty()) line += ",\"hash\":\"" + Hex(a.hash) + "\"";
  if (b.error.empty() && a.error.empty()) line += ",\"hash_again\":\"" + Hex(b.hash) + "\"";
  char secs[32];
  std::snprintf(secs, sizeof secs, "%.1f", seconds);
  line += ",\"messages\":" + std::to_string(a.messages);
  line += std::string(",\"seconds\":") + secs + ",\"ok\":" + (error.empty() ? "true" : "false");
  if (!error.empty()) line += ",\"error\":" + JsonString(error);
  std::printf("%s}\n", line.c_str());
  std::fflush(stdout);
  return error.empty();
}

int SoakCommand(const std::vector<std::string>& args, Host& host) {
  long ticks = 1000000, resetEvery = 5000;
  std::vector<std::string> only;
  for (size_t k = 0; k < args.size(); ++k) {
    if (args[k] == "--ticks" && k + 1 < args.size()) {
      if (!ParseNumber(args[++k], 1, 100000000, ticks)) return UsageError("--ticks takes a number from 1 to 100000000");
    } else if (args[k] == "--reset" && k + 1 < args.size()) {
      if (!ParseNumber(args[++k], 0, 100000000, resetEvery)) return UsageError("--reset takes a number of ticks (0: never)");
    } else if (args[k].rfind("--", 0) != 0) {
      only.push_back(args[k]);
    } else {
      return UsageError("unexpected argument " + args[k]);
    }
  }
  std::vector<SoakTarget> targets = AllTargets();
  if (!only.empty()) {
    std::vector<SoakTarget> chosen;
    for (const std::string& name : only) {
      auto it = std::find_if(targets.begin(), targets.end(), [&](const SoakTarget& t) { return t.request.target == name; });
      if (it == targets.end()) return UsageError("no level or workshop world " + name);
      chosen.push_back(*it);
    }
    targets = chosen;
  }
  if (targets.empty()) return UsageError("no levels or worlds in the data folder");
  int failed = 0;
  for (const SoakTarget& t : targets)
    if (!Soak(t, ticks, resetEvery, host)) ++failed;
  std::printf("{\"soaked\":%zu,\"failed\":%d}\n", targets.size(), failed);
  return failed ? ExitFailed : ExitOk;
}
}  // namespace

QUORBIT_CLI_COMMAND(soak, "soak", "soak [LEVEL|WORLD]... [--ticks N] [--reset N]", SoakCommand);
