// The step runs its passes on flat copies of the network; on a mixed network (every
// neuron type, decaying and steady synapses of both signs, wires through nodes, freed
// records in between) it must leave exactly what stepping the records one by one does.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <random>
#include <utility>

#include "brain/BoardJournal.h"
#include "brain/Brainboard.h"

namespace {

void SetAll(float (&v)[SlotCount], float x) {
  for (float& e : v) e = x;
}

float Clamp(float v, float low, float high) { return v < low ? low : (v > high ? high : v); }

// The step's network arithmetic on the records themselves, as the board once did it.
void ReferenceStep(TBrainBoard& b) {
  auto source = [&](const Synapse& s) {
    return s.otherKind == OtherNeuron ? b.neurons[s.otherIndex].state : b.nodes[s.otherIndex].value[s.otherSlot];
  };
  for (int i = 0; i < b.neurons.used(); ++i) {
    Neuron& n = b.neurons[i];
    if (!n.inUse) continue;
    for (Synapse& s : n.slots) {
      if (!IsInputSlot(s.kind)) continue;
      const float v = source(s);
      if (s.decay == 0 || v == 0) {
        s.state = s.weight;
      } else if (s.state > 0) {
        s.state = Clamp(s.state - 0.1f * s.decay, 0, 100);
      } else if (s.state < 0) {
        s.state = Clamp(s.state + 0.1f * s.decay, -100, 0);
      }
    }
  }
  auto write = [](Node& t, int slot, float v) {
    if (t.multi) t.next[slot] = v;
    else SetAll(t.next, v);
  };
  bool changed = true;
  for (int pass = 0; changed && pass < b.cyclesPerUpdate; ++pass) {
    changed = false;
    for (int i = 0; i < b.neurons.used(); ++i) b.neurons[i].input = 0;
    for (int i = 0; i < b.nodes.used(); ++i)
      if (!IsDrivenNode(b.nodes[i].type)) SetAll(b.nodes[i].next, 0);
    for (int i = 0; i < b.nodes.used(); ++i) {
      const Node& n = b.nodes[i];
      if (!n.inUse) continue;
      for (int s = 0; s < SlotCount; ++s) {
        if (n.slotKind[s] != SlotOutput) continue;
        if (n.otherKind[s] == OtherNeuron) {
          Neuron& t = b.neurons[n.otherIndex[s]];
          t.input += n.value[s] * t.slots[n.otherSlot[s]].state;
        } else {
          write(b.nodes[n.otherIndex[s]], n.otherSlot[s], n.value[s]);
        }
      }
    }
    for (int i = 0; i < b.neurons.used(); ++i) {
      const Neuron& n = b.neurons[i];
      if (!n.inUse || n.state == 0) continue;
      for (const Synapse& s : n.slots) {
        if (s.kind != SlotOutput) continue;
        if (s.otherKind == OtherNeuron) {
          Neuron& t = b.neurons[s.otherIndex];
          t.input += n.state * t.slots[s.otherSlot].state;
        } else {
          write(b.nodes[s.otherIndex], s.otherSlot, n.state);
        }
      }
    }
    for (int i = 0; i < b.neurons.used(); ++i) {
      Neuron& n = b.neurons[i];
      if (!n.inUse) continue;
      const double x = static_cast<double>(n.input) * 0.01;
      float next = n.state;
      if (n.type == StepNeuron) {
        next = (x < -100 ? -100 : (x > 100 ? 100 : x)) >= n.threshold ? 100.0f : 0.0f;
      } else if (n.type == SigmoidNeuron) {
        const double e = std::exp(-static_cast<double>(n.gain) * (x - n.threshold));
        next = e > 3.4028234663852886e38 ? 0.0f : static_cast<float>(100.0 / (e + 1.0));
      } else if (n.type == LinearNeuron) {
        next = Clamp(static_cast<float>(x - n.threshold), -100, 100);
      } else if (n.type == ErrorNeuron) {
        next = Clamp(static_cast<float>(x), -100, 100);
      }
      if (next != n.state) n.state = next, changed = true;
    }
    for (int i = 0; i < b.nodes.used(); ++i) {
      Node& n = b.nodes[i];
      if (!n.inUse) continue;
      for (int c = 0; c < SlotCount; ++c)
        if (n.value[c] != n.next[c]) n.value[c] = n.next[c], changed = true;
    }
  }
}

// The same random network on any board: 60 neurons in a grid, two freed, 6 nodes.
void BuildMixed(TBrainBoard& b, uint32_t seed) {
  std::mt19937 r(seed);
  auto pick = [&](int n) { return static_cast<int>(r() % static_cast<uint32_t>(n)); };
  b.SetSize(80, 80);
  for (int k = 0; k < 60; ++k) {
    const int i = b.AddNeuron(4 + 6 * (k % 10), 4 + 6 * (k / 10));
    b.EraseNeuron(i);  // its tiles follow the type
    Neuron& n = b.neurons[i];
    n.type = pick(4);
    n.threshold = static_cast<float>(pick(120) - 20);
    n.gain = 0.02f + 0.01f * static_cast<float>(pick(10));
    n.state = pick(3) == 0 ? 100.0f : 0.0f;
    b.DrawNeuron(i);
  }
  for (int k = 0; k < 6; ++k) {
    const int node = b.AddNode(70, 4 + 10 * k);
    b.nodes[node].multi = k % 2 == 0;
  }
  for (int k = 0; k < 400; ++k) {
    const int weight = pick(201) - 100;
    if (pick(5) == 0)
      b.ConnectToNeuron(OtherNode, pick(6), pick(8), pick(60), pick(8), static_cast<float>(weight));
    else if (pick(8) == 0)
      b.ConnectToNode(OtherNeuron, pick(60), pick(8), pick(6), pick(8));
    else if (pick(12) == 0)
      b.ConnectToNode(OtherNode, pick(6), pick(8), pick(6), pick(8));
    else
      b.ConnectToNeuron(OtherNeuron, pick(60), pick(8), pick(60), pick(8), static_cast<float>(weight));
  }
  for (int i = 0; i < 60; ++i)
    for (Synapse& s : b.neurons[i].slots)
      if (IsInputSlot(s.kind) && pick(3) == 0) s.decay = static_cast<float>(pick(41) - 20);
  b.nodes[1].value[0] = 60, b.nodes[2].value[3] = -40;  // plain nodes start with something to send
  b.DeleteNeuron(17);
  b.DeleteNeuron(42);
}

void ExpectSameNetwork(const TBrainBoard& a, const TBrainBoard& b, int step) {
  ASSERT_EQ(a.neurons.used(), b.neurons.used());
  for (int i = 0; i < a.neurons.used(); ++i) {
    const Neuron &x = a.neurons[i], &y = b.neurons[i];
    if (!x.inUse) continue;
    // Bit for bit: the same sums in the same order.
    EXPECT_EQ(std::memcmp(&x.state, &y.state, sizeof x.state), 0) << "step " << step << " neuron " << i;
    EXPECT_EQ(std::memcmp(&x.input, &y.input, sizeof x.input), 0) << "step " << step << " neuron " << i;
    for (int s = 0; s < SlotCount; ++s) EXPECT_EQ(x.slots[s].state, y.slots[s].state) << "step " << step;
  }
  for (int i = 0; i < a.nodes.used(); ++i)
    for (int c = 0; c < SlotCount; ++c) EXPECT_EQ(a.nodes[i].value[c], b.nodes[i].value[c]) << "step " << step;
}

TEST(FlatStep, MixedNetworksStepAsTheirRecordsWould) {
  Host host{};
  for (uint32_t seed : {1u, 2u, 3u}) {
    for (bool hidden : {true, false}) {
      TBrainBoard flat(host, 1, hidden), records(host, 1, true);
      BuildMixed(flat, seed);
      BuildMixed(records, seed);
      ASSERT_FALSE(flat.broken);
      // A step after a busy one runs on flat arrays, one after a settled step on the
      // records: both must come up.
      int afterBusy = 0, afterSettled = 0;
      for (int step = 0; step < 45; ++step) {
        (flat.lastPassCount() > 1 ? afterBusy : afterSettled) += 1;
        if (step == 30)  // nothing fires or fades any more: the network settles
          for (TBrainBoard* b : {&flat, &records})
            for (int i = 0; i < b->neurons.used(); ++i) {
              Neuron& n = b->neurons[i];
              n.threshold = 200, n.gain = 0;
              for (Synapse& syn : n.slots) syn.decay = 0;
            }
        flat.Step(false);
        ReferenceStep(records);
        ASSERT_FALSE(flat.broken);
        ExpectSameNetwork(flat, records, step);
        if (HasFailure()) return;
      }
      EXPECT_GT(afterBusy, 0);
      EXPECT_GT(afterSettled, 1);
    }
  }
}

}  // namespace

// Whatever is done to the records between steps (a weight written directly, a neuron
// deleted, a synapse added, a reset, an undo putting older records back, a node going)
// must be seen by the next step; steps with nothing between them reuse their flat copy.
TEST(FlatStep, AKeptCopyFollowsEveryChangeBetweenSteps) {
  Host host{};
  TBrainBoard kept(host, 1, false), records(host, 1, true);
  BuildMixed(kept, 7);
  BuildMixed(records, 7);
  std::unique_ptr<BoardSnapshot> shotKept, shotRecords;
  auto edit = [&](int step, TBrainBoard& b, std::unique_ptr<BoardSnapshot>& shot) {
    switch (step) {
      case 6:
        for (Synapse& s : b.neurons[3].slots)
          if (IsInputSlot(s.kind)) s.weight = -70;
        break;
      case 10: b.DeleteNeuron(5); break;
      case 14: b.ConnectToNeuron(OtherNeuron, 8, 7, 9, 3, 90); break;
      case 18: b.ResetRun(); break;
      case 21: shot = std::make_unique<BoardSnapshot>(b); break;
      case 26: shot->Restore(b); break;
      case 30: b.DeleteNode(5, true); break;
      case 34: b.neurons[12].threshold = -30; break;
      default: break;
    }
  };
  int keptSteps = 0;
  for (int step = 0; step < 40; ++step) {
    edit(step, kept, shotKept);
    edit(step, records, shotRecords);
    kept.Step(false);
    ReferenceStep(records);
    keptSteps += kept.lastStepKeptCopy();
    ASSERT_FALSE(kept.broken) << "step " << step;
    ExpectSameNetwork(kept, records, step);
    if (HasFailure()) return;
  }
  EXPECT_GT(keptSteps, 15);
}

// A light change swaps the tiles where the neuron stands now, also after it moved or
// its index went to another neuron.
TEST(FlatStep, LightsFollowANeuronThatMoved) {
  Host host{};
  TBrainBoard b(host, 1, false);
  b.SetSize(40, 40);
  const int a = b.AddNeuron(5, 5);
  const int c = b.AddNeuron(20, 5);
  b.neurons[c].threshold = -10;  // fires by itself: lit after a step
  auto shows = [&](int i, bool lit) {
    const Neuron& n = std::as_const(b).neurons[i];
    Neuron look = n;
    look.shownState = lit ? 100 : 0;
    if (b.FindPic(n.x, n.y, TBrainBoard::NeuronCentreTile(look), PicNeuron, i) < 0) return false;
    for (int d = 0; d < SlotCount; ++d)
      if (b.FindPic(n.x + DirDx[d], n.y + DirDy[d], TBrainBoard::NeuronOuterTile(look, d), PicNeuron, i) < 0) return false;
    return true;
  };
  b.Step(false);
  EXPECT_TRUE(shows(c, true));
  b.neurons[c].threshold = 200;
  b.Step(false);
  EXPECT_TRUE(shows(c, false));
  // Moved while dark, lit where it stands now.
  b.EraseNeuron(c);
  b.neurons[c].x = 30, b.neurons[c].y = 30;
  b.neurons[c].threshold = -10;
  b.DrawNeuron(c);
  b.Step(false);
  EXPECT_TRUE(shows(c, true));
  // Its index taken by a new neuron at the old place.
  b.DeleteNeuron(c);
  const int d = b.AddNeuron(30, 30);
  ASSERT_EQ(d, c);
  b.neurons[d].threshold = -10;
  b.Step(false);
  EXPECT_TRUE(shows(d, true));
  EXPECT_TRUE(shows(a, false));
  EXPECT_FALSE(b.broken);
}
