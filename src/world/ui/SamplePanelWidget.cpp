#include "world/ui/SamplePanelWidget.h"

#include <QMouseEvent>
#include <QPainter>

TChalkArea::TChalkArea(TSamplePanel& panel, QWidget* parent) : QWidget(parent), panel_(panel) {
  setObjectName("ChalkPaint");
  setGeometry(TSamplePanel::AreaLeft, TSamplePanel::AreaTop, TSamplePanel::AreaWidth, TSamplePanel::AreaHeight);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::CrossCursor);
}

void TChalkArea::Recompute() {
  panel_.Repaint();
  update();
}

void TChalkArea::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  p.setRenderHint(QPainter::Antialiasing, false);
  const TChalkStroke& s = panel_.stroke();
  p.setPen(QPen(Qt::white, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  if (s.count() == 1) p.drawPoint(s.x(0), s.y(0));
  for (int i = 1; i < s.count(); ++i) p.drawLine(s.x(i - 1), s.y(i - 1), s.x(i), s.y(i));
  if (!panel_.showPoints || panel_.Drawing()) return;
  QFont f("Arial");
  f.setPixelSize(10);
  p.setFont(f);
  for (const ChalkMark& m : panel_.features().marks) {
    p.setPen(QPen(Qt::red, 1));
    p.setBrush(Qt::red);
    p.drawEllipse(QPoint(m.x, m.y), 3, 3);
    p.drawLine(m.x, m.y, m.endX, m.endY);
    p.setPen(Qt::blue);
    const QString text = QString::number(m.value);
    const int w = p.fontMetrics().horizontalAdvance(text);
    p.drawText(m.textLeft ? m.x - 5 - w : m.x + 5, m.y - 3, text);
  }
}

// Other buttons go on to the world window (a release there toggles the monitor).
void TChalkArea::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return e->ignore();
  const QPoint at = e->position().toPoint();
  panel_.MouseDown(at.x(), at.y());
  update();
}

void TChalkArea::mouseMoveEvent(QMouseEvent* e) {
  if (!panel_.Drawing()) return;
  const QPoint at = e->position().toPoint();
  const int n = panel_.stroke().count();
  const QPoint last(panel_.stroke().x(n - 1), panel_.stroke().y(n - 1));
  panel_.MouseMove(at.x(), at.y());
  // Only the new piece of line needs painting.
  update(QRect(last, at).normalized().adjusted(-4, -4, 4, 4));
}

void TChalkArea::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return e->ignore();
  if (!panel_.Drawing()) return;
  panel_.MouseUp();
  if (beforeAction) beforeAction();
  Recompute();
}

TSamplePanelWidget::TSamplePanelWidget(TSamplePanel& panel, TChalkArea& area, QWidget* parent)
    : QWidget(parent), panel_(panel), area_(area) {
  setObjectName("SamplePanel");
  setAutoFillBackground(true);
  QFont small = font();
  small.setPixelSize(11);
  setFont(small);

  auto* pointsLabel = new QLabel("Points", this);
  pointsLabel->setGeometry(8, 8, 40, 18);
  NumPointsBox = new QLineEdit(QString::fromStdString(panel_.numPointsText), this);
  NumPointsBox->setObjectName("NumPointsBox");
  NumPointsBox->setReadOnly(true);
  NumPointsBox->setGeometry(46, 6, 26, 22);
  NumPointsUp = new QToolButton(this);
  NumPointsUp->setObjectName("NumPointsUp");
  NumPointsUp->setArrowType(Qt::UpArrow);
  NumPointsUp->setGeometry(73, 6, 15, 11);
  NumPointsDown = new QToolButton(this);
  NumPointsDown->setObjectName("NumPointsDown");
  NumPointsDown->setArrowType(Qt::DownArrow);
  NumPointsDown->setGeometry(73, 17, 15, 11);
  connect(NumPointsUp, &QToolButton::clicked, this, [this] { StepPoints(1); });
  connect(NumPointsDown, &QToolButton::clicked, this, [this] { StepPoints(-1); });

  ShowCheck = new QCheckBox("Show points", this);
  ShowCheck->setObjectName("ShowCheck");
  ShowCheck->setGeometry(6, 32, 88, 20);
  connect(ShowCheck, &QCheckBox::toggled, this, [this](bool on) {
    Act([this, on] { panel_.showPoints = on; }, true);
  });

  for (int d = 0; d < 10; ++d) {
    auto* b = new QPushButton(QString::number(d), this);
    b->setObjectName(QString("Button%1").arg(d));
    b->setProperty("tag", d);
    b->setGeometry(8 + (d % 3) * 27, 58 + (d / 3) * 26, 25, 24);
    if (d == 9) b->setGeometry(35, 136, 25, 24);
    connect(b, &QPushButton::clicked, this, [this, d] { Act([this, d] { panel_.NumberButton(d); }); });
    Buttons[static_cast<size_t>(d)] = b;
  }
  CountLabel = new QLabel(this);
  CountLabel->setObjectName("CountLabel");
  CountLabel->setGeometry(6, 166, 88, 18);
  CountLabel->setAlignment(Qt::AlignCenter);
  auto button = [this](const char* name, const char* caption, int y) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setGeometry(8, y, 80, 24);
    return b;
  };
  PlayButton = button("PlayButton", "Play", 190);
  ClearStoreButton = button("ClearStoreButton", "New", 218);
  SaveButton = button("SaveButton", "Save", 246);
  LoadButton = button("LoadButton", "Load", 274);
  connect(PlayButton, &QPushButton::clicked, this, [this] { Act([this] { panel_.PlayButton(); }); });
  connect(ClearStoreButton, &QPushButton::clicked, this, [this] { Act([this] { panel_.ClearStoreButton(); }); });
  connect(SaveButton, &QPushButton::clicked, this, [this] { Act([this] { panel_.SaveButton(); }); });
  connect(LoadButton, &QPushButton::clicked, this, [this] { Act([this] { panel_.LoadButton(); }); });
  Refresh();
}

void TSamplePanelWidget::Act(const std::function<void()>& action, bool repaintArea) {
  if (beforeAction) beforeAction();
  action();
  if (repaintArea) area_.Recompute();
  Refresh();
}

void TSamplePanelWidget::StepPoints(int by) {
  Act([this, by] { panel_.SetPointCount(ChalkPointCount(panel_.numPointsText) + by); }, true);
}

void TSamplePanelWidget::Refresh() {
  NumPointsBox->setText(QString::fromStdString(panel_.numPointsText));
  CountLabel->setText(QString::fromStdString(panel_.countText()));
  PlayButton->setText(panel_.PlayCaption());
  const bool free = !panel_.Playing();
  for (QWidget* w : std::initializer_list<QWidget*>{NumPointsBox, NumPointsUp, NumPointsDown, ShowCheck,
                                                    ClearStoreButton, SaveButton, LoadButton})
    w->setEnabled(free);
  for (QPushButton* b : Buttons) b->setEnabled(free);
}
