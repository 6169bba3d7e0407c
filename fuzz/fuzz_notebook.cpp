// Any text as the notebook file: the page index is built, every page of every book is
// opened the way the shell opens it (levels and workshop worlds through a loader whose
// world description is the input's tail) and laid out at two scales.
#include <cstdint>
#include <string>
#include <vector>

#include "shell/MainShell.h"
#include "shell/NotebookPage.h"
#include "shell/Progression.h"

namespace {
// A world loader that has every level and world, with a description taken from the input.
class Worlds : public IWorldLoader {
 public:
  explicit Worlds(std::string description) : description_(std::move(description)) {}
  bool LevelAvailable(int level, int, std::string& missing) override {
    if (level % 3 == 0) missing = "Muscle";
    return level % 3 != 0;
  }
  bool LoadLevel(int) override { return true; }
  void ReloadLevelTest(int) override {}
  bool WorldAvailable(const std::string&, int, std::string&) override { return true; }
  bool LoadWorldFile(const std::string&) override { return true; }
  void ReloadTest() override {}
  std::string DescriptionText() override { return description_; }
  bool IsEditable() override { return true; }
  void ClearWorld() override {}
  bool IsBusy() override { return false; }
  void StopWorld() override {}
  void ResetWorld() override {}
  void ShowWindow(bool) override {}
  void SetClientWidth(int) override {}
  void SetClientHeight(int) override {}

 private:
  std::string description_;
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 256 * 1024) return 0;
  std::string text(reinterpret_cast<const char*>(data), size);
  // The world description is the input's second half, so pages that splice it in ("%e")
  // read markup the fuzzer controls too.
  Worlds worlds(text.substr(text.size() / 2));
  MainShell shell(nullptr);
  shell.pages.Build(text);
  shell.Progress = 99999;
  Progression progression(shell, Host{});
  progression.world = &worlds;
  progression.AddWorld("one");
  progression.AddWorld("two");
  for (int book = 1; book < PageIndex::Books; ++book) {
    progression.ShowBook(book);
    for (int page = 0; page < progression.PageCount(book); ++page) {
      progression.ShowPage(page);
      const std::string pageText = progression.PageTextOf(book, page);
      for (double scale : {1.0, 2.5}) LayoutNotebookPage(pageText, worlds.DescriptionText(), scale);
    }
  }
  return 0;
}
