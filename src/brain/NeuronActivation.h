#pragma once
// A neuron's next state from its summed input, shared by both forms of the settling
// passes (on flat arrays and on the records), and the nodes' commit after each pass.
#include <cmath>
#include <limits>

#include "brain/BrainRecords.h"

inline float Clamp100(float v) { return v < -100 ? -100 : (v > 100 ? 100 : v); }

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
