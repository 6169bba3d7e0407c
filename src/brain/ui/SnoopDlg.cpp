#include "brain/ui/SnoopDlg.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
QColor ColourOf(int tile) {
  for (const SnooperColour& c : SnooperColours)
    if (c.tile == tile) return QColor(c.r, c.g, c.b);
  return Qt::transparent;
}
QIcon Swatch(int tile) {
  QPixmap p(12, 12);
  p.fill(ColourOf(tile));
  return QIcon(p);
}
}  // namespace

TColorSelector::TColorSelector(QWidget* parent) : QWidget(parent) {
  setFixedSize(4 * Square, 3 * Square);
}

void TColorSelector::paintEvent(QPaintEvent*) {
  QPainter p(this);
  for (int i = 0; i < SnooperColourCount; ++i) {
    const QRect r((i % 4) * Square, (i / 4) * Square, Square, Square);
    p.fillRect(r, ColourOf(SnooperColours[i].tile));
    p.setPen(Qt::darkGray);
    p.drawRect(r.adjusted(0, 0, -1, -1));
  }
}

void TColorSelector::mousePressEvent(QMouseEvent* e) {
  const int i = (e->pos().y() / Square) * 4 + e->pos().x() / Square;
  if (e->pos().x() >= 0 && e->pos().y() >= 0 && i >= 0 && i < SnooperColourCount && picked)
    picked(SnooperColours[i].tile);
}

TSnoopPropDlg::TSnoopPropDlg(TBrainBoard& board, int snooper, QWidget* parent)
    : TPropDialog(board, "Snooper", parent), snooper_(snooper) {
  QWidget* sw = AddTab("Switch");
  auto* row = new QHBoxLayout(sw);
  ThresholdList = new QListWidget(sw);
  ThresholdList->setObjectName("ThresholdList");
  ThresholdList->setSelectionMode(QAbstractItemView::ExtendedSelection);
  ThresholdList->setMaximumWidth(90);
  row->addWidget(ThresholdList);
  auto* side = new QVBoxLayout;
  ColorSelector = new TColorSelector(sw);
  ColorSelector->setObjectName("ColorSelector");
  SelectedColor = new QFrame(sw);
  SelectedColor->setObjectName("SelectedColor");
  SelectedColor->setFixedSize(4 * TColorSelector::Square, 14);
  SelectedColor->setAutoFillBackground(true);
  SelectedColor->setFrameShape(QFrame::Box);
  ThresholdBox = new QLineEdit("Base", sw);
  ThresholdBox->setObjectName("ThresholdBox");
  auto* buttons = new QHBoxLayout;
  AddButton = new QPushButton("+", sw);
  DeleteButton = new QPushButton("--", sw);
  ChangeButton = new QPushButton("<-->", sw);
  AddButton->setObjectName("AddButton");
  DeleteButton->setObjectName("DeleteButton");
  ChangeButton->setObjectName("ChangeButton");
  for (QPushButton* b : {AddButton, DeleteButton, ChangeButton}) {
    b->setAutoDefault(false);
    b->setMaximumWidth(40);
    buttons->addWidget(b);
  }
  side->addWidget(ColorSelector);
  side->addWidget(SelectedColor);
  side->addWidget(ThresholdBox);
  side->addLayout(buttons);
  row->addLayout(side);

  QWidget* type = AddTab("Type");
  auto* look = new QVBoxLayout(type);
  LookAtGroup = new QButtonGroup(this);
  const char* modes[] = {"Top", "Min", "Max", "Avg", "Diff", "Scale"};
  for (int m = 0; m < 6; ++m) {
    auto* b = new QRadioButton(modes[m], type);
    LookAtGroup->addButton(b, m);
    look->addWidget(b);
  }
  MonitorCheck = new QCheckBox("Monitor", type);
  MonitorCheck->setObjectName("MonitorCheck");
  look->addWidget(MonitorCheck);

  auto* bottom = new QHBoxLayout;
  OKBtn = new QPushButton("OK", this);
  DelBtn = new QPushButton("Del", this);
  DupBtn = new QPushButton("Dup", this);
  for (QPushButton* b : {OKBtn, DelBtn, DupBtn}) {
    b->setAutoDefault(false);
    bottom->addWidget(b);
  }
  static_cast<QVBoxLayout*>(layout())->addLayout(bottom);

  const Snooper& s = board.snoopers[snooper];
  bands_ = SnooperBandList::Of(s);
  if (LookAtGroup->button(s.mode)) LookAtGroup->button(s.mode)->setChecked(true);
  MonitorCheck->setChecked(s.monitor);
  PickColour(s.colours[0]);
  ShowEntries();

  ColorSelector->picked = [this](int tile) { PickColour(tile); };
  connect(ThresholdList, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    const int row = ThresholdList->row(item);
    ThresholdBox->setText(item->text());
    if (row >= 0 && row < static_cast<int>(bands_.entries().size())) PickColour(bands_.entries()[row].tile);
  });
  connect(AddButton, &QPushButton::clicked, this, [this] {
    bands_.Add(ThresholdBox->text().toStdString(), picked_);
    Apply();
  });
  connect(DeleteButton, &QPushButton::clicked, this, [this] {
    bands_.Delete(Chosen());
    Apply();
  });
  connect(ChangeButton, &QPushButton::clicked, this, [this] {
    bands_.Change(Chosen(), ThresholdBox->text().toStdString(), picked_);
    Apply();
  });
  connect(LookAtGroup, &QButtonGroup::idClicked, this, [this] { Apply(); });
  connect(MonitorCheck, &QCheckBox::clicked, this, [this] { Apply(); });
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::close);
  connect(DelBtn, &QPushButton::clicked, this, [this] {
    this->board().DeleteSnooper(snooper_);
    Changed();
    close();
  });
  connect(DupBtn, &QPushButton::clicked, this, [this] {
    if (!ElementsLive()) return;
    const int fresh = DuplicateSnooper(this->board(), snooper_);
    Changed();
    if (fresh >= 0 && duplicated) duplicated(fresh);
  });
}

void TSnoopPropDlg::PickColour(int tile) {
  picked_ = tile;
  QPalette p = SelectedColor->palette();
  p.setColor(QPalette::Window, ColourOf(tile));
  SelectedColor->setPalette(p);
}

void TSnoopPropDlg::ShowEntries() {
  ThresholdList->clear();
  for (size_t i = 0; i < bands_.entries().size(); ++i)
    ThresholdList->addItem(new QListWidgetItem(Swatch(bands_.entries()[i].tile),
                                               QString::fromStdString(bands_.Text(static_cast<int>(i)))));
}

std::vector<int> TSnoopPropDlg::Chosen() const {
  std::vector<int> rows;
  for (int row = 0; row < ThresholdList->count(); ++row)
    if (ThresholdList->item(row)->isSelected()) rows.push_back(row);
  return rows;
}

// Every change goes into the snooper at once.
void TSnoopPropDlg::Apply() {
  ShowEntries();
  if (!ElementsLive()) return;
  const int mode = LookAtGroup->checkedId() < 0 ? board().snoopers[snooper_].mode : LookAtGroup->checkedId();
  ApplySnooperSettings(board(), snooper_, mode, MonitorCheck->isChecked(), bands_);
  board().MarkDirty(board().snoopers[snooper_].x, board().snoopers[snooper_].y);
  Changed();
}
