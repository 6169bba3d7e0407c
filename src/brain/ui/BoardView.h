#pragma once
// The widget that shows the board under the selected tab: the board's composed picture
// in the shared palette, copied to the screen one dirty cell at a time.
#include <QImage>
#include <QWidget>
#include <functional>

#include "brain/BoardDraw.h"

class TBoardView : public QWidget {
  Q_OBJECT
 public:
  explicit TBoardView(QWidget* parent);
  void SetPalette(const Palette& palette);
  // The board drawing to show; null shows nothing.
  void Show(BoardDraw* draw);
  BoardDraw* shown() const { return draw_; }
  // Composes every visible cell and copies all of it.
  void Repaint();
  // The screen copy, for tests and screenshots.
  const QImage& screen() const { return screen_; }

  std::function<void(QMouseEvent*, bool down)> onMouseButton;
  std::function<void(QMouseEvent*)> onMouseMove;

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  void Copy(int x, int y, int w, int h);
  BoardDraw* draw_ = nullptr;
  QRgb colours_[256] = {};
  QImage screen_;
};
