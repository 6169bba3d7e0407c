#pragma once
// TMainForm: the hub window. It owns the timer, the shell logic (test clock, LED and
// dial, sounds, settings, progression) and the pictures of the title screen, the rooms,
// the top row and the open notebook.
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>
#include <memory>

#include "platform/Host.h"
#include "shell/MainShell.h"
#include "shell/Progression.h"
#include "shell/SettingsStore.h"
#include "shell/ShellSoundPort.h"
#include "world/WorldMovies.h"
#include "shell/ui/PictureBox.h"

class TTestWorld;

class TMainForm : public QWidget, public IMainView, public IRoomView {
  Q_OBJECT
 public:
  // executableFolder: where the settings file lives.
  TMainForm(Host host, const QString& executableFolder);
  ~TMainForm() override;

  MainShell& shell() { return shell_; }
  Progression& progression() { return progression_; }
  TTestWorld* testWorld() { return world_.get(); }
  const Palette& palette() const { return palette_; }
  const Host& host() const { return host_; }
  bool startedOk() const { return startedOk_; }
  QTimer& timer() { return Timer; }

  void SetTimerInterval(int ms);
  int GetTimerInterval() const { return Timer.interval(); }
  // The main window and its controls at `percent` of their design size (the notebook's
  // font too); the scale is absolute, so the same value twice changes nothing.
  void ScaleDisplay(int percent);
  int ScalePercent() const { return askedScale_; }
  // The scale shown: the one asked, or less while the screen has no room for it.
  int ShownScalePercent() const { return scalePercent_; }
  static constexpr int MinScalePercent = 50, MaxScalePercent = 400;
  // One tick inside the error trap.
  void TimerTimer();
  // Ends the program without the quit question (the desktop session is ending).
  void EndProgram();
  // Before the program ends on the learner's word: the world editor's unsaved changes are
  // asked about ("World Changed"); false (Cancel, or a save that failed) keeps it running
  // with every window as it was.
  bool EditorLetsQuit();
  // The desktop asked the program to end (SIGTERM, Ctrl+C): no quit question, but unsaved
  // editor changes are asked about first; Cancel keeps the program running.
  void EndOnRequest();

  // The other windows, as they come: placed once, shown from the rooms.
  QWidget* brainWindow = nullptr;
  QWidget* worldWindow = nullptr;
  std::function<void(int page)> showManual;  // page < 0: at its current page
  // Writes a new empty workshop world; false when the file cannot be created.
  std::function<bool(const std::string& name, int x, int y)> newWorld;
  std::function<void()> openEditor;
  // The program is ending: the other windows close without asking.
  std::function<void()> onEnding;
  // Runs once after the first paint, before the last session's book is opened again:
  // what the title screen does not need is made here.
  std::function<void()> afterFirstPaint;
  // The manual window closed: its picture comes back on the shelf.
  void ManualClosed();
  // Every way into the manual comes here: the room's manual pictures go while it is open.
  void OpenManual(int page);
  // Lays the windows out again for the sizes they are about to have (a world loaded or
  // resized, a new scale, the editor or the chalk board opening): all on the screen, none
  // over another; the learner's own places and sizes stay while they hide nothing.
  enum class WorldChange { None, Showing, Resized };
  void PlaceWindows(WorldChange change = WorldChange::None);
  // Before a new world changes the world window's size: a size the learner gave it is kept.
  void NoteLearnerSizes() { RecordLearnerSizes(true); }
  // The controls a learner must always see, those now shown: the page, the top row's
  // buttons, the page corners and "Edit" (for tests and screenshots).
  std::vector<QWidget*> KeyControls() const;
  // The world editor's window while there is one; it joins the layout while shown.
  std::function<QWidget*()> editorWindow;

  // IMainView
  void ShowTestButton(bool shown) override;
  void ShowRunButton(bool shown) override;
  void ShowLedNotDial(bool led) override;
  void DrawLedLines(const std::vector<LedLine>& lines) override;
  void InvalidateLed() override;
  void InvalidateDial() override;
  void RepaintDialNow() override;
  void ShowCorner() override;
  void SetPageNumberBlack() override;
  bool BookShown() override;

  // IRoomView
  void ShowTitle(bool visible) override;
  void ShowRoom(Room room, bool visible) override;
  Room ShownRoom() override;
  void ShowOpenBook(bool open) override;
  void SetPageNumber(int shownNumber, bool black) override;
  void ShowCorner(bool shown) override;
  void HideWorldListControls() override;
  void ShowWorldList(const std::vector<std::string>& names) override;
  void ShowEditButton() override;
  void RepaintBook() override;
  void SuspendTicks() override;
  void ResumeTicks() override;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  // MainForm.cpp: the window, the top row, the tick, the scale. Controls are placed in
  // design coordinates (the 300 x 400 window) and shown at the current scale.
  QRect Scaled(QRect design) const;
  QPoint DesignPoint(QPoint windowPoint) const;
  void SetDesignGeometry(QWidget* w, QRect design);
  static constexpr const char* DesignRectProperty = "designRect";
  void CreateWorldWindow();
  void BuildTopRow();
  void PaintDial(QPainter& p);
  void FirstPaintRestore();
  // MainRooms.cpp: title screen, sign, rooms, press-and-release pictures, exits.
  void BuildTitle();
  void BuildRooms();
  // Room pictures are read after the first paint, or when a room is first shown.
  void LoadLater(PictureBox* box, const char* name, QSize fallback, bool overlay = false);
  void LoadPendingPictures();
  void SignMouseMove(QPoint designPoint);
  void SignPress(int highlight);
  void PressAndRelease(PictureBox* picture, std::function<void()> act, PictureBox* overlay = nullptr);
  void ReleaseOnRoom(QMouseEvent* e, QWidget* room);
  void ExitRoom();
  void RoomNotebookClicked(int book);
  void PlaceWindowsOnce();
  // MainPlacement.cpp: the desk layout applied to the real windows.
  void LayOutWindows(WorldChange change, bool keep);
  void ApplyScale(int percent);
  WorldKind ShownWorldKind(bool worldShown) const;
  // Sizes the learner gave the brain or world window since the last layout, kept per kind.
  void RecordLearnerSizes(bool world);
  void ShowRoomNotebooks(Room room, bool visible);
  PictureBox* RoomBackground(Room room) const;
  PictureBox* RoomExit(Room room) const;
  QString RoomExitHint(Room room, bool afterClosing) const;
  // MainBook.cpp: the open notebook and the workshop's world list.
  void BuildBook();
  void PaintPage(QPainter& p);
  void NewWorldClicked();
  void GoToClicked();
  void OpenAccessDialog();

  Host host_;
  MainShell shell_;
  Progression progression_;
  ShellSoundPort worldSound_{shell_.sound};
  std::unique_ptr<WorldMovies> worldMovies_;
  std::unique_ptr<TTestWorld> world_;
  Palette palette_{};
  bool startedOk_ = true;
  bool FirstPaint = true;
  std::vector<std::function<void()>> pendingPictures_;
  bool WindowsPlaced = false;
  bool ending_ = false;
  bool endAsked_ = false;  // a request to end is asking about the editor's changes
  bool manualOpen_ = false;
  int scalePercent_ = 100;
  int askedScale_ = 100;
  bool placing_ = false;
  bool worldPlaced_ = false;
  const QWidget* placedEditor_ = nullptr;
  WorldKind placedKind_ = WorldKind::Room;
  QSize placedBrain_, placedWorld_;  // the client sizes the last layout gave
  std::string settingsPath_;
  QTimer Timer;
  QImage ledFace_, ledBuffer_, dialFrames_;
  QColor pageNumberColour_{128, 128, 128};

  PictureBox* TitlePic = nullptr;
  PictureBox* SignPic = nullptr;
  PictureBox* SignOn[6] = {};  // LabOnPic .. HelpOnPic
  QLabel* VersionLabel = nullptr;
  PictureBox* LabPic = nullptr;
  PictureBox* LadyBugPic = nullptr;
  PictureBox* BunkerPic = nullptr;
  PictureBox* AntPic = nullptr;
  PictureBox* WorkshopPic = nullptr;
  PictureBox* RedBookPic = nullptr;
  PictureBox* RedBook3aPic = nullptr;
  PictureBox* RedBook3bPic = nullptr;
  PictureBox* RedBook3cPic = nullptr;
  PictureBox* RedBook3dPic = nullptr;
  PictureBox* RedBook2Pic = nullptr;
  PictureBox* RedBook4Pic = nullptr;
  PictureBox* RedBook5Pic = nullptr;
  PictureBox* RedBook6Pic = nullptr;
  PictureBox* DoorPic = nullptr;
  PictureBox* WorkDoorPic = nullptr;
  PictureBox* LadderBox = nullptr;
  PictureBox* TestButtonPic = nullptr;
  PictureBox* TimerPic = nullptr;
  PictureBox* LedPic = nullptr;
  PictureBox* RunButtonPic = nullptr;
  PictureBox* ResetButtonPic = nullptr;
  PictureBox* SoundPic = nullptr;
  PictureBox* ManualPic = nullptr;
  PictureBox* ManualOutPic = nullptr;
  PictureBox* BookPic = nullptr;
  PictureBox* BookMarkPic = nullptr;
  PictureBox* PreviousPageBox = nullptr;
  PictureBox* PageBox = nullptr;
  QLabel* PageNumLabel = nullptr;
  PictureBox* NextPageBox = nullptr;
  PictureBox* CornerPic = nullptr;
  QListWidget* WorldList = nullptr;
  QPushButton* NewButton = nullptr;
  QPushButton* GoToButton = nullptr;
  QPushButton* EditButton = nullptr;
};

QString MainPicturePath(const char* name);
