#pragma once
// TTestWorld: the world window. It owns the world, paints its view bitmap (during normal
// steps only the rectangles that changed), pans the view by dragging, follows a critter
// on a double click and asks before the program quits from here.
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QWidget>
#include <functional>

#include "platform/Host.h"
#include "world/MonitorStrip.h"
#include "world/SamplePanel.h"
#include "world/TestMonitorBars.h"
#include "world/World.h"

class TChalkArea;
class TSamplePanelWidget;
class TMonitorPanel;
class TTestRunWnd;

class TTestWorld : public QWidget, public IWorldScreen {
  Q_OBJECT
 public:
  TTestWorld(Host host, const Palette& palette, WorldPorts ports = {}, QWidget* parent = nullptr);
  ~TTestWorld() override;

  TWorld& world() { return *world_; }
  // The shell's reset, run before a resize while a movie or a waiting pause holds the view.
  std::function<void()> onResetExperiment;
  // Yes to the quit question.
  std::function<void()> onQuit;
  // Asked after the learner said Yes to quitting; false keeps the program running.
  std::function<bool()> mayQuit;
  // Set while the program itself is ending: closing then asks nothing.
  bool programEnding = false;
  // [SIZE]: the client area stays at this size.
  void SetFixedClientSize(int width, int height);
  // After the world was cleared: resizable again, with its maximise button.
  void ClearFixedSize();
  // After a load: the fixed size of a [SIZE] world, or a resizable window for any other.
  void FollowWorldSize();
  bool dragging() const { return dragging_; }

  // IWorldScreen
  void CopyToWindow(const TRect& rect) override;
  void UpdateMonitor() override;
  void DrawTestMonitor() override;
  void ShowTestRun(const TTestRun& run) override;
  // The window that shows the last test's run; null until a test ended.
  TTestRunWnd* testRunWindow() { return testRunWnd_; }

  // What the monitor strip reads from the shell and does to it.
  struct MonitorShell {
    std::function<void(MonitorZone)> press;
    std::function<bool()> worldRunning;  // the shell's run button is hidden
    std::function<bool()> testRunning;
    // The test's full count a, its energy goal b and the count remaining.
    std::function<void(int& duration, int& goal, int& remaining)> testValues;
  } monitorShell;
  // Sets the view to this size; the window is wider by the sample panel when it shows.
  void ResizeClient(int width, int height);
  // The panel follows the world's chalk board: shown with one, hidden without.
  void SyncSamplePanel();
  // The window grew or shrank by the sample panel: the windows are laid out again.
  std::function<void()> onSizeChanged;
  TSamplePanel& samplePanel() { return *samplePanel_; }
  TSamplePanelWidget* samplePanelWidget() { return samplePanelWidget_; }
  TChalkArea* chalkArea() { return chalkArea_; }
  TMonitorPanel* monitorPanel() { return monitorPanel_; }
  bool testBarsShown() const { return barsShown_; }

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  bool MovieOrPauseActive() const;
  void SetMaximiseButton(bool on);
  QRect DragRect() const;
  // The chalk board's column and the sample panel, right of the view while they show.
  static constexpr int ChalkColumnWidth = 2 * TSamplePanel::AreaLeft + TSamplePanel::AreaWidth;
  int PanelWidth() const;
  int ViewWidth() const { return width() - PanelWidth(); }
  void LayOutInstruments();
  void BuildInstruments();
  void MonitorPressed(MonitorZone zone);

  Host host_;
  std::unique_ptr<TWorld> world_;
  bool destroying_ = false;
  bool dragging_ = false;
  QPoint dragStart_, dragNow_;
  QSize freeSize_;  // the resizable view's size before a fixed-size world
  std::unique_ptr<TSamplePanel> samplePanel_;
  QWidget* chalkFrame_ = nullptr;  // holds the chalk area
  TChalkArea* chalkArea_ = nullptr;
  TSamplePanelWidget* samplePanelWidget_ = nullptr;
  TMonitorPanel* monitorPanel_ = nullptr;
  TTestRunWnd* testRunWnd_ = nullptr;
  bool monitorVisible_ = false;
  TestMonitorBars bars_;
  QImage barsImage_;
  bool barsShown_ = false;
};
