#include "platform/IndexedImage.h"

#include <algorithm>
#include <cstdlib>

IndexedImage::IndexedImage(int width, int height, uint8_t fill)
    : width_(std::max(0, width)), height_(std::max(0, height)),
      pixels_(static_cast<size_t>(width_) * height_, fill) {}

void IndexedImage::fill(uint8_t v) { std::fill(pixels_.begin(), pixels_.end(), v); }

void IndexedImage::fillRect(int x, int y, int w, int h, uint8_t v) {
  int x0 = std::max(0, x), y0 = std::max(0, y);
  int x1 = std::min(width_, x + w), y1 = std::min(height_, y + h);
  for (int yy = y0; yy < y1; ++yy) std::fill(row(yy) + x0, row(yy) + std::max(x0, x1), v);
}

void IndexedImage::blit(const IndexedImage& src, int sx, int sy, int w, int h, int dx, int dy,
                        int transparent) {
  for (int j = 0; j < h; ++j) {
    int syy = sy + j, dyy = dy + j;
    if (syy < 0 || syy >= src.height_ || dyy < 0 || dyy >= height_) continue;
    for (int i = 0; i < w; ++i) {
      int sxx = sx + i, dxx = dx + i;
      if (sxx < 0 || sxx >= src.width_ || dxx < 0 || dxx >= width_) continue;
      uint8_t v = src.at(sxx, syy);
      if (transparent >= 0 && v == transparent) continue;
      row(dyy)[dxx] = v;
    }
  }
}

void IndexedImage::stretchBlit(const IndexedImage& src, int sx, int sy, int sw, int sh, int dx,
                               int dy, int dw, int dh) {
  if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0) return;
  for (int j = 0; j < dh; ++j) {
    int syy = sy + j * sh / dh, dyy = dy + j;
    if (syy < 0 || syy >= src.height_ || dyy < 0 || dyy >= height_) continue;
    for (int i = 0; i < dw; ++i) {
      int sxx = sx + i * sw / dw, dxx = dx + i;
      if (sxx < 0 || sxx >= src.width_ || dxx < 0 || dxx >= width_) continue;
      row(dyy)[dxx] = src.at(sxx, syy);
    }
  }
}

void IndexedImage::line(int x0, int y0, int x1, int y1, uint8_t v) {
  int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  int stepX = x0 < x1 ? 1 : -1, stepY = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  while (x0 != x1 || y0 != y1) {
    set(x0, y0, v);
    int e2 = 2 * err;
    if (e2 >= dy) { err += dy; x0 += stepX; }
    if (e2 <= dx) { err += dx; y0 += stepY; }
  }
}

IndexedImage IndexedImage::crop(int x, int y, int w, int h) const {
  IndexedImage out(w, h);
  out.palette = palette;
  out.blit(*this, x, y, w, h, 0, 0);
  return out;
}

int NearestColour(const Palette& palette, Rgb c) {
  int best = 0;
  long bestDist = -1;
  for (int i = 0; i < 256; ++i) {
    long dr = palette[i].r - c.r, dg = palette[i].g - c.g, db = palette[i].b - c.b;
    long d = dr * dr + dg * dg + db * db;
    if (bestDist < 0 || d < bestDist) { bestDist = d; best = i; }
    if (d == 0) break;  // an exact match: nothing later can be nearer
  }
  return best;
}
