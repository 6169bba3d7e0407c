// The editor window and its dialogs, offscreen, on a world read in the data folder.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFocusEvent>
#include <QTest>

#include "shell/ui/Editor.h"
#include "world/EditingFixture.h"
#include "world/ui/EdDialogs.h"

namespace {
class EditorWindow : public EditingTest {
 protected:
  EditorWindow() {
    Load(FlatWorld(12, 10));
    form = std::make_unique<TEditForm>(world, fake.host(), &brains, &test, [this](int page) { pages.push_back(page); });
    form->OpenEditor(405);
    form->show();
    QTest::qWait(20);
  }
  std::vector<int> pages;
  std::unique_ptr<TEditForm> form;
};
}  // namespace

TEST_F(EditorWindow, OpensWithItsCaptionSizeAndTheTypesOfTheUsersProgress) {
  EXPECT_EQ(form->windowTitle(), "World Editor");
  EXPECT_EQ(form->width(), TEditForm::PanelWidth + 480);
  EXPECT_EQ(form->PageControl->tabText(0), "World");
  EXPECT_EQ(form->PageControl->tabText(2), "Triggers");
  ASSERT_EQ(form->CritterTypeBox->count(), 3);
  EXPECT_EQ(form->CritterTypeBox->itemText(2), "Ball");
  EXPECT_EQ(form->TriggerByBox->count(), 3);
  EXPECT_EQ(form->CmpList->count(), 4);
  EXPECT_FALSE(form->CritterChangeButton->isEnabled());
  EXPECT_FALSE(form->BrainButton->isEnabled());
  EXPECT_EQ(form->ThingZBox->text(), "0.1");
  EXPECT_FALSE(form->ScrollH->isVisible());
  form->HelpButton->click();
  EXPECT_EQ(pages, std::vector<int>{EditorHelp::Editor});
}

TEST_F(EditorWindow, AClickOnThePlanChoosesTheSquareItLandsIn) {
  int ox, oy;
  const int W = form->PlanPic->width(), H = form->PlanPic->height();
  form->editing().PlanOrigin(W, H, ox, oy);
  // Near the square's far corner, closer to the grid point of (4, 5).
  QTest::mouseClick(form->PlanPic, Qt::LeftButton, {}, QPoint(ox - 3 * 20 - 17, 4 * 20 - oy + 17));
  EXPECT_EQ(form->editing().cellX, 3);
  EXPECT_EQ(form->editing().cellY, 4);
  EXPECT_EQ(form->CritterXBox->text(), "3.00");
  EXPECT_EQ(form->ThingYBox->text(), "4.00");
  form->XZButton->click();
  EXPECT_TRUE(form->ScrollH->isVisible());
  EXPECT_EQ(form->ScrollH->value(), 50);
}

TEST_F(EditorWindow, ACritterAddedThroughTheBoxesIsListedAndChosen) {
  form->PageControl->setCurrentIndex(1);
  form->CritterTypeBox->setCurrentIndex(0);
  form->CritterNameBox->setText("Lucy");
  form->CritterXBox->setText("4.5");
  form->CritterYBox->setText("5.5");
  form->CritterAddButton->click();
  ASSERT_EQ(form->CritterUsedList->count(), 1);
  EXPECT_EQ(form->CritterUsedList->item(0)->text(), "Lucy");
  EXPECT_EQ(form->TriggerOfBox->count(), 1);
  EXPECT_TRUE(form->CritterChangeButton->isEnabled());
  form->RotateRight4Button->click();
  EXPECT_EQ(form->RotationLabel->text(), "Rotation: 6");
  form->CritterNameBox->setText("Lucy 2");
  form->CritterChangeButton->click();
  EXPECT_EQ(fake.messages.shown.back(),
            (ShownMessage{"Please use only letters and numbers in name (no spaces)", "Change Critter Error"}));
  // Changing tabs lets go of the chosen critter.
  form->PageControl->setCurrentIndex(2);
  EXPECT_EQ(form->editing().critter, -1);
  EXPECT_FALSE(form->CritterChangeButton->isEnabled());
}

TEST_F(EditorWindow, ClosingWithChangesAsksAndCancelKeepsTheWindow) {
  form->UpButton->click();
  ASSERT_TRUE(form->HasChanges());
  fake.messages.answers = {Answer::Cancel};
  EXPECT_FALSE(form->close());
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(fake.messages.asked.back(), (ShownMessage{"Do you want to save the changes?", "World Changed"}));
  bool closed = false;
  form->onClosed = [&closed] { closed = true; };
  // Yes with a save that fails (no file, the chooser cancelled) keeps the window too.
  fake.messages.answers = {Answer::Yes};
  EXPECT_FALSE(form->close());
  EXPECT_TRUE(form->HasChanges());
  // No: the turned-down changes are reported, so the world they live in can go.
  bool dropped = false;
  form->onChangesDropped = [&dropped] { dropped = true; };
  fake.messages.answers = {Answer::No};
  EXPECT_TRUE(form->close());
  EXPECT_TRUE(closed);
  EXPECT_TRUE(dropped);
  EXPECT_FALSE(form->HasChanges());
}

TEST(EditorDialogs, TheTestDialogStaysOpenUntilItsChecksHold) {
  FakeHost fake;
  std::vector<int> pages;
  TEdTestDlg dialog(nullptr, fake.host(), [&pages] { pages.push_back(EditorHelp::Test); }, {"Lucy", "Ann"});
  EXPECT_EQ(dialog.windowTitle(), "Test Conditions");
  EXPECT_EQ(dialog.TestGroup->button(3)->text(), "Timed  / Show time");
  dialog.TestGroup->button(1)->setChecked(true);
  dialog.OKBtn->click();
  EXPECT_FALSE(dialog.closeAllowed);
  EXPECT_EQ(fake.messages.shown.back(), (ShownMessage{"Please choose a test critter", "Test Conditions"}));
  dialog.TestList->setCurrentRow(0);
  dialog.TimeBox->setText("60");
  dialog.EnergyBox->setText("50");
  dialog.OKBtn->click();
  EXPECT_TRUE(dialog.closeAllowed);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  dialog.HelpBtn->click();
  EXPECT_EQ(pages, std::vector<int>{EditorHelp::Test});
}

TEST(EditorDialogs, TheBrainDialogChoosesItsModeByTheBoxEnteredAndChecksNames) {
  FakeHost fake;
  TChannelFlags in, inUsed, out, outUsed;
  in[14] = in[15] = true;
  inUsed[15] = true;
  out[0] = true;
  TEdBrainDlg dialog(nullptr, fake.host(), nullptr, in, inUsed, out, outUsed);
  EXPECT_EQ(dialog.windowTitle(), "Critter Brain Type");
  EXPECT_EQ(dialog.InputList->count(), 2);
  EXPECT_EQ(dialog.Ticked(dialog.InputList), inUsed);
  EXPECT_EQ(dialog.Mode(), 0);
  QFocusEvent entered(QEvent::FocusIn);
  QApplication::sendEvent(dialog.InputList, &entered);
  EXPECT_EQ(dialog.Mode(), 1);
  QApplication::sendEvent(dialog.FileBox, &entered);
  EXPECT_EQ(dialog.Mode(), 2);
  QApplication::sendEvent(dialog.InputList, &entered);
  EXPECT_EQ(dialog.Mode(), 2);  // a list chooses the board only while "None" is chosen
  QApplication::sendEvent(dialog.NameBox, &entered);
  EXPECT_EQ(dialog.Mode(), 1);
  dialog.NameBox->setText("my brain");
  dialog.OKBtn->click();
  EXPECT_FALSE(dialog.closeAllowed);
  EXPECT_EQ(fake.messages.shown.back(),
            (ShownMessage{"Please use only letters and numbers in name (no spaces)", "Brain Properties"}));
}

TEST(EditorDialogs, TheRandomizeDialogEditsItsRuleList) {
  FakeHost fake;
  TEdDeadDlg dialog(nullptr, fake.host(), nullptr, {});
  dialog.CenterXBox->setText("3");
  dialog.CenterYBox->setText("4");
  dialog.RadiusBox->setText("2");
  dialog.MinZBox->setText("0");
  dialog.MaxZBox->setText("1");
  dialog.MinDirBox->setText("5");
  dialog.MaxDirBox->setText("2");
  dialog.OnResetCheck->setChecked(true);
  dialog.AddButton->click();
  ASSERT_EQ(dialog.rules.size(), 1u);
  EXPECT_EQ(dialog.RandomList->item(0)->text(), "3.00, 4.00, 2.00");
  EXPECT_EQ(dialog.rules[0].directionTo, 5);
  dialog.RadiusBox->setText("far");
  dialog.AddButton->click();
  EXPECT_EQ(dialog.rules.size(), 1u);
  EXPECT_EQ(fake.messages.shown.back(), (ShownMessage{"Please enter a number for Radius", "Randomize"}));
  dialog.RandomList->setCurrentRow(0);
  dialog.DeleteButton->click();
  EXPECT_TRUE(dialog.rules.empty());
  EXPECT_TRUE(dialog.CenterXBox->text().isEmpty());
}

TEST(EditorDialogs, TheDescriptionDialogRefusesALineTheWorldFileWouldEndOn) {
  FakeHost fake;
  TEdDescDlg dialog(nullptr, fake.host(), nullptr);
  dialog.DescBox->setPlainText("Find the aphid.\n[MAP]\nthen rest");
  dialog.OKBtn->click();
  EXPECT_FALSE(dialog.closeAllowed);
  EXPECT_EQ(fake.messages.shown.back(),
            (ShownMessage{"Please don't start a line of the description with [", "World Description"}));
  dialog.DescBox->setPlainText("Find the aphid.\n [MAP] is fine inside a line");
  dialog.OKBtn->click();
  EXPECT_TRUE(dialog.closeAllowed);
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}
