// Every save dialog asks before it replaces a file: the desktop's file chooser asks of the
// path it hands back, and No opens the dialog again.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QTimer>
#include <functional>

#include "platform/Files.h"
#include "platform/qt/QtHost.h"
#include "support/Fakes.h"

namespace {
// Acts on each save dialog as it opens, one step per dialog.
class DialogSteps {
 public:
  explicit DialogSteps(std::vector<std::function<void(QFileDialog&)>> steps) : steps_(std::move(steps)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      // A dialog left open once every step is taken would wait for ever: close it.
      if (d && next_ >= steps_.size() && ++idle_ > 150) d->reject();
      if (!d || d == last_ || next_ >= steps_.size()) return;
      last_ = d;
      steps_[next_++](*d);
      last_ = nullptr;
    });
    timer_.start(20);
  }
  size_t done() const { return next_; }

 private:
  std::vector<std::function<void(QFileDialog&)>> steps_;
  size_t next_ = 0;
  int idle_ = 0;
  QFileDialog* last_ = nullptr;
  QTimer timer_;
};
}  // namespace

// The file dialog, its choice of an existing file, and the question about it.
struct SaveAsFixture : ::testing::Test {
  SaveAsFixture() {
    EXPECT_TRUE(WriteFileAtomic(existing, std::string("1 2 3\n")));
    choice.title = "Save Samples";
    choice.filter = "Data files|*.txt|All files|*.*";
    choice.defaultExtension = "txt";
  }
  std::function<void(QFileDialog&)> Pick() {
    return [this](QFileDialog& d) {
      d.selectFile(QString::fromStdString(existing));
      QMetaObject::invokeMethod(&d, "accept", Qt::DirectConnection);
    };
  }
  TempFolder folder;
  const std::string existing = folder.file("digits01.txt");
  FakeMessages messages;
  QtFileChooser chooser{nullptr, &messages};
  FileChoice choice;
};

TEST_F(SaveAsFixture, OnlyAnExistingFileIsAskedAbout) {
  EXPECT_TRUE(MayReplaceFile(&messages, folder.file("new.txt"), "Save Samples"));
  EXPECT_TRUE(messages.asked.empty());
  EXPECT_FALSE(MayReplaceFile(nullptr, existing, "Save Samples"));
}

// No: the dialog comes again; then it is cancelled and nothing is chosen.
TEST_F(SaveAsFixture, NoOpensTheDialogAgain) {
  messages.answers = {Answer::No};
  DialogSteps steps({Pick(), [](QFileDialog& d) { d.reject(); }});
  EXPECT_EQ(chooser.ChooseSave(choice), "");
  EXPECT_EQ(steps.done(), 2u);
  ASSERT_EQ(messages.asked.size(), 1u);
  EXPECT_EQ(messages.asked[0], (ShownMessage{"digits01.txt already exists.\nDo you want to replace it?", "Save Samples"}));
  EXPECT_EQ(*ReadFileText(existing), "1 2 3\n");
}

// Yes: the file is chosen (the saver then writes it).
TEST_F(SaveAsFixture, YesChoosesTheFile) {
  messages.answers = {Answer::Yes};
  DialogSteps steps({Pick()});
  EXPECT_EQ(chooser.ChooseSave(choice), existing);
  EXPECT_EQ(messages.asked.size(), 1u);
  EXPECT_EQ(*ReadFileText(existing), "1 2 3\n");
}
