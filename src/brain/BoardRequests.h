#pragma once
// What the board editor asks of the window that shows the board: open a property or
// snooper dialog, show the popup menu, ask for a circuit name, close dialogs whose
// elements are gone, follow a scroll. The brain window implements this; the editor
// works without one (every request is then ignored), which is how tests and the
// command line drive it.
//
// Pixel positions are those of the board's window, as the mouse event gave them; the
// window turns them into screen positions and places each dialog as its rules say.
#include <string>
#include <vector>

struct BoardMenu;

// One input synapse: the neuron and the slot that holds it.
struct SynapseRef {
  int neuron = -1;
  int slot = -1;
  bool operator==(const SynapseRef&) const = default;
};

class IBoardRequests {
 public:
  virtual ~IBoardRequests() = default;
  virtual void OpenNeuronDialog(const std::vector<int>& neurons, int px, int py) = 0;
  virtual void OpenSynapseDialog(const std::vector<SynapseRef>& synapses, int px, int py) = 0;
  virtual void OpenNodeDialog(int node, int px, int py) = 0;
  virtual void OpenSnooperDialog(int snooper, int px, int py) = 0;
  // The brain settings dialog (menu "Properties...").
  virtual void OpenSettingsDialog() = 0;
  // The popup menu of a right click on an empty cell; the window shows it and hands the
  // chosen item back to TBoardEditor::RunMenuItem.
  virtual void ShowPopupMenu(const BoardMenu& menu, int px, int py) = 0;
  // "Add to library" / "Circuit name": false when cancelled.
  virtual bool AskCircuitName(std::string& name) = 0;
  // Dialogs opened for this element (OtherNeuron, OtherNode, PicSnooper kinds of
  // ElementKind below) must close: the element was deleted.
  virtual void ElementDeleted(int elementKind, int index) = 0;
  virtual void CloseAllDialogs() = 0;
  // The editor scrolled the view while a drag reached a window edge.
  virtual void ViewScrolled(int firstColumn, int firstRow) = 0;
};

// Element kinds named in ElementDeleted.
enum ElementKind { ElementNeuron = 1, ElementNode = 2, ElementSnooper = 4 };
