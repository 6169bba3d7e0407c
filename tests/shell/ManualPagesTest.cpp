#include <gtest/gtest.h>

#include <climits>

#include "platform/Files.h"
#include "shell/ManualPages.h"
#include "support/Fakes.h"

namespace {
// Every character is 6 pixels wide at size 10 (7 when bold), scaled with the size; a
// line is size + 6 pixels high.
struct FixedMetrics : IManualMetrics {
  int TextWidth(const std::string& text, int size, bool bold) const override {
    return static_cast<int>(text.size()) * (bold ? 7 : 6) * size / 10;
  }
  int ZeroHeight(int size, bool) const override { return size + 6; }
};

ManualDrawing Draw(ManualPages& pages, int progress = 0) { return pages.DrawPage(FixedMetrics(), progress); }

ManualPages OnPage(const std::string& text, int page) {
  ManualPages pages(text);
  EXPECT_TRUE(pages.GoToPage(page, false));
  return pages;
}

std::string AllText(const ManualDrawing& d) {
  std::string s;
  for (const auto& r : d.runs) s += r.text;
  return s;
}
}  // namespace

TEST(ManualPages, TableListsEveryNumberedPageInFileOrder) {
  ManualPages pages("<p 0>zero<e>\n<p -12>minus<e><p  3000>hints<e><p>no number<e><pre>x<e><p 7>");
  ASSERT_EQ(pages.table().size(), 4u);
  EXPECT_EQ(pages.table()[0].number, 0);
  EXPECT_EQ(pages.table()[1].number, -12);
  EXPECT_EQ(pages.table()[2].number, 3000);
  EXPECT_EQ(pages.table()[3].number, 7);
  EXPECT_EQ(pages.text().substr(pages.table()[1].position, 6), "<p -12");
  EXPECT_TRUE(pages.GoToPage(-12, true));
  EXPECT_EQ(AllText(Draw(pages)), "minus");
  ManualPages huge("<p 99999999999999999999>far<e>");
  ASSERT_EQ(huge.table().size(), 1u);
  EXPECT_EQ(huge.table()[0].number, INT_MAX);
}

TEST(ManualPages, AMissingFileGivesTheOnePageWithNoNextPage) {
  ManualPages pages = ManualPages::Load("no/such/manual.pgs");
  EXPECT_EQ(pages.text(), ManualPages::MissingText);
  EXPECT_EQ(pages.currentPage(), 0);
  EXPECT_EQ(pages.currentPosition(), 0u);
  ManualDrawing d = Draw(pages);
  EXPECT_EQ(AllText(d), "Couldn't find help file");
  EXPECT_EQ(d.nextPage, -1);
  EXPECT_FALSE(pages.hasNextPage());
  EXPECT_FALSE(pages.GoToNextPage());
}

TEST(ManualPages, LoadReadsTheFileAsText) {
  TempFolder dir;
  WriteFileAtomic(dir.file("m.pgs"), std::string("<p 0>one\r\ntwo<e>"));
  ManualPages pages = ManualPages::Load(dir.file("m.pgs"));
  ManualDrawing d = Draw(pages);
  ASSERT_EQ(d.runs.size(), 2u);
  EXPECT_EQ(d.runs[1].text, "two");
  EXPECT_EQ(d.runs[1].y, 16);
}

TEST(ManualPages, GoToPageMovesTabsEvenForAMissingPageAndRemembersOnlyFoundPages) {
  ManualPages pages("<p 0>a<e><p 5>b<e><p 3000>c<e><p 4000>d<e>");
  EXPECT_EQ(pages.tabs(), (ManualTabs{7, 3, 1}));
  EXPECT_FALSE(pages.GoToPage(3500, true));
  EXPECT_EQ(pages.tabs(), (ManualTabs{-1, 7, 5}));
  EXPECT_TRUE(pages.history().empty());
  EXPECT_EQ(pages.currentPage(), 0);
  EXPECT_TRUE(pages.GoToPage(4000, true));
  EXPECT_EQ(pages.tabs(), (ManualTabs{3, -1, 9}));
  EXPECT_TRUE(pages.GoToPage(3000, true));
  EXPECT_TRUE(pages.GoToPage(5, true));
  EXPECT_EQ(pages.tabs(), (ManualTabs{7, 3, 1}));
  EXPECT_EQ(pages.history(), (std::vector<int>{0, 4000, 3000}));
  EXPECT_TRUE(pages.firstDrawingPending());
}

TEST(ManualPages, GoingBackWalksTheHistoryWithoutPushing) {
  ManualPages pages("<p 0>a<x 1><e><p 1>b<x 2><e><p 2>c<e>");
  Draw(pages);
  EXPECT_TRUE(pages.GoToNextPage());
  Draw(pages);
  EXPECT_TRUE(pages.GoToNextPage());
  Draw(pages);
  EXPECT_FALSE(pages.GoToNextPage());  // page 2 has no next page
  EXPECT_EQ(pages.history(), (std::vector<int>{0, 1}));
  EXPECT_TRUE(pages.GoBack());
  EXPECT_EQ(pages.currentPage(), 1);
  EXPECT_TRUE(pages.GoBack());
  EXPECT_EQ(pages.currentPage(), 0);
  EXPECT_FALSE(pages.GoBack());
  EXPECT_EQ(pages.currentPage(), 0);
  EXPECT_TRUE(pages.history().empty());
}

TEST(ManualPages, TabsLineFeedsAndMovesPlaceTheText) {
  ManualPages pages = OnPage("<p 1>ab\tc\t\td\nx<m 5 -3>y<b>B<b>n<s 20>\nbig<e>never", 1);
  ManualDrawing d = Draw(pages);
  ASSERT_EQ(d.runs.size(), 8u);
  EXPECT_EQ(d.runs[1].x, 20);  // "ab" is 12 wide: the next stop is 20
  EXPECT_EQ(d.runs[2].x, 60);  // from 26, two stops
  EXPECT_EQ(d.runs[3].y, 16);
  EXPECT_EQ(d.runs[4].x, 11);
  EXPECT_EQ(d.runs[4].y, 13);
  EXPECT_TRUE(d.runs[5].bold);
  EXPECT_EQ(d.runs[5].size, 12);
  EXPECT_EQ(d.runs[6].size, 10);
  EXPECT_FALSE(d.runs[6].bold);
  EXPECT_EQ(d.runs[7].text, "big");
  EXPECT_EQ(d.runs[7].y, 13 + 26);  // the line feed measures the new size
  EXPECT_EQ(d.runs[7].size, 20);
  EXPECT_EQ(AllText(d).find("never"), std::string::npos);
}

TEST(ManualPages, BoldInsideALargerBaseSizeReturnsToTheBase) {
  ManualPages pages = OnPage("<p 1><s 16>a<b>b<b>c<e>", 1);
  ManualDrawing d = Draw(pages);
  ASSERT_EQ(d.runs.size(), 3u);
  EXPECT_EQ(d.runs[0].size, 16);
  EXPECT_EQ(d.runs[1].size, 12);
  EXPECT_EQ(d.runs[2].size, 16);
}

TEST(ManualPages, LinksAreGreenUnderlinedAndClickableAfterTheFirstDrawingOnly) {
  ManualPages pages = OnPage("<p 1>see <l 42>neurons<l> now<e><p 42>n<e>", 1);
  ManualDrawing d = Draw(pages);
  ASSERT_EQ(d.runs.size(), 3u);
  EXPECT_EQ(d.runs[1].colour, ManualLinkGreen);
  EXPECT_TRUE(d.runs[1].underline);
  EXPECT_EQ(d.runs[2].colour, ManualBlack);
  EXPECT_FALSE(d.runs[2].underline);
  ASSERT_EQ(pages.links().size(), 1u);
  EXPECT_EQ(pages.links()[0].box, (ManualRect{24, 0, 66, 16}));
  EXPECT_EQ(pages.LinkAt(30, 5)->target, 42);
  EXPECT_EQ(pages.LinkAt(66, 5), nullptr);
  EXPECT_EQ(pages.LinkAt(10, 5), nullptr);
  Draw(pages);  // a repaint keeps the links it found
  EXPECT_EQ(pages.links().size(), 1u);
  ASSERT_TRUE(pages.GoToPage(42, true));
  Draw(pages);
  EXPECT_TRUE(pages.links().empty());
}

TEST(ManualPages, PictureRegionsAndNameBoxComeWithTheFirstDrawing) {
  ManualPages pages = OnPage("<p 1>\n<i neuron.bmp><h cell_body 10 20 40 50 7><h bad 1 2><d 5 100 120 20><w><e>", 1);
  ManualDrawing d = Draw(pages);
  ASSERT_TRUE(d.picture);
  EXPECT_EQ(d.picture->file, "manual\\neuron.bmp");
  EXPECT_EQ(d.picture->y, 16);
  ASSERT_TRUE(d.nameBox);
  EXPECT_EQ(d.nameBox->width, 120);
  EXPECT_TRUE(d.webButton);
  ASSERT_EQ(pages.regions().size(), 1u);  // a region short of numbers is left out
  const ManualRegion* r = pages.RegionAt(10, 49);
  ASSERT_NE(r, nullptr);
  EXPECT_EQ(r->name, "cell body");
  EXPECT_EQ(r->target, 7);
  EXPECT_EQ(pages.RegionAt(40, 30), nullptr);
  ManualDrawing again = Draw(pages);
  EXPECT_FALSE(again.picture);
  EXPECT_FALSE(again.nameBox);
  EXPECT_TRUE(again.webButton);
  EXPECT_EQ(pages.regions().size(), 1u);
}

TEST(ManualPages, APictureNamedOutsideTheManualFolderIsNotShown) {
  for (const char* name : {"..\\..\\secret.bmp", "/etc/passwd", "C:\\boot.bmp", "sub/../../x.bmp"}) {
    ManualPages pages = OnPage(std::string("<p 1>\n<i ") + name + "><e>", 1);
    EXPECT_FALSE(Draw(pages).picture) << name;
  }
  ManualPages below = OnPage("<p 1>\n<i cells\\neuron.bmp><e>", 1);
  ASSERT_TRUE(Draw(below).picture);
}

TEST(ManualPages, NextPageComesFromTheDrawing) {
  ManualPages pages = OnPage("<p 1>a<x 2>b<e><p 2>c<x 9><x -1><e>", 1);
  EXPECT_EQ(pages.nextPage(), -1);
  EXPECT_EQ(Draw(pages).nextPage, 2);
  EXPECT_TRUE(pages.GoToNextPage());
  Draw(pages);
  EXPECT_FALSE(pages.hasNextPage());  // "<x -1>" takes it away again
}

TEST(ManualPages, HiddenTextWaitsForTheReadingLevel) {
  ManualPages pages("<p 1>open<f 500>secret<e><p 2><k 500><e><p 3><j><e>");
  ASSERT_TRUE(pages.GoToPage(1, false));
  EXPECT_EQ(AllText(Draw(pages)), "open");
  ASSERT_TRUE(pages.GoToPage(2, true));
  Draw(pages);
  EXPECT_EQ(pages.readingLevel(), 500);
  ASSERT_TRUE(pages.GoBack());
  EXPECT_EQ(AllText(Draw(pages)), "opensecret");

  ManualPages byProgress("<p 1>open<f 500>secret<e><p 3><j><e>");
  ASSERT_TRUE(byProgress.GoToPage(3, false));
  Draw(byProgress, 305);
  EXPECT_EQ(byProgress.readingLevel(), 30500);  // even: the odd rule leaves it
  ASSERT_TRUE(byProgress.GoToPage(1, false));
  EXPECT_EQ(AllText(Draw(byProgress)), "opensecret");
}

TEST(ManualPages, ReadingLevelOnlyGrowsAndTheOddRuleAddsOne) {
  ManualPages pages("<p 1><k 7><j><e><p 2><k 3><e><p 3><k 99999999999><j><e>");
  ASSERT_TRUE(pages.GoToPage(1, false));
  Draw(pages, 0);
  EXPECT_EQ(pages.readingLevel(), 8);
  ASSERT_TRUE(pages.GoToPage(2, false));
  Draw(pages, 0);
  EXPECT_EQ(pages.readingLevel(), 8);
  ASSERT_TRUE(pages.GoToPage(3, false));
  Draw(pages, INT_MAX);  // no overflow at the top
  EXPECT_EQ(pages.readingLevel(), INT_MAX - 1);
}

TEST(ManualPages, HostileTextEndsSafely) {
  FixedMetrics metrics;
  // An unfinished tag ends the text; so does the end of the file without "<e>".
  ManualPages open("<p 0>before<b bold never closes");
  EXPECT_EQ(AllText(open.DrawPage(metrics, 0)), "before");
  ManualPages noEnd("<p 0>runs off");
  EXPECT_EQ(AllText(noEnd.DrawPage(metrics, 0)), "runs off");
  // Unknown tags and a "<" that starts no tag.
  ManualPages odd("<p 0>a<q whatever>b < 3 <3<e>");
  EXPECT_EQ(AllText(odd.DrawPage(metrics, 0)), "ab < 3 <3");
  // Huge moves, sizes and boxes are held in range.
  ManualPages huge("<p 0><m 2147483647 2147483647><m 2147483647 0>x<s 100000>y<s -5>z"
                   "<d -99999999999 0 -4 99999999999><l 99999999999>w<l><f>v<e>");
  ManualDrawing d = huge.DrawPage(metrics, 0);
  ASSERT_EQ(d.runs.size(), 5u);
  EXPECT_EQ(d.runs[0].x, 1000000);
  EXPECT_EQ(d.runs[1].size, 96);
  EXPECT_EQ(d.runs[2].size, 1);
  ASSERT_TRUE(d.nameBox);
  EXPECT_EQ(d.nameBox->x, -1000000);
  EXPECT_EQ(d.nameBox->width, 0);
  ASSERT_EQ(huge.links().size(), 1u);
  EXPECT_EQ(huge.links()[0].target, INT_MAX);
  // A link that is never closed stays green but gives no rectangle.
  ManualPages unclosed("<p 0><l 3>forever<e>");
  EXPECT_EQ(unclosed.DrawPage(metrics, 0).runs[0].colour, ManualLinkGreen);
  EXPECT_TRUE(unclosed.links().empty());
  // A page without any text and a position past the end after an empty manual.
  ManualPages empty("");
  EXPECT_TRUE(empty.table().empty());
  EXPECT_FALSE(empty.GoToPage(0, true));
  EXPECT_TRUE(empty.DrawPage(metrics, 0).runs.empty());
}

TEST(ManualPages, ALinkBrokenOverLinesCoversItsLines) {
  ManualPages pages = OnPage("<p 1>\t\t\tab<l 5>cdef\ngh<l><e>", 1);
  Draw(pages);
  ASSERT_EQ(pages.links().size(), 1u);
  EXPECT_EQ(pages.links()[0].box, (ManualRect{0, 0, 96, 32}));
}
