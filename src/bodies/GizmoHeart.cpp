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

// Only blood that is there moves. A squeezed chamber pushes up to 2 into the next one
// as far as it has room (the chambers ahead move first); what cannot go on goes back into
// a relaxed chamber behind (chamber 1's goes back to the veins). Chamber 3 pushes into the body,
// and only that fills the gauge. Chamber 1 refills from the veins while relaxed. All
// three full at once is a stalled heart: blood flows back and the gauge drops.
void THeart3::Beat() {
  bool on[3];
  for (int k = 0; k < 3; ++k) on[k] = OutputOn(FirstChamber + k);
  if (on[2]) {
    const int out = std::min(2, volumes[2]);
    volumes[2] -= out;
    pumped += out;
  }
  for (int k = 1; k >= 0; --k) {
    if (!on[k]) continue;
    const int forward = std::min({2, volumes[k], MaxVolume - volumes[k + 1]});
    volumes[k] -= forward;
    volumes[k + 1] += forward;
    int back = std::min(2 - forward, volumes[k]);
    if (k > 0) back = on[k - 1] ? 0 : std::min(back, MaxVolume - volumes[k - 1]);
    volumes[k] -= back;
    if (k > 0) volumes[k - 1] += back;
  }
  if (!on[0]) volumes[0] = std::min(MaxVolume, volumes[0] + 1);
  if (volumes[0] == MaxVolume && volumes[1] == MaxVolume && volumes[2] == MaxVolume) pumped -= Backflow;
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
