#pragma once
// A flat world with a few brains for the world objects' tests: any critter may be given a
// brain number, and the test writes its outputs and reads its inputs by channel.
#include <array>
#include <string>
#include <vector>

#include "channels/ChannelNumbers.h"
#include "world/WorldFixtures.h"

struct SomeBrains : IWorldBrains {
  static constexpr int Count = 4;
  int32_t* BrainInputs(int n) override { return n >= 0 && n < Count ? in[static_cast<size_t>(n)].data() : nullptr; }
  const int32_t* BrainOutputs(int n) override {
    return n >= 0 && n < Count ? out[static_cast<size_t>(n)].data() : nullptr;
  }
  int input(int brain, int channel, int sub = 0) const {
    return in[static_cast<size_t>(brain)][static_cast<size_t>(channel * 8 + sub)];
  }
  int32_t& output(int brain, int channel, int sub = 0) {
    return out[static_cast<size_t>(brain)][static_cast<size_t>(channel * 8 + sub)];
  }
  std::array<std::array<int32_t, 512>, Count> in{}, out{};
};

struct SoundLog : RecordingSound {
  void PlaySound(const std::string& path) override { played.push_back(path); }
  std::vector<std::string> played;
};

struct ObjectWorld : WorldFixture {
  ObjectWorld() {
    world.brains = &brains;
    world.soundOut = &sounds;
    // Eight frames are enough for every test picture; frames past a set's end are ignored.
    many = world.AddPicture(SquarePic("many", 8, 0.15f, 200, 200, 90));
    front = world.AddPicture(SquarePic("wf", 8, 0.15f));
  }
  using WorldFixture::Add;
  template <class T>
  T* Add(std::unique_ptr<T> critter, int brain = -1) {
    T* c = static_cast<T*>(world.AddCritter(std::move(critter)));
    if (brain >= 0) c->brainMode = 1, c->brainNumber = brain;
    return c;
  }
  TPic* Pic() { return world.Picture(many); }
  // Runs whole ticks of the world with the world running.
  void Run(int ticks) {
    for (int k = 0; k < ticks; ++k) world.Step(tick++, true, false);
  }
  SomeBrains brains;
  SoundLog sounds;
  int many = 0, front = 0, tick = 0;
};
