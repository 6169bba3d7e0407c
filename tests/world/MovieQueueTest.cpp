#include <gtest/gtest.h>

#include <climits>

#include "platform/Files.h"
#include "platform/IndexedImage.h"
#include "support/Fakes.h"
#include "world/MovieQueue.h"
#include "world/MovieWriter.h"

namespace {
struct SoundLog : IMovieSound {
  void PlayFrameSound(const std::vector<uint8_t>& wave, bool loop) override { played.push_back({wave.size(), loop}); }
  std::vector<std::pair<size_t, bool>> played;
};

// A queue on a 64 x 300 view (band rows 70 to 229) with its own window picture.
struct Stage {
  FakeHost fake;
  SoundLog sound;
  MovieQueue queue{&fake.messages, &fake.text, &sound};
  IndexedImage view{64, 300, 0}, window{64, 300, 0};
  std::vector<std::array<int, 4>> changed;
  MovieScreen screen{&view, &window, [this](int x, int y, int w, int h) { changed.push_back({x, y, w, h}); }};

  int TicksWhileBusy(int limit = 1000) {
    int n = 0;
    while (queue.IsBusy() && n < limit) queue.Step(screen), ++n;
    return n;
  }
};

// Frame k shows a 16 x 16 square of colour 10 + k; frame 1 carries a sound.
MovieData Squares(int pictures, int delay) {
  MovieWriter w(16, 16);
  for (int k = 1; k <= pictures; ++k) w.AddPicture(IndexedImage(16, 16, static_cast<uint8_t>(10 + k)), delay);
  w.SetSound(1, std::vector<uint8_t>(44, 1), false);
  return ParseMovie(w.Bytes());
}
}  // namespace

TEST(MovieScript, WordsSeparatorAndDefaultArgument) {
  EXPECT_EQ(ParseMovieScriptLine("RUNM movie\\a.mvi"), (MovieStep{MovieRun, "movie\\a.mvi"}));
  EXPECT_EQ(ParseMovieScriptLine("PAUS:-1"), (MovieStep{MoviePause, "-1"}));
  EXPECT_EQ(ParseMovieScriptLine("MEST Well done, you"), (MovieStep{MovieTitle, "Well done, you"}));
  EXPECT_EQ(ParseMovieScriptLine("FTOB"), (MovieStep{MovieFadeView, "FadeToBlack"}));
  EXPECT_EQ(ParseMovieScriptLine("MTOB "), (MovieStep{MovieFadeBand, "FadeToBlack"}));
  EXPECT_FALSE(ParseMovieScriptLine("RUN movie"));
  EXPECT_FALSE(ParseMovieScriptLine("runm x"));
  MovieQueue q(nullptr, nullptr, nullptr);
  q.QueueMovieStep(MovieFadeView);
  EXPECT_EQ(q.queued().front().text, "FadeToBlack");
}

TEST(MovieQueue, IdleQueueLeavesTheTickToTheWorld) {
  Stage s;
  EXPECT_FALSE(s.queue.Step(s.screen));
  EXPECT_FALSE(s.queue.HoldsWorld());
  s.queue.QueueMovieStep(MovieTitle, "T");
  EXPECT_TRUE(s.queue.IsBusy());
  EXPECT_TRUE(s.queue.Step(s.screen));  // starting a step takes the tick
  EXPECT_FALSE(s.queue.Step(s.screen));
}

TEST(MovieQueue, MovieWithOneSlotShowsNothingAndEndsOnItsFirstTick) {
  Stage s;
  MovieData one;
  one.frameCount = 1;
  one.frames.resize(1);
  s.queue.StartMovie(one, false);
  EXPECT_TRUE(s.queue.playing());
  EXPECT_TRUE(s.queue.Step(s.screen));
  EXPECT_FALSE(s.queue.playing());
  EXPECT_TRUE(s.changed.empty());
}

TEST(MovieQueue, FramesOneToLastPlayAfterTheirDelays) {
  Stage s;
  s.queue.StartMovie(Squares(3, 120), false);  // 120 ms: a frame lasts three ticks
  std::vector<int> shown;
  int ticks = 0;
  while (s.queue.playing() && ticks < 50) {
    s.queue.Step(s.screen), ++ticks;
    shown.push_back(s.window.at(32, 150));
  }
  EXPECT_EQ(shown, (std::vector<int>{11, 11, 11, 12, 12, 12, 13, 13, 13, 13}));
  ASSERT_EQ(s.sound.played.size(), 1u);
  EXPECT_FALSE(s.sound.played[0].second);
  EXPECT_EQ(s.changed.front(), (std::array<int, 4>{24, 142, 16, 16}));
}

TEST(MovieQueue, AHugeFrameDelayHoldsTheWorldTenSecondsAtMost) {
  Stage s;
  s.queue.StartMovie(Squares(2, INT32_MAX), false);
  const int ticks = s.TicksWhileBusy(100000);
  EXPECT_GE(ticks, 2 * 200);  // each frame still stands its ten seconds
  EXPECT_LE(ticks, 2 * 200 + 2);
  EXPECT_FALSE(s.queue.HoldsWorld());
}

TEST(MovieQueue, FadeInShowsFrameOneThroughThePatternThenAgainAsFirstPlayedFrame) {
  Stage s;
  s.queue.StartMovie(Squares(2, 50), true);
  s.queue.Step(s.screen);  // step 0: only the last pattern position (2, 3) shows
  EXPECT_EQ(s.window.at(26, 143), 11);
  EXPECT_EQ(s.window.at(25, 143), 0);
  EXPECT_EQ(s.window.at(26, 142), 0);
  for (int k = 1; k < 16; ++k) s.queue.Step(s.screen);
  EXPECT_FALSE(s.queue.fadingIn());
  EXPECT_TRUE(s.queue.playing());
  for (int y = 142; y < 158; ++y)
    for (int x = 24; x < 40; ++x) ASSERT_EQ(s.window.at(x, y), 11);
  EXPECT_EQ(s.sound.played.size(), 16u);  // the frame's sound starts with each fade step
  EXPECT_EQ(s.queue.frameCounter(), 0);
  s.queue.Step(s.screen);
  EXPECT_EQ(s.queue.frameCounter(), 1);
  EXPECT_EQ(s.sound.played.size(), 17u);
  s.queue.Step(s.screen);
  EXPECT_EQ(s.window.at(30, 150), 12);
}

TEST(MovieQueue, FadesClearThePatternInOrder) {
  Stage s;
  s.view.fill(7);
  s.window.fill(9);
  s.queue.QueueMovieStep(MovieFadeView);
  s.queue.Step(s.screen);
  s.queue.Step(s.screen);  // step 0 clears (1, 1)
  EXPECT_EQ(s.view.at(1, 1), 0);
  EXPECT_EQ(s.view.at(5, 197), 0);
  EXPECT_EQ(s.view.at(3, 3), 7);
  s.queue.Step(s.screen);  // step 1 clears (3, 3)
  EXPECT_EQ(s.view.at(3, 3), 0);
  EXPECT_EQ(s.view.at(3, 1), 7);
  EXPECT_EQ(s.window.at(3, 3), 0);
  EXPECT_EQ(s.window.at(3, 1), 7);
  EXPECT_EQ(s.TicksWhileBusy(), 14);
  EXPECT_EQ(s.view.pixels(), std::vector<uint8_t>(64 * 300, 0));

  // The band fade touches only rows 70 to 229.
  s.view.fill(7);
  s.queue.QueueMovieStep(MovieFadeBand);
  EXPECT_EQ(s.TicksWhileBusy(), 17);
  EXPECT_EQ(s.view.at(0, 69), 7);
  EXPECT_EQ(s.view.at(3, 230), 7);
  EXPECT_EQ(s.view.at(0, 72), 0);
  EXPECT_EQ(s.view.at(3, 229), 0);
}

TEST(MovieQueue, TitleAndMessageGoOnTheWindowInWhiteArial) {
  Stage s;
  s.window.fill(3);
  s.queue.QueueMovieStep(MovieTitle, "Sorry");
  s.queue.QueueMovieStep(MovieMessage, "It didn't make it");
  s.queue.Step(s.screen);
  s.queue.Step(s.screen);
  EXPECT_EQ(s.fake.text.drawn, (std::vector<std::string>{"Sorry", "It didn't make it"}));
  EXPECT_EQ(s.window.at(0, 69), 0);   // title strip: rows 0 to 69
  EXPECT_EQ(s.window.at(0, 70), 3);   // the band is left alone
  EXPECT_EQ(s.window.at(0, 230), 0);  // message strip: row 230 down
  // The title fits the 64 columns in 18 points; the message, 136 pixels wide, shrinks to
  // the smallest size rather than run off the view.
  EXPECT_EQ(s.fake.text.sizes, (std::vector<int>{18, 10}));
  // Centred on the middle column with their middles 100 rows from the view's middle;
  // FakeText puts one pixel at the top left of each 8-pixel character.
  EXPECT_EQ(s.window.at(32 - 20, 50 - 12), 15);
  EXPECT_EQ(s.window.at(32 - 68 + 40, 250 - 6), 15);
  EXPECT_EQ(s.view.pixels(), std::vector<uint8_t>(64 * 300, 0));
}

TEST(MovieQueue, PausesCountDownAndMinusOneWaitsForAReset) {
  Stage s;
  s.queue.QueueMovieStep(MoviePause, "3");
  s.queue.QueueMovieStep(MoviePause, "-1");
  int held = 0;
  while (s.queue.pauseCounter() != -1 && held < 20) s.queue.Step(s.screen), ++held;
  EXPECT_EQ(held, 5);  // start, three ticks, start of the next
  EXPECT_FALSE(s.queue.IsBusy());
  for (int i = 0; i < 30; ++i) EXPECT_TRUE(s.queue.Step(s.screen));
  EXPECT_TRUE(s.queue.WaitsForStart());
  EXPECT_TRUE(s.queue.Reset());
  EXPECT_FALSE(s.queue.HoldsWorld());
  EXPECT_FALSE(s.queue.Step(s.screen));
  EXPECT_FALSE(s.queue.Reset());
  // Other negative values hold nothing.
  s.queue.QueueMovieStep(MoviePause, "-7");
  s.queue.Step(s.screen);
  EXPECT_FALSE(s.queue.HoldsWorld());
}

TEST(MovieQueue, MissingMovieEmptiesTheQueueAndAsksForARedraw) {
  Stage s;
  s.view.fill(5);
  s.queue.QueueMovieStep(MovieFadeIn, "movie\\nothing-here.mvi");
  s.queue.QueueMovieStep(MovieMessage, "never shown");
  s.queue.Step(s.screen);
  ASSERT_EQ(s.fake.messages.shown.size(), 1u);
  EXPECT_EQ(s.fake.messages.shown[0], (ShownMessage{"Can't open movie", "Movie play error"}));
  EXPECT_FALSE(s.queue.IsBusy());
  EXPECT_TRUE(s.queue.TakeRedrawRequest());
  EXPECT_FALSE(s.queue.TakeRedrawRequest());
  EXPECT_EQ(s.view.at(0, 0), 0);
}

TEST(MovieQueue, VerdictSequencePlaysFromFileWithALoopingSound) {
  TempFolder folder;
  MovieWriter w(16, 16);
  w.AddPicture(IndexedImage(16, 16, 20), 50);
  w.AddPicture(IndexedImage(16, 16, 21), 50);
  w.SetSound(2, std::vector<uint8_t>(60, 2), true);
  ASSERT_TRUE(WriteFileAtomic(folder.file("v.mvi"), w.Bytes()));
  Stage s;
  for (MovieStep step : {MovieStep{MovieFadeView, "FadeToBlack"}, {MovieTitle, "Test Failed"},
                         {MovieFadeIn, folder.file("v.mvi")}, {MoviePause, "10"}, {MovieMessage, "Time's up"},
                         {MoviePause, "-1"}})
    s.queue.QueueMovieStep(step);
  int ticks = 0;
  while (!s.queue.WaitsForStart() && ticks < 200) s.queue.Step(s.screen), ++ticks;
  // 1 + 16 fade, 1 title, 1 + 16 fade-in, 3 play (two frames, then the end), 1 + 10 pause, 1 message, 1 pause.
  EXPECT_EQ(ticks, 51);
  EXPECT_TRUE(s.fake.messages.shown.empty());
  EXPECT_EQ(s.window.at(32, 150), 21);
  ASSERT_FALSE(s.sound.played.empty());
  EXPECT_EQ(s.sound.played.back(), (std::pair<size_t, bool>{60, true}));
  s.queue.soundEnabled = false;
  s.queue.Reset();
  s.queue.StartMovie(ParseMovie(w.Bytes()), false);
  const size_t before = s.sound.played.size();
  s.TicksWhileBusy();
  EXPECT_EQ(s.sound.played.size(), before);
}

TEST(MovieQueue, SoundOutStopsThenPlaysOnceOrLooping) {
  FakeSound out;
  MovieSoundOut sound(&out);
  sound.PlayFrameSound({1, 2, 3}, true);
  sound.PlayFrameSound({1}, false);
  ASSERT_EQ(out.events.size(), 4u);
  EXPECT_EQ(out.events[0].kind, FakeSound::Stop);
  EXPECT_EQ(out.events[1].kind, FakeSound::Loop);
  EXPECT_EQ(out.events[3].kind, FakeSound::Once);
}
