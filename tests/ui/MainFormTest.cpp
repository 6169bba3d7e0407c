#include <gtest/gtest.h>

#include <cstdlib>

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTest>

#include "platform/Files.h"
#include "shell/ui/MainForm.h"
#include "shell/ui/PictureBox.h"
#include "support/Fakes.h"

namespace {
struct InDataFolder {
  InDataFolder() : keep(QDir::currentPath()) { QDir::setCurrent(QUORBIT_TEST_DATA_DIR); }
  ~InDataFolder() { QDir::setCurrent(keep); }
  QString keep;
};
}  // namespace

TEST(MainForm, StartsTicksAndWritesTheSettingsOnQuit) {
  InDataFolder here;
  TempFolder exe;
  WriteFileAtomic(exe.file("quorbit.reg"), std::string("PageAccess=0\r\nmonitor=1\r\n"));
  FakeHost fakes;
  {
    TMainForm form(fakes.host(), QString::fromStdString(exe.path()));
    ASSERT_TRUE(form.startedOk());
    EXPECT_EQ(form.shell().Progress, 100);
    EXPECT_EQ(fakes.sound.count(FakeSound::Once), 4);  // each sound played and stopped once at load
    form.show();
    // The timer starts on the first paint; a busy machine may take a while to paint.
    for (int waited = 0; waited < 5000 && !form.timer().isActive(); waited += 50) QTest::qWait(50);
    EXPECT_TRUE(form.timer().isActive());
    EXPECT_EQ(form.windowTitle(), "Quorbit");
    EXPECT_EQ(form.size(), QSize(300, 400));
    fakes.messages.answers = {Answer::No};
    QCloseEvent refuse;
    QApplication::sendEvent(&form, &refuse);
    EXPECT_FALSE(refuse.isAccepted());
    EXPECT_EQ(fakes.messages.asked.back(), (ShownMessage{"Do you want to quit Quorbit?", "Confirm"}));
    form.shell().Progress = 104;
  }
  EXPECT_EQ(*ReadFileText(exe.file("quorbit.reg")), "PageAccess=104\r\nmonitor=1\r\nOpenBook=0\r\nOpenPage=0\r\n");
}

TEST(MainForm, AnErrorInATickStopsTheTimerAndIsReportedOnce) {
  InDataFolder here;
  TempFolder exe;
  FakeHost fakes;
  struct Throwing : IBrainWindow {
    void StepAll(bool) override { throw std::runtime_error("broken board"); }
    void ResetAll() override {}
  } throwing;
  TMainForm form(fakes.host(), QString::fromStdString(exe.path()));
  form.shell().brains = &throwing;
  form.timer().start();
  form.TimerTimer();
  EXPECT_FALSE(form.timer().isActive());
  ASSERT_EQ(fakes.messages.shown.size(), 1u);
  EXPECT_EQ(fakes.messages.shown[0].caption, "Program Error");
  EXPECT_NE(fakes.messages.shown[0].text.find("broken board"), std::string::npos);
  form.shell().brains = nullptr;
}

// Without the palette or the notebook the program cannot start: it says which is
// missing and ends.
TEST(MainForm, MissingPaletteOrNotebookIsFatal) {
  auto startIn = [](const TempFolder& exe) {
    QString keep = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(exe.path()));
    FakeHost fakes;
    {
      TMainForm form(fakes.host(), QString::fromStdString(exe.path()));
      EXPECT_FALSE(form.startedOk());
    }
    QDir::setCurrent(keep);
    return fakes.messages.shown.empty() ? ShownMessage{} : fakes.messages.shown.back();
  };
  TempFolder bare;
  EXPECT_EQ(startIn(bare), (ShownMessage{"Palette creation error", "Fatal Error"}));
  TempFolder paletteOnly;
  ASSERT_TRUE(QFile::copy(QUORBIT_TEST_DATA_DIR "/quorbit.pal", QString::fromStdString(paletteOnly.path() + "/quorbit.pal")));
  EXPECT_EQ(startIn(paletteOnly), (ShownMessage{"Couldn't read the notebook file RedBook.pgs", "Fatal Error"}));
}

TEST(MainForm, NotebookOpensOnlyOnAReleaseInsideAndRunNeedsTheBook) {
  InDataFolder here;
  TempFolder exe;
  FakeHost fakes;
  TMainForm form(fakes.host(), QString::fromStdString(exe.path()));
  form.show();
  form.ShowTitle(false);
  form.ShowRoom(Room::Lab, true);
  QWidget* notebook = form.childAt(150, 200);
  ASSERT_NE(notebook, nullptr);
  form.shell().RunWorld();
  EXPECT_FALSE(form.shell().Running);  // no book open yet
  QTest::mousePress(notebook, Qt::LeftButton, {}, QPoint(20, 20));
  QTest::mouseMove(notebook, QPoint(200, 20));
  QTest::mouseRelease(notebook, Qt::LeftButton, {}, QPoint(200, 20));
  EXPECT_EQ(form.shell().CurrentBook, 0);
  QTest::mousePress(notebook, Qt::LeftButton, {}, QPoint(20, 20));
  QTest::mouseRelease(notebook, Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_EQ(form.shell().CurrentBook, 1);
  EXPECT_TRUE(form.BookShown());
  form.shell().RunWorld();
  EXPECT_TRUE(form.shell().Running);
  // The next-page corner turns on a left click only: not on another button, not when
  // the press slips off the control before the release.
  QWidget* next = form.childAt(210, 90);
  ASSERT_NE(next, nullptr);
  const int page = form.shell().CurrentPage;
  QTest::mouseClick(next, Qt::RightButton, {}, QPoint(5, 5));
  QTest::mousePress(next, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseRelease(next, Qt::LeftButton, {}, QPoint(5, 200));
  EXPECT_EQ(form.shell().CurrentPage, page);
  QTest::mouseClick(next, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(form.shell().CurrentPage, page + 1);
  // A two-digit page number is shown whole ("13", not a clipped "l3").
  form.shell().Progress = 112;
  form.progression().ShowPage(12);
  QLabel* number = nullptr;
  for (QLabel* label : form.findChildren<QLabel*>())
    if (label->text() == "13" && label->isVisible()) number = label;
  ASSERT_NE(number, nullptr);
  EXPECT_LE(number->fontMetrics().horizontalAdvance("13"), number->contentsRect().width());
}

// However the manual is opened (the shelf, a dialog's Help button, the editor), the
// room's manual pictures stay away until it closes, also when the room is shown again.
TEST(MainForm, TheManualPicturesStayAwayWhileTheManualIsOpen) {
  InDataFolder here;
  TempFolder exe;
  FakeHost fakes;
  TMainForm form(fakes.host(), QString::fromStdString(exe.path()));
  std::vector<int> opened;
  form.showManual = [&](int page) { opened.push_back(page); };
  form.show();
  form.ShowTitle(false);
  form.ShowRoom(Room::Lab, true);
  PictureBox* manual = nullptr;
  for (PictureBox* box : form.findChildren<PictureBox*>())
    if (box->toolTip() == "Help manual") manual = box;
  ASSERT_NE(manual, nullptr);
  EXPECT_TRUE(manual->isVisible());
  form.OpenManual(12);
  EXPECT_EQ(opened, std::vector<int>{12});
  EXPECT_FALSE(manual->isVisible());
  form.ShowRoom(Room::Lab, false);
  form.ShowRoom(Room::Lab, true);
  EXPECT_FALSE(manual->isVisible());
  form.ManualClosed();
  EXPECT_TRUE(manual->isVisible());
}

TEST(MainForm, ScaledControlsAreHitWhereTheyAreDrawn) {
  InDataFolder here;
  TempFolder exe;
  FakeHost fakes;
  TMainForm form(fakes.host(), QString::fromStdString(exe.path()));
  form.show();
  for (int asked : {100, 150, 200}) {
    SCOPED_TRACE(asked);
    form.ScaleDisplay(asked);
    EXPECT_EQ(form.ScalePercent(), asked);
    // Once the windows are placed, a screen too small for the scale asked shows the largest it holds.
    const int percent = form.ShownScalePercent();
    EXPECT_LE(percent, asked);
    EXPECT_GE(percent, 100);
    EXPECT_EQ(form.size(), QSize(300 * percent / 100, 400 * percent / 100));
    EXPECT_FLOAT_EQ(form.shell().FontScale, percent / 100.0f);
    auto at = [percent](int x, int y) { return QPoint(x * percent / 100, y * percent / 100); };
    // The sign's lab entry (design 150, 174, 32 x 19) lights up under the pointer and enters the lab.
    QWidget* sign = form.childAt(at(160, 183));
    ASSERT_NE(sign, nullptr);
    QTest::mouseMove(sign, sign->mapFrom(&form, at(160, 183)));
    QWidget* lab = form.childAt(at(160, 183));
    ASSERT_NE(lab, sign);  // the highlight now lies over the sign
    QTest::mousePress(lab, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(form.ShownRoom(), Room::Lab);
    // The lab notebook (design 96, 170, 128 x 80) opens at its scaled place; the ladder-less
    // lab's door (design 11, 0, 36 x 126) closes the book and leaves the room.
    QWidget* notebook = form.childAt(at(150, 200));
    ASSERT_NE(notebook, nullptr);
    QTest::mouseClick(notebook, Qt::LeftButton, {}, notebook->mapFrom(&form, at(150, 200)));
    EXPECT_EQ(form.shell().CurrentBook, 1);
    QWidget* door = form.childAt(at(25, 30));
    ASSERT_NE(door, nullptr);
    QTest::mouseClick(door, Qt::LeftButton, {}, door->mapFrom(&form, at(25, 30)));
    EXPECT_EQ(form.shell().CurrentBook, 0);
    QTest::mouseClick(door, Qt::LeftButton, {}, door->mapFrom(&form, at(25, 30)));
    EXPECT_EQ(form.ShownRoom(), Room::None);
    // The title picture springs back to its scaled place after a press.
    QWidget* title = form.childAt(at(150, 70));
    ASSERT_NE(title, nullptr);
    const QRect before = title->geometry();
    QTest::mousePress(title, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(title, Qt::LeftButton, {}, QPoint(-5, -5));
    EXPECT_EQ(title->geometry(), before);
    EXPECT_EQ(before.width(), (52 + 196) * percent / 100 - 52 * percent / 100);  // both edges scaled
  }
  form.ScaleDisplay(100);
  EXPECT_EQ(form.size(), QSize(300, 400));
}

TEST(MainForm, RoomPicturesAreThereWhenARoomShowsAndLaterWindowsComeAfterThePaint) {
  InDataFolder here;
  TempFolder exe;
  FakeHost fakes;
  TMainForm form(fakes.host(), QString::fromStdString(exe.path()));
  int made = 0;
  form.afterFirstPaint = [&] {
    ++made;
    EXPECT_FALSE(form.timer().isActive());  // before the last session's book is opened again
  };
  // Shown before anything painted: the room's pictures are read on the spot.
  form.ShowTitle(false);
  form.ShowRoom(Room::Lab, true);
  int shown = 0;
  for (PictureBox* box : form.findChildren<PictureBox*>()) {
    if (!box->isVisibleTo(&form) || box->onPaint) continue;
    ++shown;
    EXPECT_FALSE(box->picture().isNull()) << box->geometry().x() << "," << box->geometry().y();
  }
  EXPECT_GT(shown, 2);
  form.show();
  for (int waited = 0; waited < 5000 && !form.timer().isActive(); waited += 50) QTest::qWait(50);
  EXPECT_TRUE(form.timer().isActive());
  EXPECT_EQ(made, 1);
}

// Pictures of notebook pages with two-digit numbers and their worlds, for a person to
// judge (QUORBIT_SCREENSHOTS set).
TEST(MainFormPictures, Screenshots) {
  const char* folder = std::getenv("QUORBIT_SCREENSHOTS");
  if (!folder) GTEST_SKIP() << "set QUORBIT_SCREENSHOTS to a folder";
  InDataFolder here;
  TempFolder exe;
  FakeHost fakes;
  TMainForm form(fakes.host(), QString::fromStdString(exe.path()));
  form.show();
  form.ShowTitle(false);
  form.shell().Progress = 599;
  const std::pair<int, int> pages[] = {{4, 12}, {4, 9}, {5, 8}};
  for (auto [bookNumber, page] : pages) {
    form.progression().ShowBook(bookNumber);
    form.progression().ShowPage(page);
    QTest::qWait(50);
    const std::string name = "notebook-" + std::to_string(bookNumber) + "-" + std::to_string(page + 1);
    form.grab().save(QString::fromStdString(std::string(folder) + "/" + name + ".png"));
  }
}
