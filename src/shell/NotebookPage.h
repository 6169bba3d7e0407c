#pragma once
// The notebook's page markup: text lines, "%" control lines and the figures they draw.
#include <cstdint>
#include <string>
#include <vector>

// The page's lines up to the first line that starts with "#": characters below 32 and
// above 127 dropped, each line cut to maxChars.
std::vector<std::string> NotebookLines(const std::string& text, size_t maxChars = 99);

struct NotebookFigure {
  enum Kind { Line, Circle } kind = Line;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // a circle: centre (x1, y1), radius r
  int r = 0;
  uint32_t colour = 0;  // blue-green-red bytes as written ("%x")
  bool outlineOnly() const { return colour == 0xffffff; }
};

struct NotebookText {
  int x = 10, y = 0;
  std::string text;
  bool link = false;  // drawn blue
  int target = -1;
};

struct NotebookLayout {
  std::vector<NotebookFigure> figures;
  std::vector<NotebookText> lines;
};

// Lays out a page at a scale (page box height / 268). "%e" continues in the world's
// description, which ends with its own "#" line.
NotebookLayout LayoutNotebookPage(const std::string& pageText, const std::string& description, double scale);

// The control line's letter ('w', 'e', 'b', ...) or 0 for a text line.
char NotebookControl(const std::string& line);
// The first integer after the control letter (0 when there is none).
int NotebookNumber(const std::string& line);
