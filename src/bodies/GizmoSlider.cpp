#include "bodies/GizmoSlider.h"

#include <algorithm>
#include <cstdlib>

TSlider::TSlider(const GizmoPorts& ports) : TGizmo(ports) {
  AttachLab({InputChannelByName("Slider")}, {});
  LoadSheet("pics\\slider.bmp");
}

int TSlider::Value(int tick) {
  int m = tick % 60;
  if (m < 0) m += 60;
  return std::clamp(std::abs(m - 30) * 5 - 25, 0, 100);
}

void TSlider::step(int tick, IndexedImage& canvas, bool, std::vector<TRect>& dirty) {
  value = Value(tick);
  trend = lastValue_ < 0 || value == lastValue_ ? Stayed : (value > lastValue_ ? Rose : Fell);
  lastValue_ = value;
  SetInput(InputChannelByName("Slider"), value);
  if ((value / 10) * 3 + trend != shown) draw(canvas);
  FlushDirty(dirty, canvas);
}

void TSlider::draw(IndexedImage& canvas) {
  Paste(canvas, (value / 10) * Knob.w, 0, Knob.w, Knob.h, Knob.x, Knob.y);
  Paste(canvas, trend * Arrow.w, Knob.h, Arrow.w, Arrow.h, Arrow.x, Arrow.y);
  shown = (value / 10) * 3 + trend;
}
