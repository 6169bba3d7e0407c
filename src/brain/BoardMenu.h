#pragma once
// The board's popup menu as data: its items in order, each enabled, shown and checked
// or not, and the library submenu. The brain window turns this into a menu when
// IBoardRequests::ShowPopupMenu asks for it and hands the chosen item's command (and,
// for a library item, its name) to TBoardEditor::RunMenuItem.
#include <string>
#include <vector>

#include "brain/Brainboard.h"

enum class MenuCommand {
  Separator,
  Copy,
  Cut,
  Paste,
  CopyToLib,
  PasteFromLib,
  Delete,
  Neurons,
  Synapses,
  Learn,
  Randomize,
  Properties,
  Undo,  // the journal's items, run by TUndoableEditor
  Redo,
};

struct BoardMenuItem {
  MenuCommand command;
  std::string caption;  // "-" for a separator
  bool enabled = true;
  bool shown = true;
  bool checked = false;
  std::vector<std::string> submenu;  // "Paste from lib": circuit names
};

struct BoardMenu {
  std::vector<BoardMenuItem> items;
  const BoardMenuItem* Find(const std::string& caption) const;
};

// Any live neuron or one of its slots with its learn flag set.
bool HasLearners(const TBrainBoard& board);
BoardMenu BuildBoardMenu(const TBrainBoard& board, bool clipboardHasText, const std::vector<std::string>& circuits);
