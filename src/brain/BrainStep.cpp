// The board's update: habituation, self-driven nodes, sensor input, settling passes,
// display marks, snoopers and effector output. Nothing here allocates.
#include <cmath>
#include <cstring>
#include <limits>

#include "brain/Brainboard.h"

namespace {

float Clamp100(float v) { return v < -100 ? -100 : (v > 100 ? 100 : v); }

// floor(v + 0.5) as an int, kept inside the int range (a huge or undefined value from a
// damaged file must not overflow the conversion).
int32_t RoundHalfUp(float v) {
  const double r = std::floor(static_cast<double>(v) + 0.5);
  if (!(r == r)) return 0;
  if (r >= 2147483647.0) return std::numeric_limits<int32_t>::max();
  if (r <= -2147483648.0) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(r);
}

void SetAll(float (&values)[SlotCount], float v) {
  for (float& x : values) x = v;
}

float Activate(const Neuron& n) {
  const double x = static_cast<double>(n.input) * 0.01;
  switch (n.type) {
    case StepNeuron: {
      const double c = x < -100 ? -100 : (x > 100 ? 100 : x);
      return c >= n.threshold ? 100.0f : 0.0f;
    }
    case SigmoidNeuron: {
      const double e = std::exp(-static_cast<double>(n.gain) * (x - n.threshold));
      return std::isinf(e) ? 0.0f : static_cast<float>(100.0 / (e + 1.0));
    }
    case LinearNeuron: return Clamp100(static_cast<float>(x - n.threshold));
    case ErrorNeuron: return Clamp100(static_cast<float>(x));
    default: return n.state;
  }
}

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
  // 1. Habituation: an active source fades (or strengthens) its synapse; a quiet one
  // puts it back at its weight.
  const int neuronCount = neurons.used();
  for (int i = 0; i < neuronCount; ++i) {
    Neuron& n = neurons[i];
    if (!n.inUse) continue;
    for (Synapse& s : n.slots) {
      if (!IsInputSlot(s.kind)) continue;
      const float source = SourceValue(s);
      if (s.decay == 0 || source == 0) {
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
  }
  UpdateNodes();
  SettlingPasses();
  ShowLitChanges();
  RefreshSnoopers();
  WriteOutputs();
  if (learnAllowed && learning && !broken) Learn();
  if (visible && view) view->RepaintDirtyCells(*this);
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
// read sees the previous pass; node writes overwrite, the last writer wins.
void TBrainBoard::SettlingPasses() {
  const int neuronCount = neurons.used();
  const int nodeCount = nodes.used();
  Neuron* const ns = neurons.data();
  Node* const ds = nodes.data();
  bool changed = true;
  int pass = 0;
  while (changed && pass < cyclesPerUpdate) {
    changed = false;
    ++pass;
    for (int i = 0; i < neuronCount; ++i) ns[i].input = 0;
    for (int i = 0; i < nodeCount; ++i)
      if (!IsDrivenNode(ds[i].type)) SetAll(ds[i].next, 0);
    for (int i = 0; i < nodeCount; ++i) {
      const Node& n = ds[i];
      if (!n.inUse) continue;
      for (int s = 0; s < SlotCount; ++s) {
        if (n.slotKind[s] != SlotOutput) continue;
        const float v = n.value[s];
        if (n.otherKind[s] == OtherNeuron) {
          Neuron& t = ns[n.otherIndex[s]];
          t.input += v * t.slots[n.otherSlot[s]].state;
        } else {
          Node& t = ds[n.otherIndex[s]];
          if (t.multi) t.next[n.otherSlot[s]] = v;
          else SetAll(t.next, v);
        }
      }
    }
    for (int i = 0; i < neuronCount; ++i) {
      const Neuron& n = ns[i];
      if (!n.inUse || n.state == 0) continue;
      const float v = n.state;
      for (const Synapse& s : n.slots) {
        if (s.kind != SlotOutput) continue;
        if (s.otherKind == OtherNeuron) {
          Neuron& t = ns[s.otherIndex];
          t.input += v * t.slots[s.otherSlot].state;
        } else {
          Node& t = ds[s.otherIndex];
          if (t.multi) t.next[s.otherSlot] = v;
          else SetAll(t.next, v);
        }
      }
    }
    for (int i = 0; i < neuronCount; ++i) {
      Neuron& n = ns[i];
      if (!n.inUse) continue;
      const float state = Activate(n);
      if (state != n.state) {
        n.state = state;
        changed = true;
      }
    }
    for (int i = 0; i < nodeCount; ++i) {
      Node& n = ds[i];
      if (!n.inUse) continue;
      for (int c = 0; c < SlotCount; ++c) {
        if (n.value[c] != n.next[c]) {
          n.value[c] = n.next[c];
          changed = true;
        }
      }
    }
  }
  lastPasses_ = pass;
}

// Step 5: elements whose lit state changed are drawn again.
void TBrainBoard::ShowLitChanges() {
  // A picture that cannot be found breaks the board; stop there rather than report
  // every other element too.
  for (int i = 0; i < neurons.used() && !broken; ++i) {
    const Neuron& n = neurons[i];
    if (!n.inUse) continue;
    const bool lit = NeuronLit(n);
    if (lit != (n.shownState >= 50)) RedrawNeuronLit(i, lit);
  }
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
