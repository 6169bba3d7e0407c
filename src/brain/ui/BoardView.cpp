#include "brain/ui/BoardView.h"

#include <QMouseEvent>
#include <QPainter>

TBoardView::TBoardView(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TBoardView::SetPalette(const Palette& palette) {
  for (int i = 0; i < 256; ++i) colours_[i] = qRgb(palette[i].r, palette[i].g, palette[i].b);
  if (draw_) Copy(0, 0, screen_.width(), screen_.height());
}

void TBoardView::Show(BoardDraw* draw) {
  if (draw_ && draw_ != draw) draw_->blockTransfer = nullptr;
  draw_ = draw;
  if (draw_) {
    draw_->blockTransfer = [this](int x, int y, int w, int h) { Copy(x, y, w, h); };
    draw_->SetViewSize(width(), height());
    Repaint();
  }
  update();
}

void TBoardView::Repaint() {
  if (draw_) draw_->Paint();
}

// One block transfer: the block's palette pixels into the screen copy, then to the window.
void TBoardView::Copy(int x, int y, int w, int h) {
  const IndexedImage& image = draw_->image();
  if (screen_.size() != QSize(image.width(), image.height()))
    screen_ = QImage(image.width(), image.height(), QImage::Format_RGB32);
  for (int j = y; j < y + h && j < image.height(); ++j) {
    const uint8_t* from = image.row(j);
    auto* to = reinterpret_cast<QRgb*>(screen_.scanLine(j));
    for (int i = x; i < x + w && i < image.width(); ++i) to[i] = colours_[from[i]];
  }
  update(x, y, w, h);
}

void TBoardView::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  p.fillRect(e->rect(), QColor(128, 128, 128));
  if (draw_ && !screen_.isNull()) p.drawImage(e->rect().topLeft(), screen_, e->rect());
}

void TBoardView::resizeEvent(QResizeEvent*) {
  if (draw_ && width() > 0 && height() > 0) {
    draw_->SetViewSize(width(), height());
    Repaint();
  }
}

void TBoardView::mousePressEvent(QMouseEvent* e) {
  if (onMouseButton) onMouseButton(e, true);
}
void TBoardView::mouseMoveEvent(QMouseEvent* e) {
  if (onMouseMove) onMouseMove(e);
}
void TBoardView::mouseReleaseEvent(QMouseEvent* e) {
  if (onMouseButton) onMouseButton(e, false);
}
