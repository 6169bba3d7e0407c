#pragma once
// The one place where the brain window hands mouse, keys and menu choices to the board,
// and asks it for status texts and the popup menu. It covers what the brain core offers
// today (the touched marker, the dialogs by right click, the selection rectangle, the
// menu's delete, dialog, learning and settings items); the full board editing core takes
// over behind these same calls.
#include <functional>
#include <string>
#include <vector>

#include "brain/BoardDraw.h"
#include "brain/ui/Nodedlg.h"

struct BoardMenuItem {
  std::string caption;  // "-" for a separator
  bool enabled = true, visible = true, checked = false;
  std::vector<std::string> submenu;
};

struct BoardStatus {
  std::string text, type, learn;
};

// What the board asks of its window.
struct BoardRequests {
  std::function<void(std::vector<int> neurons)> openNeurons;
  std::function<void(std::vector<SynapseRef> synapses)> openSynapses;
  std::function<void(int node)> openNode;
  std::function<void(int snooper)> openSnooper;
  std::function<void()> openMenu;
  std::function<void()> openSettings;
};

class BoardInput {
 public:
  BoardInput(BoardDraw& draw, BoardRequests& requests) : draw_(draw), requests_(requests) {}
  void MouseDown(int px, int py, bool right);
  void MouseMove(int px, int py, bool leftHeld);
  void MouseUp(int px, int py, bool right);
  void Key(int key, bool control);
  std::vector<BoardMenuItem> Menu() const;
  void MenuChoose(const std::string& caption);
  // The element under the last mouse position.
  BoardStatus Status() const;

 private:
  TBrainBoard& board() const { return draw_.board(); }
  bool InRectangle(int x, int y) const;
  std::vector<int> NeuronsInRectangle() const;
  void DeleteRectangle();
  BoardDraw& draw_;
  BoardRequests& requests_;
  int mouseX_ = -1, mouseY_ = -1;
  bool dragging_ = false;
};
