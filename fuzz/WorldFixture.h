#pragma once
// What the world harnesses share: brains that push every effector in a pattern taken from
// the input, and a world with its test holder and file reader.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "bodies/PicWriter.h"
#include "platform/Files.h"
#include "world/WorldFile.h"

class FuzzBrains : public IWorldBrains, public IWorldFileBrains {
 public:
  explicit FuzzBrains(uint32_t seed) : seed_(seed) {}
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

// Maps up to 64 x 64 cells: five times the largest shipped world, yet small enough that
// reading, drawing and stepping one stays far under a millisecond of real work. Larger
// maps take the same code, only longer.
constexpr int FuzzMapCells = 4096;
// Windows up to 640 pixels a side, for the same reason: every tick draws the whole view;
// and 100 critters, as each tick pairs every critter with every other in its cells.
constexpr int FuzzViewSide = 640;
constexpr int FuzzCritters = 100;

// The reader with the limits above.
inline void LimitForFuzzing(TWorldFile& file) {
  file.maxMapCells = FuzzMapCells;
  file.maxViewSide = FuzzViewSide;
  file.maxCritters = FuzzCritters;
}

inline uint32_t FuzzSeed(const std::string& text) {
  uint32_t seed = 2166136261u;
  for (uint8_t b : text) seed = (seed ^ b) * 16777619u;
  return seed;
}

// A world that shows nothing, with brains and a test holder; with a view (the smallest
// the window has) unless the harness only needs what the world holds.
struct FuzzWorld {
  explicit FuzzWorld(uint32_t seed, bool withView = true)
      : brains(seed), world(MakeHost(messages), MakePorts(brains), GreenRamp()) {
    if (withView) world.SetClientSize(96, 64);
  }
  // Runs ticks the way the program does: reset, start, then steps with the test running
  // every other tick.
  void Run(int ticks) {
    world.ResetWorld();
    world.StartWorld();
    for (int t = 0; t < ticks; ++t) world.Step(t, true, t % 2 == 0);
  }

  SilentMessages messages;
  FuzzBrains brains;
  TWorld world;
  TStoredTest test;

 private:
  static Host MakeHost(SilentMessages& m) {
    Host host;
    host.messages = &m;
    return host;
  }
  // Every green level has an entry of its own: the grass tables find exact matches fast.
  static const Palette& GreenRamp() {
    static const Palette ramp = [] {
      Palette p{};
      for (int i = 0; i < 256; ++i) p[static_cast<size_t>(i)] = {0, static_cast<uint8_t>(i), 0};
      return p;
    }();
    return ramp;
  }
  static WorldPorts MakePorts(FuzzBrains& b) {
    WorldPorts ports;
    ports.brains = &b;
    return ports;
  }
};

// A scratch folder holding "pics/stone", a real two-frame picture set, for the harnesses
// that read scenery from the working folder.
inline std::filesystem::path ScratchFolderWithStone(const std::string& name) {
  const auto path = ScratchFolder(name);
  std::filesystem::create_directories(path / "pics");
  TPicSource stone(4, 4, 2, 3);
  for (int f = 0; f < 2; ++f) {
    TPicSource::Frame& frame = stone.addFrame();
    frame.colour.assign(16, static_cast<uint8_t>(10 + f));
    frame.depth.assign(16, 5);
  }
  WriteFileAtomic((path / "pics/stone.cmp").string(), EncodeCmp(stone));
  WriteFileAtomic((path / "pics/stone.shd").string(), EncodeShd(stone));
  return path;
}
