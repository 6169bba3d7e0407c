#include <gtest/gtest.h>

#include "shell/SoundService.h"
#include "support/Fakes.h"

namespace {
SoundRecord Record(int priority, size_t bytes) {
  SoundRecord r;
  r.bytes.assign(bytes, 1);
  r.priority = priority;
  r.duration = static_cast<int>(bytes / 22);
  return r;
}
}  // namespace

TEST(SoundService, LowerPriorityWaitsForTheHoldToRunOut) {
  FakeSound out;
  SoundService s(&out);
  int loopsReplaced = 0;
  s.onLoopReplaced = [&] { ++loopsReplaced; };
  SoundRecord switchOn = Record(100, 22 * 150), tick = Record(10, 220);
  EXPECT_TRUE(s.PlaySoundObject(switchOn));
  EXPECT_EQ(s.soundHold, 3);  // 150 ms at 50 ms a tick
  EXPECT_FALSE(s.PlaySoundObject(tick));
  s.TickHold();
  s.TickHold();
  EXPECT_FALSE(s.PlaySoundObject(tick));
  s.TickHold();
  EXPECT_EQ(s.soundPriority, 0);
  EXPECT_TRUE(s.PlaySoundObject(tick));
  EXPECT_EQ(out.count(FakeSound::Once), 2);
  EXPECT_EQ(loopsReplaced, 2);
}

TEST(SoundService, SoundOffReportsSuccessWithoutPlaying) {
  FakeSound out;
  SoundService s(&out);
  s.soundOn = false;
  std::vector<uint8_t> tone(100, 128);
  EXPECT_TRUE(s.PlaySoundObject(Record(5, 100)));
  EXPECT_TRUE(s.PlayLoopSound(&tone, 1));
  EXPECT_TRUE(out.events.empty());
}

TEST(SoundService, LoopHoldsTwoHundredTicksAndNoBytesStopsEverything) {
  FakeSound out;
  SoundService s(&out);
  std::vector<uint8_t> tone(100, 128);
  EXPECT_TRUE(s.PlayLoopSound(&tone, 20));
  EXPECT_EQ(s.soundHold, 200);
  EXPECT_FALSE(s.PlayLoopSound(&tone, 19));
  EXPECT_TRUE(s.PlayLoopSound(nullptr, 30));
  EXPECT_EQ(s.soundPriority, 0);
  EXPECT_EQ(s.soundHold, 0);
  EXPECT_EQ(out.events.back().kind, FakeSound::Stop);
}

TEST(SoundService, UnreadableFileLeavesAnEmptyRecordThatPlaysNothing) {
  FakeSound out;
  SoundService s(&out);
  SoundRecord r;
  s.LoadSound("no\\such.wav", r, 50);
  EXPECT_TRUE(r.empty());
  EXPECT_EQ(r.priority, 50);
  EXPECT_TRUE(s.PlaySoundObject(r));
  EXPECT_TRUE(out.events.empty());
}
