// The world window's two instruments: the chalk area with its sample panel, shown while
// the world holds a chalk board, and the monitor strip with the test bars.
#include <QPainter>
#include <QPalette>
#include <QScreen>

#include "bodies/GizmoChalk.h"
#include "platform/qt/QtImage.h"
#include "world/ui/MonitorPanel.h"
#include "world/ui/SamplePanelWidget.h"
#include "world/ui/TestRunWnd.h"
#include "world/ui/Testwnd.h"

void TTestWorld::BuildInstruments() {
  samplePanel_ = std::make_unique<TSamplePanel>(host_);
  // The board has a column of its own beside the view, so the bench's lamps and the
  // verdict movie stay in sight while the learner draws.
  chalkFrame_ = new QWidget(this);
  chalkFrame_->setObjectName("ChalkFrame");
  chalkFrame_->setAutoFillBackground(true);
  QPalette wood = chalkFrame_->palette();
  wood.setColor(QPalette::Window, QColor(92, 64, 40));
  chalkFrame_->setPalette(wood);
  chalkArea_ = new TChalkArea(*samplePanel_, chalkFrame_);
  samplePanelWidget_ = new TSamplePanelWidget(*samplePanel_, *chalkArea_, this);
  samplePanelWidget_->beforeAction = [this] { SyncSamplePanel(); };
  chalkArea_->beforeAction = [this] { SyncSamplePanel(); };
  chalkFrame_->hide();
  samplePanelWidget_->hide();
  monitorPanel_ = new TMonitorPanel(this);
  monitorPanel_->hide();
  monitorPanel_->onPress = [this](MonitorZone zone) { MonitorPressed(zone); };
  monitorPanel_->onRelease = [this] { UpdateMonitor(); };
}

int TTestWorld::PanelWidth() const {
  return samplePanel_ && samplePanel_->Shown() ? ChalkColumnWidth + TSamplePanelWidget::PanelWidth : 0;
}

void TTestWorld::LayOutInstruments() {
  if (!samplePanelWidget_) return;
  chalkFrame_->setGeometry(ViewWidth(), 0, ChalkColumnWidth, height());
  samplePanelWidget_->setGeometry(ViewWidth() + ChalkColumnWidth, 0, TSamplePanelWidget::PanelWidth, height());
}

void TTestWorld::ResizeClient(int width, int height) {
  SyncSamplePanel();
  resize(width + PanelWidth(), height);
}

void TTestWorld::SyncSamplePanel() {
  TChalk* chalk = nullptr;
  for (auto& g : world_->gizmos)
    if ((chalk = dynamic_cast<TChalk*>(g.get()))) break;
  const bool wasShown = samplePanel_->Shown();
  if (chalk != samplePanel_->chalk()) {
    samplePanel_->Attach(chalk);
    chalkArea_->Recompute();
  }
  samplePanelWidget_->Refresh();
  if (samplePanel_->Shown() == wasShown) return;
  chalkFrame_->setVisible(samplePanel_->Shown());
  samplePanelWidget_->setVisible(samplePanel_->Shown());
  // The view keeps its size; the window grows or shrinks by the board and the panel.
  const int column = ChalkColumnWidth + TSamplePanelWidget::PanelWidth;
  const int change = samplePanel_->Shown() ? column : -column;
  if (minimumWidth() == maximumWidth()) setFixedSize(width() + change, height());
  else resize(width() + change, height());
  LayOutInstruments();
  if (onSizeChanged) onSizeChanged();
}

void TTestWorld::UpdateMonitor() {
  // The world calls in while it is being made, before the instruments exist.
  if (destroying_ || !world_ || !samplePanel_) return;
  SyncSamplePanel();
  const bool idle = !(world_->movies && world_->movies->IsBusy());
  monitorVisible_ = MonitorStrip::Visible(world_->monitorMode, world_->monitorToggle, idle, isMaximized(),
                                          ViewWidth(), height());
  const bool running = monitorShell.worldRunning && monitorShell.worldRunning();
  const bool testing = monitorShell.testRunning && monitorShell.testRunning();
  monitorPanel_->SetFrame(MonitorStrip::Frame(running, monitorPanel_->strip.resetHeld, testing));
  monitorPanel_->setVisible(monitorVisible_);
  if (monitorVisible_) monitorPanel_->raise();
}

void TTestWorld::MonitorPressed(MonitorZone zone) {
  // The reset frame shows at once, before the shell's reset runs.
  if (zone == MonitorZone::Reset) UpdateMonitor();
  if (monitorShell.press && zone != MonitorZone::None) monitorShell.press(zone);
  UpdateMonitor();
}

void TTestWorld::DrawTestMonitor() {
  TWorld& w = *world_;
  int duration = 0, goal = 0, remaining = 0;
  if (monitorShell.testValues) monitorShell.testValues(duration, goal, remaining);
  const bool testing = monitorShell.testRunning && monitorShell.testRunning();
  const int tc = w.testCritter;
  const bool critter = tc >= 0 && tc < static_cast<int>(w.critters.size());
  const bool show = monitorVisible_ && testing && w.view.width() > 200 && critter && duration > 0 && goal > 0;
  const QRect strip(TestMonitorBars::Left, 0, TestMonitorBars::Right - TestMonitorBars::Left + 1,
                    TestMonitorBars::Rows);
  if (!show) {
    // Once the bars go, the strip is painted from the view again.
    if (barsShown_) update(strip);
    barsShown_ = false;
    return;
  }
  bars_.Draw(w.view.image, w.critters[static_cast<size_t>(tc)]->energy, goal, remaining, duration);
  barsImage_ = ToQImage(w.view.image.crop(strip.x(), strip.y(), strip.width(), strip.height()), w.palette);
  bars_.Restore(w.view.image);
  barsShown_ = true;
  update(strip);
}

// The run beside the verdict, never over it while the screen has room: to the right of
// the world window, else below, left or above it, else over its corner.
void TTestWorld::ShowTestRun(const TTestRun& run) {
  if (!testRunWnd_) {
    testRunWnd_ = new TTestRunWnd(this);
    testRunWnd_->setObjectName("TestRunWindow");
  }
  testRunWnd_->ShowRun(run);
  const QRect frame = frameGeometry();
  const QSize size = testRunWnd_->size();
  QRect room = screen() ? screen()->availableGeometry() : QRect(0, 0, 4096, 4096);
  const QPoint places[] = {{frame.right() + 8, frame.top()},
                           {frame.left(), frame.bottom() + 8},
                           {frame.left() - 8 - size.width(), frame.top()},
                           {frame.left(), frame.top() - 8 - size.height()}};
  QPoint at(frame.left() + 16, frame.top() + 40);
  for (const QPoint& p : places)
    if (room.contains(QRect(p, size))) {
      at = p;
      break;
    }
  testRunWnd_->move(at);
  testRunWnd_->show();
  testRunWnd_->raise();
}
