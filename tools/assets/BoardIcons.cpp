// Icons of the node centres: one small picture per channel picture number, so a learner
// can tell a switch from an eye or a leg at a glance. Drawn inside the icon frame.
#include "BoardSheet.h"

namespace board_sheet {
namespace {

const Rgb Red{200, 30, 30}, Green{0, 140, 50}, Blue{30, 60, 200}, Brown{130, 80, 30};

void Arrow(Sheet& s, int t, double x0, double y0, double x1, double y1, Rgb c = Ink) {
  s.Paint(t, 0, 0, Capsule(x0, y0, x1, y1, 0.9), c);
  s.Paint(t, 0, 0, Arrowhead(x1, y1, x1 - x0, y1 - y0, 4.5, 3.2), c);
}
// A quarter-and-more arc from angle a0 to a1 (degrees, 0 = right, clockwise on screen).
Shape Arc(double cx, double cy, double r, double a0, double a1) {
  return [=](double x, double y) {
    double a = std::atan2(y - cy, x - cx) * 180 / 3.14159265358979;
    if (a < 0) a += 360;
    if (a < a0) a += 360;
    const double d = std::hypot(x - cx, y - cy);
    return d >= r - 0.9 && d <= r + 0.9 && a >= a0 && a <= a1;
  };
}
void Turn(Sheet& s, int t, bool left) {
  if (left) {
    s.Paint(t, 0, 0, Arc(8, 9, 4.5, 180, 360), Ink);
    s.Paint(t, 0, 0, Arrowhead(3.5, 12.5, 0, 1, 4, 3), Ink);
  } else {
    s.Paint(t, 0, 0, Arc(8, 9, 4.5, 180, 360), Ink);
    s.Paint(t, 0, 0, Arrowhead(12.5, 12.5, 0, 1, 4, 3), Ink);
  }
}
void Branch(Sheet& s, int t, double lean) {
  s.Paint(t, 0, 0, Capsule(8, 13, 8 + lean * 0.4, 8, 1.0), Brown);
  s.Paint(t, 0, 0, Capsule(8 + lean * 0.4, 8, 4 + lean, 3.5, 0.9), Brown);
  s.Paint(t, 0, 0, Capsule(8 + lean * 0.4, 8, 12 + lean, 3.5, 0.9), Brown);
  s.Paint(t, 0, 0, Disc(8 + lean, 3.5, 1.6), Green);
}
void Eye(Sheet& s, int t) {
  s.Paint(t, 0, 0, [](double x, double y) { return std::pow((x - 8) / 6, 2) + std::pow((y - 8) / 3.6, 2) <= 1; }, Ink);
  s.Paint(t, 0, 0, [](double x, double y) { return std::pow((x - 8) / 5, 2) + std::pow((y - 8) / 2.6, 2) <= 1; }, IconBack);
  s.Paint(t, 0, 0, Disc(8, 8, 2.2), Blue);
}
void Label(Sheet& s, int t, const char* text, Rgb c = Ink) {
  const int w = static_cast<int>(std::string(text).size()) * 6 - 1;
  s.Letters(t, (16 - w) / 2, 5, text, c);
}
void Waves(Sheet& s, int t, double cx, bool right) {
  for (double r : {3.0, 5.5}) s.Paint(t, 0, 0, Arc(cx, 8, r, right ? 300 : 120, right ? 420 : 240), Ink);
}
void Leg(Sheet& s, int t, double kneeX, double footX, double footY) {
  s.Paint(t, 0, 0, Capsule(5, 4, kneeX, 8, 1.1), Brown);
  s.Paint(t, 0, 0, Capsule(kneeX, 8, footX, footY, 1.0), Brown);
  s.Paint(t, 0, 0, Disc(5, 4, 1.8), Ink);
}

}  // namespace

void Icon(Sheet& s, int t, int picture) {
  switch (picture) {
    case 136: Label(s, t, "LM"); break;
    case 168: Label(s, t, "RM"); break;
    case 192: s.Paint(t, 0, 0, Arc(8, 8, 4, 0, 360), {150, 150, 150}); break;  // an unbound socket
    case 193: s.Paint(t, 0, 0, Arc(8, 8, 4, 0, 360), {150, 150, 150}); s.Paint(t, 0, 0, Disc(8, 8, 1.4), {150, 150, 150}); break;
    case 194:  // switch
      s.Paint(t, 0, 0, Box(3, 5.5, 13, 10.5, 2.5), Ink);
      s.Paint(t, 0, 0, Disc(10.5, 8, 1.9), IconBack);
      break;
    case 195:  // lamp
      s.Paint(t, 0, 0, Disc(8, 6.5, 3.6), {230, 170, 0});
      s.Paint(t, 0, 0, Box(6.5, 10, 9.5, 13), Ink);
      break;
    case 196:  // slider or height: a track and its knob
      s.Paint(t, 0, 0, Box(7.3, 2.5, 8.7, 13.5), Ink);
      s.Paint(t, 0, 0, Box(4.5, 6, 11.5, 8.5, 1), Blue);
      break;
    case 197:  // heart
      s.Paint(t, 0, 0, Disc(5.8, 6.5, 2.7), Red);
      s.Paint(t, 0, 0, Disc(10.2, 6.5, 2.7), Red);
      s.Paint(t, 0, 0, Arrowhead(8, 13, 0, 1, 6, 5.2), Red);
      break;
    case 198: Leg(s, t, 11, 7, 13); break;
    case 199: Arrow(s, t, 8, 3, 8, 13); break;
    case 200: Arrow(s, t, 8, 13, 8, 3); break;
    case 201: Branch(s, t, 0); break;
    case 202: Turn(s, t, true); break;
    case 203: Turn(s, t, false); break;
    case 204:  // bump: a burst
      for (int k = 0; k < 4; ++k) {
        const double a = k * 3.14159265358979 / 4;
        s.Paint(t, 0, 0, Capsule(8 - 5 * std::cos(a), 8 - 5 * std::sin(a), 8 + 5 * std::cos(a), 8 + 5 * std::sin(a), 0.8), Red);
      }
      break;
    case 205: Branch(s, t, -2.5); break;
    case 206: Branch(s, t, 2.5); break;
    case 207: Eye(s, t); break;
    case 224:  // file: a page with lines
      s.Paint(t, 0, 0, Box(4, 2.5, 12, 13.5), Ink);
      s.Paint(t, 0, 0, Box(5, 3.5, 11, 12.5), {255, 255, 255});
      for (double y : {5.5, 7.5, 9.5, 11.5}) s.Paint(t, 0, 0, Box(6, y - 0.5, 10, y + 0.5), Blue);
      break;
    case 225:  // key: a key cap
      s.Paint(t, 0, 0, Box(3, 3, 13, 13, 2), Ink);
      s.Paint(t, 0, 0, Box(4, 4, 12, 11, 1.5), {200, 200, 210});
      s.Letters(t, 6, 4, "K", Ink);
      break;
    case 226: Waves(s, t, 10, false); Label(s, t, " S", Green); break;
    case 227: Waves(s, t, 6, true); Label(s, t, "S ", Green); break;
    case 228: Label(s, t, "GB"); break;
    case 229: Label(s, t, "GF"); break;
    case 230: s.Paint(t, 0, 0, Arc(8, 12, 5, 180, 360), Brown); Arrow(s, t, 8, 12, 8, 4, Ink); break;
    case 231: s.Paint(t, 0, 0, Arc(8, 8, 5, 200, 340), Brown); s.Paint(t, 0, 0, Capsule(8, 8, 12, 4, 0.8), Ink); break;
    case 232: Label(s, t, "BT", Red); break;
    case 233:  // home distance: a house
      s.Paint(t, 0, 0, Arrowhead(8, 2.5, 0, -1, 5, 6), Brown);
      s.Paint(t, 0, 0, Box(4, 7.5, 12, 13), Brown);
      s.Paint(t, 0, 0, Box(7, 9.5, 9, 13), IconBack);
      break;
    case 234:  // energy: a bolt
      s.Paint(t, 0, 0, Capsule(10, 2.5, 6, 8.5, 1.2), {220, 150, 0});
      s.Paint(t, 0, 0, Capsule(6, 8.5, 10, 8, 1.2), {220, 150, 0});
      s.Paint(t, 0, 0, Capsule(10, 8, 6, 13.5, 1.2), {220, 150, 0});
      break;
    case 235:  // food
      s.Paint(t, 0, 0, Disc(8, 9, 4.2), Red);
      s.Paint(t, 0, 0, Capsule(8, 5, 10, 2.5, 0.8), Green);
      break;
    case 236:  // home direction: a compass needle
      s.Paint(t, 0, 0, Arc(8, 8, 5.5, 0, 360), Ink);
      Arrow(s, t, 6, 11, 10, 5, Red);
      break;
    case 237:  // spider
      s.Paint(t, 0, 0, Disc(8, 8, 2.6), Ink);
      for (int k = -1; k <= 1; k += 2)
        for (double y : {5.0, 8.0, 11.0}) s.Paint(t, 0, 0, Capsule(8, 8, 8 + 6 * k, y, 0.7), Ink);
      break;
    case 238:  // ear
      s.Paint(t, 0, 0, Arc(8, 7, 4.5, 150, 390), Ink);
      s.Paint(t, 0, 0, Capsule(12, 9, 8, 13, 0.9), Ink);
      s.Paint(t, 0, 0, Disc(8.5, 7.5, 1.3), Ink);
      break;
    case 239:  // sound: a speaker
      s.Paint(t, 0, 0, Box(3, 6, 6, 10), Ink);
      s.Paint(t, 0, 0, Arrowhead(3, 8, -1, 0, 6, 5), Ink);
      s.Paint(t, 0, 0, Arc(7, 8, 4, 300, 420), Ink);
      s.Paint(t, 0, 0, Arc(7, 8, 6.3, 310, 410), Ink);
      break;
    case 256:  // fire: a cannon ball
      s.Paint(t, 0, 0, Disc(9.5, 6.5, 3), Ink);
      s.Paint(t, 0, 0, Capsule(3, 13, 7, 9, 1.6), Brown);
      break;
    case 257:  // target: a lit lamp outline
      s.Paint(t, 0, 0, Arc(8, 7, 3.8, 0, 360), {230, 170, 0});
      s.Paint(t, 0, 0, Box(6.5, 11, 9.5, 13.5), Ink);
      break;
    case 258:  // trigger: cross-hairs
      s.Paint(t, 0, 0, Arc(8, 8, 4.5, 0, 360), Red);
      s.Paint(t, 0, 0, Box(7.4, 2, 8.6, 14), Red);
      s.Paint(t, 0, 0, Box(2, 7.4, 14, 8.6), Red);
      break;
    case 259:  // trigger distance, pick up: a hand grip
      s.Paint(t, 0, 0, Arc(8, 9, 4.5, 0, 180), Ink);
      Arrow(s, t, 8, 12, 8, 3, Red);
      break;
    case 260:  // trigger direction, leg touch
      s.Paint(t, 0, 0, Arc(8, 8, 5.5, 0, 360), Red);
      Arrow(s, t, 5, 8, 11, 8, Ink);
      break;
    case 261:  // sample point
      s.Paint(t, 0, 0, Box(3, 12, 13, 13), Ink);
      for (int k = 0; k < 4; ++k) s.Paint(t, 0, 0, Disc(4.5 + 2.3 * k, 10 - (k % 2 ? 5 : 2), 1.2), Blue);
      break;
    case 262: Label(s, t, "C"); s.Paint(t, 0, 0, Box(10, 10, 13, 13), Blue); break;  // category
    case 263:  // antenna
      s.Paint(t, 0, 0, Capsule(5, 13, 6, 4, 0.8), Ink);
      s.Paint(t, 0, 0, Capsule(11, 13, 10, 4, 0.8), Ink);
      s.Paint(t, 0, 0, Disc(6, 3.5, 1.5), Red);
      s.Paint(t, 0, 0, Disc(10, 3.5, 1.5), Red);
      break;
    case 264:  // mark scent: drops
      s.Paint(t, 0, 0, Disc(5.5, 10, 2.2), Green);
      s.Paint(t, 0, 0, Disc(10.5, 6, 2.2), Green);
      break;
    case 265:  // leg wet
      Leg(s, t, 10, 8, 10);
      s.Paint(t, 0, 0, Box(2.5, 11, 13.5, 13.5), Blue);
      break;
    case 266: Leg(s, t, 10, 10, 5); Arrow(s, t, 13, 12, 13, 4, Red); break;
    case 267: Leg(s, t, 9, 13, 12); break;
    case 268: Leg(s, t, 10, 3, 12); break;
    case 269: s.Paint(t, 0, 0, Disc(8, 9, 4), Green); Label(s, t, "?", IconBack); break;  // edible?
    default: Label(s, t, "?"); break;
  }
}

}  // namespace board_sheet
