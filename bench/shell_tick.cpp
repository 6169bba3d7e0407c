// The shell's tick: its own share (test clock and LED, without world or brains), and the
// whole tick of a shipped level (world, brains, clock) with its share of the 50 ms a tick
// may take, in processor time so that other programs on the machine do not count. Every
// level of the level map is tried with its reference brain where one ships; the heaviest
// is measured (the survey's figures go to the standard error).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "shell/GizmoPorts.h"
#include "bodies/GizmoChalk.h"
#include "bodies/PaletteFile.h"
#include "brain/BrainCollection.h"
#include "platform/Files.h"
#include "shell/HeadlessView.h"
#include "shell/MainShell.h"
#include "shell/ShellTestHolder.h"
#include "world/WorldBrainLink.h"
#include "world/WorldLoader.h"

namespace {

constexpr double TickBudgetMicroseconds = 50000;

void BM_ShellTickTimedTest(benchmark::State& state) {
  MainShell shell(nullptr);
  shell.SetTest(TimedEnergyTest, 1 << 30, 0);
  shell.StartTest();
  shell.Running = true;
  for (auto _ : state) {
    shell.TimerTick();
    benchmark::DoNotOptimize(shell.TestRemaining);
  }
}
BENCHMARK(BM_ShellTickTimedTest);

// A level loaded as the notebook loads it, its reference brain on the shown board, its
// test started and the world running: what one timer tick of the program does.
struct RunningLevel {
  explicit RunningLevel(int level)
      : brains(host, 1), link(brains), world(host, Ports(), ShippedPalette()), shell(nullptr), holder(shell),
        loader(world, &link, &holder), gizmoBrains(brains), gizmoSounds(shell.sound),
        gizmoPorts{&gizmoBrains, &gizmoSounds, host} {
    world.SetClientSize(640, 480);
    loader.gizmoPorts = &gizmoPorts;
    std::string missing;
    if (!loader.LevelAvailable(level, 999, missing) || !loader.LoadLevel(level)) return;
    const std::string brain = "testbrain/w" + std::to_string(level) + ".brn";
    if (FileExists(brain)) brains.LoadBrainFile(brain);
    shell.world = &world;
    shell.brains = &brains;
    shell.view = &view;
    shell.WorldId = level;
    ok = true;
    Restart();
  }
  WorldPorts Ports() {
    WorldPorts p;
    p.brains = &link;
    return p;
  }
  static Palette ShippedPalette() {
    if (auto p = LoadPalette("quorbit.pal")) return *p;
    return Palette{};
  }
  void Restart() {
    shell.ResetExperiment();
    if (shell.TestType != NoTest) shell.StartTest();
    shell.RunWorld();
  }
  void Tick() {
    shell.TimerTick();
    if (!shell.Running || (shell.TestType != NoTest && !shell.Testing)) Restart();
  }

  Host host{};
  TBrainCollection brains;
  TWorldBrainLink link;
  TWorld world;
  MainShell shell;
  ShellTestHolder holder;
  TWorldLoader loader;
  TCollectionGizmoBrains gizmoBrains;
  TGizmoSoundList gizmoSounds;
  GizmoPorts gizmoPorts;
  HeadlessView view;
  bool ok = false;
};

bool EnterDataFolder() {
  static const bool entered = chdir(QUORBIT_BENCH_DATA_DIR) == 0;
  return entered;
}

double MicrosecondsPerTick(RunningLevel& r, int ticks) {
  const auto start = std::chrono::steady_clock::now();
  for (int k = 0; k < ticks; ++k) r.Tick();
  return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count() / ticks;
}

// Each level's tick over a short run (best of three, so a busy machine does not pick the
// level); the level with the slowest tick.
int HeaviestLevel() {
  static const int heaviest = [] {
    if (!EnterDataFolder()) return -1;
    std::vector<int> levels;
    const std::string map = ReadFileText("level.map").value_or(std::string());
    for (size_t at = map.find("[LEVEL"); at != std::string::npos; at = map.find("[LEVEL", at + 1))
      levels.push_back(std::atoi(map.c_str() + at + 6));
    int best = -1;
    double slowest = -1;
    for (int n : levels) {
      RunningLevel r(n);
      if (!r.ok) continue;
      MicrosecondsPerTick(r, 20);
      double t = 1e30;
      for (int k = 0; k < 3; ++k) t = std::min(t, MicrosecondsPerTick(r, 100));
      std::fprintf(stderr, "level %d: %.1f us a tick\n", n, t);
      if (t > slowest) slowest = t, best = n;
    }
    return best;
  }();
  return heaviest;
}

void BM_HeaviestLevelTick(benchmark::State& state) {
  const int level = HeaviestLevel();
  if (level < 0) return state.SkipWithError("no level could be loaded");
  RunningLevel r(level);
  const std::clock_t start = std::clock();
  for (auto _ : state) r.Tick();
  const double tickMicroseconds =
      1e6 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC / static_cast<double>(state.iterations());
  state.counters["level"] = level;
  state.counters["tick_us"] = tickMicroseconds;
  state.counters["budget_pct"] = 100 * tickMicroseconds / TickBudgetMicroseconds;
}
BENCHMARK(BM_HeaviestLevelTick)->Unit(benchmark::kMicrosecond);

}  // namespace
