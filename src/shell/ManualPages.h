#pragma once
// The manual: one stream of text with tags in angle brackets, cut into numbered pages
// by "<p n>" ... "<e>". ManualPages holds the text, the page table and where the reader
// stands (current page, history, reading level); DrawPage lays the current page out
// into runs of text, link rectangles, a picture with named regions, a name box and the
// web button, for a window to paint.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The font questions the layout asks; the window answers them with its real font.
class IManualMetrics {
 public:
  virtual ~IManualMetrics() = default;
  virtual int TextWidth(const std::string& text, int size, bool bold) const = 0;
  // The height of "0": how far a line feed moves down.
  virtual int ZeroHeight(int size, bool bold) const = 0;
};

struct ManualRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  bool operator==(const ManualRect&) const = default;
};

constexpr uint32_t ManualBlack = 0x000000;
constexpr uint32_t ManualLinkGreen = 0x008000;  // RGB 0, 128, 0

struct ManualTextRun {
  int x = 0, y = 0;  // top-left of the text, in page box pixels
  std::string text;
  int size = 10;
  bool bold = false;
  uint32_t colour = ManualBlack;  // 0xRRGGBB
  bool underline = false;
};

struct ManualLink {
  ManualRect box;
  int target = 0;
};

struct ManualRegion {
  ManualRect box;  // picture pixels
  std::string name;  // "_" already turned into spaces
  int target = 0;
};

struct ManualPicture {
  std::string file;  // "manual\" + name, as the content names it
  int x = 0, y = 0;
};

struct ManualNameBox {
  int x = 0, y = 0, width = 0, height = 0;
};

// What one paint of the page shows. The picture and the name box come only with the
// page's first drawing; afterwards they stay as they were placed.
struct ManualDrawing {
  std::vector<ManualTextRun> runs;
  std::optional<ManualPicture> picture;
  std::optional<ManualNameBox> nameBox;
  bool webButton = false;
  int nextPage = -1;
};

// Tops of the three tab pictures; the tab of the current section sits lowest, in front.
struct ManualTabs {
  int contents = 7, hints = 3, index = 1;
  bool operator==(const ManualTabs&) const = default;
};

class ManualPages {
 public:
  static constexpr const char* MissingText = "<p 0><x -1>Couldn't find help file<e>";
  static constexpr int BaseSize = 10;
  static constexpr int BoldSize = 12;
  static constexpr int TabStop = 20;

  struct PageEntry {
    int number = 0;
    size_t position = 0;  // of its "<p"
  };

  ManualPages() : ManualPages(MissingText) {}
  explicit ManualPages(std::string text);
  // Reads "manual/manual.pgs" (or any path); a file that cannot be read gives the
  // one-page missing text.
  static ManualPages Load(const std::string& path);

  const std::string& text() const { return text_; }
  const std::vector<PageEntry>& table() const { return table_; }
  int currentPage() const { return page_; }
  size_t currentPosition() const { return position_; }
  int nextPage() const { return next_; }
  bool hasNextPage() const { return next_ != -1; }
  const std::vector<int>& history() const { return history_; }
  int readingLevel() const { return level_; }
  bool firstDrawingPending() const { return firstDrawing_; }
  const ManualTabs& tabs() const { return tabs_; }
  const std::vector<ManualLink>& links() const { return links_; }
  const std::vector<ManualRegion>& regions() const { return regions_; }

  // Moves the tabs for n, then shows page n if the table has it (true). With remember
  // the page being left goes on the history first.
  bool GoToPage(int n, bool remember);
  // The left page edge: back to the last remembered page, without remembering.
  bool GoBack();
  // The right page edge: on to the page's next page, remembering this one.
  bool GoToNextPage();

  // Lays out the current page. progress feeds "<j>". Updates the next page, the
  // reading level and, on the first drawing, the links and regions.
  ManualDrawing DrawPage(const IManualMetrics& metrics, int progress);

  const ManualLink* LinkAt(int x, int y) const;
  const ManualRegion* RegionAt(int x, int y) const;

  static ManualTabs TabsFor(int page);

 private:
  friend class ManualPageDrawer;
  std::string text_;
  std::vector<PageEntry> table_;
  size_t position_ = 0;
  int page_ = 0;
  int next_ = -1;
  std::vector<int> history_;
  int level_ = 0;
  bool firstDrawing_ = true;
  ManualTabs tabs_;
  std::vector<ManualLink> links_;
  std::vector<ManualRegion> regions_;
};
