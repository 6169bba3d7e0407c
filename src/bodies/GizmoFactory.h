#pragma once
// Gizmos from the lines of a world's [GIZMOS] section. The first character picks the
// gizmo; its numbers stand at fixed character positions (counted from 0):
//   '1' one-chamber heart, '3' three-chamber heart, 'c' chalk board, 'v' slider: none;
//   'b' beer tap: "%d" from 4 (variant);  'l' lamp: the digit at 4 (0 to 3);
//   'm' leg: "%d %d %d %d %d" from 7 (second-bell flag, leg-position flag, window start,
//       window end, task type);
//   'o' oscilloscope: "%d %d" from 12 (task type -1 to 10, show-targets flag);
//   's' switch: the digit at 6 (0 or 1), then "%d %d" from 7 (divisor of at least 1,
//       phase offset).
//   'g' goal: "%d %d %d %d %d" from 5 (body, what, value, when, other body; see
//       GoalWatch.h), built only when the ports name the world's bodies.
#include <memory>
#include <string>

#include "bodies/Gizmo.h"

constexpr const char* GizmoLineErrorCaption = "Load Gizmo Error";

// The gizmo of a line. A line whose first character names no gizmo gives nothing and no
// error (such lines are skipped). A line with a number missing or out of range gives
// nothing, shows "Bad gizmo line: " + the line with the caption above through the ports'
// host, and puts the same text into `error` when given.
std::unique_ptr<TGizmo> MakeGizmo(const std::string& line, const GizmoPorts& ports, std::string* error = nullptr);
// The same from a line the world-file reader has already taken apart (numbers it could
// not read are 0): ranges are checked as above; the report shows the record as
// "Bad gizmo line: " + kind + its numbers.
std::unique_ptr<TGizmo> MakeGizmo(const TGizmoLine& record, const GizmoPorts& ports, std::string* error = nullptr);
// A line taken apart at the fixed positions; false when a number is missing.
bool ParseGizmoLine(const std::string& line, TGizmoLine& record);
