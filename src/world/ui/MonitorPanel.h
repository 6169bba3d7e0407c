#pragma once
// The monitor strip in the world view's corner: one frame of its picture, and presses
// that reach the shell's test, reset and run buttons.
#include <QImage>
#include <QWidget>
#include <functional>

#include "world/MonitorStrip.h"

class TMonitorPanel : public QWidget {
  Q_OBJECT
 public:
  explicit TMonitorPanel(QWidget* parent);
  void SetFrame(int frame);
  int frame() const { return frame_; }
  MonitorStrip strip;
  // A press in a zone, and the release: the owner runs the shell's action and refreshes.
  std::function<void(MonitorZone)> onPress;
  std::function<void()> onRelease;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  QImage MonitorPic;
  int frame_ = 0;
};
