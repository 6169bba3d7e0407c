#include "shell/WindowPlacement.h"

#include <algorithm>
#include <climits>

WindowPlacement PlaceWindows(int screenWidth, int screenHeight, int mainWidth, int mainHeight, int brainWidth,
                             int worldWidth, int worldHeight) {
  WindowPlacement p{};
  p.mainLeft = screenWidth > 640 ? screenWidth / 2 - mainWidth : 0;
  if (p.mainLeft < 0) p.mainLeft = 0;
  p.mainTop = (screenHeight - mainHeight) / 2;
  p.brainLeft = p.mainLeft + mainWidth + 5;
  p.brainTop = p.mainTop;
  p.worldTop = p.mainTop + mainHeight - worldHeight;
  p.worldLeft = screenWidth <= 640 ? p.mainLeft + mainWidth + 5
                                   : p.mainLeft + mainWidth + (brainWidth - worldWidth) / 2 + 5;
  return p;
}

int PlaceRect::OverlapArea(const PlaceRect& o) const {
  const int w = std::min(right(), o.right()) - std::max(left, o.left);
  const int h = std::min(bottom(), o.bottom()) - std::max(top, o.top);
  return w > 0 && h > 0 ? w * h : 0;
}

WorldSpot PlaceWorldWindow(const PlaceRect& screen, const PlaceRect& main, const PlaceRect& brain, int toolBarHeight,
                           int worldWidth, int worldHeight) {
  const PlaceRect toolBar{brain.left, brain.top, brain.width, toolBarHeight};
  const int usualLeft = main.right() + (brain.width - worldWidth) / 2 + 5;
  const int usualTop = main.bottom() - worldHeight;
  const int besideMain = main.right() + 5, belowToolBar = toolBar.bottom() + 5;
  const std::vector<WorldSpot> spots = {
      {usualLeft, usualTop},
      {brain.left + (brain.width - worldWidth) / 2, brain.bottom() + 5},  // under the brain window
      {brain.right() + 5, usualTop},
      {main.left - 5 - worldWidth, usualTop},
      {main.left, main.bottom() + 5},
      {besideMain, brain.bottom() + 5},
      {usualLeft, belowToolBar},
      {besideMain, usualTop},
      {besideMain, belowToolBar},
      {screen.right() - worldWidth, belowToolBar},
      {screen.right() - worldWidth, screen.bottom() - worldHeight},
  };
  auto hidden = [&](const PlaceRect& r) { return r.OverlapArea(main) + r.OverlapArea(toolBar); };
  // Best the whole brain window stays in view; else at least its tool bar.
  for (bool wholeBrain : {true, false})
    for (WorldSpot s : spots) {
      PlaceRect r{s.left, s.top, worldWidth, worldHeight};
      if (r.Inside(screen) && hidden(r) == 0 && (!wholeBrain || !r.Intersects(brain))) {
        s.free = true;
        return s;
      }
    }
  // Nowhere free: keep it on the screen where it hides least.
  WorldSpot best;
  int least = INT_MAX;
  for (WorldSpot s : spots) {
    s.left = std::max(screen.left, std::min(s.left, screen.right() - worldWidth));
    s.top = std::max(screen.top, std::min(s.top, screen.bottom() - worldHeight));
    const int c = hidden({s.left, s.top, worldWidth, worldHeight});
    if (c < least) least = c, best = s;
  }
  return best;
}

AllWindows PlaceAllWindows(const PlaceRect& screen, int mainWidth, int mainHeight, int brainWidth, int brainHeight,
                           int brainToolHeight, int worldWidth, int worldHeight) {
  const WindowPlacement p = PlaceWindows(screen.width, screen.height, mainWidth, mainHeight, brainWidth, worldWidth,
                                         worldHeight);
  auto layout = [&](int shift) {
    AllWindows a;
    a.main = {screen.left + p.mainLeft - shift, screen.top + p.mainTop, mainWidth, mainHeight};
    a.brain = {a.main.right() + 5, a.main.top, brainWidth, brainHeight};
    a.world = PlaceWorldWindow(screen, a.main, a.brain, brainToolHeight, worldWidth, worldHeight);
    return a;
  };
  AllWindows first = layout(0);
  if (first.world.free) return first;
  for (int shift = 8; shift <= p.mainLeft; shift += 8) {
    AllWindows moved = layout(shift);
    if (moved.world.free) return moved;
  }
  return first;
}
