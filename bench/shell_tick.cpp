// The shell's own share of a tick: test clock and LED, without world or brains.
#include <benchmark/benchmark.h>

#include "shell/MainShell.h"

static void BM_ShellTickTimedTest(benchmark::State& state) {
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
