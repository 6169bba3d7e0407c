#include "world/TestRun.h"

#include <algorithm>
#include <cmath>
#include <cctype>
#include <cstdio>

#include "channels/ChannelNumbers.h"
#include "bodies/CritterTypes.h"
#include "bodies/GizmoBeer.h"
#include "bodies/GizmoChalk.h"
#include "bodies/GizmoHeart.h"
#include "bodies/GizmoLamp.h"
#include "bodies/GizmoLeg.h"
#include "bodies/GizmoScope.h"
#include "bodies/GoalWatch.h"
#include "platform/TextFormat.h"
#include "world/World.h"

namespace {

constexpr Rgb DialColours[] = {{210, 0, 0}, {0, 60, 220}, {0, 150, 0}, {170, 0, 170}, {220, 120, 0}, {0, 150, 150}};
constexpr Rgb EnergyColour{200, 0, 0}, GoalColour{0, 150, 0};

// A target is drawn dashed in a paler shade of its dial's colour.
Rgb Paler(Rgb c) {
  auto mix = [](uint8_t v) { return static_cast<uint8_t>(v + (255 - v) * 2 / 5); };
  return {mix(c.r), mix(c.g), mix(c.b)};
}

int Rounded(float v) { return static_cast<int>(std::floor(v + 0.5f)); }

// "the high bell never rang", "... rang once", "... rang twice", "... rang 3 times".
std::string BellRang(const char* bell, int n) {
  const std::string which = std::string("the ") + bell + " bell ";
  if (n <= 0) return which + "never rang";
  if (n == 1) return which + "rang once";
  if (n == 2) return which + "rang twice";
  return which + "rang " + std::to_string(n) + " times";
}

int Channel(const int32_t* block, int channel) { return block ? block[channel * SubValueCount] : 0; }

int LabOutput(TWorld& world, const TGizmo& g, int channel) { return Channel(world.BrainOutputs(g.brainNumber), channel); }
int LabInput(TWorld& world, const TGizmo& g, int channel) { return Channel(world.BrainInputs(g.brainNumber), channel); }

const char* OnOff(int v) { return v >= 50 ? "on" : "off"; }

// What the logic tester's task looks at, as the learner sees it on the bench.
std::string ScopeInputs(TWorld& world, const TOscilloscope& s) {
  const int s1 = LabInput(world, s, InCh::Switch1), s2 = LabInput(world, s, InCh::Switch2);
  if (s.taskType == 3 || s.taskType == 4) return Format(" (Slider at %d)", LabInput(world, s, InCh::Slider));
  if (s.taskType == 0 || s.taskType == 1) return Format(" (Switch 1 %s)", OnOff(s1));
  return Format(" (Switch 1 %s, Switch 2 %s)", OnOff(s1), OnOff(s2));
}

}  // namespace

void TTestRun::Clear() { *this = TTestRun(); }

std::string TTestRun::At(int tick) const { return Format("%.1f s", static_cast<double>((tick + 1) * SecondsPerTick)); }

void TTestRun::StartDials(TWorld& world) {
  bool scope = false;
  for (const auto& g : world.gizmos) scope = scope || dynamic_cast<const TOscilloscope*>(g.get());
  auto add = [this](std::string name, float goal = -1, std::string goalLabel = "") {
    TestRunDial d;
    d.name = std::move(name);
    d.colour = DialColours[dials.size() % std::size(DialColours)];
    d.goal = goal;
    d.goalLabel = std::move(goalLabel);
    dials.push_back(std::move(d));
  };
  for (const auto& g : world.gizmos) {
    watches_.push_back({g.get(), {}});
    if (const auto* lamp = dynamic_cast<const TLamp*>(g.get())) add("Light " + std::to_string(lamp->number + 1));
    else if (dynamic_cast<const TLeg*>(g.get())) add("Leg position");
    else if (dynamic_cast<const TBeer*>(g.get())) add("Glass", TBeer::AchievedLevel + 1, Format("full %d", TBeer::AchievedLevel + 1));
    else if (dynamic_cast<const THeart1*>(g.get())) add("Pumped", 100, "goal 100");
    else if (dynamic_cast<const THeart3*>(g.get())) add("Pumped", THeart3::Goal + 1, Format("goal %d", THeart3::Goal + 1));
    else if (const auto* goal = dynamic_cast<const TGoalWatch*>(g.get()))
      add(goal->ChartName(), goal->GoalReading(), Format("goal %g", static_cast<double>(goal->GoalReading())));
  }
  hasTargets_ = scope;
}

void TTestRun::Sample(TWorld& world) {
  if (finished_) return;
  if (ticks_ == 0) {
    creature = world.testCritter >= 0 && world.testCritter < static_cast<int>(world.critters.size());
    if (creature) {
      const TCritter& c = *world.critters[static_cast<size_t>(world.testCritter)];
      const CritterTypeInfo* type = CritterTypeByCode(c.typeCode);
      body = type && type->editorName ? type->editorName : c.typeName;
    } else {
      StartDials(world);
    }
  }
  if (creature) {
    if (world.testCritter < 0 || world.testCritter >= static_cast<int>(world.critters.size())) return;
    const TCritter& c = *world.critters[static_cast<size_t>(world.testCritter)];
    energy.push_back(c.energy);
    if (c.dead && diedAt < 0) diedAt = ticks_;
    ++ticks_;
    return;
  }
  const TOscilloscope* scope = nullptr;
  for (const auto& g : world.gizmos)
    if (!scope) scope = dynamic_cast<const TOscilloscope*>(g.get());
  size_t d = 0;
  for (const auto& g : world.gizmos) {
    if (d >= dials.size()) break;
    TestRunDial& dial = dials[d];
    float value = NAN, target = NAN;
    bool mine = true;
    if (const auto* lamp = dynamic_cast<const TLamp*>(g.get())) {
      value = static_cast<float>(LabOutput(world, *lamp, OutCh::Light1 + lamp->number));
      if (scope) target = static_cast<float>(LabInput(world, *scope, TOscilloscope::FirstTarget + lamp->number));
    } else if (const auto* leg = dynamic_cast<const TLeg*>(g.get())) {
      value = static_cast<float>(leg->position) / 10;
    } else if (const auto* beer = dynamic_cast<const TBeer*>(g.get())) {
      value = static_cast<float>(beer->level);
    } else if (const auto* h1 = dynamic_cast<const THeart1*>(g.get())) {
      value = static_cast<float>(h1->pumped);
    } else if (const auto* h3 = dynamic_cast<const THeart3*>(g.get())) {
      value = static_cast<float>(h3->pumped);
    } else if (const auto* goal = dynamic_cast<const TGoalWatch*>(g.get())) {
      value = goal->Reading();
    } else {
      mine = false;
    }
    if (!mine) continue;
    dial.values.push_back(value);
    if (hasTargets_ && dial.name.rfind("Light ", 0) == 0) dial.targets.push_back(target);
    ++d;
  }
  for (size_t k = 0; k < watches_.size() && k < world.gizmos.size(); ++k) {
    GizmoWatch& w = watches_[k];
    const int code = world.gizmos[k]->verdict;
    if (code < ActedTooEarly) continue;
    if (std::none_of(w.seen.begin(), w.seen.end(), [code](const CodeSeen& c) { return c.code == code; }))
      w.seen.push_back({code, ticks_, Describe(world, w, code)});
  }
  ++ticks_;
}

// The moment a gizmo first reports a failure, told in the bench's own terms.
std::string TTestRun::Describe(TWorld& world, const GizmoWatch& w, int code) const {
  const std::string when = At(ticks_);
  if (const auto* s = dynamic_cast<const TOscilloscope*>(w.gizmo)) {
    for (int k = 0; k < 4; ++k) {
      const int out = LabOutput(world, *s, OutCh::Light1 + k), want = LabInput(world, *s, TOscilloscope::FirstTarget + k);
      if (out == want) continue;
      if ((out >= 50) != (want >= 50))
        return Format("Light %d was %s while it should be %s, at %s", k + 1, OnOff(out), OnOff(want), when.c_str()) +
               ScopeInputs(world, *s) + ".";
      return Format("Light %d showed %d where %d was wanted, at %s", k + 1, out, want, when.c_str()) +
             ScopeInputs(world, *s) + ".";
    }
  }
  if (dynamic_cast<const TChalk*>(w.gizmo)) {
    std::string lit;
    for (const auto& g : world.gizmos)
      if (const auto* lamp = dynamic_cast<const TLamp*>(g.get()); lamp && LabOutput(world, *lamp, OutCh::Light1 + lamp->number) >= 50)
        lit += (lit.empty() ? "Light " : " and Light ") + std::to_string(lamp->number + 1);
    const auto* chalk = static_cast<const TChalk*>(w.gizmo);
    const std::string shown = chalk->judgedDigit >= 0 ? " a " + std::to_string(chalk->judgedDigit) : " a digit";
    if (code == WrongDigit)
      return "At " + when + ", on" + shown + " it had not learned from, " + (lit.empty() ? "no light was on" : lit + " lit") + ".";
    if (code == WrongOutput) return "At " + when + ", on" + shown + ", " + (lit.empty() ? "no light was on" : lit + " lit") + ".";
    if (code == NothingLearned) return "The lights gave the same answer to every digit, or no digit was kept back to test.";
    if (code == NothingRecorded) return "Too few digits were recorded and saved for each light.";
  }
  if (dynamic_cast<const TLeg*>(w.gizmo)) {
    if (code == ActedTooEarly) return "The leg moved at " + when + ", before the light came on.";
    if (code == WrongBell) return "The gold bell rang at " + when + ".";
  }
  if (const auto* b = dynamic_cast<const TBeer*>(w.gizmo); b && code == Spilled) {
    if (!b->GlassInPlace(b->glass)) return "Beer ran at " + when + " while no glass stood under the tap.";
    return Format("The glass ran over at %s (level %d; it spills above %d).", when.c_str(), b->level, TBeer::SpillLevel);
  }
  return "The test went wrong at " + when + ".";
}

std::string TTestRun::CreatureWhy(const VerdictFacts& f, bool passed) const {
  // "The ladybug", as the pages speak of it.
  std::string name = body;
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const char* who = name.c_str();
  const int n = static_cast<int>(energy.size());
  if (f.critterDead) {
    const std::string when = diedAt >= 0 ? " at " + At(diedAt) : "";
    if (f.kind == 2 || f.kind == 4 || goal <= 0) return Format("The %s died%s.", who, when.c_str());
    return Format("The %s died%s, with %d of the %d energy it needed.", who, when.c_str(), reached, goal);
  }
  if (passed && (f.kind == 2 || f.kind == 4)) {
    int at = -1;
    for (int k = 0; k < n && at < 0; ++k)
      if (Rounded(energy[static_cast<size_t>(k)]) >= goal) at = k;
    if (at < 0) return Format("The %s reached its goal of %d energy and stayed alive.", who, goal);
    return Format("The %s reached its goal of %d energy at %s and stayed alive.", who, goal, At(at).c_str());
  }
  // A test that asks only to stay alive has no energy to reach.
  if (passed && goal <= 0) return Format("The %s stayed alive to the end, with %d energy.", who, reached);
  if (passed) return Format("The %s reached %d of the %d energy it needed.", who, reached, goal);
  std::string s = Format("The %s reached %d of the %d energy it needed when the time ran out at %s.", who, reached,
                         goal, At(std::max(0, n - 1)).c_str());
  // A goal met on the way and lost again is worth saying.
  int best = -1;
  for (int k = 0; k < n; ++k)
    if (best < 0 || energy[static_cast<size_t>(k)] > energy[static_cast<size_t>(best)]) best = k;
  if (best >= 0 && Rounded(energy[static_cast<size_t>(best)]) >= goal)
    s += Format(" It had %d at %s but lost it again.", Rounded(energy[static_cast<size_t>(best)]), At(best).c_str());
  return s;
}

void TTestRun::Finish(TWorld& world, const VerdictFacts& f, bool passed) {
  if (finished_) return;
  if (ticks_ == 0 && !f.hasTestCritter) StartDials(world);
  creature = f.hasTestCritter;
  finished_ = true;
  this->passed = passed;
  const int last = std::max(0, ticks_ - 1);
  if (creature) {
    goal = Rounded(f.energyGoal);
    reached = Rounded(f.critterEnergy);
    if (body.empty() && world.testCritter >= 0 && world.testCritter < static_cast<int>(world.critters.size())) {
      const TCritter& c = *world.critters[static_cast<size_t>(world.testCritter)];
      const CritterTypeInfo* type = CritterTypeByCode(c.typeCode);
      body = type && type->editorName ? type->editorName : c.typeName;
    }
  }
  if (f.brainTouched) {
    why = "The brain was changed after the test had started.";
    return;
  }
  if (f.simulatedInput) {
    why = "A key or file input node fed the brain during the test.";
    return;
  }
  if (creature) {
    why = CreatureWhy(f, passed);
    failAt = passed ? -1 : f.critterDead && diedAt >= 0 ? diedAt : last;
    return;
  }
  if (passed) {
    const bool garden = std::any_of(world.gizmos.begin(), world.gizmos.end(),
                                    [](const auto& g) { return dynamic_cast<const TGoalWatch*>(g.get()); });
    why = garden ? "The task was done in time." : "Every part of the bench did its task.";
    return;
  }
  for (size_t k = 0; k < world.gizmos.size(); ++k) {
    const int code = world.gizmos[k]->verdict;
    if (code == 0) continue;
    if (k < watches_.size())
      for (const CodeSeen& c : watches_[k].seen)
        if (c.code == code) {
          why = c.sentence;
          // What is judged only at the end fails there.
          failAt = code == NothingLearned || code == NothingRecorded ? last : c.at;
          return;
        }
    failAt = last;
    timedOut_ = true;
    const TGizmo* g = world.gizmos[k].get();
    const std::string end = "when the time ran out at " + At(last);
    if (const auto* leg = dynamic_cast<const TLeg*>(g)) {
      const int high = leg->bellCount[TLeg::High], low = leg->bellCount[TLeg::Low];
      if (leg->taskType == 1) why = "The high bell had not rung " + end + ".";
      else if (leg->taskType == 2) why = "The low bell had not rung " + end + ".";
      else {
        std::string rang = BellRang("high", high) + " and " + BellRang("low", low);
        rang[0] = 'T';
        why = rang + (leg->taskType == 3 ? "; each should ring once and the leg end down."
                                          : "; each should ring at least 3 times.");
      }
    } else if (const auto* b = dynamic_cast<const TBeer*>(g)) {
      why = Format("The glass held %d of the %d it needed ", b->level, TBeer::AchievedLevel + 1) + end + ".";
    } else if (const auto* h1 = dynamic_cast<const THeart1*>(g)) {
      why = Format("The heart pumped %d of the 100 it needed ", h1->pumped) + end + ".";
    } else if (const auto* h3 = dynamic_cast<const THeart3*>(g)) {
      why = Format("The heart pumped %d of the %d it needed ", h3->pumped, THeart3::Goal + 1) + end + ".";
    } else if (const auto* goal = dynamic_cast<const TGoalWatch*>(g)) {
      why = goal->Shortfall() + "; the time ran out at " + At(last) + ".";
    } else {
      why = "The task was not done " + end + ".";
    }
    return;
  }
}

ChartPlan TTestRun::Chart() const {
  ChartPlan plan;
  plan.title = why;
  plan.xLabel = "seconds since the test started";
  plan.low = 0;
  plan.high = 100;
  plan.yStep = 20;
  plan.span = std::max(2, ticks_);
  plan.xStart = SecondsPerTick;
  plan.xEnd = std::max(2, ticks_) * SecondsPerTick;
  plan.markAt = failAt;
  if (creature) {
    plan.yLabel = "energy";
    float top = 100;
    for (float e : energy) top = std::max(top, e);
    plan.high = std::ceil(top / 20) * 20;
    plan.series.push_back({body + " energy", EnergyColour, energy, false});
    if (goal >= 0) plan.levels.push_back({static_cast<float>(goal), "goal " + std::to_string(goal), GoalColour});
    if (failAt >= 0 && failAt == diedAt) plan.markLabel = "died at " + At(failAt);
    else if (failAt >= 0) plan.markLabel = Format("%d of %d", reached, goal);
    plan.hint = "The test ran no ticks.";
    return plan;
  }
  plan.yLabel = "value";
  for (const TestRunDial& d : dials) {
    plan.series.push_back({d.name, d.colour, d.values, false});
    if (!d.targets.empty()) plan.series.push_back({d.name + " wanted", Paler(d.colour), d.targets, true});
    if (d.goal >= 0) plan.levels.push_back({d.goal, d.goalLabel, d.colour});
  }
  if (failAt >= 0) plan.markLabel = (timedOut_ ? "time up at " : "wrong at ") + At(failAt);
  plan.markDot = false;
  plan.hint = dials.empty() ? "Nothing on this bench is judged by value." : "The test ran no ticks.";
  return plan;
}
