// Any text reads as a world (or as much of one as makes sense) that can then be reset,
// run with brains pushing every effector, saved and read again.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "world/WorldFile.h"

namespace {

// Every attached brain gets a block; outputs follow a pattern taken from the input.
class Brains : public IWorldBrains, public IWorldFileBrains {
 public:
  explicit Brains(uint32_t seed) : seed_(seed) {}
  int32_t* BrainInputs(int n) override { return Valid(n) ? blocks_[static_cast<size_t>(n)].in.data() : nullptr; }
  const int32_t* BrainOutputs(int n) override {
    return Valid(n) ? blocks_[static_cast<size_t>(n)].out.data() : nullptr;
  }
  void ReleaseWorldBrains() override { blocks_.clear(); }
  int AttachBrain(const std::string&, const ChannelMask&, bool, const ChannelMask&) override {
    if (blocks_.size() >= 64) return -1;
    blocks_.emplace_back();
    for (size_t k = 0; k < 512; ++k) {
      seed_ = seed_ * 1103515245u + 12345u;
      blocks_.back().out[k] = static_cast<int32_t>((seed_ >> 16) % 201) - 100;
    }
    return static_cast<int>(blocks_.size()) - 1;
  }
  std::string BrainName(int n) override { return Valid(n) ? "b" + std::to_string(n) : ""; }

 private:
  struct Block {
    std::array<int32_t, 512> in{}, out{};
  };
  bool Valid(int n) const { return n >= 0 && n < static_cast<int>(blocks_.size()); }
  uint32_t seed_;
  std::vector<Block> blocks_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 64 * 1024) return 0;
  const std::string text(reinterpret_cast<const char*>(data), size);
  uint32_t seed = 2166136261u;
  for (uint8_t b : text) seed = (seed ^ b) * 16777619u;
  SilentMessages messages;
  Host host;
  host.messages = &messages;
  Brains brains(seed);
  WorldPorts ports;
  ports.brains = &brains;
  Palette palette{};
  TWorld world(host, ports, palette);
  world.SetClientSize(96, 64);
  TStoredTest test;
  TWorldFile file(world, &brains, &test);
  file.ReadWorldText(text);
  // Drawing a huge terrain is slow, not unsafe: such maps are read and written only.
  const int ticks = world.X * world.Y <= 4096 ? 40 : 0;
  world.ResetWorld();
  world.StartWorld();
  for (int t = 0; t < ticks; ++t) world.Step(t, true, t % 2 == 0);
  const std::string saved = file.WriteWorld();
  file.ReadWorldText(saved);
  world.ResetWorld();
  for (int t = 0; t < ticks / 8; ++t) world.Step(t, true, false);
  file.WriteWorld();
  return 0;
}
