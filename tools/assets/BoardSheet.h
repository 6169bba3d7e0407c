#pragma once
// Drawing the board's tile sheet: shapes as point tests in a shared frame, painted into
// the sheet and its mask tile by tile.
#include <cmath>
#include <functional>
#include <string>

#include "Canvas.h"
#include "brain/BoardTileSet.h"

namespace board_sheet {

using Shape = std::function<bool(double, double)>;

const Rgb Paper{209, 209, 202}, PaperDot{170, 170, 166}, SelectBlue{153, 204, 255}, NotePaper{255, 255, 204};
const Rgb Line{40, 44, 70}, Excite{0, 160, 60}, Inhibit{210, 30, 30}, Valid{0, 200, 0};
const Rgb NeuronFill{102, 102, 170}, NeuronEdge{20, 20, 80}, NeuronShine{150, 150, 210};
const Rgb LitFill{255, 204, 0}, LitEdge{180, 90, 0}, LitShine{255, 255, 150};
const Rgb Frame{70, 60, 50}, FrameLight{150, 130, 110}, FrameDark{30, 25, 20};
const Rgb Ink{20, 20, 40}, IconBack{250, 248, 232}, IconLitBack{255, 220, 60};

struct Colours {
  Rgb fill, edge;
};
const Colours PlainNodeC{{120, 130, 150}, {40, 44, 70}}, InputNodeC{{40, 170, 90}, {0, 80, 30}},
    OutputNodeC{{240, 120, 40}, {130, 50, 0}}, LitNodeC{{255, 214, 40}, {170, 90, 0}};

inline double SegmentDistance(double px, double py, double ax, double ay, double bx, double by) {
  const double vx = bx - ax, vy = by - ay, len2 = vx * vx + vy * vy;
  double t = len2 > 0 ? ((px - ax) * vx + (py - ay) * vy) / len2 : 0;
  t = t < 0 ? 0 : (t > 1 ? 1 : t);
  return std::hypot(px - ax - t * vx, py - ay - t * vy);
}

inline Shape Capsule(double ax, double ay, double bx, double by, double r = 1.0) {
  return [=](double x, double y) { return SegmentDistance(x, y, ax, ay, bx, by) <= r; };
}
inline Shape Disc(double cx, double cy, double r) {
  return [=](double x, double y) { return std::hypot(x - cx, y - cy) <= r; };
}
inline Shape Box(double x0, double y0, double x1, double y1, double round = 0) {
  return [=](double x, double y) {
    if (x < x0 || x > x1 || y < y0 || y > y1) return false;
    const double cx = x < x0 + round ? x0 + round : (x > x1 - round ? x1 - round : x);
    const double cy = y < y0 + round ? y0 + round : (y > y1 - round ? y1 - round : y);
    return std::hypot(x - cx, y - cy) <= round;
  };
}
// Triangle with its tip at (tx, ty) pointing along (dx, dy), of this length and half width.
inline Shape Arrowhead(double tx, double ty, double dx, double dy, double length, double half) {
  const double n = std::hypot(dx, dy);
  dx /= n, dy /= n;
  return [=](double x, double y) {
    const double along = (tx - x) * dx + (ty - y) * dy, across = std::fabs((x - tx) * -dy + (y - ty) * dx);
    return along >= 0 && along <= length && across <= half * along / length;
  };
}

class Sheet {
 public:
  explicit Sheet(const Palette& p) : pic(TileSheetWidth, TileSheetHeight), mask(TileSheetWidth, TileSheetHeight) {
    pic.palette = mask.palette = p;
  }
  uint8_t Ink(Rgb c) const { return static_cast<uint8_t>(NearestColour(pic.palette, c)); }
  // Paints a shape given in a frame whose point (ox, oy) is the tile's top-left.
  void Paint(int tile, double ox, double oy, const Shape& shape, Rgb colour) {
    const uint8_t v = Ink(colour);
    const int tx = (tile % TileSheetColumns) * 16, ty = (tile / TileSheetColumns) * 16;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x)
        if (shape(ox + x + 0.5, oy + y + 0.5)) {
          pic.set(tx + x, ty + y, v);
          mask.set(tx + x, ty + y, 15);
        }
  }
  void Fill(int tile, Rgb colour) { Paint(tile, 0, 0, [](double, double) { return true; }, colour); }
  void Pixel(int tile, int x, int y, Rgb colour) {
    const int tx = (tile % TileSheetColumns) * 16, ty = (tile / TileSheetColumns) * 16;
    pic.set(tx + x, ty + y, Ink(colour));
    mask.set(tx + x, ty + y, 15);
  }
  void Letters(int tile, int x, int y, const std::string& s, Rgb colour) {
    Canvas c(16, 16, pic.palette, {1, 2, 3});
    const uint8_t back = c.image().at(0, 0);
    c.text(x, y, s, colour);
    for (int j = 0; j < 16; ++j)
      for (int i = 0; i < 16; ++i)
        if (c.image().at(i, j) != back) Pixel(tile, i, j, colour);
  }
  IndexedImage pic, mask;
};

// The icon of a channel, file or key node's centre (picture number), drawn in its frame.
void Icon(Sheet& s, int tile, int picture);

}  // namespace board_sheet
