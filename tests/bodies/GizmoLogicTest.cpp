#include <gtest/gtest.h>

#include "GizmoFakes.h"
#include "bodies/GizmoLamp.h"
#include "bodies/GizmoScope.h"
#include "bodies/GizmoSlider.h"
#include "bodies/GizmoSwitch.h"

TEST(GizmoSwitch, DivisorTenOffsetZeroIsOffFiftyTicksThenOnThirtyAndRepeats) {
  GizmoBench b;
  TSwitch s(b.Ports(), 0, 10, 0);
  for (int tick = 0; tick < 240; ++tick) {
    b.Step(s, tick);
    EXPECT_EQ(b.brain.In(0), tick % 80 >= 50 ? 100 : 0) << tick;
  }
  EXPECT_EQ(b.brain.names, std::vector<std::string>{"Lab"});
  EXPECT_TRUE(b.brain.inputs[0]);
  EXPECT_FALSE(b.brain.anyHidden);
}

TEST(GizmoSwitch, SecondSwitchFeedsSwitchTwoAndPhasesStayNonNegative) {
  GizmoBench b;
  TSwitch s(b.Ports(), 1, 3, -13);
  EXPECT_TRUE(b.brain.inputs[1]);
  EXPECT_FALSE(b.brain.inputs[0]);
  for (int tick = 0; tick < 30; ++tick) {
    const int phase = TSwitch::Phase(tick, 3, -13);
    EXPECT_GE(phase, 0);
    EXPECT_LT(phase, 8);
    b.Step(s, tick);
    EXPECT_EQ(b.brain.In(1), phase >= 5 ? 100 : 0);
  }
  EXPECT_EQ(TSwitch::Phase(0, 3, -13), 3);  // -13 mod 8
}

TEST(GizmoSwitch, DrawsThePhaseFrameAtItsPlaceOnlyWhenThePhaseChanges) {
  GizmoBench b;
  TSwitch s(b.Ports(), 1, 10, 0);
  ASSERT_FALSE(b.fake.messages.shown.empty());  // no sheet where the tests run
  EXPECT_EQ(b.fake.messages.shown[0].caption, "Load Gizmo Error");
  s.sheet = NumberedSheet(61, 8, 83);
  b.Step(s, 0);
  ASSERT_EQ(b.dirty.size(), 1u);
  EXPECT_EQ(b.dirty[0], (TRect{4, 75, 65, 158}));
  EXPECT_EQ(b.canvas.at(4, 75), 1);
  b.Step(s, 5);
  EXPECT_TRUE(b.dirty.empty());
  b.Step(s, 30);
  EXPECT_EQ(b.canvas.at(64, 157), 4);
  EXPECT_EQ(b.dirty.size(), 1u);
}

TEST(GizmoSlider, TriangleWaveWithFlatEnds) {
  GizmoBench b;
  TSlider v(b.Ports());
  for (int tick = 0; tick <= 65; ++tick) {
    b.Step(v, tick);
    const int value = b.brain.In(2);
    if (tick <= 5 || (tick >= 55 && tick <= 65)) {
      EXPECT_EQ(value, 100) << tick;
    }
    if (tick >= 25 && tick <= 35) {
      EXPECT_EQ(value, 0) << tick;
    }
    EXPECT_EQ(value, TSlider::Value(tick));
  }
  EXPECT_EQ(TSlider::Value(6), 95);
  EXPECT_EQ(TSlider::Value(45), 50);
}

TEST(GizmoSlider, ArrowShowsWhetherTheValueRoseFellOrStayed) {
  GizmoBench b;
  TSlider v(b.Ports());
  b.Step(v, 10);
  EXPECT_EQ(v.trend, TSlider::Stayed);
  b.Step(v, 11);
  EXPECT_EQ(v.trend, TSlider::Fell);
  b.Step(v, 11);
  EXPECT_EQ(v.trend, TSlider::Stayed);
  b.Step(v, 50);
  EXPECT_EQ(v.trend, TSlider::Rose);
}

TEST(GizmoLamp, FiveLevelsFromTheLightOutput) {
  EXPECT_EQ(TLamp::Level(99), 4);
  EXPECT_EQ(TLamp::Level(19), 0);
  EXPECT_EQ(TLamp::Level(20), 1);
  EXPECT_EQ(TLamp::Level(250), 4);
  EXPECT_EQ(TLamp::Level(-60), 0);
  GizmoBench b;
  TLamp lamp(b.Ports(), 2);
  EXPECT_TRUE(b.brain.outputs[2]);
  lamp.sheet = NumberedSheet(42, 5, 62);
  b.brain.Out(2) = 61;
  b.Step(lamp, 0);
  EXPECT_EQ(lamp.level, 3);
  EXPECT_EQ(b.canvas.at(118 + 84, 30), 4);
  ASSERT_EQ(b.dirty.size(), 1u);
  EXPECT_EQ(b.dirty[0], (TRect{202, 30, 244, 92}));
}

namespace {
struct Scope : GizmoBench {
  void Set(int s1, int s2, int slider, std::initializer_list<int> lights) {
    brain.block.inputs[0][0] = s1, brain.block.inputs[1][0] = s2, brain.block.inputs[2][0] = slider;
    int k = 0;
    for (int l : lights) brain.Out(k++) = l;
  }
  int Target(int k) const { return brain.In(TOscilloscope::FirstTarget + k); }
};
}  // namespace

TEST(GizmoScope, TypeFourWithTheSliderAtFortyLightsTheFirstTwoTargets) {
  Scope b;
  TOscilloscope o(b.Ports(), 4, false);
  b.Set(0, 0, 40, {0, 0, 0, 0});
  b.Step(o, 7);
  EXPECT_EQ(b.Target(0), 100);
  EXPECT_EQ(b.Target(1), 100);
  EXPECT_EQ(b.Target(2), 0);
  EXPECT_EQ(b.Target(3), 0);
  for (int k = 1; k < 4; ++k) EXPECT_TRUE(b.brain.inputs[static_cast<size_t>(28 + k)]);
  EXPECT_FALSE(b.brain.inputs[28]);  // targets are not shown
}

TEST(GizmoScope, LogicTasksOverTheFourSwitchStates) {
  // Target 1 (and Target 2 for type 10) for S1, S2 = off/off, off/on, on/off, on/on.
  const int expected[11][4] = {{0, 0, 100, 100},     {0, 0, 100, 100}, {0, 0, 100, 100}, {0, 0, 0, 0},
                               {0, 0, 0, 0},         {0, 100, 100, 100}, {0, 0, 0, 100}, {0, 100, 0, 0},
                               {100, 100, 0, 0},     {0, 100, 100, 0}, {0, 100, 100, 0}};
  const int lights[4] = {7, 8, 9, 10};
  for (int type = 0; type <= 10; ++type)
    for (int s = 0; s < 4; ++s) {
      const int s1 = s & 2 ? 100 : 0, s2 = s & 1 ? 100 : 0;
      int t[4];
      TOscilloscope::Targets(type, lights, s1, s2, 10, t);
      EXPECT_EQ(t[0], expected[type][s]) << "type " << type << " state " << s;
      if (type == 10) {
        EXPECT_EQ(t[1], s == 3 ? 100 : 0);
      }
      if (type == 2) {
        EXPECT_EQ(t[3], s2);
      }
      if (type >= 5) {
        EXPECT_EQ(t[2], 9);  // untouched targets follow their lights
      }
    }
  int t[4];
  TOscilloscope::Targets(3, lights, 0, 0, 80, t);
  EXPECT_EQ(t[0], 100);
  TOscilloscope::Targets(3, lights, 0, 0, 79, t);
  EXPECT_EQ(t[0], 0);
}

TEST(GizmoScope, AMismatchInATestDropsTheResultToThree) {
  Scope b;
  TOscilloscope o(b.Ports(), 8, true);
  EXPECT_TRUE(b.brain.inputs[28]);
  b.Set(0, 0, 0, {100, 0, 0, 0});
  b.Step(o, 1);
  EXPECT_EQ(o.verdict, 0);
  b.Set(100, 0, 0, {100, 0, 0, 0});
  b.Step(o, 2);  // wrong, but no test runs
  EXPECT_EQ(o.verdict, 0);
  b.Step(o, 3, true);
  EXPECT_EQ(o.verdict, 3);
  b.Set(100, 0, 0, {0, 0, 0, 0});
  b.Step(o, 4, true);
  EXPECT_EQ(o.verdict, 3);  // it stays until a reset
  o.reset();
  EXPECT_EQ(o.verdict, 0);
}

TEST(GizmoScope, TypeMinusOneDoesNothing) {
  Scope b;
  TOscilloscope o(b.Ports(), -1, false);
  b.Set(100, 0, 0, {0, 55, 0, 0});
  b.Step(o, 0, true);
  EXPECT_EQ(b.Target(1), 0);
  EXPECT_EQ(o.verdict, 0);
  EXPECT_TRUE(b.dirty.empty());
}

TEST(GizmoScope, TickZeroClearsTheScreenLaterTicksClearASixPixelColumnAndPlotTraces) {
  Scope b;
  b.canvas.fill(9);
  b.brain.outputs[0] = true;  // a lamp's channel, offered by another gizmo
  b.brain.inputs[0] = true;
  TOscilloscope o(b.Ports(), 0, true);
  b.Step(o, 0);
  ASSERT_EQ(b.dirty.size(), 1u);
  EXPECT_EQ(b.dirty[0], (TRect{165, 104, 280, 152}));
  EXPECT_EQ(b.canvas.at(165, 104), 0);
  EXPECT_EQ(b.canvas.at(164, 104), 9);
  b.Set(100, 0, 0, {0, 0, 0, 0});
  b.Step(o, 117, true);  // column 2
  ASSERT_EQ(b.dirty.size(), 1u);
  EXPECT_EQ(b.dirty[0], (TRect{167, 104, 173, 152}));
  // Switch 1 and Target 1 in red, Light 1 in blue, its target in olive: four bands of 11.
  auto colourAt = [&](int y) { return b.canvas.palette[b.canvas.at(167, y)]; };
  EXPECT_EQ(colourAt(105), (Rgb{0, 0, 0}));  // the palette is all black here
  b.canvas.palette[200] = {255, 0, 0};
  b.canvas.palette[201] = {0x7F, 0x7F, 0xFF};
  b.canvas.palette[202] = {0x7F, 0x7F, 0};
  b.Step(o, 233, true);  // column 3
  int reds = 0, blues = 0, olives = 0;
  for (int y = 104; y < 152; ++y) {
    const uint8_t v = b.canvas.at(168, y);
    reds += v == 200, blues += v == 201, olives += v == 202;
  }
  EXPECT_EQ(reds, 2);
  EXPECT_EQ(blues, 1);
  EXPECT_EQ(olives, 1);
  EXPECT_EQ(b.canvas.at(168, 105), 200);             // Switch 1 at 100: top of band 0
  EXPECT_EQ(b.canvas.at(168, 105 + 11 * 2 + 10), 201);  // Light 1 at 0: bottom of band 2
  // The last column is clipped to the screen.
  b.Step(o, 114, true);
  EXPECT_EQ(b.dirty[0], (TRect{279, 104, 280, 152}));
}
