#include <gtest/gtest.h>

#include <QDir>
#include <QTest>
#include <cstdlib>
#include <set>

#include "platform/BmpFile.h"
#include "platform/Files.h"
#include "shell/ui/Manual.h"
#include "support/Fakes.h"

namespace {
struct InFolder {
  explicit InFolder(const QString& folder) : keep(QDir::currentPath()) { QDir::setCurrent(folder); }
  ~InFolder() { QDir::setCurrent(keep); }
  QString keep;
};

// A folder holding a small manual of our own and one picture.
struct SmallManual {
  explicit SmallManual(const std::string& text) {
    QDir(QString::fromStdString(dir.path())).mkpath("manual");
    WriteFileAtomic(dir.file("manual/manual.pgs"), text);
    IndexedImage picture(40, 30, 15);
    WriteFileAtomic(dir.file("manual/pic.bmp"), EncodeBmp(picture));
  }
  TempFolder dir;
};

void Click(QWidget* w, QPoint at) { QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, at); }
void Paint(THelpForm& form) { (void)form.grab(); }

// Saves a picture of the window for a person to look at, when asked to.
void Shot(THelpForm& form, const char* name) {
  const char* folder = std::getenv("QUORBIT_SCREENSHOTS");
  if (folder) form.grab().save(QString(folder) + "/" + name + ".png");
}
}  // namespace

TEST(ManualWindow, HasItsLayoutAndStartsOnTheContents) {
  InFolder here(QUORBIT_TEST_DATA_DIR);
  FakeHost fakes;
  THelpForm form(fakes.host(), [] { return 100; });
  EXPECT_EQ(form.windowTitle(), "Manual");
  EXPECT_EQ(form.size(), QSize(320, 400));
  EXPECT_EQ(form.PagePanel->geometry(), QRect(41, 40, 251, 348));
  EXPECT_EQ(form.PageBox->geometry(), QRect(9, 0, 242, 341));
  EXPECT_EQ(form.RightPagePic->geometry(), QRect(292, 0, 25, 400));
  EXPECT_EQ(form.ContTabPic->toolTip(), "Contents page");
  EXPECT_EQ(form.WebButton->text(), "Go to Web Site");
  EXPECT_EQ(form.WebButton->geometry(), QRect(118, 326, 87, 25));
  EXPECT_FALSE(form.NextCursor.pixmap().isNull());  // the generated cursor pictures loaded
  EXPECT_FALSE(form.PrevCursor.pixmap().isNull());
  form.ShowManual();
  Paint(form);
  EXPECT_TRUE(form.WebButton->isVisible());
  EXPECT_EQ(form.pages().nextPage(), 10);
  EXPECT_TRUE(fakes.messages.shown.empty());
  Shot(form, "manual-contents");
}

TEST(ManualWindow, TabsEdgesAndLinksTurnThePages) {
  SmallManual m("<p 0>go <l 5>five<l><x 5><e><p 5>five<x 6><e><p 6>six<e><p 3000>hints<e><p 4000>index<e>");
  InFolder here(QString::fromStdString(m.dir.path()));
  FakeHost fakes;
  THelpForm form(fakes.host(), [] { return 0; });
  form.show();
  Paint(form);
  ASSERT_EQ(form.pages().links().size(), 1u);
  const ManualRect box = form.pages().links()[0].box;
  EXPECT_EQ(form.LeftPagePic->cursor().shape(), Qt::ArrowCursor);
  Click(form.PageBox, QPoint(box.left + 2, box.top + 2));
  EXPECT_EQ(form.pages().currentPage(), 5);
  EXPECT_EQ(form.LeftPagePic->cursor().shape(), form.PrevCursor.shape());  // something to go back to
  Paint(form);
  EXPECT_EQ(form.RightPagePic->cursor().shape(), form.NextCursor.shape());  // and a page to go on to
  Click(form.RightPagePic, QPoint(10, 200));
  EXPECT_EQ(form.pages().currentPage(), 6);
  Paint(form);
  EXPECT_EQ(form.RightPagePic->cursor().shape(), Qt::ArrowCursor);
  Click(form.RightPagePic, QPoint(10, 200));  // page 6 has no next page
  EXPECT_EQ(form.pages().currentPage(), 6);

  Click(form.HintTabPic, QPoint(10, 10));
  EXPECT_EQ(form.pages().currentPage(), 3000);
  EXPECT_EQ(form.HintTabPic->y(), 7);
  EXPECT_EQ(form.ContTabPic->y(), -1);
  Click(form.IndexTabPic, QPoint(10, 10));
  EXPECT_EQ(form.IndexTabPic->y(), 9);
  Click(form.ContTabPic, QPoint(10, 10));
  EXPECT_EQ(form.ContTabPic->y(), 7);

  for (int expected : {4000, 3000, 6, 5, 0}) {  // back through every page visited
    Click(form.LeftPagePic, QPoint(10, 200));
    EXPECT_EQ(form.pages().currentPage(), expected);
  }
  EXPECT_EQ(form.LeftPagePic->cursor().shape(), Qt::ArrowCursor);
  Click(form.LeftPagePic, QPoint(10, 200));
  EXPECT_EQ(form.pages().currentPage(), 0);
  form.ShowManualPage(190);  // a page the manual lacks leaves the window where it was
  EXPECT_EQ(form.pages().currentPage(), 0);
}

TEST(ManualWindow, PictureRegionsNameAndLeadToTheirPages) {
  SmallManual m("<p 0>\n<i pic.bmp><h left_half 0 0 20 30 7><d 0 40 100 20>text<e><p 7>seven<i gone.bmp><e>");
  InFolder here(QString::fromStdString(m.dir.path()));
  FakeHost fakes;
  THelpForm form(fakes.host(), [] { return 0; });
  form.show();
  Paint(form);
  ASSERT_TRUE(form.Image->isVisible());
  EXPECT_EQ(form.Image->size(), QSize(40, 30));
  EXPECT_EQ(form.Image->pos(), form.PageBox->pos() + QPoint(0, 15));
  ASSERT_TRUE(form.NameBox->isVisible());
  QTest::mouseMove(form.Image, QPoint(5, 5));
  EXPECT_EQ(form.NameBox->text(), "left half");
  QTest::mouseMove(form.Image, QPoint(30, 5));
  EXPECT_EQ(form.NameBox->text(), "");
  Click(form.Image, QPoint(30, 5));
  EXPECT_EQ(form.pages().currentPage(), 0);
  Click(form.Image, QPoint(5, 5));
  EXPECT_EQ(form.pages().currentPage(), 7);
  EXPECT_FALSE(form.Image->isVisible());
  EXPECT_FALSE(form.NameBox->isVisible());
  Paint(form);
  ASSERT_EQ(fakes.messages.shown.size(), 1u);  // the missing picture, reported once
  EXPECT_EQ(fakes.messages.shown[0].caption, "Manual");
  EXPECT_NE(fakes.messages.shown[0].text.find("manual\\gone.bmp"), std::string::npos);
  Paint(form);
  EXPECT_EQ(fakes.messages.shown.size(), 1u);
}

TEST(ManualWindow, WithoutItsFileShowsTheOnePageAndClosingOnlyHides) {
  TempFolder empty;
  InFolder here(QString::fromStdString(empty.path()));
  FakeHost fakes;
  THelpForm form(fakes.host(), [] { return 0; });
  int closed = 0;
  form.onClosed = [&] { ++closed; };
  QUrl opened;
  form.openUrl = [&](const QUrl& url) { opened = url; };
  form.ShowManual();
  Paint(form);
  EXPECT_EQ(form.pages().text(), ManualPages::MissingText);
  EXPECT_FALSE(form.pages().hasNextPage());
  form.WebButton->click();
  EXPECT_TRUE(opened.isLocalFile());
  EXPECT_TRUE(opened.toLocalFile().endsWith("manual/quorbit.html"));
  form.close();
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(closed, 1);
  form.ShowManual();
  EXPECT_TRUE(form.isVisible());
}

// The real manual: every page fits its page box, keeps clear of its picture, its name
// box and the web button, and every link and region leads to a page that exists.
TEST(ManualContent, EveryPageFitsAndEveryTargetExists) {
  InFolder here(QUORBIT_TEST_DATA_DIR);
  ManualPages pages = ManualPages::Load("manual/manual.pgs");
  ASSERT_NE(pages.text(), ManualPages::MissingText);
  std::set<int> numbers;
  for (const auto& e : pages.table()) EXPECT_TRUE(numbers.insert(e.number).second) << "page " << e.number << " twice";
  for (int needed : {0, 3000, 4000, 182, 184, 186, 188, 190}) EXPECT_TRUE(numbers.count(needed)) << needed;
  QtManualMetrics metrics("Arial");
  const QRect web(118 - 41 - 9, 326 - 40, 87, 25);
  for (int number : numbers) {
    ASSERT_TRUE(pages.GoToPage(number, false));
    ManualDrawing d = pages.DrawPage(metrics, 800);
    QRect picture, nameBox;
    if (d.picture) {
      auto image = LoadBmp(NativePath(d.picture->file));
      ASSERT_TRUE(image) << d.picture->file;
      picture = QRect(d.picture->x, d.picture->y, image->width(), image->height());
      EXPECT_LE(picture.right(), 241) << "page " << number;
    }
    if (d.nameBox) nameBox = QRect(d.nameBox->x, d.nameBox->y, d.nameBox->width, d.nameBox->height);
    for (const ManualTextRun& run : d.runs) {
      QRect box(run.x, run.y, metrics.TextWidth(run.text, run.size, run.bold), metrics.ZeroHeight(run.size, run.bold));
      EXPECT_LE(box.right(), 241) << "page " << number << ": \"" << run.text << "\" is too wide";
      EXPECT_LE(box.bottom(), 340) << "page " << number << ": \"" << run.text << "\" is below the page";
      EXPECT_FALSE(box.intersects(picture)) << "page " << number << ": \"" << run.text << "\" on the picture";
      EXPECT_FALSE(box.intersects(nameBox)) << "page " << number << ": \"" << run.text << "\" on the name box";
      EXPECT_FALSE(d.webButton && box.intersects(web)) << "page " << number << ": \"" << run.text << "\"";
    }
    EXPECT_FALSE(d.picture && d.nameBox && picture.intersects(nameBox)) << "page " << number;
    EXPECT_TRUE(d.nextPage == -1 || numbers.count(d.nextPage)) << "page " << number << " next " << d.nextPage;
    for (const ManualLink& l : pages.links()) EXPECT_TRUE(numbers.count(l.target)) << "page " << number << " link " << l.target;
    for (const ManualRegion& r : pages.regions()) {
      EXPECT_TRUE(numbers.count(r.target)) << "page " << number << " region " << r.name;
      EXPECT_TRUE(picture.contains(QRect(picture.topLeft() + QPoint(r.box.left, r.box.top),
                                         QSize(r.box.right - r.box.left, r.box.bottom - r.box.top))))
          << "page " << number << " region " << r.name << " outside its picture";
    }
  }
}

// Pictures of the real manual for a person to judge (only with QUORBIT_SCREENSHOTS set).
TEST(ManualContent, Screenshots) {
  if (!std::getenv("QUORBIT_SCREENSHOTS")) GTEST_SKIP() << "set QUORBIT_SCREENSHOTS to a folder";
  InFolder here(QUORBIT_TEST_DATA_DIR);
  FakeHost fakes;
  THelpForm form(fakes.host(), [] { return 800; });
  form.ShowManual();
  for (int page : {0, 10, 20, 30, 32, 34, 40, 42, 50, 52, 54, 60, 70, 80, 90, 92, 94, 100, 102, 104, 110, 182, 184,
                   186, 188, 190, 120, 3000, 3010, 3020, 4000, 4010, 4020}) {
    form.GoToPage(page, true);
    Paint(form);
    Shot(form, ("manual-" + std::to_string(page)).c_str());
  }
}
