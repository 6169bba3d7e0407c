#include "shell/LedDisplay.h"

#include <cstdio>

namespace {
struct Segment {
  int x0, y0, x1, y1;
};
// Segments 0..6: upper right, lower right, bottom, lower left, upper left, top, middle.
constexpr Segment BigSegments[7] = {{6, 15, 6, 21}, {6, 20, 6, 27}, {6, 26, -1, 26}, {0, 26, 0, 19},
                                    {0, 20, 0, 14}, {0, 15, 7, 15}, {0, 20, 7, 20}};
constexpr Segment SmallSegments[7] = {{17, 29, 17, 33}, {17, 32, 17, 36}, {17, 35, 13, 35},
                                      {14, 35, 14, 31}, {14, 32, 14, 28}, {14, 29, 18, 29},
                                      {14, 32, 18, 32}};
}  // namespace

std::string LedDisplay::Format(int value) {
  if (value < 0) return "   ";
  char text[16];
  std::snprintf(text, sizeof text, "%3d", value);
  return std::string(text).substr(0, 3);
}

int LedDisplay::SegmentMask(char c) {
  static constexpr int masks[10] = {0x3F, 0x03, 0x6D, 0x67, 0x53, 0x76, 0x7E, 0x23, 0x7F, 0x73};
  return c >= '0' && c <= '9' ? masks[c - '0'] : 0;
}

void LedDisplay::DrawNumber(int oldValue, int newValue, bool bigDigits, Rgb colour,
                            std::vector<LedLine>& out) {
  const std::string before = Format(oldValue), after = Format(newValue);
  const Segment* segments = bigDigits ? BigSegments : SmallSegments;
  const int pitch = bigDigits ? 10 : 5;
  for (int i = 0; i < 3; ++i) {
    if (before[i] == after[i]) continue;
    int oldMask = SegmentMask(before[i]), newMask = SegmentMask(after[i]);
    for (int k = 0; k < 7; ++k) {
      int bit = 1 << k;
      if ((oldMask & bit) == (newMask & bit)) continue;
      const Segment& s = segments[k];
      out.push_back({s.x0 + pitch * i, s.y0, s.x1 + pitch * i, s.y1, (newMask & bit) ? colour : Black});
    }
  }
}

std::vector<LedLine> LedDisplay::DrawLed(int big, int small, Rgb colour) {
  std::vector<LedLine> lines;
  DrawNumber(shown_[0], big, true, BigColour, lines);
  DrawNumber(shown_[1], small, false, colour, lines);
  shown_ = {big, small};
  return lines;
}
