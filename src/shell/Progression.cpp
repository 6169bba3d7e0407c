#include "shell/Progression.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "platform/Files.h"
#include "shell/NotebookPage.h"

Room Progression::RoomOfBook(int book) {
  switch (book) {
    case 2: return Room::LadyBugWorld;
    case 3: return Room::Workshop;
    case 5: return Room::Bunker;
    case 7: return Room::Island;
    default: return Room::Lab;
  }
}

int Progression::PageCount(int book) const {
  if (book == 3 && worldListShown_) return static_cast<int>(worldList_.size()) + 2;
  return shell_.pages.PageCount(book);
}

std::string Progression::PageTextOf(int book, int page) const {
  return shell_.pages.PageText(book, book == 3 && page >= 3 ? 2 : page);
}

void Progression::FillWorldList() {
  worldList_.clear();
  for (const std::string& file : ListFiles("worlds", ".wld")) worldList_.push_back(file.substr(0, file.find('.')));
  worldListShown_ = true;
}

// The unsaved-changes question; false when the user cancels or the save fails. Edits the
// learner turns down leave with the world, so nothing can save them later.
bool Progression::EditorLetsGo() {
  if (!editor || !editor->Exists()) return true;
  if (editor->HasUnsavedChanges()) {
    Answer a = host_.messages ? host_.messages->AskYesNoCancel("Do you want to save the changes?", "World Changed")
                              : Answer::No;
    if (a == Answer::Cancel) return false;
    if (a == Answer::Yes && !editor->Save()) return false;
    editor->ForgetChanges();
    if (a == Answer::No) UnloadWorld();
  }
  editor->Hide();
  return true;
}

void Progression::ShowBook(int book) {
  if (book <= 0 && !EditorLetsGo()) return;
  shell_.ResetExperiment();
  if (rooms) rooms->ShowOpenBook(book > 0);
  shell_.CurrentBook = std::max(0, book);
  if (book > 0) {
    if (rooms) rooms->SetPageNumber(1, false);
    ShowPage(0);
    return;
  }
  UnloadWorld();
  if (world) world->ShowWindow(false);
  if (rooms) rooms->HideWorldListControls();
}

bool Progression::CanShowPage(int page, std::string& missing) {
  std::string text = PageTextOf(shell_.CurrentBook, page);
  for (const std::string& line : NotebookLines(text, 199)) {
    char c = NotebookControl(line);
    if (c == 'w') return world ? world->LevelAvailable(NotebookNumber(line), shell_.Progress, missing) : true;
    if (c == 'e') {
      int entry = page - 2;
      if (entry < 0 || entry >= static_cast<int>(worldList_.size())) return false;
      return world ? world->WorldAvailable(worldList_[entry], shell_.Progress, missing) : true;
    }
  }
  return true;
}

void Progression::ShowPage(int page) {
  const int book = shell_.CurrentBook;
  const int key = book * 100 + page;
  if (page < 0 || page >= PageCount(book) || key > shell_.Progress) return;
  std::string missing;
  if (!CanShowPage(page, missing)) {
    // A workshop page past the world list names nothing: it is refused silently.
    if (!missing.empty()) host_.Message("You don't yet have the " + missing, "Can't Load World");
    return;
  }
  // Only a page change that will happen asks about the editor's changes.
  if (!EditorLetsGo()) return;
  if (rooms) rooms->HideWorldListControls();
  worldListShown_ = worldListShown_ && book == 3;
  shell_.CurrentPage = page;
  shell_.TestType = NoTest;  // the world being loaded sets its test again
  shell_.PagePainting = true;
  OpenPageLines(page, PageTextOf(book, page));
  const int count = PageCount(book);
  if (shell_.TestType == NoTest && key >= shell_.Progress && page < count) shell_.Progress = key + 1;
  if (page == count - 1 && shell_.Progress < book * 100 + 100) {
    bool skipBook = book == 2 || (book == 5 && !shell_.PagePlay);
    shell_.Progress = book * 100 + (skipBook ? 200 : 100);
  }
  UpdateCornerAndNumber(page);
  shell_.ResetExperiment();
  shell_.PagePainting = false;
  if (rooms) rooms->RepaintBook();
}

void Progression::OpenPageLines(int page, const std::string& text) {
  std::vector<std::string> lines = NotebookLines(text);
  // A page loads one world, the one its first world line names (the one CanShowPage
  // checked), and lists the worlds once: repeated lines would each read files again, and
  // a world's own "%e" would splice its description forever.
  bool worldLoaded = false, listed = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    char c = NotebookControl(lines[i]);
    if ((c == 'w' || c == 'e') && worldLoaded) continue;
    if (c == 'b' && listed) continue;
    if (c == 'b') {
      listed = true;
      FillWorldList();
      if (rooms) rooms->ShowWorldList(worldList_);
    } else if (c == 'w') {
      worldLoaded = true;
      LoadLevelWorld(NotebookNumber(lines[i]));
    } else if (c == 'e') {
      worldLoaded = true;
      int entry = page - 2;
      if (entry >= 0 && entry < static_cast<int>(worldList_.size())) LoadWorkshopWorld(worldList_[entry]);
      if (world && world->IsEditable() && rooms) rooms->ShowEditButton();
      // The page goes on in the world's description.
      std::vector<std::string> more = NotebookLines(world ? world->DescriptionText() : std::string());
      lines.erase(lines.begin() + static_cast<long>(i) + 1, lines.end());
      lines.insert(lines.end(), more.begin(), more.end());
    }
  }
}

void Progression::UpdateCornerAndNumber(int page) {
  int key = shell_.CurrentBook * 100 + page;
  bool open = page < PageCount(shell_.CurrentBook) - 1 && key < shell_.Progress;
  if (rooms) {
    rooms->ShowCorner(open);
    rooms->SetPageNumber(page + 1, open);
  }
}

void Progression::PreviousPage() {
  int p = shell_.CurrentPage;
  if (p == 0) return;
  ShowPage(shell_.CurrentBook == 3 && p > 1 ? 1 : p - 1);
}

void Progression::LastPage() {
  int p = std::min(shell_.Progress - shell_.CurrentBook * 100, PageCount(shell_.CurrentBook) - 1);
  ShowPage(p);
}

void Progression::ShowWorldPage(int entry) {
  const int page = entry + 2;
  const int count = static_cast<int>(worldList_.size());
  if (shell_.CurrentBook != 3 || entry < 0 || entry >= count) return;
  if (shell_.CurrentBook * 100 + page <= shell_.Progress) return ShowPage(page);
  // The frontier stands on the first world whose test is not passed yet.
  const int holding = shell_.Progress - shell_.CurrentBook * 100 - 2;
  const std::string opener = holding >= 0 && holding < count ? "the test of the world " + worldList_[holding]
                                                             : "the tests of the worlds before it";
  host_.Message("The world " + worldList_[entry] + " opens once you pass " + opener + ".", "Can't Load World");
}

void Progression::LoadLevelWorld(int level) {
  LoadIntoWorld(
      level, [this, level] { world->ReloadLevelTest(level); },
      [this, level] {
        std::string missing;
        return world->LevelAvailable(level, shell_.Progress, missing) && world->LoadLevel(level);
      });
}

void Progression::LoadWorkshopWorld(const std::string& name) {
  LoadIntoWorld(
      shell_.CurrentPage + 1000, [this] { world->ReloadTest(); },
      [this, &name] {
        std::string missing;
        return world->WorldAvailable(name, shell_.Progress, missing) && world->LoadWorldFile(name);
      });
}

// A world already loaded re-reads only its test; otherwise it loads with the timer off.
void Progression::LoadIntoWorld(int id, const std::function<void()>& reloadTest, const std::function<bool()>& load) {
  if (!world) return;
  if (id == shell_.WorldId) {
    reloadTest();
    return;
  }
  if (rooms) rooms->SuspendTicks();
  if (load()) {
    world->StopWorld();
    world->ResetWorld();
    if (brains) brains->ResetAll();
    world->ShowWindow(true);
    shell_.WorldId = id;
  }
  shell_.ResetExperiment();
  if (rooms) rooms->ResumeTicks();
}

void Progression::UnloadWorld() {
  if (shell_.WorldId == 0) return;
  shell_.ResetExperiment();
  if (rooms) rooms->SuspendTicks();
  if (brains) {
    brains->ReleaseWorldBrains();
    brains->ResetAll();
  }
  if (world) world->ClearWorld();
  shell_.TestDuration = shell_.TestTarget = shell_.TestType = shell_.WorldId = 0;
  if (rooms) rooms->ResumeTicks();
}

void Progression::EnterAccessCode(const std::string& typed) {
  std::string lower = typed;
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  if (lower == "lumenfox") {
    shell_.Progress = 400;
    host_.Message("    All demo experiments completed.\n    The next level is back in the lab.\nYou also have access to the workshop.",
                  "Access All Areas");
    return;
  }
  if (lower == "rivetsun") {
    shell_.PagePlayState = 0;
    shell_.PagePlay = true;
    return;
  }
  static const struct {
    const char* word;
    int base;
  } codes[] = {{"vusk", 100}, {"qorp", 200}, {"psen", 400}, {"dorq", 500}, {"ulzi", 700}};
  if (lower.size() < 4 || lower.size() > 6) return;
  for (const auto& code : codes) {
    if (lower.compare(0, 4, code.word) != 0) continue;
    std::string digits = typed.substr(4, 2);
    char* end = nullptr;
    long number = std::strtol(digits.c_str(), &end, 10);
    if (digits.empty() || *end != '\0') number = 0;
    shell_.Progress = code.base + number;
    return;
  }
}

// Waiting for a run to end; meanwhile the world window changes its size at random.
void Progression::PagePlayWait(int next) {
  if (shell_.TickCount > 10000) shell_.ResetExperiment();
  if (world && shell_.TickCount % 500 == 0) world->SetClientWidth(200 + random.below(400));
  if (world && shell_.TickCount % 500 == 250) world->SetClientHeight(150 + random.below(400));
  if (!shell_.Testing && !(world && world->IsBusy())) shell_.PagePlayState = next;
}

void Progression::PagePlayStep() {
  int& state = shell_.PagePlayState;
  const std::string brainBase = "testbrain\\w" + std::to_string(shell_.WorldId);
  switch (state) {
    case 0: {
      int book = shell_.Progress / 100;
      if (book > 7) {
        shell_.Progress = 100;
        book = 1;
      }
      if (rooms) {
        rooms->ShowTitle(false);
        rooms->ShowRoom(RoomOfBook(book), true);
      }
      if (brains) brains->ShowWindow();
      state = 1;
      break;
    }
    case 1:
      ShowBook(shell_.Progress / 100);
      state = 2;
      break;
    case 2:
      ShowPage(shell_.CurrentPage + 1);
      if (shell_.TestType != NoTest) state = 3;
      if (shell_.CurrentPage == PageCount(shell_.CurrentBook) - 1) state = 11;
      break;
    case 3:
    case 7:
      if (brains) brains->LoadBrainFile(brainBase + (state == 3 ? "f.brn" : ".brn"));
      ++state;
      break;
    case 4:
    case 8:
      shell_.StartTest();
      ++state;
      break;
    case 5:
    case 9:
      shell_.RunWorld();
      ++state;
      break;
    case 6:
      PagePlayWait(7);
      break;
    case 10:
      PagePlayWait(2);
      break;
    case 11:
      ShowBook(0);
      state = 12;
      break;
    default:
      if (rooms) {
        Room shown = rooms->ShownRoom();
        if (shown != Room::None) rooms->ShowRoom(shown, false);
        rooms->ShowTitle(true);
      }
      state = 0;
      break;
  }
}
