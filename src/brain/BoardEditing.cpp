// Mouse, keys, the selection rectangle, dragging, deleting and clearing.
#include "brain/BoardEditing.h"

#include <algorithm>

#include "brain/BoardClipboard.h"
#include "brain/BrainProperties.h"
#include "brain/CircuitLibrary.h"

TBoardEditor::TBoardEditor(TBrainBoard& board, IBoardRequests* requests) : board_(board), requests_(requests) {}

namespace {
int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
}  // namespace

bool TBoardEditor::CellAt(int px, int py, int& x, int& y) const {
  const int cs = board_.cellSize > 0 ? board_.cellSize : 16;
  x = FloorDiv(px, cs) + scrollX;
  y = FloorDiv(py, cs) + scrollY;
  return board_.InGrid(x, y);
}

void TBoardEditor::ClampedCell(int px, int py, int& x, int& y) const {
  CellAt(px, py, x, y);
  x = std::clamp(x, 1, std::max(1, board_.columns() - 2));
  y = std::clamp(y, 1, std::max(1, board_.rows() - 2));
}

TBoardEditor::Hit TBoardEditor::HitAt(int x, int y) const {
  Hit hit;
  const GridCell* cell = board_.Cell(x, y);
  int q = cell ? cell->first : -1;
  for (int guard = board_.pics.used(); q >= 0 && guard > 0; --guard, q = board_.pics[q].next) {
    const BoardPic& p = board_.pics[q];
    int cx, cy;
    if (p.kind == PicNeuron && board_.neurons.live(p.key)) {
      cx = board_.neurons[p.key].x, cy = board_.neurons[p.key].y;
    } else if (p.kind == PicNode && board_.nodes.live(p.key)) {
      cx = board_.nodes[p.key].x, cy = board_.nodes[p.key].y;
    } else if (p.kind == PicSnooper && board_.snoopers.live(p.key)) {
      cx = x, cy = y;
    } else {
      continue;
    }
    hit.kind = p.kind;
    hit.index = p.key;
    hit.direction = DirectionOf(x - cx, y - cy);
    return hit;
  }
  return hit;
}

// ---- mouse ------------------------------------------------------------------------

void TBoardEditor::MouseDown(int px, int py, MouseButton button) {
  status_ = {};
  routeHint_.clear();
  board_.MarkTouched();
  if (gesture_ != Gesture::None) return;  // a press of the other button mid-gesture
  int x, y;
  if (!CellAt(px, py, x, y)) return;
  board_.MarkDirty(cursor_.column(), cursor_.row);
  cursor_.PlaceAt(x, y);
  const Hit hit = HitAt(x, y);
  if (button == MouseButton::Left) LeftDown(hit, x, y);
  else RightDown(hit, x, y, px, py);
}

void TBoardEditor::LeftDown(const Hit& hit, int x, int y) {
  const bool centre = hit.direction < 0;
  if (hit.kind == PicNeuron) {
    const Synapse& s = board_.neurons[hit.index].slots[centre ? 0 : hit.direction];
    if (centre) {
      BoardGroup g;
      board_.neurons[hit.index].selected = true;
      g.neurons.push_back(hit.index);
      StartDrag(g, x, y);
    } else if (s.kind == SlotEmpty) {
      StartRoute(OtherNeuron, hit.index, hit.direction);
    } else if (IsInputSlot(s.kind)) {
      PickUpRouteEnd(OtherNeuron, hit.index, hit.direction);
    }
  } else if (hit.kind == PicNode) {
    const Node& n = board_.nodes[hit.index];
    if (centre) {
      BoardGroup g;
      board_.nodes[hit.index].selected = true;
      g.nodes.push_back(hit.index);
      StartDrag(g, x, y);
    } else if (n.slotKind[hit.direction] == SlotEmpty) {
      StartRoute(OtherNode, hit.index, hit.direction);
    } else if (n.slotKind[hit.direction] == SlotWireEnd) {
      PickUpRouteEnd(OtherNode, hit.index, hit.direction);
    }
  } else if (hit.kind == PicSnooper) {
    BoardGroup g;
    board_.snoopers[hit.index].selected = true;
    g.snoopers.push_back(hit.index);
    StartDrag(g, x, y);
  } else if (board_.HasSelection() && x >= std::min(board_.selLeft, board_.selRight) &&
             x <= std::max(board_.selLeft, board_.selRight) && y >= std::min(board_.selTop, board_.selBottom) &&
             y <= std::max(board_.selTop, board_.selBottom)) {
    StartDrag(SelectInRectangle(board_, board_.selLeft, board_.selTop, board_.selRight, board_.selBottom, true), x,
              y);
  } else {
    StartRectangle(x, y);
  }
}

void TBoardEditor::RightDown(const Hit& hit, int x, int y, int px, int py) {
  if (hit.kind == PicNeuron) {
    const Neuron& n = board_.neurons[hit.index];
    if (hit.direction < 0) {
      if (requests_) requests_->OpenNeuronDialog({hit.index}, px, py);
    } else if (IsInputSlot(n.slots[hit.direction].kind)) {
      if (requests_) requests_->OpenSynapseDialog({{hit.index, hit.direction}}, px, py);
    } else {
      board_.Message("No synapse selected", "Synapse properties");
    }
    return;
  }
  if (hit.kind == PicNode) {
    if (requests_) requests_->OpenNodeDialog(hit.index, px, py);
    return;
  }
  if (hit.kind == PicSnooper) {
    if (requests_) requests_->OpenSnooperDialog(hit.index, px, py);
    return;
  }
  const bool inside = board_.selLeft >= 0 && x >= board_.selLeft && x <= board_.selRight && y >= board_.selTop &&
                      y <= board_.selBottom;
  if (!inside) {
    MarkRectangleDirty(board_, board_.selLeft, board_.selTop, board_.selRight, board_.selBottom);
    board_.selLeft = board_.selRight = x;  // the paste anchor
    board_.selTop = board_.selBottom = y;
  }
  if (requests_) requests_->ShowPopupMenu(Menu(), px, py);
}

void TBoardEditor::ScrollAtEdge(int px, int py) {
  const int cs = board_.cellSize > 0 ? board_.cellSize : 16;
  const int maxX = std::max(0, board_.columns() - board_.widthPixels / cs);
  const int maxY = std::max(0, board_.rows() - (board_.heightPixels + 16) / cs);
  int sx = scrollX, sy = scrollY;
  if (px < cs) --sx;
  else if (px >= board_.widthPixels - cs) ++sx;
  if (py < cs) --sy;
  else if (py >= board_.heightPixels - cs) ++sy;
  sx = std::clamp(sx, 0, maxX);
  sy = std::clamp(sy, 0, maxY);
  if (sx == scrollX && sy == scrollY) return;
  scrollX = sx, scrollY = sy;
  for (int x = scrollX; x < board_.columns() && x <= scrollX + board_.widthPixels / cs; ++x)
    for (int y = scrollY; y < board_.rows() && y <= scrollY + board_.heightPixels / cs; ++y) board_.MarkDirty(x, y);
  if (requests_) requests_->ViewScrolled(scrollX, scrollY);
}

void TBoardEditor::MouseMove(int px, int py) {
  if (gesture_ != Gesture::None && autoScroll) ScrollAtEdge(px, py);
  int x, y;
  switch (gesture_) {
    case Gesture::Rectangle:
      ClampedCell(px, py, x, y);
      MarkRectangleDirty(board_, board_.selLeft, board_.selTop, board_.selRight, board_.selBottom);
      board_.selRight = std::max(x, board_.selLeft);
      board_.selBottom = std::max(y, board_.selTop);
      MarkRectangleDirty(board_, board_.selLeft, board_.selTop, board_.selRight, board_.selBottom);
      break;
    case Gesture::Drag:
      ClampedCell(px, py, x, y);
      DragTo(x, y);
      break;
    case Gesture::Route: ExtendRoute(px, py); break;
    case Gesture::None:
      if (CellAt(px, py, x, y) && (x != statusX_ || y != statusY_)) {
        statusX_ = x, statusY_ = y;
        status_ = StatusAt(board_, x, y);
      }
      break;
  }
}

void TBoardEditor::MouseUp(int px, int py, MouseButton button) {
  if (button != MouseButton::Left) return;
  int x, y;
  switch (gesture_) {
    case Gesture::Route:
      ExtendRoute(px, py);
      FinishRoute();
      break;
    case Gesture::Drag:
      ClampedCell(px, py, x, y);
      FinishDrag(x, y);
      break;
    case Gesture::Rectangle:
      if (!board_.HasSelection()) {
        MarkRectangleDirty(board_, board_.selLeft, board_.selTop, board_.selRight, board_.selBottom);
        board_.selLeft = board_.selTop = board_.selRight = board_.selBottom = -1;
      }
      break;
    case Gesture::None: break;
  }
  gesture_ = Gesture::None;
}

// ---- rectangle and drag -------------------------------------------------------------

void TBoardEditor::StartRectangle(int x, int y) {
  MarkRectangleDirty(board_, board_.selLeft, board_.selTop, board_.selRight, board_.selBottom);
  board_.selLeft = board_.selTop = board_.selRight = board_.selBottom = -1;
  if (x < 1 || y < 1 || x > board_.columns() - 2 || y > board_.rows() - 2) return;
  board_.selLeft = board_.selRight = x;
  board_.selTop = board_.selBottom = y;
  board_.MarkDirty(x, y);
  gesture_ = Gesture::Rectangle;
}

void TBoardEditor::StartDrag(BoardGroup group, int x, int y) {
  dragged_ = std::move(group);
  lastX_ = x, lastY_ = y;
  movedX_ = movedY_ = 0;
  board_.draggingSelection = true;
  gesture_ = Gesture::Drag;
}

namespace {

void ShiftRectangle(TBrainBoard& b, int dx, int dy) {
  if (b.selLeft < 0 || b.selTop < 0 || (dx == 0 && dy == 0)) return;
  MarkRectangleDirty(b, b.selLeft, b.selTop, b.selRight, b.selBottom);
  auto clampX = [&](int v) { return std::clamp(v, 1, std::max(1, b.columns() - 2)); };
  auto clampY = [&](int v) { return std::clamp(v, 1, std::max(1, b.rows() - 2)); };
  b.selLeft = clampX(b.selLeft + dx), b.selRight = clampX(b.selRight + dx);
  b.selTop = clampY(b.selTop + dy), b.selBottom = clampY(b.selBottom + dy);
  MarkRectangleDirty(b, b.selLeft, b.selTop, b.selRight, b.selBottom);
}

}  // namespace

void TBoardEditor::DragTo(int x, int y) {
  int dx = x - lastX_, dy = y - lastY_;
  LimitShift(board_, ShapeOf(board_, dragged_), dx, dy);
  lastX_ = x, lastY_ = y;
  if (dx == 0 && dy == 0) return;
  MoveGroup(board_, dragged_, dx, dy);
  ShiftRectangle(board_, dx, dy);
  movedX_ += dx, movedY_ += dy;
}

void TBoardEditor::FinishDrag(int x, int y) {
  DragTo(x, y);
  board_.draggingSelection = false;
  int dx, dy;
  if (!FindFreeOffset(board_, ShapeOf(board_, dragged_), dx, dy)) {
    PutBackDragged();
    board_.Message("Couldn't find a new position", "Nasty Move Error");
    return;
  }
  MoveGroup(board_, dragged_, dx, dy);
  RedrawGroup(board_, dragged_);
  ShiftRectangle(board_, dx, dy);
  EndDrag();
}

// No free place: every dragged element goes back where the drag started, whole.
void TBoardEditor::PutBackDragged() {
  MoveGroup(board_, dragged_, -movedX_, -movedY_);
  RedrawGroup(board_, dragged_);
  ShiftRectangle(board_, -movedX_, -movedY_);
  EndDrag();
}

void TBoardEditor::EndDrag() {
  // Moved text becomes plain text again, covering whatever text stood in its cells.
  for (const TextCellRef& t : dragged_.texts) {
    const int p = board_.FindPic(t.x, t.y, Tile::TextCell, PicMovingText, t.packed);
    if (p < 0) continue;
    board_.pics[p].kind = PicFree;  // hidden from the search below
    EraseCellText(board_, t.x, t.y);
    board_.pics[p].kind = PicText;
  }
  ClearSelectedFlags(board_);
  MarkRectangleDirty(board_, board_.selLeft, board_.selTop, board_.selRight, board_.selBottom);
  board_.draggingSelection = false;
  dragged_ = BoardGroup{};
}

// ---- keys -----------------------------------------------------------------------------

void TBoardEditor::KeyPress(int ch, bool ctrl) {
  if (board_.selRight < 0 || board_.selBottom < 0) return;
  if (ctrl && (ch == 'V' || ch == 'v' || ch == 0x16)) {
    Paste(board_);
    return;
  }
  if (!board_.HasSelection()) return;
  if (ctrl) {
    if (ch == 'C' || ch == 'c' || ch == 0x03) CopySelection(board_);
    else if (ch == 'X' || ch == 'x' || ch == 0x18) RunMenuItem(MenuCommand::Cut);
    return;
  }
  const bool inFrame = cursor_.column() >= 1 && cursor_.column() <= board_.columns() - 2 && cursor_.row >= 1 &&
                       cursor_.row <= board_.rows() - 2;
  if (inFrame) TypeAtCursor(board_, cursor_, ch);
}

// ---- menu -------------------------------------------------------------------------------

BoardMenu TBoardEditor::Menu() const {
  const bool hasText = board_.host().clipboard && board_.host().clipboard->HasText();
  return BuildBoardMenu(board_, hasText, LibraryCircuits("."));
}

void TBoardEditor::RunMenuItem(MenuCommand command, const std::string& libraryName) {
  switch (command) {
    case MenuCommand::Copy: CopySelection(board_); break;
    case MenuCommand::Cut:
      CopySelection(board_);
      DeleteSelection();
      break;
    case MenuCommand::Paste: Paste(board_); break;
    case MenuCommand::CopyToLib: {
      std::string name;
      if (requests_ && requests_->AskCircuitName(name)) CopyToLibrary(board_, name, ".");
      break;
    }
    case MenuCommand::PasteFromLib: PasteFromLibrary(board_, libraryName, "."); break;
    case MenuCommand::Delete: DeleteSelection(); break;
    case MenuCommand::Neurons: {
      const std::vector<int> list = NeuronsInSelection(board_);
      if (list.empty()) board_.Message("No neurons selected", "Neuron properties");
      else if (requests_) requests_->OpenNeuronDialog(list, -1, -1);
      break;
    }
    case MenuCommand::Synapses: {
      const std::vector<SynapseRef> list = SynapsesInSelection(board_);
      if (list.empty()) board_.Message("No synapses selected", "Synapse properties");
      else if (requests_) requests_->OpenSynapseDialog(list, -1, -1);
      break;
    }
    case MenuCommand::Learn: board_.ToggleLearning(); break;
    case MenuCommand::Randomize: board_.RandomizeLearners(); break;
    case MenuCommand::Properties:
      if (requests_) requests_->OpenSettingsDialog();
      break;
    case MenuCommand::Separator:
    case MenuCommand::Undo:
    case MenuCommand::Redo: break;
  }
}

bool TBoardEditor::RunMenuItem(const std::string& caption) {
  const BoardMenu menu = Menu();
  const std::string libPrefix = "Paste from lib/";
  if (caption.rfind(libPrefix, 0) == 0) {
    const std::string name = caption.substr(libPrefix.size());
    const BoardMenuItem* item = menu.Find("Paste from lib");
    if (!item || std::find(item->submenu.begin(), item->submenu.end(), name) == item->submenu.end()) return false;
    RunMenuItem(MenuCommand::PasteFromLib, name);
    return true;
  }
  const BoardMenuItem* item = menu.Find(caption);
  if (!item || !item->enabled || !item->shown || item->command == MenuCommand::Separator ||
      item->command == MenuCommand::PasteFromLib)
    return false;
  RunMenuItem(item->command);
  return true;
}

// ---- deleting and clearing -----------------------------------------------------------------

void TBoardEditor::DeleteSelection() {
  TBrainBoard& b = board_;
  if (b.selLeft >= 0 && b.selTop >= 0) {
    const int l = std::min(b.selLeft, b.selRight), r = std::max(b.selLeft, b.selRight);
    const int t = std::min(b.selTop, b.selBottom), btm = std::max(b.selTop, b.selBottom);
    auto inside = [&](int x, int y) { return x >= l && x <= r && y >= t && y <= btm; };
    for (int i = 0; i < b.neurons.used(); ++i)
      if (b.neurons[i].inUse && inside(b.neurons[i].x, b.neurons[i].y)) {
        b.DeleteNeuron(i);
        if (requests_) requests_->ElementDeleted(ElementNeuron, i);
      }
    for (int i = 0; i < b.nodes.used(); ++i)
      if (b.nodes[i].inUse && inside(b.nodes[i].x, b.nodes[i].y)) {
        b.DeleteNode(i, false);
        if (!b.nodes.live(i) && requests_) requests_->ElementDeleted(ElementNode, i);
      }
    for (int i = 0; i < b.snoopers.used(); ++i)
      if (b.snoopers[i].inUse && inside(b.snoopers[i].x, b.snoopers[i].y)) {
        b.DeleteSnooper(i);
        if (requests_) requests_->ElementDeleted(ElementSnooper, i);
      }
    for (int x = std::max(l, 0); x <= r && x < b.columns(); ++x)
      for (int y = std::max(t, 0); y <= btm && y < b.rows(); ++y) EraseCellText(b, x, y);
    MarkRectangleDirty(b, l, t, r, btm);
  }
  b.selLeft = b.selTop = b.selRight = b.selBottom = -1;
}

void TBoardEditor::Clear(bool everything) {
  if (requests_) requests_->CloseAllDialogs();
  gesture_ = Gesture::None;
  dragged_ = BoardGroup{};
  board_.draggingSelection = false;
  board_.Clear(everything);
}
