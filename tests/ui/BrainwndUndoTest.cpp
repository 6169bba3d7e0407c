// Undo, redo and the plot window in the brain window: keys, the popup menu, dialog
// changes as steps, and the plot following the board.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "brain/BoardSample.h"
#include "shell/ui/Brainwnd.h"
#include "support/Fakes.h"

namespace {

class UndoWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = QDir::currentPath();
    QDir::setCurrent(QUORBIT_TEST_DATA_DIR);
    form = std::make_unique<TBrainForm>(fake.host(), 9);
    form->show();
    QTest::qWait(20);
  }
  void TearDown() override {
    form->programEnding = true;
    form.reset();
    QDir::setCurrent(folder_);
  }
  TBrainBoard& board() { return *form->collection().ShownBoard(); }
  QWidget* view() { return form->boardView(); }
  static QPoint At(int x, int y) { return QPoint(x * 16 + 8, y * 16 + 8); }
  void Key(Qt::Key key, Qt::KeyboardModifiers mods) { QTest::keyClick(form.get(), key, mods); }
  // Drags with the left button through the cells of one row.
  void DragRow(int fromX, int toX, int y) {
    QTest::mousePress(view(), Qt::LeftButton, {}, At(fromX, y));
    for (int x = fromX + (toX > fromX ? 1 : -1); x != toX + (toX > fromX ? 1 : -1); x += toX > fromX ? 1 : -1) {
      QMouseEvent move(QEvent::MouseMove, QPointF(At(x, y)), QPointF(view()->mapToGlobal(At(x, y))), Qt::NoButton,
                       Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(view(), &move);
    }
    QTest::mouseRelease(view(), Qt::LeftButton, {}, At(toX, y));
  }

  FakeHost fake;
  std::unique_ptr<TBrainForm> form;

 private:
  QString folder_;
};

TEST_F(UndoWindow, CtrlZUndoesAndCtrlYOrCtrlShiftZRedoesWholeActions) {
  form->NeuronButtonClick();
  const int a = 0;
  ASSERT_TRUE(board().neurons.live(a));
  board().AddNeuron(board().neurons[a].x + 7, board().neurons[a].y);
  form->StepAll(false);
  const int y = board().neurons[a].y, ax = board().neurons[a].x, bx = ax + 7;
  const auto beforeSynapse = board().SaveBrain(false);
  DragRow(ax + 1, bx - 1, y);  // one synapse, one step
  ASSERT_EQ(board().neurons[1].slots[4].kind, SlotExcitatory);
  const auto withSynapse = board().SaveBrain(false);

  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(board().SaveBrain(false), beforeSynapse);
  Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(board().SaveBrain(false), withSynapse);
  Key(Qt::Key_Z, Qt::ControlModifier);
  Key(Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(board().SaveBrain(false), withSynapse);
  // Further back: the board's own neuron (added directly) was no step; the tool button's was.
  Key(Qt::Key_Z, Qt::ControlModifier);
  Key(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_FALSE(board().neurons.live(a));
  EXPECT_FALSE(board().broken);
  EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(UndoWindow, EachDialogChangeIsOneStepAndUndoClosesTheDialog) {
  const int n = board().AddNeuron(5, 5);
  form->StepAll(false);
  QTest::mouseClick(view(), Qt::RightButton, {}, At(5, 5));
  ASSERT_EQ(form->openDialogs().size(), 1u);
  auto* dialog = qobject_cast<TNeuronPropDlg*>(form->openDialogs()[0].data());
  ASSERT_NE(dialog, nullptr);
  form->StepAll(false);  // the network runs while the dialog is open
  dialog->ThresholdBox->selectAll();
  QTest::keyClicks(dialog->ThresholdBox, "7");
  ASSERT_EQ(board().neurons[n].threshold, 7);
  dialog->SigmoidButton->click();
  ASSERT_EQ(board().neurons[n].type, SigmoidNeuron);
  QPointer<TNeuronPropDlg> watch(dialog);
  Key(Qt::Key_Z, Qt::ControlModifier);  // the type
  EXPECT_TRUE(watch.isNull() || !watch->isVisible());
  EXPECT_EQ(board().neurons[n].type, StepNeuron);
  EXPECT_EQ(board().neurons[n].threshold, 7);
  Key(Qt::Key_Z, Qt::ControlModifier);  // the threshold
  EXPECT_EQ(board().neurons[n].threshold, 50);
  EXPECT_TRUE(board().neurons.live(n)) << "opening the dialog was no step";
}

TEST_F(UndoWindow, ThePopupMenuOffersUndoAndRedoFirst) {
  board().AddSnooper(8, 8);
  form->SnoopButtonClick();
  form->StepAll(false);
  const int before = board().snoopers.used();
  QStringList captions;
  QTimer::singleShot(50, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction* a : menu->actions()) captions << (a->isSeparator() ? "-" : a->text());
    for (QAction* a : menu->actions())
      if (a->text() == "Undo") {
        EXPECT_TRUE(a->isEnabled());
        menu->setActiveAction(a);
        QTest::keyClick(menu, Qt::Key_Return);
        return;
      }
    menu->close();
  });
  QTest::mouseClick(view(), Qt::RightButton, {}, At(2, 12));
  QTest::qWait(100);
  ASSERT_GE(captions.size(), 4);
  EXPECT_EQ(captions.mid(0, 4), QStringList({"Undo", "Redo", "-", "Copy"}));
  EXPECT_TRUE(captions.contains("Plot"));
  EXPECT_LT(board().snoopers.used(), before);
}

TEST_F(UndoWindow, ThePlotFollowsTheSelectionsElementsEveryTickUntilTheyAreDeleted) {
  const SampleBrain s = BuildSampleBrain(board());
  form->StepAll(false);
  const Neuron& n = board().neurons[s.a];
  board().selLeft = n.x - 1, board().selTop = n.y - 1, board().selRight = n.x + 1, board().selBottom = n.y + 1;
  auto* button = form->findChild<QToolButton*>("PlotButton");
  ASSERT_NE(button, nullptr);
  button->click();
  TPlotWnd* plot = form->plotWindow();
  ASSERT_NE(plot, nullptr);
  EXPECT_TRUE(plot->isVisible());
  EXPECT_EQ(plot->windowTitle(), "Plot");
  ASSERT_EQ(plot->plot().traces().size(), 1u);
  for (int t = 0; t < 5; ++t) form->StepAll(true);
  EXPECT_EQ(plot->plot().traces()[0].values.size(), 5u);
  if (const char* dir = std::getenv("QUORBIT_SCREENSHOTS")) {
    QTest::qWait(30);
    plot->grab().save(QString(dir) + "/plot-window.png");
    form->grab().save(QString(dir) + "/brainwnd-plot-button.png");
  }
  board().DeleteNeuron(s.a);
  form->StepAll(true);
  EXPECT_TRUE(plot->plot().traces().empty());
}

}  // namespace
