// One test run: load the level or world, put the brains in, run the test clock to its
// end and take the verdict.
#include "LevelTestRun.h"

#include <algorithm>
#include <cstdlib>

#include "bodies/GizmoChalk.h"
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
  std::string missing;
  const bool available = t.level ? loader.LevelAvailable(levelNumber, t.progress, missing)
                                 : loader.WorldAvailable(t.target, t.progress, missing);
  if (!available) {
    failure = Failure(missing.empty() ? "not available" : "You don't yet have the " + missing, missing.empty());
    return false;
  }
  const bool loaded = t.level ? loader.LoadLevel(levelNumber) : loader.LoadWorldFile(t.target);
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
  return r;
}
