#pragma once
// Where the three windows go: the main window, the brain window beside it and the world
// window below the brain window; the world window moves aside where it would cover the
// main window or the brain window's tool bar.
#include <vector>

struct WindowPlacement {
  int mainLeft, mainTop, brainLeft, brainTop, worldLeft, worldTop;
};

// The placement the first time the title screen is left (sizes include the frames).
WindowPlacement PlaceWindows(int screenWidth, int screenHeight, int mainWidth, int mainHeight, int brainWidth,
                             int worldWidth, int worldHeight);

struct PlaceRect {
  int left = 0, top = 0, width = 0, height = 0;
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool Intersects(const PlaceRect& o) const {
    if (width <= 0 || height <= 0 || o.width <= 0 || o.height <= 0) return false;
    return left < o.right() && o.left < right() && top < o.bottom() && o.top < bottom();
  }
  bool Inside(const PlaceRect& o) const {
    return left >= o.left && top >= o.top && right() <= o.right() && bottom() <= o.bottom();
  }
  int OverlapArea(const PlaceRect& o) const;
};

struct WorldSpot {
  int left = 0, top = 0;
  bool free = false;  // on the screen and covering nothing that must stay visible
};

// The world window's place beside a main window and a brain window already placed:
// the main window and the brain window's top strip of `toolBarHeight` (title bar and
// tool bar) must stay in view, the rest of the brain window preferably too. The usual
// place (centred under the brain window, bottoms aligned with the main window) when it
// is free, else the first free of a few places around the two windows, else the place
// on the screen that hides least.
WorldSpot PlaceWorldWindow(const PlaceRect& screen, const PlaceRect& main, const PlaceRect& brain, int toolBarHeight,
                           int worldWidth, int worldHeight);

// The first placement of all three: the usual places, with the main and brain windows
// moved left (not past the screen's edge) as far as the world window needs to find room.
struct AllWindows {
  PlaceRect main, brain;
  WorldSpot world;
};
AllWindows PlaceAllWindows(const PlaceRect& screen, int mainWidth, int mainHeight, int brainWidth, int brainHeight,
                           int brainToolHeight, int worldWidth, int worldHeight);
