// Pictures of the manual window: a spiral-bound notebook cut into its page edges, the
// three coloured tabs, the two page-turning cursors, and the diagrams its pages show.
#include <cmath>
#include <initializer_list>
#include <string>

#include "AssetSink.h"
#include "Canvas.h"

namespace {
const Rgb Black{0, 0, 0}, Paper{255, 255, 255}, Sheet{225, 225, 225}, SheetLine{150, 150, 150};
const Rgb Cover{0, 51, 85}, CoverLight{51, 102, 170}, CoverDark{0, 0, 85};
const Rgb Metal{200, 200, 210}, MetalDark{110, 110, 120};
const Rgb Label{40, 40, 40}, Red{204, 0, 0}, Blue{0, 85, 170}, Green{0, 153, 0}, Orange{255, 102, 0};
const Rgb Key{255, 0, 255};  // transparent in the cursors

// The page as it lies in the open notebook; the window crops its edges from this.
constexpr int PageLeft = 30, PageTop = 28, PageRight = 300, PageBottom = 392;

void Sheets(Canvas& c, int dx, int dy) {
  for (int k = 4; k >= 1; --k) {
    int x = PageLeft + dx * k, y = PageTop + dy * k;
    c.rect(x, y, PageRight - PageLeft, PageBottom - PageTop, Sheet);
    c.frame(x, y, PageRight - PageLeft, PageBottom - PageTop, SheetLine);
  }
}

IndexedImage Notebook(const Palette& p) {
  Canvas c(320, 400, p, Black);
  c.rect(0, 16, 317, 384, Cover);
  c.bevel(0, 16, 317, 384, CoverLight, CoverDark);
  c.rect(2, 18, 10, 380, CoverDark);  // the spine
  Sheets(c, -2, 1);  // pages already read, under the left edge
  Sheets(c, 2, 1);   // pages still to come
  c.rect(PageLeft, PageTop, PageRight - PageLeft, PageBottom - PageTop, Paper);
  c.frame(PageLeft, PageTop, PageRight - PageLeft, PageBottom - PageTop, SheetLine);
  for (int y = 52; y < 380; y += 24) {  // spiral rings through punched holes
    c.disc(36, y, 3, Black);
    c.thickLine(8, y + 2, 36, y, 4, MetalDark);
    c.thickLine(8, y + 1, 35, y - 1, 2, Metal);
  }
  return c.image();
}

IndexedImage Tab(const Palette& p, int w, int h, Rgb colour, const std::string& label) {
  Canvas c(w, h, p, Black);
  c.rect(0, 4, w, h - 4, colour);
  c.rect(2, 2, w - 4, 2, colour);
  c.rect(4, 0, w - 8, 2, colour);
  c.rect(4, 1, w - 8, 1, Mix(colour, Paper, 0.5));
  c.rect(1, 4, 1, h - 4, Mix(colour, Paper, 0.4));
  c.rect(w - 2, 4, 1, h - 4, Mix(colour, Black, 0.4));
  int x = (w - Canvas::textWidth(label)) / 2;
  c.text(x, 8, label, Black);
  c.text(x + 1, 8, label, Black);
  return c.image();
}

// An arrow pointing right over a turning page corner; outlined so it shows on white.
IndexedImage NextCursor(const Palette& p) {
  Canvas c(32, 32, p, Key);
  auto shape = [&](int grow, Rgb colour) {
    c.rect(3 - grow, 12 - grow, 16 + 2 * grow, 8 + 2 * grow, colour);
    for (int i = 0; i <= 11 + grow; ++i) {
      int half = 11 + grow - i;
      c.rect(18 + i - grow, 16 - half, 1, 2 * half, colour);
    }
  };
  shape(1, Black);
  shape(0, Paper);
  return c.image();
}

IndexedImage Mirrored(const IndexedImage& in) {
  IndexedImage out = in;
  for (int y = 0; y < in.height(); ++y)
    for (int x = 0; x < in.width(); ++x) out.set(in.width() - 1 - x, y, in.at(x, y));
  return out;
}

// A label with a short leader line to the part it names.
void Tag(Canvas& c, int x, int y, const std::string& text, int toX, int toY) {
  c.line(x + Canvas::textWidth(text) / 2, y + (toY > y ? 8 : -1), toX, toY, SheetLine);
  c.text(x, y, text, Label);
}

IndexedImage NeuronDiagram(const Palette& p) {
  Canvas c(230, 120, p, Paper);
  const int bx = 82, by = 62;
  for (auto [x, y] : {std::pair{14, 30}, {10, 62}, {18, 96}}) {  // dendrites with synapses at their tips
    c.thickLine(x, y, bx, by, 3, Orange);
    c.thickLine(x + 18, y + (by - y) / 3, x + 14, y + (y < by ? -10 : 10), 2, Orange);
    c.disc(x, y, 4, Red);
  }
  c.thickLine(bx, by, 188, by, 5, Orange);  // the axon, wrapped in its sheath
  for (int x = 104; x < 180; x += 20) c.rect(x, by - 5, 14, 10, {153, 204, 255});
  for (int ty : {36, 62, 88}) {
    c.thickLine(188, by, 212, ty, 3, Orange);
    c.disc(213, ty, 4, Red);
  }
  c.disc(bx, by, 20, Orange);
  c.disc(bx, by, 17, {255, 204, 170});
  c.disc(bx - 3, by - 2, 6, {153, 51, 0});
  Tag(c, 2, 4, "DENDRITES", 22, 36);
  Tag(c, 54, 104, "CELL BODY", bx, by + 20);
  Tag(c, 120, 36, "AXON", 132, by - 6);
  Tag(c, 168, 2, "SYNAPSES", 212, 31);
  return c.image();
}

// A small brain board: two switch inputs wired to a neuron that lights a lamp.
IndexedImage BoardDiagram(const Palette& p) {
  Canvas c(230, 140, p, {51, 51, 51});
  for (int x = 0; x < 230; x += 10) c.rect(x, 0, 1, 140, {70, 70, 70});
  for (int y = 0; y < 140; y += 10) c.rect(0, y, 230, 1, {70, 70, 70});
  auto node = [&](int x, int y, Rgb colour, const std::string& name) {
    c.rect(x - 15, y - 15, 30, 30, {102, 102, 102});
    c.frame(x - 15, y - 15, 30, 30, {170, 170, 170});
    c.rect(x - 5, y - 5, 10, 10, colour);
    c.text(x - Canvas::textWidth(name) / 2 + 1, y + 7, name, Paper);
  };
  auto arrow = [&](int x0, int y0, int x1, int y1) {
    c.thickLine(x0, y0, x1, y1, 2, {255, 255, 0});
    double a = std::atan2(y1 - y0, x1 - x0);
    for (double s : {-0.5, 0.5})
      c.thickLine(x1, y1, x1 - 7 * std::cos(a + s), y1 - 7 * std::sin(a + s), 2, {255, 255, 0});
  };
  node(30, 40, Green, "S1");
  node(30, 100, Green, "S2");
  node(200, 70, {255, 204, 0}, "L1");
  const int nx = 115, ny = 70;
  c.rect(nx - 15, ny - 15, 30, 30, {0, 51, 102});
  c.disc(nx, ny, 9, Red);
  c.ring(nx, ny, 9, 2, Paper);
  arrow(45, 45, nx - 16, ny - 6);
  arrow(45, 95, nx - 16, ny + 6);
  arrow(nx + 15, ny, 184, 70);
  c.rect(140, 24, 10, 10, {0, 255, 0});  // a snooper over the wire
  c.frame(140, 24, 10, 10, Paper);
  c.text(2, 2, "INPUT NODES", Paper);
  c.text(96, 94, "NEURON", Paper);
  c.text(54, 30, "SYNAPSES", {255, 255, 0});
  c.text(152, 26, "SNOOPER", Paper);
  c.text(170, 100, "OUTPUT", Paper);
  c.text(176, 110, "NODE", Paper);
  return c.image();
}

IndexedImage LadybugDiagram(const Palette& p) {
  Canvas c(230, 150, p, Paper);
  const int cx = 115, cy = 100;
  for (int side : {-1, 1})  // six legs
    for (int k = -1; k <= 1; ++k) c.thickLine(cx, cy + 12 * k, cx + side * 44, cy + 16 * k + 6, 2, Black);
  for (int side : {-1, 1}) {  // antennae: the smell sensors
    c.thickLine(cx + side * 5, cy - 40, cx + side * 24, cy - 66, 2, Black);
    c.disc(cx + side * 24, cy - 66, 4, Black);
  }
  for (auto [x, y] : {std::pair{cx, 12}, {cx - 70, cy - 48}, {cx + 70, cy - 48}}) {  // branch feelers
    for (int i = 1; i < 8; i += 2) {
      double t = i / 8.0;
      c.disc(cx + (x - cx) * t, cy - 40 + (y - cy + 40) * t, 1.2, Green);
    }
    c.ring(x, y, 6, 2, Green);
  }
  c.disc(cx, cy, 32, Red);
  c.rect(cx, cy - 30, 1, 62, Black);
  for (auto [dx, dy] : {std::pair{-16, -10}, {16, -10}, {-14, 12}, {14, 12}, {-6, 24}, {6, 24}})
    c.disc(cx + dx, cy + dy, 5, Black);
  c.disc(cx, cy - 34, 12, Black);
  c.disc(cx - 5, cy - 38, 3, Paper);  // the eye
  c.disc(cx + 5, cy - 38, 3, Paper);
  Tag(c, 126, 2, "BRANCH FWD", cx + 6, 12);
  c.text(2, 58, "BRANCH LEFT", Green);
  c.text(154, 58, "BRANCH RIGHT", Green);
  c.text(26, 31, "SMELL LEFT", Label);
  c.text(146, 31, "SMELL RIGHT", Label);
  Tag(c, 172, 76, "EYE", cx + 8, cy - 38);
  Tag(c, 4, 136, "LEGS: GO AND TURN", cx - 40, cy + 20);
  return c.image();
}

IndexedImage LabDiagram(const Palette& p) {
  Canvas c(230, 110, p, Paper);
  c.wood(0, 70, 230, 40, 7);
  for (int i = 0; i < 2; ++i) {  // the two timed switches
    int x = 8 + 30 * i;
    c.rect(x, 40, 22, 30, {153, 153, 153});
    c.frame(x, 40, 22, 30, Black);
    c.rect(x + 8, i ? 44 : 54, 6, 12, i ? Green : Red);
    c.text(x + 8, 74, i ? "2" : "1", Paper);
  }
  c.rect(72, 30, 6, 40, {102, 102, 102});  // slider
  c.rect(66, 42, 18, 8, Blue);
  for (int i = 0; i < 4; ++i) {  // lamps
    int x = 102 + 18 * i;
    c.rect(x + 4, 58, 8, 12, {102, 102, 102});
    c.disc(x + 8, 50, 8, i < 2 ? Rgb{255, 255, 0} : Rgb{153, 153, 102});
  }
  c.rect(178, 26, 48, 44, Black);  // the oscilloscope and its traces
  for (int x = 0; x < 44; ++x) {
    c.rect(180 + x, (x / 11) % 2 ? 34 : 44, 1, 1, Red);
    c.rect(180 + x, (x / 11) % 2 ? 50 : 60, 1, 1, {0, 255, 0});
  }
  c.text(2, 22, "SWITCHES", Label);
  c.text(58, 12, "SLIDER", Label);
  c.text(116, 30, "LAMPS", Label);
  c.text(156, 12, "OSCILLOSCOPE", Label);
  return c.image();
}

void MakeManualPictures(AssetSink& sink) {
  const Palette& p = sink.palette();
  IndexedImage book = Notebook(p);
  sink.WriteBmp("manual\\toppage.bmp", book.crop(0, 0, 300, 40));
  sink.WriteBmp("manual\\bottompage.bmp", book.crop(0, 388, 300, 12));
  sink.WriteBmp("manual\\leftpage.bmp", book.crop(0, 0, 41, 400));
  sink.WriteBmp("manual\\rightpage.bmp", book.crop(292, 0, 25, 400));
  sink.WriteBmp("manual\\conttab.bmp", Tab(p, 92, 24, {255, 102, 51}, "CONTENTS"));
  sink.WriteBmp("manual\\hinttab.bmp", Tab(p, 70, 24, {255, 204, 0}, "HINTS"));
  sink.WriteBmp("manual\\indextab.bmp", Tab(p, 69, 22, {102, 204, 102}, "INDEX"));
  IndexedImage next = NextCursor(p);
  sink.WriteBmp("manual\\nextcursor.bmp", next);
  sink.WriteBmp("manual\\prevcursor.bmp", Mirrored(next));
  sink.WriteBmp("manual\\neuron.bmp", NeuronDiagram(p));
  sink.WriteBmp("manual\\board.bmp", BoardDiagram(p));
  sink.WriteBmp("manual\\ladybug.bmp", LadybugDiagram(p));
  sink.WriteBmp("manual\\lab.bmp", LabDiagram(p));
}
}  // namespace

QUORBIT_ASSETS(manual_pictures, MakeManualPictures);
