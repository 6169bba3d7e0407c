#include <gtest/gtest.h>

#include "shell/PageIndex.h"

TEST(PageIndex, CountsPagesPerBookWithTheClosingMarkDropped) {
  PageIndex idx;
  // Book 0 with one page, book 1 with three, book 2 with none; "##" ends a book.
  idx.Build("#title##one#two#three##");
  EXPECT_EQ(idx.PageCount(0), 1);
  EXPECT_EQ(idx.PageCount(1), 3);
  EXPECT_EQ(idx.PageText(0, 0).substr(0, 6), "title#");
  EXPECT_EQ(idx.PageText(1, 2), "three##");
  EXPECT_EQ(idx.PageStart(1, 3), -1);
  EXPECT_EQ(idx.PageCount(2), 0);
  EXPECT_EQ(idx.PageCount(9), 0);
  EXPECT_EQ(idx.PageText(7, 0), "");
}

TEST(PageIndex, StopsAfterTheEighthBookAndCapsPagesPerBook) {
  std::string text;
  for (int b = 0; b < 9; ++b) text += "#p#";  // nine books of one page each
  std::string many;
  for (int i = 0; i < 40; ++i) many += "#x";
  PageIndex idx;
  idx.Build(text + many + "##");
  for (int b = 0; b < 8; ++b) EXPECT_EQ(idx.PageCount(b), 1) << b;
  PageIndex capped;
  capped.Build(many + "##");
  EXPECT_EQ(capped.PageCount(0), PageIndex::MaxPages - 1);
}
