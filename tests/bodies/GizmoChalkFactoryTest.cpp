#include <gtest/gtest.h>

#include <functional>

#include "GizmoFakes.h"
#include "bodies/GizmoBeer.h"
#include "bodies/GizmoChalk.h"
#include "bodies/GizmoFactory.h"
#include "bodies/GizmoHeart.h"
#include "bodies/GizmoLamp.h"
#include "bodies/GizmoLeg.h"
#include "bodies/GizmoScope.h"
#include "bodies/GizmoSlider.h"
#include "bodies/GizmoSwitch.h"
#include "platform/Files.h"

namespace {
ChalkSample Sample(int base, int category) {
  ChalkSample s;
  for (int k = 0; k < 10; ++k) s.values[static_cast<size_t>(k)] = base + k;
  s.category = category;
  return s;
}
}  // namespace

TEST(GizmoChalk, FeedsTheCurrentDrawingThenPlaysTheSamplesInTurn) {
  GizmoBench b;
  TChalk chalk(b.Ports());
  for (int c = 32; c <= 51; ++c) EXPECT_TRUE(b.brain.inputs[static_cast<size_t>(c)]);
  b.Step(chalk, 0);
  EXPECT_EQ(b.brain.In(42), 100);  // ten zeros and category 0 at first
  chalk.SetDrawing(Sample(-5, 0).values);
  b.Step(chalk, 1);
  EXPECT_EQ(b.brain.In(32), -5);
  EXPECT_EQ(b.brain.In(41), 4);
  for (int c = 42; c <= 51; ++c) EXPECT_EQ(b.brain.In(c), 0);  // no category yet
  EXPECT_FALSE(chalk.StartPlaying());
  ASSERT_TRUE(chalk.AddSample(7));
  EXPECT_FALSE(chalk.AddSample(10));
  chalk.SetDrawing(Sample(50, 0).values);
  chalk.AddSample(2);
  ASSERT_TRUE(chalk.StartPlaying());
  const int expectedCategory[] = {7, 2, 7};
  for (int k = 0; k < 3; ++k) {
    b.Step(chalk, 2 + k);
    EXPECT_EQ(b.brain.In(32), k == 1 ? 50 : -5);
    for (int c = 0; c < 10; ++c) EXPECT_EQ(b.brain.In(42 + c), c == expectedCategory[k] ? 100 : 0);
  }
  chalk.ClearSamples();  // while playing: the current drawing stands in
  b.Step(chalk, 5);
  EXPECT_TRUE(chalk.Playing());
  EXPECT_EQ(b.brain.In(32), 50);
  EXPECT_EQ(b.brain.In(44), 100);
}

// A bench with lamps 1 and 2 whose brain answers each fed sample through `answer`
// (the lamp pattern for the Points it sees), run through a whole test.
struct DigitBench {
  GizmoBench b;
  TChalk chalk;
  explicit DigitBench(int task = TChalk::DigitTest) : chalk(b.Ports(), task) {
    b.brain.outputs[0] = b.brain.outputs[1] = true;
  }
  // Ten samples of each of digits 0 and 1, told apart by Point 1.
  void Record(int each = 10) {
    for (int k = 0; k < each; ++k) {
      for (int d = 0; d < 2; ++d) {
        std::array<int, 10> v{};
        v[0] = d == 0 ? -50 : 50;
        v[1] = k;
        chalk.SetDrawing(v);
        chalk.AddSample(d);
      }
    }
  }
  // The lamps answer what was fed a step before, as a brain stepping after the board does.
  int RunTest(const std::function<unsigned(const FakeLabBrain&)>& answer, int ticks = 200) {
    chalk.reset();
    for (int t = 0; t < ticks; ++t) {
      b.Step(chalk, t, true);
      const unsigned lit = answer(b.brain);
      b.brain.Out(0) = lit & 1 ? 100 : 0;
      b.brain.Out(1) = lit & 2 ? 100 : 0;
    }
    return chalk.verdict;
  }
};

unsigned Learned(const FakeLabBrain& brain) {
  if (brain.In(32) == 0) return 0;
  return brain.In(32) < 0 ? 1 : 2;
}

TEST(GizmoChalk, EveryFifthSampleOfADigitIsKeptBackAndNeverTeaches) {
  DigitBench d;
  d.Record();
  const std::vector<bool> kept = d.chalk.KeptBack();
  ASSERT_EQ(kept.size(), 20u);
  // Samples alternate 0, 1: the fifth and tenth of each digit are indexes 8, 9, 18, 19.
  for (size_t k = 0; k < kept.size(); ++k) EXPECT_EQ(kept[k], k == 8 || k == 9 || k == 18 || k == 19) << k;
  EXPECT_EQ(d.chalk.KeptBackCount(), 4);
  // The last sample added was kept back: shown as the drawing, it does not teach.
  d.b.brain.held = 0;
  d.b.Step(d.chalk, 0);
  EXPECT_EQ(d.b.brain.In(43), 100);
  EXPECT_EQ(d.b.brain.held, 1);
  // Play skips the kept-back samples and teaches with the others.
  ASSERT_TRUE(d.chalk.StartPlaying());
  std::vector<int> played;
  for (int t = 0; t < 16; ++t) {
    d.b.Step(d.chalk, t);
    played.push_back(d.b.brain.In(33));
  }
  EXPECT_EQ(played, (std::vector<int>{0, 0, 1, 1, 2, 2, 3, 3, 5, 5, 6, 6, 7, 7, 8, 8}));
  EXPECT_EQ(d.b.brain.held, 1);
  // An unlabelled drawing is shown but teaches nothing.
  d.chalk.StopPlaying();
  d.chalk.SetDrawing({});
  d.b.Step(d.chalk, 20);
  EXPECT_EQ(d.b.brain.held, 2);
}

TEST(GizmoChalk, TheDigitTestJudgesTheLampsOnEveryKeptBackDigitShownWithoutItsLabel) {
  DigitBench d;
  // No samples: nothing to judge, and an empty brain must not pass.
  EXPECT_EQ(d.RunTest([](const FakeLabBrain&) { return 0u; }), NothingLearned);
  d.Record();
  // Dark lamps, or lamp 1 always on: one answer for every digit.
  EXPECT_EQ(d.RunTest([](const FakeLabBrain&) { return 0u; }), NothingLearned);
  EXPECT_EQ(d.RunTest([](const FakeLabBrain&) { return 1u; }), NothingLearned);
  // A brain that reads its answer off the Category inputs finds them dark.
  EXPECT_EQ(d.RunTest([](const FakeLabBrain& b) { return (b.In(42) ? 1u : 0u) | (b.In(43) ? 2u : 0u); }),
            NothingLearned);
  d.b.brain.held = 0;
  EXPECT_EQ(d.RunTest(Learned), Achieved);
  EXPECT_EQ(d.b.brain.held, 200);  // the test digits teach nothing
  // Swapped lamps, and one test digit missed, fail for the wrong lamp.
  EXPECT_EQ(d.RunTest([](const FakeLabBrain& b) { return Learned(b) ^ 3u; }), WrongDigit);
  EXPECT_EQ(d.RunTest([](const FakeLabBrain& b) { return b.In(33) == 9 ? 3u : Learned(b); }), WrongDigit);
  // Every test digit must be judged before the time runs out; a wrong lamp shows at once,
  // with the digit it was judged on.
  EXPECT_EQ(d.RunTest(Learned, 10), NotYetAchieved);
  EXPECT_EQ(d.RunTest([](const FakeLabBrain& b) { return Learned(b) ^ 3u; }, 5), WrongDigit);
  EXPECT_EQ(d.chalk.judgedDigit, 0);
  // A lamp whose digit has no kept-back sample cannot be judged.
  DigitBench few;
  few.Record(4);
  EXPECT_EQ(few.RunTest(Learned), NothingLearned);
}

TEST(GizmoChalk, TheRecordingTestNeedsFiveSavedSamplesOfEachLampsDigit) {
  DigitBench d(TChalk::RecordingTest);
  const auto byLabel = [](const FakeLabBrain& b) { return (b.In(42) ? 1u : 0u) | (b.In(43) ? 2u : 0u); };
  d.Record(4);
  EXPECT_EQ(d.RunTest(byLabel), NothingRecorded);
  d.Record(1);
  EXPECT_FALSE(d.chalk.Saved());
  EXPECT_EQ(d.RunTest(byLabel), NothingRecorded);
  TempFolder folder;
  ASSERT_TRUE(d.chalk.SaveSamples(folder.file("mine.txt")));
  EXPECT_EQ(d.RunTest(byLabel), Achieved);
  EXPECT_EQ(d.RunTest([](const FakeLabBrain&) { return 1u; }), WrongOutput);
  EXPECT_EQ(d.RunTest([&](const FakeLabBrain& b) { return byLabel(b) ^ 3u; }), WrongOutput);
  // Samples loaded from a file are saved already.
  TChalk other(d.b.Ports(), TChalk::RecordingTest);
  ASSERT_TRUE(other.LoadSamples(folder.file("mine.txt")));
  EXPECT_TRUE(other.Saved());
}

TEST(GizmoChalk, SampleFileRoundTripsAndLoadingTwiceDoublesTheList) {
  GizmoBench b;
  TChalk chalk(b.Ports());
  chalk.samples = {Sample(-100, 3), Sample(90, 9)};
  EXPECT_EQ(chalk.SamplesText(), "2\n-100 -99 -98 -97 -96 -95 -94 -93 -92 -91 3\n90 91 92 93 94 95 96 97 98 99 9\n");
  TempFolder folder;
  ASSERT_TRUE(chalk.SaveSamples(folder.file("s.txt")));
  TChalk other(b.Ports());
  EXPECT_EQ(other.LoadSamples(folder.file("s.txt"))->added, 2);
  EXPECT_TRUE(other.LoadSamples(folder.file("s.txt"))->Clean());
  ASSERT_EQ(other.samples.size(), 4u);
  EXPECT_EQ(other.samples[2], chalk.samples[0]);
  EXPECT_FALSE(other.LoadSamples(folder.file("missing.txt")));
}

TEST(GizmoChalk, HostileSampleFilesAddOnlyWholeSamplesWithRealCategories) {
  GizmoBench b;
  TChalk chalk(b.Ports());
  SampleReadReport r =
      chalk.AppendSamplesText("3\r\n1 2 3 4 5 6 7 8 9 10 12\r\n1 2 3 4 5 6 7 8 9 10 -1\r\n1 2 3 4 5 6 7 8 9 10 4\r\n");
  EXPECT_EQ(r.added, 1);
  EXPECT_EQ(r.badLabels, 2);
  EXPECT_FALSE(r.Clean());
  EXPECT_EQ(chalk.samples.back().category, 4);
  // A short line does not pull the next line's numbers into its sample.
  r = chalk.AppendSamplesText("2\n1 2 3\n\n5 5 5 5 5 5 5 5 5 5 5\n1 2 3 4 5 6 7 8 9 10 11 12\n");
  EXPECT_EQ(r.added, 1);
  EXPECT_EQ(r.badLines, 2);
  EXPECT_EQ(chalk.samples.back().values[0], 5);
  r = chalk.AppendSamplesText("1\n1 2 3 4 5 6 7 8 x 10 1\n99999999999999999999 2 3 4 5 6 7 8 9 10 1\n");
  EXPECT_EQ(r.added, 0);
  EXPECT_EQ(r.badLines, 2);
  // A first line that is no count: not a sample file at all.
  for (const char* text : {"-4\n1 2 3 4 5 6 7 8 9 10 1\n", "two\n", "", "999999999999\n", "1 2\n"}) {
    r = chalk.AppendSamplesText(text);
    EXPECT_EQ(r.declared, -1) << text;
    EXPECT_EQ(r.added, 0) << text;
  }
  EXPECT_EQ(chalk.samples.size(), 2u);
  // The list stops growing when it is full.
  chalk.samples.resize(TChalk::MaxSamples - 1);
  r = chalk.AppendSamplesText("3\n1 1 1 1 1 1 1 1 1 1 1\n2 2 2 2 2 2 2 2 2 2 2\n");
  EXPECT_EQ(r.added, 1);
  EXPECT_TRUE(r.truncated);
  EXPECT_EQ(chalk.samples.size(), static_cast<size_t>(TChalk::MaxSamples));
}

TEST(GizmoFactory, EachFirstCharacterBuildsItsGizmoFromTheFixedPositions) {
  GizmoBench b;
  auto ports = b.Ports();
  auto sw = MakeGizmo("switch1 12 -3", ports);
  auto* s = dynamic_cast<TSwitch*>(sw.get());
  ASSERT_TRUE(s);
  EXPECT_EQ(s->number, 1);
  EXPECT_EQ(s->divisor, 12);
  EXPECT_EQ(s->offset, -3);
  auto* lamp = dynamic_cast<TLamp*>(MakeGizmo("lamp3", ports).release());
  ASSERT_TRUE(lamp);
  EXPECT_EQ(lamp->number, 3);
  delete lamp;
  auto o = MakeGizmo("oscilloscope 10 1", ports);
  auto* scope = dynamic_cast<TOscilloscope*>(o.get());
  ASSERT_TRUE(scope);
  EXPECT_EQ(scope->taskType, 10);
  EXPECT_TRUE(scope->showTargets);
  auto m = MakeGizmo("mlegleg 1 0 40 200 3", ports);
  auto* leg = dynamic_cast<TLeg*>(m.get());
  ASSERT_TRUE(leg);
  EXPECT_TRUE(leg->secondBell);
  EXPECT_FALSE(leg->legPosInput);
  EXPECT_EQ(leg->windowStart, 40);
  EXPECT_EQ(leg->windowEnd, 200);
  EXPECT_EQ(leg->taskType, 3);
  auto beer = MakeGizmo("beer2", ports);
  ASSERT_TRUE(dynamic_cast<TBeer*>(beer.get()));
  EXPECT_EQ(dynamic_cast<TBeer*>(beer.get())->variant, 2);
  EXPECT_TRUE(dynamic_cast<THeart1*>(MakeGizmo("1heart", ports).get()));
  EXPECT_TRUE(dynamic_cast<THeart3*>(MakeGizmo("3heart", ports).get()));
  EXPECT_TRUE(dynamic_cast<TChalk*>(MakeGizmo("chalk", ports).get()));
  EXPECT_TRUE(dynamic_cast<TChalk*>(MakeGizmo("chalk 1", ports).get()));
  EXPECT_TRUE(dynamic_cast<TSlider*>(MakeGizmo("vslider", ports).get()));
  // The keyword itself is not compared, only the first character.
  EXPECT_TRUE(dynamic_cast<TSwitch*>(MakeGizmo("sXXXXX0 10 0", ports).get()));
}

TEST(GizmoFactory, OtherFirstCharactersAreSkippedQuietly) {
  GizmoBench b;
  std::string error = "x";
  EXPECT_FALSE(MakeGizmo("# a note", b.Ports(), &error));
  EXPECT_TRUE(error.empty());
  EXPECT_FALSE(MakeGizmo("", b.Ports(), &error));
  EXPECT_TRUE(b.fake.messages.shown.empty());
}

TEST(GizmoFactory, BadLinesAreReportedAndBuildNothing) {
  for (const char* line : {"switch2 10 0", "switch0 0 0", "switch0 10", "switch0", "lamp4", "lamp",
                           "lampX", "oscilloscope 11 0", "oscilloscope", "mlegleg 1 0 40", "beer", "beer x", "chalk 2"}) {
    GizmoBench b;
    std::string error;
    EXPECT_FALSE(MakeGizmo(line, b.Ports(), &error)) << line;
    EXPECT_EQ(error, std::string("Bad gizmo line: ") + line);
    ASSERT_EQ(b.fake.messages.shown.size(), 1u) << line;
    EXPECT_EQ(b.fake.messages.shown[0].text, error);
    EXPECT_EQ(b.fake.messages.shown[0].caption, "Load Gizmo Error");
    EXPECT_TRUE(b.brain.names.empty()) << line;  // nothing attached for a bad line
  }
}

TEST(GizmoFactory, RecordsFromTheWorldFileReaderBuildTheSameGizmos) {
  GizmoBench b;
  TGizmoLine record;
  ASSERT_TRUE(ParseGizmoLine("switch1 12 -3", record));
  EXPECT_EQ(record, (TGizmoLine{'s', 1, {12, -3, 0, 0, 0}}));
  auto* s = dynamic_cast<TSwitch*>(MakeGizmo(record, b.Ports()).get());
  ASSERT_TRUE(s);
  EXPECT_FALSE(ParseGizmoLine("mlegleg 1 2", record));
  std::string error;
  EXPECT_FALSE(MakeGizmo(TGizmoLine{'s', 0, {0, 0, 0, 0, 0}}, b.Ports(), &error));
  EXPECT_EQ(error, "Bad gizmo line: s 0 0 0 0 0 0");
  EXPECT_FALSE(MakeGizmo(TGizmoLine{'l', 40, {}}, b.Ports(), &error));  // "lampX" as the reader keeps it
  EXPECT_FALSE(MakeGizmo(TGizmoLine{'#', 0, {}}, b.Ports(), &error));
  EXPECT_TRUE(error.empty());
  EXPECT_TRUE(dynamic_cast<TOscilloscope*>(MakeGizmo(TGizmoLine{'o', 0, {-1, 0, 0, 0, 0}}, b.Ports()).get()));
}
