#include "world/ChalkStroke.h"

#include <cmath>
#include <numbers>

void TChalkStroke::Start(int x, int y) {
  xs_[0] = x;
  ys_[0] = y;
  count_ = 1;
}

void TChalkStroke::Add(int x, int y) {
  const int at = count_ < MaxCount ? count_ : MaxCount - 1;
  xs_[static_cast<size_t>(at)] = x;
  ys_[static_cast<size_t>(at)] = y;
  if (count_ < MaxCount) ++count_;
}

int ChalkPointCount(const std::string& text) {
  int n = 0;
  size_t pos = 0;
  while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
  bool negative = pos < text.size() && text[pos] == '-';
  if (negative || (pos < text.size() && text[pos] == '+')) ++pos;
  const size_t digits = pos;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9' && n < 1000000) n = n * 10 + (text[pos++] - '0');
  if (pos == digits) return 6;
  return negative ? -n : n;
}

namespace {
double DirectionAngle(int dx, int dy) {
  const double pi = std::numbers::pi;
  if (dx == 0) return dy > 0 ? pi / 2 : -pi / 2;
  if (dy == 0) return dx > 0 ? 0 : -pi;
  return std::atan2(static_cast<double>(dy), static_cast<double>(dx));
}

int ValueOfAngle(double angle) {
  int v = static_cast<int>(std::floor(angle * 100 / std::numbers::pi - 50 + 0.5));
  return v < -100 ? v + 200 : v;
}
}  // namespace

int ChalkDirectionValue(int dx, int dy) { return ValueOfAngle(DirectionAngle(dx, dy)); }

ChalkFeatures ComputeChalkFeatures(const TChalkStroke& stroke, int pointCount) {
  ChalkFeatures f;
  const int c = stroke.count();
  // Only ten values exist; a count below 1 samples nothing.
  const int n = pointCount > 10 ? 10 : pointCount;
  if (n < 1 || n >= c / 2) return f;
  const int step = c / n;
  int i = step / 2;
  for (int k = 0; k < n; ++k, i += step) {
    const int dx = stroke.x(i + 1) - stroke.x(i - 1), dy = stroke.y(i + 1) - stroke.y(i - 1);
    const double angle = DirectionAngle(dx, dy);
    const int value = ValueOfAngle(angle);
    f.values[static_cast<size_t>(k)] = value;
    ChalkMark m;
    m.x = stroke.x(i);
    m.y = stroke.y(i);
    m.endX = m.x + static_cast<int>(std::lround(15 * std::cos(angle)));
    m.endY = m.y + static_cast<int>(std::lround(15 * std::sin(angle)));
    m.value = value;
    m.textLeft = value < 1;
    f.marks.push_back(m);
  }
  f.computed = true;
  return f;
}
