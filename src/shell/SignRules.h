#pragma once
// The title screen's sign: which highlight may light up at the user's progress.
enum SignHighlight { LabOn, BugOn, WorkOn, WormOn, AntOn, HelpOn, SignHighlights };

constexpr int SignHighlightLeft[SignHighlights] = {150, 116, 153, 115, 154, 176};
constexpr int SignHighlightTop[SignHighlights] = {174, 190, 197, 214, 219, 270};
constexpr int SignHighlightWidth[SignHighlights] = {32, 32, 43, 32, 32, 40};
constexpr int SignHighlightHeight[SignHighlights] = {19, 24, 16, 22, 18, 23};

inline bool SignHighlightAllowed(int highlight, int progress) {
  switch (highlight) {
    case BugOn: return progress >= 200;
    case WorkOn: return progress >= 300;
    case WormOn: return progress >= 500;
    case AntOn: return progress >= 700;
    default: return true;  // the lab and the manual are always open
  }
}

// The highlight whose rectangle holds the window point strictly inside, or -1.
inline int SignHighlightAt(int x, int y, int progress) {
  for (int i = 0; i < SignHighlights; ++i) {
    bool inside = x > SignHighlightLeft[i] && x < SignHighlightLeft[i] + SignHighlightWidth[i] &&
                  y > SignHighlightTop[i] && y < SignHighlightTop[i] + SignHighlightHeight[i];
    if (inside && SignHighlightAllowed(i, progress)) return i;
  }
  return -1;
}
