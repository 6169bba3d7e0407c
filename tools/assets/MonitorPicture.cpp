// The world view's monitor strip: eight frames of 49 x 20, one below the other. Bit 0 of
// the frame number lights the run button, bit 2 the test button; frames 2 and 3 show the
// reset button pushed in.
#include "AssetSink.h"
#include "Canvas.h"

namespace {
const Rgb Plate{150, 160, 170}, Dark{60, 66, 74}, Light{220, 226, 232}, Cream{248, 240, 214};

void Key(Canvas& c, int x, int y, int w, Rgb cap, bool in) {
  c.rect(x, y + 2, w, 16, Dark);
  c.rect(x + 1, y + 3, w - 2, 14, in ? Mix(cap, Dark, 0.45) : cap);
  c.bevel(x, y + 2, w, 16, in ? Dark : Light, in ? Light : Dark);
}

IndexedImage MonitorFrames(const Palette& p) {
  Canvas c(49, 160, p, Plate);
  for (int f = 0; f < 8; ++f) {
    const int y = f * 20;
    const bool run = f & 1, reset = f == 2 || f == 3, test = (f & 4) != 0;
    c.rect(0, y, 49, 20, Plate);
    c.bevel(0, y, 49, 20, Light, Dark);
    Key(c, 1, y, 14, test ? Rgb{90, 230, 110} : Rgb{40, 150, 60}, test);
    c.ring(8, y + 10, 3.5, 1.2, Cream);
    c.line(8, y + 10, 8, y + 7, Cream);
    Key(c, 16, y, 15, {60, 90, 200}, reset);
    c.ring(23.5, y + 10, 3.5, 1.2, Cream);
    Key(c, 32, y, 14, run ? Rgb{255, 90, 70} : Rgb{170, 40, 30}, run);
    for (int i = 0; i < 6; ++i) c.rect(37 + i, y + 7 + i / 2, 1, 7 - i, Cream);
  }
  return c.image();
}

void MakeMonitorPicture(AssetSink& sink) { sink.WriteBmp("pics\\monitor.bmp", MonitorFrames(sink.palette())); }
}  // namespace

QUORBIT_ASSETS(monitor, MakeMonitorPicture);
