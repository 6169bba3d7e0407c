// Quitting with unsaved editor changes: the "World Changed" question comes before any
// window closes, and Cancel (or a save that fails) leaves the program as it was.
#include <gtest/gtest.h>

#include <functional>

#include <QCloseEvent>
#include <QDir>
#include <QTest>
#include <QTimer>

#include "shell/ui/Brainwnd.h"
#include "shell/ui/MainForm.h"
#include "support/Fakes.h"

namespace {
struct EditorGate : IEditorGate {
  bool Exists() override { return true; }
  bool HasUnsavedChanges() override { return changed; }
  bool Save() override {
    ++saves;
    if (saveWorks) changed = false;
    return saveWorks;
  }
  void ForgetChanges() override { changed = false; }
  void Hide() override { ++hides; }
  bool changed = true, saveWorks = true;
  int saves = 0, hides = 0;
};

struct QuitFixture : ::testing::Test {
  QuitFixture() : keep(QDir::currentPath()) { QDir::setCurrent(QUORBIT_TEST_DATA_DIR); }
  ~QuitFixture() override { QDir::setCurrent(keep); }
  // A close of the window as the desktop sends it; true when it was let through.
  static bool Close(QWidget& w) {
    QCloseEvent e;
    QApplication::sendEvent(&w, &e);
    return e.isAccepted();
  }
  // Runs the program's loop with `start` as its first event; the loop's exit code, or 1
  // when nothing ends it within ten seconds.
  static int RunLoop(QObject* context, const std::function<void()>& start) {
    QTimer::singleShot(0, context, start);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    guard.start(10000);
    const int code = QApplication::exec();
    guard.stop();
    return code;
  }
  QString keep;
  TempFolder exe;
  FakeHost fakes;
  EditorGate editor;
};
}  // namespace

TEST_F(QuitFixture, CancelInTheWorldChangedQuestionCancelsTheQuit) {
  TMainForm form(fakes.host(), QString::fromStdString(exe.path()));
  ASSERT_TRUE(form.startedOk());
  form.progression().editor = &editor;
  form.show();
  QTest::qWait(20);
  fakes.messages.answers = {Answer::Yes, Answer::Cancel};
  EXPECT_FALSE(Close(form));
  ASSERT_EQ(fakes.messages.asked.size(), 2u);
  EXPECT_EQ(fakes.messages.asked[0], (ShownMessage{"Do you want to quit Quorbit?", "Confirm"}));
  EXPECT_EQ(fakes.messages.asked[1], (ShownMessage{"Do you want to save the changes?", "World Changed"}));
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(editor.changed);
  EXPECT_EQ(editor.hides, 0);

  // Yes whose save fails: still running, the changes still there.
  editor.saveWorks = false;
  fakes.messages.answers = {Answer::Yes, Answer::Yes};
  EXPECT_FALSE(Close(form));
  EXPECT_TRUE(editor.changed);
  EXPECT_EQ(editor.saves, 1);

  // No lets the program end, once, without asking the editor again: the program's loop
  // runs here, and the quit ends it.
  fakes.messages.answers = {Answer::Yes, Answer::No};
  bool closed = false;
  EXPECT_EQ(RunLoop(&form, [&] { closed = Close(form); }), 0);
  EXPECT_TRUE(closed);
  EXPECT_FALSE(editor.changed);
  EXPECT_TRUE(form.EditorLetsQuit());
  EXPECT_EQ(fakes.messages.asked.size(), 6u);
  form.progression().editor = nullptr;
}

TEST_F(QuitFixture, QuittingFromTheBrainWindowAsksAboutTheEditorFirst) {
  TMainForm form(fakes.host(), QString::fromStdString(exe.path()));
  ASSERT_TRUE(form.startedOk());
  form.progression().editor = &editor;
  TBrainForm brains(fakes.host(), 7);
  brains.mayQuit = [&form] { return form.EditorLetsQuit(); };
  bool ended = false;
  brains.onQuit = [&ended] { ended = true; };
  brains.show();
  QTest::qWait(20);
  fakes.messages.answers = {Answer::Yes, Answer::Cancel};
  EXPECT_FALSE(Close(brains));
  EXPECT_FALSE(ended);
  EXPECT_TRUE(brains.isVisible());
  fakes.messages.answers = {Answer::Yes, Answer::Yes};
  EXPECT_TRUE(Close(brains));
  EXPECT_TRUE(ended);
  EXPECT_EQ(editor.saves, 1);
  brains.programEnding = true;
  form.progression().editor = nullptr;
}

// The desktop asking the program to end (SIGTERM) skips the quit question but never drops
// unsaved editor changes: Cancel keeps the program running, Yes saves and ends it.
TEST_F(QuitFixture, AnEndRequestAsksOnlyAboutUnsavedChanges) {
  TMainForm form(fakes.host(), QString::fromStdString(exe.path()));
  ASSERT_TRUE(form.startedOk());
  form.progression().editor = &editor;
  form.show();
  QTest::qWait(20);
  fakes.messages.answers = {Answer::Cancel};
  form.EndOnRequest();
  ASSERT_EQ(fakes.messages.asked.size(), 1u);
  EXPECT_EQ(fakes.messages.asked[0], (ShownMessage{"Do you want to save the changes?", "World Changed"}));
  EXPECT_TRUE(form.isVisible());
  EXPECT_TRUE(editor.changed);

  fakes.messages.answers = {Answer::Yes};
  EXPECT_EQ(RunLoop(&form, [&] { form.EndOnRequest(); }), 0);
  EXPECT_EQ(editor.saves, 1);
  EXPECT_FALSE(editor.changed);
}
