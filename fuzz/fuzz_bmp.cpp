// Bitmap files from hostile bytes, as the gizmo sheets and room pictures are read; what
// decodes is also laid onto a small canvas the way a gizmo pastes its frames.
#include <cstdint>
#include <vector>

#include "platform/BmpFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> bytes(data, data + size);
  auto image = DecodeBmp(bytes);
  if (!image) return 0;
  if (image->width() > 4096 || image->height() > 4096) return 0;
  IndexedImage canvas(64, 48, 0);
  for (int o : {-40, -3, 0, 20, 60}) canvas.blit(*image, o, o / 2, 70, 50, o / 3, o, 13);
  auto again = DecodeBmp(EncodeBmp(*image));
  if (!again || again->pixels() != image->pixels()) __builtin_trap();
  return 0;
}
