// What the plot window adds to a tick: one sample of eight traces, and drawing the whole
// chart (the window draws it once per tick while it is shown). Compare with the step of
// a small board (bench_brain_step).
#include <benchmark/benchmark.h>

#include "brain/ActivityPlot.h"
#include "brain/BoardRequests.h"

namespace {

struct PlottedBoard {
  Host host{};
  TBrainBoard board{host, 1};
  TActivityPlot plot;
  PlottedBoard() {
    for (int k = 0; k < TActivityPlot::MaxTraces; ++k) {
      const int n = board.AddNeuron(4 + 5 * k, 10);
      board.neurons[n].state = static_cast<float>(k * 20 - 80);
      plot.Add(board, ElementNeuron, n);
    }
    for (int t = 0; t < TActivityPlot::PlotTicks; ++t) plot.Sample(board);
  }
};

void BM_PlotSample(benchmark::State& state) {
  PlottedBoard p;
  for (auto _ : state) {
    p.plot.Sample(p.board);
    benchmark::DoNotOptimize(p.plot.traces().data());
  }
}
BENCHMARK(BM_PlotSample);

void BM_PlotRender(benchmark::State& state) {
  PlottedBoard p;
  for (auto _ : state) benchmark::DoNotOptimize(p.plot.Render());
}
BENCHMARK(BM_PlotRender);

}  // namespace
