#pragma once
// TBrainForm ("Brain Board"): every brain of the program, the shown ones under tabs and
// the hidden ones of a world off-screen, with the wooden tool bar, the board view, its
// scroll bars, the status bar and the brain dialogs. The shell steps and resets all
// brains through it; the world reaches their channels through `worldBrains()`.
#include <QLabel>
#include <QPointer>
#include <QScrollBar>
#include <QTabBar>
#include <QWidget>
#include <map>
#include <memory>

#include "brain/BoardDraw.h"
#include "brain/BrainCollection.h"
#include "world/WorldBrainLink.h"
#include "brain/ui/BoardInput.h"
#include "brain/ui/BoardView.h"
#include "brain/ui/BrainServices.h"
#include "brain/ui/Nodedlg.h"
#include "brain/ui/PlotWnd.h"
#include "shell/ProgressionPorts.h"
#include "shell/ShellPorts.h"
#include "shell/ui/PictureBox.h"

class TBrainForm : public QWidget, public IBrainWindow, public IBrainLoader {
  Q_OBJECT
 public:
  // Pictures come from "pics/brain" under the working folder.
  TBrainForm(Host host, uint32_t seed, QWidget* parent = nullptr);
  ~TBrainForm() override;

  TBrainCollection& collection() { return brains_; }
  IWorldBrains& worldBrains() { return worldBrains_; }
  // The main window's services for the settings dialog; set by whoever creates the window.
  BrainServices services;
  void SetPalette(const Palette& palette);
  // Yes to the quit question.
  std::function<void()> onQuit;
  // Asked after the learner said Yes to quitting; false keeps the program running.
  std::function<bool()> mayQuit;
  bool programEnding = false;

  // Bodies and worlds.
  int AttachBrain(const std::string& name, const ChannelMask& inputMask, bool hidden, const ChannelMask& outputMask);
  void ReleaseBrain(int number);
  // IBrainWindow, IBrainLoader
  void StepAll(bool running) override;
  void ResetAll() override;
  void ReleaseWorldBrains() override;
  void LoadBrainFile(const std::string& path) override;
  void ShowWindow() override;

  // The tool buttons' actions.
  void NeuronButtonClick();
  void NodeButtonClick();
  void SnoopButtonClick();
  void ZoomButtonClick();
  void TrashButtonClick();
  void SaveButtonClick();
  void LoadButtonClick();
  // The "Plot" window, with the elements in the shown board's selection added.
  void PlotButtonClick();
  TPlotWnd* plotWindow() const { return PlotWindow; }

  // The least size with the whole tool bar and a few rows of the board in view.
  QSize minimumSizeHint() const override;

  // For tests and screenshots.
  TBoardView* boardView() const { return BoardView; }
  QTabBar* tabBar() const { return BrainTab; }
  QLabel* statusPanel(int i) const { return StatusPanels[i]; }
  BoardDraw* shownDraw();
  BoardInput* shownInput();
  const std::vector<QPointer<TPropDialog>>& openDialogs() const { return dialogs_; }
  // Reads a brain into the shown board and redraws it; false when the file cannot be read.
  bool LoadInto(const std::string& path);
  // Saves the shown brain, hidden form for a ".brx" name; reports a failed write.
  bool SaveTo(const std::string& path);

 protected:
  void resizeEvent(QResizeEvent*) override;
  void keyPressEvent(QKeyEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  struct Shown {
    std::unique_ptr<BoardDraw> draw;
    std::unique_ptr<BoardInput> input;
  };
  void BuildToolBar();
  void ToolButton(const char* picture, const char* objectName, const char* hint, int x, int width, int overWidth,
                  bool below, void (TBrainForm::*act)());
  void BuildHooks();
  void ShowMenu(const BoardMenu& menu);
  void Layout();
  // Views for every shown board, none for boards that are gone; tabs as the collection's.
  void SyncBoards();
  void ShowSelectedBoard();
  void UpdateScrollBars();
  void ShowStatus();
  void ClearTab(int tab);
  void CloseDialogs(TBrainBoard* board, bool all);
  void PruneDialogs();
  void OpenDialog(TPropDialog* dialog, bool centred);
  void BoardChanged();
  // A tool button's change as one step of the shown board's undo.
  template <class F>
  void AddByButton(F&& add);
  // Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z.
  bool UndoKey(QKeyEvent* e);

  Host host_;
  TBrainCollection brains_;
  TWorldBrainLink worldBrains_{brains_};
  std::shared_ptr<const BoardTileSet> tiles_;
  std::map<int, Shown> shown_;  // by brain number
  BoardWindowHooks hooks_;
  std::vector<QPointer<TPropDialog>> dialogs_;
  QImage wood_;
  bool syncingTabs_ = false;

  QWidget* ToolPanel = nullptr;
  PictureBox* ToolBackPic = nullptr;
  QWidget* BoardPanel = nullptr;
  TBoardView* BoardView = nullptr;
  QScrollBar* VScrollBar = nullptr;
  QWidget* Panel1 = nullptr;
  QScrollBar* HScrollBar = nullptr;
  QWidget* CornerPanel = nullptr;
  QTabBar* BrainTab = nullptr;
  QWidget* StatusBar = nullptr;
  QLabel* StatusPanels[4] = {};
  TPlotWnd* PlotWindow = nullptr;
};
