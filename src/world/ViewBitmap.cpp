#include "world/ViewBitmap.h"

#include <algorithm>

int TViewBitmap::WidthFor(int clientWidth) { return std::max(320, (clientWidth + 3) / 4 * 4); }
int TViewBitmap::HeightFor(int clientHeight) { return std::max(240, clientHeight); }

bool TViewBitmap::Create(int clientWidth, int clientHeight, const Palette& palette) {
  int w = WidthFor(clientWidth), h = HeightFor(clientHeight);
  if (exists() && w == width() && h == height()) return false;
  image = IndexedImage(w, h, 0);
  image.palette = palette;
  depth.assign(static_cast<size_t>(w) * h, 0);
  return true;
}

void TViewBitmap::Free() {
  image = IndexedImage();
  depth.clear();
}

void TViewBitmap::fillDepth(int16_t value) { std::fill(depth.begin(), depth.end(), value); }
