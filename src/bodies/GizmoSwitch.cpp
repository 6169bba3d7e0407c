#include "bodies/GizmoSwitch.h"

TSwitch::TSwitch(const GizmoPorts& ports, int n, int d, int o)
    : TGizmo(ports), number(n), divisor(d < 1 ? 1 : d), offset(o) {
  AttachLab({number}, {});
  LoadSheet(number == 0 ? "pics\\switch0.bmp" : "pics\\switch1.bmp");
}

int TSwitch::Phase(int tick, int divisor, int offset) {
  if (divisor < 1) divisor = 1;
  const long long p = (static_cast<long long>(tick) / divisor + offset) % PhaseCount;
  return static_cast<int>(p < 0 ? p + PhaseCount : p);
}

void TSwitch::step(int tick, IndexedImage& canvas, bool, std::vector<TRect>& dirty) {
  phase = Phase(tick, divisor, offset);
  SetInput(number, PhaseOn(phase) ? 100 : 0);
  if (phase != shown) draw(canvas);
  FlushDirty(dirty, canvas);
}

void TSwitch::draw(IndexedImage& canvas) {
  const GizmoFrames& f = Frames[number];
  Paste(canvas, phase * f.w, 0, f.w, f.h, f.x, f.y);
  shown = phase;
}
