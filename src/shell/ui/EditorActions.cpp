// The editor window's actions: each hands the user's choice to the editing rules and
// shows the state they leave.
#include <QSignalBlocker>

#include "shell/ui/Editor.h"
#include "world/ui/EdDialogs.h"

namespace {
std::string Text(const QLineEdit* box) { return box->text().toStdString(); }
QString Q(const std::string& s) { return QString::fromStdString(s); }

std::vector<std::string> CritterNames(TWorld& world) {
  std::vector<std::string> names;
  for (const auto& c : world.critters) names.push_back(c->name);
  return names;
}
}  // namespace

void TEditForm::OpenEditor(int progress) {
  editing_.OpenEditor(progress);
  filling_ = true;
  {
    QSignalBlocker a(CmpList), b(CritterTypeBox), c(TriggerByBox), d(UpdateGroup);
    CmpList->clear();
    for (const CatalogueEntry& e : editing_.catalogue) CmpList->addItem(Q(e.name));
    PicList->clear();
    CritterTypeBox->clear();
    for (const EditorType& t : editing_.types) CritterTypeBox->addItem(Q(t.boxName));
    CritterTypeBox->setCurrentIndex(-1);
    TriggerByBox->clear();
    for (const std::string& n : TriggerByNames(progress)) TriggerByBox->addItem(Q(n));
    TriggerByBox->setCurrentIndex(-1);
    editing_.update = static_cast<EditorUpdate>(std::max(0, UpdateGroup->checkedId()));
  }
  filling_ = false;
  ScrollH->hide();
  ShowViewButton();
  RefreshScrollBars();
  RefreshAll();
}

void TEditForm::RefreshScrollBars() {
  filling_ = true;
  QSignalBlocker a(ScrollX), b(ScrollY), c(ScrollH);
  ScrollX->setRange(0, editing_.scrollXMax);
  ScrollX->setValue(editing_.scrollX);
  ScrollY->setRange(0, editing_.scrollYMax);
  ScrollY->setValue(editing_.scrollY);
  ScrollH->setValue(editing_.scrollH);
  filling_ = false;
}

void TEditForm::RefreshAll() {
  RefreshThings();
  RefreshCritters();
  RefreshTriggers();
  RefreshBoxes();
  PlanPic->update();
}

void TEditForm::RefreshThings() {
  QSignalBlocker block(ThingList);
  shownThings_ = editing_.ThingsInCell();
  ThingList->clear();
  int chosen = -1;
  for (size_t k = 0; k < shownThings_.size(); ++k) {
    const TStaticBound* t = shownThings_[k];
    auto* item = new QListWidgetItem(Q(editing_.ThingText(t)), ThingList);
    SetThumbnailItem(item, editing_.world().PictureIndex(t->pic), t->frame, item->text());
    if (shownThings_[k] == editing_.thing) chosen = static_cast<int>(k);
  }
  ThingList->setCurrentRow(chosen);
  ThingChangeButton->setEnabled(editing_.thing != nullptr);
  ThingDelButton->setEnabled(editing_.thing != nullptr);
  filling_ = true;
  FixCheck->setChecked(editing_.FixedAt(editing_.cellX, editing_.cellY));
  filling_ = false;
}

void TEditForm::RefreshCritters() {
  QSignalBlocker a(CritterUsedList), b(TriggerOfBox);
  std::vector<std::string> names = CritterNames(editing_.world());
  const int keepOf = TriggerOfBox->currentIndex();
  CritterUsedList->clear();
  TriggerOfBox->clear();
  for (const std::string& n : names) {
    CritterUsedList->addItem(Q(n));
    TriggerOfBox->addItem(Q(n));
  }
  CritterUsedList->setCurrentRow(editing_.critter);
  TriggerOfBox->setCurrentIndex(keepOf < static_cast<int>(names.size()) ? keepOf : -1);
  EnableCritterButtons();
}

void TEditForm::EnableCritterButtons() {
  const bool chosen = editing_.critter >= 0;
  for (QPushButton* b : {CritterChangeButton, CritterDelButton, RotateLeft4Button, RotateLeftButton, RotateRightButton,
                         RotateRight4Button, BrainButton, EnergyButton, RandomButton, SmellButton})
    b->setEnabled(chosen);
}

void TEditForm::RefreshTriggers() {
  QSignalBlocker block(TriggerListBox);
  TriggerListBox->clear();
  for (const TTrigger& t : editing_.world().triggers) TriggerListBox->addItem(Q(editing_.TriggerText(t)));
  TriggerListBox->setCurrentRow(editing_.trigger);
}

void TEditForm::RefreshBoxes() {
  const EditorBoxes& b = editing_.boxes;
  ThingXBox->setText(Q(b.thingX));
  ThingYBox->setText(Q(b.thingY));
  ThingZBox->setText(Q(b.thingZ));
  CritterXBox->setText(Q(b.critterX));
  CritterYBox->setText(Q(b.critterY));
  CritterZBox->setText(Q(b.critterZ));
  if (editing_.critter >= 0) {
    CritterNameBox->setText(Q(b.critterName));
    QSignalBlocker block(CritterTypeBox);
    CritterTypeBox->setCurrentIndex(b.critterType);
    RotationLabel->setText(Q(b.rotation));
  }
}

// ---- the plan --------------------------------------------------------------------------------

void TEditForm::PlanPicMouseUp(int mx, int my) {
  int x, y;
  editing_.CellAtMouse(PlanPic->width(), PlanPic->height(), mx, my, x, y);
  ChooseCell(x, y);
}

void TEditForm::ChooseCell(int x, int y) {
  if (!editing_.ChooseCell(x, y)) return;
  RefreshThings();
  RefreshBoxes();
  PlanPic->update();
}

void TEditForm::HeightClick(bool up) {
  if (up) editing_.RaiseCell();
  else editing_.LowerCell();
  RefreshThings();
  PlanPic->update();
}

void TEditForm::XZClick() {
  editing_.ToggleElevation();
  ScrollH->setVisible(editing_.elevation);
  ShowViewButton();
  if (editing_.elevation) editing_.ScrollRow(ScrollY->value());
  RefreshThings();
  RefreshBoxes();
  PlanPic->update();
}

void TEditForm::ScrollChanged() {
  if (filling_) return;
  editing_.scrollX = ScrollX->value();
  editing_.scrollH = ScrollH->value();
  if (editing_.elevation) {
    editing_.ScrollRow(ScrollY->value());
    RefreshThings();
    RefreshBoxes();
  } else {
    editing_.scrollY = ScrollY->value();
  }
  PlanPic->update();
}

void TEditForm::Update() {
  if (!isVisible()) return;
  if (editing_.update == EditorUpdate::Keep) PlanPic->PaintOver();
  else if (editing_.update == EditorUpdate::Clear) PlanPic->update();
}

// ---- scenery --------------------------------------------------------------------------------

void TEditForm::FillPicList() {
  QSignalBlocker block(PicList);
  PicList->clear();
  if (editing_.pictureChoice < 0) return;
  const CatalogueEntry& e = editing_.catalogue[static_cast<size_t>(editing_.pictureChoice)];
  for (int f = 0; f < e.frames; ++f) {
    auto* item = new QListWidgetItem(Q(e.name) + QString::number(f), PicList);
    SetThumbnailItem(item, e.picture, f, QString::number(f));
  }
}

void TEditForm::CmpListClick() {
  editing_.ChoosePicture(CmpList->currentRow());
  FillPicList();
}

void TEditForm::PicListClick() { editing_.ChooseFrame(PicList->currentRow()); }

void TEditForm::ThingListClick() {
  const int row = ThingList->currentRow();
  if (row < 0 || row >= static_cast<int>(shownThings_.size())) return;
  editing_.ChooseThing(shownThings_[static_cast<size_t>(row)]);
  RefreshThings();
  RefreshBoxes();
  PlanPic->update();
}

void TEditForm::ThingAddClick() {
  if (editing_.AddThing(Text(ThingXBox), Text(ThingYBox), Text(ThingZBox))) RefreshAll();
}

void TEditForm::ThingChangeClick() {
  if (editing_.ChangeThing(Text(ThingXBox), Text(ThingYBox), Text(ThingZBox))) RefreshAll();
}

void TEditForm::ThingDelClick() {
  if (editing_.DeleteThing()) RefreshAll();
}

// ---- critters -------------------------------------------------------------------------------

void TEditForm::CritterAddClick() {
  if (!editing_.AddCritter(CritterTypeBox->currentIndex(), Text(CritterNameBox), Text(CritterXBox), Text(CritterYBox),
                           Text(CritterZBox))) {
    if (CritterTypeBox->currentIndex() >= 0) CritterNameBox->setFocus();
    return;
  }
  RefreshAll();
}

void TEditForm::CritterChangeClick() {
  if (editing_.ChangeCritter(Text(CritterNameBox), Text(CritterXBox), Text(CritterYBox), Text(CritterZBox))) RefreshAll();
  else CritterNameBox->setFocus();
}

void TEditForm::CritterDelClick() {
  if (editing_.DeleteCritter()) RefreshAll();
}

void TEditForm::CritterUsedListClick() {
  editing_.ChooseCritter(CritterUsedList->currentRow());
  RefreshAll();
}

void TEditForm::CritterMoveClick(bool up) {
  if (up ? editing_.MoveCritterUp() : editing_.MoveCritterDown()) RefreshAll();
}

void TEditForm::RotateClick(int step) {
  if (editing_.RotateCritter(step)) RefreshBoxes();
  PlanPic->update();
}

void TEditForm::BrainClick() {
  TCritter* c = editing_.CritterForProperties();
  if (!c) return;
  TEdBrainDlg dialog(this, host_, Help(EditorHelp::Brain), c->typeInputs, c->enabledInputs, c->typeOutputs,
                     c->enabledOutputs);
  dialog.SetMode(c->brainMode);
  const std::string name = editing_.brains() && c->brainMode != 0 ? editing_.brains()->BrainName(c->brainNumber) : "";
  if (c->brainMode == 1) dialog.NameBox->setText(Q(name));
  if (c->brainMode == 2) dialog.FileBox->setText(Q(name));
  if (dialog.exec() != QDialog::Accepted) return;
  const int mode = dialog.Mode();
  editing_.ApplyBrain(*c, mode, Text(mode == 2 ? dialog.FileBox : dialog.NameBox), dialog.Ticked(dialog.InputList),
                      dialog.Ticked(dialog.OutputList));
}

void TEditForm::EnergyClick() {
  TCritter* c = editing_.CritterForProperties();
  if (!c) return;
  TEdEnergyDlg dialog(this, host_, Help(EditorHelp::Energy));
  dialog.StartBox->setText(QString::number(c->startEnergy, 'f', 2));
  dialog.LossBox->setText(QString::number(c->energyLoss, 'f', 2));
  if (dialog.exec() == QDialog::Accepted) editing_.ApplyEnergy(*c, dialog.start, dialog.loss);
}

void TEditForm::RandomClick() {
  TCritter* c = editing_.CritterForProperties();
  if (!c) return;
  TEdDeadDlg dialog(this, host_, Help(EditorHelp::Randomize), c->placements);
  if (dialog.exec() == QDialog::Accepted) editing_.ApplyPlacements(*c, dialog.rules);
}

void TEditForm::SmellClick() {
  TCritter* c = editing_.CritterForProperties();
  if (!c) return;
  std::vector<std::string> names = SmellTypeNames(editing_.progress);
  TEdSmellDlg dialog(this, host_, Help(EditorHelp::Smell), names);
  const int count = static_cast<int>(names.size());
  dialog.SmellType1Box->setCurrentIndex(c->smellType1 >= 0 && c->smellType1 < count ? c->smellType1 : -1);
  dialog.SmellType2Box->setCurrentIndex(c->smellType2 >= 0 && c->smellType2 < count ? c->smellType2 : -1);
  if (dialog.exec() != QDialog::Accepted) return;
  editing_.ApplySmell(*c, std::max(0, dialog.SmellType1Box->currentIndex()),
                      std::max(0, dialog.SmellType2Box->currentIndex()));
}

// ---- the world's properties -------------------------------------------------------------

void TEditForm::TestClick() {
  TWorld& world = editing_.world();
  TEdTestDlg dialog(this, host_, Help(EditorHelp::Test), CritterNames(world));
  int kind = 0, time = 0, energy = 0;
  if (editing_.testHolder()) editing_.testHolder()->GetTest(kind, time, energy);
  if (dialog.TestGroup->button(kind)) dialog.TestGroup->button(kind)->setChecked(true);
  dialog.TestList->setCurrentRow(world.testCritter);
  dialog.FollowList->setCurrentRow(world.loadedFollow);
  dialog.TimeBox->setText(QString::number(time));
  dialog.EnergyBox->setText(QString::number(energy));
  if (dialog.exec() != QDialog::Accepted) return;
  editing_.ApplyTest(dialog.TestList->currentRow(), dialog.FollowList->currentRow(), dialog.TestGroup->checkedId(),
                     TestBoxNumber(Text(dialog.TimeBox)), TestBoxNumber(Text(dialog.EnergyBox)));
}

void TEditForm::DescriptionClick() {
  TEdDescDlg dialog(this, host_, Help(EditorHelp::Description));
  dialog.DescBox->setPlainText(Q(editing_.DescriptionForDialog()));
  if (dialog.exec() == QDialog::Accepted) editing_.ApplyDescription(dialog.DescBox->toPlainText().toStdString());
}

// ---- triggers -------------------------------------------------------------------------------

TriggerBoxes TEditForm::TriggerFields() const {
  TriggerBoxes b;
  b.newX = Text(NewXBox), b.newY = Text(NewYBox);
  for (size_t k = 0; k < 4; ++k) b.cornerX[k] = Text(CornerXBox[k]), b.cornerY[k] = Text(CornerYBox[k]);
  b.zMin = Text(ZminBox), b.zMax = Text(ZmaxBox);
  return b;
}

void TEditForm::TriggerAddClick() {
  if (editing_.AddTrigger(TriggerOfBox->currentIndex(), TriggerByBox->currentIndex(), TriggerFields())) RefreshAll();
}

void TEditForm::TriggerChangeClick() {
  if (editing_.ChangeTrigger(TriggerOfBox->currentIndex(), TriggerByBox->currentIndex(), TriggerFields())) RefreshAll();
}

void TEditForm::TriggerDelClick() {
  if (editing_.DeleteTrigger()) RefreshAll();
}

void TEditForm::TriggerListClick() {
  editing_.ChooseTrigger(TriggerListBox->currentRow());
  if (editing_.trigger >= 0) {
    const TTrigger& t = editing_.world().triggers[static_cast<size_t>(editing_.trigger)];
    TriggerBoxes b = editing_.BoxesOf(t);
    NewXBox->setText(Q(b.newX));
    NewYBox->setText(Q(b.newY));
    for (size_t k = 0; k < 4; ++k) CornerXBox[k]->setText(Q(b.cornerX[k])), CornerYBox[k]->setText(Q(b.cornerY[k]));
    ZminBox->setText(Q(b.zMin));
    ZmaxBox->setText(Q(b.zMax));
    QSignalBlocker a(TriggerOfBox), c(TriggerByBox);
    TriggerOfBox->setCurrentIndex(t.target);
    TriggerByBox->setCurrentIndex(t.byType - 1 < TriggerByBox->count() ? t.byType - 1 : -1);
  }
  PlanPic->update();
}

// ---- saving ---------------------------------------------------------------------------------

bool TEditForm::SaveChanges() { return editing_.SaveChanges(); }
void TEditForm::SaveClick() { editing_.SaveChanges(); }
void TEditForm::SaveAsClick() { editing_.SaveAs(); }
