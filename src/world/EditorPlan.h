#pragma once
// What the editor's plan and elevation views show, as a list of shapes in paint order
// with their colours; the window only strokes them.
#include <cstdint>
#include <string>
#include <vector>

#include "world/WorldEditing.h"

struct PlanShape {
  enum Kind { Line, Polygon, Rect, Circle, Cross, Text, Polyline };
  Kind kind = Line;
  uint32_t colour = 0;  // 0xRRGGBB
  std::vector<int> points;  // x, y pairs: a line's two ends, a polygon's or polyline's corners
  int x = 0, y = 0, w = 0, h = 0;  // rectangle, circle box (x, y, w, h), cross centre, text top-left
  std::string text;
  int pointSize = 0;  // 0: the view's normal font
};

namespace PlanColour {
constexpr uint32_t Grey = 0x808080, DarkRed = 0x800000, Silver = 0xC0C0C0, Lime = 0x00FF00, Yellow = 0xFFFF00,
                   Blue = 0x0000FF, Cyan = 0x00FFFF, Red = 0xFF0000, Magenta = 0xFF00FF, Green = 0x008000,
                   White = 0xFFFFFF;
}

// A frame reduced by `step`: every step-th pixel of every step-th row (1: the whole
// frame); drawn[k] is 0 where the frame leaves the background.
struct Thumbnail {
  int width = 0, height = 0;
  std::vector<uint8_t> pixels, drawn;
};
Thumbnail FrameThumbnail(const TPic& pic, int frame, int step = 4);

// The plan (or, in elevation, the side view of the shown row) for a view of W x H pixels.
std::vector<PlanShape> DrawEditorView(TWorldEditing& editor, int W, int H);
