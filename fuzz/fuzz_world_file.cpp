// Any text reads as a world (or as much of one as makes sense) that can then be reset,
// run with brains pushing every effector, saved and read again.
#include <cstdint>
#include <string>

#include "WorldFixture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 64 * 1024) return 0;
  const std::string text(reinterpret_cast<const char*>(data), size);
  FuzzWorld fw(FuzzSeed(text));
  TWorldFile file(fw.world, &fw.brains, &fw.test);
  LimitForFuzzing(file);
  file.ReadWorldText(text);
  fw.Run(40);
  const std::string saved = file.WriteWorld();
  file.ReadWorldText(saved);
  fw.Run(5);
  file.WriteWorld();
  return 0;
}
