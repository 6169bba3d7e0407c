#include "MovieScenes.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr double Pi = 3.14159265358979323846;
constexpr int W = MovieSceneWidth, H = MovieSceneHeight;

struct Pt {
  double x, y;
};

const Rgb Black{0, 0, 0}, White{255, 255, 255}, Red{220, 30, 30}, Gold{240, 190, 40}, Skin{240, 200, 160},
    Yellow{255, 240, 60}, Grey{140, 140, 150};

double Clamp01(double v) { return std::clamp(v, 0.0, 1.0); }
double Phase(double t, double from, double to) { return Clamp01((t - from) / (to - from)); }
// Whole frames alternate: for flashing and shaking.
bool Odd(double t, int frames) { return static_cast<int>(std::lround(t * (frames - 1))) % 2 == 1; }

Pt Rotate(Pt p, Pt pivot, double degrees) {
  const double a = degrees * Pi / 180, s = std::sin(a), c = std::cos(a);
  const double dx = p.x - pivot.x, dy = p.y - pivot.y;
  return {pivot.x + dx * c - dy * s, pivot.y + dx * s + dy * c};
}

// Even-odd scanline fill through pixel centres.
void Poly(Canvas& c, const std::vector<Pt>& p, Rgb colour) {
  const uint8_t v = c.ink(colour);
  for (int y = 0; y < H; ++y) {
    const double yc = y + 0.5;
    std::vector<double> xs;
    for (size_t i = 0; i < p.size(); ++i) {
      const Pt a = p[i], b = p[(i + 1) % p.size()];
      if ((a.y <= yc) != (b.y <= yc)) xs.push_back(a.x + (yc - a.y) * (b.x - a.x) / (b.y - a.y));
    }
    std::sort(xs.begin(), xs.end());
    for (size_t i = 0; i + 1 < xs.size(); i += 2)
      for (int x = static_cast<int>(std::ceil(xs[i] - 0.5)); x + 0.5 <= xs[i + 1]; ++x) c.image().set(x, y, v);
  }
}

void Ellipse(Canvas& c, double cx, double cy, double rx, double ry, Rgb colour) {
  const uint8_t v = c.ink(colour);
  for (int y = static_cast<int>(cy - ry); y <= cy + ry; ++y)
    for (int x = static_cast<int>(cx - rx); x <= cx + rx; ++x) {
      const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
      if (dx * dx + dy * dy <= 1) c.image().set(x, y, v);
    }
}

// A forbidding sign that draws itself in over what it forbids: the ring first, then
// the slash.
void NoSign(Canvas& c, double cx, double cy, double r, double amount) {
  if (amount <= 0) return;
  const double ring = 360 * Clamp01(amount * 1.6);
  const uint8_t red = c.ink(Red);
  for (int y = static_cast<int>(cy - r); y <= cy + r; ++y)
    for (int x = static_cast<int>(cx - r); x <= cx + r; ++x) {
      const double dx = x + 0.5 - cx, dy = y + 0.5 - cy, d = std::hypot(dx, dy);
      double a = std::atan2(dx, -dy) * 180 / Pi;
      if (a < 0) a += 360;
      if (d <= r && d >= r - 7 && a < ring) c.image().set(x, y, red);
    }
  const double slash = Phase(amount, 0.6, 1);
  if (slash > 0) {
    const Pt a = {cx - r * 0.68, cy - r * 0.68};
    c.thickLine(a.x, a.y, a.x + r * 1.36 * slash, a.y + r * 1.36 * slash, 7, Red);
  }
}

void Cross(Canvas& c, double cx, double cy, double r, double amount) {
  const double first = Phase(amount, 0, 0.5), second = Phase(amount, 0.5, 1);
  if (first > 0) c.thickLine(cx - r, cy - r, cx - r + 2 * r * first, cy - r + 2 * r * first, 9, Red);
  if (second > 0) c.thickLine(cx + r, cy - r, cx + r - 2 * r * second, cy - r + 2 * r * second, 9, Red);
}

// Falling paper bits for the winners; a fixed pattern, so frames follow each other.
void Confetti(Canvas& c, double t, int count) {
  const Rgb colours[] = {{255, 60, 60}, {255, 220, 0}, {60, 160, 255}, {60, 220, 90}, {240, 100, 240}};
  unsigned s = 12345;
  for (int i = 0; i < count; ++i) {
    s = s * 1103515245u + 12345u;
    const int x = static_cast<int>((s >> 8) % W);
    s = s * 1103515245u + 12345u;
    const double y0 = (s >> 8) % (H + 20);
    const double y = std::fmod(y0 + t * (60 + i % 4 * 15), H + 20) - 10;
    const int wobble = static_cast<int>(std::lround(2 * std::sin(t * 12 + i)));
    c.rect(x + wobble, static_cast<int>(y), 3, 2 + i % 2, colours[i % 5]);
  }
}

void Star(Canvas& c, double cx, double cy, double r, double turn, Rgb colour) {
  std::vector<Pt> p;
  for (int i = 0; i < 10; ++i) {
    const double a = (turn + i * 36 - 90) * Pi / 180, rr = i % 2 ? r * 0.45 : r;
    p.push_back({cx + rr * std::cos(a), cy + rr * std::sin(a)});
  }
  Poly(c, p, colour);
}

void TextCentred(Canvas& c, int y, const std::string& s, Rgb colour, int scale) {
  c.text(W / 2 - Canvas::textWidth(s, scale) / 2, y, s, colour, scale);
}
}  // namespace

void OuchScene(Canvas& c, double t) {
  c.gradient(0, 0, W, H, {50, 25, 70}, {10, 5, 20});
  const double contact = 0.4, hit = Phase(t, contact, 1);
  const double shake = t > contact ? (Odd(t, 20) ? 3 : -3) * (1.2 - hit) : 0;
  const double cx = 85 + shake, cy = 90;
  const Rgb pink = Mix({240, 160, 180}, {250, 90, 90}, hit > 0 ? 0.7 - 0.4 * hit : 0);
  c.rect(static_cast<int>(cx) - 6, 118, 12, 28, {190, 110, 130});
  Ellipse(c, cx, cy, 52, 37, {170, 90, 110});
  Ellipse(c, cx, cy, 49, 34, pink);
  const Rgb fold{190, 100, 125};
  for (int k = 0; k < 4; ++k) {
    const double y = cy - 22 + k * 14;
    for (double x = cx - 38; x < cx + 36; x += 2)
      c.disc(x, y + 4 * std::sin(x * 0.25 + k), 1.2, fold);
  }
  c.thickLine(cx, cy - 33, cx, cy + 30, 2, fold);
  // The finger comes in from the right and stops on the brain's edge.
  const double tip = 200 - 63 * Phase(t, 0, contact);
  c.thickLine(tip + 6, 84, tip + 90, 74, 18, Skin);
  Ellipse(c, tip + 8, 82, 5, 4, {255, 225, 210});
  if (t > contact) {
    for (int k = 0; k < 8; ++k) {
      const double a = k * 45 * Pi / 180, r0 = 12, r1 = 18 + 6 * (k % 2) + 4 * std::sin(t * 30);
      c.thickLine(138 + r0 * std::cos(a), 83 + r0 * std::sin(a), 138 + r1 * std::cos(a), 83 + r1 * std::sin(a), 2,
                  Yellow);
    }
    TextCentred(c, 8, "OUCH!", Yellow, 3 + (Odd(t, 20) ? 1 : 0));
  }
}

void KeyFileScene(Canvas& c, double t) {
  c.gradient(0, 0, W, H, {30, 30, 55}, {10, 10, 20});
  // A key pressed again and again.
  const int press = t < 0.5 && Odd(t, 20) ? 5 : 0;
  c.rect(22, 100, 56, 10, {70, 70, 80});
  c.rect(22, 48 + press, 56, 52, {210, 210, 215});
  c.bevel(22, 48 + press, 56, 52, White, {110, 110, 120});
  c.text(38, 58 + press, "K", Black, 5);
  // A data file with its columns of numbers.
  c.rect(122, 38, 56, 72, {245, 245, 240});
  Poly(c, {{162, 38}, {178, 38}, {178, 54}}, {30, 30, 55});
  Poly(c, {{162, 38}, {162, 54}, {178, 54}}, {200, 200, 200});
  const char* rows[] = {"0 1", "12", "7 3", "50", "9 9", "1 0"};
  for (int r = 0; r < 6; ++r) {
    const bool lit = t < 0.5 && (r == static_cast<int>(t * 24) % 6);
    c.text(128, 58 + 8 * r, rows[r], lit ? Red : Rgb{80, 80, 90});
  }
  const double strike = Phase(t, 0.45, 0.85);
  NoSign(c, 50, 76, 40, strike);
  NoSign(c, 150, 74, 40, strike);
}

void ClockScene(Canvas& c, double t) {
  c.gradient(0, 0, W, H, {20, 30, 55}, {5, 5, 15});
  const bool ringing = t > 0.8;
  const double cx = 100 + (ringing ? (Odd(t, 30) ? 3 : -3) : 0), cy = 80, r = 52;
  c.thickLine(cx - 30, cy + 40, cx - 40, cy + 60, 5, Grey);
  c.thickLine(cx + 30, cy + 40, cx + 40, cy + 60, 5, Grey);
  for (int side : {-1, 1}) {
    c.disc(cx + side * 40, cy - 44, 13, Gold);
    if (ringing)
      for (int k = 1; k <= 2; ++k)
        c.thickLine(cx + side * (52 + 6 * k), cy - 52 - 4 * k, cx + side * (58 + 6 * k), cy - 60 - 4 * k, 2, Yellow);
  }
  c.disc(cx, cy, r + 4, {60, 60, 70});
  c.disc(cx, cy, r, ringing && Odd(t, 30) ? Rgb{255, 120, 120} : Rgb{245, 245, 235});
  // What is left of the time, shrinking as the hand goes round.
  const double swept = 360 * Clamp01(t / 0.8);
  c.wedge(cx, cy, r - 6, swept, 360, {120, 200, 120});
  for (int k = 0; k < 12; ++k) {
    const double a = k * 30 * Pi / 180;
    c.thickLine(cx + (r - 9) * std::sin(a), cy - (r - 9) * std::cos(a), cx + (r - 3) * std::sin(a),
                cy - (r - 3) * std::cos(a), k % 3 ? 2 : 4, Black);
  }
  const double a = swept * Pi / 180;
  c.thickLine(cx, cy, cx + 44 * std::sin(a), cy - 44 * std::cos(a), 4, Red);
  c.disc(cx, cy, 4, Black);
}

void TooSoonScene(Canvas& c, double t) {
  c.gradient(0, 0, W, H, {25, 25, 40}, {5, 5, 10});
  c.rect(0, 128, W, 22, {60, 50, 40});
  // The lamp stays dark until it is too late.
  const bool lit = t > 0.85;
  if (lit)
    for (int k = 0; k < 8; ++k) {
      const double a = k * 45 * Pi / 180;
      c.thickLine(50 + 32 * std::cos(a), 62 + 32 * std::sin(a), 50 + 42 * std::cos(a), 62 + 42 * std::sin(a), 3, Yellow);
    }
  c.disc(50, 62, 26, lit ? Rgb{255, 240, 120} : Rgb{85, 85, 95});
  c.rect(40, 86, 20, 16, {170, 170, 180});
  c.rect(40, 90, 20, 2, {90, 90, 100});
  c.rect(40, 96, 20, 2, {90, 90, 100});
  c.rect(36, 102, 28, 26, {50, 50, 60});
  // A finger presses the button first.
  const double down = Phase(t, 0.05, 0.25) * (1 - Phase(t, 0.6, 0.75));
  const double tipY = 30 + 60 * down;
  c.rect(128, 112, 64, 16, {80, 80, 90});
  Ellipse(c, 160, 108 + 4 * down, 20, 8, {230, 40, 40});
  c.thickLine(160, -10, 160, tipY - 4, 16, Skin);
  if (t > 0.25 && t < 0.85 && (t < 0.6 || !Odd(t, 24))) {
    TextCentred(c, 8, "TOO SOON", Red, 3);
    c.text(104, 50, "!", Yellow, 6);
  }
}

void FailScene(Canvas& c, double t) {
  c.gradient(0, 0, W, H, {45, 45, 50}, {20, 20, 25});
  c.rect(18, 14, 164, 124, {120, 120, 130});
  c.bevel(18, 14, 164, 124, {180, 180, 190}, {60, 60, 70});
  c.rect(28, 24, 144, 96, {0, 35, 0});
  for (int x = 28; x < 172; x += 16) c.rect(x, 24, 1, 96, {0, 75, 0});
  for (int y = 24; y < 120; y += 16) c.rect(28, y, 144, 1, {0, 75, 0});
  c.rect(28, 128, 10, 4, {60, 200, 60});
  // The wanted output: a square wave. The brain's: something else entirely.
  for (int x = 28; x < 172; ++x) {
    const bool high = (x - 28) / 24 % 2 == 0;
    c.rect(x, high ? 44 : 96, 1, 2, {0, 150, 0});
    if ((x - 28) % 24 == 0) c.rect(x, 44, 1, 54, {0, 150, 0});
  }
  const int drawn = 28 + static_cast<int>(144 * Phase(t, 0, 0.6));
  for (int x = 28; x < drawn; ++x) {
    const double y = 72 + 18 * std::sin((x - 28) * 0.11) + 8 * std::sin((x - 28) * 0.37);
    c.disc(x, y, 1.5, {255, 255, 60});
  }
  Cross(c, 100, 72, 42, Phase(t, 0.62, 0.95));
}

void BellScene(Canvas& c, double t) {
  c.gradient(0, 0, W, H, {25, 20, 60}, {5, 5, 20});
  c.wood(50, 12, 100, 10, 3);
  const Pt pivot{100, 22};
  const double swing = 28 * std::sin(2 * Pi * 2 * t) * (1 - 0.5 * Phase(t, 0.6, 1));
  auto placed = [&](std::vector<Pt> p) {
    for (Pt& q : p) q = Rotate(q, pivot, swing);
    return p;
  };
  // Sound rings out on the side the bell swings to.
  const double loud = std::fabs(std::sin(2 * Pi * 2 * t));
  for (int k = 1; k <= 3 && loud > 0.3; ++k)
    for (int side : {-1, 1}) {
      const double rr = 50 + 12 * k;
      for (double a = -35; a <= 35; a += 3) {
        const double aa = (side > 0 ? 0 : 180) + a;
        c.disc(100 + rr * std::cos(aa * Pi / 180), 70 + rr * std::sin(aa * Pi / 180), 1.3,
               Mix({80, 80, 120}, Yellow, loud - 0.2 * k));
      }
    }
  const Pt clapper = Rotate({100, 108}, pivot, swing * 0.4);
  c.thickLine(pivot.x, pivot.y, clapper.x, clapper.y, 3, {90, 70, 30});
  Poly(c, placed({{90, 26}, {110, 26}, {118, 40}, {128, 92}, {136, 104}, {64, 104}, {72, 92}, {82, 40}}), {170, 120, 20});
  Poly(c, placed({{91, 28}, {109, 28}, {116, 41}, {125, 92}, {132, 101}, {68, 101}, {75, 92}, {84, 41}}), Gold);
  Poly(c, placed({{88, 36}, {93, 36}, {86, 92}, {80, 92}}), {255, 235, 140});
  c.disc(clapper.x, clapper.y, 7, {120, 90, 30});
  NoSign(c, 100, 70, 62, Phase(t, 0.65, 0.95));
}

void BeerSpillScene(Canvas& c, double t) {
  c.gradient(0, 0, W, 125, {70, 45, 30}, {35, 22, 15});
  c.wood(0, 125, W, 25, 7);
  const Rgb beer{225, 150, 25}, foam{250, 248, 230}, glass{170, 205, 225};
  const double full = Phase(t, 0, 0.4), over = Phase(t, 0.4, 0.9);
  // The glass fills, and the tap keeps pouring.
  const double level = 122 - 64 * full;
  c.rect(102, static_cast<int>(level), 46, 123 - static_cast<int>(level), beer);
  for (int k = 0; k < 6; ++k) c.disc(106 + 7.5 * k, level - 2 - 4 * over, 4 + 3 * over, foam);
  c.rect(100, 56, 2, 68, glass);
  c.rect(148, 56, 2, 68, glass);
  c.rect(100, 122, 50, 3, glass);
  if (over > 0) {
    // Beer runs down both sides and spreads over the table.
    for (int side : {95, 151}) {
      const int len = static_cast<int>(68 * Clamp01(over * 1.6));
      c.rect(side, 58, 4, len, beer);
      c.disc(side + 2, 58 + len, 3, beer);
    }
    Ellipse(c, 125, 133, 30 + 60 * over, 3 + 4 * over, beer);
    Ellipse(c, 125, 132, 20 + 40 * over, 2 + 2 * over, {245, 190, 70});
  }
  if (t < 0.92) c.rect(122, 34, 5, static_cast<int>(level) - 34, beer);
  c.rect(55, 10, 75, 10, {185, 185, 195});
  c.rect(55, 10, 75, 2, {230, 230, 240});
  c.rect(118, 10, 12, 26, {185, 185, 195});
  c.rect(80, 0, 8, 12, {30, 30, 30});
}

void GraveScene(Canvas& c, double t) {
  const Rgb sky{15, 15, 50};
  c.gradient(0, 0, W, 110, {5, 5, 30}, {30, 30, 80});
  unsigned s = 99;
  for (int i = 0; i < 25; ++i) {
    s = s * 1103515245u + 12345u;
    const int x = static_cast<int>((s >> 8) % W), y = static_cast<int>((s >> 16) % 100);
    if ((i + static_cast<int>(t * 12)) % 5) c.rect(x, y, 1, 1, White);
  }
  c.disc(168, 24, 13, {250, 245, 190});
  c.disc(174, 20, 12, sky);
  c.gradient(0, 110, W, 40, {25, 80, 25}, {10, 40, 10});
  Ellipse(c, 100, 120, 48, 8, {85, 60, 35});
  c.disc(100, 52, 26, {100, 100, 110});
  c.rect(74, 52, 52, 66, {100, 100, 110});
  c.disc(100, 52, 23, Grey);
  c.rect(77, 52, 46, 64, Grey);
  c.text(83, 62, "RIP", {60, 60, 70}, 2);
  c.thickLine(100, 84, 100, 106, 3, {70, 70, 80});
  c.thickLine(92, 91, 108, 91, 3, {70, 70, 80});
  // A flower by the stone hangs its head.
  const double droop = Phase(t, 0.2, 1);
  const Pt head{150 + 8 * droop, 94 + 14 * droop};
  c.thickLine(150, 124, 150, 104, 2, {40, 140, 40});
  c.thickLine(150, 104, head.x, head.y, 2, {40, 140, 40});
  c.disc(head.x, head.y, 5, {220, 60, 120});
  // The bug's ghost floats up out of the grave.
  const double rise = Phase(t, 0.1, 1);
  if (rise > 0) {
    const double gx = 100 + 10 * std::sin(t * 9), gy = 112 - 96 * rise;
    const Rgb ghost{205, 220, 255};
    c.disc(gx, gy, 11, ghost);
    c.rect(static_cast<int>(gx) - 11, static_cast<int>(gy), 22, 12, ghost);
    for (int k = 0; k < 3; ++k) c.disc(gx - 7 + 7 * k, gy + 12, 4, ghost);
    c.disc(gx - 4, gy - 2, 2, Black);
    c.disc(gx + 4, gy - 2, 2, Black);
  }
}

void WormWinScene(Canvas& c, double t) {
  c.rect(0, 0, W, 112, {102, 204, 255});
  c.rect(0, 112, W, 38, {153, 102, 0});
  c.rect(0, 112, W, 3, {102, 51, 0});
  Confetti(c, t, 28);
  // A gold star on its ribbon, turning a little.
  c.thickLine(92, 0, 98, 30, 5, {60, 90, 220});
  c.thickLine(108, 0, 102, 30, 5, {60, 90, 220});
  Star(c, 100, 38, 22, 12 * std::sin(t * 2 * Pi), {200, 150, 0});
  Star(c, 100, 38, 18, 12 * std::sin(t * 2 * Pi), {255, 215, 0});
  const double wave = t * 4 * Pi;
  double hx = 0, hy = 0;
  for (int k = 0; k < 12; ++k) {
    const double x = 40 + k * 9.5, y = 104 + 9 * std::sin(x * 0.09 - wave);
    c.disc(x, y, 9, k % 2 ? Rgb{230, 130, 140} : Rgb{210, 105, 120});
    hx = x, hy = y;
  }
  c.disc(hx + 6, hy - 2, 11, {235, 140, 150});
  c.disc(hx + 4, hy - 7, 3.5, White);
  c.disc(hx + 11, hy - 7, 3.5, White);
  c.disc(hx + 5, hy - 7, 1.7, Black);
  c.disc(hx + 12, hy - 7, 1.7, Black);
  for (double a = 20; a <= 160; a += 10)
    c.disc(hx + 7 + 5 * std::cos(a * Pi / 180), hy + 1 + 4 * std::sin(a * Pi / 180), 0.9, {120, 30, 40});
}

void AntWinScene(Canvas& c, double t) {
  c.rect(0, 0, W, 116, {255, 204, 170});
  c.rect(0, 116, W, 34, {204, 153, 85});
  c.rect(0, 116, W, 2, {153, 102, 85});
  Confetti(c, t, 24);
  const Rgb body{102, 51, 0}, leg{51, 0, 0};
  const double step = std::sin(t * 8 * Pi);
  // Six legs in two tripods, stepping in place.
  for (int k = 0; k < 3; ++k) {
    const double lift = (k % 2 ? step : -step) * 6;
    c.thickLine(80 + 6 * k, 100, 66 + 14 * k, 118 - std::max(0.0, lift), 2.5, leg);
    c.thickLine(84 + 6 * k, 100, 76 + 16 * k, 118 - std::max(0.0, -lift), 2.5, leg);
  }
  Ellipse(c, 58, 96, 20, 13, body);
  c.disc(86, 96, 9, body);
  c.disc(108, 88, 11, body);
  c.disc(112, 85, 3, White);
  c.disc(113, 85, 1.5, Black);
  const double wag = 4 * std::sin(t * 10 * Pi);
  c.thickLine(112, 79, 124 + wag, 62, 1.5, leg);
  c.thickLine(106, 78, 110 - wag, 60, 1.5, leg);
  // The flag in a front leg, waving.
  c.thickLine(96, 98, 132, 26, 3, {90, 60, 30});
  c.thickLine(96, 97, 118, 60, 2.5, leg);
  std::vector<Pt> flag;
  for (int i = 0; i <= 10; ++i) flag.push_back({132 + 4.2 * i, 26 + 5 * std::sin(i * 0.6 - t * 6 * Pi)});
  for (int i = 10; i >= 0; --i) flag.push_back({132 + 4.2 * i, 52 + 5 * std::sin(i * 0.6 - t * 6 * Pi)});
  Poly(c, flag, {51, 102, 255});
  Star(c, 152, 39 + 5 * std::sin(5 * 0.6 - t * 6 * Pi), 7, 0, {255, 220, 0});
}

void BugWaveScene(Canvas& c, double t) {
  c.rect(0, 0, W, 124, {102, 204, 255});
  c.rect(0, 124, W, 26, {51, 153, 0});
  c.rect(0, 124, W, 3, {51, 102, 0});
  Confetti(c, t, 16);
  const double b = 5 * std::fabs(std::sin(t * 4 * Pi));
  const double cx = 95, cy = 90 - b;
  for (int k = 0; k < 3; ++k) {
    c.thickLine(cx - 28, cy - 8 + 12 * k, cx - 44, cy + 2 + 14 * k, 3, Black);
    if (k > 0) c.thickLine(cx + 28, cy - 8 + 12 * k, cx + 44, cy + 2 + 14 * k, 3, Black);
  }
  // One front leg waves hello.
  const double arm = (-60 + 30 * std::sin(t * 6 * Pi)) * Pi / 180;
  const Pt shoulder{cx + 26, cy - 14}, hand{shoulder.x + 34 * std::cos(arm), shoulder.y + 34 * std::sin(arm)};
  c.thickLine(shoulder.x, shoulder.y, hand.x, hand.y, 4, Black);
  c.disc(hand.x, hand.y, 4, Black);
  c.disc(cx, cy, 34, {215, 25, 25});
  c.rect(static_cast<int>(cx), static_cast<int>(cy - 33), 2, 66, Black);
  for (Pt spot : {Pt{-16, -14}, {16, -14}, {-20, 6}, {20, 6}, {-10, 22}, {10, 22}}) c.disc(cx + spot.x, cy + spot.y, 6, Black);
  c.disc(cx, cy - 36, 15, Black);
  c.disc(cx - 6, cy - 40, 4.5, White);
  c.disc(cx + 6, cy - 40, 4.5, White);
  c.disc(cx - 5, cy - 40, 2, Black);
  c.disc(cx + 7, cy - 40, 2, Black);
  for (double a = 30; a <= 150; a += 10)
    c.disc(cx + 6 * std::cos(a * Pi / 180), cy - 33 + 4 * std::sin(a * Pi / 180), 0.9, White);
  if (t > 0.15) {
    Ellipse(c, 160, 26, 26, 15, White);
    Poly(c, {{146, 36}, {154, 38}, {138, 50}}, White);
    c.text(145, 19, "HI!", Black, 2);
  }
}
