#include "Canvas.h"

#include <algorithm>
#include <cmath>

namespace {
// Glyphs of 5 columns x 7 rows, one byte a row, high bit left.
struct Glyph {
  char c;
  uint8_t rows[7];
};
constexpr Glyph Font[] = {
    {'A', {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}}, {'B', {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}},
    {'C', {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}}, {'D', {0x1E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1E}},
    {'E', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}}, {'F', {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10}},
    {'G', {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}}, {'H', {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}},
    {'I', {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}}, {'J', {0x07, 0x02, 0x02, 0x02, 0x02, 0x12, 0x0C}},
    {'K', {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}}, {'L', {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F}},
    {'M', {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}}, {'N', {0x11, 0x11, 0x19, 0x15, 0x13, 0x11, 0x11}},
    {'O', {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}}, {'P', {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10}},
    {'Q', {0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D}}, {'R', {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11}},
    {'S', {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}}, {'T', {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04}},
    {'U', {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}}, {'V', {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04}},
    {'W', {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A}}, {'X', {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11}},
    {'Y', {0x11, 0x11, 0x0A, 0x04, 0x04, 0x04, 0x04}}, {'Z', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F}},
    {'0', {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}}, {'1', {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'2', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}}, {'3', {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E}},
    {'4', {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}}, {'5', {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E}},
    {'6', {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}}, {'7', {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08}},
    {'8', {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}}, {'9', {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}},
    {'.', {0x00, 0x00, 0x00, 0x00, 0x00, 0x0C, 0x0C}}, {'-', {0x00, 0x00, 0x00, 0x1F, 0x00, 0x00, 0x00}},
    {'!', {0x04, 0x04, 0x04, 0x04, 0x04, 0x00, 0x04}}, {'?', {0x0E, 0x11, 0x01, 0x02, 0x04, 0x00, 0x04}},
    {':', {0x00, 0x0C, 0x0C, 0x00, 0x0C, 0x0C, 0x00}}, {'\'', {0x04, 0x04, 0x08, 0x00, 0x00, 0x00, 0x00}},
    {'+', {0x00, 0x04, 0x04, 0x1F, 0x04, 0x04, 0x00}}, {'/', {0x01, 0x01, 0x02, 0x04, 0x08, 0x10, 0x10}},
};

const Glyph* FindGlyph(char c) {
  c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (const Glyph& g : Font)
    if (g.c == c) return &g;
  return nullptr;
}
}  // namespace

Rgb Mix(Rgb a, Rgb b, double t) {
  t = std::clamp(t, 0.0, 1.0);
  auto m = [t](uint8_t x, uint8_t y) { return static_cast<uint8_t>(std::lround(x + (y - x) * t)); };
  return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

Canvas::Canvas(int width, int height, const Palette& palette, Rgb background) : image_(width, height) {
  image_.palette = palette;
  image_.fill(ink(background));
}

void Canvas::rect(int x, int y, int w, int h, Rgb colour) { image_.fillRect(x, y, w, h, ink(colour)); }

void Canvas::frame(int x, int y, int w, int h, Rgb colour) {
  rect(x, y, w, 1, colour);
  rect(x, y + h - 1, w, 1, colour);
  rect(x, y, 1, h, colour);
  rect(x + w - 1, y, 1, h, colour);
}

void Canvas::gradient(int x, int y, int w, int h, Rgb top, Rgb bottom) {
  for (int j = 0; j < h; ++j) rect(x, y + j, w, 1, Mix(top, bottom, h > 1 ? double(j) / (h - 1) : 0));
}

void Canvas::disc(double cx, double cy, double r, Rgb colour) {
  uint8_t v = ink(colour);
  for (int y = int(std::floor(cy - r)); y <= int(std::ceil(cy + r)); ++y)
    for (int x = int(std::floor(cx - r)); x <= int(std::ceil(cx + r)); ++x) {
      double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      if (dx * dx + dy * dy <= r * r) image_.set(x, y, v);
    }
}

void Canvas::ring(double cx, double cy, double r, double thickness, Rgb colour) {
  uint8_t v = ink(colour);
  for (int y = int(std::floor(cy - r)); y <= int(std::ceil(cy + r)); ++y)
    for (int x = int(std::floor(cx - r)); x <= int(std::ceil(cx + r)); ++x) {
      double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
      if (d <= r && d >= r - thickness) image_.set(x, y, v);
    }
}

void Canvas::thickLine(double x0, double y0, double x1, double y1, double width, Rgb colour) {
  double len = std::hypot(x1 - x0, y1 - y0);
  int steps = std::max(1, int(len * 2));
  for (int i = 0; i <= steps; ++i) {
    double t = double(i) / steps;
    disc(x0 + (x1 - x0) * t, y0 + (y1 - y0) * t, width / 2, colour);
  }
}

void Canvas::wedge(double cx, double cy, double r, double a0, double a1, Rgb colour) {
  uint8_t v = ink(colour);
  const double pi = 3.14159265358979323846;
  for (int y = int(std::floor(cy - r)); y <= int(std::ceil(cy + r)); ++y)
    for (int x = int(std::floor(cx - r)); x <= int(std::ceil(cx + r)); ++x) {
      double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
      if (dx * dx + dy * dy > r * r) continue;
      double a = std::atan2(dx, -dy) * 180 / pi;
      if (a < 0) a += 360;
      if (a >= a0 && a < a1) image_.set(x, y, v);
    }
}

void Canvas::text(int x, int y, const std::string& s, Rgb colour, int scale) {
  uint8_t v = ink(colour);
  for (size_t i = 0; i < s.size(); ++i) {
    const Glyph* g = FindGlyph(s[i]);
    if (!g) continue;
    for (int row = 0; row < 7; ++row)
      for (int col = 0; col < 5; ++col)
        if (g->rows[row] & (0x10 >> col))
          image_.fillRect(x + int(i) * 6 * scale + col * scale, y + row * scale, scale, scale, v);
  }
}

void Canvas::wood(int x, int y, int w, int h, unsigned seed) {
  const Rgb light{168, 112, 56}, dark{112, 64, 32};
  for (int j = 0; j < h; ++j)
    for (int i = 0; i < w; ++i) {
      double grain = std::sin((j + 3 * std::sin((i + seed) * 0.11)) * 0.7 + seed) * 0.5 + 0.5;
      image_.set(x + i, y + j, ink(Mix(light, dark, grain * 0.6)));
    }
}

void Canvas::bevel(int x, int y, int w, int h, Rgb light, Rgb dark) {
  rect(x, y, w, 1, light);
  rect(x, y, 1, h, light);
  rect(x, y + h - 1, w, 1, dark);
  rect(x + w - 1, y, 1, h, dark);
}
