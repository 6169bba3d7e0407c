#include "bodies/Sprite.h"

#include <algorithm>
#include <cstring>

#include "bodies/Critter.h"
#include "bodies/CritterWorld.h"

TStaticPic::TStaticPic(ICritterWorld* w, TPic* p, float px, float py, float pz, int f, bool placeInCell)
    : world(w), pic(p), x(px), y(py), z(pz), frame(f) {
  if (world && placeInCell) world->PlaceInCell(this, x, y);
}

TStaticPic::~TStaticPic() {
  if (world) world->RemoveFromCell(this);
}

void TStaticPic::screenPlace(int& ox, int& oy, int& base) const {
  int sx = 0, sy = 0;
  if (world) world->Project(x, y, z, sx, sy);
  int hx = pic ? pic->hotspotX : 0, hy = pic ? pic->hotspotY : 0;
  ox = sx - hx;
  oy = sy - hy;
  base = SpriteDepthBase(z, sy, hy);
}

void TStaticPic::drawStill(const TDrawTarget& target, const uint8_t* shadeMap) const {
  if (!drawable()) return;
  int ox, oy, base;
  screenPlace(ox, oy, base);
  // Skip what lies wholly outside the view.
  if (ox >= target.width || oy >= target.height || ox + pic->frameWidth <= 0 || oy + pic->frameHeight <= 0)
    return;
  DrawFrame(*pic, frame, target, ox, oy, base, shadeMap);
  DrawShadow(*pic, frame, target, ox, oy, base);
}

TStaticBound::TStaticBound(ICritterWorld* w, TPic* p, float px, float py, float pz, int f, bool placeInCell)
    : TStaticPic(w, p, px, py, pz, f, placeInCell) {
  rebuildBoundary();
}

void TStaticBound::rebuildBoundary() {
  if (pic && pic->hasFrame(frame))
    bound.set(pic->frames[static_cast<size_t>(frame)].boundary, x, y, z);
  else
    bound.clear();
}

void TStaticBound::setPosition(float nx, float ny, float nz) {
  if (world) world->MoveBetweenCells(this, nx, ny);
  x = nx, y = ny, z = nz;
  rebuildBoundary();
}

void TStaticBound::setFrame(int f) {
  if (!pic || !pic->hasFrame(f)) return;
  frame = f;
  rebuildBoundary();
}

TSprite::TSprite(ICritterWorld* w, TPic* p, float px, float py, float pz, int f, TCritter* o)
    : TStaticBound(w, p, px, py, pz, f), owner(o), critterNumber(o ? o->number : -1) {
  if (world) world->AddSprite(this);
}

TSprite::~TSprite() {
  if (world) world->RemoveSprite(this);
}

void TSprite::hide() {
  if (visibility == Shown) visibility = HiddenSinceDraw;
  else if (visibility == ShownSinceDraw) visibility = Hidden;
}

void TSprite::show() {
  if (visibility == Hidden) visibility = ShownSinceDraw;
  else if (visibility == HiddenSinceDraw) visibility = Shown;
}

bool TSprite::draw(const TDrawTarget& t, std::vector<TRect>* dirty) {
  if (visibility == HiddenSinceDraw) visibility = Hidden;
  if (visibility == Hidden) return false;
  visibility = Shown;
  if (!drawable() || !t.pixels) return false;
  int ox, oy, base;
  screenPlace(ox, oy, base);
  TRect r{std::max(ox, 0), std::max(oy, 0), std::min(ox + pic->frameWidth, t.width),
          std::min(oy + pic->frameHeight, t.height)};
  if (r.area() == 0) return false;
  const int w = r.right - r.left, h = r.bottom - r.top;
  underPixels.resize(static_cast<size_t>(w) * h);
  underDepth.resize(static_cast<size_t>(w) * h);
  for (int row = 0; row < h; ++row) {
    size_t from = static_cast<size_t>(r.top + row) * t.width + r.left;
    std::memcpy(&underPixels[static_cast<size_t>(row) * w], t.pixels + from, static_cast<size_t>(w));
    std::memcpy(&underDepth[static_cast<size_t>(row) * w], t.depth + from, sizeof(int16_t) * w);
  }
  rect = r;
  saved = true;
  DrawFrame(*pic, frame, t, ox, oy, base);
  DrawShadow(*pic, frame, t, ox, oy, base);
  if (dirty) dirty->push_back(r);
  return true;
}

void TSprite::erase(const TDrawTarget& t, std::vector<TRect>* dirty) {
  if (!saved || !t.pixels) return;
  saved = false;
  // The view may have shrunk since the drawing; restore only what still fits.
  const int w = rect.right - rect.left;
  int right = std::min(rect.right, t.width), bottom = std::min(rect.bottom, t.height);
  if (right <= rect.left || bottom <= rect.top) return;
  for (int row = 0; row < bottom - rect.top; ++row) {
    size_t to = static_cast<size_t>(rect.top + row) * t.width + rect.left;
    std::memcpy(t.pixels + to, &underPixels[static_cast<size_t>(row) * w], static_cast<size_t>(right - rect.left));
    std::memcpy(t.depth + to, &underDepth[static_cast<size_t>(row) * w], sizeof(int16_t) * (right - rect.left));
  }
  if (dirty) dirty->push_back(rect);
}
