#include "world/ui/TestRunWnd.h"

#include <QPainter>

#include "platform/qt/QtImage.h"

namespace {
constexpr int TextRows = 44, ButtonRow = 30;
}  // namespace

TTestRunWnd::TTestRunWnd(QWidget* parent) : QWidget(parent, Qt::Tool) {
  setWindowTitle("Test Run");
  VerdictLabel = new QLabel(this);
  VerdictLabel->setObjectName("VerdictLabel");
  QFont bold = VerdictLabel->font();
  bold.setBold(true);
  VerdictLabel->setFont(bold);
  WhyLabel = new QLabel(this);
  WhyLabel->setObjectName("WhyLabel");
  WhyLabel->setWordWrap(true);
  CloseButton = new QPushButton("Close", this);
  CloseButton->setObjectName("CloseButton");
  connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);
}

void TTestRunWnd::ShowRun(const TTestRun& run) {
  ChartPlan plan = run.Chart();
  plan.title.clear();  // the sentence stands above the chart, in the window's own letters
  chart_ = ToQImage(RenderChart(plan));
  VerdictLabel->setText(run.passed ? "Test passed" : "Test failed");
  WhyLabel->setText(QString::fromStdString(run.why));
  const int w = chart_.width();
  VerdictLabel->setGeometry(8, 4, w - 16, 16);
  WhyLabel->setGeometry(8, 20, w - 16, TextRows - 20);
  CloseButton->setGeometry(w - 84, TextRows + chart_.height() + 2, 80, ButtonRow - 6);
  setFixedSize(w, TextRows + chart_.height() + ButtonRow);
  update();
}

void TTestRunWnd::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.drawImage(0, TextRows, chart_);
}
