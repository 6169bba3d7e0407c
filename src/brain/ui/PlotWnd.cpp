#include "brain/ui/PlotWnd.h"

#include <QPainter>
#include <QVBoxLayout>

#include "brain/BoardRequests.h"
#include "brain/SnooperBands.h"

namespace {
constexpr int LegendHeight = 20;

QString ElementName(int kind, int index) {
  const char* word = kind == ElementNeuron ? "Neuron" : kind == ElementNode ? "Node" : "Snooper";
  return QString("%1 %2").arg(word).arg(index);
}
}  // namespace

TPlotWnd::TPlotWnd(QWidget* parent) : QWidget(parent, Qt::Tool) {
  setWindowTitle("Plot");
  setFixedSize(TActivityPlot::Width, TActivityPlot::Height + LegendHeight);
  legend_ = new QLabel(this);
  legend_->setObjectName("PlotLegend");
  legend_->setGeometry(4, TActivityPlot::Height, TActivityPlot::Width - 8, LegendHeight);
  legend_->setTextFormat(Qt::RichText);
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

// The chart in its own palette, then one legend entry per trace in its colour.
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
  QString legend;
  for (const PlotTrace& t : plot_.traces()) {
    const SnooperColour& c = SnooperColours[t.colour];
    legend += QString("<span style='color:#%1%2%3'>&#9632; %4</span>&nbsp; ")
                  .arg(c.r, 2, 16, QChar('0'))
                  .arg(c.g, 2, 16, QChar('0'))
                  .arg(c.b, 2, 16, QChar('0'))
                  .arg(ElementName(t.kind, t.index));
  }
  legend_->setText(legend);
  update();
}

void TPlotWnd::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.drawImage(0, 0, chart_);
  p.setPen(Qt::darkGray);
  p.setFont(QFont("Arial", 7));
  for (int v : {100, 50, 0, -50, -100})
    p.drawText(QRect(0, TActivityPlot::RowOf(static_cast<float>(v)) - 8, TActivityPlot::Margin * 4, 16),
               Qt::AlignLeft | Qt::AlignVCenter, QString::number(v));
}
