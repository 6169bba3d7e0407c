#pragma once
// What the terrain shows: a world's ground (grass, a dark earth floor or sand), water
// wherever the ground lies below height 0 (where critters drown), and a sand shore just
// above the water. Each is a ramp of colours by light level; a shade table maps a level
// to the nearest palette entry and keeps that entry's error for the dither.
#include <cstdint>
#include <string>

#include "platform/IndexedImage.h"

enum class TGround { Grass, Earth, Sand };
enum class TRamp { Grass, Earth, Sand, Water };

// The ground a world's tiles show, read from the name of its tile picture (picture 0):
// a name beginning with "earth" gives the dark floor, one beginning with "sand" sand,
// any other name grass.
TGround GroundForPicture(const std::string& name);
TRamp RampOf(TGround ground);
// The tile picture name that chooses each ground, as the editor offers them.
const char* GroundPictureName(TGround ground);

// The ramp's colour at a light level 0..255; flat ground in full light sits near 172.
Rgb RampColour(TRamp ramp, int level);
// Where a colour lies along a ramp, as a light level (may fall outside 0..255).
int RampLevel(TRamp ramp, Rgb colour);

// The palette carries each ramp (but grass, which has its own long run of greens) at
// these levels, so that the shades of water, sand and earth have entries to choose.
constexpr int RampEntryCount = 9;
constexpr int RampEntryLevel(int k) { return 48 + 24 * k; }

struct TShadeTable {
  uint8_t index[256] = {};
  int error[256] = {};  // (level - the level of the chosen entry) x 64
  bool operator==(const TShadeTable&) const = default;
};
TShadeTable BuildShadeTable(const Palette& palette, TRamp ramp);

// Ground below this height is water.
constexpr float WaterLine = 0.0f;
// Ground from the water line up to this height is sand where water lies within a cell.
constexpr float ShoreTop = 0.06f;
// Water loses this many light levels per unit of depth, so deep water looks deep.
constexpr int WaterDarkening = 120;
