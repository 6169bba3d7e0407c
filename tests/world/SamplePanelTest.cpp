#include <gtest/gtest.h>

#include "bodies/GizmoFakes.h"
#include "platform/Files.h"
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
