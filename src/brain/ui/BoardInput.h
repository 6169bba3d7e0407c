#pragma once
// The one place where the brain window hands mouse, keys and menu choices to the board's
// editor (TBoardEditor) and hears back what the editor asks of the window: dialogs, the
// popup menu, a circuit name, dialogs to close, a scroll that followed a drag.
#include <functional>
#include <string>
#include <vector>

#include "brain/BoardDraw.h"
#include "brain/BoardEditing.h"
#include "brain/UndoableEditor.h"

// What the window does for the board; unset hooks are ignored.
struct BoardWindowHooks {
  std::function<void(std::vector<int> neurons)> openNeurons;
  std::function<void(std::vector<SynapseRef> synapses)> openSynapses;
  std::function<void(int node)> openNode;
  std::function<void(int snooper)> openSnooper;
  std::function<void(const BoardMenu& menu)> openMenu;
  std::function<void()> openSettings;
  std::function<bool(std::string& name)> askCircuitName;
  std::function<void(int elementKind, int index)> elementDeleted;
  std::function<void()> closeAllDialogs;
  std::function<void()> viewScrolled;
};

class BoardInput : public IBoardRequests {
 public:
  BoardInput(BoardDraw& draw, BoardWindowHooks& hooks);
  void MouseDown(int px, int py, bool right);
  void MouseMove(int px, int py);
  void MouseUp(int px, int py, bool right);
  // A typed character ('\r' Enter, '\b' Backspace), or the letter with Ctrl.
  void Key(int ch, bool control);
  BoardMenu Menu() const { return undoable_.Menu(); }
  bool MenuChoose(const std::string& caption) { return undoable_.RunMenuItem(caption); }
  void Clear(bool everything) { undoable_.Clear(everything); }
  // Undo and redo (Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z and the menu); false when there is none.
  bool Undo() { return undoable_.Undo(); }
  bool Redo() { return undoable_.Redo(); }
  // Changes made outside the editor (dialogs, tool buttons, loading) go through here.
  TUndoableEditor& undoable() { return undoable_; }
  TBoardJournal& journal() { return undoable_.journal(); }
  // The element under the last mouse position, as it is now.
  StatusText Status() const;
  TBoardEditor& editor() { return editor_; }

  // IBoardRequests
  void OpenNeuronDialog(const std::vector<int>& neurons, int, int) override;
  void OpenSynapseDialog(const std::vector<SynapseRef>& synapses, int, int) override;
  void OpenNodeDialog(int node, int, int) override;
  void OpenSnooperDialog(int snooper, int, int) override;
  void OpenSettingsDialog() override;
  void ShowPopupMenu(const BoardMenu& menu, int, int) override;
  bool AskCircuitName(std::string& name) override;
  void ElementDeleted(int elementKind, int index) override;
  void CloseAllDialogs() override;
  void ViewScrolled(int firstColumn, int firstRow) override;

 private:
  void FollowScroll();
  void Track(int px, int py);
  BoardDraw& draw_;
  BoardWindowHooks& hooks_;
  TBoardEditor editor_;
  TUndoableEditor undoable_;
  int mouseX_ = -1, mouseY_ = -1;
};
