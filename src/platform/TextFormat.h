#pragma once
// printf-style text for the sentences the program builds (verdict reasons, readouts).
#include <cstdio>
#include <string>

template <typename... A>
std::string Format(const char* format, A... args) {
  char buf[256];
  std::snprintf(buf, sizeof buf, format, args...);
  return buf;
}
