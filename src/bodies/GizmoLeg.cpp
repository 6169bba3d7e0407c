#include "bodies/GizmoLeg.h"

#include <algorithm>

namespace {
constexpr int RaiseLeg = 7, LowerLeg = 8, Eyes = 8, LegPos = 9;
}

TLeg::TLeg(const GizmoPorts& ports, bool second, bool posInput, int start, int end, int type)
    : TGizmo(ports), secondBell(second), legPosInput(posInput), windowStart(start), windowEnd(end), taskType(type) {
  if (legPosInput) AttachLab({Eyes, LegPos}, {RaiseLeg, LowerLeg});
  else AttachLab({Eyes}, {RaiseLeg, LowerLeg});
  LoadSheet("pics\\legleg.bmp");
  if (ports_.sounds) {
    sounds_[High] = ports_.sounds->LoadSound("wavs\\bell2.wav");
    sounds_[Low] = ports_.sounds->LoadSound("wavs\\bell3.wav");
  }
  verdict = NotYetAchieved;
}

void TLeg::reset() {
  position = 0;
  std::fill(std::begin(bellCount), std::end(bellCount), 0);
  std::fill(std::begin(ringing), std::end(ringing), 0);
  tooEarly = false;
  verdict = NotYetAchieved;
}

void TLeg::Move(bool raise, bool lower) {
  if (raise && !lower) position = std::min(MaxPosition, position + 50);
  else if (lower && !raise) position -= 50;
  else if (!raise && !lower) position -= 10;
  position = std::max(0, position);
}

void TLeg::Ring(int bell) {
  ++bellCount[bell];
  ringing[bell] = RingTicks;
  if (ports_.sounds && sounds_[bell] >= 0) ports_.sounds->PlaySound(sounds_[bell]);
}

int TLeg::Judge() const {
  if (tooEarly) return ActedTooEarly;
  switch (taskType) {
    case 1: return bellCount[High] > 0 ? Achieved : NotYetAchieved;
    case 2:
      if (bellCount[High] > 0) return WrongBell;
      return bellCount[Low] > 0 ? Achieved : NotYetAchieved;
    case 3: return bellCount[High] == 1 && bellCount[Low] == 1 && position == 0 ? Achieved : NotYetAchieved;
    case 4: return bellCount[High] >= 3 && bellCount[Low] > 2 ? Achieved : NotYetAchieved;
    default: return NotYetAchieved;
  }
}

void TLeg::step(int tick, IndexedImage& canvas, bool, std::vector<TRect>& dirty) {
  const bool raise = OutputOn(RaiseLeg), lower = OutputOn(LowerLeg);
  const int before = position, oldIndex = PictureIndex(position);
  Move(raise, lower);
  const int index = PictureIndex(position);
  for (int& r : ringing) r = std::max(0, r - 1);
  if (raise && oldIndex == 7 && index == 8) Ring(High);
  if (raise && secondBell && oldIndex == 3 && index == 4) Ring(Low);
  if (position != before && tick < windowStart) tooEarly = true;
  lightOn = tick >= windowStart && tick < windowEnd;
  SetInput(Eyes, lightOn ? 100 : 0);
  if (legPosInput) SetInput(LegPos, position / 10);
  verdict = Judge();
  if (index != shown || BellState() != shownBells_) draw(canvas);
  DrawLight(canvas);
  FlushDirty(dirty, canvas);
}

void TLeg::DrawLight(IndexedImage& canvas) {
  if (int(lightOn) == shownLight_) return;
  Paste(canvas, 2 * HighBell.w + 2 * LowBell.w + (lightOn ? Light.w : 0), Leg.h, Light.w, Light.h, Light.x, Light.y);
  shownLight_ = lightOn;
}

void TLeg::draw(IndexedImage& canvas) {
  const int index = PictureIndex(position);
  Paste(canvas, index * Leg.w, 0, Leg.w, Leg.h, Leg.x, Leg.y);
  Paste(canvas, ringing[High] > 0 ? HighBell.w : 0, Leg.h, HighBell.w, HighBell.h, HighBell.x, HighBell.y, true);
  if (secondBell)
    Paste(canvas, 2 * HighBell.w + (ringing[Low] > 0 ? LowBell.w : 0), Leg.h, LowBell.w, LowBell.h, LowBell.x,
          LowBell.y, true);
  shown = index;
  shownBells_ = BellState();
  shownLight_ = -1;
  DrawLight(canvas);
}
