#include <gtest/gtest.h>

#include "bodies/GizmoFakes.h"
#include "brain/BrainCollection.h"
#include "brain/Brainboard.h"
#include "platform/Files.h"
#include "shell/GizmoPorts.h"
#include "world/SamplePanel.h"

namespace {
struct PanelBench {
  GizmoBench bench;
  TChalk chalk{bench.Ports()};
  TSamplePanel panel{bench.fake.host()};
  PanelBench() { panel.Attach(&chalk); }

  // A straight stroke of `points` points, drawn as the mouse would, then repainted.
  void Draw(int points, int dx, int dy) {
    panel.MouseDown(90, 100);
    for (int k = 1; k < points; ++k) panel.MouseMove(90 + k * dx, 100 + k * dy);
    panel.MouseUp();
    panel.Repaint();
  }
  const std::vector<ShownMessage>& shown() { return bench.fake.messages.shown; }
};
}  // namespace

TEST(SamplePanel, DrawnFeaturesAreHandedOverAndNumberButtonsStoreThem) {
  PanelBench b;
  EXPECT_EQ(b.panel.countText(), "No samples");
  b.panel.MouseMove(1, 1);  // no button down: nothing is drawn
  EXPECT_EQ(b.panel.stroke().count(), 0);
  b.Draw(30, 1, 0);
  EXPECT_EQ(b.chalk.current.values[0], -50);
  EXPECT_EQ(b.chalk.current.values[6], -50);
  EXPECT_EQ(b.chalk.current.values[7], 0);
  EXPECT_EQ(b.chalk.current.category, -1);
  b.panel.NumberButton(3);
  EXPECT_EQ(b.panel.currentLabel, 3);
  EXPECT_EQ(b.panel.countText(), "1 sample");
  b.Draw(30, 0, 1);
  EXPECT_EQ(b.panel.currentLabel, -1);
  b.panel.NumberButton(8);
  EXPECT_EQ(b.panel.countText(), "2 samples");
  ASSERT_EQ(b.chalk.samples.size(), 2u);
  EXPECT_EQ(b.chalk.samples[0].values[0], -50);
  EXPECT_EQ(b.chalk.samples[0].category, 3);
  EXPECT_EQ(b.chalk.samples[1].values[0], 0);
  EXPECT_EQ(b.chalk.samples[1].category, 8);

  // Too short for the point count: the board keeps what it had, the label stays.
  b.panel.SetPointCount(10);
  EXPECT_EQ(b.panel.numPointsText, "10");
  b.Draw(20, -1, 0);
  EXPECT_FALSE(b.panel.features().computed);
  EXPECT_EQ(b.chalk.current.values[0], 0);
  EXPECT_EQ(b.panel.currentLabel, 8);
  b.panel.SetPointCount(42);
  EXPECT_EQ(b.panel.numPointsText, "10");
}

TEST(SamplePanel, PlayStopAndNew) {
  PanelBench b;
  b.panel.PlayButton();  // nothing to play: it stays at "Play"
  EXPECT_FALSE(b.panel.Playing());
  EXPECT_STREQ(b.panel.PlayCaption(), "Play");
  b.Draw(30, 1, 0);
  b.panel.NumberButton(1);
  b.panel.PlayButton();
  EXPECT_TRUE(b.panel.Playing());
  EXPECT_TRUE(b.chalk.Playing());
  EXPECT_STREQ(b.panel.PlayCaption(), "Stop");
  b.panel.NumberButton(2);  // disabled while playing
  EXPECT_EQ(b.chalk.samples.size(), 1u);
  b.panel.ClearStoreButton();
  EXPECT_EQ(b.panel.countText(), "No samples");
  b.panel.PlayButton();
  EXPECT_FALSE(b.chalk.Playing());
  EXPECT_STREQ(b.panel.PlayCaption(), "Play");
}

TEST(SamplePanel, SaveAndLoadThroughTheDialogs) {
  PanelBench b;
  TempFolder folder;
  b.Draw(30, 0, -1);
  b.panel.NumberButton(4);
  b.bench.fake.files.answers = {folder.file("s.txt"), folder.file("s.txt"), folder.file("s.txt"), ""};
  EXPECT_TRUE(b.panel.SaveButton());
  ASSERT_EQ(b.bench.fake.files.asked.size(), 1u);
  const FileChoice& save = b.bench.fake.files.asked[0];
  EXPECT_EQ(save.title, "Save Samples");
  EXPECT_EQ(save.filter, "Data files|*.txt|All files|*.*");
  EXPECT_TRUE(save.promptOverwrite);
  EXPECT_EQ(*ReadFileText(folder.file("s.txt")), "1\n-100 -100 -100 -100 -100 -100 -100 0 0 0 4\n");
  EXPECT_TRUE(b.panel.LoadButton());
  EXPECT_EQ(b.bench.fake.files.asked[1].title, "Load Samples");
  EXPECT_EQ(b.panel.countText(), "2 samples");
  EXPECT_TRUE(b.panel.LoadButton());
  EXPECT_EQ(b.panel.countText(), "3 samples");
  EXPECT_FALSE(b.panel.LoadButton());  // cancelled
  EXPECT_EQ(b.chalk.samples.size(), 3u);
  EXPECT_TRUE(b.shown().empty());
}

TEST(SamplePanel, FailedSavesAndBadFilesAreReported) {
  PanelBench b;
  TempFolder folder;
  b.Draw(30, 1, 0);
  b.panel.NumberButton(0);
  const std::string nowhere = folder.file("no/such/folder/s.txt");
  EXPECT_FALSE(b.panel.SaveTo(nowhere));
  ASSERT_EQ(b.shown().size(), 1u);
  EXPECT_EQ(b.shown()[0].text, "Couldn't save " + nowhere);
  EXPECT_EQ(b.shown()[0].caption, "Save Samples Error");

  EXPECT_FALSE(b.panel.LoadFrom(folder.file("missing.txt")));
  ASSERT_EQ(b.shown().size(), 2u);
  EXPECT_EQ(b.shown()[1].caption, "Load Samples Error");
  EXPECT_EQ(b.panel.countText(), "1 sample");

  ASSERT_TRUE(WriteFileAtomic(folder.file("bad.txt"), std::string("5\n1 2 3\n1 2 3 4 5 6 7 8 9 10 11\n"
                                                                   "500 2 3 4 5 6 7 8 9 -900 2\n")));
  EXPECT_TRUE(b.panel.LoadFrom(folder.file("bad.txt")));
  ASSERT_EQ(b.shown().size(), 3u);
  const std::string& text = b.shown()[2].text;
  EXPECT_NE(text.find("1 sample read from"), std::string::npos) << text;
  EXPECT_NE(text.find("1 line(s)"), std::string::npos) << text;
  EXPECT_NE(text.find("1 sample(s) with a label"), std::string::npos) << text;
  EXPECT_NE(text.find("2 value(s)"), std::string::npos) << text;
  EXPECT_NE(text.find("says it holds 5"), std::string::npos) << text;
  EXPECT_EQ(b.chalk.samples.back().values[0], 99);
  EXPECT_EQ(b.chalk.samples.back().values[9], -100);
  EXPECT_EQ(b.panel.countText(), "2 samples");
}

TEST(SamplePanel, WithoutAChalkBoardThePanelIsHiddenAndDoesNothing) {
  GizmoBench bench;
  TSamplePanel panel(bench.fake.host());
  EXPECT_FALSE(panel.Shown());
  panel.NumberButton(1);
  panel.PlayButton();
  EXPECT_FALSE(panel.SaveButton());
  EXPECT_FALSE(panel.LoadFrom("x.txt"));
  EXPECT_TRUE(bench.fake.files.asked.empty());
  EXPECT_TRUE(bench.fake.messages.shown.empty());
}

// Digits drawn with the mouse and kept with the number buttons teach a learning brain;
// the digit test fails it before it learned and passes it after, on the drawings it kept
// back and never learned from.
TEST(SamplePanel, DrawnDigitsTeachALearningBrainThatThenPassesTheDigitTest) {
  FakeHost fake;
  TBrainCollection brains(fake.host(), 1);
  TCollectionGizmoBrains gizmoBrains(brains);
  TChalk chalk(GizmoPorts{&gizmoBrains, nullptr, fake.host()});
  ChannelMask lamps{}, none{};
  lamps[0] = lamps[1] = true;  // the bench's Light 1 and Light 2
  gizmoBrains.AttachBrain(LabBrainName, none, false, lamps);
  TBrainBoard* lab = brains.Board(chalk.brainNumber);
  ASSERT_TRUE(lab);
  const auto bytes = ReadFileBytes(QUORBIT_TEST_DATA_DIR "/testbrain/w605.brn");
  ASSERT_TRUE(bytes);
  lab->LoadBrain(*bytes);
  TSamplePanel panel(fake.host());
  panel.Attach(&chalk);
  panel.SetPointCount(3);
  // A 0 is a stroke to the right and a 1 a stroke down, each a little askew.
  for (int k = 0; k < 10; ++k) {
    for (int digit = 0; digit < 2; ++digit) {
      const int skew = k % 3 - 1;
      panel.MouseDown(20, 20);
      for (int p = 1; p < 30; ++p) panel.MouseMove(20 + p * (digit ? skew : 4), 20 + p * (digit ? 4 : skew));
      panel.MouseUp();
      panel.Repaint();
      panel.NumberButton(digit);
    }
  }
  ASSERT_EQ(chalk.samples.size(), 20u);
  EXPECT_EQ(chalk.KeptBackCount(), 4);
  IndexedImage canvas(320, 240, 0);
  std::vector<TRect> dirty;
  int tick = 0;
  auto run = [&](int ticks, bool testMode) {
    for (int k = 0; k < ticks; ++k, ++tick) {
      chalk.step(tick, canvas, testMode, dirty);
      brains.StepAll(true);
    }
  };
  lab->learning = true;
  lab->learnRate = 0.05f;
  lab->momentum = 5;
  chalk.reset();
  run(200, true);
  EXPECT_NE(chalk.verdict, Achieved);
  panel.PlayButton();
  ASSERT_TRUE(chalk.Playing());
  run(1200, false);
  chalk.reset();
  run(200, true);
  EXPECT_EQ(chalk.verdict, Achieved);
}
