#include <gtest/gtest.h>

#include <map>

#include "shell/HeadlessView.h"
#include "shell/Progression.h"
#include "support/Fakes.h"

namespace {
struct FakeLoader : IWorldLoader {
  bool LevelAvailable(int level, int, std::string& missing) override {
    if (locked.count(level)) {
      missing = locked[level];
      return false;
    }
    return true;
  }
  bool LoadLevel(int level) override {
    loads.push_back(level);
    if (shell && tests.count(level)) shell->SetTest(TimedEnergyTest, tests[level], 0);
    return true;
  }
  void ReloadLevelTest(int level) override {
    reloads.push_back(level);
    if (shell && tests.count(level)) shell->SetTest(TimedEnergyTest, tests[level], 0);
  }
  bool WorldAvailable(const std::string&, int, std::string&) override { return true; }
  bool LoadWorldFile(const std::string& name) override {
    worldLoads.push_back(name);
    return true;
  }
  void ReloadTest() override {}
  std::string DescriptionText() override {
    // Past a few calls the page is splicing without end: stop feeding it.
    return ++descriptionReads > 5 ? std::string() : description;
  }
  bool IsEditable() override { return true; }
  void ClearWorld() override { ++clears; }
  bool IsBusy() override { return false; }
  void StopWorld() override {}
  void ResetWorld() override {}
  void ShowWindow(bool) override {}
  void SetClientWidth(int) override {}
  void SetClientHeight(int) override {}
  MainShell* shell = nullptr;
  std::map<int, std::string> locked;
  std::map<int, int> tests;  // level -> timed test duration
  std::vector<int> loads, reloads;
  std::vector<std::string> worldLoads;
  std::string description = "A world of my own\n#\n";
  int clears = 0, descriptionReads = 0;
};

struct FakeEditor : IEditorGate {
  bool Exists() override { return true; }
  bool HasUnsavedChanges() override { return changed; }
  bool Save() override {
    ++saves;
    return saveWorks;
  }
  void ForgetChanges() override { changed = false; }
  void Hide() override { ++hides; }
  bool changed = false, saveWorks = true;
  int saves = 0, hides = 0;
};

struct FakeRooms : IRoomView {
  void ShowTitle(bool) override {}
  void ShowRoom(Room r, bool v) override { shown = v ? r : Room::None; }
  Room ShownRoom() override { return shown; }
  void ShowOpenBook(bool open) override { bookOpen = open; }
  void SetPageNumber(int n, bool black) override {
    number = n;
    numberBlack = black;
  }
  void ShowCorner(bool s) override { corner = s; }
  void HideWorldListControls() override { listShown = false; }
  void ShowWorldList(const std::vector<std::string>&) override {
    listShown = true;
    ++lists;
  }
  void ShowEditButton() override { editShown = true; }
  void RepaintBook() override {}
  void SuspendTicks() override { ++suspends; }
  void ResumeTicks() override {}
  Room shown = Room::None;
  bool bookOpen = false, numberBlack = false, corner = false, listShown = false, editShown = false;
  int number = 0, suspends = 0, lists = 0;
};

// Book 1: five pages, page 2 loads level 102 with a test. Book 2: three pages, the last
// with a test. Book 3: intro, list, template. Book 4: ten pages. Book 5: two pages.
// A "##" line ends a book and starts the next one's first page.
const char* Notebook =
    "#welcome\n"
    "##one\n#two\n#%w 102\nthe test page\n#four\n#five\n"
    "##bugs\n#more bugs\n#%w 202\nlast page\n"
    "##workshop\n#%b\nyour worlds\n#%e\n"
    "##m0\n#m1\n#m2\n#m3\n#m4\n#m5\n#m6\n#m7\n#m8\n#m9\n"
    "##bunker\n#end\n##\n";

struct ProgressionFixture : ::testing::Test {
  ProgressionFixture() {
    shell.pages.Build(Notebook);
    loader.shell = &shell;
    loader.tests[102] = 5;
    loader.tests[202] = 5;
    progression.world = &loader;
    progression.rooms = &rooms;
  }
  FakeHost fakes;
  MainShell shell{nullptr};
  Progression progression{shell, fakes.host()};
  FakeLoader loader;
  FakeRooms rooms;
};
}  // namespace

TEST_F(ProgressionFixture, PagesWithoutTestsMoveTheFrontierAndATestStopsIt) {
  progression.ShowBook(1);
  EXPECT_TRUE(rooms.bookOpen);
  EXPECT_EQ(shell.Progress, 101);
  progression.NextPage();
  EXPECT_EQ(shell.CurrentPage, 1);
  EXPECT_EQ(shell.Progress, 102);
  progression.NextPage();  // the test page
  EXPECT_EQ(shell.CurrentPage, 2);
  EXPECT_EQ(loader.loads, std::vector<int>{102});
  EXPECT_EQ(shell.WorldId, 102);
  EXPECT_EQ(shell.Progress, 102);
  EXPECT_FALSE(rooms.corner);
  progression.NextPage();  // above the frontier: refused silently
  EXPECT_EQ(shell.CurrentPage, 2);
  EXPECT_TRUE(fakes.messages.shown.empty());
  progression.PreviousPage();
  EXPECT_TRUE(rooms.corner);
  EXPECT_TRUE(rooms.numberBlack);
  progression.NextPage();  // the level is loaded already: only its test is read again
  EXPECT_EQ(loader.loads.size(), 1u);
  EXPECT_EQ(loader.reloads, std::vector<int>{102});
  progression.ShowBook(0);
  EXPECT_EQ(shell.WorldId, 0);
  EXPECT_EQ(loader.clears, 1);
  EXPECT_EQ(shell.TestType, NoTest);
}

TEST_F(ProgressionFixture, LastPagesOpenTheNextBooks) {
  shell.Progress = 200;
  progression.ShowBook(2);
  progression.NextPage();
  progression.NextPage();  // the last page has a test, yet the book is finished
  EXPECT_EQ(shell.Progress, 400);
  shell.Progress = 500;
  progression.ShowBook(5);
  progression.NextPage();
  EXPECT_EQ(shell.Progress, 700);
  shell.Progress = 500;
  shell.PagePlay = true;
  progression.ShowBook(5);
  progression.NextPage();
  EXPECT_EQ(shell.Progress, 600);
}

TEST_F(ProgressionFixture, WorkshopWorldPagesShareTheTemplateAndGoBackToTheList) {
  shell.Progress = 400;
  progression.ShowBook(3);
  progression.ShowPage(1);  // the list page fills the list from the worlds folder
  EXPECT_TRUE(rooms.listShown);
  progression.AddWorld("garden");
  progression.AddWorld("maze");
  EXPECT_EQ(progression.PageTextOf(3, 4), progression.PageTextOf(3, 2));
  progression.ShowPage(3);
  EXPECT_EQ(shell.CurrentPage, 3);
  EXPECT_EQ(loader.worldLoads, std::vector<std::string>{"maze"});
  EXPECT_EQ(shell.WorldId, 1003);
  EXPECT_TRUE(rooms.editShown);
  progression.PreviousPage();
  EXPECT_EQ(shell.CurrentPage, 1);
}

TEST_F(ProgressionFixture, AWorldDescriptionWithItsOwnWorldLineIsReadOnce) {
  loader.description = "Mine\n%e\nmore\n";
  shell.Progress = 400;
  progression.ShowBook(3);
  progression.ShowPage(1);
  progression.AddWorld("garden");
  progression.ShowPage(2);
  EXPECT_EQ(shell.CurrentPage, 2);
  EXPECT_EQ(loader.descriptionReads, 1);
  EXPECT_EQ(loader.worldLoads, std::vector<std::string>{"garden"});
}

TEST_F(ProgressionFixture, TheWorkshopBookmarkBeforeTheListIsShownIsRefusedSilently) {
  shell.Progress = 400;
  progression.ShowBook(3);
  progression.LastPage();  // the world list is not known yet: the template page has no world
  EXPECT_EQ(shell.CurrentPage, 0);
  EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(ProgressionFixture, AWorkshopWorldAboveTheFrontierNamesTheTestThatOpensIt) {
  shell.Progress = 400;
  progression.ShowBook(3);
  progression.ShowPage(1);
  progression.AddWorld("garden");
  progression.AddWorld("maze");
  shell.Progress = 302;  // the first world's test is not passed yet
  progression.ShowWorldPage(1);
  EXPECT_EQ(shell.CurrentPage, 1);
  EXPECT_EQ(fakes.messages.shown,
            (std::vector<ShownMessage>{{"The world maze opens once you pass the test of the world garden.",
                                        "Can't Load World"}}));
  progression.ShowWorldPage(0);  // the frontier's own world opens
  EXPECT_EQ(shell.CurrentPage, 2);
  EXPECT_EQ(loader.worldLoads, std::vector<std::string>{"garden"});
}

TEST_F(ProgressionFixture, BookmarkGoesToTheFrontierOrTheLastPage) {
  shell.Progress = 437;
  progression.ShowBook(4);
  progression.LastPage();
  EXPECT_EQ(shell.CurrentPage, 9);
  shell.Progress = 405;
  progression.LastPage();
  EXPECT_EQ(shell.CurrentPage, 5);
}

TEST_F(ProgressionFixture, LockedLevelNamesWhatIsMissing) {
  loader.locked[102] = "Bulb";
  shell.Progress = 105;
  progression.ShowBook(1);
  progression.ShowPage(2);
  EXPECT_EQ(shell.CurrentPage, 0);
  ASSERT_EQ(fakes.messages.shown.size(), 1u);
  EXPECT_EQ(fakes.messages.shown[0], (ShownMessage{"You don't yet have the Bulb", "Can't Load World"}));
}

TEST_F(ProgressionFixture, AccessCodes) {
  progression.EnterAccessCode("psen05");
  EXPECT_EQ(shell.Progress, 405);
  progression.EnterAccessCode("PSEN05");
  EXPECT_EQ(shell.Progress, 405);
  progression.EnterAccessCode("psenab");
  EXPECT_EQ(shell.Progress, 400);
  progression.EnterAccessCode("vusk");
  EXPECT_EQ(shell.Progress, 100);  // codes may lower progress too
  progression.EnterAccessCode("qorp3x");
  EXPECT_EQ(shell.Progress, 200);
  progression.EnterAccessCode("nonsense");
  EXPECT_EQ(shell.Progress, 200);
  progression.EnterAccessCode("LumenFox");
  EXPECT_EQ(shell.Progress, 400);
  ASSERT_EQ(fakes.messages.shown.size(), 1u);
  EXPECT_NE(fakes.messages.shown[0].text.find("All demo experiments completed."), std::string::npos);
  progression.EnterAccessCode("rivetsun");
  EXPECT_TRUE(shell.PagePlay);
  EXPECT_EQ(shell.PagePlayState, 0);
}

TEST_F(ProgressionFixture, PagePlayRunsEachTestPageWithBothBrains) {
  struct Brains : IBrainLoader {
    void ReleaseWorldBrains() override {}
    void ResetAll() override {}
    void LoadBrainFile(const std::string& path) override { loaded.push_back(path); }
    void ShowWindow() override {}
    std::vector<std::string> loaded;
  } brains;
  progression.brains = &brains;
  HeadlessView view;
  shell.view = &view;
  shell.PagePlay = true;
  for (int i = 0; i < 6; ++i) progression.PagePlayStep();  // room, book, pages 1 and 2, f brain, start
  EXPECT_EQ(rooms.shown, Room::Lab);
  EXPECT_EQ(shell.CurrentPage, 2);
  EXPECT_EQ(brains.loaded, std::vector<std::string>{"testbrain\\w102f.brn"});
  EXPECT_TRUE(shell.Testing);
  progression.PagePlayStep();  // run
  EXPECT_TRUE(shell.Running);
  EXPECT_EQ(shell.PagePlayState, 6);
}

TEST_F(ProgressionFixture, UnsavedEditorChangesAreAskedAboutBeforeThePageChanges) {
  FakeEditor editor;
  progression.editor = &editor;
  shell.Progress = 400;
  progression.ShowBook(3);
  progression.ShowPage(1);
  progression.AddWorld("garden");
  progression.ShowPage(2);
  editor.changed = true;
  const int hides = editor.hides;
  fakes.messages.answers = {Answer::Cancel, Answer::Yes};
  progression.PreviousPage();
  EXPECT_EQ(shell.CurrentPage, 2);  // Cancel keeps the page and the editor
  EXPECT_EQ(fakes.messages.asked.back(), (ShownMessage{"Do you want to save the changes?", "World Changed"}));
  EXPECT_EQ(editor.hides, hides);
  progression.PreviousPage();
  EXPECT_EQ(shell.CurrentPage, 1);
  EXPECT_EQ(editor.saves, 1);
  EXPECT_FALSE(editor.changed);
  progression.ShowBook(0);  // nothing unsaved: no question, the editor hides with the book
  EXPECT_EQ(fakes.messages.asked.size(), 2u);
  progression.editor = nullptr;
}

// The question comes only for a page change that will happen; a failed save keeps the
// page; edits turned down leave with the world, which the next showing reads afresh.
TEST_F(ProgressionFixture, TheWorldChangedQuestionComesOnlyForAPageChangeThatHappens) {
  FakeEditor editor;
  progression.editor = &editor;
  shell.Progress = 400;
  progression.ShowBook(3);
  progression.ShowPage(1);
  progression.AddWorld("garden");
  progression.ShowPage(2);
  ASSERT_EQ(shell.CurrentPage, 2);
  editor.changed = true;
  const int hides = editor.hides;
  progression.NextPage();  // past the last page: refused, nothing asked, the editor stays
  EXPECT_EQ(shell.CurrentPage, 2);
  EXPECT_TRUE(fakes.messages.asked.empty());
  EXPECT_EQ(editor.hides, hides);
  EXPECT_TRUE(editor.changed);
  editor.saveWorks = false;
  fakes.messages.answers = {Answer::Yes};
  progression.PreviousPage();  // Yes, but the world could not be written
  EXPECT_EQ(shell.CurrentPage, 2);
  EXPECT_TRUE(editor.changed);
  EXPECT_EQ(editor.hides, hides);
  fakes.messages.answers = {Answer::No};
  progression.PreviousPage();
  EXPECT_EQ(shell.CurrentPage, 1);
  EXPECT_FALSE(editor.changed);
  EXPECT_EQ(shell.WorldId, 0);  // the rejected world is gone
  progression.AddWorld("garden");  // the list page read the (empty) folder again
  progression.ShowPage(2);
  EXPECT_EQ(loader.worldLoads, (std::vector<std::string>{"garden", "garden"}));
  progression.editor = nullptr;
}

TEST_F(ProgressionFixture, ADescriptionThatNamesItsOwnPageIsReadOnce) {
  loader.description = "my world\n%e\nmore\n#\n";
  shell.Progress = 400;
  progression.ShowBook(3);
  progression.ShowPage(1);
  progression.AddWorld("garden");
  progression.ShowPage(2);  // returns: the inner "%e" is passed over
  EXPECT_EQ(shell.CurrentPage, 2);
  EXPECT_EQ(loader.worldLoads, std::vector<std::string>{"garden"});
}

// A page of many world and list lines loads only the world its first line names (the one
// whose availability was checked) and lists the worlds once.
TEST(ProgressionPageLines, APageLoadsOneWorldAndListsTheWorldsOnce) {
  FakeHost fakes;
  MainShell shell{nullptr};
  Progression progression{shell, fakes.host()};
  FakeLoader loader;
  FakeRooms rooms;
  progression.world = &loader;
  progression.rooms = &rooms;
  std::string page = "%w 101\n";
  for (int k = 0; k < 200; ++k) page += "%w 102\n%b\n%e\n";
  loader.locked[102] = "Muscle";
  shell.pages.Build("#title\n##" + page + "#end\n##\n");
  shell.Progress = 999;
  progression.ShowBook(1);
  EXPECT_EQ(loader.loads, std::vector<int>{101});
  EXPECT_TRUE(loader.worldLoads.empty());
  EXPECT_EQ(loader.descriptionReads, 0);
  EXPECT_EQ(rooms.lists, 1);
  EXPECT_TRUE(fakes.messages.shown.empty());
}
