#pragma once
// What both forms of the settling passes (on flat arrays and on the records) share, so
// that their sums run in the same order: a neuron's next state from its summed input,
// the nodes' part at the start of a pass and their commit after it.
#include <cmath>
#include <limits>

#include "brain/BrainRecords.h"

inline float Clamp100(float v) { return v < -100 ? -100 : (v > 100 ? 100 : v); }

inline void SetAll(float (&values)[SlotCount], float v) {
  for (float& x : values) x = v;
}

inline void WriteNext(Node& t, int slot, float v) {
  if (t.multi) t.next[slot] = v;
  else SetAll(t.next, v);
}

// The start of a pass on the nodes: the ones the passes drive forget the last pass's
// values, then every live node sends its outputs in slot order, to a node's next value
// or through `toNeuron(target, slot, value)` to a neuron's input.
template <class ToNeuron>
void SendNodeOutputs(Node* ds, int nodeCount, ToNeuron&& toNeuron) {
  for (int i = 0; i < nodeCount; ++i)
    if (!IsDrivenNode(ds[i].type)) SetAll(ds[i].next, 0);
  for (int i = 0; i < nodeCount; ++i) {
    const Node& n = ds[i];
    if (!n.inUse) continue;
    for (int s = 0; s < SlotCount; ++s) {
      const int t = n.otherIndex[s], slot = n.otherSlot[s];
      if (n.slotKind[s] != SlotOutput || slot < 0 || slot >= SlotCount) continue;
      if (n.otherKind[s] == OtherNeuron) toNeuron(t, slot, n.value[s]);
      else if (t >= 0 && t < nodeCount) WriteNext(ds[t], slot, n.value[s]);
    }
  }
}

// An unknown type keeps its state.
inline float ActivateNeuron(int type, float input, float threshold, float gain, float state) {
  const double x = static_cast<double>(input) * 0.01;
  switch (type) {
    case StepNeuron: {
      const double c = x < -100 ? -100 : (x > 100 ? 100 : x);
      return c >= threshold ? 100.0f : 0.0f;
    }
    case SigmoidNeuron: {
      // An exponential beyond what a state's float can hold counts as too large: state 0.
      const double e = std::exp(-static_cast<double>(gain) * (x - threshold));
      return e > std::numeric_limits<float>::max() ? 0.0f : static_cast<float>(100.0 / (e + 1.0));
    }
    case LinearNeuron: return Clamp100(static_cast<float>(x - threshold));
    case ErrorNeuron: return Clamp100(static_cast<float>(x));
    default: return state;
  }
}

// Nodes take the values written in this pass; whether any of them changed.
inline bool CommitNodeValues(Node* ds, int nodeCount) {
  bool changed = false;
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
  return changed;
}
