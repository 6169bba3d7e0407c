#include "brain/ui/SnoopDlg.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "brain/DialogNumbers.h"

const std::vector<SnooperColour>& SnooperColours() {
  static const std::vector<SnooperColour> colours = {
      {110, {0, 0, 0}},     {111, {128, 128, 128}}, {126, {128, 128, 0}},   {127, {255, 255, 0}},
      {142, {0, 128, 0}},   {143, {0, 255, 0}},     {158, {128, 0, 0}},     {159, {255, 0, 0}},
      {174, {0, 0, 128}},   {175, {0, 0, 255}},     {190, {192, 192, 192}}, {191, {255, 255, 255}}};
  return colours;
}

namespace {
QColor ColourOf(int tile) {
  for (const SnooperColour& c : SnooperColours())
    if (c.tile == tile) return c.colour;
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
  const auto& colours = SnooperColours();
  for (size_t i = 0; i < colours.size(); ++i) {
    const QRect r((i % 4) * Square, (i / 4) * Square, Square, Square);
    p.fillRect(r, colours[i].colour);
    p.setPen(Qt::darkGray);
    p.drawRect(r.adjusted(0, 0, -1, -1));
  }
}

void TColorSelector::mousePressEvent(QMouseEvent* e) {
  const int i = (e->pos().y() / Square) * 4 + e->pos().x() / Square;
  if (e->pos().x() >= 0 && e->pos().y() >= 0 && i >= 0 && i < static_cast<int>(SnooperColours().size()) && picked)
    picked(SnooperColours()[i].tile);
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
  entries_.push_back({s.thresholds[0], s.colours[0]});
  for (int b = 1; b < 8; ++b)
    if (s.thresholds[b] >= -100 && s.thresholds[b] <= 100) entries_.push_back({s.thresholds[b], s.colours[b]});
  if (LookAtGroup->button(s.mode)) LookAtGroup->button(s.mode)->setChecked(true);
  MonitorCheck->setChecked(s.monitor);
  PickColour(s.colours[0]);
  ShowEntries();

  ColorSelector->picked = [this](int tile) { PickColour(tile); };
  connect(ThresholdList, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
    const int row = ThresholdList->row(item);
    ThresholdBox->setText(item->text());
    if (row >= 0 && row < static_cast<int>(entries_.size())) PickColour(entries_[row].tile);
  });
  connect(AddButton, &QPushButton::clicked, this, [this] { Add(); });
  connect(DeleteButton, &QPushButton::clicked, this, [this] { Delete(); });
  connect(ChangeButton, &QPushButton::clicked, this, [this] { Change(); });
  connect(LookAtGroup, &QButtonGroup::idClicked, this, [this] { Apply(); });
  connect(MonitorCheck, &QCheckBox::clicked, this, [this] { Apply(); });
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::close);
  connect(DelBtn, &QPushButton::clicked, this, [this] {
    this->board().DeleteSnooper(snooper_);
    Changed();
    close();
  });
  connect(DupBtn, &QPushButton::clicked, this, [this] { Duplicate(); });
}

void TSnoopPropDlg::PickColour(int tile) {
  picked_ = tile;
  QPalette p = SelectedColor->palette();
  p.setColor(QPalette::Window, ColourOf(tile));
  SelectedColor->setPalette(p);
}

void TSnoopPropDlg::ShowEntries() {
  ThresholdList->clear();
  for (size_t i = 0; i < entries_.size(); ++i)
    ThresholdList->addItem(new QListWidgetItem(Swatch(entries_[i].tile),
                                               i == 0 ? QString("Base") : QString::number(entries_[i].threshold)));
}

void TSnoopPropDlg::Add() {
  if (ThresholdBox->text() == "Base") {
    entries_[0].tile = picked_;
  } else {
    if (entries_.size() >= 8) return;
    const int v = static_cast<int>(Clamp(ReadInteger(ThresholdBox->text().toStdString(), 0), -100, 100));
    auto at = std::find_if(entries_.begin() + 1, entries_.end(), [v](const Entry& e) { return e.threshold > v; });
    entries_.insert(at, {v, picked_});
  }
  ShowEntries();
  Apply();
}

void TSnoopPropDlg::Delete() {
  for (int row = static_cast<int>(entries_.size()) - 1; row >= 1; --row)
    if (ThresholdList->item(row)->isSelected()) entries_.erase(entries_.begin() + row);
  ShowEntries();
  Apply();
}

void TSnoopPropDlg::Change() {
  const bool base = ThresholdBox->text() == "Base";
  const int v = static_cast<int>(Clamp(ReadInteger(ThresholdBox->text().toStdString(), 0), -100, 100));
  for (int row = 0; row < static_cast<int>(entries_.size()); ++row) {
    if (!ThresholdList->item(row)->isSelected()) continue;
    entries_[row].tile = picked_;
    if (row > 0 && !base) entries_[row].threshold = v;
  }
  // Bands must stay in ascending order for the band search.
  std::stable_sort(entries_.begin() + 1, entries_.end(),
                   [](const Entry& a, const Entry& b) { return a.threshold < b.threshold; });
  ShowEntries();
  Apply();
}

void TSnoopPropDlg::Apply() {
  if (!ElementsLive()) return;
  Snooper& s = board().snoopers[snooper_];
  s.mode = LookAtGroup->checkedId() < 0 ? s.mode : LookAtGroup->checkedId();
  s.monitor = MonitorCheck->isChecked();
  for (int b = 0; b < 8; ++b) {
    const bool used = b < static_cast<int>(entries_.size());
    s.thresholds[b] = used ? entries_[b].threshold : 200;
    s.colours[b] = used ? entries_[b].tile : 0;
  }
  int band = 1;
  while (band < 8 && s.lastValue >= s.thresholds[band]) ++band;
  const int tile = s.colours[band - 1];
  if (tile != s.tile) {
    board().ReplacePic(s.x, s.y, s.tile, PicSnooper, snooper_, tile);
    s.tile = tile;
  }
  board().MarkDirty(s.x, s.y);
  Changed();
}

void TSnoopPropDlg::Duplicate() {
  if (!ElementsLive()) return;
  TBrainBoard& b = board();
  const Snooper copy = b.snoopers[snooper_];
  const int x = copy.x < b.columns() - 2 ? copy.x + 1 : copy.x;
  const int fresh = b.AddSnooper(x, copy.y);
  if (fresh < 0) return;
  b.EraseSnooper(fresh);
  Snooper& s = b.snoopers[fresh];
  s = copy;
  s.x = x;
  b.DrawSnooper(fresh);
  Changed();
  if (duplicated) duplicated(fresh);
}
