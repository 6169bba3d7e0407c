#pragma once
// Placed pictures: a frame at a place (`TStaticPic`), the same with its frame's boundary
// so it collides and can be stood on (`TStaticBound`), and the moving part of a critter
// that saves what lies under it so only what moved is redrawn (`TSprite`).
#include <cstdint>
#include <vector>

#include "bodies/Boundary.h"
#include "bodies/Pic.h"
#include "bodies/PicDraw.h"

class ICritterWorld;
class TCritter;
class TStaticBound;
class TSprite;

// A screen rectangle, right and bottom excluded.
struct TRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int area() const { return right > left && bottom > top ? (right - left) * (bottom - top) : 0; }
  bool operator==(const TRect&) const = default;
};

class TStaticPic {
 public:
  // With placeInCell the picture joins the chain of the map cell under it; the ground
  // tiles are held by their cells directly and do not.
  TStaticPic(ICritterWorld* world, TPic* pic, float x, float y, float z, int frame, bool placeInCell = true);
  virtual ~TStaticPic();
  TStaticPic(const TStaticPic&) = delete;
  TStaticPic& operator=(const TStaticPic&) = delete;

  virtual TStaticBound* asBound() { return nullptr; }
  virtual TSprite* asSprite() { return nullptr; }
  int getFrame() const { return frame; }
  bool drawable() const { return pic && pic->hasFrame(frame); }
  // Frame and shadow at the projected place; with a shade map for the ground tiles.
  void drawStill(const TDrawTarget& target, const uint8_t* shadeMap = nullptr) const;
  // The frame's top-left corner on the screen and the depth base.
  void screenPlace(int& ox, int& oy, int& base) const;

  ICritterWorld* world;
  TPic* pic;
  float x, y, z;
  int frame;
  // Cell chain bookkeeping, kept by the world.
  TStaticPic* nextInCell = nullptr;
  int cellX = -1, cellY = -1;
};

class TStaticBound : public TStaticPic {
 public:
  TStaticBound(ICritterWorld* world, TPic* pic, float x, float y, float z, int frame, bool placeInCell = true);
  TStaticBound* asBound() override { return this; }
  void setPosition(float nx, float ny, float nz);
  // Ignored outside the set's frames; the boundary follows the new frame.
  void setFrame(int f);
  bool hasShape() const { return bound.kind != NoBoundary; }
  bool overlaps(const TStaticBound& other) const { return bound.overlaps(other.bound); }

  TBoundary bound;

 protected:
  void rebuildBoundary();
};

class TSprite : public TStaticBound {
 public:
  enum Visibility { Shown = 0, ShownSinceDraw = 1, HiddenSinceDraw = 2, Hidden = 3 };

  // Joins the world's sprite list; leaves it and its cell when destroyed.
  TSprite(ICritterWorld* world, TPic* pic, float x, float y, float z, int frame, TCritter* owner);
  ~TSprite() override;
  TSprite* asSprite() override { return this; }

  void show();
  void hide();
  // Takes part in collisions: only a sprite hidden at the last draw does not.
  bool active() const { return visibility != Hidden; }
  // Saves what lies under the frame, then draws it; records the rectangle.
  bool draw(const TDrawTarget& target, std::vector<TRect>* dirty);
  // Puts back what lay under the last drawing.
  void erase(const TDrawTarget& target, std::vector<TRect>* dirty);
  // Forgets the saved pixels (after the whole view was drawn anew).
  void forgetDrawing() { saved = false; }
  bool hasDrawnRect() const { return saved; }
  const TRect& drawnRect() const { return rect; }

  TCritter* owner;
  int critterNumber;
  int visibility = Shown;

 private:
  bool saved = false;
  TRect rect;
  std::vector<uint8_t> underPixels;
  std::vector<int16_t> underDepth;
};
