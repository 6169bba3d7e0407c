// The brain window's tool bar: the wood tile and the seven tool buttons, each an "Up"
// picture and the "Down" picture the pressed button reveals, carved into the wood.
#include "AssetSink.h"
#include "Canvas.h"

namespace {

const Rgb Cream{248, 236, 200}, Dark{50, 30, 15}, Shade{90, 55, 25}, Light{220, 170, 110};
const Rgb NeuronBlue{102, 102, 170}, Lit{255, 204, 0}, Ink{20, 20, 40};

struct ButtonArt {
  const char* name;
  int width;
  const char* label;
  void (*icon)(Canvas&, int cx, int cy);
};

void NeuronIcon(Canvas& c, int cx, int cy) {
  c.disc(cx, cy, 9, Ink);
  c.disc(cx, cy, 7.5, NeuronBlue);
  c.disc(cx - 3, cy - 3, 2.5, {150, 150, 210});
  c.thickLine(cx + 9, cy, cx + 15, cy, 2, Ink);
}
void NodeIcon(Canvas& c, int cx, int cy) {
  c.rect(cx - 6, cy - 6, 12, 12, Ink);
  c.rect(cx - 5, cy - 5, 10, 10, {40, 170, 90});
  for (int d = -1; d <= 1; d += 2) {
    c.rect(cx + d * 6 - (d < 0 ? 5 : 0), cy - 2, 5, 4, Ink);
    c.rect(cx - 2, cy + d * 6 - (d < 0 ? 5 : 0), 4, 5, Ink);
  }
}
void SnoopIcon(Canvas& c, int cx, int cy) {
  c.rect(cx - 8, cy - 7, 16, 14, Ink);
  c.rect(cx - 7, cy - 6, 14, 12, {255, 255, 0});
  c.text(cx - 5, cy - 3, "42", Ink);
}
void ZoomIcon(Canvas& c, int cx, int cy) {
  c.ring(cx - 2, cy - 2, 6, 2, Ink);
  c.disc(cx - 2, cy - 2, 4.5, {200, 230, 255});
  c.thickLine(cx + 2, cy + 2, cx + 8, cy + 8, 3, Ink);
}
void TrashIcon(Canvas& c, int cx, int cy) {
  c.rect(cx - 6, cy - 5, 12, 14, Ink);
  c.rect(cx - 5, cy - 4, 10, 12, {170, 170, 180});
  c.rect(cx - 8, cy - 8, 16, 2, Ink);
  c.rect(cx - 2, cy - 10, 4, 2, Ink);
  for (int i = -2; i <= 2; i += 2) c.rect(cx + i, cy - 2, 1, 8, Ink);
}
void SaveIcon(Canvas& c, int cx, int cy) {
  c.rect(cx - 8, cy - 8, 16, 16, Ink);
  c.rect(cx - 7, cy - 7, 14, 14, {60, 90, 200});
  c.rect(cx - 4, cy - 7, 8, 5, {230, 230, 230});
  c.rect(cx - 5, cy + 2, 10, 5, {230, 230, 230});
}
void LoadIcon(Canvas& c, int cx, int cy) {
  c.rect(cx - 9, cy - 5, 18, 12, Ink);
  c.rect(cx - 8, cy - 4, 16, 10, {230, 180, 60});
  c.rect(cx - 9, cy - 8, 8, 3, Ink);
  c.thickLine(cx, cy + 3, cx, cy - 9, 2, Lit);
}

const ButtonArt Buttons[] = {
    {"neuron", 54, "NEURON", NeuronIcon}, {"node", 48, "NODE", NodeIcon},   {"snoop", 48, "SNOOP", SnoopIcon},
    {"zoom", 50, "ZOOM", ZoomIcon},       {"trash", 54, "CLEAR", TrashIcon}, {"save", 58, "SAVE", SaveIcon},
    {"load", 58, "LOAD", LoadIcon}};

IndexedImage Button(const Palette& p, const ButtonArt& art, bool down, unsigned seed) {
  Canvas c(art.width, 50, p);
  c.wood(0, 0, art.width, 50, seed);
  const int dy = down ? 1 : 0;
  c.rect(2, 2, art.width - 4, 46, down ? Shade : Light);
  c.wood(3, 3, art.width - 6, 44, seed + 7);
  if (down) c.bevel(2, 2, art.width - 4, 46, Dark, Light);
  else c.bevel(2, 2, art.width - 4, 46, Cream, Dark);
  art.icon(c, art.width / 2 + dy, 19 + dy);
  const int w = Canvas::textWidth(art.label) - 1;
  c.text((art.width - w) / 2 + dy, 36 + dy, art.label, down ? Lit : Cream);
  return c.image();
}

void GenerateBrainButtons(AssetSink& sink) {
  const Palette& p = sink.palette();
  Canvas wood(32, 54, p);
  wood.wood(0, 0, 32, 54, 3);
  sink.WriteBmp("pics\\brain\\wood.bmp", wood.image());
  unsigned seed = 11;
  for (const ButtonArt& b : Buttons) {
    sink.WriteBmp(std::string("pics\\brain\\") + b.name + "up.bmp", Button(p, b, false, seed));
    sink.WriteBmp(std::string("pics\\brain\\") + b.name + "down.bmp", Button(p, b, true, seed));
    seed += 5;
  }
}

}  // namespace

QUORBIT_ASSETS(brain_buttons, GenerateBrainButtons);
