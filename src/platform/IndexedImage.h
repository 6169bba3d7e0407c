#pragma once
// An 8-bit palette picture: the form in which worlds, movies and boards are composed.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

using Palette = std::array<Rgb, 256>;

class IndexedImage {
 public:
  IndexedImage() = default;
  IndexedImage(int width, int height, uint8_t fill = 0);

  int width() const { return width_; }
  int height() const { return height_; }
  bool empty() const { return width_ <= 0 || height_ <= 0; }
  uint8_t* row(int y) { return pixels_.data() + static_cast<size_t>(y) * width_; }
  const uint8_t* row(int y) const { return pixels_.data() + static_cast<size_t>(y) * width_; }
  uint8_t at(int x, int y) const { return row(y)[x]; }
  void set(int x, int y, uint8_t v) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) row(y)[x] = v;
  }
  std::vector<uint8_t>& pixels() { return pixels_; }
  const std::vector<uint8_t>& pixels() const { return pixels_; }

  void fill(uint8_t v);
  void fillRect(int x, int y, int w, int h, uint8_t v);
  // Copies a w x h block of src at (sx, sy) to (dx, dy), clipped to both pictures;
  // with a transparent index, pixels of that value are left out.
  void blit(const IndexedImage& src, int sx, int sy, int w, int h, int dx, int dy,
            int transparent = -1);
  // Nearest-neighbour copy of a source block stretched to a destination block.
  void stretchBlit(const IndexedImage& src, int sx, int sy, int sw, int sh, int dx, int dy,
                   int dw, int dh);
  // Line from (x0, y0) to (x1, y1), the end point itself not drawn.
  void line(int x0, int y0, int x1, int y1, uint8_t v);
  IndexedImage crop(int x, int y, int w, int h) const;

  Palette palette{};

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<uint8_t> pixels_;
};

// Index of the palette entry closest to a colour (squared distance, first wins).
int NearestColour(const Palette& palette, Rgb colour);
