// The board's step against a flat-array kernel doing the same passes with the same
// arithmetic on contiguous arrays. The network is a ring of layers of Step neurons; a
// wave of activity runs round it, so every pass changes something and each step runs
// the full 15 passes. Each neuron has all eight slots in use: four inputs, four outputs.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <utility>
#include <vector>

#include "brain/Brainboard.h"

namespace {

constexpr int OutSlots[4] = {7, 0, 1, 2};
constexpr int InSlots[4] = {5, 4, 3, 6};

struct Ring {
  int width, layers;
  int count() const { return width * layers; }
  int index(int layer, int row) const { return layer * width + row; }
};

Ring RingFor(int neurons) {
  if (neurons >= 50000) return Ring{200, 250};
  return neurons >= 5000 ? Ring{50, 100} : Ring{25, 20};
}

Host SilentHost() { return Host{}; }

// Neurons stand 4 cells apart: by layer and row where the board is large enough, else
// row after row on the largest board.
std::unique_ptr<TBrainBoard> BuildBoard(const Ring& ring, bool hidden) {
  static Host host = SilentHost();
  auto board = std::make_unique<TBrainBoard>(host, 1, hidden);
  const int side = (MaxBoardSide - 8) / 4;
  const bool byLayer = ring.layers <= side && ring.width <= side;
  if (byLayer) board->SetSize(4 * ring.layers + 8, 4 * ring.width + 8);
  else board->SetSize(MaxBoardSide, MaxBoardSide);
  // The records are written as placing would write them, without placing's search of
  // every other neuron for room (quadratic on the largest board).
  board->neurons.SetUsedForLoad(ring.count());
  for (int l = 0; l < ring.layers; ++l)
    for (int r = 0; r < ring.width; ++r) {
      const int i = ring.index(l, r);
      Neuron& n = board->neurons[i];
      n = Neuron{};
      n.x = 3 + 4 * (byLayer ? l : i % side);
      n.y = 3 + 4 * (byLayer ? r : i / side);
      n.threshold = board->defaultThreshold;
      n.type = board->defaultType;
      n.gain = board->defaultGain;
      n.inUse = true;
      board->DrawNeuron(i);
    }
  for (int l = 0; l < ring.layers; ++l)
    for (int r = 0; r < ring.width; ++r)
      for (int k = 0; k < 4; ++k)
        board->ConnectToNeuron(OtherNeuron, ring.index(l, r), OutSlots[k], ring.index((l + 1) % ring.layers, (r + k) % ring.width),
                               InSlots[k], 100);
  for (int r = 0; r < ring.width; ++r) board->neurons[ring.index(0, r)].state = 100;
  return board;
}

// The same network as contiguous arrays: outgoing edges by source, synapse states by
// target slot.
struct FlatNet {
  std::vector<float> state, input, threshold, gain;
  std::vector<int> type;
  std::vector<int> edgeStart, edgeTarget, edgeSynapse;  // synapse = target * 8 + slot
  std::vector<float> synState, synWeight, synDecay;
  std::vector<int> synSource;  // -1 where the slot holds no input synapse
  std::vector<int> decaying;   // the synapses habituation can change
  int cycles = 15;
  int passes = 0;

  explicit FlatNet(const TBrainBoard& b) {
    const int n = b.neurons.used();
    state.resize(n), input.resize(n), threshold.resize(n), gain.resize(n), type.resize(n);
    synState.resize(n * 8), synWeight.resize(n * 8), synDecay.resize(n * 8), synSource.assign(n * 8, -1);
    for (int i = 0; i < n; ++i) {
      const Neuron& x = b.neurons[i];
      state[i] = x.state, threshold[i] = x.threshold, gain[i] = x.gain, type[i] = x.type;
      edgeStart.push_back(static_cast<int>(edgeTarget.size()));
      for (int s = 0; s < 8; ++s) {
        const Synapse& syn = x.slots[s];
        if (syn.kind == SlotOutput) {
          edgeTarget.push_back(syn.otherIndex);
          edgeSynapse.push_back(syn.otherIndex * 8 + syn.otherSlot);
        }
        if (IsInputSlot(syn.kind)) {
          synState[i * 8 + s] = syn.state, synWeight[i * 8 + s] = syn.weight, synDecay[i * 8 + s] = syn.decay;
          synSource[i * 8 + s] = syn.otherIndex;
          // A synapse that does not decay sits at its weight for good.
          if (syn.decay == 0) synState[i * 8 + s] = syn.weight;
          else decaying.push_back(i * 8 + s);
        }
      }
    }
    edgeStart.push_back(static_cast<int>(edgeTarget.size()));
  }

  void Step() {
    const int n = static_cast<int>(state.size());
    for (const int k : decaying) {
      const float source = state[synSource[k]];
      float& s = synState[k];
      if (synDecay[k] == 0 || source == 0) s = synWeight[k];
      else if (s > 0) s = std::fmin(std::fmax(s - 0.1f * synDecay[k], 0.0f), 100.0f);
      else if (s < 0) s = std::fmax(std::fmin(s + 0.1f * synDecay[k], 0.0f), -100.0f);
    }
    bool changed = true;
    passes = 0;
    while (changed && passes < cycles) {
      changed = false;
      ++passes;
      std::fill(input.begin(), input.end(), 0.0f);
      for (int i = 0; i < n; ++i) {
        const float v = state[i];
        if (v == 0) continue;
        for (int e = edgeStart[i]; e < edgeStart[i + 1]; ++e) input[edgeTarget[e]] += v * synState[edgeSynapse[e]];
      }
      for (int i = 0; i < n; ++i) {
        const double x = static_cast<double>(input[i]) * 0.01;
        float next;
        switch (type[i]) {
          case StepNeuron: next = (x < -100 ? -100 : (x > 100 ? 100 : x)) >= threshold[i] ? 100.0f : 0.0f; break;
          case SigmoidNeuron: next = static_cast<float>(100.0 / (std::exp(-gain[i] * (x - threshold[i])) + 1)); break;
          case LinearNeuron: next = static_cast<float>(std::fmin(std::fmax(x - threshold[i], -100.0), 100.0)); break;
          default: next = static_cast<float>(std::fmin(std::fmax(x, -100.0), 100.0)); break;
        }
        if (next != state[i]) state[i] = next, changed = true;
      }
    }
  }
};

double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// Steps per timed batch, so that reading the thread clock (a system call here) stays
// below one percent of a batch.
template <class StepFn>
int BatchFor(StepFn step) {
  const double start = ThreadSeconds();
  int n = 0;
  while (ThreadSeconds() - start < 2e-3) step(), ++n;
  return std::max(1, n / 8);
}

// The board and the flat kernel step the same network in turns, each timed on the
// thread's own clock, so that other programs on the machine slow both alike. The
// counter `ratio` is the board's time over the flat kernel's.
void RunAgainstFlat(benchmark::State& st, TBrainBoard& board, FlatNet& net) {
  const int batch = BatchFor([&] { net.Step(); });
  double boardSeconds = 0, flatSeconds = 0;
  long steps = 0;
  for (auto _ : st) {
    const double t0 = ThreadSeconds();
    for (int k = 0; k < batch; ++k) board.Step(false);
    const double t1 = ThreadSeconds();
    for (int k = 0; k < batch; ++k) net.Step();
    const double t2 = ThreadSeconds();
    boardSeconds += t1 - t0, flatSeconds += t2 - t1, steps += batch;
    benchmark::DoNotOptimize(std::as_const(board).neurons[0].state);
    benchmark::DoNotOptimize(net.state[0]);
  }
  st.counters["ratio"] = boardSeconds / flatSeconds;
  st.counters["board_us"] = 1e6 * boardSeconds / static_cast<double>(steps);
  st.counters["flat_us"] = 1e6 * flatSeconds / static_cast<double>(steps);
  st.counters["passes"] = board.lastPassCount();
  st.counters["flat_passes"] = net.passes;
  st.counters["neurons"] = board.neurons.used();
}

// A wave runs round the ring: every step spends the whole pass budget.
void BM_BoardVsFlat(benchmark::State& st) {
  const Ring ring = RingFor(static_cast<int>(st.range(0)));
  auto board = BuildBoard(ring, st.range(1) != 0);
  auto twin = BuildBoard(ring, true);
  FlatNet net(*twin);
  RunAgainstFlat(st, *board, net);
}
BENCHMARK(BM_BoardVsFlat)
    ->ArgNames({"neurons", "hidden"})
    ->Args({500, 1})
    ->Args({500, 0})
    ->Args({5000, 1})
    ->Args({5000, 0})
    ->Args({50000, 1})
    ->Args({50000, 0})
    ->Unit(benchmark::kMillisecond);

// No activity anywhere: a step is habituation and one pass, on the board as on the flat
// arrays. The counter `ratio` is the board's settled step over the flat settled step.
void BM_SettledVsFlat(benchmark::State& st) {
  const Ring ring = RingFor(static_cast<int>(st.range(0)));
  auto board = BuildBoard(ring, st.range(1) != 0);
  for (int r = 0; r < ring.width; ++r) board->neurons[ring.index(0, r)].state = 0;
  board->Step(false);
  FlatNet net(*board);
  net.Step();
  RunAgainstFlat(st, *board, net);
}
BENCHMARK(BM_SettledVsFlat)
    ->ArgNames({"neurons", "hidden"})
    ->Args({500, 1})
    ->Args({500, 0})
    ->Args({5000, 1})
    ->Args({50000, 1})
    ->Unit(benchmark::kMillisecond);

void BM_BoardStep(benchmark::State& st) {
  const Ring ring = RingFor(static_cast<int>(st.range(0)));
  auto board = BuildBoard(ring, st.range(1) != 0);
  for (auto _ : st) {
    board->Step(false);
    benchmark::DoNotOptimize(std::as_const(*board).neurons[0].state);
  }
  st.counters["passes"] = board->lastPassCount();
  st.counters["neurons"] = board->neurons.used();
}
BENCHMARK(BM_BoardStep)
    ->ArgNames({"neurons", "hidden"})
    ->Args({500, 1})
    ->Args({500, 0})
    ->Args({5000, 1})
    ->Args({5000, 0})
    ->Args({50000, 1});

void BM_FlatKernel(benchmark::State& st) {
  const Ring ring = RingFor(static_cast<int>(st.range(0)));
  auto board = BuildBoard(ring, true);
  FlatNet net(*board);
  for (auto _ : st) {
    net.Step();
    benchmark::DoNotOptimize(net.state[0]);
  }
  st.counters["passes"] = net.passes;
}
BENCHMARK(BM_FlatKernel)->ArgNames({"neurons"})->Arg(500)->Arg(5000)->Arg(50000);

// No activity anywhere: the network is settled and a step costs one pass.
void BM_BoardStepSettled(benchmark::State& st) {
  const Ring ring = RingFor(static_cast<int>(st.range(0)));
  auto board = BuildBoard(ring, true);
  for (int r = 0; r < ring.width; ++r) board->neurons[ring.index(0, r)].state = 0;
  board->Step(false);
  for (auto _ : st) board->Step(false);
  st.counters["passes"] = board->lastPassCount();
}
BENCHMARK(BM_BoardStepSettled)->ArgNames({"neurons"})->Arg(500)->Arg(5000);

}  // namespace
