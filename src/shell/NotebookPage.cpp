#include "shell/NotebookPage.h"

#include <algorithm>
#include <cmath>
#include <cctype>
#include <cstdio>

std::vector<std::string> NotebookLines(const std::string& text, size_t maxChars) {
  std::vector<std::string> lines;
  std::string line;
  auto finish = [&] {
    if (!line.empty() && line[0] == '#') return false;
    lines.push_back(line);
    line.clear();
    return true;
  };
  for (char ch : text) {
    auto c = static_cast<unsigned char>(ch);
    if (c == '\n') {
      if (!finish()) return lines;
      continue;
    }
    if (c < 32 || c > 127) continue;
    if (line.size() < maxChars) line.push_back(ch);
  }
  if (!line.empty()) finish();
  return lines;
}

char NotebookControl(const std::string& line) {
  if (line.size() >= 2 && line[0] == '%' && std::isalpha(static_cast<unsigned char>(line[1]))) return line[1];
  return 0;
}

int NotebookNumber(const std::string& line) {
  int n = 0;
  return line.size() > 2 && std::sscanf(line.c_str() + 2, "%d", &n) == 1 ? n : 0;
}

namespace {
// Page positions are held far outside any page, so hostile numbers and offsets neither
// overflow nor reach the painter as absurd coordinates.
constexpr double PositionLimit = 1000000;
int Scaled(double v, double scale) {
  return static_cast<int>(std::lround(std::clamp(v * scale, -PositionLimit, PositionLimit)));
}
double Sum(int a, int b) { return static_cast<double>(a) + b; }

struct PageReader {
  double scale;
  NotebookLayout out;
  int ox = 0, oy = 0, lineNo = 0;
  int linkTarget = -1;
  bool linkNext = false;

  // Returns false when the page continues in the description ("%e").
  bool Line(const std::string& line) {
    char control = NotebookControl(line);
    if (control) return Control(control, line.c_str() + 2);
    NotebookText text;
    text.link = linkNext;
    text.target = linkTarget;
    linkNext = false;
    text.y = Scaled(lineNo * 18.0, scale);
    text.text = line;
    if (!line.empty()) out.lines.push_back(text);
    ++lineNo;
    return true;
  }

  bool Control(char c, const char* args) {
    int a = 0, b = 0, cc = 0, d = 0;
    unsigned colour = 0;
    switch (c) {
      case 'o':
        if (std::sscanf(args, "%d, %d", &a, &b) == 2) ox = a, oy = b;
        break;
      case 'l':
        if (std::sscanf(args, "%d, %d, %d, %d", &a, &b, &cc, &d) == 4)
          out.figures.push_back({NotebookFigure::Line, Scaled(Sum(a, ox), scale), Scaled(Sum(b, oy), scale),
                                 Scaled(Sum(cc, ox), scale), Scaled(Sum(d, oy), scale), 0, 0});
        break;
      case 'c':
        if (std::sscanf(args, "%d, %d, %d, %x", &a, &b, &cc, &colour) == 4)
          out.figures.push_back({NotebookFigure::Circle, Scaled(Sum(a, ox), scale), Scaled(Sum(b, oy), scale), 0, 0,
                                 Scaled(cc, scale), colour});
        break;
      case 'j':
        linkNext = true;
        linkTarget = std::sscanf(args, "%d", &a) == 1 ? a : -1;
        break;
      case 'e':
        return false;
      default:
        break;
    }
    return true;
  }
};
}  // namespace

NotebookLayout LayoutNotebookPage(const std::string& pageText, const std::string& description, double scale) {
  PageReader reader{scale, {}};
  for (const std::string& line : NotebookLines(pageText)) {
    if (reader.Line(line)) continue;
    for (const std::string& more : NotebookLines(description)) reader.Line(more);
    break;
  }
  return reader.out;
}
