#include "brain/ui/BoardInput.h"

BoardInput::BoardInput(BoardDraw& draw, BoardWindowHooks& hooks)
    : draw_(draw), hooks_(hooks), editor_(draw.board(), this), undoable_(editor_, this) {}

// The editor counts cells from the view's scroll position.
void BoardInput::FollowScroll() {
  editor_.scrollX = draw_.scrollX();
  editor_.scrollY = draw_.scrollY();
}

void BoardInput::Track(int px, int py) {
  int x, y;
  if (draw_.CellAt(px, py, x, y)) mouseX_ = x, mouseY_ = y;
}

void BoardInput::MouseDown(int px, int py, bool right) {
  FollowScroll();
  Track(px, py);
  undoable_.MouseDown(px, py, right ? MouseButton::Right : MouseButton::Left);
}

void BoardInput::MouseMove(int px, int py) {
  FollowScroll();
  Track(px, py);
  editor_.MouseMove(px, py);
}

void BoardInput::MouseUp(int px, int py, bool right) {
  FollowScroll();
  undoable_.MouseUp(px, py, right ? MouseButton::Right : MouseButton::Left);
}

void BoardInput::Key(int ch, bool control) { undoable_.KeyPress(ch, control); }

StatusText BoardInput::Status() const {
  if (!editor_.routeHint().empty()) return StatusText{editor_.routeHint(), "", ""};
  return StatusAt(draw_.board(), mouseX_, mouseY_);
}

void BoardInput::OpenNeuronDialog(const std::vector<int>& neurons, int, int) {
  if (hooks_.openNeurons) hooks_.openNeurons(neurons);
}
void BoardInput::OpenSynapseDialog(const std::vector<SynapseRef>& synapses, int, int) {
  if (hooks_.openSynapses) hooks_.openSynapses(synapses);
}
void BoardInput::OpenNodeDialog(int node, int, int) {
  if (hooks_.openNode) hooks_.openNode(node);
}
void BoardInput::OpenSnooperDialog(int snooper, int, int) {
  if (hooks_.openSnooper) hooks_.openSnooper(snooper);
}
void BoardInput::OpenSettingsDialog() {
  if (hooks_.openSettings) hooks_.openSettings();
}
void BoardInput::ShowPopupMenu(const BoardMenu& menu, int, int) {
  if (!hooks_.openMenu) return;
  BoardMenu withUndo = menu;
  AddUndoItems(withUndo, undoable_.journal().CanUndo(), undoable_.journal().CanRedo());
  hooks_.openMenu(withUndo);
}
bool BoardInput::AskCircuitName(std::string& name) { return hooks_.askCircuitName && hooks_.askCircuitName(name); }
void BoardInput::ElementDeleted(int elementKind, int index) {
  if (hooks_.elementDeleted) hooks_.elementDeleted(elementKind, index);
}
void BoardInput::CloseAllDialogs() {
  if (hooks_.closeAllDialogs) hooks_.closeAllDialogs();
}
void BoardInput::ViewScrolled(int firstColumn, int firstRow) {
  draw_.Scroll(firstColumn, firstRow);
  if (hooks_.viewScrolled) hooks_.viewScrolled();
}
