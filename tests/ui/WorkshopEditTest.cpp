// The workshop end to end: a new world is opened in the editor from its notebook page,
// filled, saved, loaded again by the notebook and run with a ladybug brain until its
// test passes. With QUORBIT_SHOTS set, the editor and world windows are saved as PNG.
#include <gtest/gtest.h>

#include <QDir>
#include <QTest>
#include <cstdlib>
#include <filesystem>

#include "platform/Files.h"
#include "shell/TestRunner.h"
#include "shell/ui/MainForm.h"
#include "shell/ui/MainWiring.h"
#include "support/Fakes.h"
#include "ui/WorkshopFolder.h"
#include "world/ui/Testwnd.h"

namespace {
void Shot(QWidget* w, const char* name) {
  if (const char* dir = std::getenv("QUORBIT_SHOTS")) w->grab().save(QString(dir) + "/" + name + ".png");
}
}  // namespace

TEST(Workshop, AWorldMadeInTheEditorIsSavedLoadedAndPassesItsTest) {
  WorkshopFolder folder;
  {
    FakeHost fakes;
    TMainForm main(fakes.host(), folder.program());
    ASSERT_TRUE(main.startedOk());
    main.shell().Progress = 405;
    TBrainForm brains(fakes.host(), 7);
    ProgramWiring wiring(main, brains);
    main.show();
    main.ShowTitle(false);
    main.ShowRoom(Room::Workshop, true);
    Progression& book = main.progression();
    book.ShowBook(3);
    book.ShowPage(1);
    ASSERT_TRUE(main.newWorld("Garden", 20, 20));
    book.AddWorld("Garden");
    book.ShowPage(2);
    ASSERT_EQ(main.shell().WorldId, 1002);
    main.openEditor();  // the page's "Edit"
    TEditForm* form = wiring.editor.form();
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(form->isVisible());
    TWorldEditing& ed = form->editing();

    ed.ChooseCell(12, 14);
    ed.RaiseCell();
    ed.RaiseCell();
    ed.ChooseCell(14, 4);
    ed.ChoosePicture(0);
    ed.ChooseFrame(1);
    ASSERT_TRUE(ed.AddThing("14.5", "4.5", "0"));
    ASSERT_TRUE(ed.AddCritter(ed.TypeIndex("LadyBug"), "Dotty", "3.5", "5.5", "0.1"));
    TCritter* bug = ed.CritterForProperties();
    ASSERT_NE(bug, nullptr);
    ed.ApplyBrain(*bug, 1, "LadyBug", bug->typeInputs, bug->typeOutputs);
    ed.ApplyEnergy(*bug, 40, 0.01f);
    ASSERT_TRUE(ed.AddCritter(ed.TypeIndex("Aphid"), "Aphid1", "6.5", "5.5", "0.1"));
    ed.ApplySmell(*bug, 2, 0);
    ed.ApplyTest(0, 0, 1, 100, 50);
    ed.ApplyDescription("Walk to the aphid ahead.");
    TriggerBoxes zone;
    zone.cornerX = {"8", "10", "10", "8"};
    zone.cornerY = {"8", "8", "10", "10"};
    zone.zMax = "2";
    ASSERT_TRUE(ed.AddTrigger(0, 1, zone));
    form->OpenEditor(405);  // the lists as a fresh "Edit" shows them
    form->DispHeightCheck->setChecked(true);
    form->ChooseCell(12, 14);
    QTest::qWait(50);
    Shot(form, "editor-plan");
    form->XZClick();
    QTest::qWait(20);
    Shot(form, "editor-elevation");
    form->XZClick();
    form->PageControl->setCurrentIndex(1);
    form->CritterUsedList->setCurrentRow(0);
    QTest::qWait(20);
    Shot(form, "editor-critters");
    form->PageControl->setCurrentIndex(2);
    form->TriggerListBox->setCurrentRow(0);
    QTest::qWait(20);
    Shot(form, "editor-triggers");
    form->PageControl->setCurrentIndex(0);
    form->CmpList->setCurrentRow(1);
    QTest::qWait(20);
    Shot(form, "editor-scenery");
    EXPECT_TRUE(form->HasChanges());  // opening again keeps the edits unsaved
    form->SaveClick();
    EXPECT_FALSE(form->HasChanges());

    // The notebook loads the saved file again; the page change hides the editor.
    book.ShowBook(0);
    EXPECT_FALSE(form->isVisible());
    book.ShowBook(3);
    book.ShowPage(1);
    book.ShowPage(2);
    TWorld& world = main.testWorld()->world();
    ASSERT_EQ(world.critters.size(), 2u);
    EXPECT_EQ(world.critters[0]->name, "Dotty");
    EXPECT_EQ(world.triggers.size(), 1u);
    EXPECT_EQ(main.shell().TestType, 1);
    bool loaded = false;
    for (const BrainEntry& e : brains.collection().Brains())
      if (e.name == "LadyBug") {
        e.board->LoadBrain(*ReadFileBytes("testbrain/w201.brn"));
        loaded = true;
      }
    ASSERT_TRUE(loaded);
    main.testWorld()->show();
    main.testWorld()->world().Step(0, false, false);
    QTest::qWait(50);
    Shot(main.testWorld(), "world-built");
    main.timer().stop();
    TestOutcome out = RunShellTest(main.shell(), world, 2000);
    EXPECT_TRUE(out.ended);
    EXPECT_TRUE(out.passed) << out.message;
    EndWithoutTheBrainWindow(main);
  }
}
