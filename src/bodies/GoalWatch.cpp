#include "bodies/GoalWatch.h"

#include <algorithm>
#include <cmath>

#include "channels/ChannelNumbers.h"
#include "platform/TextFormat.h"

namespace {
constexpr int LetterPictures = 42;
constexpr const char* LetterSigns = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789.!?+-=";

std::string Sign(int picture) {
  if (picture < 0) return "?";
  return std::string(1, LetterSigns[picture % LetterPictures]);
}

float Tenths(float dx, float dy) { return std::sqrt(dx * dx + dy * dy) * 10; }
}  // namespace

std::unique_ptr<TGoalWatch> TGoalWatch::Make(const TGizmoLine& line, const GizmoPorts& ports) {
  const int what = line.values[1], when = line.values[3];
  if (!ports.critters || what < 0 || what >= WhatCount || (when != AtTheEnd && when != OnceIsEnough)) return nullptr;
  return std::unique_ptr<TGoalWatch>(new TGoalWatch(line, ports));
}

TGoalWatch::TGoalWatch(const TGizmoLine& line, const GizmoPorts& ports)
    : TGizmo(ports), critter(line.values[0]), what(line.values[1]), value(line.values[2]), when(line.values[3]),
      other(line.values[4]), critters_(*ports.critters) {
  reset();
}

const TCritter* TGoalWatch::Body(int number) const {
  if (number < 0 || number >= static_cast<int>(critters_.size())) return nullptr;
  return critters_[static_cast<size_t>(number)].get();
}

float TGoalWatch::Measure(const TCritter& body) const {
  switch (what) {
    case ShowsPicture:
    case PictureAtLeast:
      return body.parts.empty() ? -1.0f : static_cast<float>(body.parts.front()->getFrame());
    case MovedAway: return Tenths(body.x - body.startX, body.y - body.startY);
    case CameNear: {
      const TCritter* near = Body(other);
      return near ? Tenths(body.x - near->x, body.y - near->y) : 1e9f;
    }
    default: return body.energy;
  }
}

bool TGoalWatch::Holds(float m) const {
  switch (what) {
    case ShowsPicture: return static_cast<int>(m) == value;
    case CameNear: return m <= static_cast<float>(value);
    case EnergyAtLeast: return std::floor(m + 0.5f) >= static_cast<float>(value);
    default: return m >= static_cast<float>(value);
  }
}

void TGoalWatch::reset() {
  verdict = NotYetAchieved;
  seen_ = false;
  shown_ = best_ = 0;
}

void TGoalWatch::step(int, IndexedImage&, bool, std::vector<TRect>&) {
  const TCritter* body = Body(critter);
  if (!running || !body) return;
  shown_ = Measure(*body);
  if (!seen_) best_ = shown_;
  // Nearer is better for CameNear, more for the rest.
  best_ = what == CameNear ? std::min(best_, shown_) : std::max(best_, shown_);
  seen_ = true;
  if (Holds(shown_)) verdict = Achieved;
  else if (when == AtTheEnd) verdict = NotYetAchieved;
}

std::string TGoalWatch::BodyName(const TCritter& body) const {
  switch (body.typeCode) {
    case TypeCodes::PushButton: return "push button";
    case TypeCodes::Vehicle: return "cart";
    default: {
      std::string name = body.typeName;
      std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
      return name;
    }
  }
}

std::string TGoalWatch::Shortfall() const {
  const TCritter* body = Body(critter);
  if (!body || (what == CameNear && !Body(other))) return "The body this test watches is not in the world.";
  const std::string name = "The " + BodyName(*body);
  const int now = static_cast<int>(shown_);
  switch (what) {
    case ShowsPicture:
      if (body->typeCode == TypeCodes::Letter) {
        const bool turned = now >= LetterPictures, wantTurned = value >= LetterPictures;
        if (Sign(now) == Sign(value) && turned != wantTurned)
          return name + " showed " + Sign(value) + (turned ? " turned over, not upright" : " upright, not turned over");
        return name + " showed " + Sign(now) + ", not " + Sign(value);
      }
      if (body->typeCode == TypeCodes::Gate) return Format("%s stood at %d, not at %d", name.c_str(), now, value);
      return Format("%s showed picture %d, not %d", name.c_str(), now, value);
    case PictureAtLeast:
      if (body->typeCode == TypeCodes::PushButton) return name + " was never pressed";
      if (body->typeCode == TypeCodes::Bulb)
        return Format("%s shone at %d, not the %d it needed", name.c_str(), static_cast<int>(OnChart(best_)),
                      static_cast<int>(GoalReading()));
      return Format("%s showed picture %d, not %d or more", name.c_str(), now, value);
    case MovedAway:
      return Format("%s moved %.1f of the %.1f squares it needed", name.c_str(), static_cast<double>(best_ / 10),
                    static_cast<double>(value) / 10);
    case CameNear: {
      const TCritter* near = Body(other);
      return Format("%s came no nearer than %.1f squares to the %s, not within %.1f", name.c_str(),
                    static_cast<double>(best_ / 10), BodyName(*near).c_str(), static_cast<double>(value) / 10);
    }
    default:
      return Format("%s had %d of the %d energy it needed", name.c_str(), static_cast<int>(std::floor(shown_ + 0.5f)),
                    value);
  }
}

float TGoalWatch::OnChart(float measure) const {
  const TCritter* body = Body(critter);
  if (what != PictureAtLeast || !body) return measure;
  if (body->typeCode == TypeCodes::Bulb) return measure * 5;
  if (body->typeCode == TypeCodes::PushButton) return measure >= 4 ? 100.0f : 0.0f;
  return measure;
}

std::string TGoalWatch::ChartName() const {
  const TCritter* body = Body(critter);
  const std::string name = body ? BodyName(*body) : "body";
  switch (what) {
    case ShowsPicture: return name + (body && body->typeCode == TypeCodes::Gate ? " angle" : " sign");
    case PictureAtLeast:
      if (body && body->typeCode == TypeCodes::Bulb) return name + " brightness";
      if (body && body->typeCode == TypeCodes::PushButton) return name + " pressed";
      return name + " picture";
    case MovedAway: return name + " moved (tenths of a square)";
    case CameNear: return name + " distance (tenths of a square)";
    default: return name + " energy";
  }
}
