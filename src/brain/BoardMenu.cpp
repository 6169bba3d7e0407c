// Which popup menu items exist and in what state.
#include "brain/BoardMenu.h"

const BoardMenuItem* BoardMenu::Find(const std::string& caption) const {
  for (const BoardMenuItem& item : items)
    if (item.caption == caption) return &item;
  return nullptr;
}

bool HasLearners(const TBrainBoard& board) {
  for (int i = 0; i < board.neurons.used(); ++i) {
    const Neuron& n = board.neurons[i];
    if (!n.inUse) continue;
    if (n.learn) return true;
    for (const Synapse& s : n.slots)
      if (s.learn) return true;
  }
  return false;
}

BoardMenu BuildBoardMenu(const TBrainBoard& board, bool clipboardHasText, const std::vector<std::string>& circuits) {
  const bool selection = board.HasSelection();
  const bool learners = HasLearners(board);
  BoardMenu menu;
  auto add = [&](MenuCommand c, const char* caption, bool enabled = true, bool shown = true) {
    menu.items.push_back({c, caption, enabled, shown, false, {}});
  };
  add(MenuCommand::Copy, "Copy", selection);
  add(MenuCommand::Cut, "Cut", selection);
  add(MenuCommand::Paste, "Paste", clipboardHasText);
  add(MenuCommand::Separator, "-");
  add(MenuCommand::CopyToLib, "Copy to lib", selection);
  add(MenuCommand::PasteFromLib, "Paste from lib");
  menu.items.back().submenu = circuits;
  add(MenuCommand::Separator, "-");
  add(MenuCommand::Delete, "Delete", selection);
  add(MenuCommand::Separator, "-");
  add(MenuCommand::Neurons, "Neurons...", selection);
  add(MenuCommand::Synapses, "Synapses...", selection);
  add(MenuCommand::Separator, "-");
  add(MenuCommand::Learn, "Learn", true, learners);
  menu.items.back().checked = board.learning;
  add(MenuCommand::Randomize, "Randomize", true, learners);
  add(MenuCommand::Separator, "-", true, learners);
  add(MenuCommand::Properties, "Properties...");
  return menu;
}
