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
#include "bodies/GoalWatch.h"

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

bool KnownKind(char kind) {
  for (char k : {'1', '3', 'b', 'c', 'g', 'l', 'm', 'o', 's', 'v'})
    if (k == kind) return true;
  return false;
}

// Nothing for a record whose numbers are out of range.
std::unique_ptr<TGizmo> Build(const TGizmoLine& g, const GizmoPorts& ports) {
  const int* v = g.values;
  switch (g.kind) {
    case '1': return std::make_unique<THeart1>(ports);
    case '3': return std::make_unique<THeart3>(ports);
    case 'c':
      if (g.number < TChalk::DigitTest || g.number > TChalk::RecordingTest) return nullptr;
      return std::make_unique<TChalk>(ports, g.number);
    case 'v': return std::make_unique<TSlider>(ports);
    case 'g': return TGoalWatch::Make(g, ports);
    case 'b': return std::make_unique<TBeer>(ports, g.number);
    case 'l':
      if (g.number < 0 || g.number > 3) return nullptr;
      return std::make_unique<TLamp>(ports, g.number);
    case 'm': return std::make_unique<TLeg>(ports, v[0] != 0, v[1] != 0, v[2], v[3], v[4]);
    case 'o':
      if (v[0] < -1 || v[0] > 10) return nullptr;
      return std::make_unique<TOscilloscope>(ports, v[0], v[1] != 0);
    case 's':
      // A divisor of 0 would divide by zero at every tick.
      if (g.number < 0 || g.number > 1 || v[0] < 1) return nullptr;
      return std::make_unique<TSwitch>(ports, g.number, v[0], v[1]);
    default: return nullptr;
  }
}

void Report(const std::string& what, const GizmoPorts& ports, std::string* error) {
  const std::string text = "Bad gizmo line: " + what;
  ports.host.Message(text, GizmoLineErrorCaption);
  if (error) *error = text;
}

std::string RecordText(const TGizmoLine& g) {
  std::string text = g.kind == 'g' ? "goal" : std::string(1, g.kind) + " " + std::to_string(g.number);
  for (int v : g.values) text += " " + std::to_string(v);
  return text;
}
}  // namespace

bool ParseGizmoLine(const std::string& line, TGizmoLine& g) {
  g = TGizmoLine{};
  if (line.empty()) return false;
  g.kind = line[0];
  switch (g.kind) {
    case 'b': return NumbersAt(line, 4, 1, &g.number);
    case 'c':  // the test it sets, when a number follows "chalk"
      if (!NumbersAt(line, 5, 1, &g.number)) g.number = 0;
      return true;
    case 'l': return (g.number = DigitAt(line, 4)) >= 0;
    case 'g': return NumbersAt(line, 5, 5, g.values);
    case 'm': return NumbersAt(line, 7, 5, g.values);
    case 'o': return NumbersAt(line, 12, 2, g.values);
    case 's': return (g.number = DigitAt(line, 6)) >= 0 && NumbersAt(line, 7, 2, g.values);
    default: return true;
  }
}

std::unique_ptr<TGizmo> MakeGizmo(const std::string& line, const GizmoPorts& ports, std::string* error) {
  if (error) error->clear();
  if (line.empty() || !KnownKind(line[0])) return nullptr;
  TGizmoLine record;
  std::unique_ptr<TGizmo> gizmo;
  if (ParseGizmoLine(line, record)) gizmo = Build(record, ports);
  if (!gizmo) Report(line, ports, error);
  return gizmo;
}

std::unique_ptr<TGizmo> MakeGizmo(const TGizmoLine& record, const GizmoPorts& ports, std::string* error) {
  if (error) error->clear();
  if (!KnownKind(record.kind)) return nullptr;
  auto gizmo = Build(record, ports);
  if (!gizmo) Report(RecordText(record), ports, error);
  return gizmo;
}
