#include "shell/ManualPages.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <sstream>

#include "platform/DataNames.h"
#include "platform/Files.h"

namespace {
// Positions and sizes from the text are clamped so hostile numbers cannot overflow the
// layout or ask the window for absurd fonts.
constexpr int PositionLimit = 1000000;
constexpr int MinFontSize = 1, MaxFontSize = 96;
constexpr int LevelLimit = INT_MAX - 1;  // even, so the odd rule of "<j>" cannot overflow
constexpr size_t MaxManualBytes = 16u << 20;

long long Clamp(long long v, long long lo, long long hi) { return std::min(std::max(v, lo), hi); }

// scanf "%d" at the front of s: blanks, a sign, digits; saturates instead of overflowing.
std::optional<int> LeadingNumber(const std::string& s, size_t from = 0) {
  size_t i = from;
  while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
  if (i >= s.size() || !std::isdigit(static_cast<unsigned char>(s[i]))) return std::nullopt;
  long long v = 0;
  for (; i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])); ++i)
    v = std::min<long long>(v * 10 + (s[i] - '0'), 1LL << 40);
  return static_cast<int>(Clamp(negative ? -v : v, INT_MIN, INT_MAX));
}

std::vector<std::string> Words(const std::string& s) {
  std::istringstream in(s);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

// Each word read as a number; nothing unless all `count` of them are numbers.
std::optional<std::vector<int>> Numbers(const std::vector<std::string>& words, size_t first, size_t count) {
  if (words.size() < first + count) return std::nullopt;
  std::vector<int> out;
  for (size_t i = first; i < first + count; ++i) {
    auto n = LeadingNumber(words[i]);
    if (!n) return std::nullopt;
    out.push_back(*n);
  }
  return out;
}

int Moved(int at, int by) { return static_cast<int>(Clamp(static_cast<long long>(at) + by, -PositionLimit, PositionLimit)); }

bool IsTagStart(const std::string& text, size_t i) {
  return text[i] == '<' && i + 1 < text.size() && std::isalpha(static_cast<unsigned char>(text[i + 1]));
}
}  // namespace

ManualPages::ManualPages(std::string text) : text_(std::move(text)) {
  // The file is read as text: line ends are line feeds.
  text_.erase(std::remove(text_.begin(), text_.end(), '\r'), text_.end());
  for (size_t at = text_.find("<p"); at != std::string::npos; at = text_.find("<p", at + 2)) {
    // A "<p" without a number starts no page anyone can go to.
    if (auto n = LeadingNumber(text_, at + 2)) table_.push_back({*n, at});
  }
}

ManualPages ManualPages::Load(const std::string& path) {
  auto text = ReadFileText(NativePath(path), MaxManualBytes);
  return text ? ManualPages(std::move(*text)) : ManualPages();
}

ManualTabs ManualPages::TabsFor(int page) {
  if (page < 3000) return {7, 3, 1};
  if (page < 4000) return {-1, 7, 5};
  return {3, -1, 9};
}

bool ManualPages::GoToPage(int n, bool remember) {
  tabs_ = TabsFor(n);
  auto found = std::find_if(table_.begin(), table_.end(), [n](const PageEntry& e) { return e.number == n; });
  if (found == table_.end()) return false;
  if (remember) history_.push_back(page_);
  position_ = found->position;
  page_ = n;
  firstDrawing_ = true;
  return true;
}

bool ManualPages::GoBack() {
  if (history_.empty()) return false;
  int back = history_.back();
  history_.pop_back();
  return GoToPage(back, false);
}

bool ManualPages::GoToNextPage() { return hasNextPage() && GoToPage(next_, true); }

const ManualLink* ManualPages::LinkAt(int x, int y) const {
  for (const ManualLink& l : links_)
    if (l.box.contains(x, y)) return &l;
  return nullptr;
}

const ManualRegion* ManualPages::RegionAt(int x, int y) const {
  for (const ManualRegion& r : regions_)
    if (r.box.contains(x, y)) return &r;
  return nullptr;
}

// One paint of the current page: walks the text from the page's "<p" to its end.
class ManualPageDrawer {
 public:
  ManualPageDrawer(ManualPages& pages, const IManualMetrics& metrics, int progress)
      : pages_(pages), metrics_(metrics), progress_(progress), first_(pages.firstDrawing_) {}

  ManualDrawing Draw() {
    pages_.next_ = -1;
    if (first_) pages_.links_.clear(), pages_.regions_.clear();
    const std::string& text = pages_.text_;
    size_t i = std::min(pages_.position_, text.size());
    while (i < text.size()) {
      if (IsTagStart(text, i)) {
        size_t close = text.find('>', i + 2);
        if (close == std::string::npos) break;  // an unfinished tag ends the text
        Flush();
        if (!Tag(text[i + 1], text.substr(i + 2, close - i - 2))) break;
        i = close + 1;
        continue;
      }
      char c = text[i++];
      if (c == '\t') {
        Flush();
        x_ = Moved((x_ / ManualPages::TabStop) * ManualPages::TabStop, ManualPages::TabStop);
      } else if (c == '\n') {
        Flush();
        x_ = 0;
        y_ = Moved(y_, metrics_.ZeroHeight(size_, bold_));
      } else {
        if (pending_.empty()) runX_ = x_, runY_ = y_;
        pending_.push_back(c);
      }
    }
    Flush();
    pages_.firstDrawing_ = false;
    out_.nextPage = pages_.next_;
    return std::move(out_);
  }

 private:
  // Plain characters gather into one run; the position moves on by the run's width.
  void Flush() {
    if (pending_.empty()) return;
    ManualTextRun run{runX_, runY_, pending_, size_, bold_, inLink_ ? ManualLinkGreen : ManualBlack, inLink_};
    x_ = Moved(runX_, metrics_.TextWidth(pending_, size_, bold_));
    if (inLink_) linkRight_ = std::max(linkRight_, x_);
    out_.runs.push_back(std::move(run));
    pending_.clear();
  }

  // Handles one tag; false when the page ends here.
  bool Tag(char letter, const std::string& args) {
    switch (letter) {
      case 'e': return false;
      case 'f': {
        auto n = LeadingNumber(args);
        return !(n && *n > pages_.level_);
      }
      case 'b':
        bold_ = !bold_;
        size_ = bold_ ? ManualPages::BoldSize : baseSize_;
        break;
      case 's':
        if (auto n = LeadingNumber(args)) size_ = baseSize_ = static_cast<int>(Clamp(*n, MinFontSize, MaxFontSize));
        break;
      case 'l': Link(args); break;
      case 'x':
        if (auto n = LeadingNumber(args)) pages_.next_ = *n;
        break;
      case 'm': {
        auto d = Numbers(Words(args), 0, 2);
        if (d) x_ = Moved(x_, (*d)[0]), y_ = Moved(y_, (*d)[1]);
        break;
      }
      case 'i': Picture(args); break;
      case 'h': Region(args); break;
      case 'd': NameBox(args); break;
      case 'w': out_.webButton = true; break;
      case 'k':
        if (auto n = LeadingNumber(args)) Raise(*n);
        break;
      case 'j':
        Raise(Clamp(static_cast<long long>(progress_) * 100, INT_MIN, INT_MAX));
        if (pages_.level_ % 2 != 0) ++pages_.level_;
        break;
      default: break;  // "<p n>" and unknown tags draw nothing
    }
    return true;
  }

  void Raise(long long level) {
    if (level > pages_.level_) pages_.level_ = static_cast<int>(std::min<long long>(level, LevelLimit));
  }

  // "<l n>" opens a link, the next "<l>" closes it. A link broken over lines covers its
  // lines from the left edge to the furthest its text reached.
  void Link(const std::string& args) {
    if (!inLink_) {
      if (auto n = LeadingNumber(args)) inLink_ = true, linkTarget_ = *n, linkX_ = linkRight_ = x_, linkY_ = y_;
      return;
    }
    inLink_ = false;
    if (!first_) return;
    int bottom = Moved(y_, metrics_.ZeroHeight(size_, bold_));
    ManualRect box = y_ == linkY_ ? ManualRect{linkX_, linkY_, x_, bottom} : ManualRect{0, linkY_, linkRight_, bottom};
    pages_.links_.push_back({box, linkTarget_});
  }

  void Picture(const std::string& args) {
    auto words = Words(args);
    // Pictures come from the "manual" folder only.
    if (!first_ || words.empty() || !DataNameStaysInside(words[0])) return;
    out_.picture = ManualPicture{"manual\\" + words[0], x_, y_};
  }

  void Region(const std::string& args) {
    auto words = Words(args);
    auto n = Numbers(words, 1, 5);
    if (!first_ || !n) return;
    std::string name = words[0];
    std::replace(name.begin(), name.end(), '_', ' ');
    ManualRect box{std::min((*n)[0], (*n)[2]), std::min((*n)[1], (*n)[3]), std::max((*n)[0], (*n)[2]),
                   std::max((*n)[1], (*n)[3])};
    pages_.regions_.push_back({box, name, (*n)[4]});
  }

  void NameBox(const std::string& args) {
    auto n = Numbers(Words(args), 0, 4);
    if (!first_ || !n) return;
    auto size = [](int v) { return static_cast<int>(Clamp(v, 0, PositionLimit)); };
    out_.nameBox = ManualNameBox{Moved((*n)[0], 0), Moved((*n)[1], 0), size((*n)[2]), size((*n)[3])};
  }

  ManualPages& pages_;
  const IManualMetrics& metrics_;
  int progress_;
  bool first_;
  ManualDrawing out_;
  int x_ = 0, y_ = 0;
  int size_ = ManualPages::BaseSize, baseSize_ = ManualPages::BaseSize;
  bool bold_ = false;
  bool inLink_ = false;
  int linkTarget_ = 0, linkX_ = 0, linkY_ = 0, linkRight_ = 0;
  std::string pending_;
  int runX_ = 0, runY_ = 0;
};

ManualDrawing ManualPages::DrawPage(const IManualMetrics& metrics, int progress) {
  return ManualPageDrawer(*this, metrics, progress).Draw();
}
