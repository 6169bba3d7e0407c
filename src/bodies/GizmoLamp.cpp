#include "bodies/GizmoLamp.h"

#include <algorithm>

TLamp::TLamp(const GizmoPorts& ports, int n) : TGizmo(ports), number(n) {
  AttachLab({}, {number});
  LoadSheet("pics\\lamp" + std::to_string(number) + ".bmp");
}

int TLamp::Level(int output) { return std::clamp(output / 20, 0, Levels - 1); }

void TLamp::step(int, IndexedImage& canvas, bool, std::vector<TRect>& dirty) {
  level = Level(Output(number));
  if (level != shown) draw(canvas);
  FlushDirty(dirty, canvas);
}

void TLamp::draw(IndexedImage& canvas) {
  Paste(canvas, level * FrameW, 0, FrameW, FrameH, x(), Y);
  shown = level;
}
