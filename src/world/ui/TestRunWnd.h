#pragma once
// A small window beside the world window that shows, when a test ends, the run that led
// to the verdict: the chart of the judged body's energy against its goal (or the bench's
// values against their targets) and the sentence that says why. The learner closes it.
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "world/TestRun.h"

class TTestRunWnd : public QWidget {
  Q_OBJECT
 public:
  explicit TTestRunWnd(QWidget* parent = nullptr);
  // Draws the run and its verdict; the window keeps its own copy of the picture.
  void ShowRun(const TTestRun& run);
  const QImage& chart() const { return chart_; }
  QString whyText() const { return WhyLabel->text(); }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QImage chart_;
  QLabel* VerdictLabel;
  QLabel* WhyLabel;
  QPushButton* CloseButton;
};
