#include "platform/qt/QtImage.h"

QImage ToQImage(const IndexedImage& image) { return ToQImage(image, image.palette); }

QImage ToQImage(const IndexedImage& image, const Palette& palette) {
  QImage out(image.width(), image.height(), QImage::Format_RGB32);
  QRgb table[256];
  for (int i = 0; i < 256; ++i) table[i] = qRgb(palette[i].r, palette[i].g, palette[i].b);
  for (int y = 0; y < image.height(); ++y) {
    auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
    const uint8_t* src = image.row(y);
    for (int x = 0; x < image.width(); ++x) dst[x] = table[src[x]];
  }
  return out;
}
