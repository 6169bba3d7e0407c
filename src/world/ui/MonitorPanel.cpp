#include "world/ui/MonitorPanel.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/BmpFile.h"
#include "platform/Files.h"
#include "platform/qt/QtImage.h"

TMonitorPanel::TMonitorPanel(QWidget* parent) : QWidget(parent) {
  setObjectName("MonitorPanel");
  setGeometry(0, 0, MonitorStrip::Width, MonitorStrip::Height);
  if (auto pic = LoadBmp(NativePath("pics\\monitor.bmp"))) MonitorPic = ToQImage(*pic);
}

void TMonitorPanel::SetFrame(int frame) {
  if (frame == frame_) return;
  frame_ = frame;
  update();
}

void TMonitorPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (MonitorPic.isNull()) {
    // Without its picture the strip still shows where its three buttons are.
    p.fillRect(rect(), QColor(150, 160, 170));
    const QColor caps[3] = {frame_ & 4 ? QColor(90, 230, 110) : QColor(40, 150, 60),
                            frame_ == 2 || frame_ == 3 ? QColor(30, 45, 100) : QColor(60, 90, 200),
                            frame_ & 1 ? QColor(255, 90, 70) : QColor(170, 40, 30)};
    const int left[3] = {1, 16, 32}, width[3] = {14, 15, 14};
    for (int k = 0; k < 3; ++k) p.fillRect(left[k], 3, width[k], 14, caps[k]);
    return;
  }
  p.drawImage(0, -MonitorStrip::Height * frame_, MonitorPic);
}

void TMonitorPanel::mousePressEvent(QMouseEvent* e) {
  const MonitorZone zone = strip.Press(static_cast<int>(e->position().x()));
  if (onPress) onPress(zone);
}

void TMonitorPanel::mouseReleaseEvent(QMouseEvent*) {
  strip.Release();
  if (onRelease) onRelease();
}
