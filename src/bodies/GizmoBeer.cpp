#include "bodies/GizmoBeer.h"

#include <algorithm>

namespace {
constexpr int ArmUp = 31, ArmDown = 32, GlassInput = 58;
}

TBeer::TBeer(const GizmoPorts& ports, int v) : TGizmo(ports), variant(v) {
  AttachLab({GlassInput}, {ArmUp, ArmDown});
  LoadSheet("pics\\beerpics.bmp");
  verdict = NotYetAchieved;
}

void TBeer::reset() {
  arm = level = 0;
  started = spilled = achieved = false;
  glass = 0;
  verdict = NotYetAchieved;
}

int TBeer::GlassPosition(int tick) { return std::clamp((tick - 20) / 2, 0, LastGlassPosition); }

void TBeer::MoveArm() {
  const bool up = OutputOn(ArmUp), down = OutputOn(ArmDown);
  if (up && !down) arm -= 2;
  else if (down && !up) arm += 2;
  else if (!up && !down) arm -= 1;
  arm = std::clamp(arm, 0, MaxArm);
}

// A spill stays a spill: what ran over cannot be poured back.
void TBeer::Pour(bool testMode) {
  if (!Pouring()) return;
  if (!GlassInPlace(glass)) {
    spilled = true;
    return;
  }
  level = std::min(MaxLevel, level + 1);
  if (level > SpillLevel) spilled = true;
  else if (level > AchievedLevel || (testMode && level / 4 == 18)) achieved = true;
}

void TBeer::step(int tick, IndexedImage& canvas, bool testMode, std::vector<TRect>& dirty) {
  glass = GlassPosition(tick);
  if (running) {
    started = true;
    MoveArm();
    Pour(testMode);
  }
  verdict = spilled ? Spilled : (achieved ? Achieved : NotYetAchieved);
  SetInput(GlassInput, GlassSensed(glass) ? 100 : 0);
  if (State() != shownState_) draw(canvas);
  FlushDirty(dirty, canvas);
}

int TBeer::State() const {
  return ((((Opening() * 2 + (Pouring() && running)) * 14 + glass) * 23 + level / 4) * 2 + spilled) * 2 +
         GlassSensed(glass);
}

// Beside the belt where the glass is sensed; by the tap it stands clear of the stream.
int TBeer::SensorX() const {
  return variant != 0 ? GlassStartX + 5 * GlassStep + 6 : GlassStartX + LastGlassPosition * GlassStep + 34;
}

void TBeer::draw(IndexedImage& canvas) {
  Paste(canvas, Opening() * Tap.w, 0, Tap.w, Tap.h, Tap.x, Tap.y);
  const bool flowing = Pouring() && running;
  Paste(canvas, 5 * Tap.w + (flowing ? Stream.w : 0), 0, Stream.w, Stream.h, Stream.x, Stream.y);
  Paste(canvas, 0, Tap.h, Belt.w, Belt.h, Belt.x, Belt.y);
  if (spilled) Paste(canvas, Belt.w, Tap.h, Puddle.w, Puddle.h, Puddle.x, Puddle.y, true);
  const int row = Tap.h + Belt.h;
  Paste(canvas, (level / 4) * Glass.w, row, Glass.w, Glass.h, GlassStartX + glass * GlassStep, Glass.y, true);
  Paste(canvas, 5 * Tap.w + 2 * Stream.w + (GlassSensed(glass) ? Sensor.w : 0), 0, Sensor.w, Sensor.h, SensorX(),
        Sensor.y);
  shownState_ = State();
  shown = level / 4;
}
