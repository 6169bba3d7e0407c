#include "shell/TestRunner.h"

#include "shell/HeadlessView.h"
#include "shell/WorldWindowRelay.h"

namespace {
// Hears the verdict's queued steps instead of playing them.
struct VerdictRecorder : IWorldMovies {
  bool HoldsWorld() override { return false; }
  bool Step() override { return false; }
  bool Reset() override { return false; }
  bool WaitsForStart() override { return false; }
  void Queue(int code, const std::string& text) override {
    if (code == MovieTitle && caption.empty()) caption = text;
    if (code == MovieMessage && message.empty()) message = text;
    if ((code == MovieFadeIn || code == MovieRun) && movie.empty()) movie = text;
  }
  std::string caption, message, movie;
};

struct JudgeWatch : WorldWindowRelay {
  using WorldWindowRelay::WorldWindowRelay;
  bool JudgeTest(int kind, int goal) override {
    judged = true;
    passed = world.JudgeTest(kind, goal);
    return passed;
  }
  bool judged = false, passed = false;
};
}  // namespace

TestOutcome RunShellTest(MainShell& shell, TWorld& world, int maxTicks) {
  HeadlessView headless;
  VerdictRecorder recorder;
  JudgeWatch watch(world);
  IMainView* keepView = shell.view;
  IWorldWindow* keepWorld = shell.world;
  IWorldMovies* keepMovies = world.movies;
  if (!shell.view) shell.view = &headless;
  shell.world = &watch;
  world.movies = &recorder;
  if (shell.WorldId == 0) shell.WorldId = -1;  // the world steps only while something is loaded
  TestOutcome out;
  shell.StartTest();
  shell.RunWorld();
  while (!watch.judged && out.ticks < maxTicks && shell.TestType != NoTest) {
    shell.TimerTick();
    ++out.ticks;
  }
  out.ended = watch.judged;
  out.passed = watch.passed;
  out.caption = recorder.caption;
  out.message = recorder.message;
  out.movie = recorder.movie;
  world.movies = keepMovies;
  shell.world = keepWorld;
  shell.view = keepView;
  if (shell.WorldId == -1) shell.WorldId = 0;
  return out;
}
