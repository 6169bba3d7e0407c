#pragma once
// What a test did, tick by tick, kept so the verdict can show the run and say why it
// ended as it did: the judged body's energy against its goal, or each lab gizmo's
// value against its target, and the first moment the test went wrong.
#include <string>
#include <vector>

#include "brain/ActivityPlot.h"
#include "world/Verdict.h"

class TWorld;
class TGizmo;

// One value the bench is judged by, sampled each test tick.
struct TestRunDial {
  std::string name;
  Rgb colour;
  std::vector<float> values;
  std::vector<float> targets;  // empty: the dial has no target that moves
  float goal = -1;             // a fixed level to reach; below 0: none
  std::string goalLabel;
};

class TTestRun {
 public:
  static constexpr float SecondsPerTick = 0.05f;

  void Clear();
  // After each pass of the world while the test runs.
  void Sample(TWorld& world);
  // When the verdict is given: the sentence that says why, and the goal and the energy
  // reached for a creature test.
  void Finish(TWorld& world, const VerdictFacts& facts, bool passed);
  int ticks() const { return ticks_; }
  bool finished() const { return finished_; }
  // The run as a chart: the energy with its goal line and the failing point, or the dials
  // with their targets.
  ChartPlan Chart() const;

  bool creature = false;
  std::string body;            // the judged body's kind as the pages name it, "LadyBug"
  std::vector<float> energy;   // creature tests: one per tick
  int diedAt = -1;             // tick index where the body was first seen dead
  int goal = -1, reached = -1;  // creature tests, once finished
  std::vector<TestRunDial> dials;
  int failAt = -1;  // tick index where the verdict's reason happened; -1 on a pass
  std::string why;
  bool passed = false;

 private:
  // Each failing code a gizmo gave (2 and above): the tick it first appeared and what
  // the bench looked like then.
  struct CodeSeen {
    int code = 0;
    int at = -1;
    std::string sentence;
  };
  struct GizmoWatch {
    const TGizmo* gizmo = nullptr;
    std::vector<CodeSeen> seen;
  };
  void StartDials(TWorld& world);
  std::string Describe(TWorld& world, const GizmoWatch& w, int code) const;
  std::string CreatureWhy(const VerdictFacts& facts, bool passed) const;
  std::string At(int tick) const;

  std::vector<GizmoWatch> watches_;
  int ticks_ = 0;
  bool finished_ = false;
  bool timedOut_ = false;  // the bench failed by running out of time
  bool hasTargets_ = false;  // the lights have targets (the logic tester)
};
