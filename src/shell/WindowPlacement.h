#pragma once
// Where the three windows go the first time the title screen is left.
struct WindowPlacement {
  int mainLeft, mainTop, brainLeft, brainTop, worldLeft, worldTop;
};

inline WindowPlacement PlaceWindows(int screenWidth, int screenHeight, int mainWidth, int mainHeight,
                                    int brainWidth, int worldWidth, int worldHeight) {
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

