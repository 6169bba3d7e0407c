#include "brain/DialogNumbers.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>

int ReadInteger(const std::string& text, int fallback) {
  const char* start = text.c_str();
  char* end = nullptr;
  errno = 0;
  const long v = std::strtol(start, &end, 10);
  if (end == start) return fallback;
  if (errno == ERANGE || v > INT_MAX || v < INT_MIN) return v < 0 ? INT_MIN : INT_MAX;
  return static_cast<int>(v);
}

double ReadReal(const std::string& text, double fallback) {
  const char* start = text.c_str();
  char* end = nullptr;
  const double v = std::strtod(start, &end);
  if (end == start || !std::isfinite(v)) return fallback;
  return v;
}

double Clamp(double v, double low, double high) { return v < low ? low : (v > high ? high : v); }
