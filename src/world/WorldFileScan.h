#pragma once
// Reads the numbers and words of a world-file line the way "%d", "%f" and "%s" do,
// refusing what would harm the world: integers outside int, floats that are not finite
// or lie beyond a million.
#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>

class LineScan {
 public:
  static constexpr float MaxMagnitude = 1e6f;

  explicit LineScan(const std::string& text) : p_(text.c_str()) {}

  bool Int(int& v) {
    skipSpace();
    char* end = nullptr;
    errno = 0;
    long n = std::strtol(p_, &end, 10);
    if (end == p_ || errno == ERANGE || n < INT_MIN || n > INT_MAX) return false;
    p_ = end;
    v = static_cast<int>(n);
    return true;
  }
  bool Float(float& v) {
    skipSpace();
    char* end = nullptr;
    float f = std::strtof(p_, &end);
    if (end == p_ || !std::isfinite(f) || std::fabs(f) > MaxMagnitude) return false;
    p_ = end;
    v = f;
    return true;
  }
  bool Word(std::string& w) {
    skipSpace();
    const char* start = p_;
    while (*p_ && !std::isspace(static_cast<unsigned char>(*p_))) ++p_;
    w.assign(start, p_);
    return !w.empty();
  }
  template <typename... T>
  bool Ints(T&... v) {
    return (Int(v) && ...);
  }
  template <typename... T>
  bool Floats(T&... v) {
    return (Float(v) && ...);
  }
  // Nothing but blanks left.
  bool AtEnd() {
    skipSpace();
    return *p_ == 0;
  }

 private:
  void skipSpace() {
    while (*p_ && std::isspace(static_cast<unsigned char>(*p_))) ++p_;
  }
  const char* p_;
};
