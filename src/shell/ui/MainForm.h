#pragma once
// TMainForm: the hub window. It owns the timer, the shell logic (test clock, LED and
// dial, sounds, settings) and the pictures of the title screen and the top row.
#include <QImage>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "platform/Host.h"
#include "shell/MainShell.h"
#include "shell/ui/PictureBox.h"

class TMainForm : public QWidget, public IMainView {
  Q_OBJECT
 public:
  // executableFolder: where the settings file lives.
  TMainForm(Host host, const QString& executableFolder);
  ~TMainForm() override;

  MainShell& shell() { return shell_; }
  const Palette& palette() const { return palette_; }
  bool startedOk() const { return startedOk_; }
  QTimer& timer() { return Timer; }
  const std::string& settingsPath() const { return settingsPath_; }

  void SetTimerInterval(int ms);
  int GetTimerInterval() const { return Timer.interval(); }
  void ScaleDisplay(int percent);
  void ShowTitle(bool visible);
  // One tick inside the error trap.
  void TimerTimer();
  // Ends the program without the quit question (the desktop session is ending).
  void EndProgram();

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

 protected:
  void paintEvent(QPaintEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void BuildComponents();
  void BuildTopRow();
  void PaintDial(QPainter& p);
  void ReleaseOnRoom(QMouseEvent* e, QWidget* room);
  void FirstPaintRestore();
  void BuildSign();
  void SignMouseMove(QPoint windowPoint);
  void EnterRoom();
  void ShowTopRow(bool visible);

  Host host_;
  MainShell shell_;
  Palette palette_{};
  bool startedOk_ = true;
  bool FirstPaint = true;
  bool WindowsPlaced = false;
  bool ending_ = false;
  std::string settingsPath_;
  QTimer Timer;
  QImage ledFace_, ledBuffer_, dialFrames_;

  PictureBox* TitlePic = nullptr;
  PictureBox* SignPic = nullptr;
  PictureBox* SignOn[6] = {};  // LabOnPic .. HelpOnPic
  QLabel* VersionLabel = nullptr;
  PictureBox* BenchPic = nullptr;  // shows the pressed state of the top row
  PictureBox* TestButtonPic = nullptr;
  PictureBox* TimerPic = nullptr;
  PictureBox* LedPic = nullptr;
  PictureBox* RunButtonPic = nullptr;
  PictureBox* ResetButtonPic = nullptr;
  PictureBox* SoundPic = nullptr;
  PictureBox* ManualPic = nullptr;
  PictureBox* ManualOutPic = nullptr;
};
