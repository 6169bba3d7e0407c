// Any text as a workshop world file, loaded the way a notebook page loads it (world,
// gizmos, test section), then reset and run for 50 ticks with brains pushing every effector.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "WorldFixture.h"
#include "world/WorldLoader.h"

namespace {
// The loader reads "worlds\NAME.wld" from the working folder.
const std::filesystem::path folder = [] {
  const auto path = ScratchFolder("run");
  std::filesystem::create_directories(path / "worlds");
  return path;
}();
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 64 * 1024) return 0;
  const std::string text(reinterpret_cast<const char*>(data), size);
  InFolder here(folder);
  std::ofstream("worlds/fuzz.wld", std::ios::binary | std::ios::trunc) << text;
  FuzzWorld fw(FuzzSeed(text), false);  // drawing is fuzzed by world_file; here the run itself
  GizmoPorts gizmoPorts{nullptr, nullptr, fw.world.host};
  TWorldLoader loader(fw.world, &fw.brains, &fw.test);
  loader.gizmoPorts = &gizmoPorts;
  LimitForFuzzing(loader.file());
  std::string missing;
  loader.WorldAvailable("fuzz", 9999, missing);
  if (!loader.LoadWorldFile("fuzz")) return 0;
  loader.ReloadTest();
  fw.Run(50);
  return 0;
}
