#pragma once
// The board's element pictures: the 288 tiles of the tile sheet (16 columns of 16 x 16
// pixels, 18 rows) with their masks, cut once and kept at 16, 8 and 4 pixels per cell.
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "brain/Brainboard.h"
#include "platform/IndexedImage.h"

constexpr int TileSheetColumns = 16;
constexpr int TileSheetWidth = TileSheetColumns * 16;                // 256
constexpr int TileSheetHeight = (TileCount / TileSheetColumns) * 16;  // 288

// Glyphs for printed snooper values: 4 x 16 pixels each, four to a tile, in tiles that no
// element uses. Order: "0123456789-", dark ones first.
namespace Glyph {
constexpr int Width = 4;
constexpr int DarkTiles[3] = {57, 58, 59};
constexpr int LightTiles[3] = {89, 90, 91};
// Tile and x offset within it of a glyph; false for a character without one.
bool Locate(char c, bool dark, int& tile, int& offsetX);
}  // namespace Glyph

// Snooper value digits are dark on these tiles, light on the others.
inline bool DarkDigitsOn(int tile) { return tile == 127 || tile >= 176; }

class BoardTileSet {
 public:
  // From the picture sheet and its mask (mask pixel not 0: the picture pixel is drawn).
  // Null when either sheet is not 256 x 288.
  static std::shared_ptr<const BoardTileSet> Cut(const IndexedImage& picture, const IndexedImage& mask);

  static bool ValidSize(int cellSize) { return cellSize == 16 || cellSize == 8 || cellSize == 4; }
  // Draws a tile through its mask with its top-left at (x, y), clipped to the picture.
  void Draw(IndexedImage& target, int x, int y, int tile, int cellSize) const;
  // Draws a glyph of a printed value (16-pixel cells only).
  void DrawGlyph(IndexedImage& target, int x, int y, char c, bool dark) const;
  // Pixel of a tile at a cell size, and whether it is drawn.
  uint8_t Pixel(int tile, int cellSize, int x, int y) const;
  bool Opaque(int tile, int cellSize, int x, int y) const;

 private:
  struct Scale {
    int size = 16;
    std::vector<uint8_t> pixels;  // tile-major: TileCount x size x size
    std::vector<uint8_t> mask;
  };
  const Scale& At(int cellSize) const;
  static Scale Reduce(const Scale& from, int factor);
  std::array<Scale, 3> scales_;
};
