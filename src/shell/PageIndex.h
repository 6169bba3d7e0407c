#pragma once
// The notebook file and where its pages start: books 0..7, at most 30 page starts each.
#include <array>
#include <string>

class PageIndex {
 public:
  static constexpr int Books = 8;
  static constexpr int MaxPages = 30;

  void Build(std::string text);
  const std::string& text() const { return text_; }
  // Number of pages of a book (0 for a book outside 0..7).
  int PageCount(int book) const;
  // Text position where a page starts, or -1 when the book has no such page.
  int PageStart(int book, int page) const;
  // The text from the page's start on; readers stop at the first line starting with "#".
  std::string PageText(int book, int page) const;

 private:
  std::string text_;
  std::array<std::array<int, MaxPages>, Books> starts_{};
  std::array<int, Books> counts_{};
};
