#include "brain/BoardTileSet.h"

#include <cstring>

bool Glyph::Locate(char c, bool dark, int& tile, int& offsetX) {
  int i;
  if (c >= '0' && c <= '9') i = c - '0';
  else if (c == '-') i = 10;
  else return false;
  tile = dark ? DarkTiles[i / 4] : LightTiles[i / 4];
  offsetX = (i % 4) * Width;
  return true;
}

std::shared_ptr<const BoardTileSet> BoardTileSet::Cut(const IndexedImage& picture, const IndexedImage& mask) {
  for (const IndexedImage* sheet : {&picture, &mask})
    if (sheet->width() != TileSheetWidth || sheet->height() != TileSheetHeight) return nullptr;
  auto set = std::make_shared<BoardTileSet>();
  Scale full;
  full.pixels.resize(TileCount * 256);
  full.mask.resize(TileCount * 256);
  for (int t = 0; t < TileCount; ++t) {
    const int sx = (t % TileSheetColumns) * 16, sy = (t / TileSheetColumns) * 16;
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        full.pixels[t * 256 + y * 16 + x] = picture.at(sx + x, sy + y);
        full.mask[t * 256 + y * 16 + x] = mask.at(sx + x, sy + y) != 0;
      }
  }
  set->scales_[1] = Reduce(full, 2);
  set->scales_[2] = Reduce(full, 4);
  set->scales_[0] = std::move(full);
  return set;
}

// A smaller pixel is drawn when a quarter of its block is; it takes the block's most
// frequent drawn colour, so thin lines survive and keep their colour.
BoardTileSet::Scale BoardTileSet::Reduce(const Scale& from, int factor) {
  Scale to;
  to.size = 16 / factor;
  const int n = to.size * to.size;
  to.pixels.assign(TileCount * n, 0);
  to.mask.assign(TileCount * n, 0);
  for (int t = 0; t < TileCount; ++t)
    for (int y = 0; y < to.size; ++y)
      for (int x = 0; x < to.size; ++x) {
        int counts[256];
        std::memset(counts, 0, sizeof counts);
        int drawn = 0, best = -1;
        for (int j = 0; j < factor; ++j)
          for (int i = 0; i < factor; ++i) {
            const int k = t * 256 + (y * factor + j) * 16 + x * factor + i;
            if (!from.mask[k]) continue;
            ++drawn;
            const int c = from.pixels[k];
            if (++counts[c] > (best < 0 ? 0 : counts[best])) best = c;
          }
        if (drawn * 4 < factor * factor) continue;
        to.pixels[t * n + y * to.size + x] = static_cast<uint8_t>(best);
        to.mask[t * n + y * to.size + x] = 1;
      }
  return to;
}

const BoardTileSet::Scale& BoardTileSet::At(int cellSize) const {
  return cellSize == 8 ? scales_[1] : (cellSize == 4 ? scales_[2] : scales_[0]);
}

uint8_t BoardTileSet::Pixel(int tile, int cellSize, int x, int y) const {
  const Scale& s = At(cellSize);
  return s.pixels[tile * s.size * s.size + y * s.size + x];
}

bool BoardTileSet::Opaque(int tile, int cellSize, int x, int y) const {
  const Scale& s = At(cellSize);
  return s.mask[tile * s.size * s.size + y * s.size + x] != 0;
}

void BoardTileSet::Draw(IndexedImage& target, int x, int y, int tile, int cellSize) const {
  if (tile < 0 || tile >= TileCount || !ValidSize(cellSize)) return;
  const Scale& s = At(cellSize);
  const size_t base = static_cast<size_t>(tile) * s.size * s.size;
  for (int j = 0; j < s.size; ++j) {
    const int ty = y + j;
    if (ty < 0 || ty >= target.height()) continue;
    uint8_t* row = target.row(ty);
    for (int i = 0; i < s.size; ++i) {
      const int tx = x + i;
      const size_t k = base + j * s.size + i;
      if (tx >= 0 && tx < target.width() && s.mask[k]) row[tx] = s.pixels[k];
    }
  }
}

void BoardTileSet::DrawGlyph(IndexedImage& target, int x, int y, char c, bool dark) const {
  int tile, offset;
  if (!Glyph::Locate(c, dark, tile, offset)) return;
  const Scale& s = scales_[0];
  for (int j = 0; j < 16; ++j)
    for (int i = 0; i < Glyph::Width; ++i) {
      const size_t k = static_cast<size_t>(tile) * 256 + j * 16 + offset + i;
      if (s.mask[k]) target.set(x + i, y + j, s.pixels[k]);
    }
}
