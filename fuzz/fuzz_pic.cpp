// Picture sets and the palette from hostile bytes. The input is a 4-byte length of the
// ".cmp" part, that part, then the ".shd" part; the whole input is also read as a palette.
#include <cstdint>
#include <cstring>
#include <vector>

#include "bodies/PaletteFile.h"
#include "bodies/Pic.h"
#include "bodies/PicDraw.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> all(data, data + size);
  DecodePalette(all);
  uint32_t split = 0;
  if (size >= 4) std::memcpy(&split, data, 4);
  size_t rest = size >= 4 ? size - 4 : 0;
  size_t cmpSize = rest ? split % (rest + 1) : 0;
  std::vector<uint8_t> cmp(data + (size - rest), data + (size - rest) + cmpSize);
  std::vector<uint8_t> shd(data + (size - rest) + cmpSize, data + size);
  TPic pic;
  pic.decode("fuzz", &cmp, (split & 0x80000000u) ? nullptr : &shd);
  // Draw every frame around the edges of a small view.
  std::vector<uint8_t> pixels(64 * 48);
  std::vector<int16_t> depth(64 * 48, -30000);
  TDrawTarget target{pixels.data(), depth.data(), 64, 48};
  for (int f = 0; f < pic.count() && f < 64; ++f)
    for (int o : {-40, -3, 0, 20, 60}) {
      DrawFrame(pic, f, target, o, o / 2, 100);
      DrawShadow(pic, f, target, o, o - 30, 100);
    }
  return 0;
}
