// The settling passes on the records themselves, for a board that settled in one pass
// last step: copying the network into flat arrays costs more than one pass saves. Both
// forms give the same states bit for bit (the same sums in the same order).
#include "brain/Brainboard.h"
#include "brain/NeuronActivation.h"

void TBrainBoard::HabituateRecords() {
  const int neuronCount = neurons.used();
  for (int i = 0; i < neuronCount; ++i) {
    Neuron& n = neurons[i];
    if (!n.inUse) continue;
    for (Synapse& s : n.slots) {
      if (!IsInputSlot(s.kind)) continue;
      if (s.decay == 0) s.state = s.weight;
      else Habituate(s);
    }
  }
}

void TBrainBoard::SettlingPassesOnRecords() {
  const int neuronCount = neurons.used();
  const int nodeCount = nodes.used();
  Neuron* const ns = neurons.data();
  Node* const ds = nodes.data();
  auto toNeuron = [&](int t, int slot, float v) {
    if (t >= 0 && t < neuronCount && slot >= 0 && slot < SlotCount) ns[t].input += v * ns[t].slots[slot].state;
  };
  auto toNode = [&](int t, int slot, float v) {
    if (t >= 0 && t < nodeCount && slot >= 0 && slot < SlotCount) WriteNext(ds[t], slot, v);
  };
  bool changed = true;
  int pass = 0;
  while (changed && pass < cyclesPerUpdate) {
    changed = false;
    ++pass;
    for (int i = 0; i < neuronCount; ++i) ns[i].input = 0;
    SendNodeOutputs(ds, nodeCount, toNeuron);
    for (int i = 0; i < neuronCount; ++i) {
      const Neuron& n = ns[i];
      if (!n.inUse || n.state == 0) continue;
      for (const Synapse& s : n.slots) {
        if (s.kind != SlotOutput) continue;
        if (s.otherKind == OtherNeuron) toNeuron(s.otherIndex, s.otherSlot, n.state);
        else toNode(s.otherIndex, s.otherSlot, n.state);
      }
    }
    for (int i = 0; i < neuronCount; ++i) {
      Neuron& n = ns[i];
      if (!n.inUse) continue;
      const int type = n.type >= StepNeuron && n.type <= ErrorNeuron ? n.type : ErrorNeuron + 1;
      const float state = ActivateNeuron(type, n.input, n.threshold, n.gain, n.state);
      if (state != n.state) {
        n.state = state;
        changed = true;
      }
    }
    if (CommitNodeValues(ds, nodeCount)) changed = true;
  }
  lastPasses_ = pass;
}
