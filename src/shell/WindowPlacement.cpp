#include "shell/WindowPlacement.h"

#include <algorithm>
#include <climits>
#include <memory>

WindowPlacement PlaceWindows(int screenWidth, int screenHeight, int mainWidth, int mainHeight, int brainWidth,
                             int worldWidth, int worldHeight) {
  WindowPlacement p{};
  p.mainLeft = screenWidth > 640 ? screenWidth / 2 - mainWidth : 0;
  if (p.mainLeft < 0) p.mainLeft = 0;
  p.mainTop = (screenHeight - mainHeight) / 2;
  p.brainLeft = p.mainLeft + mainWidth + 5;
  p.brainTop = p.mainTop;
  p.worldTop = p.mainTop + mainHeight - worldHeight;
  p.worldLeft = screenWidth <= 640 ? p.mainLeft + mainWidth + 5
                                   : p.mainLeft + mainWidth + (brainWidth - worldWidth) / 2 + 5;
  return p;
}

int PlaceRect::OverlapArea(const PlaceRect& o) const {
  const int w = std::min(right(), o.right()) - std::max(left, o.left);
  const int h = std::min(bottom(), o.bottom()) - std::max(top, o.top);
  return w > 0 && h > 0 ? w * h : 0;
}

PlaceSize MainFrameSize(const DeskRequest& r, int scalePercent) {
  return {r.mainDesign.width * scalePercent / 100 + r.frame.width,
          r.mainDesign.height * scalePercent / 100 + r.frame.height};
}

namespace {
bool ClearOf(const PlaceRect& c, const PlaceRect& screen, const std::vector<PlaceRect>& taken) {
  if (!c.Inside(screen)) return false;
  for (const PlaceRect& t : taken)
    if (c.Intersects(t)) return false;
  return true;
}

// Places beside every taken window and at the screen's edges, the taken windows first.
std::vector<PlaceRect> Candidates(const PlaceRect& screen, const std::vector<PlaceRect>& taken, PlaceSize s) {
  std::vector<int> xs, ys;
  for (const PlaceRect& t : taken) {
    xs.insert(xs.end(), {t.right() + WindowGap, t.left, t.left - WindowGap - s.width});
    ys.insert(ys.end(), {t.top, t.bottom() + WindowGap, t.top - WindowGap - s.height});
  }
  xs.insert(xs.end(), {screen.left, screen.right() - s.width});
  ys.insert(ys.end(), {screen.top, screen.bottom() - s.height});
  std::vector<PlaceRect> out;
  for (int y : ys)
    for (int x : xs) out.push_back({x, y, s.width, s.height});
  return out;
}

enum Which { Brain, World, Editor };

struct Item {
  Which which;
  PlaceSize wanted, least;
};

// The windows right of the main window: one window alone, or two parts side by side
// (across) or one above the other.
struct Node {
  int item = -1;
  bool across = false;
  std::shared_ptr<const Node> first, second;
};
using NodePtr = std::shared_ptr<const Node>;

std::vector<NodePtr> Arrangements(const std::vector<int>& items) {
  std::vector<NodePtr> out;
  if (items.size() == 1) {
    out.push_back(std::make_shared<Node>(Node{items[0], false, nullptr, nullptr}));
    return out;
  }
  const size_t n = items.size();
  for (unsigned mask = 1; mask + 1 < (1u << n); ++mask) {
    std::vector<int> a, b;
    for (size_t i = 0; i < n; ++i) (mask & (1u << i) ? a : b).push_back(items[i]);
    for (const NodePtr& x : Arrangements(a))
      for (const NodePtr& y : Arrangements(b))
        for (bool across : {false, true}) out.push_back(std::make_shared<Node>(Node{-1, across, x, y}));
  }
  return out;
}

PlaceSize Combine(PlaceSize a, PlaceSize b, bool across) {
  return across ? PlaceSize{a.width + WindowGap + b.width, std::max(a.height, b.height)}
                : PlaceSize{std::max(a.width, b.width), a.height + WindowGap + b.height};
}

PlaceSize Need(const Node& n, const std::vector<Item>& items, bool least) {
  if (n.item >= 0) return least ? items[n.item].least : items[n.item].wanted;
  return Combine(Need(*n.first, items, least), Need(*n.second, items, least), n.across);
}

// Each part gets its least; what is left goes to both in proportion to what they lack.
std::pair<int, int> Share(int room, int leastA, int wantA, int leastB, int wantB) {
  const int lackA = wantA - leastA, lackB = wantB - leastB;
  const int spare = room - leastA - leastB;
  if (spare >= lackA + lackB) return {wantA, wantB};
  const int a = leastA + static_cast<int>(static_cast<long long>(spare) * lackA / (lackA + lackB));
  return {a, std::min(wantB, room - a)};
}

void Assign(const Node& n, const PlaceRect& cell, const std::vector<Item>& items, std::vector<PlaceRect>& out) {
  if (n.item >= 0) {
    const Item& it = items[n.item];
    out[n.item] = {cell.left, cell.top, std::max(it.least.width, std::min(it.wanted.width, cell.width)),
                   std::max(it.least.height, std::min(it.wanted.height, cell.height))};
    return;
  }
  const PlaceSize la = Need(*n.first, items, true), wa = Need(*n.first, items, false);
  const PlaceSize lb = Need(*n.second, items, true), wb = Need(*n.second, items, false);
  if (n.across) {
    auto [a, b] = Share(cell.width - WindowGap, la.width, wa.width, lb.width, wb.width);
    Assign(*n.first, {cell.left, cell.top, a, cell.height}, items, out);
    Assign(*n.second, {cell.left + a + WindowGap, cell.top, b, cell.height}, items, out);
  } else {
    auto [a, b] = Share(cell.height - WindowGap, la.height, wa.height, lb.height, wb.height);
    Assign(*n.first, {cell.left, cell.top, cell.width, a}, items, out);
    Assign(*n.second, {cell.left, cell.top + a + WindowGap, cell.width, b}, items, out);
  }
}

PlaceRect& Slot(DeskLayout& d, Which w) { return w == Brain ? d.brain : w == World ? d.world : d.editor; }

std::vector<Item> ItemsOf(const DeskRequest& r, bool withEditor) {
  std::vector<Item> items;
  auto add = [&](Which which, const DeskWindow& w) {
    if (!w.shown) return;
    const PlaceSize least{std::min(w.least.width, w.wanted.width), std::min(w.least.height, w.wanted.height)};
    items.push_back({which, w.wanted, least});
  };
  add(Brain, r.brain);
  add(World, r.world);
  if (withEditor) add(Editor, r.editor);
  return items;
}

// The asked scale, then smaller ones down to 100 % (or the asked one when it is less).
std::vector<int> Scales(int asked) {
  std::vector<int> out{asked};
  for (int s = (asked - 1) / 10 * 10; s >= std::min(asked, 100); s -= 10) out.push_back(s);
  return out;
}

// The main window at the left, the other windows right of it in the arrangement that
// keeps them nearest their wanted sizes; the group centred where the screen has room.
std::optional<DeskLayout> Arrange(const DeskRequest& r, int scale, const std::vector<Item>& items,
                                  bool atLeft = false) {
  const PlaceSize m = MainFrameSize(r, scale);
  if (m.width > r.screen.width || m.height > r.screen.height) return std::nullopt;
  const PlaceRect region{0, 0, r.screen.width - m.width - WindowGap, r.screen.height};
  std::vector<PlaceRect> best;
  if (!items.empty()) {
    std::vector<int> indexes;
    for (size_t i = 0; i < items.size(); ++i) indexes.push_back(static_cast<int>(i));
    long long bestLoss = LLONG_MAX;
    for (const NodePtr& a : Arrangements(indexes)) {
      const PlaceSize least = Need(*a, items, true);
      if (least.width > region.width || least.height > region.height) continue;
      std::vector<PlaceRect> rects(items.size());
      Assign(*a, region, items, rects);
      long long loss = 0;
      for (size_t i = 0; i < items.size(); ++i)
        loss += 1LL * items[i].wanted.width * items[i].wanted.height - 1LL * rects[i].width * rects[i].height;
      if (loss < bestLoss) bestLoss = loss, best = rects;
    }
    if (best.empty()) return std::nullopt;
  }
  int boxWidth = 0, boxHeight = 0;
  for (const PlaceRect& p : best) boxWidth = std::max(boxWidth, p.right()), boxHeight = std::max(boxHeight, p.bottom());
  const int groupWidth = m.width + (best.empty() ? 0 : WindowGap + boxWidth);
  const int groupHeight = std::max(m.height, boxHeight);
  const int left = r.screen.left + (atLeft ? 0 : std::clamp(r.screen.width / 2 - m.width, 0, r.screen.width - groupWidth));
  const int top = r.screen.top + (r.screen.height - groupHeight) / 2;
  DeskLayout d;
  d.scalePercent = scale;
  d.main = {left, top, m.width, m.height};
  for (size_t i = 0; i < items.size(); ++i) {
    PlaceRect p = best[i];
    p.left += left + m.width + WindowGap;
    p.top += top;
    Slot(d, items[i].which) = p;
  }
  return d;
}

// Where a window of this size hides least of the others (the main window counts most).
PlaceRect LeastCover(const PlaceRect& screen, const std::vector<std::pair<PlaceRect, int>>& taken, PlaceSize s) {
  std::vector<PlaceRect> rects;
  for (const auto& t : taken) rects.push_back(t.first);
  PlaceRect best{screen.left, screen.top, s.width, s.height};
  long long least = LLONG_MAX;
  for (PlaceRect c : Candidates(screen, rects, s)) {
    c.left = std::max(screen.left, std::min(c.left, screen.right() - s.width));
    c.top = std::max(screen.top, std::min(c.top, screen.bottom() - s.height));
    long long cost = 0;
    for (const auto& [t, weight] : taken) cost += 1LL * weight * c.OverlapArea(t);
    if (cost < least) least = cost, best = c;
  }
  return best;
}

std::optional<DeskLayout> Keep(const DeskRequest& r) {
  DeskLayout d;
  d.kept = true;
  d.scalePercent = r.scalePercent;
  const PlaceSize m = MainFrameSize(r, r.scalePercent);
  d.main = {r.mainNow.left, r.mainNow.top, m.width, m.height};
  if (!d.main.Inside(r.screen)) return std::nullopt;
  std::vector<PlaceRect> taken{d.main};
  if (r.brain.shown) {
    if (!r.brain.placed) return std::nullopt;
    // The wanted size where it stands; else the size it has now.
    d.brain = {r.brain.now.left, r.brain.now.top, r.brain.wanted.width, r.brain.wanted.height};
    if (!ClearOf(d.brain, r.screen, taken)) d.brain = r.brain.now;
    if (!ClearOf(d.brain, r.screen, taken)) return std::nullopt;
    taken.push_back(d.brain);
  }
  for (Which which : {World, Editor}) {
    const DeskWindow& w = which == World ? r.world : r.editor;
    if (!w.shown) continue;
    PlaceRect at{w.now.left, w.now.top, w.wanted.width, w.wanted.height};
    if (!w.placed || !ClearOf(at, r.screen, taken)) {
      auto spot = FindFreeSpot(r.screen, taken, w.wanted, w.wanted);
      if (!spot) return std::nullopt;
      at = *spot;
    }
    Slot(d, which) = at;
    taken.push_back(at);
  }
  return d;
}
}  // namespace

bool DeskIsClear(const PlaceRect& screen, const std::vector<PlaceRect>& windows) {
  for (size_t i = 0; i < windows.size(); ++i) {
    if (windows[i].width <= 0 || windows[i].height <= 0) continue;
    if (!windows[i].Inside(screen)) return false;
    for (size_t j = i + 1; j < windows.size(); ++j)
      if (windows[i].Intersects(windows[j])) return false;
  }
  return true;
}

std::optional<PlaceRect> FindFreeSpot(const PlaceRect& screen, const std::vector<PlaceRect>& taken, PlaceSize wanted,
                                      PlaceSize least) {
  least = {std::min(least.width, wanted.width), std::min(least.height, wanted.height)};
  for (int step = 0; step <= 4; ++step) {
    const PlaceSize s{wanted.width - (wanted.width - least.width) * step / 4,
                      wanted.height - (wanted.height - least.height) * step / 4};
    for (const PlaceRect& c : Candidates(screen, taken, s))
      if (ClearOf(c, screen, taken)) return c;
  }
  return std::nullopt;
}

DeskLayout PlaceDesk(const DeskRequest& r) {
  if (r.keep)
    if (auto kept = Keep(r)) return *kept;
  const std::vector<int> scales = Scales(r.scalePercent);
  for (int scale : scales)
    if (auto d = Arrange(r, scale, ItemsOf(r, true))) return *d;
  // No room for the editor as well: it goes where it hides least, the main window never;
  // the main window takes its least scale and the others keep to the left to leave it room.
  DeskLayout d;
  bool found = false;
  for (int scale : std::vector<int>(scales.rbegin(), scales.rend()))
    if (auto a = Arrange(r, scale, ItemsOf(r, false), r.editor.shown)) {
      d = *a, found = true;
      break;
    }
  if (!found) {
    const int scale = scales.back();
    const PlaceSize m = MainFrameSize(r, scale);
    d.scalePercent = scale;
    d.main = {r.screen.left, r.screen.top + std::max(0, (r.screen.height - m.height) / 2), m.width, m.height};
    std::vector<std::pair<PlaceRect, int>> taken{{d.main, 100}};
    if (r.brain.shown) taken.push_back({d.brain = LeastCover(r.screen, taken, r.brain.least), 1});
    if (r.world.shown) taken.push_back({d.world = LeastCover(r.screen, taken, r.world.least), 10});
  }
  if (r.editor.shown) {
    std::vector<PlaceRect> taken{d.main, d.brain, d.world};
    if (auto spot = FindFreeSpot(r.screen, taken, r.editor.wanted, r.editor.least)) d.editor = *spot;
    else d.editor = LeastCover(r.screen, {{d.main, 100}, {d.world, 10}, {d.brain, 1}}, r.editor.least);
  }
  d.clear = DeskIsClear(r.screen, {d.main, d.brain, d.world, d.editor});
  return d;
}
