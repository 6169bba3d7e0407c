#pragma once
// The chalk area's stroke and the direction values it turns into: the stroke is sampled
// at N evenly spaced points, and each point's direction becomes a value from -100 to 99
// (0 straight down, -50 to the right, -100 up, 50 to the left).
#include <array>
#include <string>
#include <vector>

class TChalkStroke {
 public:
  static constexpr int Capacity = 2000, MaxCount = 1999;

  // Button down: the stroke starts anew at the point.
  void Start(int x, int y);
  // A move with the button down; once the stroke is full the last point moves instead.
  void Add(int x, int y);
  void Clear() { count_ = 0; }
  int count() const { return count_; }
  int x(int i) const { return xs_[static_cast<size_t>(i)]; }
  int y(int i) const { return ys_[static_cast<size_t>(i)]; }

 private:
  std::array<int, Capacity> xs_{}, ys_{};
  int count_ = 0;
};

// What "Show points" draws for one sampled point.
struct ChalkMark {
  int x = 0, y = 0;        // the point (red disc of radius 3)
  int endX = 0, endY = 0;  // the direction line, 15 pixels long
  int value = 0;           // printed in blue
  bool textLeft = false;   // values below 1 stand left of the point, the others right
};

struct ChalkFeatures {
  std::array<int, 10> values{};
  std::vector<ChalkMark> marks;
  // False when the stroke was too short for N points: the values stay zero and are not
  // handed on.
  bool computed = false;
};

// The NumPointsBox text as a count: 6 when it is not a number.
int ChalkPointCount(const std::string& text);
// Direction value of a move by (dx, dy), chalk-area y growing downwards.
int ChalkDirectionValue(int dx, int dy);
ChalkFeatures ComputeChalkFeatures(const TChalkStroke& stroke, int pointCount);
