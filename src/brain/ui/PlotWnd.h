#pragma once
// The "Plot" window: the activity plot of one board's chosen elements, drawn again after
// every tick while it is shown, with its axes, a legend naming each trace in its colour,
// a hint while nothing is chosen, and "Clear" to start over. It names the board by its
// brain number, so a board that goes away empties the plot.
#include <QImage>
#include <QPushButton>
#include <QWidget>
#include <functional>

#include "brain/ActivityPlot.h"

class TPlotWnd : public QWidget {
  Q_OBJECT
 public:
  explicit TPlotWnd(QWidget* parent = nullptr);
  TActivityPlot& plot() { return plot_; }
  int boardNumber() const { return board_; }
  // Starts plotting these elements of a board; elements of another board replace the old.
  void Plot(const TBrainBoard& board, const std::vector<std::pair<int, int>>& elements);
  // After each step: one sample when the board is the plotted one; null empties the plot.
  void Sample(const TBrainBoard* board);
  // Every trace taken off ("Clear").
  void ClearButtonClick();
  // The chart as shown, for tests and screenshots.
  const QImage& chart() const { return chart_; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  void Redraw();
  TActivityPlot plot_;
  int board_ = -1;
  QImage chart_;
  QPushButton* ClearButton;
};
