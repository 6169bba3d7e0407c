// The world editor's tool buttons: Save, Save as, Zoom in, Zoom out, Elevation (and Plan,
// the picture the same button shows in the side view) and Help. Each is 24 x 24 on black,
// which the editor leaves out around the picture.
#include "AssetSink.h"
#include "Canvas.h"

namespace {

const Rgb Ink{20, 20, 40}, Paper{240, 240, 235}, DiskBlue{50, 90, 200}, Metal{170, 175, 185};
const Rgb Glass{200, 230, 255}, Grass{60, 170, 60}, Earth{150, 100, 50}, Sky{120, 170, 230};
const Rgb Pencil{240, 190, 40}, Lead{60, 60, 60}, HelpBlue{40, 110, 210}, Silver{192, 192, 192};

constexpr int Side = 24;

void Floppy(Canvas& c, int x, int y, int s) {
  c.rect(x, y, s, s, Ink);
  c.rect(x + 1, y + 1, s - 2, s - 2, DiskBlue);
  c.rect(x + s / 4, y + 1, s / 2, s / 3, Metal);
  c.rect(x + s / 2, y + 2, s / 8 + 1, s / 3 - 2, Ink);
  c.rect(x + 3, y + s / 2 + 1, s - 6, s / 2 - 3, Paper);
  for (int k = y + s / 2 + 3; k < y + s - 3; k += 2) c.line(x + 5, k, x + s - 6, k, {160, 160, 170});
}

void SaveIcon(Canvas& c) { Floppy(c, 2, 2, 20); }

void SaveAsIcon(Canvas& c) {
  Floppy(c, 1, 1, 17);
  // A pencil writing a new name.
  c.thickLine(22, 8, 12, 18, 4, Ink);
  c.thickLine(22, 8, 12.5, 17.5, 2.2, Pencil);
  c.thickLine(12.5, 17.5, 10.5, 20.5, 2.2, Lead);
}

void Magnifier(Canvas& c, bool plus) {
  c.thickLine(14, 14, 21, 21, 4, Ink);
  c.disc(10, 10, 8, Ink);
  c.disc(10, 10, 6.3, Glass);
  c.rect(6, 9, 9, 3, Ink);
  if (plus) c.rect(9, 6, 3, 9, Ink);
}

void ZoomInIcon(Canvas& c) { Magnifier(c, true); }
void ZoomOutIcon(Canvas& c) { Magnifier(c, false); }

// The side view: a hill standing on the ground line, sky above.
void ElevationIcon(Canvas& c) {
  c.rect(1, 2, 22, 17, Sky);
  for (int x = 1; x < 23; ++x) {
    const double d = (x - 12) / 7.0;
    const int top = 18 - static_cast<int>(12 / (1 + d * d));
    c.rect(x, top, 1, 19 - top, Earth);
    c.rect(x, top, 1, 2, Grass);
  }
  c.rect(0, 19, 24, 2, Ink);
  for (int x = 1; x < 24; x += 4) c.rect(x, 21, 1, 2, Ink);
}

// The plan: the map's squares seen from above, one of them chosen.
void PlanIcon(Canvas& c) {
  c.rect(2, 2, 20, 20, {20, 60, 20});
  for (int k = 0; k <= 4; ++k) {
    c.rect(2 + 5 * k - (k == 4 ? 1 : 0), 2, 1, 20, {150, 150, 150});
    c.rect(2, 2 + 5 * k - (k == 4 ? 1 : 0), 20, 1, {150, 150, 150});
  }
  c.frame(11, 11, 6, 6, Silver);
  c.frame(12, 12, 4, 4, Silver);
  c.disc(6.5, 16.5, 2, {255, 60, 60});
}

void HelpIcon(Canvas& c) {
  c.disc(12, 12, 11, Ink);
  c.disc(12, 12, 9.5, HelpBlue);
  c.text(7, 5, "?", Paper, 2);
}

struct EditorButton {
  const char* name;
  void (*draw)(Canvas&);
};

const EditorButton Buttons[] = {{"save", SaveIcon},           {"saveas", SaveAsIcon}, {"zoomin", ZoomInIcon},
                                {"zoomout", ZoomOutIcon},     {"elevation", ElevationIcon},
                                {"plan", PlanIcon},           {"help", HelpIcon}};

void GenerateEditorButtons(AssetSink& sink) {
  for (const EditorButton& b : Buttons) {
    Canvas c(Side, Side, sink.palette());
    b.draw(c);
    sink.WriteBmp(std::string("pics\\editor\\") + b.name + ".bmp", c.image());
  }
}

}  // namespace

QUORBIT_ASSETS(editor_buttons, GenerateEditorButtons);
