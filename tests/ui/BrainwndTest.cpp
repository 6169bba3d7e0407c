#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "brain/BoardSample.h"
#include "brain/ui/SetTimeDlg.h"
#include "brain/ui/SnoopDlg.h"
#include "platform/Files.h"
#include "shell/ui/Brainwnd.h"
#include "support/Fakes.h"

namespace {

// The window reads its pictures from the data folder, as the program does.
struct BrainWindowFixture {
  BrainWindowFixture() : keep(QDir::currentPath()) {
    QDir::setCurrent(QUORBIT_TEST_DATA_DIR);
    window = std::make_unique<TBrainForm>(fake.host(), 5);
    window->show();
    QTest::qWait(20);
  }
  ~BrainWindowFixture() {
    window->programEnding = true;
    window.reset();
    QDir::setCurrent(keep);
  }
  TBrainBoard& shown() { return *window->collection().ShownBoard(); }
  // Presses a button of the next modal dialog once it is open.
  static void ClickInModal(const QString& caption) {
    QTimer::singleShot(0, [caption] {
      QWidget* modal = QApplication::activeModalWidget();
      ASSERT_NE(modal, nullptr);
      for (QPushButton* b : modal->findChildren<QPushButton*>())
        if (b->text() == caption) return b->click();
      FAIL() << "no button " << caption.toStdString();
    });
  }
  QString keep;
  FakeHost fake;
  std::unique_ptr<TBrainForm> window;
};

TEST(BrainWindow, LayoutHasTheToolBarTheBoardAndFourStatusPanels) {
  BrainWindowFixture f;
  EXPECT_EQ(f.window->windowTitle(), "Brain Board");
  EXPECT_EQ(f.window->size(), QSize(371, 398));
  const struct { const char* name; int x, w; } buttons[] = {
      {"NeuronButtonUp", 2, 54}, {"NodeButtonUp", 56, 48},  {"SnoopButtonUp", 104, 48}, {"ZoomButtonUp", 152, 50},
      {"TrashButtonUp", 202, 54}, {"SaveButtonUp", 256, 58}, {"LoadButtonUp", 314, 58}};
  for (const auto& b : buttons) {
    auto* up = f.window->findChild<PictureBox*>(b.name);
    ASSERT_NE(up, nullptr) << b.name;
    EXPECT_EQ(up->geometry(), QRect(b.x, 2, b.w, 50)) << b.name;
    EXPECT_FALSE(up->picture().isNull());
  }
  const int widths[4] = {260, 50, 15, 50};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(f.window->statusPanel(i)->width(), widths[i]);
  EXPECT_FALSE(f.window->tabBar()->isVisible());
  EXPECT_EQ(f.window->boardView()->width(), 371 - 16);
  EXPECT_EQ(f.window->collection().BrainName(0), "Empty");
  // A second brain shows the tabs.
  ChannelMask in{}, out{};
  f.window->AttachBrain("Bug", in, false, out);
  f.window->AttachBrain("Spider", in, false, out);
  EXPECT_EQ(f.window->tabBar()->count(), 2);
  EXPECT_TRUE(f.window->tabBar()->isVisible());
  EXPECT_EQ(f.window->tabBar()->tabText(0), "Bug");
}

TEST(BrainWindow, ToolButtonsActOnReleaseOverThemOnly) {
  BrainWindowFixture f;
  auto* neuron = f.window->findChild<PictureBox*>("NeuronButtonUp");
  QTest::mousePress(neuron, Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_TRUE(neuron->pressedLook());
  QTest::mouseMove(neuron, QPoint(70, 20));
  QTest::mouseRelease(neuron, Qt::LeftButton, {}, QPoint(70, 20));
  EXPECT_FALSE(neuron->pressedLook());
  EXPECT_EQ(f.shown().neurons.used(), 0);
  QTest::mousePress(neuron, Qt::LeftButton, {}, QPoint(20, 20));
  QTest::mouseRelease(neuron, Qt::LeftButton, {}, QPoint(53, 20));
  ASSERT_EQ(f.shown().neurons.used(), 1);
  // At the centre of the visible area in cells.
  const int cell = 16;
  EXPECT_EQ(f.shown().neurons[0].x, (371 / cell) / 2);
  EXPECT_EQ(f.shown().neurons[0].y, (f.window->boardView()->parentWidget()->height() / cell) / 2);
}

TEST(BrainWindow, ZoomCyclesSixteenFourEightAndBack) {
  BrainWindowFixture f;
  std::vector<int> sizes;
  for (int i = 0; i < 3; ++i) {
    f.window->ZoomButtonClick();
    sizes.push_back(f.shown().cellSize);
  }
  EXPECT_EQ(sizes, (std::vector<int>{4, 8, 16}));
  EXPECT_EQ(f.window->collection().CellSize, 16);
}

TEST(BrainWindow, SaveWritesTheHiddenFormForBrxNamesAndReportsAFailedWrite) {
  BrainWindowFixture f;
  TempFolder temp;
  f.shown().AddNeuron(10, 10);
  f.fake.files.answers = {temp.file("a.BRX"), temp.file("b.brn"), temp.path() + "/missing/c.brn"};
  f.window->SaveButtonClick();
  f.window->SaveButtonClick();
  ASSERT_EQ(f.fake.files.asked.size(), 2u);
  EXPECT_EQ(f.fake.files.asked[0].title, "Save Brain");
  EXPECT_EQ(f.fake.files.asked[0].filter, "Brain file|*.brn|Hidden brain|*.brx|All files|*.*");
  EXPECT_EQ(*ReadFileBytes(temp.file("a.BRX")), f.shown().SaveBrain(true));
  EXPECT_EQ(*ReadFileBytes(temp.file("b.brn")), f.shown().SaveBrain(false));
  EXPECT_NE(f.shown().SaveBrain(true), f.shown().SaveBrain(false));
  EXPECT_TRUE(f.fake.messages.shown.empty());
  f.window->SaveButtonClick();
  ASSERT_EQ(f.fake.messages.shown.size(), 1u);
  EXPECT_EQ(f.fake.messages.shown[0].text, "Couldn't save " + temp.path() + "/missing/c.brn");
  EXPECT_EQ(f.fake.messages.shown[0].caption, "Save Brain Error");
  // Loading brings the saved brain back into the shown board.
  f.shown().Clear(true);
  f.fake.files.answers = {temp.file("b.brn")};
  f.window->LoadButtonClick();
  EXPECT_EQ(f.fake.files.asked.back().title, "Load Brain");
  EXPECT_EQ(f.shown().neurons.used(), 1);
}

TEST(BrainWindow, ClearAllOnThreeTabsKeepsTheBoundBrainEmptyAndDeletesTheOthers) {
  BrainWindowFixture f;
  ChannelMask in{}, out{};
  for (const char* name : {"A", "B", "C"}) {
    const int n = f.window->AttachBrain(name, in, false, out);
    f.window->collection().Board(n)->AddNeuron(10, 10);
  }
  f.window->ReleaseWorldBrains();  // all unbound, kept for their content
  f.window->AttachBrain("B", in, false, out);
  ASSERT_EQ(f.window->collection().Tabs().size(), 3u);
  BrainWindowFixture::ClickInModal("Clear all");
  f.window->TrashButtonClick();
  ASSERT_EQ(f.window->collection().Tabs().size(), 1u);
  EXPECT_EQ(f.window->tabBar()->count(), 1);
  EXPECT_EQ(f.window->collection().BrainName(f.window->collection().Tabs()[0]), "B");
  EXPECT_TRUE(f.shown().IsEmpty());
  EXPECT_TRUE(f.shown().attached);
  // With one tab "Clear all" is not offered.
  TClearBoardDlg one(false);
  EXPECT_FALSE(one.ClearAllBtn->isEnabled());
  EXPECT_EQ(one.windowTitle(), "Clear");
}

TEST(BrainWindow, ClosingAsksTheQuitQuestion) {
  BrainWindowFixture f;
  bool quit = false;
  f.window->onQuit = [&] { quit = true; };
  f.fake.messages.answers = {Answer::No};
  f.window->close();
  EXPECT_TRUE(f.window->isVisible());
  ASSERT_EQ(f.fake.messages.asked.size(), 1u);
  EXPECT_EQ(f.fake.messages.asked[0], (ShownMessage{"Do you want to quit Quorbit?", "Confirm"}));
  EXPECT_FALSE(quit);
  f.window->close();
  EXPECT_TRUE(quit);
}

TEST(BrainWindow, RightClickOpensTheNeuronDialogAndDeletingClosesIt) {
  BrainWindowFixture f;
  const int n = f.shown().AddNeuron(5, 5);
  f.window->StepAll(false);
  QTest::mouseClick(f.window->boardView(), Qt::RightButton, {}, QPoint(5 * 16 + 8, 5 * 16 + 8));
  ASSERT_EQ(f.window->openDialogs().size(), 1u);
  auto* dialog = qobject_cast<TNeuronPropDlg*>(f.window->openDialogs()[0].data());
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->windowTitle(), "Neuron Prop");
  EXPECT_EQ(dialog->ThresholdBox->text(), "50.00");
  // The status bar shows the neuron under the mouse.
  EXPECT_EQ(f.window->statusPanel(0)->text().toStdString(), "Neuron 0: state   0.00, threshold  50.00");
  EXPECT_EQ(f.window->statusPanel(1)->text(), "Step");
  QPointer<TNeuronPropDlg> watch(dialog);
  f.shown().DeleteNeuron(n);
  f.window->StepAll(false);
  QTest::mouseMove(f.window->boardView(), QPoint(30, 30));
  EXPECT_TRUE(watch.isNull() || !watch->isVisible());
}

TEST(BrainWindow, TheMouseDrawsASynapseThroughTheBoardEditor) {
  BrainWindowFixture f;
  const int a = f.shown().AddNeuron(5, 5), b = f.shown().AddNeuron(12, 5);
  f.window->StepAll(false);
  auto centre = [](int x, int y) { return QPoint(x * 16 + 8, y * 16 + 8); };
  QTest::mousePress(f.window->boardView(), Qt::LeftButton, {}, centre(6, 5));
  for (int x = 7; x <= 11; ++x) {
    QMouseEvent move(QEvent::MouseMove, QPointF(centre(x, 5)), QPointF(f.window->boardView()->mapToGlobal(centre(x, 5))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f.window->boardView(), &move);
  }
  QTest::mouseRelease(f.window->boardView(), Qt::LeftButton, {}, centre(11, 5));
  EXPECT_EQ(f.shown().neurons[a].slots[0].kind, SlotOutput);
  EXPECT_EQ(f.shown().neurons[b].slots[4].kind, SlotExcitatory);
  EXPECT_GT(f.shown().lineSegs.used(), 0);
  EXPECT_FALSE(f.shown().broken);
  // A route dropped beside the neuron makes nothing, and the status bar says why, whole.
  QTest::mousePress(f.window->boardView(), Qt::LeftButton, {}, centre(5, 6));
  QTest::mouseRelease(f.window->boardView(), Qt::LeftButton, {}, centre(5, 6));
  QLabel* status = f.window->statusPanel(0);
  EXPECT_EQ(status->text().toStdString(), "Drop the arrow on a free edge square of a neuron, coming straight in");
  EXPECT_LE(status->fontMetrics().horizontalAdvance(status->text()), status->width());
  // It stops short of the "Plot" button and is filled, so no panel frame shows through it.
  const QWidget* plot = f.window->findChild<QWidget*>("PlotButton");
  ASSERT_NE(plot, nullptr);
  const QRect plotAt(plot->mapTo(f.window.get(), QPoint(0, 0)), plot->size());
  EXPECT_FALSE(QRect(status->mapTo(f.window.get(), QPoint(0, 0)), status->size()).intersects(plotAt));
  EXPECT_GT(status->width(), 300);
  EXPECT_TRUE(status->autoFillBackground());
  if (const char* shots = std::getenv("QUORBIT_SCREENSHOTS")) f.window->grab().save(QString(shots) + "/status-hint.png");
  EXPECT_EQ(f.shown().neurons[a].slots[2].kind, SlotEmpty);
}

TEST(BrainWindow, TheBoardViewShowsTheComposedCells) {
  BrainWindowFixture f;
  f.shown().AddNeuron(5, 5);
  f.window->StepAll(false);
  const QImage& screen = f.window->boardView()->screen();
  const IndexedImage& image = f.window->shownDraw()->image();
  ASSERT_EQ(screen.width(), image.width());
  // The neuron's centre differs from an empty cell.
  EXPECT_NE(screen.pixel(5 * 16 + 8, 5 * 16 + 8), screen.pixel(12 * 16 + 8, 12 * 16 + 8));
}

}  // namespace

namespace {

void Shot(QWidget* w, const std::string& name) {
  QTest::qWait(30);
  w->grab().save(QString::fromStdString(std::string(std::getenv("QUORBIT_SCREENSHOTS")) + "/" + name + ".png"));
}

// Pictures of the window and its dialogs for a person to judge (QUORBIT_SCREENSHOTS set).
TEST(BrainWindowPictures, Screenshots) {
  if (!std::getenv("QUORBIT_SCREENSHOTS")) GTEST_SKIP() << "set QUORBIT_SCREENSHOTS to a folder";
  BrainWindowFixture f;
  const SampleBrain s = BuildSampleBrain(f.shown());
  f.window->StepAll(false);
  f.window->boardView()->Repaint();
  for (const char* name : {"brainwnd-16", "brainwnd-4", "brainwnd-8"}) {
    Shot(f.window.get(), name);
    f.window->ZoomButtonClick();
  }
  TBrainBoard& b = f.shown();
  TNeuronPropDlg neuron(b, {s.a});
  TSynapsePropDlg synapse(b, {{s.b, 6}});
  TNodeProp node(b, s.eye);
  TSnoopPropDlg snooper(b, s.snoopOnRoute);
  BrainServices services;
  TSetTimeDlg settings(b, services);
  TClearBoardDlg clear(true);
  const std::pair<QDialog*, const char*> dialogs[] = {{&neuron, "neuron"},   {&synapse, "synapse"},
                                                      {&node, "node"},       {&snooper, "snooper"},
                                                      {&settings, "settings"}, {&clear, "clear"}};
  for (const auto& [dialog, name] : dialogs) {
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    dialog->show();
    Shot(dialog, std::string("dialog-") + name);
    if (auto* tabs = dialog->findChild<QTabWidget*>()) {
      tabs->setCurrentIndex(1);
      Shot(dialog, std::string("dialog-") + name + "-2");
    }
    dialog->hide();
  }
}

}  // namespace

// While the learner only watches (the mouse resting on a neuron, the status bar telling
// its state every tick), nothing the window does between ticks counts as touching the
// network, so the board's step keeps its flat copy.
TEST(BrainWindow, AWatchedBoardKeepsItsNetworkCopyFromTickToTick) {
  BrainWindowFixture f;
  const int n = f.shown().AddNeuron(5, 5);
  f.shown().neurons[n].threshold = -10;
  QTest::mouseMove(f.window->boardView(), QPoint(5 * 16 + 8, 5 * 16 + 8));
  for (int k = 0; k < 4; ++k) f.window->StepAll(false);
  EXPECT_TRUE(f.shown().lastStepKeptCopy());
  EXPECT_EQ(f.window->statusPanel(0)->text().toStdString(), "Neuron 0: state 100.00, threshold -10.00");
}
