#include "bodies/GizmoFactory.h"

#include <cstdio>

#include "bodies/GizmoBeer.h"
#include "bodies/GizmoChalk.h"
#include "bodies/GizmoHeart.h"
#include "bodies/GizmoLamp.h"
#include "bodies/GizmoLeg.h"
#include "bodies/GizmoScope.h"
#include "bodies/GizmoSlider.h"
#include "bodies/GizmoSwitch.h"

namespace {
// Reads `count` integers from position `at`; false when the line is too short or a
// number is missing.
bool NumbersAt(const std::string& line, size_t at, int count, int* out) {
  if (at >= line.size()) return false;
  const std::string rest = line.substr(at);
  int n = 0;
  switch (count) {
    case 1: n = std::sscanf(rest.c_str(), "%d", &out[0]); break;
    case 2: n = std::sscanf(rest.c_str(), "%d %d", &out[0], &out[1]); break;
    case 5: n = std::sscanf(rest.c_str(), "%d %d %d %d %d", &out[0], &out[1], &out[2], &out[3], &out[4]); break;
    default: return false;
  }
  return n == count;
}

// The digit at a position, or -1.
int DigitAt(const std::string& line, size_t at) {
  return at < line.size() && line[at] >= '0' && line[at] <= '9' ? line[at] - '0' : -1;
}

std::unique_ptr<TGizmo> Build(const std::string& line, const GizmoPorts& ports, bool& bad) {
  int v[5] = {};
  bad = true;
  switch (line[0]) {
    case '1': bad = false; return std::make_unique<THeart1>(ports);
    case '3': bad = false; return std::make_unique<THeart3>(ports);
    case 'c': bad = false; return std::make_unique<TChalk>(ports);
    case 'v': bad = false; return std::make_unique<TSlider>(ports);
    case 'b':
      if (!NumbersAt(line, 4, 1, v)) return nullptr;
      bad = false;
      return std::make_unique<TBeer>(ports, v[0]);
    case 'l': {
      const int n = DigitAt(line, 4);
      if (n < 0 || n > 3) return nullptr;
      bad = false;
      return std::make_unique<TLamp>(ports, n);
    }
    case 'm':
      if (!NumbersAt(line, 7, 5, v)) return nullptr;
      bad = false;
      return std::make_unique<TLeg>(ports, v[0] != 0, v[1] != 0, v[2], v[3], v[4]);
    case 'o':
      if (!NumbersAt(line, 12, 2, v) || v[0] < -1 || v[0] > 10) return nullptr;
      bad = false;
      return std::make_unique<TOscilloscope>(ports, v[0], v[1] != 0);
    case 's': {
      const int n = DigitAt(line, 6);
      if (n < 0 || n > 1 || !NumbersAt(line, 7, 2, v) || v[0] < 1) return nullptr;
      bad = false;
      return std::make_unique<TSwitch>(ports, n, v[0], v[1]);
    }
    default: bad = false; return nullptr;
  }
}
}  // namespace

std::unique_ptr<TGizmo> MakeGizmo(const std::string& line, const GizmoPorts& ports, std::string* error) {
  if (error) error->clear();
  if (line.empty()) return nullptr;
  bool bad = false;
  auto gizmo = Build(line, ports, bad);
  if (bad) {
    const std::string text = "Bad gizmo line: " + line;
    ports.host.Message(text, GizmoLineErrorCaption);
    if (error) *error = text;
  }
  return gizmo;
}
