// Any bytes as the palette file: a palette read from them writes back to bytes that read
// as the same palette.
#include <cstdint>
#include <vector>

#include "bodies/PaletteFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const auto palette = DecodePalette(std::vector<uint8_t>(data, data + size));
  if (!palette) return 0;
  const auto again = DecodePalette(EncodePalette(*palette));
  if (!again) __builtin_trap();
  for (size_t k = 0; k < palette->size(); ++k) {
    const Rgb &a = (*palette)[k], &b = (*again)[k];
    if (a.r != b.r || a.g != b.g || a.b != b.b) __builtin_trap();
  }
  return 0;
}
