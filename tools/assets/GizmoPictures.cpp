// The lab bench and the sheets of its gizmos. Every frame starts from the part of the
// bench it will cover, so a frame laid on the bench joins it without a seam; frames laid
// over other frames (glasses, bells, the puddle) keep their background in the key colour.
// The plain wall changes only from top to bottom, so frames may move sideways on it.
#include <algorithm>
#include <cmath>
#include <functional>

#include "AssetSink.h"
#include "Canvas.h"
#include "bodies/GizmoBeer.h"
#include "bodies/GizmoHeart.h"
#include "bodies/GizmoLamp.h"
#include "bodies/GizmoLeg.h"
#include "bodies/GizmoScope.h"
#include "bodies/GizmoSlider.h"
#include "bodies/GizmoSwitch.h"

namespace {
constexpr int BenchW = 320, BenchH = 240, BenchTop = 150;
constexpr double Pi = 3.14159265358979323846;
const Rgb Steel{150, 160, 170}, SteelDark{70, 76, 84}, SteelLight{220, 226, 232}, Ink{24, 24, 28};
const Rgb Brass{214, 170, 60}, Silver{200, 204, 212}, Beer{226, 150, 30}, Foam{250, 244, 226};

// The wall with its tile rows and the wooden bench top, both alike along every row.
IndexedImage PlainWall(const Palette& p) {
  Canvas c(BenchW, BenchH, p);
  c.gradient(0, 0, BenchW, BenchTop, {196, 212, 204}, {150, 170, 162});
  for (int y = 18; y < BenchTop - 4; y += 22) c.rect(0, y, BenchW, 1, {128, 146, 140});
  c.rect(0, BenchTop - 4, BenchW, 4, {90, 70, 50});  // the bench's back rail
  c.gradient(0, BenchTop, BenchW, BenchH - BenchTop - 12, {176, 124, 72}, {140, 92, 50});
  for (int y = BenchTop + 7; y < BenchH - 14; y += 9) c.rect(0, y, BenchW, 1, {126, 84, 46});
  c.gradient(0, BenchH - 12, BenchW, 12, {112, 72, 40}, {70, 44, 24});  // front edge
  return c.image();
}

// The logic bench: the lamp board on the wall and the oscilloscope's housing.
IndexedImage LogicBench(const Palette& p) {
  Canvas c(BenchW, BenchH, p);
  c.image().blit(PlainWall(p), 0, 0, BenchW, BenchH, 0, 0);
  c.rect(110, 20, 184, 76, SteelDark);
  c.rect(112, 22, 180, 72, {60, 64, 72});
  c.bevel(110, 20, 184, 76, SteelLight, Ink);
  const int sx = TOscilloscope::ScreenX, sy = TOscilloscope::ScreenY;
  c.rect(sx - 12, sy - 8, TOscilloscope::ScreenW + 24, TOscilloscope::ScreenH + 30, Steel);
  c.bevel(sx - 12, sy - 8, TOscilloscope::ScreenW + 24, TOscilloscope::ScreenH + 30, SteelLight, SteelDark);
  c.rect(sx - 3, sy - 3, TOscilloscope::ScreenW + 6, TOscilloscope::ScreenH + 6, Ink);
  c.rect(sx, sy, TOscilloscope::ScreenW, TOscilloscope::ScreenH, {0, 0, 0});
  for (int k = 0; k < 4; ++k) {
    c.disc(sx + 62 + k * 14, sy + TOscilloscope::ScreenH + 13, 5, SteelDark);
    c.disc(sx + 62 + k * 14, sy + TOscilloscope::ScreenH + 13, 3, {40, 40, 44});
  }
  c.text(sx, sy + TOscilloscope::ScreenH + 6, "LOGIC", Ink);
  // The slider's rail, under the knob frames.
  c.rect(TSlider::Knob.x - 6, TSlider::Knob.y - 6, TSlider::Knob.w + 12 + 30, TSlider::Knob.h + 12, {96, 64, 36});
  c.bevel(TSlider::Knob.x - 6, TSlider::Knob.y - 6, TSlider::Knob.w + 42, TSlider::Knob.h + 12, {190, 140, 90}, {60, 40, 20});
  return c.image();
}

// A frame of the sheet: the bench under (x, y) with something drawn on it.
IndexedImage Frame(const IndexedImage& bench, const GizmoFrames& f, const Palette& p,
                   const std::function<void(Canvas&)>& paint, int x = -1, int y = -1) {
  Canvas c(f.w, f.h, p);
  c.image().blit(bench, x < 0 ? f.x : x, y < 0 ? f.y : y, f.w, f.h, 0, 0);
  paint(c);
  return c.image();
}

IndexedImage Keyed(const GizmoFrames& f, const Palette& p, const std::function<void(Canvas&)>& paint) {
  Canvas c(f.w, f.h, p, GizmoKeyColour);
  paint(c);
  return c.image();
}

// --- switches, slider, lamps --------------------------------------------------------

void PaintSwitch(Canvas& c, int w, int h, int phase) {
  const bool on = TSwitch::PhaseOn(phase);
  c.rect(1, 1, w - 2, h - 2, Steel);
  c.bevel(1, 1, w - 2, h - 2, SteelLight, SteelDark);
  const double r = w * 0.32, cx = w / 2.0, cy = r + 6;
  c.disc(cx, cy, r, {236, 232, 218});
  c.ring(cx, cy, r, 1.2, Ink);
  c.wedge(cx, cy, r - 2, 225, 360, {250, 190, 190});  // the on phases 5 to 7
  const double a = phase * 45 * Pi / 180;
  c.thickLine(cx, cy, cx + std::sin(a) * (r - 2), cy - std::cos(a) * (r - 2), w > 40 ? 2.5 : 1.6, Ink);
  const double ly = cy + r + (h - cy - r) / 2;
  c.rect(static_cast<int>(cx - w * 0.2), static_cast<int>(ly - 8), static_cast<int>(w * 0.4), 16, SteelDark);
  c.thickLine(cx, ly, cx, on ? ly - h * 0.18 : ly + h * 0.18, w > 40 ? 5 : 3.5, Ink);
  c.disc(cx, on ? ly - h * 0.18 : ly + h * 0.18, w > 40 ? 5 : 3.5, {200, 40, 30});
  c.disc(w - 7, h - 7, 3, on ? Rgb{40, 230, 60} : Rgb{30, 70, 36});
}

IndexedImage SwitchSheet(const IndexedImage& bench, int n, const Palette& p) {
  const GizmoFrames& f = TSwitch::Frames[n];
  Canvas sheet(f.w * TSwitch::PhaseCount, f.h, p);
  for (int phase = 0; phase < TSwitch::PhaseCount; ++phase)
    sheet.image().blit(Frame(bench, f, p, [&](Canvas& c) { PaintSwitch(c, f.w, f.h, phase); }), 0, 0, f.w, f.h,
                       phase * f.w, 0);
  return sheet.image();
}

IndexedImage SliderSheet(const IndexedImage& bench, const Palette& p) {
  const GizmoFrames& k = TSlider::Knob;
  const GizmoFrames& a = TSlider::Arrow;
  Canvas sheet(k.w * 11, k.h + a.h, p);
  for (int tenth = 0; tenth <= 10; ++tenth) {
    auto frame = Frame(bench, k, p, [&](Canvas& c) {
      c.rect(4, k.h / 2 - 2, k.w - 8, 4, Ink);
      for (int t = 0; t <= 10; ++t) c.rect(6 + t * (k.w - 12) / 10, k.h / 2 + 5, 1, t % 5 ? 3 : 6, {240, 220, 190});
      const int x = 6 + tenth * (k.w - 12) / 10;
      c.rect(x - 4, 2, 9, k.h - 4, SteelDark);
      c.rect(x - 3, 3, 7, k.h - 6, Steel);
      c.rect(x, 4, 1, k.h - 8, Ink);
    });
    sheet.image().blit(frame, 0, 0, k.w, k.h, tenth * k.w, 0);
  }
  const Rgb colours[3] = {{230, 220, 120}, {60, 220, 70}, {230, 60, 40}};
  for (int trend = 0; trend < 3; ++trend) {
    auto frame = Frame(bench, a, p, [&](Canvas& c) {
      c.disc(a.w / 2.0, a.h / 2.0, a.w / 2.0 - 1, Ink);
      const Rgb col = colours[trend];
      if (trend == TSlider::Stayed) c.rect(4, a.h / 2 - 1, a.w - 8, 3, col);
      for (int i = 0; trend != TSlider::Stayed && i < 6; ++i) {
        const int y = trend == TSlider::Rose ? 5 + i : a.h - 6 - i;
        c.rect(a.w / 2 - i, y, 2 * i + 1, 1, col);
      }
    });
    sheet.image().blit(frame, 0, 0, a.w, a.h, trend * a.w, k.h);
  }
  return sheet.image();
}

IndexedImage LampSheet(const IndexedImage& bench, int n, const Palette& p) {
  const Rgb hues[4] = {{255, 60, 40}, {255, 210, 40}, {60, 230, 70}, {70, 150, 255}};
  const GizmoFrames f{TLamp::FrameW, TLamp::FrameH, TLamp::FirstX + n * TLamp::FrameW, TLamp::Y};
  Canvas sheet(f.w * TLamp::Levels, f.h, p);
  for (int level = 0; level < TLamp::Levels; ++level) {
    auto frame = Frame(bench, f, p, [&](Canvas& c) {
      const double glow = level / 4.0;
      const Rgb lit = Mix(Mix(hues[n], {30, 30, 30}, 0.75), hues[n], glow);
      if (level > 0) c.disc(21, 24, 12 + 3.5 * level, Mix({60, 64, 72}, hues[n], 0.15 * level));
      c.disc(21, 24, 13, lit);
      c.disc(17, 19, 4, Mix(lit, {255, 255, 255}, 0.3 + 0.15 * level));
      c.rect(13, 38, 17, 12, Silver);
      for (int y = 40; y < 50; y += 3) c.rect(13, y, 17, 1, SteelDark);
      c.rect(16, 50, 11, 4, SteelDark);
    });
    sheet.image().blit(frame, 0, 0, f.w, f.h, level * f.w, 0);
  }
  return sheet.image();
}

// --- leg and bells ------------------------------------------------------------------

void PaintLeg(Canvas& c, int index) {
  const double hx = TLeg::HipX, hy = TLeg::HipY;
  c.rect(0, 0, 60, 10, SteelDark);  // the bracket on the wall
  c.rect(static_cast<int>(hx) - 5, 6, 10, static_cast<int>(hy) - 4, Steel);
  const double a = index * 11 * Pi / 180;
  const double fx = hx + std::sin(a) * TLeg::LegLength, fy = hy + std::cos(a) * TLeg::LegLength;
  c.thickLine(hx, hy, fx, fy, 14, {226, 180, 150});
  c.thickLine(hx, hy, fx, fy, 9, {240, 200, 170});
  // The foot points forward, square to the shin.
  const double tx = std::cos(a) * 16, ty = -std::sin(a) * 16;
  c.thickLine(fx, fy, fx + tx, fy + ty, 10, {120, 60, 40});
  c.disc(fx, fy, 7, {120, 60, 40});
  c.disc(hx, hy, 9, SteelDark);
  c.disc(hx, hy, 4, SteelLight);
}

void PaintBell(Canvas& c, Rgb metal, bool ringing) {
  const double tilt = ringing ? 0.35 : 0;
  const double cx = 14, top = 3;
  c.line(14, 0, 14, 3, Ink);
  for (int j = 0; j < 20; ++j) {
    const double half = 4 + j * 0.42 + (j > 15 ? (j - 15) * 1.2 : 0);
    const double x = cx + (top + j) * tilt * 0.4;
    c.rect(static_cast<int>(x - half), static_cast<int>(top + j), static_cast<int>(2 * half), 1,
           Mix(metal, {255, 255, 240}, j < 6 ? 0.35 : 0.0));
  }
  c.disc(cx + 24 * tilt * 0.4, 24, 2.5, Mix(metal, Ink, 0.6));
  if (ringing)
    for (int k = 0; k < 3; ++k) c.line(1 + k, 8 + 5 * k, 4 + k, 6 + 5 * k, Ink);
}

IndexedImage LegSheet(const IndexedImage& wall, const Palette& p) {
  const GizmoFrames& l = TLeg::Leg;
  Canvas sheet(l.w * 10, l.h + TLeg::HighBell.h, p);
  for (int i = 0; i < 10; ++i)
    sheet.image().blit(Frame(wall, l, p, [&](Canvas& c) { PaintLeg(c, i); }), 0, 0, l.w, l.h, i * l.w, 0);
  const int bw = TLeg::HighBell.w;
  for (int k = 0; k < 4; ++k) {
    const Rgb metal = k < 2 ? Brass : Silver;
    sheet.image().blit(Keyed(TLeg::HighBell, p, [&](Canvas& c) { PaintBell(c, metal, k % 2 == 1); }), 0, 0, bw,
                       TLeg::HighBell.h, k * bw, l.h);
  }
  for (int on = 0; on < 2; ++on) {
    auto frame = Frame(wall, TLeg::Light, p, [&](Canvas& c) {
      c.disc(12, 12, 11, SteelDark);
      c.disc(12, 12, 8, on ? Rgb{255, 240, 120} : Rgb{90, 84, 50});
      if (on) c.disc(10, 10, 3, {255, 255, 230});
    });
    sheet.image().blit(frame, 0, 0, TLeg::Light.w, TLeg::Light.h, 4 * bw + on * TLeg::Light.w, l.h);
  }
  return sheet.image();
}

// --- beer ----------------------------------------------------------------------------

void PaintTap(Canvas& c, int opening) {
  c.rect(18, 0, 12, 26, Silver);  // pipe from the ceiling
  c.rect(12, 24, 24, 14, Steel);
  c.bevel(12, 24, 24, 14, SteelLight, SteelDark);
  c.rect(20, 38, 8, 14, Steel);  // spout
  c.rect(21, 50, 6, 4, SteelDark);
  const double a = (-40 + opening * 20) * Pi / 180;  // the handle leans forward as it opens
  c.thickLine(24, 26, 24 + std::sin(a) * 22, 26 - std::cos(a) * 22, 5, {30, 30, 34});
  c.disc(24 + std::sin(a) * 22, 26 - std::cos(a) * 22, 4.5, {200, 30, 30});
}

void PaintBelt(Canvas& c) {
  const GizmoFrames& b = TBeer::Belt;
  c.rect(0, 44, b.w, 6, {40, 40, 44});
  for (int x = 6; x < b.w; x += 24) c.disc(x, 47, 2.5, SteelLight);
  c.rect(0, 43, b.w, 1, {90, 90, 96});
  c.rect(8, 50, 4, 2, SteelDark), c.rect(b.w - 12, 50, 4, 2, SteelDark);
}

void PaintGlass(Canvas& c, int frame) {
  const GizmoFrames& g = TBeer::Glass;
  const int inner = 34, level = std::min(frame * 4, TBeer::SpillLevel + 1);
  const int fill = level * inner / (TBeer::SpillLevel + 1);
  c.rect(3, 2, g.w - 6, g.h - 2, {200, 226, 236});
  c.rect(5, 2, g.w - 10, g.h - 5, {170, 200, 214});
  if (fill > 0) {
    c.rect(5, g.h - 3 - fill, g.w - 10, fill, Beer);
    c.rect(5, g.h - 3 - fill, g.w - 10, std::min(4, fill), Foam);
  }
  if (frame * 4 > TBeer::SpillLevel) c.rect(1, 0, g.w - 2, 4, Foam);  // foam over the rim
  c.rect(3, g.h - 3, g.w - 6, 3, {150, 176, 190});
}

IndexedImage BeerSheet(const IndexedImage& wall, const Palette& p) {
  const GizmoFrames &t = TBeer::Tap, &s = TBeer::Stream, &b = TBeer::Belt, &g = TBeer::Glass;
  Canvas sheet(std::max(23 * g.w, 5 * t.w + 2 * s.w + 2 * TBeer::Sensor.w), t.h + b.h + g.h, p);
  for (int o = 0; o < 5; ++o)
    sheet.image().blit(Frame(wall, t, p, [&](Canvas& c) { PaintTap(c, o); }), 0, 0, t.w, t.h, o * t.w, 0);
  for (int pour = 0; pour < 2; ++pour) {
    auto frame = Frame(wall, s, p, [&](Canvas& c) {
      if (pour) c.rect(2, 0, 4, s.h, Beer), c.rect(3, 0, 1, s.h, {246, 190, 80});
    });
    sheet.image().blit(frame, 0, 0, s.w, s.h, 5 * t.w + pour * s.w, 0);
  }
  for (int on = 0; on < 2; ++on) {
    auto frame = Frame(wall, TBeer::Sensor, p, [&](Canvas& c) {
      c.rect(0, 0, 16, 16, SteelDark);
      c.disc(8, 8, 5, on ? Rgb{80, 255, 90} : Rgb{30, 70, 36});
    }, TBeer::GlassStartX + 5 * TBeer::GlassStep + 6, TBeer::Sensor.y);
    sheet.image().blit(frame, 0, 0, 16, 16, 5 * t.w + 2 * s.w + on * 16, 0);
  }
  sheet.image().blit(Frame(wall, b, p, PaintBelt), 0, 0, b.w, b.h, 0, t.h);
  sheet.image().blit(Keyed(TBeer::Puddle, p, [](Canvas& c) {
    for (int j = 0; j < 6; ++j) c.rect(6 - j, 2 + j / 2, 28 + 2 * j, 1, Beer);
  }), 0, 0, TBeer::Puddle.w, TBeer::Puddle.h, b.w, t.h);
  for (int f = 0; f < 23; ++f)
    sheet.image().blit(Keyed(g, p, [&](Canvas& c) { PaintGlass(c, f); }), 0, 0, g.w, g.h, f * g.w, t.h + b.h);
  return sheet.image();
}

// --- hearts --------------------------------------------------------------------------

void PaintHeart(Canvas& c, double cx, double cy, double size, Rgb colour) {
  c.disc(cx - size * 0.5, cy - size * 0.25, size * 0.55, colour);
  c.disc(cx + size * 0.5, cy - size * 0.25, size * 0.55, colour);
  for (int j = 0; j < static_cast<int>(size * 1.2); ++j) {
    const double half = size * 1.05 * (1 - j / (size * 1.2));
    c.rect(static_cast<int>(cx - half), static_cast<int>(cy + j - size * 0.05), static_cast<int>(2 * half), 1, colour);
  }
}

IndexedImage HeartSheet(const IndexedImage& wall, const Palette& p) {
  const GizmoFrames &h = THeart1::Heart, &ch = THeart3::Chamber, &gauge = HeartGauge::Frame;
  Canvas sheet(10 * h.w, h.h + ch.h + gauge.h, p);
  for (int v = 0; v < 10; ++v) {
    auto frame = Frame(wall, h, p, [&](Canvas& c) {
      c.rect(40, 0, 10, 12, {150, 40, 60});  // the vessels above it
      PaintHeart(c, 45, 44, 18 + v * 1.6, {120, 10, 24});
      PaintHeart(c, 45, 44, 15 + v * 1.6, Mix({150, 20, 36}, {220, 40, 50}, v / 9.0));
      c.disc(35, 34, 3 + v * 0.3, {240, 120, 120});
    });
    sheet.image().blit(frame, 0, 0, h.w, h.h, v * h.w, 0);
  }
  for (int v = 0; v < 10; ++v) {
    auto frame = Frame(wall, ch, p, [&](Canvas& c) {
      c.rect(0, 24, ch.w, 8, {150, 40, 60});  // vessel joining the neighbours
      const double r = 10 + v * 1.6;
      c.disc(28, 28, r + 2, {110, 10, 24});
      c.disc(28, 28, r, Mix({150, 20, 36}, {220, 40, 50}, v / 9.0));
      c.disc(23, 23, 2 + v * 0.3, {240, 120, 120});
    });
    sheet.image().blit(frame, 0, 0, ch.w, ch.h, v * ch.w, h.h);
  }
  auto tube = Frame(wall, gauge, p, [&](Canvas& c) {
    c.rect(0, 0, gauge.w, gauge.h, SteelDark);
    c.rect(HeartGauge::Inset - 1, 1, gauge.w - 2 * HeartGauge::Inset + 2, HeartGauge::Height + 2, {220, 230, 236});
    for (int k = 0; k <= 10; ++k) c.rect(gauge.w - 4, 2 + k * 10, 3, 1, SteelLight);
  }, THeart1::GaugeX, THeart1::GaugeY);
  sheet.image().blit(tube, 0, 0, gauge.w, gauge.h, 0, h.h + ch.h);
  return sheet.image();
}

void MakeGizmoPictures(AssetSink& sink) {
  const Palette& p = sink.palette();
  const IndexedImage bench = LogicBench(p), wall = PlainWall(p);
  sink.WriteBmp("pics\\labbench.bmp", bench);
  sink.WriteBmp("pics\\labwall.bmp", wall);
  sink.WriteBmp("pics\\switch0.bmp", SwitchSheet(bench, 0, p));
  sink.WriteBmp("pics\\switch1.bmp", SwitchSheet(bench, 1, p));
  sink.WriteBmp("pics\\slider.bmp", SliderSheet(bench, p));
  for (int n = 0; n < 4; ++n) sink.WriteBmp("pics\\lamp" + std::to_string(n) + ".bmp", LampSheet(bench, n, p));
  sink.WriteBmp("pics\\legleg.bmp", LegSheet(wall, p));
  sink.WriteBmp("pics\\beerpics.bmp", BeerSheet(wall, p));
  sink.WriteBmp("pics\\heartbeat.bmp", HeartSheet(wall, p));
}
}  // namespace

QUORBIT_ASSETS(gizmo_pictures, MakeGizmoPictures);
