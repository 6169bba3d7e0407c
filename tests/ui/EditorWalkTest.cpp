// A learner's walk through the workshop with the mouse: New, Edit, edits on the plan and
// in the tabs, Save, Run, the next page and back. Nothing made is lost, the editor leaves
// the notebook's Run and Test in view, and (with QUORBIT_SHOTS set) the screen is saved
// as PNG at each step; under Xvfb the whole screen is taken.
#include <gtest/gtest.h>

#include <QDir>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>

#include "platform/Files.h"
#include "shell/ui/MainForm.h"
#include "shell/ui/MainWiring.h"
#include "shell/ui/Manual.h"
#include "shell/ui/ShellDialogs.h"
#include "support/Fakes.h"
#include "ui/WorkshopFolder.h"
#include "world/ui/EdDialogs.h"
#include "world/ui/Testwnd.h"

namespace {
void Shot(QWidget* w, const char* name) {
  const char* dir = std::getenv("QUORBIT_SHOTS");
  if (!dir) return;
  QPixmap picture = QGuiApplication::platformName() == "xcb" && w->screen() ? w->screen()->grabWindow(0) : w->grab();
  picture.save(QString(dir) + "/walk-" + name + ".png");
}

// The global rectangle a control covers.
QRect OnScreen(QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); }

// The main window's controls, found as a learner finds them: by caption or hint.
QWidget* Control(QWidget& main, const QString& text) {
  for (QPushButton* b : main.findChildren<QPushButton*>())
    if (b->text() == text) return b;
  for (QWidget* w : main.findChildren<QWidget*>())
    if (w->toolTip() == text) return w;
  return nullptr;
}

// A left click in the middle of a control, as the mouse gives it.
void Click(QWidget* w, QPoint at = QPoint(-1, -1)) {
  QTest::mouseClick(w, Qt::LeftButton, {}, at.x() < 0 ? w->rect().center() : at);
  QTest::qWait(10);
}
}  // namespace

TEST(EditorWalk, NewEditMouseEditsSaveRunNextPageAndBackLoseNothing) {
  WorkshopFolder folder;
  {
    FakeHost fakes;
    TMainForm main(fakes.host(), folder.program());
    ASSERT_TRUE(main.startedOk());
    QWidget* newButton = Control(main, "New");
    QWidget* editButton = Control(main, "Edit");
    QWidget* runButton = Control(main, "Run world");
    QWidget* testButton = Control(main, "Start test");
    ASSERT_TRUE(newButton && editButton && runButton && testButton);
    main.shell().Progress = 405;
    TBrainForm brains(fakes.host(), 7);
    ProgramWiring wiring(main, brains);
    main.show();
    main.ShowTitle(false);
    main.ShowRoom(Room::Workshop, true);
    Progression& book = main.progression();
    book.ShowBook(3);
    book.ShowPage(1);
    QTest::qWait(50);

    // New: the dialog filled as a learner types.
    QTimer::singleShot(100, &main, [] {
      auto* d = qobject_cast<TNewWorldDlg*>(QApplication::activeModalWidget());
      ASSERT_NE(d, nullptr);
      d->NameBox->setText("Garden");
      d->WidthBox->setText("16");
      d->LengthBox->setText("14");
      d->accept();
    });
    Click(newButton);
    ASSERT_EQ(book.worldList(), std::vector<std::string>{"Garden"});
    ASSERT_EQ(main.shell().CurrentPage, 2);
    ASSERT_TRUE(editButton->isVisible());
    // A second world, so the book has a page after this one.
    ASSERT_TRUE(main.newWorld("Pond", 12, 12));
    book.AddWorld("Pond");
    Shot(&main, "1-new");

    // Edit: the editor opens beside the notebook; its Run and Test stay in view.
    Click(editButton);
    TEditForm* form = wiring.editor.form();
    ASSERT_NE(form, nullptr);
    ASSERT_TRUE(form->isVisible());
    QTest::qWait(100);
    const QRect editor = form->frameGeometry();
    EXPECT_FALSE(editor.intersects(OnScreen(runButton))) << "the editor covers Run";
    EXPECT_FALSE(editor.intersects(OnScreen(testButton))) << "the editor covers Test";
    Shot(form, "2-edit");

    // Mouse edits: a square clicked inside near its far corner, raised twice.
    TWorldEditing& ed = form->editing();
    int ox, oy;
    ed.PlanOrigin(form->PlanPic->width(), form->PlanPic->height(), ox, oy);
    const int s = ed.zoom;
    Click(form->PlanPic, QPoint(ox - 8 * s - (s - 3), 7 * s - oy + (s - 3)));
    ASSERT_EQ(ed.cellX, 8);
    ASSERT_EQ(ed.cellY, 7);
    Click(form->UpButton);
    Click(form->UpButton);
    EXPECT_NEAR(ed.HeightAt(8, 7), ed.HeightAt(2, 2) + 0.4f, 0.21f);
    // A stone from the scenery lists, placed in the chosen square.
    form->CmpList->setCurrentRow(0);
    form->PicList->setCurrentRow(0);
    form->ThingXBox->setText("8.5");
    form->ThingYBox->setText("7.5");
    form->ThingZBox->setText("0.6");
    Click(form->ThingAddButton);
    ASSERT_EQ(form->ThingList->count(), 1);
    QTest::qWait(20);
    Shot(form, "3-scenery");
    // A ladybug and an aphid on the Critters tab.
    form->PageControl->setCurrentIndex(1);
    QTest::qWait(10);
    form->CritterTypeBox->setCurrentIndex(0);
    form->CritterNameBox->setText("Dotty");
    form->CritterXBox->setText("4.5");
    form->CritterYBox->setText("5.5");
    Click(form->CritterAddButton);
    form->CritterTypeBox->setCurrentIndex(1);
    form->CritterNameBox->setText("Aphid1");
    form->CritterXBox->setText("6.5");
    Click(form->CritterAddButton);
    ASSERT_EQ(form->CritterUsedList->count(), 2);
    Click(form->RotateRight4Button);
    EXPECT_TRUE(form->HasChanges());
    Shot(form, "3-edits");

    // Save.
    Click(form->SaveButton);
    EXPECT_FALSE(form->HasChanges());
    const std::string saved = *ReadFileText("worlds/Garden.wld");
    EXPECT_NE(saved.find("Dotty"), std::string::npos);
    EXPECT_NE(saved.find("Aphid1"), std::string::npos);

    // Run: the world moves while the notebook is open.
    Click(runButton);
    EXPECT_TRUE(main.shell().Running);
    QTest::qWait(300);
    Shot(&main, "4-run");

    // The next page asks nothing (all is saved) and hides the editor; back again, the
    // world comes from its file with everything made.
    fakes.messages.asked.clear();
    book.NextPage();
    EXPECT_EQ(main.shell().CurrentPage, 3);
    EXPECT_TRUE(fakes.messages.asked.empty());
    EXPECT_FALSE(form->isVisible());
    Shot(&main, "5-next");
    book.PreviousPage();  // the list of worlds
    const auto& names = book.worldList();
    const auto garden = std::find(names.begin(), names.end(), "Garden");
    ASSERT_NE(garden, names.end());
    book.ShowWorldPage(static_cast<int>(garden - names.begin()));
    TWorld& world = main.testWorld()->world();
    ASSERT_EQ(world.critters.size(), 2u);
    EXPECT_EQ(world.critters[0]->name, "Dotty");
    EXPECT_EQ(world.critters[1]->name, "Aphid1");
    EXPECT_NEAR(world.CellAt(8, 7)->tile->z, 0.4f + world.CellAt(2, 2)->tile->z, 0.21f);
    Click(editButton);
    ASSERT_EQ(wiring.editor.form(), form);
    ed.ChooseCell(8, 7);
    EXPECT_EQ(ed.ThingsInCell().size(), 1u);
    EXPECT_FALSE(form->HasChanges());
    QTest::qWait(50);
    Shot(form, "6-back");

    // Help opens the manual's editor page, which leads to the page naming the buttons.
    THelpForm manual(fakes.host(), [&main] { return main.shell().Progress; });
    std::vector<int> pages;
    main.showManual = [&](int page) {
      pages.push_back(page);
      manual.ShowManualPage(page);
    };
    Click(form->HelpButton);
    EXPECT_EQ(pages, std::vector<int>{EditorHelp::Editor});
    EXPECT_TRUE(manual.isVisible());
    manual.ShowManualPage(133);
    QTest::qWait(50);
    Shot(&manual, "7-manual-buttons");
    manual.hide();
    main.showManual = nullptr;

    main.timer().stop();
    EndWithoutTheBrainWindow(main);
  }
}
