#include "bodies/GizmoHeart.h"

#include <algorithm>

namespace {
constexpr int HeartOutput = 12, FirstChamber = 9;

void DrawGauge(IndexedImage& canvas, const IndexedImage& sheet, int x, int y, int pumped) {
  const GizmoFrames& f = HeartGauge::Frame;
  const int row = THeart1::Heart.h + THeart3::Chamber.h;
  if (!sheet.empty()) canvas.blit(sheet, 0, row, f.w, f.h, x, y);
  const int fill = std::clamp(pumped, 0, 99) * HeartGauge::Height / 100;
  canvas.fillRect(x + HeartGauge::Inset, y + 2 + HeartGauge::Height - fill, f.w - 2 * HeartGauge::Inset, fill,
                  static_cast<uint8_t>(NearestColour(canvas.palette, {200, 20, 30})));
}
}  // namespace

THeart1::THeart1(const GizmoPorts& ports) : TGizmo(ports) {
  AttachLab({}, {HeartOutput});
  LoadSheet("pics\\heartbeat.bmp");
  verdict = NotYetAchieved;
}

void THeart1::reset() {
  volume = MaxVolume;
  pumped = 0;
  verdict = NotYetAchieved;
}

void THeart1::step(int tick, IndexedImage& canvas, bool testMode, std::vector<TRect>& dirty) {
  if (tick == 0) pumped = 0;
  const int before = volume * 100 + pumped;
  if (OutputOn(HeartOutput)) {
    const int left = std::max(0, volume - 2);
    pumped += volume - left;
    volume = left;
  } else {
    volume = std::min(MaxVolume, volume + 1);
  }
  if (pumped >= 100) {
    pumped = 99;
    if (testMode) verdict = Achieved;
  }
  if (volume * 100 + pumped != before || shown < 0) draw(canvas);
  FlushDirty(dirty, canvas);
}

void THeart1::draw(IndexedImage& canvas) {
  Paste(canvas, volume * Heart.w, 0, Heart.w, Heart.h, Heart.x, Heart.y);
  DrawGauge(canvas, sheet, GaugeX, GaugeY, pumped);
  MarkDirty(GaugeX, GaugeY, HeartGauge::Frame.w, HeartGauge::Frame.h);
  shown = volume;
}

THeart3::THeart3(const GizmoPorts& ports) : TGizmo(ports) {
  AttachLab({}, {FirstChamber, FirstChamber + 1, FirstChamber + 2});
  LoadSheet("pics\\heartbeat.bmp");
  verdict = NotYetAchieved;
}

void THeart3::reset() {
  std::fill(std::begin(volumes), std::end(volumes), MaxVolume);
  pumped = 0;
  verdict = NotYetAchieved;
}

// Chamber 1 takes blood in, chamber 2 passes it on while there is blood on either side,
// chamber 3 pushes it out; all three full at once lets blood flow back.
void THeart3::Beat() {
  int& a = volumes[0];
  int& b = volumes[1];
  int& c = volumes[2];
  const bool on1 = OutputOn(FirstChamber), on2 = OutputOn(FirstChamber + 1), on3 = OutputOn(FirstChamber + 2);
  a += on1 ? -2 : 1;
  if (a > 0 || c > 0) {
    b += on2 ? -2 : 1;
    if (c > 0) pumped += on2 ? 2 : -1;
  }
  c += on3 ? -2 : 1;
  pumped += on3 ? 2 : -1;
  for (int& v : volumes) v = std::clamp(v, 0, MaxVolume);
  if (a > 0 && b > 0 && c > 0) pumped -= Backflow;
  pumped = std::clamp(pumped, 0, 99);
}

int THeart3::State() const { return ((volumes[0] * 10 + volumes[1]) * 10 + volumes[2]) * 100 + pumped; }

void THeart3::step(int, IndexedImage& canvas, bool testMode, std::vector<TRect>& dirty) {
  const int before = State();
  if (running) Beat();
  if (testMode && pumped > Goal) verdict = Achieved;
  if (State() != before || shown < 0) draw(canvas);
  FlushDirty(dirty, canvas);
}

void THeart3::draw(IndexedImage& canvas) {
  for (int k = 0; k < 3; ++k)
    Paste(canvas, volumes[k] * Chamber.w, THeart1::Heart.h, Chamber.w, Chamber.h, Chamber.x + k * Chamber.w, Chamber.y);
  DrawGauge(canvas, sheet, GaugeX, GaugeY, pumped);
  MarkDirty(GaugeX, GaugeY, HeartGauge::Frame.w, HeartGauge::Frame.h);
  shown = State();
}
