#include "world/ui/EdDialogs.h"

#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "channels/Channels.h"
#include "world/WorldEditing.h"

namespace {
std::string Text(const QLineEdit* box) { return box->text().toStdString(); }

QLineEdit* Box(const QString& name, const QString& text = QString()) {
  auto* box = new QLineEdit(text);
  box->setObjectName(name);
  return box;
}
}  // namespace

// ---- the shared frame -------------------------------------------------------------------

TEdDialog::TEdDialog(QWidget* parent, const QString& caption, Host host, std::function<void()> help)
    : QDialog(parent), host_(host), caption_(caption), help_(std::move(help)) {
  setWindowTitle(caption);
  setModal(true);
  OKBtn = new QPushButton("OK");
  OKBtn->setDefault(true);
  CancelBtn = new QPushButton("Cancel");
  HelpBtn = new QPushButton("Help");
  connect(OKBtn, &QPushButton::clicked, this, [this] { done(QDialog::Accepted); });
  connect(CancelBtn, &QPushButton::clicked, this, [this] { done(QDialog::Rejected); });
  connect(HelpBtn, &QPushButton::clicked, this, [this] {
    if (help_) help_();
  });
}

void TEdDialog::AddButtons(QBoxLayout* layout) {
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addWidget(OKBtn);
  row->addWidget(CancelBtn);
  row->addWidget(HelpBtn);
  layout->addLayout(row);
}

bool TEdDialog::Refused(const DialogProblem& problem, QWidget* field) {
  if (problem.ok()) return false;
  host_.Message(problem.text, caption_.toStdString());
  if (field) field->setFocus();
  return true;
}

void TEdDialog::done(int result) {
  closeAllowed = true;
  if (result == QDialog::Accepted) closeAllowed = Checks();
  if (closeAllowed) QDialog::done(result);
}

// ---- the test ------------------------------------------------------------------------------

TEdTestDlg::TEdTestDlg(QWidget* parent, Host host, std::function<void()> help,
                       const std::vector<std::string>& critters)
    : TEdDialog(parent, "Test Conditions", host, std::move(help)) {
  auto* layout = new QVBoxLayout(this);
  auto* group = new QGroupBox("Test");
  auto* kinds = new QVBoxLayout(group);
  TestGroup = new QButtonGroup(this);
  const char* names[] = {"None", "Timed  / Show energy", "Energy / Show energy", "Timed  / Show time"};
  for (int k = 0; k < 4; ++k) {
    auto* b = new QRadioButton(names[k]);
    TestGroup->addButton(b, k);
    kinds->addWidget(b);
  }
  TestGroup->button(0)->setChecked(true);
  TestList = new QListWidget;
  TestList->setObjectName("TestList");
  FollowList = new QListWidget;
  FollowList->setObjectName("FollowList");
  for (const std::string& n : critters) {
    TestList->addItem(QString::fromStdString(n));
    FollowList->addItem(QString::fromStdString(n));
  }
  auto* lists = new QHBoxLayout;
  auto* testCol = new QVBoxLayout;
  testCol->addWidget(new QLabel("Test critter"));
  testCol->addWidget(TestList);
  auto* followCol = new QVBoxLayout;
  followCol->addWidget(new QLabel("Follow critter"));
  followCol->addWidget(FollowList);
  lists->addWidget(group);
  lists->addLayout(testCol);
  lists->addLayout(followCol);
  layout->addLayout(lists);
  auto* form = new QFormLayout;
  TimeBox = Box("TimeBox");
  EnergyBox = Box("EnergyBox");
  form->addRow("Time", TimeBox);
  form->addRow("Energy", EnergyBox);
  layout->addLayout(form);
  AddButtons(layout);
}

bool TEdTestDlg::Checks() {
  DialogProblem p = CheckTestDialog(TestGroup->checkedId(), TestList->currentRow() >= 0, Text(TimeBox), Text(EnergyBox));
  QWidget* fields[] = {nullptr, TestList, TimeBox, EnergyBox};
  return !Refused(p, fields[p.field >= 0 && p.field <= 3 ? p.field : 0]);
}

// ---- the description --------------------------------------------------------------------

TEdDescDlg::TEdDescDlg(QWidget* parent, Host host, std::function<void()> help)
    : TEdDialog(parent, "World Description", host, std::move(help)) {
  auto* layout = new QVBoxLayout(this);
  DescBox = new QPlainTextEdit;
  DescBox->setObjectName("DescBox");
  layout->addWidget(DescBox);
  AddButtons(layout);
  resize(420, 300);
}

bool TEdDescDlg::Checks() { return !Refused({DescriptionProblem(DescBox->toPlainText().toStdString()), 1}, DescBox); }

// ---- the brain ------------------------------------------------------------------------------

namespace {
void FillChannels(QListWidget* list, const TChannelFlags& available, const TChannelFlags& used,
                  const char* (*name)(int)) {
  for (int c = 0; c < 64; ++c) {
    if (!available[static_cast<size_t>(c)] || !name(c)) continue;
    auto* item = new QListWidgetItem(QString::fromUtf8(name(c)), list);
    item->setData(Qt::UserRole, c);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(used[static_cast<size_t>(c)] ? Qt::Checked : Qt::Unchecked);
  }
}
}  // namespace

TEdBrainDlg::TEdBrainDlg(QWidget* parent, Host host, std::function<void()> help, const TChannelFlags& inAvailable,
                         const TChannelFlags& inUsed, const TChannelFlags& outAvailable, const TChannelFlags& outUsed)
    : TEdDialog(parent, "Critter Brain Type", host, std::move(help)) {
  auto* layout = new QVBoxLayout(this);
  NoneCheck = new QRadioButton("None");
  FileCheck = new QRadioButton("Brain file:");
  BoardCheck = new QRadioButton("Brain board:");
  NoneCheck->setChecked(true);
  FileBox = Box("FileBox");
  NameBox = Box("NameBox");
  layout->addWidget(NoneCheck);
  auto* fileRow = new QHBoxLayout;
  fileRow->addWidget(FileCheck);
  fileRow->addWidget(new QLabel("worlds\\"));
  fileRow->addWidget(FileBox);
  layout->addLayout(fileRow);
  auto* boardRow = new QHBoxLayout;
  boardRow->addWidget(BoardCheck);
  boardRow->addWidget(NameBox);
  layout->addLayout(boardRow);
  InputList = new QListWidget;
  InputList->setObjectName("InputList");
  OutputList = new QListWidget;
  OutputList->setObjectName("OutputList");
  FillChannels(InputList, inAvailable, inUsed, InputChannelName);
  FillChannels(OutputList, outAvailable, outUsed, OutputChannelName);
  auto* lists = new QHBoxLayout;
  auto* inCol = new QVBoxLayout;
  inCol->addWidget(new QLabel("Inputs"));
  inCol->addWidget(InputList);
  auto* outCol = new QVBoxLayout;
  outCol->addWidget(new QLabel("Outputs"));
  outCol->addWidget(OutputList);
  lists->addLayout(inCol);
  lists->addLayout(outCol);
  layout->addLayout(lists);
  AddButtons(layout);
  for (QWidget* w : {static_cast<QWidget*>(FileBox), static_cast<QWidget*>(NameBox),
                     static_cast<QWidget*>(InputList), static_cast<QWidget*>(OutputList)})
    w->installEventFilter(this);
  resize(420, 420);
}

// Entering a box chooses its mode; entering a channel list while "None" is chosen
// chooses the board.
bool TEdBrainDlg::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn) {
    if (watched == FileBox) FileCheck->setChecked(true);
    else if (watched == NameBox) BoardCheck->setChecked(true);
    else if ((watched == InputList || watched == OutputList) && NoneCheck->isChecked()) BoardCheck->setChecked(true);
  }
  return QDialog::eventFilter(watched, event);
}

int TEdBrainDlg::Mode() const { return BoardCheck->isChecked() ? 1 : FileCheck->isChecked() ? 2 : 0; }

void TEdBrainDlg::SetMode(int mode) { (mode == 1 ? BoardCheck : mode == 2 ? FileCheck : NoneCheck)->setChecked(true); }

TChannelFlags TEdBrainDlg::Ticked(const QListWidget* list) const {
  TChannelFlags flags;
  for (int r = 0; r < list->count(); ++r) {
    const QListWidgetItem* item = list->item(r);
    const int c = item->data(Qt::UserRole).toInt();
    if (c >= 0 && c < 64 && item->checkState() == Qt::Checked) flags[static_cast<size_t>(c)] = true;
  }
  return flags;
}

bool TEdBrainDlg::Checks() {
  // The brain checks speak with the properties caption.
  DialogProblem p = CheckBrainDialog(Mode(), Text(FileBox), Text(NameBox));
  if (p.ok()) return true;
  host_.Message(p.text, "Brain Properties");
  (p.field == 1 ? FileBox : NameBox)->setFocus();
  return false;
}

// ---- the random placement rules ----------------------------------------------------------

TEdDeadDlg::TEdDeadDlg(QWidget* parent, Host host, std::function<void()> help, const std::vector<TPlacement>& r)
    : TEdDialog(parent, "Randomize", host, std::move(help)), rules(r) {
  auto* layout = new QHBoxLayout;
  auto* outer = new QVBoxLayout(this);
  outer->addLayout(layout);
  RandomList = new QListWidget;
  RandomList->setObjectName("RandomList");
  for (const TPlacement& rule : rules) RandomList->addItem(QString::fromStdString(PlacementText(rule)));
  layout->addWidget(RandomList);
  auto* form = new QFormLayout;
  CenterXBox = Box("CenterXBox");
  CenterYBox = Box("CenterYBox");
  RadiusBox = Box("RadiusBox");
  MinZBox = Box("MinZBox");
  MaxZBox = Box("MaxZBox");
  MinDirBox = Box("MinDirBox", "0");
  MaxDirBox = Box("MaxDirBox", "0");
  form->addRow("Center X", CenterXBox);
  form->addRow("Center Y", CenterYBox);
  form->addRow("Radius", RadiusBox);
  form->addRow("Min Z", MinZBox);
  form->addRow("Max Z", MaxZBox);
  auto* dirs = new QHBoxLayout;
  dirs->addWidget(MinDirBox);
  dirs->addWidget(new QLabel("to"));
  dirs->addWidget(MaxDirBox);
  form->addRow("Direction", dirs);
  OnCreateCheck = new QCheckBox("On creation");
  OnDeathCheck = new QCheckBox("On death");
  OnResetCheck = new QCheckBox("On reset");
  form->addRow(OnCreateCheck);
  form->addRow(OnDeathCheck);
  form->addRow(OnResetCheck);
  AddButton = new QPushButton("Add");
  ChangeButton = new QPushButton("Change");
  DeleteButton = new QPushButton("Delete");
  auto* edits = new QHBoxLayout;
  edits->addWidget(AddButton);
  edits->addWidget(ChangeButton);
  edits->addWidget(DeleteButton);
  form->addRow(edits);
  layout->addLayout(form);
  AddButtons(outer);
  connect(RandomList, &QListWidget::itemClicked, this, [this] { RandomListClick(); });
  connect(AddButton, &QPushButton::clicked, this, [this] { AddButtonClick(); });
  connect(ChangeButton, &QPushButton::clicked, this, [this] { ChangeButtonClick(); });
  connect(DeleteButton, &QPushButton::clicked, this, [this] { DeleteButtonClick(); });
}

void TEdDeadDlg::RandomListClick() {
  const int row = RandomList->currentRow();
  if (row < 0 || row >= static_cast<int>(rules.size())) return;
  RuleBoxes b = BoxesOfRule(rules[static_cast<size_t>(row)]);
  CenterXBox->setText(QString::fromStdString(b.centreX));
  CenterYBox->setText(QString::fromStdString(b.centreY));
  RadiusBox->setText(QString::fromStdString(b.radius));
  MinZBox->setText(QString::fromStdString(b.minZ));
  MaxZBox->setText(QString::fromStdString(b.maxZ));
  MinDirBox->setText(QString::fromStdString(b.minDir));
  MaxDirBox->setText(QString::fromStdString(b.maxDir));
  OnCreateCheck->setChecked(b.onCreate);
  OnDeathCheck->setChecked(b.onDeath);
  OnResetCheck->setChecked(b.onReset);
}

bool TEdDeadDlg::RuleOfBoxes(TPlacement& rule) {
  RuleBoxes b{Text(CenterXBox), Text(CenterYBox), Text(RadiusBox), Text(MinZBox), Text(MaxZBox),
              Text(MinDirBox),  Text(MaxDirBox),  OnCreateCheck->isChecked(), OnDeathCheck->isChecked(),
              OnResetCheck->isChecked()};
  DialogProblem p = RuleFromBoxes(b, rule);
  QWidget* fields[] = {nullptr, CenterXBox, CenterYBox, RadiusBox, MinZBox, MaxZBox};
  return !Refused(p, fields[p.field >= 0 && p.field <= 5 ? p.field : 0]);
}

void TEdDeadDlg::AddButtonClick() {
  TPlacement rule;
  if (!RuleOfBoxes(rule)) return;
  rules.push_back(rule);
  RandomList->addItem(QString::fromStdString(PlacementText(rule)));
}

void TEdDeadDlg::ChangeButtonClick() {
  const int row = RandomList->currentRow();
  if (row < 0 || row >= static_cast<int>(rules.size())) return;
  TPlacement rule;
  if (!RuleOfBoxes(rule)) return;
  rules[static_cast<size_t>(row)] = rule;
  RandomList->item(row)->setText(QString::fromStdString(PlacementText(rule)));
}

void TEdDeadDlg::DeleteButtonClick() {
  const int row = RandomList->currentRow();
  if (row < 0 || row >= static_cast<int>(rules.size())) return;
  rules.erase(rules.begin() + row);
  delete RandomList->takeItem(row);
  for (QLineEdit* box : {CenterXBox, CenterYBox, RadiusBox, MinZBox, MaxZBox, MinDirBox, MaxDirBox}) box->clear();
  for (QCheckBox* check : {OnCreateCheck, OnDeathCheck, OnResetCheck}) check->setChecked(false);
}

// ---- smells and energy ---------------------------------------------------------------------

TEdSmellDlg::TEdSmellDlg(QWidget* parent, Host host, std::function<void()> help, const std::vector<std::string>& names)
    : TEdDialog(parent, "Smell Properties", host, std::move(help)) {
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  SmellType1Box = new QComboBox;
  SmellType1Box->setObjectName("SmellType1Box");
  SmellType2Box = new QComboBox;
  SmellType2Box->setObjectName("SmellType2Box");
  for (const std::string& n : names) {
    SmellType1Box->addItem(QString::fromStdString(n));
    SmellType2Box->addItem(QString::fromStdString(n));
  }
  form->addRow("Smell Type 1", SmellType1Box);
  form->addRow("Smell Type 2", SmellType2Box);
  layout->addLayout(form);
  AddButtons(layout);
}

TEdEnergyDlg::TEdEnergyDlg(QWidget* parent, Host host, std::function<void()> help)
    : TEdDialog(parent, "Critter energy", host, std::move(help)) {
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  StartBox = Box("StartBox");
  LossBox = Box("LossBox");
  form->addRow("Start energy", StartBox);
  form->addRow("Energy loss / move", LossBox);
  layout->addLayout(form);
  AddButtons(layout);
}

bool TEdEnergyDlg::Checks() {
  DialogProblem p = CheckEnergyDialog(Text(StartBox), Text(LossBox), start, loss);
  if (p.ok()) return true;
  host_.Message(p.text, "Energy Properties");
  (p.field == 2 ? LossBox : StartBox)->setFocus();
  return false;
}
