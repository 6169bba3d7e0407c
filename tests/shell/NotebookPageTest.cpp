#include <gtest/gtest.h>

#include "shell/NotebookPage.h"

TEST(NotebookPage, LinesStopAtTheNextPageAndLoseControlAndForeignCharacters) {
  auto lines = NotebookLines("\nfirst\tline\r\nCaf\xc3\xa9 au lait\n#next page\nnot read\n");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "");  // a plain "#" line: the text starts one line down
  EXPECT_EQ(lines[1], "firstline");
  EXPECT_EQ(lines[2], "Caf au lait");
  EXPECT_EQ(NotebookLines(std::string(150, 'x'))[0].size(), 99u);
}

TEST(NotebookPage, LinkMarksOnlyTheNextTextLine) {
  auto page = LayoutNotebookPage("intro\n%j 7\nsee page seven\nafter\n#", "", 1.0);
  ASSERT_EQ(page.lines.size(), 3u);
  EXPECT_FALSE(page.lines[0].link);
  EXPECT_TRUE(page.lines[1].link);
  EXPECT_EQ(page.lines[1].target, 7);
  EXPECT_EQ(page.lines[1].y, 18);  // control lines take no line
  EXPECT_FALSE(page.lines[2].link);
  EXPECT_EQ(page.lines[2].y, 36);
}

TEST(NotebookPage, FiguresFollowTheOriginAndTheScale) {
  auto page = LayoutNotebookPage("%o 10, 20\n%l 0, 0, 5, 5\n%c 3, 4, 10, ffffff\n%c 0, 0, 2, ff\n%q 1\n#", "", 2.0);
  ASSERT_EQ(page.figures.size(), 3u);
  const NotebookFigure& l = page.figures[0];
  EXPECT_EQ(l.kind, NotebookFigure::Line);
  EXPECT_EQ(l.x1, 20);
  EXPECT_EQ(l.y1, 40);
  EXPECT_EQ(l.x2, 30);
  EXPECT_EQ(l.y2, 50);
  EXPECT_EQ(page.figures[1].x1, 26);
  EXPECT_EQ(page.figures[1].r, 20);
  EXPECT_TRUE(page.figures[1].outlineOnly());
  EXPECT_FALSE(page.figures[2].outlineOnly());
  EXPECT_EQ(page.figures[2].colour, 0xffu);  // red in blue-green-red order
  EXPECT_TRUE(page.lines.empty());
}

// Numbers at the ends of the int range, offset and scaled, are held at a million rather
// than overflowing.
TEST(NotebookPage, ExtremeFigureNumbersAreHeldFarOffThePage) {
  auto page = LayoutNotebookPage(
      "%o 2147483647, -2147483648\n%l 2147483647, -2147483648, -5, 5\n%c 1, 2, 2147483647, 0\n#", "", 2.5);
  ASSERT_EQ(page.figures.size(), 2u);
  EXPECT_EQ(page.figures[0].x1, 1000000);
  EXPECT_EQ(page.figures[0].y1, -1000000);
  EXPECT_EQ(page.figures[0].x2, 1000000);   // (2^31 - 1 - 5) x 2.5
  EXPECT_EQ(page.figures[0].y2, -1000000);
  EXPECT_EQ(page.figures[1].r, 1000000);
}

TEST(NotebookPage, WorldDescriptionContinuesThePage) {
  auto page = LayoutNotebookPage("Your world:\n%e\nnever drawn\n#", "It has a pond.\n#\nnot this", 1.0);
  ASSERT_EQ(page.lines.size(), 2u);
  EXPECT_EQ(page.lines[1].text, "It has a pond.");
  EXPECT_EQ(NotebookControl("%w 107"), 'w');
  EXPECT_EQ(NotebookNumber("%w 107"), 107);
  EXPECT_EQ(NotebookControl("100%"), 0);
}
