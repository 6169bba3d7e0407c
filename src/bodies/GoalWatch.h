#pragma once
// A test's judge in a garden world: it watches one body (the letter a brain picks, the
// gate, the push button, a ball pushed about) and is content once the body does what the
// page asks. It sits in the gizmo list, so the verdict reads it like a bench gizmo: not
// achieved at the end is "Time's up". Level worlds list it under [GIZMOS] as
//   goal CRITTER WHAT VALUE WHEN OTHER
// WHAT: 0 the body shows picture VALUE, 1 a picture of VALUE or more, 2 it has moved
// VALUE tenths of a square from its start, 3 it came within VALUE tenths of a square of
// body OTHER, 4 its energy is VALUE or more. WHEN: 0 it must hold at the end, 1 once is
// enough. The gizmo factory builds it from the world's bodies (GizmoPorts::critters).
#include <memory>
#include <string>
#include <vector>

#include "bodies/Critter.h"
#include "bodies/Gizmo.h"

class TGoalWatch : public TGizmo {
 public:
  enum What { ShowsPicture, PictureAtLeast, MovedAway, CameNear, EnergyAtLeast, WhatCount };
  enum When { AtTheEnd, OnceIsEnough };

  // Nothing when WHAT or WHEN is out of range or the ports name no bodies; body numbers
  // are checked as the world runs.
  static std::unique_ptr<TGoalWatch> Make(const TGizmoLine& line, const GizmoPorts& ports);

  void step(int tick, IndexedImage& canvas, bool testMode, std::vector<TRect>& dirty) override;
  void reset() override;
  void draw(IndexedImage&) override {}

  // What was missing, in the page's terms ("The letter showed B, not H").
  std::string Shortfall() const;
  // The Test Run chart's line for this goal: its name, the reading at the last step on
  // the chart's 0 to 100 scale (a bulb's brightness, a button 100 while pressed, tenths
  // of a square, energy, a picture number) and the goal on the same scale.
  std::string ChartName() const;
  float Reading() const { return OnChart(shown_); }
  float GoalReading() const { return OnChart(static_cast<float>(value)); }

  const int critter, what, value, when, other;

 private:
  TGoalWatch(const TGizmoLine& line, const GizmoPorts& ports);
  const TCritter* Body(int number) const;
  // The watched measure now: a picture, tenths of a square or energy.
  float Measure(const TCritter& body) const;
  bool Holds(float measure) const;
  std::string BodyName(const TCritter& body) const;
  float OnChart(float measure) const;

  const std::vector<std::unique_ptr<TCritter>>& critters_;
  float shown_ = 0;  // the measure at the last step
  float best_ = 0;   // the best it came to since the reset
  bool seen_ = false;
};
