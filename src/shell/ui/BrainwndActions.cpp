// The brain window's actions: the tool buttons, the brains for bodies and worlds, the
// tick, and the dialogs the board asks for.
#include <QCursor>
#include <QInputDialog>
#include <QMenu>
#include <algorithm>
#include <cctype>

#include "brain/ui/SetTimeDlg.h"
#include "brain/ui/SnoopDlg.h"
#include "platform/Files.h"
#include "shell/ui/Brainwnd.h"

// ---- bodies, worlds and the tick -----------------------------------------------------

int TBrainForm::AttachBrain(const std::string& name, const ChannelMask& inputMask, bool hidden,
                            const ChannelMask& outputMask) {
  const int number = brains_.AttachBrain(name, inputMask, hidden, outputMask);
  SyncBoards();
  ShowSelectedBoard();
  return number;
}

void TBrainForm::ReleaseBrain(int number) {
  brains_.ReleaseBrain(number);
  SyncBoards();
  ShowSelectedBoard();
}

void TBrainForm::ReleaseWorldBrains() {
  brains_.ReleaseWorldBrains();
  SyncBoards();
  ShowSelectedBoard();
}

void TBrainForm::StepAll(bool running) {
  brains_.StepAll(running);
  // A dialog's next change is one step from the board as the network left it.
  for (auto& d : dialogs_)
    if (d)
      if (auto it = shown_.find(d->board().number); it != shown_.end()) it->second.input->journal().Rebase();
  if (PlotWindow) PlotWindow->Sample(brains_.Board(PlotWindow->boardNumber()));
  ShowStatus();
}

void TBrainForm::ResetAll() { brains_.ResetAll(); }

void TBrainForm::LoadBrainFile(const std::string& path) { LoadInto(path); }

bool TBrainForm::LoadInto(const std::string& path) {
  TBrainBoard* board = brains_.ShownBoard();
  if (!board) return false;
  CloseDialogs(board, false);
  bool loaded = false;
  // Loading is one step of the board's undo.
  if (BoardInput* input = shownInput()) input->undoable().Apply([&] { loaded = brains_.LoadBrainFile(path); });
  else loaded = brains_.LoadBrainFile(path);
  if (!loaded) return false;
  ShowSelectedBoard();
  return true;
}

bool TBrainForm::SaveTo(const std::string& path) {
  TBrainBoard* board = brains_.ShownBoard();
  if (!board) return false;
  std::string lower = path;
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  const bool hidden = lower.find(".brx") != std::string::npos;
  // A file that cannot be written is reported: a silent failure would look like a save.
  if (!WriteFileAtomic(path, board->SaveBrain(hidden))) {
    host_.Message("Couldn't save " + path, "Save Brain Error");
    return false;
  }
  return true;
}

// ---- tool buttons ------------------------------------------------------------------------

namespace {
// The centre of the visible area, in cells.
void VisibleCentre(const QWidget* panel, const BoardDraw& d, int& x, int& y) {
  const int cell = d.board().cellSize > 0 ? d.board().cellSize : 16;
  x = (panel->width() / cell) / 2 + d.scrollX();
  y = (panel->height() / cell) / 2 + d.scrollY();
}
}  // namespace

template <class F>
void TBrainForm::AddByButton(F&& add) {
  if (BoardInput* input = shownInput()) input->undoable().Apply(add);
  else add();
  BoardChanged();
}

void TBrainForm::NeuronButtonClick() {
  if (BoardDraw* d = shownDraw()) {
    int x, y;
    VisibleCentre(BoardPanel, *d, x, y);
    AddByButton([&] { d->board().AddNeuron(x, y); });
  }
}

void TBrainForm::NodeButtonClick() {
  if (BoardDraw* d = shownDraw()) {
    int x, y;
    VisibleCentre(BoardPanel, *d, x, y);
    AddByButton([&] { d->board().AddNode(x, y); });
  }
}

void TBrainForm::SnoopButtonClick() {
  if (BoardDraw* d = shownDraw()) {
    int x, y;
    VisibleCentre(BoardPanel, *d, x, y);
    AddByButton([&] { d->board().AddSnooper(x, y); });
  }
}

void TBrainForm::PlotButtonClick() {
  TBrainBoard* board = brains_.ShownBoard();
  if (!board) return;
  if (!PlotWindow) {
    PlotWindow = new TPlotWnd(this);
    PlotWindow->setObjectName("PlotWindow");
  }
  PlotWindow->Plot(*board, TActivityPlot::ElementsInSelection(*board));
  PlotWindow->show();
  PlotWindow->raise();
}

void TBrainForm::ZoomButtonClick() {
  UpdateScrollBars();
  brains_.Zoom();
  for (auto& [number, s] : shown_) s.draw->SetCellSize(brains_.CellSize);
  UpdateScrollBars();
  BoardView->Repaint();
}

void TBrainForm::ClearTab(int tab) {
  const int number = brains_.Tabs()[tab];
  TBrainBoard* board = brains_.Board(number);
  CloseDialogs(board, false);
  auto clear = [&] {
    auto it = shown_.find(number);
    if (it != shown_.end()) it->second.input->Clear(false);
    else board->Clear(false);
  };
  if (board->attached) {
    clear();
  } else if (brains_.Tabs().size() == 1) {
    clear();
    brains_.ReleaseBrain(number);  // the only tab: it keeps its board, named "Empty"
  } else {
    brains_.ReleaseBrain(number, true);  // deleted with its tab
  }
}

void TBrainForm::TrashButtonClick() {
  if (!brains_.ShownBoard()) return;
  TClearBoardDlg dialog(brains_.Tabs().size() > 1, this);
  dialog.exec();
  if (dialog.choice == TClearBoardDlg::ClearThis) {
    ClearTab(brains_.SelectedTab());
  } else if (dialog.choice == TClearBoardDlg::ClearAll) {
    for (int t = static_cast<int>(brains_.Tabs().size()) - 1; t >= 0; --t) ClearTab(t);
  } else {
    return;
  }
  SyncBoards();
  ShowSelectedBoard();
}

void TBrainForm::SaveButtonClick() {
  if (!brains_.ShownBoard() || !host_.files) return;
  FileChoice choice;
  choice.title = "Save Brain";
  choice.filter = "Brain file|*.brn|Hidden brain|*.brx|All files|*.*";
  choice.defaultExtension = "brn";
  choice.promptOverwrite = true;
  const std::string path = host_.files->ChooseSave(choice);
  if (!path.empty()) SaveTo(path);
}

void TBrainForm::LoadButtonClick() {
  if (!brains_.ShownBoard() || !host_.files) return;
  FileChoice choice;
  choice.title = "Load Brain";
  choice.filter = "Brain files|*.brn|All files|*.*";
  choice.defaultExtension = "brn";
  const std::string path = host_.files->ChooseOpen(choice);
  if (!path.empty()) LoadInto(path);
}

// ---- dialogs the board asks for --------------------------------------------------------

void TBrainForm::OpenDialog(TPropDialog* dialog, bool centred) {
  // Each change the dialog applies is one step of its board's undo.
  const int number = dialog->board().number;
  dialog->changed = [this, number] {
    if (auto it = shown_.find(number); it != shown_.end()) it->second.input->journal().Commit();
    BoardChanged();
  };
  dialog->PlaceAt(QCursor::pos(), centred);
  dialog->show();
  dialogs_.push_back(dialog);
}

void TBrainForm::CloseDialogs(TBrainBoard* board, bool all) {
  for (auto& d : dialogs_)
    if (d && (all || &d->board() == board)) d->Dismiss();
  dialogs_.erase(std::remove_if(dialogs_.begin(), dialogs_.end(), [](const QPointer<TPropDialog>& d) {
                   return d.isNull() || !d->isVisible();
                 }),
                 dialogs_.end());
}

void TBrainForm::PruneDialogs() {
  for (auto& d : dialogs_)
    if (d && d->isVisible() && !d->ElementsLive()) d->Dismiss();
  dialogs_.erase(std::remove_if(dialogs_.begin(), dialogs_.end(), [](const QPointer<TPropDialog>& d) {
                   return d.isNull() || !d->isVisible();
                 }),
                 dialogs_.end());
}

void TBrainForm::BuildHooks() {
  hooks_.openNeurons = [this](std::vector<int> neurons) {
    if (TBrainBoard* b = brains_.ShownBoard()) OpenDialog(new TNeuronPropDlg(*b, std::move(neurons), this), true);
  };
  hooks_.openSynapses = [this](std::vector<SynapseRef> synapses) {
    if (TBrainBoard* b = brains_.ShownBoard()) OpenDialog(new TSynapsePropDlg(*b, std::move(synapses), this), true);
  };
  hooks_.openNode = [this](int node) {
    TBrainBoard* b = brains_.ShownBoard();
    if (!b) return;
    for (auto& d : dialogs_)  // a second right click brings the open one forward
      if (auto* n = qobject_cast<TNodeProp*>(d.data()); n && &n->board() == b && n->node() == node && n->isVisible())
        return n->raise();
    OpenDialog(new TNodeProp(*b, node, this), false);
  };
  hooks_.openSnooper = [this](int snooper) {
    TBrainBoard* b = brains_.ShownBoard();
    if (!b) return;
    for (auto& d : dialogs_)
      if (auto* s = qobject_cast<TSnoopPropDlg*>(d.data()); s && &s->board() == b && s->snooper() == snooper &&
                                                           s->isVisible())
        return s->raise();
    auto* dialog = new TSnoopPropDlg(*b, snooper, this);
    dialog->duplicated = [this](int fresh) { hooks_.openSnooper(fresh); };
    OpenDialog(dialog, false);
  };
  hooks_.openSettings = [this] {
    TBrainBoard* b = brains_.ShownBoard();
    if (!b) return;
    TSetTimeDlg dialog(*b, services, this);
    dialog.resized = [this, b] {
      CloseDialogs(b, false);
      UpdateScrollBars();
      BoardView->Repaint();
    };
    dialog.exec();
  };
  hooks_.openMenu = [this](const BoardMenu& menu) { ShowMenu(menu); };
  hooks_.askCircuitName = [this](std::string& name) {
    bool ok = false;
    const QString text = QInputDialog::getText(this, "Add to library", "Circuit name", QLineEdit::Normal,
                                               QString::fromStdString(name), &ok);
    name = text.toStdString();
    return ok && !name.empty();
  };
  hooks_.elementDeleted = [this](int kind, int index) {
    PruneDialogs();
    if (PlotWindow && brains_.ShownBoard() && brains_.ShownBoard()->number == PlotWindow->boardNumber())
      PlotWindow->plot().Remove(kind, index);
  };
  hooks_.closeAllDialogs = [this] { CloseDialogs(brains_.ShownBoard(), false); };
  hooks_.viewScrolled = [this] { UpdateScrollBars(); };
}

void TBrainForm::ShowMenu(const BoardMenu& model) {
  BoardInput* input = shownInput();
  if (!input) return;
  QMenu menu(this);
  for (const BoardMenuItem& item : model.items) {
    if (!item.shown) continue;
    if (item.caption == "-") {
      menu.addSeparator();
      continue;
    }
    const QString caption = QString::fromStdString(item.caption);
    if (item.command == MenuCommand::PasteFromLib) {
      QMenu* sub = menu.addMenu(caption);
      sub->setEnabled(item.enabled && !item.submenu.empty());
      for (const std::string& name : item.submenu)
        sub->addAction(QString::fromStdString(name))->setData(caption + "/" + QString::fromStdString(name));
      continue;
    }
    QAction* a = menu.addAction(caption);
    a->setData(caption);
    a->setEnabled(item.enabled);
    a->setCheckable(item.checked);
    a->setChecked(item.checked);
  }
  menu.addSeparator();
  // The window's own item: the selection's elements go to the plot.
  const QString plotItem = "Plot";
  menu.addAction(plotItem)->setData(QString());
  if (QAction* chosen = menu.exec(QCursor::pos())) {
    if (chosen->data().toString().isEmpty() && chosen->text() == plotItem) return PlotButtonClick();
    input->MenuChoose(chosen->data().toString().toStdString());
    UpdateScrollBars();
    BoardChanged();
  }
}
