#pragma once
// The board editor with its undo journal: every event of a learner goes through here, so
// a press-drag-release, a key, a menu item or a clear becomes one step of the journal.
// The brain window and the command line's scripts use it alike. Undo and redo are
// refused while a gesture (route, drag, rectangle) is under way.
#include <string>

#include "brain/BoardEditing.h"
#include "brain/BoardJournal.h"

class TUndoableEditor {
 public:
  TUndoableEditor(TBoardEditor& editor, IBoardRequests* requests = nullptr);

  TBoardEditor& editor() { return editor_; }
  TBoardJournal& journal() { return journal_; }
  void SetRequests(IBoardRequests* requests) { requests_ = requests; }

  void MouseDown(int px, int py, MouseButton button);
  void MouseMove(int px, int py) { editor_.MouseMove(px, py); }
  void MouseUp(int px, int py, MouseButton button);
  void KeyPress(int ch, bool ctrl);
  // The editor's menu with "Undo" and "Redo" in front.
  BoardMenu Menu() const;
  // A menu item by caption, "Undo" and "Redo" included.
  bool RunMenuItem(const std::string& caption);
  void Clear(bool everything);
  // Any other change a learner makes (a dialog, a tool button, a load) as one step.
  template <class F>
  void Apply(F&& change) {
    journal_.Begin();
    change();
    journal_.Commit();
  }

  bool Undo();
  bool Redo();

 private:
  bool Step(bool undo);
  void Open();
  void CloseIfDone();

  TBoardEditor& editor_;
  IBoardRequests* requests_;
  TBoardJournal journal_;
  bool gestureOpen_ = false;
};

// Puts "Undo", "Redo" and a separator in front of a board menu.
void AddUndoItems(BoardMenu& menu, bool canUndo, bool canRedo);
