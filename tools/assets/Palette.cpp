// The shared palette: the sixteen window colours, a long ramp of pure greens for the
// grass shading, a grey ramp, and a colour cube for everything else.
#include <cmath>

#include "AssetSink.h"

Palette QuorbitPalette() {
  Palette p{};
  const Rgb system[16] = {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                          {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                          {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                          {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
  int n = 0;
  for (const Rgb& c : system) p[n++] = c;
  for (int i = 0; i < 64; ++i) p[n++] = {0, static_cast<uint8_t>(std::lround(i * 255.0 / 63)), 0};
  for (int i = 0; i < 32; ++i) {
    auto v = static_cast<uint8_t>(std::lround(8 + i * 240.0 / 31));
    p[n++] = {v, v, v};
  }
  const int reds[6] = {0, 51, 102, 153, 204, 255};
  const int blues[4] = {0, 85, 170, 255};
  for (int r : reds)
    for (int g : reds)
      for (int b : blues) p[n++] = {uint8_t(r), uint8_t(g), uint8_t(b)};
  return p;
}
