#pragma once
// Composes a board's visible cells into an 8-bit picture: background, the picture stack
// from tail to head through the masks, text, printed snooper values. Only dirty cells are
// composed again after a step; each is handed on as one block for the window to copy.
#include <functional>
#include <memory>

#include "brain/BoardTileSet.h"
#include "brain/Brainboard.h"

struct ScrollRanges {
  int horizontalMax = 0, verticalMax = 0;
  int horizontalPage = 1, verticalPage = 1;
  bool shown = false;  // hidden when both maxima are 0
};

class BoardDraw : public IBoardView {
 public:
  // A board drawn without tiles was made outside a brain window: it is marked broken.
  BoardDraw(TBrainBoard& board, std::shared_ptr<const BoardTileSet> tiles);

  TBrainBoard& board() { return board_; }
  const TBrainBoard& board() const { return board_; }
  // The window's drawing surface in pixels; false (board broken) when it cannot be made.
  bool SetViewSize(int widthPixels, int heightPixels);
  void SetCellSize(int cellSize);
  ScrollRanges UpdateScrollRanges();
  // Scroll positions in cells, clamped to the ranges; the visible cells become dirty.
  void Scroll(int horizontal, int vertical);
  int scrollX() const { return scrollX_; }
  int scrollY() const { return scrollY_; }
  // The cell under a pixel of the window; false outside the grid.
  bool CellAt(int px, int py, int& x, int& y) const;

  // Every visible cell composed again and handed on as one block.
  void Paint();
  // The step's repaint: each visible dirty cell composed and handed on by itself.
  void RepaintDirtyCells(TBrainBoard& board) override;
  void MarkVisibleDirty();

  const IndexedImage& image() const { return image_; }
  // The block transfer to the window (x, y, width, height in pixels of image()).
  std::function<void(int x, int y, int w, int h)> blockTransfer;

 private:
  void DrawCell(int x, int y);
  int BackgroundTile(int x, int y) const;
  bool InSelection(int x, int y) const;
  void DrawText(int px, int py, int key);
  void DrawValue(int px, int py, const Snooper& s);
  int VisibleColumns() const;
  int VisibleRows() const;

  TBrainBoard& board_;
  std::shared_ptr<const BoardTileSet> tiles_;
  IndexedImage image_;
  int scrollX_ = 0, scrollY_ = 0;
  ScrollRanges ranges_;
};
