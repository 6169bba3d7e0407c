#pragma once
// The off-screen picture the world is drawn into, with its depth buffer. Rows are kept
// top row first; the window turns them into whatever its toolkit wants.
#include <cstdint>
#include <vector>

#include "bodies/PicDraw.h"
#include "platform/IndexedImage.h"

class TViewBitmap {
 public:
  // Width rounded up to a multiple of 4 and at least 320; height at least 240.
  static int WidthFor(int clientWidth);
  static int HeightFor(int clientHeight);

  // Makes the bitmap for a client area, painted black; false when the size is unchanged.
  bool Create(int clientWidth, int clientHeight, const Palette& palette);
  void Free();
  bool exists() const { return !image.empty(); }
  int width() const { return image.width(); }
  int height() const { return image.height(); }
  TDrawTarget target() { return {image.pixels().data(), depth.data(), image.width(), image.height()}; }
  void fillDepth(int16_t value);

  IndexedImage image;
  std::vector<int16_t> depth;
};
