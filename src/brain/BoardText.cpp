// Text cells and typing at the half-cell cursor.
#include "brain/BoardText.h"

namespace {
bool IsTextKind(int kind) { return kind == PicText || kind == PicMovingText; }
}  // namespace

int TextPicAt(const TBrainBoard& board, int x, int y) {
  const GridCell* cell = board.Cell(x, y);
  if (!cell) return -1;
  int q = cell->first;
  for (int guard = board.pics.used(); q >= 0 && guard > 0; --guard, q = board.pics[q].next)
    if (IsTextKind(board.pics[q].kind)) return q;
  return -1;
}

int CellText(const TBrainBoard& board, int x, int y) {
  const int p = TextPicAt(board, x, y);
  return p < 0 ? 0 : board.pics[p].key;
}

void EraseCellText(TBrainBoard& board, int x, int y) {
  for (int p = TextPicAt(board, x, y), guard = 4; p >= 0 && guard > 0; p = TextPicAt(board, x, y), --guard) {
    const BoardPic bp = board.pics[p];
    board.RemovePic(x, y, bp.picture, bp.kind, bp.key);
  }
}

void SetCellText(TBrainBoard& board, int x, int y, int packed) {
  const int p = TextPicAt(board, x, y);
  if (packed == 0) {
    if (p >= 0) EraseCellText(board, x, y);
    return;
  }
  if (p < 0) {
    board.AddPic(x, y, PicText, packed, Tile::TextCell);
    return;
  }
  board.pics[p].key = packed;
  board.MarkDirty(x, y);
}

bool IsBoardTextChar(int ch) { return (ch >= 32 && ch <= 126) || (ch >= 161 && ch <= 255); }

namespace {

// Next row, under the first cell of the run of text cells that ends at the cursor.
void NewLine(const TBrainBoard& board, TextCursor& cursor) {
  int x = cursor.column();
  while (x - 1 >= 1 && TextPicAt(board, x - 1, cursor.row) >= 0) --x;
  cursor.PlaceAt(x, cursor.row + 1);
}

void Backspace(TBrainBoard& board, TextCursor& cursor) {
  const bool rightHalf = cursor.half % 2 != 0;
  const int x = rightHalf ? cursor.column() : cursor.column() - 1;
  if (x >= 1) {
    int packed = CellText(board, x, cursor.row);
    // On a right half the character before the cursor is the cell's left one.
    packed = rightHalf ? (packed & 0xFF) : (packed & 0xFF00);
    SetCellText(board, x, cursor.row, packed);
  }
  if (cursor.half > 2) --cursor.half;
}

void Type(TBrainBoard& board, TextCursor& cursor, int ch) {
  const int x = cursor.column();
  int packed = CellText(board, x, cursor.row);
  packed = cursor.half % 2 == 0 ? ((packed & 0xFF) | (ch << 8)) : ((packed & 0xFF00) | ch);
  if (TextPicAt(board, x, cursor.row) < 0) board.AddPic(x, cursor.row, PicText, packed, Tile::TextCell);
  else SetCellText(board, x, cursor.row, packed);
  ++cursor.half;
  if (cursor.column() >= board.columns() - 1) NewLine(board, cursor);
}

}  // namespace

void TypeAtCursor(TBrainBoard& board, TextCursor& cursor, int ch) {
  if (ch == '\r' || ch == '\n') NewLine(board, cursor);
  else if (ch == '\b') Backspace(board, cursor);
  else if (IsBoardTextChar(ch)) Type(board, cursor, ch);
  else board.MarkDirty(cursor.column(), cursor.row);
}
