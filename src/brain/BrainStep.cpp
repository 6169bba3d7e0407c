// The board's update: habituation, self-driven nodes, sensor input, settling passes,
// display marks, snoopers and effector output. Once its flat arrays have grown to the
// board's size a step allocates nothing.
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

#include "brain/Brainboard.h"
#include "brain/NeuronActivation.h"

namespace {

// floor(v + 0.5) as an int, kept inside the int range (a huge or undefined value from a
// damaged file must not overflow the conversion).
int32_t RoundHalfUp(float v) {
  const double r = std::floor(static_cast<double>(v) + 0.5);
  if (!(r == r)) return 0;
  if (r >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (r <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(r);
}

}  // namespace

// Habituation: an active source fades (or strengthens) its synapse; a quiet one puts it
// back at its weight. The source is read only for a synapse that decays: most do not,
// and a source is a record anywhere in the array.
void TBrainBoard::Habituate(Synapse& s) const {
  if (s.decay == 0 || SourceValue(s) == 0) {
    s.state = s.weight;
  } else if (s.state > 0) {
    s.state -= 0.1f * s.decay;
    if (s.state < 0) s.state = 0;
    if (s.state > 100) s.state = 100;
  } else if (s.state < 0) {
    s.state += 0.1f * s.decay;
    if (s.state > 0) s.state = 0;
    if (s.state < -100) s.state = -100;
  }
}

namespace {

// Equal to the bit, so that a -0 or a NaN is written back as the passes left it.
bool SameBits(float a, float b) { return std::bit_cast<uint32_t>(a) == std::bit_cast<uint32_t>(b); }

bool NeuronLit(const Neuron& n) {
  if (n.type == ErrorNeuron) return n.state >= n.threshold || n.state <= -n.threshold;
  return n.state >= 50;
}

}  // namespace

float TBrainBoard::SourceValue(const Synapse& s) const {
  if (s.otherKind == OtherNeuron) return neurons[s.otherIndex].state;
  return nodes[s.otherIndex].value[s.otherSlot];
}

void TBrainBoard::Step(bool learnAllowed) {
  if (broken) return;
  // Nobody touched the neuron records since the last step: a flat copy made now stays
  // good, and one already made is still good.
  const bool untouched = neurons.changeCount() == stepEndChanges_;
  const bool kept = flatKept_ && untouched && nodes.used() == flatNodeCount_;
  // A board that settled at once last step most likely does again: one pass on the
  // records is cheaper than copying them.
  const bool flat = kept || untouched || lastPasses_ > 1;
  if (kept) HabituateKept();
  else if (flat) HabituateAndFlatten();
  else HabituateRecords();
  UpdateNodes();
  if (flat) SettlingPasses();
  else SettlingPassesOnRecords();
  if (kept) WriteBackChanges();
  else WriteBackAndShowLit(flat);
  ShowNodesLit();
  RefreshSnoopers();
  WriteOutputs();
  flatKept_ = flat;
  lastKept_ = kept;
  flatNodeCount_ = nodes.used();
  stepEndChanges_ = neurons.changeCount();
  const bool held = learningHeld;
  learningHeld = false;
  if (learnAllowed && learning && !held && !broken) Learn();
  if (visible && view) view->RepaintDirtyCells(*this);
}

// Step 1, habituation, in the same sweep that copies the network into flat arrays for
// the passes. A connection naming a record outside the arrays is left out.
void TBrainBoard::HabituateAndFlatten() {
  const int neuronCount = neurons.used();
  const int nodeCount = nodes.used();
  Neuron* const ns = neurons.data();
  FlatNetwork& f = flat_;
  f.state.resize(neuronCount);
  f.input.resize(neuronCount);
  f.threshold.resize(neuronCount);
  f.gain.resize(neuronCount);
  f.type.resize(neuronCount);
  f.synapse.resize(static_cast<size_t>(neuronCount) * SlotCount);
  f.edgeStart.resize(static_cast<size_t>(neuronCount) + 1);
  f.edges.resize(static_cast<size_t>(neuronCount) * SlotCount);
  f.nodeTargets.clear();
  f.decaying.clear();
  float* const state = f.state.data();
  int32_t* const edges = f.edges.data();
  int32_t edgeCount = 0;
  for (int i = 0; i < neuronCount; ++i) {
    Neuron& n = ns[i];
    f.edgeStart[i] = edgeCount;
    float* const syn = &f.synapse[static_cast<size_t>(i) * SlotCount];
    if (!n.inUse) {
      // Still a target: a free record's synapse states are read as they stand.
      for (int s = 0; s < SlotCount; ++s) syn[s] = n.slots[s].state;
      f.type[i] = -1;
      state[i] = 0;  // a free record sends nothing
      continue;
    }
    state[i] = n.state;
    f.type[i] = static_cast<int8_t>(n.type >= StepNeuron && n.type <= ErrorNeuron ? n.type : ErrorNeuron + 1);
    f.threshold[i] = n.threshold;
    f.gain[i] = n.gain;
    for (int s = 0; s < SlotCount; ++s) {
      Synapse& x = n.slots[s];
      const int kind = x.kind, other = x.otherIndex, slot = x.otherSlot;
      if (IsInputSlot(kind)) {
        if (x.decay == 0) {
          x.state = x.weight;  // the common case, without reading the source
        } else {
          Habituate(x);
          f.decaying.push_back(i * SlotCount + s);
        }
      }
      syn[s] = x.state;
      if (kind != SlotOutput || other < 0 || slot < 0 || slot >= SlotCount) continue;
      if (x.otherKind == OtherNeuron) {
        if (other < neuronCount) edges[edgeCount++] = other * SlotCount + slot;
      } else if (other < nodeCount) {
        f.nodeTargets.push_back({i, other, slot});
      }
    }
  }
  f.edgeStart[neuronCount] = edgeCount;
}

// Step 1 on a kept copy: only synapses that decay can have changed since it was made.
void TBrainBoard::HabituateKept() {
  Neuron* const ns = neurons.dataUncounted();
  for (const int32_t k : flat_.decaying) {
    Synapse& s = ns[k / SlotCount].slots[k % SlotCount];
    Habituate(s);
    flat_.synapse[k] = s.state;
  }
}

// Steps 2 and 3: file, key and held nodes play their values; sensors fill input nodes.
void TBrainBoard::UpdateNodes() {
  const int nodeCount = nodes.used();
  for (int i = 0; i < nodeCount; ++i) {
    Node& n = nodes[i];
    if (!n.inUse) continue;
    if (n.type == FileInputNode) {
      SetAll(n.next, 0);
      if (n.data >= 0 && n.data < static_cast<int>(fileColumns.size())) {
        FileColumn& col = fileColumns[n.data];
        if (col.inUse && col.rows > 0 && !col.values.empty()) {
          if (col.row < 0 || col.row >= col.rows || col.row >= static_cast<int>(col.values.size())) col.row = 0;
          const float v = col.values[col.row];
          SetAll(n.value, v);
          SetAll(n.next, v);
          if (++col.row >= col.rows) col.row = 0;
        }
      }
      usesFileInput_ = true;
    } else if (n.type == KeyInputNode) {
      const bool down = host_.keys && host_.keys->IsKeyDown(n.picture);
      const float v = static_cast<float>(down ? n.data % 1000 - 100 : n.data / 1000 - 100);
      SetAll(n.value, v);
      SetAll(n.next, v);
      usesKeyInput_ = true;
    } else if (n.type == HeldNode) {
      std::memcpy(n.value, n.next, sizeof n.value);
    }
  }
  for (int ch = 0; ch < ChannelCount; ++ch) {
    const IOBinding& b = inputBindings[ch];
    if (!b.bound || b.node < 0 || !nodes.live(b.node)) continue;
    Node& n = nodes[b.node];
    for (int c = 0; c < SlotCount; ++c) {
      const float v = static_cast<float>(io_.inputs[ch][n.multi ? c : 0]);
      n.value[c] = v;
      n.next[c] = v;
    }
  }
}

// Step 4: synchronous passes until nothing changes or the pass budget is spent. Every
// read sees the previous pass; node writes overwrite, the last writer wins. Each neuron's
// input is summed in the same order as ever: node sources first, then neurons by index.
void TBrainBoard::SettlingPasses() {
  const int neuronCount = neurons.used();
  const int nodeCount = nodes.used();
  Node* const ds = nodes.data();
  FlatNetwork& f = flat_;
  float* const state = f.state.data();
  float* const input = f.input.data();
  const float* const synapse = f.synapse.data();
  const int8_t* const type = f.type.data();
  const int32_t* const edgeStart = f.edgeStart.data();
  const int32_t* const edges = f.edges.data();
  bool changed = true;
  int pass = 0;
  while (changed && pass < cyclesPerUpdate) {
    changed = false;
    ++pass;
    std::fill(input, input + neuronCount, 0.0f);
    SendNodeOutputs(ds, nodeCount, [&](int t, int slot, float v) {
      if (t >= 0 && t < neuronCount) input[t] += v * synapse[t * SlotCount + slot];
    });
    for (int i = 0; i < neuronCount; ++i) {
      const float v = state[i];
      if (v == 0) continue;
      for (int e = edgeStart[i]; e < edgeStart[i + 1]; ++e) input[edges[e] / SlotCount] += v * synapse[edges[e]];
    }
    for (const NodeTarget& t : f.nodeTargets)
      if (state[t.source] != 0) WriteNext(ds[t.node], t.slot, state[t.source]);
    for (int i = 0; i < neuronCount; ++i) {
      if (type[i] < 0) continue;
      const float next = ActivateNeuron(type[i], input[i], f.threshold[i], f.gain[i], state[i]);
      if (next != state[i]) {
        state[i] = next;
        changed = true;
      }
    }
    if (CommitNodeValues(ds, nodeCount)) changed = true;
  }
  lastPasses_ = pass;
}

// Step 5, in the sweep that writes the passes' states and inputs back to the records:
// elements whose lit state changed are drawn again. After passes on a fresh flat copy
// it also notes what the records now hold.
void TBrainBoard::WriteBackAndShowLit(bool fromFlat) {
  const int neuronCount = neurons.used();
  const bool passesRan = fromFlat && lastPasses_ > 0;
  FlatNetwork& f = flat_;
  if (fromFlat) {
    f.recordState.resize(neuronCount);
    f.recordInput.resize(neuronCount);
    f.shownLit.resize(neuronCount);
  }
  Neuron* const ns = neurons.dataUncounted();
  for (int i = 0; i < neuronCount; ++i) {
    Neuron& n = ns[i];
    if (passesRan) n.input = f.input[i];
    if (fromFlat) f.recordInput[i] = n.input;
    if (!n.inUse) continue;
    if (passesRan) n.state = f.state[i];
    // A picture that cannot be found breaks the board; stop there rather than report
    // every other element too.
    if (!broken) {
      const bool lit = NeuronLit(n);
      if (lit != (n.shownState >= 50)) RedrawNeuronLit(i, lit);
    }
    if (fromFlat) {
      f.recordState[i] = n.state;
      f.shownLit[i] = n.shownState >= 50;
    }
  }
}

// Step 5 after passes on a kept copy: only records whose state or input changed are
// written, and only those can change their light.
void TBrainBoard::WriteBackChanges() {
  if (lastPasses_ == 0) return;
  const int neuronCount = neurons.used();
  FlatNetwork& f = flat_;
  Neuron* const ns = neurons.dataUncounted();
  for (int i = 0; i < neuronCount; ++i) {
    if (!SameBits(f.input[i], f.recordInput[i])) ns[i].input = f.recordInput[i] = f.input[i];
    if (f.type[i] < 0 || SameBits(f.state[i], f.recordState[i])) continue;
    Neuron& n = ns[i];
    n.state = f.recordState[i] = f.state[i];
    if (broken) continue;
    const bool lit = NeuronLit(n);
    if (lit == (f.shownLit[i] != 0)) continue;
    RedrawNeuronLit(i, lit);
    f.shownLit[i] = n.shownState >= 50;
  }
}

void TBrainBoard::ShowNodesLit() {
  for (int i = nodes.used() - 1; i >= 0 && !broken; --i) {
    const Node& n = nodes[i];
    if (!n.inUse) continue;
    const bool lit = n.value[0] >= 50;
    if (lit != (n.shownState >= 50)) RedrawNodeLit(i, lit);
  }
}

// Step 7: effector values, rounded half up.
void TBrainBoard::WriteOutputs() {
  for (int ch = 0; ch < ChannelCount; ++ch) {
    int32_t* out = io_.outputs[ch];
    std::memset(out, 0, sizeof(int32_t) * SubValueCount);
    const IOBinding& b = outputBindings[ch];
    if (!b.bound || b.node < 0 || !nodes.live(b.node)) continue;
    const Node& n = nodes[b.node];
    for (int c = 0; c < SlotCount; ++c) out[c] = RoundHalfUp(n.value[c]);
  }
}

void TBrainBoard::ResetRun() {
  io_.Clear();
  for (int i = 0; i < neurons.used(); ++i) {
    Neuron& n = neurons[i];
    if (n.inUse && n.threshold > 0) n.state = 0;
  }
  for (int i = 0; i < nodes.used(); ++i) {
    Node& n = nodes[i];
    if (n.inUse && n.type != HeldNode) SetAll(n.value, 0);
  }
  for (FileColumn& c : fileColumns) c.row = 0;
  broken = false;
  touched_ = false;
  usesFileInput_ = false;
  usesKeyInput_ = false;
}
