#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>

#include "platform/Files.h"
#include "support/Fakes.h"
#include "world/WorldFile.h"
#include "world/WorldHash.h"

namespace {

// A reflex in place of a drawn brain: walk, turn toward the stronger smell, turn away
// from bumps and from edges on the left.
class ReflexBrains : public IWorldBrains, public IWorldFileBrains {
 public:
  int32_t* BrainInputs(int n) override { return Valid(n) ? blocks_[static_cast<size_t>(n)].in.data() : nullptr; }
  const int32_t* BrainOutputs(int n) override {
    return Valid(n) ? blocks_[static_cast<size_t>(n)].out.data() : nullptr;
  }
  void ReleaseWorldBrains() override { blocks_.clear(); }
  int AttachBrain(const std::string&, const ChannelMask&, bool, const ChannelMask&) override {
    blocks_.emplace_back();
    return static_cast<int>(blocks_.size()) - 1;
  }
  std::string BrainName(int n) override { return "reflex" + std::to_string(n); }
  void StepAll() {
    for (Block& b : blocks_) {
      auto in = [&](int c) { return b.in[static_cast<size_t>(c * 8)]; };
      auto out = [&](int c) -> int32_t& { return b.out[static_cast<size_t>(c * 8)]; };
      const int left = in(14), right = in(15);
      out(4) = 100;
      out(5) = in(4) > 49 || left > right + 3 ? 100 : 0;
      out(6) = in(5) < 50 || right > left + 3 ? 100 : 0;
    }
  }

 private:
  struct Block {
    std::array<int32_t, 512> in{}, out{};
  };
  bool Valid(int n) const { return n >= 0 && n < static_cast<int>(blocks_.size()); }
  std::vector<Block> blocks_;
};

uint64_t Mix(uint64_t h, const void* data, size_t size) {
  const auto* p = static_cast<const uint8_t*>(data);
  for (size_t k = 0; k < size; ++k) h = (h ^ p[k]) * 1099511628211ull;
  return h;
}

struct RunResult {
  uint64_t hash = 14695981039346656037ull;
  float bugEnergy = 0;
  int aphidsEaten = 0;
  uint64_t final = 0;
};

// The ladybug world with the generated pictures, run with a fixed seed.
RunResult RunAphidWorld(int ticks) {
  FakeHost fake;
  ReflexBrains brains;
  WorldPorts ports;
  ports.brains = &brains;
  TWorld world(fake.host(), ports, Palette{});
  world.random.seed(4242);
  world.SetClientSize(320, 240);
  TStoredTest test;
  TWorldFile file(world, &brains, &test);
  const auto text = ReadFileText(std::string(QUORBIT_SOURCE_DIR) + "/tests/world/worlds/aphids.wld");
  if (!text) return {};
  const auto old = std::filesystem::current_path();
  std::filesystem::current_path(QUORBIT_TEST_DATA_DIR);
  file.ReadWorldText(*text);
  std::filesystem::current_path(old);
  world.ResetWorld();
  world.StartWorld();
  RunResult r;
  std::vector<bool> wasDead(world.critters.size(), false);
  for (int t = 0; t < ticks; ++t) {
    world.Step(t, true, false);
    brains.StepAll();
    for (size_t n = 0; n < world.critters.size(); ++n) {
      TCritter& c = *world.critters[n];
      const int h = c.getHeading();
      const float state[] = {c.x, c.y, c.z, c.energy};
      r.hash = Mix(Mix(Mix(r.hash, state, sizeof state), &h, sizeof h), &c.dead, sizeof c.dead);
      if (c.typeCode == 2 && c.dead && !wasDead[n]) ++r.aphidsEaten;
      wasDead[n] = c.dead;
    }
  }
  r.bugEnergy = world.critters.empty() ? 0 : world.critters[0]->energy;
  r.final = WorldStateHash(world);
  for (auto& m : fake.messages.shown) ADD_FAILURE() << m.text << " / " << m.caption;
  return r;
}

TEST(WorldDeterminism, TwoThousandTicksOfTheLadybugWorldHashTheSameEveryRun) {
  const RunResult a = RunAphidWorld(2000), b = RunAphidWorld(2000);
  EXPECT_EQ(a.hash, b.hash);
  EXPECT_EQ(a.bugEnergy, b.bugEnergy);
  // Something happened on the way: the bugs found food, and eaten aphids came back.
  EXPECT_GT(a.aphidsEaten, 0);
  EXPECT_NE(a.hash, RunAphidWorld(1999).hash);
}

// The stored answer: a change to any rule of motion, sensing, collision, placement or the
// generator shows here. When a change is meant to alter the simulation, say so and store
// the new value.
TEST(WorldDeterminism, TheLadybugWorldEndsInTheStoredState) {
  const RunResult r = RunAphidWorld(2000);
  EXPECT_EQ(r.final, 0x2364f9bfaa34b864ull) << std::hex << r.final;
}

}  // namespace
