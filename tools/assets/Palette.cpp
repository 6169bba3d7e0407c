// The shared palette: the sixteen window colours, a long ramp of pure greens for the
// grass shading, a grey ramp, and a colour cube for everything else, some of whose
// loud corners give way to the shades of water, sand and dark earth.
#include <cmath>

#include "AssetSink.h"
#include "world/TerrainShades.h"

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
  // Cube entries no picture needs (saturated blues, cyans and lime greens, never a pure
  // green the grass might pick) carry the terrain ramps.
  const int freed[3][RampEntryCount] = {{114, 115, 119, 121, 123, 126, 127, 129, 130},
                                        {131, 133, 134, 135, 138, 139, 143, 152, 154},
                                        {155, 156, 158, 159, 162, 163, 167, 176, 180}};
  const TRamp ramps[3] = {TRamp::Water, TRamp::Sand, TRamp::Earth};
  for (int r = 0; r < 3; ++r)
    for (int k = 0; k < RampEntryCount; ++k) p[static_cast<size_t>(freed[r][k])] = RampColour(ramps[r], RampEntryLevel(k));
  return p;
}
