#include "brain/ui/PlotWnd.h"

#include <QPainter>

namespace {
constexpr int ButtonRow = 30;
}  // namespace

TPlotWnd::TPlotWnd(QWidget* parent) : QWidget(parent, Qt::Tool) {
  setWindowTitle("Plot");
  ClearButton = new QPushButton("Clear", this);
  ClearButton->setObjectName("ClearButton");
  connect(ClearButton, &QPushButton::clicked, this, [this] { ClearButtonClick(); });
  Redraw();
}

void TPlotWnd::Plot(const TBrainBoard& board, const std::vector<std::pair<int, int>>& elements) {
  if (board.number != board_) plot_.Clear();
  board_ = board.number;
  for (const auto& [kind, index] : elements) plot_.Add(board, kind, index);
  Redraw();
}

void TPlotWnd::Sample(const TBrainBoard* board) {
  if (!board) {
    if (!plot_.traces().empty()) plot_.Clear(), Redraw();
    board_ = -1;
    return;
  }
  if (board->number != board_) return;
  plot_.Sample(*board);
  if (isVisible()) Redraw();
}

void TPlotWnd::ClearButtonClick() {
  plot_.Clear();
  Redraw();
}

// The chart in its own palette; the window follows its height, which grows with the
// legend's rows.
void TPlotWnd::Redraw() {
  const IndexedImage image = plot_.Render();
  chart_ = QImage(image.width(), image.height(), QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* to = reinterpret_cast<QRgb*>(chart_.scanLine(y));
    const uint8_t* from = image.row(y);
    for (int x = 0; x < image.width(); ++x) {
      const Rgb c = image.palette[from[x]];
      to[x] = qRgb(c.r, c.g, c.b);
    }
  }
  const QSize size(chart_.width(), chart_.height() + ButtonRow);
  if (this->size() != size) setFixedSize(size);
  ClearButton->setGeometry(chart_.width() - 84, chart_.height() + 2, 80, ButtonRow - 6);
  ClearButton->setEnabled(!plot_.traces().empty());
  update();
}

void TPlotWnd::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.drawImage(0, 0, chart_);
}
