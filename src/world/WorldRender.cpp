// Drawing the world: the projection, the shaded and dithered terrain, scenery, and the
// camera moves of the window (panning, following a critter).
#include <algorithm>
#include <cmath>
#include <cstring>

#include "world/World.h"

namespace {
constexpr int MaxShade = 261120;  // 255 green levels in 1/1024 units

TVec3 TriangleNormal(int kind) {
  const double s = std::sqrt(26.0);
  switch (kind) {
    case 1: return {0, -1 / s, 5 / s};
    case 2: return {0, 1 / s, 5 / s};
    case 3: return {1 / s, 0, 5 / s};
    case 4: return {-1 / s, 0, 5 / s};
    default: return {0, 0, 1};
  }
}

int Between(int a, int b, int k, int steps) { return a == b ? a : ((steps - k) * a + b * k) / steps; }

// The terrain dither starts here and draws 256 numbers per cell, every cell in turn.
constexpr int32_t DitherSeed = 1234567;
// Park-Miller multiplies by 16807 modulo 2^31 - 1 each draw: a cell's 256 draws are one
// multiplication by 16807^256, so any cell's starting point is found without the draws
// of the cells before it.
constexpr uint64_t ParkMillerModulus = 2147483647;
constexpr uint64_t DrawsPerCellFactor() {
  uint64_t f = 1;
  for (int k = 0; k < 256; ++k) f = f * 16807 % ParkMillerModulus;
  return f;
}
int32_t NextCellState(int32_t state) {
  return static_cast<int32_t>(static_cast<uint64_t>(state) * DrawsPerCellFactor() % ParkMillerModulus);
}
// Whether drawing the picture would put anything on the view (as drawing it decides).
bool OnView(const TStaticPic& p, const TDrawTarget& t) {
  if (!p.drawable()) return false;
  int ox, oy, base;
  p.screenPlace(ox, oy, base);
  return ox < t.width && oy < t.height && ox + p.pic->frameWidth > 0 && oy + p.pic->frameHeight > 0;
}
// Maps larger than this are shaded afresh on each redraw rather than kept (256 bytes a cell).
constexpr size_t MaxKeptShadeCells = 16384;
}  // namespace

void TWorld::Project(float x, float y, float z, int& sx, int& sy) const {
  sx = static_cast<int>(std::floor((static_cast<double>(y) - x) * 42 + 0.5)) + offsetX;
  sy = static_cast<int>(std::floor((static_cast<double>(x) + y) * 24 - static_cast<double>(z) * 48 + 0.5)) + offsetY;
}

void TWorld::LookAt(float x, float y, float z) {
  offsetX = clientW / 2 - static_cast<int>(std::floor((static_cast<double>(y) - x) * 42 + 0.5));
  offsetY = clientH / 2 - static_cast<int>(std::floor((static_cast<double>(x) + y) * 24 - static_cast<double>(z) * 48 + 0.5));
}

void TWorld::SetClientSize(int width, int height) {
  clientW = std::max(0, width);
  clientH = std::max(0, height);
  if (view.Create(clientW, clientH, palette))
    for (TSprite* s : sprites) s->forgetDrawing();
  fullRedrawFlag = true;
  if (screen) screen->UpdateMonitor();
}

void TWorld::FinishMap() {
  normals.assign(static_cast<size_t>(X) * Y, TVec3{0, 0, 1});
  auto at = [&](int x, int y) -> TVec3& { return normals[static_cast<size_t>(x) * Y + y]; };
  for (int x = 1; x <= X - 2; ++x)
    for (int y = 1; y <= Y - 2; ++y) {
      TVec3 sum;
      for (int k = -2; k <= 2; ++k)
        for (int l = -2; l <= 2; ++l) {
          if (k == 0 || l == 0 || std::abs(k) == std::abs(l)) continue;
          float px = x + 0.1f * k, py = y + 0.1f * l;
          int kind = 0;
          GroundHeight(px, py, kind);
          TVec3 n = TriangleNormal(kind);
          sum.x += n.x, sum.y += n.y, sum.z += n.z;
        }
      double len = std::sqrt(sum.x * sum.x + sum.y * sum.y + sum.z * sum.z);
      at(x, y) = len > 0 ? TVec3{sum.x / len, sum.y / len, sum.z / len} : TVec3{0, 0, 1};
    }
  if (X < 2 || Y < 2) return;
  for (int x = 0; x < X; ++x) {
    at(x, 0) = at(x, 1);
    at(x, Y - 1) = at(x, Y - 2);
  }
  for (int y = 0; y < Y; ++y) {
    at(0, y) = at(1, y);
    at(X - 1, y) = at(X - 2, y);
  }
}

void TWorld::BuildShadeMap(int x, int y, uint8_t out[256]) { ShadeMapFrom(x, y, ditherState, out); }

TGround TWorld::Ground() const {
  const TPic* tiles = Picture(0);
  return tiles ? GroundForPicture(tiles->name) : TGround::Grass;
}

bool TWorld::SetGround(TGround ground) {
  TPic* tiles = Picture(0);
  if (!tiles || Ground() == ground) return false;
  TPic fresh;
  if (!fresh.load(GroundPictureName(ground))) return false;
  // In place: every tile points at picture 0.
  *tiles = std::move(fresh);
  fullRedrawFlag = true;
  return true;
}

namespace {
// The lowest ground of a tile, from points just inside its corners.
float LowestGround(const TWorld& w, int x, int y) {
  float low = 1e9f;
  int kind;
  for (float fx : {0.02f, 0.98f})
    for (float fy : {0.02f, 0.98f}) low = std::min(low, w.GroundHeight(x + fx, y + fy, kind));
  return low;
}
}  // namespace

// What each entry of the tile at (x, y) shows (ground, shore sand or water) and the ground
// height there. An entry stands for the cell fraction (row / 15, column / 15), taken just
// inside the cell so an edge entry shows its own tile and not the neighbour's.
void TWorld::TileMatter(int x, int y, uint8_t matter[256], float height[256]) const {
  bool waterNear = false;
  for (int cx = std::max(0, x - 1); cx <= std::min(X - 1, x + 1) && !waterNear; ++cx)
    for (int cy = std::max(0, y - 1); cy <= std::min(Y - 1, y + 1) && !waterNear; ++cy)
      waterNear = LowestGround(*this, cx, cy) < WaterLine;
  int kind;
  for (int i = 0; i < 256; ++i) {
    const float fx = 0.02f + 0.96f * static_cast<float>(i >> 4) / 15, fy = 0.02f + 0.96f * static_cast<float>(i & 15) / 15;
    const float h = GroundHeight(x + fx, y + fy, kind);
    height[i] = h;
    matter[i] = h < WaterLine ? MatterWater : waterNear && h < ShoreTop ? MatterShore : MatterGround;
  }
}

void TWorld::ShadeMapFrom(int x, int y, int32_t& state, uint8_t out[256]) const {
  static const double len = std::sqrt(70.0 * 70 + 50 * 50 + 70 * 70);
  static const double lx = 70 / len, ly = -50 / len, lz = 70 / len;
  auto level = [&](int cx, int cy) {
    if (cx >= X || cy >= Y || normals.empty()) return 127;
    const TVec3& n = normals[static_cast<size_t>(cx) * Y + cy];
    return static_cast<int>(std::floor((n.x * lx + n.y * ly + n.z * lz - 0.2) * 400 + 0.5));
  };
  int v[256];
  const int l0 = level(x, y), l15 = level(x, y + 1), l240 = level(x + 1, y), l255 = level(x + 1, y + 1);
  int dark = (x & 1 ? 10240 : 0) + (y & 1 ? 5120 : 0);
  v[0] = l0 * 1024 - dark, v[15] = l15 * 1024 - dark, v[240] = l240 * 1024 - dark, v[255] = l255 * 1024 - dark;
  for (int k = 1; k <= 14; ++k) {
    v[k] = Between(v[0], v[15], k, 15);
    v[240 + k] = Between(v[240], v[255], k, 15);
    v[k * 16 + k] = Between(v[0], v[255], k, 15);
  }
  for (int d = 0; d <= 13; ++d) {
    int diag = v[d * 16 + d], bottom = v[240 + d], g = 15 - d;
    for (int row = d + 1; row <= 14; ++row) v[row * 16 + d] = Between(diag, bottom, row - d, g);
  }
  for (int d = 2; d <= 15; ++d) {
    int top = v[d], diag = v[d * 16 + d];
    for (int row = 1; row <= d - 1; ++row) v[row * 16 + d] = Between(top, diag, row, d);
  }
  // Each entry takes the shades of what it shows. Water has no tile checker and darkens
  // with depth.
  uint8_t matter[256];
  float height[256];
  TileMatter(x, y, matter, height);
  const uint8_t* indexOf[3] = {grassIndex, sandShade.index, waterShade.index};
  const int* errorOf[3] = {grassError, sandShade.error, waterShade.error};
  if (const TGround g = Ground(); g != TGround::Grass) {
    const TShadeTable& t = g == TGround::Earth ? earthShade : sandShade;
    indexOf[MatterGround] = t.index, errorOf[MatterGround] = t.error;
  }
  for (int i = 0; i < 256; ++i)
    if (matter[i] == MatterWater)
      v[i] += dark + static_cast<int>(std::lround((height[i] - WaterLine) * WaterDarkening * 1024));
  for (int i = 0; i < 256; ++i) {
    state = ParkMillerNext(state);
    int value = std::clamp(v[i] + (state & 16383) - 8191, 0, MaxShade);
    v[i] = value;
    int e = errorOf[matter[i]][value / 1024];
    int col = i & 15;
    if (col != 15) v[i + 1] = std::clamp(v[i + 1] + 7 * e, 0, MaxShade);
    if (i < 239) {
      if (col != 0) v[i + 15] = std::clamp(v[i + 15] + 3 * e, 0, MaxShade);
      v[i + 16] = std::clamp(v[i + 16] + 5 * e, 0, MaxShade);
      if (col != 15) v[i + 17] = std::clamp(v[i + 17] + e, 0, MaxShade);
    }
  }
  for (int i = 0; i < 256; ++i) out[i] = indexOf[matter[i]][v[i] / 1024];
}

// Forgets the kept shade maps when the terrain or the shade tables changed.
void TWorld::CheckShadeMaps() {
  const size_t count = static_cast<size_t>(X) * Y;
  std::vector<int> tables(grassIndex, grassIndex + 256);
  tables.insert(tables.end(), grassError, grassError + 256);
  // The maps also follow the ground chosen, its other tables, and the tiles' heights.
  tables.push_back(static_cast<int>(Ground()));
  for (const TShadeTable* t : {&earthShade, &sandShade, &waterShade}) {
    tables.insert(tables.end(), t->index, t->index + 256);
    tables.insert(tables.end(), t->error, t->error + 256);
  }
  for (const TMapCell& c : cells) {
    float z = c.tile ? c.tile->z : 0;
    int bits;
    std::memcpy(&bits, &z, sizeof bits);
    tables.push_back(bits);
    tables.push_back(c.tile ? c.tile->frame : -1);
  }
  const bool same = shadeX_ == X && shadeY_ == Y && shadeTables_ == tables && shadeNormals_.size() == normals.size() &&
                    std::equal(normals.begin(), normals.end(), shadeNormals_.begin(), [](const TVec3& a, const TVec3& b) {
                      return std::memcmp(&a, &b, sizeof a) == 0;
                    });
  if (same) return;
  shadeX_ = X, shadeY_ = Y;
  shadeTables_ = std::move(tables);
  shadeNormals_ = normals;
  const bool keep = count <= MaxKeptShadeCells;
  shadeMaps_.assign(keep ? count * 256 : 0, 0);
  shadeMade_.assign(keep ? count : 0, 0);
}

const uint8_t* TWorld::TileShade(int x, int y, int32_t state, uint8_t scratch[256]) {
  const size_t k = static_cast<size_t>(x) * Y + y;
  if (k >= shadeMade_.size()) {
    ShadeMapFrom(x, y, state, scratch);
    return scratch;
  }
  uint8_t* kept = &shadeMaps_[k * 256];
  if (!shadeMade_[k]) ShadeMapFrom(x, y, state, kept), shadeMade_[k] = 1;
  return kept;
}

void TWorld::DrawTerrain() {
  if (X <= 0 || Y <= 0 || !view.exists()) return;
  const int w = view.width();
  for (int row = 0; row < view.height(); ++row)
    std::fill_n(view.depth.begin() + static_cast<ptrdiff_t>(row) * w, w, static_cast<int16_t>(std::min(row + 128, 32767)));
  view.image.fill(backgroundColour);
  TDrawTarget target = view.target();
  CheckShadeMaps();
  uint8_t scratch[256];
  // Only tiles on the view need their shade map; the dither still runs through every
  // cell in order, so each map is the same whatever else is on the view.
  int32_t state = DitherSeed;
  for (int x = 0; x < X; ++x)
    for (int y = 0; y < Y; ++y, state = NextCellState(state)) {
      TMapCell& cell = cells[static_cast<size_t>(x) * Y + y];
      if (cell.tile && OnView(*cell.tile, target)) cell.tile->drawStill(target, TileShade(x, y, state, scratch));
      for (TStaticPic* p = cell.head; p; p = p->nextInCell)
        if (!p->asSprite()) p->drawStill(target);
    }
  ditherState = state;
}

void TWorld::FullRedraw() {
  fullRedrawFlag = false;
  if (!view.exists()) return;
  view.fillDepth(-30000);
  if (!background.empty()) view.image.blit(background, 0, 0, background.width(), background.height(), 0, 0);
  for (auto& g : gizmos) g->draw(view.image);
  DrawTerrain();
  TDrawTarget target = view.target();
  for (TSprite* s : sprites) s->forgetDrawing();
  for (TSprite* s : sprites) DrawSprite(s, target, nullptr);
}

bool TWorld::DrawSprite(TSprite* s, const TDrawTarget& target, std::vector<TRect>* dirtyRects) {
  if (!s->owner || !s->owner->carrier) return s->draw(target, dirtyRects);
  int kind;
  const float ground = GroundHeight(s->x, s->y, kind), held = s->z;
  if (held >= ground) return s->draw(target, dirtyRects);
  // Only the picture rises: the body stays where its carrier holds it.
  s->z = ground;
  const bool drawn = s->draw(target, dirtyRects);
  s->z = held;
  return drawn;
}

void TWorld::PanBy(int dx, int dy) {
  followCritter = -1;
  offsetX += dx;
  offsetY += dy;
  FullRedraw();
  if (screen && view.exists()) screen->CopyToWindow(TRect{0, 0, view.width(), view.height()});
}

bool TWorld::FollowCritterAt(int sx, int sy) {
  if (ArrowShown()) return false;
  for (TSprite* s : sprites) {
    if (!s->owner || !s->hasDrawnRect()) continue;
    const TRect& r = s->drawnRect();
    if (sx < r.left || sx >= r.right || sy < r.top || sy >= r.bottom) continue;
    if (s->owner->dead) return false;
    followCritter = s->owner->number;
    if (!ownArrowPic) {
      ownArrowPic = std::make_unique<TPic>();
      ownArrowPic->load("arrow");
    }
    float x, y, z;
    s->owner->getPosition(x, y, z);
    if (!arrow) arrow = std::make_unique<TSprite>(this, ownArrowPic.get(), x, y, z + 1, 0, nullptr);
    arrow->setPosition(x, y, z + 1);
    AddSprite(arrow.get());
    arrow->setFrame(0);
    arrow->show();
    arrowCountdown = 40;
    return true;
  }
  return false;
}
