#include "shell/ui/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

#include "platform/BmpFile.h"
#include "platform/qt/QtImage.h"

PictureBox::PictureBox(QWidget* parent, QRect box, const QImage& picture, const QString& hint)
    : QWidget(parent), picture_(picture) {
  setGeometry(box);
  if (!hint.isEmpty()) setToolTip(hint);
}

void PictureBox::setPicture(const QImage& picture) {
  picture_ = picture;
  update();
}

void PictureBox::setPressedLook(bool pressed) {
  if (pressed_ == pressed) return;
  pressed_ = pressed;
  update();
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QImage& shown = pressed_ ? overlay_ : picture_;
  if (!shown.isNull()) p.drawImage(rect(), shown);
  if (onPaint) onPaint(p);
}

void PictureBox::mousePressEvent(QMouseEvent* e) {
  leftPressed_ = e->button() == Qt::LeftButton;
  if (onPress) onPress(e);
}

void PictureBox::mouseMoveEvent(QMouseEvent* e) {
  if (onMove) onMove(e);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
  const bool clicked = leftPressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
  leftPressed_ = false;
  if (onRelease) onRelease(e);
  if (clicked && onClick) onClick();
}

QImage LoadPicture(const QString& path, QSize fallback) {
  auto image = LoadBmp(path.toStdString());
  if (!image) {
    QImage grey(fallback, QImage::Format_RGB32);
    grey.fill(QColor(96, 96, 96));
    return grey;
  }
  return ToQImage(*image);
}

QImage LoadShapedPicture(const QString& path) {
  auto image = LoadBmp(path.toStdString());
  if (!image) return QImage();
  QImage out = ToQImage(*image).convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image->height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < image->width(); ++x)
      if (image->at(x, y) == 0) line[x] = qRgba(0, 0, 0, 0);
  }
  return out;
}
