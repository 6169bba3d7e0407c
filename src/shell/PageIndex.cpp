#include "shell/PageIndex.h"

#include <algorithm>

void PageIndex::Build(std::string text) {
  text_ = std::move(text);
  counts_.fill(0);
  for (auto& book : starts_) book.fill(-1);
  int b = 0;
  for (size_t j = 0; j < text_.size(); ++j) {
    if (text_[j] != '#') continue;
    // A book holds at most 30 page starts; further "#"s of that book are not recorded.
    if (counts_[b] < MaxPages) starts_[b][counts_[b]] = static_cast<int>(j + 1);
    counts_[b] = std::min(counts_[b] + 1, MaxPages);
    if (j + 1 < text_.size() && text_[j + 1] == '#') {
      if (b == Books - 1) break;
      ++b;
    }
  }
  // The last "#" of a book closes its last page.
  for (int& c : counts_) c = std::max(0, c - 1);
}

int PageIndex::PageCount(int book) const {
  return book >= 0 && book < Books ? counts_[book] : 0;
}

int PageIndex::PageStart(int book, int page) const {
  if (book < 0 || book >= Books || page < 0 || page >= MaxPages || page >= counts_[book]) return -1;
  return starts_[book][page];
}

std::string PageIndex::PageText(int book, int page) const {
  int start = PageStart(book, page);
  if (start < 0 || start > static_cast<int>(text_.size())) return {};
  return text_.substr(start);
}
