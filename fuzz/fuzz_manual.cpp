// Any text as the manual: every page in its table is drawn twice (first drawing and a
// repaint) at progress levels taken from the input, its links and next page followed.
#include <cstdint>
#include <string>

#include "shell/ManualPages.h"

namespace {
// A fixed-pitch font: widths and heights grow with the size, as a real font's do.
class Metrics : public IManualMetrics {
 public:
  int TextWidth(const std::string& text, int size, bool bold) const override {
    return static_cast<int>(text.size()) * (size / 2 + (bold ? 2 : 1));
  }
  int ZeroHeight(int size, bool) const override { return size + 3; }
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 256 * 1024) return 0;
  ManualPages manual(std::string(reinterpret_cast<const char*>(data), size));
  const Metrics metrics;
  const int progress = size > 0 ? data[0] * 4 : 0;
  // Each page once, as a reader would reach it; a few hops along next pages and links.
  const size_t pages = std::min<size_t>(manual.table().size(), 64);
  for (size_t k = 0; k < pages; ++k) {
    if (!manual.GoToPage(manual.table()[k].number, k % 2 == 0)) continue;
    manual.DrawPage(metrics, progress);
    manual.DrawPage(metrics, progress + 100);
    for (const ManualLink& link : manual.links()) {
      if (manual.LinkAt(link.box.left, link.box.top) == nullptr && link.box.left < link.box.right &&
          link.box.top < link.box.bottom)
        __builtin_trap();
    }
    if (manual.GoToNextPage()) manual.DrawPage(metrics, progress);
    if (!manual.links().empty() && manual.GoToPage(manual.links().front().target, true))
      manual.DrawPage(metrics, progress);
    manual.RegionAt(10, 10);
  }
  while (manual.GoBack()) {
  }
  return 0;
}
