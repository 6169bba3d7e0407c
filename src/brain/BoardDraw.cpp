#include "brain/BoardDraw.h"

#include <cstdio>

namespace {
// Larger drawing surfaces are refused rather than attempted.
constexpr int MaxViewSide = 8192;
constexpr int StackGuard = 4096;
}  // namespace

BoardDraw::BoardDraw(TBrainBoard& board, std::shared_ptr<const BoardTileSet> tiles)
    : board_(board), tiles_(std::move(tiles)) {
  if (!tiles_) {
    board_.Message("Can't get parent", "Board cast error");
    board_.broken = true;
  }
  board_.view = this;
}

bool BoardDraw::SetViewSize(int widthPixels, int heightPixels) {
  if (widthPixels <= 0 || heightPixels <= 0 || widthPixels > MaxViewSide || heightPixels > MaxViewSide) {
    board_.Message("CreateDibSection failed", "Error");
    board_.broken = true;
    return false;
  }
  if (widthPixels == image_.width() && heightPixels == image_.height()) return true;
  image_ = IndexedImage(widthPixels, heightPixels);
  board_.widthPixels = widthPixels;
  board_.heightPixels = heightPixels;
  MarkVisibleDirty();
  return true;
}

void BoardDraw::SetCellSize(int cellSize) {
  if (!BoardTileSet::ValidSize(cellSize)) return;
  board_.SetCellSize(cellSize);
  MarkVisibleDirty();
}

ScrollRanges BoardDraw::UpdateScrollRanges() {
  const int cell = board_.cellSize > 0 ? board_.cellSize : 16;
  ScrollRanges r;
  r.horizontalMax = board_.columns() - board_.widthPixels / cell;
  r.verticalMax = board_.rows() - (board_.heightPixels + 16) / cell;
  if (r.horizontalMax < 0) r.horizontalMax = 0;
  if (r.verticalMax < 0) r.verticalMax = 0;
  r.horizontalPage = board_.widthPixels / cell / 2;
  r.verticalPage = board_.heightPixels / cell / 2;
  if (r.horizontalPage < 1) r.horizontalPage = 1;
  if (r.verticalPage < 1) r.verticalPage = 1;
  r.shown = r.horizontalMax > 0 || r.verticalMax > 0;
  ranges_ = r;
  if (scrollX_ > r.horizontalMax || scrollY_ > r.verticalMax) Scroll(scrollX_, scrollY_);
  return r;
}

void BoardDraw::Scroll(int horizontal, int vertical) {
  scrollX_ = horizontal < 0 ? 0 : (horizontal > ranges_.horizontalMax ? ranges_.horizontalMax : horizontal);
  scrollY_ = vertical < 0 ? 0 : (vertical > ranges_.verticalMax ? ranges_.verticalMax : vertical);
  MarkVisibleDirty();
}

bool BoardDraw::CellAt(int px, int py, int& x, int& y) const {
  if (px < 0 || py < 0 || board_.cellSize <= 0) return false;
  x = px / board_.cellSize + scrollX_;
  y = py / board_.cellSize + scrollY_;
  return board_.InGrid(x, y);
}

int BoardDraw::VisibleColumns() const {
  const int cell = board_.cellSize > 0 ? board_.cellSize : 16;
  return (image_.width() + cell - 1) / cell;
}

int BoardDraw::VisibleRows() const {
  const int cell = board_.cellSize > 0 ? board_.cellSize : 16;
  return (image_.height() + cell - 1) / cell;
}

void BoardDraw::MarkVisibleDirty() {
  for (int y = 0; y < VisibleRows(); ++y)
    for (int x = 0; x < VisibleColumns(); ++x) board_.MarkDirty(x + scrollX_, y + scrollY_);
}

bool BoardDraw::InSelection(int x, int y) const {
  const TBrainBoard& b = board_;
  if (b.selLeft < 0 || b.selTop < 0 || b.selRight < 0 || b.selBottom < 0) return false;
  const int l = b.selLeft < b.selRight ? b.selLeft : b.selRight, r = b.selLeft < b.selRight ? b.selRight : b.selLeft;
  const int t = b.selTop < b.selBottom ? b.selTop : b.selBottom, bt = b.selTop < b.selBottom ? b.selBottom : b.selTop;
  return x >= l && x <= r && y >= t && y <= bt;
}

int BoardDraw::BackgroundTile(int x, int y) const {
  const int right = board_.columns() - 1, bottom = board_.rows() - 1;
  if (y == 0) return x == 0 ? 132 : (x == right ? 134 : 133);
  if (y == bottom) return x == 0 ? 164 : (x == right ? 166 : 165);
  if (x == 0) return 148;
  if (x == right) return 150;
  return InSelection(x, y) ? Tile::SelectedCell : Tile::Cell;
}

void BoardDraw::DrawText(int px, int py, int key) {
  ITextDraw* text = board_.host().text;
  if (!text || board_.cellSize != 16) return;  // two characters need the full cell
  IndexedImage cell = image_.crop(px, py, 16, 16);
  TextStyle style;  // "Courier New" 10 pt, black
  const char chars[2] = {static_cast<char>((key >> 8) & 0xFF), static_cast<char>(key & 0xFF)};
  for (int half = 0; half < 2; ++half)
    if (chars[half] > ' ' && chars[half] < 127) text->DrawText(cell, half * 8, 0, std::string(1, chars[half]), style);
  image_.blit(cell, 0, 0, 16, 16, px, py);
}

void BoardDraw::DrawValue(int px, int py, const Snooper& s) {
  if (board_.cellSize != 16) return;
  char digits[16];
  std::snprintf(digits, sizeof digits, "%4d", s.lastValue);
  const bool dark = DarkDigitsOn(s.tile);
  for (int i = 0; i < 4 && digits[i]; ++i) tiles_->DrawGlyph(image_, px + i * Glyph::Width, py, digits[i], dark);
}

void BoardDraw::DrawCell(int x, int y) {
  const int cell = board_.cellSize;
  const int px = (x - scrollX_) * cell, py = (y - scrollY_) * cell;
  tiles_->Draw(image_, px, py, BackgroundTile(x, y), cell);
  const GridCell* c = board_.Cell(x, y);
  // The stack from its tail: collect it from the head first.
  int stack[StackGuard];
  int count = 0;
  for (int q = c->first; q >= 0 && q < board_.pics.used() && count < StackGuard; q = board_.pics[q].next)
    stack[count++] = q;
  for (int k = count - 1; k >= 0; --k) {
    const BoardPic& bp = board_.pics[stack[k]];
    if (bp.kind == PicText || bp.kind == PicMovingText) {
      tiles_->Draw(image_, px, py, InSelection(x, y) ? Tile::SelectedText : bp.picture, cell);
      DrawText(px, py, bp.key);
      continue;
    }
    tiles_->Draw(image_, px, py, bp.picture, cell);
    if (bp.kind == PicSnooper) {
      if (board_.snoopers.live(bp.key) && board_.snoopers[bp.key].monitor) DrawValue(px, py, board_.snoopers[bp.key]);
      break;
    }
  }
}

void BoardDraw::Paint() {
  if (!tiles_ || image_.empty() || !board_.visible) return;
  for (int y = 0; y < VisibleRows(); ++y)
    for (int x = 0; x < VisibleColumns(); ++x) {
      GridCell* c = board_.Cell(x + scrollX_, y + scrollY_);
      if (!c) {
        image_.fillRect(x * board_.cellSize, y * board_.cellSize, board_.cellSize, board_.cellSize, 0);
        continue;
      }
      DrawCell(x + scrollX_, y + scrollY_);
      c->dirty = false;
    }
  if (blockTransfer) blockTransfer(0, 0, image_.width(), image_.height());
}

void BoardDraw::RepaintDirtyCells(TBrainBoard&) {
  if (!tiles_ || image_.empty() || !board_.visible) return;
  const int cell = board_.cellSize;
  for (int y = 0; y < VisibleRows(); ++y)
    for (int x = 0; x < VisibleColumns(); ++x) {
      GridCell* c = board_.Cell(x + scrollX_, y + scrollY_);
      if (!c || !c->dirty) continue;
      DrawCell(x + scrollX_, y + scrollY_);
      c->dirty = false;
      if (blockTransfer) blockTransfer(x * cell, y * cell, cell, cell);
    }
}
