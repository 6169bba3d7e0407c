#pragma once
// Books, pages and progress: which page may be read, what opening it loads, how the
// frontier moves, the access codes and the automatic page-play mode.
#include <functional>
#include <string>
#include <vector>

#include "platform/Host.h"
#include "platform/Random.h"
#include "shell/MainShell.h"
#include "shell/ProgressionPorts.h"

class Progression : public IPagePlay {
 public:
  Progression(MainShell& shell, Host host) : shell_(shell), host_(host) {}

  IWorldLoader* world = nullptr;
  IBrainLoader* brains = nullptr;
  IEditorGate* editor = nullptr;
  IRoomView* rooms = nullptr;

  void ShowBook(int book);
  void ShowPage(int page);
  bool CanShowPage(int page, std::string& missing);
  void NextPage() { ShowPage(shell_.CurrentPage + 1); }
  void PreviousPage();
  void LastPage();
  // The workshop's "Go to" and "New": opens the page of world list entry n, or says which
  // world's test the learner must pass before that page opens.
  void ShowWorldPage(int entry);
  void LoadLevelWorld(int level);
  void LoadWorkshopWorld(const std::string& name);
  void UnloadWorld();
  // The access-code dialog's OK.
  void EnterAccessCode(const std::string& typed);
  void PagePlayStep() override;

  // Page count of a book, with the workshop's list length + 2.
  int PageCount(int book) const;
  // The page's markup (the workshop's world pages share page 2's text).
  std::string PageTextOf(int book, int page) const;
  const std::vector<std::string>& worldList() const { return worldList_; }
  // "worlds\*.wld" names up to their first ".".
  void FillWorldList();
  void AddWorld(const std::string& name) { worldList_.push_back(name); }
  // The room where a book's notebook lies.
  static Room RoomOfBook(int book);
  Random random{12345};

 private:
  bool EditorLetsGo();
  void OpenPageLines(int page, const std::string& text);
  void UpdateCornerAndNumber(int page);
  void PagePlayWait(int next);
  void LoadIntoWorld(int id, const std::function<void()>& reloadTest, const std::function<bool()>& load);

  MainShell& shell_;
  Host host_;
  std::vector<std::string> worldList_;
  bool worldListShown_ = false;
};
