// Moving groups of elements: shape, bounds, the free offset search and the move itself.
#include "brain/BoardGroup.h"

#include <algorithm>
#include <cstdlib>

#include "brain/BoardText.h"

GroupShape ShapeOf(const TBrainBoard& board, const BoardGroup& group) {
  GroupShape shape;
  for (int i : group.neurons) shape.blocks.push_back({board.neurons[i].x, board.neurons[i].y, true});
  for (int i : group.nodes) shape.blocks.push_back({board.nodes[i].x, board.nodes[i].y, false});
  for (int s : group.lineSegs) shape.cells.push_back({board.lineSegs[s].x, board.lineSegs[s].y});
  for (int i : group.snoopers) shape.cells.push_back({board.snoopers[i].x, board.snoopers[i].y});
  for (const TextCellRef& t : group.texts) shape.cells.push_back({t.x, t.y});
  return shape;
}

bool GroupBounds(const GroupShape& shape, int& left, int& top, int& right, int& bottom) {
  if (shape.blocks.empty() && shape.cells.empty()) return false;
  left = top = 2147483647;
  right = bottom = -2147483647;
  auto take = [&](long x0, long y0, long x1, long y1) {
    left = static_cast<int>(std::min<long>(left, x0)), top = static_cast<int>(std::min<long>(top, y0));
    right = static_cast<int>(std::max<long>(right, x1)), bottom = static_cast<int>(std::max<long>(bottom, y1));
  };
  for (const auto& b : shape.blocks) take(b.x - 1L, b.y - 1L, b.x + 1L, b.y + 1L);
  for (const auto& c : shape.cells) take(c.x, c.y, c.x, c.y);
  return true;
}

void LimitShift(const TBrainBoard& board, const GroupShape& shape, int& dx, int& dy) {
  int left, top, right, bottom;
  if (!GroupBounds(shape, left, top, right, bottom)) return;
  auto limit = [](int d, int low, int high, int max) {
    if (d > max - high) d = max - high;
    if (d < 1 - low) d = 1 - low;
    return d;
  };
  // A group wider than the board cannot move at all.
  if (right - left > board.columns() - 3) dx = 0;
  else dx = limit(dx, left, right, board.columns() - 2);
  if (bottom - top > board.rows() - 3) dy = 0;
  else dy = limit(dy, top, bottom, board.rows() - 2);
}

namespace {

bool FitsAt(const TBrainBoard& board, const GroupShape& shape, int dx, int dy) {
  for (const auto& c : shape.cells) {
    const long x = static_cast<long>(c.x) + dx, y = static_cast<long>(c.y) + dy;
    if (x < 1 || y < 1 || x > board.columns() - 2 || y > board.rows() - 2) return false;
  }
  for (const auto& b : shape.blocks)
    if (!board.Fits(b.x + dx, b.y + dy, b.neuron, OtherNone, -1)) return false;
  return true;
}

}  // namespace

bool FindFreeOffset(const TBrainBoard& board, const GroupShape& shape, int& dx, int& dy) {
  int left, top, right, bottom;
  if (!GroupBounds(shape, left, top, right, bottom)) {
    dx = dy = 0;
    return true;
  }
  // Offsets that put the bounds outside the board are never tried: the bounds decide
  // them before any element is looked at.
  const long minDx = 1L - left, maxDx = board.columns() - 2L - right;
  const long minDy = 1L - top, maxDy = board.rows() - 2L - bottom;
  if (minDx > maxDx || minDy > maxDy) return false;
  for (int r = 0; r < board.columns() || r < board.rows(); ++r)
    for (int ox = r; ox >= -r; --ox) {
      if (ox < minDx || ox > maxDx) continue;
      const bool edgeColumn = std::abs(ox) == r;
      for (int oy = r; oy >= -r; oy -= (edgeColumn ? 1 : 2 * r)) {
        if (oy >= minDy && oy <= maxDy && FitsAt(board, shape, ox, oy)) {
          dx = ox, dy = oy;
          return true;
        }
        if (r == 0) break;
      }
    }
  return false;
}

namespace {

void EraseGroup(TBrainBoard& board, const BoardGroup& group) {
  for (int s : group.lineSegs) board.EraseLineSeg(s);
  for (int i : group.nodes) board.EraseNode(i);
  for (int i : group.neurons) board.EraseNeuron(i);
  for (int i : group.snoopers) board.EraseSnooper(i);
}

void DrawGroup(TBrainBoard& board, const BoardGroup& group) {
  for (int i : group.nodes) board.DrawNode(i);
  for (int i : group.neurons) board.DrawNeuron(i);
  for (int s : group.lineSegs) board.DrawLineSeg(s);
  for (int i : group.snoopers) board.DrawSnooper(i);
}

}  // namespace

void MoveGroup(TBrainBoard& board, BoardGroup& group, int dx, int dy) {
  EraseGroup(board, group);
  for (const TextCellRef& t : group.texts) board.RemovePic(t.x, t.y, Tile::TextCell, PicMovingText, t.packed);
  for (int i : group.nodes) board.nodes[i].x += dx, board.nodes[i].y += dy;
  for (int i : group.neurons) board.neurons[i].x += dx, board.neurons[i].y += dy;
  for (int s : group.lineSegs) board.lineSegs[s].x += dx, board.lineSegs[s].y += dy;
  for (int i : group.snoopers) board.snoopers[i].x += dx, board.snoopers[i].y += dy;
  for (TextCellRef& t : group.texts) {
    t.x += dx, t.y += dy;
    board.AddPic(t.x, t.y, PicMovingText, t.packed, Tile::TextCell);
  }
  DrawGroup(board, group);
}

void RedrawGroup(TBrainBoard& board, const BoardGroup& group) {
  EraseGroup(board, group);
  DrawGroup(board, group);
}

namespace {

// Routes from a selected element's output slot to another selected element.
void SelectRoutesBetweenSelected(TBrainBoard& board, BoardGroup& group) {
  auto follow = [&](int seg) {
    for (int s = seg, guard = board.lineSegs.used(); board.lineSegs.live(s) && guard > 0; --guard) {
      if (board.lineSegs[s].selected) break;
      board.lineSegs[s].selected = true;
      group.lineSegs.push_back(s);
      s = board.lineSegs[s].next;
    }
  };
  auto otherSelected = [&](int kind, int index) {
    if (kind == OtherNeuron) return board.neurons.live(index) && board.neurons[index].selected;
    if (kind == OtherNode) return board.nodes.live(index) && board.nodes[index].selected;
    return false;
  };
  for (int i : group.neurons)
    for (const Synapse& s : board.neurons[i].slots)
      if (s.kind == SlotOutput && otherSelected(s.otherKind, s.otherIndex)) follow(s.lineSeg);
  for (int i : group.nodes) {
    const Node& n = board.nodes[i];
    for (int s = 0; s < SlotCount; ++s)
      if (n.slotKind[s] == SlotOutput && otherSelected(n.otherKind[s], n.otherIndex[s])) follow(n.lineSeg[s]);
  }
}

bool Inside(int x, int y, int left, int top, int right, int bottom) {
  return x >= left && x <= right && y >= top && y <= bottom;
}

}  // namespace

BoardGroup SelectInRectangle(TBrainBoard& board, int left, int top, int right, int bottom, bool withText) {
  BoardGroup group;
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  for (int i = 0; i < board.neurons.used(); ++i) {
    Neuron& n = board.neurons[i];
    if (n.inUse && Inside(n.x, n.y, left, top, right, bottom)) n.selected = true, group.neurons.push_back(i);
  }
  for (int i = 0; i < board.nodes.used(); ++i) {
    Node& n = board.nodes[i];
    if (n.inUse && Inside(n.x, n.y, left, top, right, bottom)) n.selected = true, group.nodes.push_back(i);
  }
  for (int i = 0; i < board.snoopers.used(); ++i) {
    Snooper& s = board.snoopers[i];
    if (s.inUse && Inside(s.x, s.y, left, top, right, bottom)) s.selected = true, group.snoopers.push_back(i);
  }
  SelectRoutesBetweenSelected(board, group);
  if (!withText) return group;
  for (int x = std::max(left, 0); x <= right && x < board.columns(); ++x)
    for (int y = std::max(top, 0); y <= bottom && y < board.rows(); ++y) {
      const int p = TextPicAt(board, x, y);
      if (p < 0) continue;
      board.pics[p].kind = PicMovingText;
      group.texts.push_back({x, y, board.pics[p].key});
    }
  return group;
}

void ClearSelectedFlags(TBrainBoard& board) {
  for (int i = 0; i < board.neurons.used(); ++i) board.neurons[i].selected = false;
  for (int i = 0; i < board.nodes.used(); ++i) board.nodes[i].selected = false;
  for (int i = 0; i < board.snoopers.used(); ++i) board.snoopers[i].selected = false;
  for (int i = 0; i < board.lineSegs.used(); ++i) board.lineSegs[i].selected = false;
}

void MarkRectangleDirty(TBrainBoard& board, int left, int top, int right, int bottom) {
  if (left < 0 || top < 0) return;
  for (int x = left; x <= right && x < board.columns(); ++x)
    for (int y = top; y <= bottom && y < board.rows(); ++y) board.MarkDirty(x, y);
}
