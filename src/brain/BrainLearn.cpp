// Learning by error back-propagation: the error pass, then threshold and weight changes
// with momentum; and random start values for everything that learns.
#include "brain/Brainboard.h"

float TBrainBoard::Contribution(int otherKind, int otherIndex, int otherSlot) const {
  if (otherKind == OtherNode) return nodes[otherIndex].error;
  const Neuron& t = neurons[otherIndex];
  const float w = t.slots[otherSlot].state;
  switch (t.type) {
    case SigmoidNeuron: return t.error * t.state * (100 - t.state) * t.gain * w * 0.0001f;
    case LinearNeuron: return t.error * w * 0.01f;
    case ErrorNeuron: return t.state * w * 0.01f;
    default: return 0;
  }
}

// Errors flow back along output slots until they settle or the pass budget is spent;
// each element sees the values already updated in the same pass.
void TBrainBoard::ErrorPass() {
  for (int i = 0; i < neurons.used(); ++i) neurons[i].error = 0;
  for (int i = 0; i < nodes.used(); ++i) nodes[i].error = 0;
  bool changed = true;
  for (int pass = 0; changed && pass < cyclesPerUpdate; ++pass) {
    changed = false;
    for (int i = 0; i < neurons.used(); ++i) {
      Neuron& n = neurons[i];
      if (!n.inUse) continue;
      if (n.type == StepNeuron) {
        n.error = 0;
        continue;
      }
      float e = 0;
      for (const Synapse& s : n.slots)
        if (s.kind == SlotOutput) e += Contribution(s.otherKind, s.otherIndex, s.otherSlot);
      if (e != n.error) {
        n.error = e;
        changed = true;
      }
    }
    for (int i = 0; i < nodes.used(); ++i) {
      Node& n = nodes[i];
      if (!n.inUse) continue;
      float e = 0;
      for (int s = 0; s < SlotCount; ++s)
        if (n.slotKind[s] == SlotOutput) e += Contribution(n.otherKind[s], n.otherIndex[s], n.otherSlot[s]);
      if (e != n.error) {
        n.error = e;
        changed = true;
      }
    }
  }
}

float TBrainBoard::LearnSourceValue(const Synapse& s) const {
  if (s.otherKind == OtherNeuron) return neurons[s.otherIndex].state;
  const Node& n = nodes[s.otherIndex];
  return n.multi ? n.value[s.otherSlot] : n.value[0];
}

namespace {
// Momentum blends a change with the last one; a limit that is hit restarts the memory.
float WithMomentum(float momentum, float last, float change) {
  return momentum > 0 ? (momentum * last + change) / (momentum + 1) : change;
}

void ChangeThreshold(Neuron& n, float momentum, float change) {
  const float a = WithMomentum(momentum, n.lastThresholdChange, change);
  n.lastThresholdChange = a;
  n.threshold += a;
  if (n.threshold < -100) n.threshold = -100, n.lastThresholdChange = 0;
  if (n.threshold > 100) n.threshold = 100, n.lastThresholdChange = 0;
}

int KindForWeight(int kind, float weight) {
  if (weight < 0 && kind == SlotExcitatory) return SlotInhibitory;
  if (weight >= 0 && kind == SlotInhibitory) return SlotExcitatory;
  return kind;
}
}  // namespace

// A slot whose synapse changes sign shows the other tiles: the neuron's outer cell and
// the synapse tile at the route's end are taken away and put back.
void TBrainBoard::SetSlotKind(int neuron, int slot, int kind) {
  Neuron& n = neurons[neuron];
  if (n.slots[slot].kind == kind) return;
  const int seg = lineSegs.live(n.slots[slot].lineSeg) ? n.slots[slot].lineSeg : -1;
  if (seg >= 0) EraseLineSeg(seg);
  EraseNeuron(neuron);
  neurons[neuron].slots[slot].kind = kind;
  DrawNeuron(neuron);
  if (seg >= 0) DrawLineSeg(seg);
}

void TBrainBoard::AdjustSynapse(Neuron& n, int slot, float change) {
  Synapse& s = n.slots[slot];
  const float a = WithMomentum(momentum, s.lastWeightChange, change);
  s.lastWeightChange = a;
  s.weight += a;
  if (s.weight > 100) s.weight = 100, s.lastWeightChange = 0;
  if (s.weight < -100) s.weight = -100, s.lastWeightChange = 0;
  s.state = s.weight;
  const int kind = KindForWeight(s.kind, s.weight);
  if (kind != s.kind) SetSlotKind(static_cast<int>(&n - neurons.data()), slot, kind);
}

void TBrainBoard::AdjustNeuron(Neuron& n) {
  if (n.type == SigmoidNeuron) {
    const float d = learnRate * n.error * n.state * (100 - n.state) * n.gain * 0.01f;
    if (n.learn) ChangeThreshold(n, momentum, d);
    for (int s = 0; s < SlotCount; ++s) {
      const Synapse& syn = n.slots[s];
      if (syn.learn && IsInputSlot(syn.kind)) AdjustSynapse(n, s, -d * LearnSourceValue(syn) * 0.01f);
    }
  } else if (n.type == LinearNeuron) {
    if (n.learn) ChangeThreshold(n, momentum, learnRate * n.error);
    for (int s = 0; s < SlotCount; ++s) {
      const Synapse& syn = n.slots[s];
      if (syn.learn && IsInputSlot(syn.kind)) AdjustSynapse(n, s, -learnRate * n.error);
    }
  }
}

void TBrainBoard::Learn() {
  ErrorPass();
  for (int i = 0; i < neurons.used(); ++i)
    if (neurons[i].inUse) AdjustNeuron(neurons[i]);
}

void TBrainBoard::RandomizeLearners() {
  for (int i = 0; i < neurons.used(); ++i) {
    if (!neurons[i].inUse) continue;
    if (neurons[i].learn) neurons[i].threshold = static_cast<float>(random.below(101) - 50);
    neurons[i].lastThresholdChange = 0;
    for (int s = 0; s < SlotCount; ++s) {
      Synapse& syn = neurons[i].slots[s];
      syn.lastWeightChange = 0;
      if (!syn.learn) continue;
      syn.weight = static_cast<float>(random.below(101) - 50);
      syn.state = syn.weight;
      const int kind = KindForWeight(syn.kind, syn.weight);
      if (kind != syn.kind) SetSlotKind(i, s, kind);
    }
  }
}
