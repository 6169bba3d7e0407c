#pragma once
// TBoardEditor: everything a learner does to a board with mouse and keys, as logic with
// no window. The brain window keeps one editor per board and passes it its events:
//   MouseDown / MouseMove / MouseUp with the pixel in the board's window and the button;
//   KeyPress with the typed character ('\r' Enter, '\b' Backspace) and the Ctrl state;
//   after each event it repaints the board's dirty cells and shows status().
// Dialog and menu requests come back through IBoardRequests; the menu's chosen item goes
// to RunMenuItem. The scroll position (first visible column and row) is the window's to
// set and the editor's to follow when a drag reaches an edge.
#include <string>
#include <utility>
#include <vector>

#include "brain/BoardGroup.h"
#include "brain/BoardMenu.h"
#include "brain/BoardRequests.h"
#include "brain/BoardText.h"
#include "brain/Brainboard.h"
#include "brain/StatusTexts.h"

enum class MouseButton { Left, Right };

class TBoardEditor {
 public:
  explicit TBoardEditor(TBrainBoard& board, IBoardRequests* requests = nullptr);

  TBrainBoard& board() { return board_; }
  const TBrainBoard& board() const { return board_; }
  void SetRequests(IBoardRequests* requests) { requests_ = requests; }

  int scrollX = 0, scrollY = 0;
  // A drag near a window edge scrolls the view; off where the whole board counts as the
  // window (the command line's board pixels).
  bool autoScroll = true;

  void MouseDown(int px, int py, MouseButton button);
  void MouseMove(int px, int py);
  void MouseUp(int px, int py, MouseButton button);
  void KeyPress(int ch, bool ctrl);

  // The three status panels for the element last under the mouse.
  const StatusText& status() const { return status_; }
  const TextCursor& cursor() const { return cursor_; }

  // ---- what the menu items do -------------------------------------------------------
  BoardMenu Menu() const;
  // Runs an item; `libraryName` names the circuit for PasteFromLib.
  void RunMenuItem(MenuCommand command, const std::string& libraryName = "");
  // By caption, as the menu shows it; a library item as "Paste from lib/NAME". False when
  // no item of that caption is shown and enabled.
  bool RunMenuItem(const std::string& caption);
  void DeleteSelection();
  void Clear(bool everything);

  enum class Gesture { None, Route, Drag, Rectangle };
  Gesture gesture() const { return gesture_; }
  // Why the last route made no connection, until the next press; empty otherwise.
  const std::string& routeHint() const { return routeHint_; }
  static constexpr const char* RouteDropHint = "Drop the arrow on a free edge square of a neuron, coming straight in";

 private:
  struct Hit {
    int kind = 0;  // PicNeuron, PicNode, PicSnooper or 0 for an empty cell
    int index = -1;
    int direction = -1;  // outer cell's direction from the centre, -1 on the centre
  };
  Hit HitAt(int x, int y) const;
  bool CellAt(int px, int py, int& x, int& y) const;
  void ClampedCell(int px, int py, int& x, int& y) const;
  void ScrollAtEdge(int px, int py);

  void LeftDown(const Hit& hit, int x, int y);
  void RightDown(const Hit& hit, int x, int y, int px, int py);
  void StartDrag(BoardGroup group, int x, int y);
  void DragTo(int x, int y);
  void FinishDrag(int x, int y);
  void PutBackDragged();
  void EndDrag();
  void StartRectangle(int x, int y);

  // Routes (BoardRoutes.cpp).
  void StartRoute(int srcKind, int src, int slot);
  void PickUpRouteEnd(int kind, int index, int slot);
  void ExtendRoute(int px, int py);
  void ShowTarget();
  void HideTarget();
  void ShowCandidates();
  void HideCandidates();
  void FinishRoute();
  void DropRoute();
  bool TargetNeuron(int& neuron, int& slot) const;
  bool TargetNode(int& node, int& slot) const;

  TBrainBoard& board_;
  IBoardRequests* requests_;
  Gesture gesture_ = Gesture::None;
  StatusText status_;
  TextCursor cursor_;
  int statusX_ = -1, statusY_ = -1;

  // The selection being dragged.
  BoardGroup dragged_;
  int lastX_ = 0, lastY_ = 0, movedX_ = 0, movedY_ = 0;

  // The route being drawn.
  int routeKind_ = 0, routeSrc_ = -1, routeSlot_ = -1, routeEnd_ = -1, markerSeg_ = -1;
  bool pickedUp_ = false;
  Synapse saved_;
  std::string routeHint_;
  // The free edge squares marked while a route is drawn, under the route's first segment.
  std::vector<std::pair<int, int>> candidates_;
  int candidateKey_ = -1;
};
