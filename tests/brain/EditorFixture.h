#pragma once
// A board with an editor and recording requests; mouse helpers work in cells.
#include <string>
#include <vector>

#include "BoardFixture.h"
#include "brain/BoardEditing.h"

class RecordingRequests : public IBoardRequests {
 public:
  void OpenNeuronDialog(const std::vector<int>& n, int, int) override { neurons.push_back(n); }
  void OpenSynapseDialog(const std::vector<SynapseRef>& s, int, int) override { synapses.push_back(s); }
  void OpenNodeDialog(int n, int, int) override { nodeDialogs.push_back(n); }
  void OpenSnooperDialog(int s, int, int) override { snooperDialogs.push_back(s); }
  void OpenSettingsDialog() override { ++settings; }
  void ShowPopupMenu(const BoardMenu&, int, int) override { ++menus; }
  bool AskCircuitName(std::string& name) override {
    name = circuitName;
    return !name.empty();
  }
  void ElementDeleted(int kind, int index) override { deleted.push_back({kind, index}); }
  void CloseAllDialogs() override { ++closedAll; }
  void ViewScrolled(int, int) override { ++scrolled; }

  std::vector<std::vector<int>> neurons;
  std::vector<std::vector<SynapseRef>> synapses;
  std::vector<int> nodeDialogs, snooperDialogs;
  std::vector<std::pair<int, int>> deleted;
  int settings = 0, menus = 0, closedAll = 0, scrolled = 0;
  std::string circuitName;
};

class EditorTest : public BoardTest {
 protected:
  RecordingRequests requests;
  TBoardEditor editor{board, &requests};
  void SetUp() override { editor.autoScroll = false; }

  static int Px(int cell) { return cell * 16 + 8; }
  void Down(int x, int y, MouseButton b = MouseButton::Left) { editor.MouseDown(Px(x), Px(y), b); }
  void Move(int x, int y) { editor.MouseMove(Px(x), Px(y)); }
  void Up(int x, int y) { editor.MouseUp(Px(x), Px(y), MouseButton::Left); }
  void Drag(int x0, int y0, int x1, int y1) {
    Down(x0, y0);
    Move(x1, y1);
    Up(x1, y1);
  }
  void Rectangle(int x0, int y0, int x1, int y1) { Drag(x0, y0, x1, y1); }
  int LiveSegments() const {
    int n = 0;
    for (int i = 0; i < board.lineSegs.used(); ++i) n += board.lineSegs.live(i);
    return n;
  }
  // Picture kinds/tiles of a cell from the head down.
  std::vector<int> Tiles(int x, int y) const {
    std::vector<int> t;
    for (int q = board.Cell(x, y)->first; q >= 0; q = board.pics[q].next) t.push_back(board.pics[q].picture);
    return t;
  }
  bool HasTile(int x, int y, int tile) const {
    for (int t : Tiles(x, y))
      if (t == tile) return true;
    return false;
  }
};
