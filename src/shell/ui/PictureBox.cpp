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

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (!picture_.isNull()) p.drawImage(rect(), picture_);
  if (onPaint) onPaint(p);
}

void PictureBox::mousePressEvent(QMouseEvent* e) {
  if (onPress) onPress(e);
}

void PictureBox::mouseMoveEvent(QMouseEvent* e) {
  if (onMove) onMove(e);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* e) {
  if (onRelease) onRelease(e);
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
