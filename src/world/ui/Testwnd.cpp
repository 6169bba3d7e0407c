#include "world/ui/Testwnd.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <chrono>

#include "platform/qt/QtImage.h"
#include "world/ui/MonitorPanel.h"
#include "world/ui/SamplePanelWidget.h"

TTestWorld::TTestWorld(Host host, const Palette& palette, WorldPorts ports, QWidget* parent)
    : QWidget(parent), host_(host) {
  ports.screen = this;
  world_ = std::make_unique<TWorld>(host, ports, palette);
  // Random placements differ from run to run in the program; tests fix the seed.
  world_->random.seed(static_cast<uint32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
  setWindowTitle("World");
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(false);
  SetMaximiseButton(true);
  BuildInstruments();
  resize(640, 480);
  // A hidden window gets no resize event before it is shown, yet the first world's
  // [LOOKAT] already needs the client size to centre on its point.
  world_->SetClientSize(ViewWidth(), height());
}

TTestWorld::~TTestWorld() {
  destroying_ = true;
  world_->screen = nullptr;
}

void TTestWorld::CopyToWindow(const TRect& r) { update(QRect(r.left, r.top, r.right - r.left, r.bottom - r.top)); }

bool TTestWorld::MovieOrPauseActive() const {
  return world_->movies && world_->movies->HoldsWorld();
}

void TTestWorld::SetFixedClientSize(int width, int height) {
  if (maximumWidth() == QWIDGETSIZE_MAX) freeSize_ = QSize(ViewWidth(), QWidget::height());
  world_->fixedSize = true;
  SetMaximiseButton(false);
  setFixedSize(width + PanelWidth(), height);
  world_->SetClientSize(width, height);
}

void TTestWorld::FollowWorldSize() {
  TWorld& w = *world_;
  if (w.fixedSize && w.view.exists()) {
    // The whole bitmap shows: it is at least 320 x 240 even where [SIZE] asks for less.
    SetFixedClientSize(w.view.width(), w.view.height());
    return;
  }
  if (maximumWidth() == QWIDGETSIZE_MAX && windowFlags().testFlag(Qt::WindowMaximizeButtonHint)) return;
  ClearFixedSize();
  if (!freeSize_.isValid() || freeSize_ == QSize(ViewWidth(), height())) return;
  // Back to the size the learner had before the fixed world, keeping the point the
  // world looked at in the middle.
  const int dx = freeSize_.width() / 2 - w.clientWidth() / 2, dy = freeSize_.height() / 2 - w.clientHeight() / 2;
  resize(freeSize_.width() + PanelWidth(), freeSize_.height());
  w.SetClientSize(freeSize_.width(), freeSize_.height());
  w.offsetX += dx;
  w.offsetY += dy;
}

void TTestWorld::ClearFixedSize() {
  world_->fixedSize = false;
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  SetMaximiseButton(true);
}

// Changing a window's flags hides it; a shown window is shown again where it was.
void TTestWorld::SetMaximiseButton(bool on) {
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
  if (on) flags |= Qt::WindowMaximizeButtonHint;
  if (windowFlags() == flags) return;
  const bool shown = isVisible();
  const QPoint at = pos();
  setWindowFlags(flags);
  if (shown) {
    move(at);
    show();
  }
}

void TTestWorld::paintEvent(QPaintEvent* e) {
  TWorld& w = *world_;
  if (!w.view.exists()) w.SetClientSize(ViewWidth(), height());
  QPainter p(this);
  QRect area = e->rect().intersected(QRect(0, 0, w.view.width(), w.view.height()));
  if (!area.isEmpty()) {
    IndexedImage part = w.view.image.crop(area.x(), area.y(), area.width(), area.height());
    p.drawImage(area.topLeft(), ToQImage(part, w.palette));
  }
  if (barsShown_) p.drawImage(TestMonitorBars::Left, 0, barsImage_);
  QRegion outside = QRegion(e->rect()).subtracted(QRegion(0, 0, w.view.width(), w.view.height()));
  for (const QRect& r : outside) p.fillRect(r, Qt::black);
  if (dragging_) {
    // The view's outline, dotted, following the pointer; drawn so it inverts what lies under.
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p.setPen(QPen(Qt::white, 1, Qt::DotLine));
    p.drawRect(DragRect());
  }
}

QRect TTestWorld::DragRect() const {
  QPoint d = dragNow_ - dragStart_;
  return QRect(-1 + d.x(), -1 + d.y(), ViewWidth() + 1, height() + 1);
}

void TTestWorld::resizeEvent(QResizeEvent*) {
  if (destroying_) return;
  if (MovieOrPauseActive() && onResetExperiment) onResetExperiment();
  TWorld& w = *world_;
  if (w.fixedSize && w.view.exists()) {
    if (isMaximized()) showNormal();
    if (ViewWidth() != w.clientWidth() || height() != w.clientHeight())
      resize(w.clientWidth() + PanelWidth(), w.clientHeight());
    w.fullRedrawFlag = true;
  } else {
    w.SetClientSize(ViewWidth(), height());
  }
  LayOutInstruments();
  UpdateMonitor();
}

void TTestWorld::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  if (MovieOrPauseActive() || world_->fixedSize || world_->ArrowShown()) return;
  world_->followCritter = -1;
  dragging_ = true;
  dragStart_ = dragNow_ = e->position().toPoint();
  update();
}

void TTestWorld::mouseMoveEvent(QMouseEvent* e) {
  if (!dragging_) return;
  dragNow_ = e->position().toPoint();
  update();
}

void TTestWorld::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) {
    world_->monitorToggle = !world_->monitorToggle;
    UpdateMonitor();
    return;
  }
  if (!dragging_) return;
  dragging_ = false;
  QPoint d = e->position().toPoint() - dragStart_;
  world_->PanBy(d.x(), d.y());
  update();
}

void TTestWorld::mouseDoubleClickEvent(QMouseEvent* e) {
  if (world_->ArrowShown()) return;
  bool wasDragging = dragging_;
  dragging_ = false;
  QPoint at = wasDragging ? dragStart_ : e->position().toPoint();
  world_->FollowCritterAt(at.x(), at.y());
  update();
}

void TTestWorld::closeEvent(QCloseEvent* e) {
  if (programEnding) {
    e->accept();
    return;
  }
  Answer a = host_.messages ? host_.messages->AskYesNo("Do you want to quit Quorbit?", "Confirm") : Answer::Yes;
  if (a == Answer::Yes && (!mayQuit || mayQuit())) {
    e->accept();
    if (onQuit) onQuit();
  } else {
    e->ignore();
  }
}
