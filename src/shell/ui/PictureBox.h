#pragma once
// A picture stretched to its box that reports presses, moves and releases: the main
// window's image buttons, which hide while pressed to show the room's pressed picture.
#include <QImage>
#include <QWidget>
#include <functional>

class PictureBox : public QWidget {
  Q_OBJECT
 public:
  PictureBox(QWidget* parent, QRect box, const QImage& picture = QImage(), const QString& hint = QString());
  void setPicture(const QImage& picture);
  const QImage& picture() const { return picture_; }
  // Pressed: the picture stays in place for the mouse but draws the overlay, or
  // nothing, so the room's pressed picture beneath shows through.
  void setPressedLook(bool pressed);
  bool pressedLook() const { return pressed_; }
  void setOverlay(const QImage& overlay) { overlay_ = overlay; }

  std::function<void(QMouseEvent*)> onPress, onMove, onRelease;
  // A click: the left button pressed and released on the box.
  std::function<void()> onClick;
  std::function<void(QPainter&)> onPaint;  // paint boxes draw themselves

 protected:
  void paintEvent(QPaintEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  QImage picture_;
  QImage overlay_;
  bool pressed_ = false;
  bool leftPressed_ = false;
};

// An 8-bit picture from the data folder as a Qt image; a grey placeholder if missing.
QImage LoadPicture(const QString& path, QSize fallback = QSize(16, 16));
// The same with palette entry 0 (black) see-through, for pictures that are not rectangles.
QImage LoadShapedPicture(const QString& path);
