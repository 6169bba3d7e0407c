#pragma once
// The three-digit LED pair: which segment lines to draw when the shown numbers change.
#include <array>
#include <string>
#include <vector>

#include "platform/IndexedImage.h"

struct LedLine {
  int x0, y0, x1, y1;  // the end point itself is not drawn
  Rgb colour;
};

class LedDisplay {
 public:
  static constexpr Rgb BigColour{255, 0, 0};
  static constexpr Rgb Black{0, 0, 0};
  static constexpr Rgb TimedColour{0, 128, 0};
  static constexpr Rgb EnergyTestColour{128, 128, 0};

  // The lines that bring the display from what it shows to big and small; remembers
  // them as shown.
  std::vector<LedLine> DrawLed(int big, int small, Rgb colour);
  // The paint handler: forget what is shown so the next tick redraws every lit segment.
  void Invalidate() { shown_ = {-1, -1}; }
  std::array<int, 2> shown() const { return shown_; }

  // "%3d", negatives as three blanks, only the first three characters.
  static std::string Format(int value);
  static int SegmentMask(char c);

 private:
  void DrawNumber(int oldValue, int newValue, bool bigDigits, Rgb colour, std::vector<LedLine>& out);
  std::array<int, 2> shown_{-1, -1};
};
