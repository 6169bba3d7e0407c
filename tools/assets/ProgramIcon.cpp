// The program's icon for the desktop's menus: a ladybug wired to a neuron.
#include "AssetSink.h"
#include "Canvas.h"
#include "platform/PngFile.h"

namespace {
const Rgb Night{24, 32, 64}, NightLight{60, 76, 132}, Red{210, 36, 28}, Black{0, 0, 0}, Cream{248, 240, 214},
          Yellow{250, 210, 40};

IndexedImage ProgramIcon(const Palette& p) {
  Canvas c(128, 128, p, Night);
  c.bevel(0, 0, 128, 128, NightLight, Black);
  // The neuron and its synapses.
  c.thickLine(30, 30, 60, 58, 5, Yellow);
  c.thickLine(98, 24, 70, 56, 5, Yellow);
  c.disc(28, 28, 10, Cream);
  c.disc(100, 22, 8, Cream);
  // The ladybug: head, shell, the parting and the spots.
  c.disc(64, 52, 14, Black);
  c.disc(64, 80, 34, Red);
  c.thickLine(64, 48, 64, 113, 3, Black);
  for (auto [x, y] : {std::pair{50, 70}, {78, 70}, {46, 92}, {82, 92}}) c.disc(x, y, 6, Black);
  c.disc(58, 48, 3, Cream);
  c.disc(70, 48, 3, Cream);
  return c.image();
}

void GenerateProgramIcon(AssetSink& sink) {
  IndexedImage icon = ProgramIcon(sink.palette());
  icon.palette = sink.palette();
  sink.Write("icons\\quorbit.png", EncodePng(icon));
}
}  // namespace

QUORBIT_ASSETS(program_icon, GenerateProgramIcon);
