#include <gtest/gtest.h>

#include "GizmoFakes.h"
#include "bodies/GizmoBeer.h"
#include "bodies/GizmoHeart.h"
#include "bodies/GizmoLeg.h"

namespace {
constexpr int RaiseLeg = 7, LowerLeg = 8, Eyes = 8, LegPos = 9;

struct Leg : GizmoBench {
  // Raises the leg from `from` for `ticks` ticks, then lets it sink back to 0.
  int Kick(TLeg& leg, int from, int ticks) {
    int tick = from;
    brain.Out(RaiseLeg) = 100;
    for (int k = 0; k < ticks; ++k) Step(leg, tick++);
    brain.Out(RaiseLeg) = 0;
    while (leg.position > 0) Step(leg, tick++);
    return tick;
  }
};
}  // namespace

TEST(GizmoLeg, MovesSinksBackAndReportsItsPositionAndLight) {
  Leg b;
  TLeg leg(b.Ports(), false, true, 10, 20, 1);
  EXPECT_TRUE(b.brain.inputs[Eyes]);
  EXPECT_TRUE(b.brain.inputs[LegPos]);
  EXPECT_TRUE(b.brain.outputs[RaiseLeg] && b.brain.outputs[LowerLeg]);
  EXPECT_EQ(leg.verdict, 1);
  b.Step(leg, 9);
  EXPECT_EQ(b.brain.In(Eyes), 0);
  b.Step(leg, 10);
  EXPECT_EQ(b.brain.In(Eyes), 100);
  b.Step(leg, 19);
  EXPECT_EQ(b.brain.In(Eyes), 100);
  b.brain.Out(RaiseLeg) = 50;
  b.Step(leg, 20);
  EXPECT_EQ(b.brain.In(Eyes), 0);
  EXPECT_EQ(leg.position, 50);
  EXPECT_EQ(b.brain.In(LegPos), 5);
  b.brain.Out(LowerLeg) = 100;
  b.Step(leg, 21);  // both on: it holds
  EXPECT_EQ(leg.position, 50);
  b.brain.Out(RaiseLeg) = 49;
  b.Step(leg, 22);
  EXPECT_EQ(leg.position, 0);
  b.brain.Out(LowerLeg) = 0;
  b.brain.Out(RaiseLeg) = 100;
  for (int k = 0; k < 30; ++k) b.Step(leg, 23 + k);
  EXPECT_EQ(leg.position, 1000);
  EXPECT_EQ(TLeg::PictureIndex(leg.position), 9);
  b.brain.Out(RaiseLeg) = 0;
  b.Step(leg, 60);
  EXPECT_EQ(leg.position, 990);
}

TEST(GizmoLeg, HighBellRingsPassingSevenToEightAndTaskOneIsAchieved) {
  Leg b;
  TLeg leg(b.Ports(), false, false, 5, 100, 1);
  EXPECT_FALSE(b.brain.inputs[LegPos]);
  ASSERT_EQ(b.sounds.loaded, (std::vector<std::string>{"wavs\\bell2.wav", "wavs\\bell3.wav"}));
  b.Kick(leg, 5, 16);  // up to 800
  EXPECT_EQ(leg.bellCount[TLeg::High], 1);
  EXPECT_EQ(leg.bellCount[TLeg::Low], 0);  // no second bell on this bench
  EXPECT_EQ(b.sounds.played, std::vector<std::string>{"wavs\\bell2.wav"});
  EXPECT_EQ(leg.verdict, 0);
  leg.reset();
  EXPECT_EQ(leg.verdict, 1);
  EXPECT_EQ(leg.bellCount[TLeg::High], 0);
  EXPECT_EQ(leg.position, 0);
}

TEST(GizmoLeg, SinkingThroughABellDoesNotRingIt) {
  Leg b;
  TLeg leg(b.Ports(), true, false, 0, 100, 1);
  b.Kick(leg, 0, 15);  // up to 750, then sinking back through 400
  EXPECT_EQ(leg.bellCount[TLeg::High], 0);
  EXPECT_EQ(leg.bellCount[TLeg::Low], 1);
  EXPECT_EQ(leg.verdict, 1);
}

TEST(GizmoLeg, TaskTwoWantsTheLowBellAndFailsOnTheGoldOne) {
  Leg b;
  TLeg low(b.Ports(), true, false, 0, 100, 2);
  b.Kick(low, 0, 8);  // up to 400
  EXPECT_EQ(low.verdict, 0);
  Leg c;
  TLeg high(c.Ports(), true, false, 0, 100, 2);
  c.Kick(high, 0, 17);
  EXPECT_EQ(high.bellCount[TLeg::Low], 1);
  EXPECT_EQ(high.verdict, 4);
}

TEST(GizmoLeg, TaskThreeWantsEachBellOnceAndTheLegBackDown) {
  Leg b;
  TLeg leg(b.Ports(), true, false, 0, 1000, 3);
  b.brain.Out(RaiseLeg) = 100;
  int tick = 0;
  for (int k = 0; k < 17; ++k) b.Step(leg, tick++);
  EXPECT_EQ(leg.verdict, 1);  // both rang, but the leg is up
  b.brain.Out(RaiseLeg) = 0;
  b.brain.Out(LowerLeg) = 100;
  while (leg.position > 0) b.Step(leg, tick++);
  EXPECT_EQ(leg.verdict, 0);
  b.brain.Out(LowerLeg) = 0;
  b.Kick(leg, tick, 2);
  EXPECT_EQ(leg.verdict, 0);  // back at 0 again, still once each
  b.Kick(leg, tick + 100, 9);
  EXPECT_EQ(leg.bellCount[TLeg::Low], 2);
  EXPECT_EQ(leg.verdict, 1);
}

TEST(GizmoLeg, TaskFourWantsThreeOfEach) {
  Leg b;
  TLeg leg(b.Ports(), true, false, 0, 10000, 4);
  int tick = 0;
  for (int kick = 0; kick < 3; ++kick) {
    EXPECT_EQ(leg.verdict, 1);
    tick = b.Kick(leg, tick, 17);
  }
  EXPECT_EQ(leg.bellCount[TLeg::High], 3);
  EXPECT_EQ(leg.bellCount[TLeg::Low], 3);
  EXPECT_EQ(leg.verdict, 0);
}

TEST(GizmoLeg, MovingBeforeTheLightIsTooEarlyForGood) {
  Leg b;
  TLeg leg(b.Ports(), false, false, 30, 60, 1);
  b.Step(leg, 0);  // resting at 0 is not moving
  EXPECT_EQ(leg.verdict, 1);
  b.Kick(leg, 10, 1);
  EXPECT_EQ(leg.verdict, 2);
  b.Kick(leg, 30, 17);
  EXPECT_EQ(leg.bellCount[TLeg::High], 1);
  EXPECT_EQ(leg.verdict, 2);
}

TEST(GizmoLeg, BellsAreDrawnOverTheLegWhileTheyRing) {
  Leg b;
  TLeg leg(b.Ports(), false, false, 0, 100, 1);
  leg.sheet = NumberedSheet(160, 10, 178);
  b.Step(leg, 0);
  EXPECT_EQ(b.canvas.at(TLeg::Leg.x, TLeg::Leg.y), 1);
  ASSERT_EQ(b.dirty.size(), 1u);
  EXPECT_EQ(b.dirty[0], (TRect{30, 40, 230, 200}));  // the leg with its light
}

namespace {
constexpr int ArmUp = 31, ArmDown = 32, GlassInput = 58;
struct Beer : GizmoBench {
  // Opens the tap fully, waits for the glass, then pours until the level reaches `level`.
  int PourTo(TBeer& beer, int level) {
    int tick = 0;
    while (beer.glass < TBeer::LastGlassPosition) Step(beer, tick++);
    brain.Out(ArmDown) = 100;
    while (beer.level < level) Step(beer, tick++);
    brain.Out(ArmDown) = 0;
    return tick;
  }
};
}  // namespace

TEST(GizmoBeer, AchievedAboveSixtyFiveAndSpilledAboveSeventyNine) {
  Beer b;
  TBeer beer(b.Ports(), 0);
  EXPECT_TRUE(b.brain.inputs[GlassInput]);
  EXPECT_TRUE(b.brain.outputs[ArmUp] && b.brain.outputs[ArmDown]);
  beer.start();
  EXPECT_EQ(beer.verdict, 1);
  b.PourTo(beer, 65);
  EXPECT_EQ(beer.verdict, 1);
  b.brain.Out(ArmDown) = 100;
  b.Step(beer, 60);
  EXPECT_EQ(beer.level, 66);
  EXPECT_EQ(beer.verdict, 0);
  for (int t = 61; beer.level < 79; ++t) b.Step(beer, t);
  EXPECT_EQ(beer.verdict, 0);
  b.Step(beer, 100);
  EXPECT_EQ(beer.level, 80);
  EXPECT_EQ(beer.verdict, 5);
  beer.reset();
  EXPECT_EQ(beer.verdict, 1);
  EXPECT_EQ(beer.level, 0);
  EXPECT_EQ(beer.arm, 0);
}

TEST(GizmoBeer, ArmDriftsShutAndMovesOnlyWhileRunning) {
  Beer b;
  TBeer beer(b.Ports(), 0);
  b.brain.Out(ArmDown) = 100;
  b.Step(beer, 0);
  EXPECT_EQ(beer.arm, 0);
  beer.start();
  for (int t = 0; t < 6; ++t) b.Step(beer, 0);
  EXPECT_EQ(beer.arm, 9);
  b.brain.Out(ArmUp) = 100;  // both on: it stays
  b.Step(beer, 0);
  EXPECT_EQ(beer.arm, 9);
  b.brain.Out(ArmDown) = 0;
  b.Step(beer, 0);
  EXPECT_EQ(beer.arm, 7);
  b.brain.Out(ArmUp) = 0;
  b.Step(beer, 0);
  EXPECT_EQ(beer.arm, 6);
  EXPECT_EQ(beer.Opening(), 3);
}

TEST(GizmoBeer, PouringWithoutAGlassSpillsForGood) {
  Beer b;
  TBeer beer(b.Ports(), 0);
  beer.start();
  b.brain.Out(ArmDown) = 100;
  b.Step(beer, 0);
  EXPECT_EQ(beer.verdict, 1);  // arm at 2: still shut
  b.Step(beer, 1);
  EXPECT_EQ(beer.verdict, 5);  // arm at 4: it pours onto the belt
  b.PourTo(beer, 70);
  EXPECT_EQ(beer.verdict, 5);
}

TEST(GizmoBeer, GlassInputByVariant) {
  Beer b;
  TBeer plain(b.Ports(), 0), early(b.Ports(), 7);
  EXPECT_EQ(TBeer::GlassPosition(0), 0);
  EXPECT_EQ(TBeer::GlassPosition(29), 4);
  EXPECT_EQ(TBeer::GlassPosition(46), 13);
  EXPECT_EQ(TBeer::GlassPosition(500), 13);
  for (int tick = 0; tick < 60; ++tick) {
    const int g = TBeer::GlassPosition(tick);
    b.Step(plain, tick);
    EXPECT_EQ(b.brain.In(GlassInput), g == 13 ? 100 : 0);
    b.Step(early, tick);
    EXPECT_EQ(b.brain.In(GlassInput), g == 5 || g == 6 ? 100 : 0);
  }
}

TEST(GizmoHeart, OneChamberReachesItsGoalOnlyInATest) {
  GizmoBench b;
  THeart1 heart(b.Ports());
  EXPECT_TRUE(b.brain.outputs[12]);
  EXPECT_EQ(heart.verdict, 1);
  auto beat = [&](bool testMode) {
    for (int tick = 1; heart.pumped < 99 && tick < 400; ++tick) {
      b.brain.Out(12) = tick % 6 < 2 ? 100 : 0;  // two beats, four ticks to fill
      b.Step(heart, tick, testMode);
    }
  };
  beat(false);
  EXPECT_EQ(heart.pumped, 99);
  EXPECT_EQ(heart.verdict, 1);
  b.brain.Out(12) = 0;
  b.Step(heart, 0);
  EXPECT_EQ(heart.pumped, 0);
  beat(true);
  EXPECT_EQ(heart.pumped, 99);
  EXPECT_EQ(heart.verdict, 0);
  heart.reset();
  EXPECT_EQ(heart.volume, 9);
  EXPECT_EQ(heart.verdict, 1);
}

TEST(GizmoHeart, OneChamberPushesOutOnlyWhatItHolds) {
  GizmoBench b;
  THeart1 heart(b.Ports());
  b.brain.Out(12) = 100;
  for (int tick = 1; tick <= 6; ++tick) b.Step(heart, tick);
  EXPECT_EQ(heart.volume, 0);
  EXPECT_EQ(heart.pumped, 9);
  b.brain.Out(12) = 0;
  b.Step(heart, 7);
  EXPECT_EQ(heart.volume, 1);
}

// Only blood that is there moves: a ring squeezing the chambers in turn fills the gauge,
// while a chamber held on (or all three) pushes out what it holds once and then nothing.
TEST(GizmoHeart, ThreeChambersPumpOnlyTheBloodTheyHold) {
  auto run = [](auto pattern, int ticks) {
    GizmoBench b;
    THeart3 heart(b.Ports());
    heart.start();
    for (int tick = 1; tick <= ticks; ++tick) {
      for (int c = 0; c < 3; ++c) b.brain.Out(9 + c) = pattern(tick, c) ? 100 : 0;
      b.Step(heart, tick, true);
    }
    return std::make_pair(heart.pumped, heart.verdict);
  };
  for (int len = 1; len <= 3; ++len) {
    const auto [pumped, verdict] = run([len](int t, int c) { return (t / len) % 3 == c; }, 300);
    EXPECT_GT(pumped, 81) << "ring of " << len;
    EXPECT_LT(pumped, 100);
    EXPECT_EQ(verdict, 0);
  }
  for (int held = 0; held < 3; ++held) {
    const auto [pumped, verdict] = run([held](int, int c) { return c == held; }, 300);
    EXPECT_EQ(pumped, held == 2 ? 9 : 0) << "chamber " << held + 1 << " held";
    EXPECT_EQ(verdict, 1);
  }
  EXPECT_LT(run([](int, int) { return true; }, 300).first, 30);
}

TEST(GizmoHeart, ThreeChambersBlockedForwardGoBackAndFullHeartFlowsBack) {
  GizmoBench b;
  THeart3 heart(b.Ports());
  for (int c = 9; c <= 11; ++c) EXPECT_TRUE(b.brain.outputs[static_cast<size_t>(c)]);
  heart.start();
  heart.pumped = 30;
  b.Step(heart, 1, true);  // all full and idle: blood flows back
  EXPECT_EQ(heart.pumped, 10);
  b.brain.Out(10) = 100;  // chamber 2 squeezed with chamber 3 full: back into chamber 1
  heart.volumes[0] = 5;
  b.Step(heart, 2, true);
  EXPECT_EQ(heart.volumes[1], 7);
  EXPECT_EQ(heart.volumes[0], 8);  // 2 back, 1 from the veins
  EXPECT_EQ(heart.pumped, 10);
  b.brain.Out(10) = 0;
  b.brain.Out(11) = 100;  // chamber 3 pushes what it holds into the body
  b.Step(heart, 3, true);
  EXPECT_EQ(heart.volumes[2], 7);
  EXPECT_EQ(heart.pumped, 12);
  heart.stop();
  b.Step(heart, 4, true);
  EXPECT_EQ(heart.pumped, 12);  // a stopped heart does not beat
  heart.reset();
  EXPECT_EQ(heart.volumes[1], 9);
  EXPECT_EQ(heart.pumped, 0);
  EXPECT_EQ(heart.verdict, 1);
}
