// Pictures of the main window's top row, the LED face, the test dial and the title.
#include <algorithm>
#include <cmath>
#include "AssetSink.h"
#include "Canvas.h"

namespace {
const Rgb Steel{150, 160, 170}, SteelDark{70, 76, 84}, SteelLight{220, 226, 232};
const Rgb Red{204, 40, 30}, Green{40, 170, 60}, Cream{248, 240, 214}, Ink{30, 24, 20};

// A push button on a metal plate; pressed draws it sunk (the room shows that state).
void Button(Canvas& c, int x, int y, int w, int h, Rgb cap, bool pressed) {
  c.rect(x, y, w, h, SteelDark);
  c.rect(x + 1, y + 1, w - 2, h - 2, Steel);
  int inset = pressed ? 5 : 3;
  c.rect(x + inset, y + inset, w - 2 * inset, h - 2 * inset - (pressed ? 0 : 3), cap);
  if (!pressed) c.rect(x + inset, y + h - inset - 3, w - 2 * inset, 3, Mix(cap, Ink, 0.5));
  c.bevel(x, y, w, h, pressed ? SteelDark : SteelLight, pressed ? SteelLight : Ink);
}

IndexedImage TestButton(const Palette& p, bool pressed) {
  Canvas c(32, 48, p, Steel);
  Button(c, 0, 0, 32, 48, Green, pressed);
  int dy = pressed ? 2 : 0;
  c.text(4, 14 + dy, "TEST", Cream);
  c.ring(16, 33 + dy, 6, 1.5, Cream);
  c.line(16, 33 + dy, 16, 28 + dy, Cream);
  return c.image();
}

IndexedImage RunButton(const Palette& p, bool pressed) {
  Canvas c(48, 52, p, Steel);
  Button(c, 0, 0, 48, 52, Red, pressed);
  int dy = pressed ? 2 : 0;
  c.text(15, 10 + dy, "RUN", Cream);
  for (int i = 0; i < 12; ++i) c.rect(18 + i, 22 + dy + i / 2, 1, 22 - i, Cream);  // play triangle
  return c.image();
}

IndexedImage ResetButton(const Palette& p, bool pressed) {
  Canvas c(20, 41, p, Steel);
  Button(c, 0, 0, 20, 41, {60, 90, 200}, pressed);
  int dy = pressed ? 2 : 0;
  c.ring(10, 18 + dy, 6, 2, Cream);
  c.rect(10, 10 + dy, 5, 4, {60, 90, 200});
  c.rect(13, 10 + dy, 2, 5, Cream);
  return c.image();
}

IndexedImage SoundSwitch(const Palette& p, bool on) {
  Canvas c(32, 51, p, Steel);
  c.bevel(0, 0, 32, 51, SteelLight, Ink);
  c.rect(8, 6, 8, 12, Ink);  // speaker
  for (int i = 0; i < 8; ++i) c.rect(16 + i, 6 - i / 2, 1, 12 + i, Ink);
  if (on) {
    c.ring(18, 12, 10, 1.5, Ink);
    c.rect(0, 0, 17, 32, Steel), c.rect(8, 6, 8, 12, Ink);
    for (int i = 0; i < 8; ++i) c.rect(16 + i, 6 - i / 2, 1, 12 + i, Ink);
  }
  c.rect(12, 30, 8, 16, SteelDark);
  c.rect(10, on ? 30 : 38, 12, 8, on ? Green : Red);
  return c.image();
}

IndexedImage ManualOnShelf(const Palette& p) {
  Canvas c(27, 60, p, {90, 60, 30});
  c.rect(3, 4, 21, 54, {30, 60, 140});
  c.rect(3, 4, 3, 54, {20, 40, 100});
  c.rect(8, 12, 13, 2, {230, 200, 90});
  c.rect(8, 46, 13, 2, {230, 200, 90});
  c.text(9, 22, "M", {230, 200, 90});
  return c.image();
}

IndexedImage ManualOut(const Palette& p) {
  Canvas c(26, 60, p, {90, 60, 30});
  c.rect(2, 4, 22, 54, {50, 34, 18});
  return c.image();
}

IndexedImage LedFace(const Palette& p) {
  Canvas c(38, 48, p, {0, 0, 0});
  c.frame(0, 0, 38, 48, SteelDark);
  c.frame(1, 1, 36, 46, Steel);
  return c.image();
}

// 24 frames of 32 x 35 in four columns: a kitchen timer whose red sector shrinks as
// the test runs out. Frame 22 (and 23) is full, 0 empty.
IndexedImage TimerFrames(const Palette& p) {
  Canvas c(128, 210, p, Steel);
  for (int f = 0; f < 24; ++f) {
    int ox = 32 * (f % 4), oy = 35 * (f / 4);
    c.rect(ox, oy, 32, 35, Steel);
    c.rect(ox + 13, oy, 6, 4, SteelDark);  // the knob
    c.disc(ox + 16, oy + 19, 15, Ink);
    c.disc(ox + 16, oy + 19, 13.5, Cream);
    double share = std::min(22, f) / 22.0;
    if (share > 0) c.wedge(ox + 16, oy + 19, 12, 0, 360 * share, Red);
    for (int k = 0; k < 12; ++k) {
      double a = k * 3.14159265358979 / 6;
      c.disc(ox + 16 + 12.5 * std::sin(a), oy + 19 - 12.5 * std::cos(a), 0.8, Ink);
    }
    c.disc(ox + 16, oy + 19, 1.5, Ink);
  }
  return c.image();
}

IndexedImage Title(const Palette& p) {
  Canvas c(196, 95, p, {0, 0, 0});
  c.gradient(0, 0, 196, 95, {20, 30, 70}, {0, 0, 0});
  // A small neuron: a body with dendrites, beside the name.
  c.thickLine(26, 47, 8, 20, 2, {120, 200, 255});
  c.thickLine(26, 47, 6, 70, 2, {120, 200, 255});
  c.thickLine(26, 47, 40, 14, 2, {120, 200, 255});
  c.disc(26, 47, 9, {255, 210, 80});
  c.disc(26, 47, 4, {255, 140, 40});
  c.text(48, 30, "QUORBIT", {255, 220, 120}, 3);
  c.text(52, 66, "BUILD A BRAIN", {160, 200, 255});
  return c.image();
}

// The sign post; its boards sit where the main window's highlights are, and lit draws
// them glowing (the highlights are cut from the lit sign).
struct Board {
  const char* label;
  int x, y, w, h;
};
const Board SignBoards[] = {{"LAB", 100, 7, 32, 19},   {"BUG", 66, 23, 32, 24}, {"WORK", 103, 30, 43, 16},
                            {"WORM", 65, 47, 32, 22},  {"ANT", 104, 52, 32, 18}, {"HELP", 126, 103, 40, 23}};

IndexedImage Sign(const Palette& p, bool lit) {
  Canvas c(200, 200, p, {0, 0, 0});
  c.rect(94, 0, 10, 200, {110, 70, 36});
  c.rect(94, 0, 3, 200, {150, 100, 56});
  for (const Board& b : SignBoards) {
    c.wood(b.x, b.y, b.w, b.h, unsigned(b.x + b.y));
    if (lit) c.rect(b.x + 1, b.y + 1, b.w - 2, b.h - 2, {250, 210, 90});
    c.bevel(b.x, b.y, b.w, b.h, {200, 150, 90}, {60, 36, 18});
    int tx = b.x + (b.w - Canvas::textWidth(b.label) + 1) / 2, ty = b.y + (b.h - 7) / 2;
    c.text(tx, ty, b.label, lit ? Rgb{90, 20, 10} : Cream);
  }
  return c.image();
}

void MakeShellPictures(AssetSink& sink) {
  const Palette& p = sink.palette();
  sink.WriteBmp("pics\\main\\testbutton.bmp", TestButton(p, false));
  sink.WriteBmp("pics\\main\\testbuttondown.bmp", TestButton(p, true));
  sink.WriteBmp("pics\\main\\runbutton.bmp", RunButton(p, false));
  sink.WriteBmp("pics\\main\\runbuttondown.bmp", RunButton(p, true));
  sink.WriteBmp("pics\\main\\resetbutton.bmp", ResetButton(p, false));
  sink.WriteBmp("pics\\main\\resetbuttondown.bmp", ResetButton(p, true));
  sink.WriteBmp("pics\\main\\soundon.bmp", SoundSwitch(p, true));
  sink.WriteBmp("pics\\main\\soundoff.bmp", SoundSwitch(p, false));
  sink.WriteBmp("pics\\main\\manual.bmp", ManualOnShelf(p));
  sink.WriteBmp("pics\\main\\manualout.bmp", ManualOut(p));
  sink.WriteBmp("pics\\main\\led.bmp", LedFace(p));
  sink.WriteBmp("pics\\main\\timerall.bmp", TimerFrames(p));
  sink.WriteBmp("pics\\main\\title.bmp", Title(p));
  sink.WriteBmp("pics\\main\\sign.bmp", Sign(p, false));
  const char* names[] = {"labon", "bugon", "workon", "wormon", "anton", "helpon"};
  IndexedImage lit = Sign(p, true);
  for (int i = 0; i < 6; ++i) {
    const Board& b = SignBoards[i];
    sink.WriteBmp(std::string("pics\\main\\") + names[i] + ".bmp", lit.crop(b.x, b.y, b.w, b.h));
  }
}
}  // namespace

QUORBIT_ASSETS(shell_pictures, MakeShellPictures);
