// Editor events grouped into the journal's steps.
#include "brain/UndoableEditor.h"

TUndoableEditor::TUndoableEditor(TBoardEditor& editor, IBoardRequests* requests)
    : editor_(editor), requests_(requests), journal_(editor.board()) {}

void TUndoableEditor::Open() {
  if (gestureOpen_) return;
  journal_.Begin();
  gestureOpen_ = true;
}

// A gesture closes when the editor has nothing under way any more.
void TUndoableEditor::CloseIfDone() {
  if (!gestureOpen_ || editor_.gesture() != TBoardEditor::Gesture::None) return;
  gestureOpen_ = false;
  journal_.Commit();
}

void TUndoableEditor::MouseDown(int px, int py, MouseButton button) {
  Open();
  editor_.MouseDown(px, py, button);
  CloseIfDone();
}

void TUndoableEditor::MouseUp(int px, int py, MouseButton button) {
  Open();
  editor_.MouseUp(px, py, button);
  CloseIfDone();
}

void TUndoableEditor::KeyPress(int ch, bool ctrl) {
  if (ctrl && (ch == 'Z' || ch == 'z' || ch == 0x1a)) {
    Undo();
    return;
  }
  if (ctrl && (ch == 'Y' || ch == 'y' || ch == 0x19)) {
    Redo();
    return;
  }
  journal_.Begin();
  editor_.KeyPress(ch, ctrl);
  journal_.Commit(!ctrl);
}

BoardMenu TUndoableEditor::Menu() const {
  BoardMenu menu = editor_.Menu();
  AddUndoItems(menu, journal_.CanUndo(), journal_.CanRedo());
  return menu;
}

bool TUndoableEditor::RunMenuItem(const std::string& caption) {
  if (caption == "Undo" || caption == "Redo") return Step(caption == "Undo");
  journal_.Begin();
  const bool ran = editor_.RunMenuItem(caption);
  journal_.Commit();
  return ran;
}

void TUndoableEditor::Clear(bool everything) {
  Apply([&] { editor_.Clear(everything); });
}

bool TUndoableEditor::Undo() { return Step(true); }
bool TUndoableEditor::Redo() { return Step(false); }

bool TUndoableEditor::Step(bool undo) {
  // The menu of a right click is open inside its press: that press is done.
  if (gestureOpen_ && editor_.gesture() == TBoardEditor::Gesture::None) {
    gestureOpen_ = false;
    journal_.Commit();
  }
  if (gestureOpen_) return false;
  if (undo ? !journal_.CanUndo() : !journal_.CanRedo()) return false;
  // Dialogs name elements by index; the board they were opened on goes away.
  if (requests_) requests_->CloseAllDialogs();
  const bool moved = undo ? journal_.Undo() : journal_.Redo();
  // With no dialog open no node is held (both kinds show the same tiles).
  TBrainBoard& board = editor_.board();
  for (int i = 0; i < board.nodes.used(); ++i)
    if (board.nodes.live(i) && board.nodes[i].type == HeldNode) board.nodes[i].type = PlainNode;
  journal_.Rebase();
  return moved;
}

void AddUndoItems(BoardMenu& menu, bool canUndo, bool canRedo) {
  std::vector<BoardMenuItem> front;
  front.push_back({MenuCommand::Undo, "Undo", canUndo, true, false, {}});
  front.push_back({MenuCommand::Redo, "Redo", canRedo, true, false, {}});
  front.push_back({MenuCommand::Separator, "-", true, true, false, {}});
  menu.items.insert(menu.items.begin(), front.begin(), front.end());
}
