// Any text as the level map: every level it names (and level 100) is checked for
// availability at a progress taken from the input, loaded with its gizmos and test, and
// run for a few ticks.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "WorldFixture.h"
#include "world/WorldLoader.h"

namespace {
const std::string folder = [] {
  const auto path = ScratchFolder("map");
  std::filesystem::create_directories(path / "worlds");
  return path.string();
}();

// The numbers after "[LEVEL" in the text, at most a few.
std::vector<int> NamedLevels(const std::string& text) {
  std::vector<int> levels{100};
  for (size_t at = text.find("[LEVEL"); at != std::string::npos && levels.size() < 4;
       at = text.find("[LEVEL", at + 1))
    levels.push_back(std::atoi(text.c_str() + at + 6));
  return levels;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 64 * 1024) return 0;
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::ofstream(folder + "/level.map", std::ios::binary | std::ios::trunc) << text;
  std::ofstream(folder + "/worlds/map.wld", std::ios::binary | std::ios::trunc) << text;
  const uint32_t seed = FuzzSeed(text);
  FuzzWorld fw(seed, false);  // the map's readers are the subject here, not the drawing
  GizmoPorts gizmoPorts{nullptr, nullptr, fw.world.host};
  TWorldLoader loader(fw.world, &fw.brains, &fw.test);
  loader.gizmoPorts = &gizmoPorts;
  LimitForFuzzing(loader.file());
  loader.levels = LevelMap(&fw.messages, folder);
  const int progress = static_cast<int>(seed % 900);
  std::string missing;
  loader.WorldAvailable("map", progress, missing);
  for (int level : NamedLevels(text)) {
    loader.LevelAvailable(level, progress, missing);
    if (!loader.LoadLevel(level)) continue;
    loader.ReloadLevelTest(level);
    fw.Run(3);
  }
  // The pure scans straight on the text, from the first few header positions.
  std::vector<std::string> lines;
  size_t at = 0;
  for (int k = 0; k < 8 && (at = text.find('[', at)) != std::string::npos; ++k, ++at) {
    ScanAvailability(text, at, progress, &missing);
    FindTestSection(text, at, lines);
  }
  return 0;
}
