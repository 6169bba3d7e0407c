#pragma once
// Drawing frames of a picture set into the world's 8-bit picture against its 16-bit
// depth buffer: a pixel lands only where the buffer holds something farther away.
#include <cstdint>

#include "bodies/Pic.h"

// Rows of width pixels and depths, top row first.
struct TDrawTarget {
  uint8_t* pixels = nullptr;
  int16_t* depth = nullptr;
  int width = 0, height = 0;
};

// The depth base of a sprite whose screen point is (sx, sy) at height z.
int SpriteDepthBase(float z, int sy, int hotspotY);

// Draws frame f with its top-left corner at (ox, oy). With a shade map each colour byte
// is an index into the 256 entries and the pixel takes the palette index stored there.
void DrawFrame(const TPic& pic, int f, const TDrawTarget& target, int ox, int oy, int base,
               const uint8_t* shadeMap = nullptr);
// Paints the frame's shadow entries in palette index 0, checkerboard fashion.
void DrawShadow(const TPic& pic, int f, const TDrawTarget& target, int ox, int oy, int base);
