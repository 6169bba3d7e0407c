#pragma once
// A stand-in lab brain and sound list for the gizmo tests.
#include <string>
#include <vector>

#include "bodies/Gizmo.h"
#include "support/Fakes.h"

struct FakeLabBrain : IGizmoBrains {
  static constexpr int Number = 3;
  int AttachBrain(const std::string& name, const ChannelMask& in, bool hidden, const ChannelMask& out) override {
    names.push_back(name);
    anyHidden = anyHidden || hidden;
    for (int c = 0; c < ChannelCount; ++c) {
      inputs[static_cast<size_t>(c)] = inputs[static_cast<size_t>(c)] || in[static_cast<size_t>(c)];
      outputs[static_cast<size_t>(c)] = outputs[static_cast<size_t>(c)] || out[static_cast<size_t>(c)];
    }
    return Number;
  }
  ChannelBlock* BrainIO(int n) override { return n == Number && present ? &block : nullptr; }
  const ChannelMask* EnabledInputs(int n) override { return n == Number ? &inputs : nullptr; }
  const ChannelMask* EnabledOutputs(int n) override { return n == Number ? &outputs : nullptr; }
  void HoldLearning(int n) override { held += n == Number; }

  int& Out(int channel) { return block.outputs[channel][0]; }
  int In(int channel) const { return block.inputs[channel][0]; }

  ChannelBlock block;
  ChannelMask inputs{}, outputs{};
  std::vector<std::string> names;
  bool anyHidden = false, present = true;
  int held = 0;  // steps whose learning a gizmo held
};

struct FakeSoundList : IGizmoSounds {
  int LoadSound(const std::string& path) override {
    loaded.push_back(path);
    return static_cast<int>(loaded.size()) - 1;
  }
  void PlaySound(int index) override { played.push_back(loaded.at(static_cast<size_t>(index))); }
  std::vector<std::string> loaded, played;
};

struct GizmoBench {
  FakeHost fake;
  FakeLabBrain brain;
  FakeSoundList sounds;
  IndexedImage canvas{320, 240, 0};
  std::vector<TRect> dirty;

  // Picture sheets stay unread (tests run where there are none); their messages go to
  // `fake.messages`.
  GizmoPorts Ports() { return GizmoPorts{&brain, &sounds, fake.host()}; }
  void Step(TGizmo& g, int tick, bool testMode = false) {
    dirty.clear();
    g.step(tick, canvas, testMode, dirty);
  }
};

// A sheet whose every pixel holds 1 + the number of the w-wide frame it lies in.
inline IndexedImage NumberedSheet(int frameW, int frames, int h) {
  IndexedImage s(frameW * frames, h, 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < s.width(); ++x) s.set(x, y, static_cast<uint8_t>(1 + x / frameW));
  return s;
}
