// One test run: load the level or world, put the brains in, run the test clock to its
// end and take the verdict.
#include "LevelTestRun.h"

#include <algorithm>
#include <cstdlib>

#include "Cli.h"
#include "bodies/GizmoChalk.h"
#include "platform/PngFile.h"
#include "shell/HeadlessView.h"
#include "shell/TestRunner.h"

namespace {
TestResult Failure(const std::string& why, bool reported) {
  TestResult r;
  r.error = why;
  r.reported = reported;
  return r;
}

}  // namespace

CliExperiment::CliExperiment(Host& h, uint32_t seed)
    : host(h), w(h), shell(nullptr), holder(shell), loader(*w.world, &w.link, &holder), gizmoBrains(w.brains),
      gizmoSounds(shell.sound), gizmoPorts{&gizmoBrains, &gizmoSounds, h} {
  w.world->random.seed(seed);
  loader.gizmoPorts = &gizmoPorts;
}

bool CliExperiment::Load(const TestRequest& t, TestResult& failure) {
  const int levelNumber = t.level ? std::atoi(t.target.c_str()) : 0;
  // A world given as a path is the teacher's own file: it is not looked up in the map.
  const bool path = !t.level && IsWorldPath(t.target);
  std::string missing;
  const bool available = t.level ? loader.LevelAvailable(levelNumber, t.progress, missing)
                         : path  ? true
                                 : loader.WorldAvailable(t.target, t.progress, missing);
  if (!available) {
    failure = Failure(missing.empty() ? "not available" : "You don't yet have the " + missing, missing.empty());
    return false;
  }
  const bool loaded = t.level ? loader.LoadLevel(levelNumber)
                      : path  ? loader.LoadWorldPath(t.target)
                              : loader.LoadWorldFile(t.target);
  if (!loaded) {
    failure = Failure("the world could not be loaded", true);
    return false;
  }
  for (const auto& [board, path] : t.brains)
    if (!LoadBrainInto(w, board, path)) {
      failure = Failure("Couldn't open " + path, true);
      return false;
    }
  if (!t.shown.empty() && !w.brains.LoadBrainFile(t.shown)) {
    host.Message("Couldn't open " + t.shown, "Load Brain Error");
    failure = Failure("Couldn't open " + t.shown, true);
    return false;
  }
  shell.world = w.world.get();
  shell.brains = &w.brains;
  shell.WorldId = t.level ? levelNumber : 1000;
  return true;
}

// As the learner does it: "Learn" on in every brain, the samples loaded and playing, and
// the world run for a while before "Start test". Empty on success, else why not.
std::string CliExperiment::PrepareLearning(const TestLearning& t) {
  for (const auto& entry : w.brains.Brains()) {
    if (t.learn) entry.board->learning = true;
    if (t.rate >= 0) entry.board->learnRate = std::min(t.rate, 1.0f);
    if (t.momentum >= 0) entry.board->momentum = t.momentum;
  }
  if (!t.samples.empty()) {
    TChalk* chalk = nullptr;
    for (auto& g : w.world->gizmos)
      if (!chalk) chalk = dynamic_cast<TChalk*>(g.get());
    if (!chalk) return "this world has no chalk board";
    const auto report = chalk->LoadSamples(t.samples);
    if (!report || report->added == 0 || !chalk->StartPlaying()) return "no samples in " + t.samples;
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
  return "";
}

std::string ParseTestOption(const std::vector<std::string>& args, size_t& k, TestRequest& t) {
  const std::string& a = args[k];
  const bool more = k + 1 < args.size();
  long v = 0;
  if (a == "--learn") {
    t.learning.learn = true;
    return "";
  }
  static const char* const valued[] = {"--brain", "--shown",    "--progress", "--max-ticks", "--seed", "--rate",
                                       "--momentum", "--samples", "--train",    "--plot"};
  if (std::find_if(std::begin(valued), std::end(valued), [&](const char* o) { return a == o; }) == std::end(valued))
    return "-";
  if (!more) return a + " needs a value";
  const std::string& value = args[++k];
  if (a == "--brain") {
    std::string board, path;
    if (!SplitBrainArgument(value, board, path)) return "--brain takes NAME=FILE";
    t.brains.emplace_back(board, path);
  } else if (a == "--shown") {
    t.shown = value;
  } else if (a == "--plot") {
    t.plotTo = value;
  } else if (a == "--samples") {
    t.learning.samples = value;
  } else if (a == "--progress") {
    if (!ParseNumber(value, 0, 100000, v)) return "--progress takes a number";
    t.progress = static_cast<int>(v);
  } else if (a == "--max-ticks") {
    if (!ParseNumber(value, 1, 100000000, v)) return "--max-ticks takes a positive number";
    t.maxTicks = v;
  } else if (a == "--seed") {
    if (!ParseNumber(value, 0, 4294967295L, v)) return "--seed takes a number from 0 to 4294967295";
    t.seed = static_cast<uint32_t>(v);
  } else if (a == "--train") {
    if (!ParseNumber(value, 0, 100000000, v)) return "--train takes a number of ticks";
    t.learning.train = v;
  } else {
    char* end = nullptr;
    const float f = std::strtof(value.c_str(), &end);
    if (value.empty() || *end || !(f >= 0 && f <= 100)) return a + " takes a number from 0 to 100";
    (a == "--rate" ? t.learning.rate : t.learning.momentum) = f;
  }
  return "";
}

bool AsksForLearning(const std::vector<std::string>& args) {
  for (const std::string& a : args)
    if (a == "--learn" || a == "--rate" || a == "--momentum" || a == "--samples" || a == "--train") return true;
  return false;
}

TestLearning LevelLearning(int level) {
  struct Row {
    int level;
    float rate;
    const char* samples;
    long train;
  };
  // The learning pages of book 6: the first three let the world teach, the digit pages
  // play the samples collected on the chalk board.
  static const Row rows[] = {{601, 0.05f, "", 1500},
                             {602, 0.05f, "", 1500},
                             {603, 0.05f, "", 3000},
                             {605, 0.05f, "samples/digits01.txt", 1200},
                             {606, 0.05f, "samples/digits012.txt", 1200}};
  TestLearning l;
  for (const Row& r : rows)
    if (r.level == level) {
      l.learn = true;
      l.rate = r.rate;
      l.samples = r.samples;
      l.train = r.train;
    }
  return l;
}

TestResult RunTestRequest(const TestRequest& t, Host& host) {
  CliExperiment e(host, t.seed);
  TestResult failure;
  if (!e.Load(t, failure)) return failure;
  if (e.shell.TestType == NoTest) return Failure("this world has no test", false);
  const std::string learning = e.PrepareLearning(t.learning);
  if (!learning.empty()) return Failure(learning, false);
  const TestOutcome out = RunShellTest(e.shell, *e.w.world, static_cast<int>(t.maxTicks));
  if (!out.ended) return Failure("the test did not end within " + std::to_string(t.maxTicks) + " ticks", false);
  TestResult r;
  r.status = out.passed ? TestResult::Passed : TestResult::Failed;
  r.caption = out.caption;
  r.message = out.message;
  r.movie = out.movie;
  r.ticks = out.ticks;
  // The message's second line is the run's sentence; the line stays the verdict's own.
  r.message = r.message.substr(0, r.message.find('\n'));
  const TTestRun& run = e.w.world->testRun;
  r.why = run.why;
  if (run.creature) r.goal = run.goal, r.reached = run.reached;
  if (!t.plotTo.empty() && !WritePng(t.plotTo, RenderChart(run.Chart()))) {
    host.Message("Couldn't write " + t.plotTo, "Plot Error");
    return Failure("Couldn't write " + t.plotTo, true);
  }
  return r;
}
