#pragma once
// Drawing helpers for generated pictures: shapes in palette colours on an IndexedImage.
#include <string>

#include "platform/IndexedImage.h"

class Canvas {
 public:
  Canvas(int width, int height, const Palette& palette, Rgb background = {0, 0, 0});

  IndexedImage& image() { return image_; }
  uint8_t ink(Rgb colour) const { return static_cast<uint8_t>(NearestColour(image_.palette, colour)); }

  void rect(int x, int y, int w, int h, Rgb colour);
  void frame(int x, int y, int w, int h, Rgb colour);
  // Vertical gradient from top colour to bottom colour.
  void gradient(int x, int y, int w, int h, Rgb top, Rgb bottom);
  void disc(double cx, double cy, double r, Rgb colour);
  void ring(double cx, double cy, double r, double thickness, Rgb colour);
  void line(int x0, int y0, int x1, int y1, Rgb colour) { image_.line(x0, y0, x1, y1, ink(colour)); }
  void thickLine(double x0, double y0, double x1, double y1, double width, Rgb colour);
  // A pie wedge of a circle, from angle a0 to a1 in degrees (0 = up, clockwise).
  void wedge(double cx, double cy, double r, double a0, double a1, Rgb colour);
  // A small 5 x 7 pixel font, scaled by a whole factor.
  void text(int x, int y, const std::string& s, Rgb colour, int scale = 1);
  static int textWidth(const std::string& s, int scale = 1) { return static_cast<int>(s.size()) * 6 * scale; }
  // Wood grain: a brown gradient with darker streaks, deterministic.
  void wood(int x, int y, int w, int h, unsigned seed);
  void bevel(int x, int y, int w, int h, Rgb light, Rgb dark);

 private:
  IndexedImage image_;
};

Rgb Mix(Rgb a, Rgb b, double t);
