#pragma once
// Where the windows go on the screen: the main window, the brain window, the world window
// and the world editor, side by side and never over each other. Sizes and places are
// frames (title bar and border included), in screen pixels.
#include <optional>
#include <vector>

struct WindowPlacement {
  int mainLeft, mainTop, brainLeft, brainTop, worldLeft, worldTop;
};

// The classic first placement: the main window's right edge at the screen's middle, the
// brain window beside it, the world window centred under the brain window with its
// bottom on the main window's.
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
  bool operator==(const PlaceRect&) const = default;
};

struct PlaceSize {
  int width = 0, height = 0;
  bool operator==(const PlaceSize&) const = default;
};

// The gap left between two windows.
constexpr int WindowGap = 5;

// A window other than the main one: the size it would like (the learner's own or its
// usual one), the least it may shrink to with its controls still in view (equal to the
// wanted size for a window of fixed size), and where it stands now.
struct DeskWindow {
  bool shown = false;
  PlaceSize wanted, least;
  PlaceRect now;
  bool placed = false;  // it stands where a placement or the learner put it
};

struct DeskRequest {
  PlaceRect screen;             // the screen's available area
  PlaceSize mainDesign{300, 400};  // the main window's client at 100 %
  PlaceSize frame;              // what a frame adds to a client, width and height
  int scalePercent = 100;       // the main window's scale the learner asked for
  PlaceRect mainNow;
  DeskWindow brain, world, editor;
  // The windows may stay where they are (the learner's moves) while that hides nothing;
  // only a window that would cover another is moved, and all of them only when that fails.
  bool keep = true;
};

struct DeskLayout {
  int scalePercent = 100;  // the main window's scale: the one asked, or less where the screen is too small
  PlaceRect main, brain, world, editor;
  bool kept = false;   // the main and the brain window stay where they stand
  bool clear = true;   // every window on the screen, none over another
};

// The main window's frame at a scale.
PlaceSize MainFrameSize(const DeskRequest& r, int scalePercent);

// Where the shown windows go. The main window stays whole; the brain window and the world
// window (and the editor) go to its right, one above the other or side by side, whichever
// keeps them nearest their wanted sizes; where the screen is too small they shrink toward
// their least sizes, sharing the room. Only when even that fails is the main window made
// smaller than asked, and only when nothing fits do windows overlap (`clear` false).
DeskLayout PlaceDesk(const DeskRequest& r);

// True when every window lies on the screen and none overlaps another.
bool DeskIsClear(const PlaceRect& screen, const std::vector<PlaceRect>& windows);

// A place on the screen beside the `taken` windows that overlaps none of them, as large
// as possible from `wanted` down to `least`; none when not even `least` fits anywhere.
// The world editor's window can be placed with it.
std::optional<PlaceRect> FindFreeSpot(const PlaceRect& screen, const std::vector<PlaceRect>& taken, PlaceSize wanted,
                                      PlaceSize least);
