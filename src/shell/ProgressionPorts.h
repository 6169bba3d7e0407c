#pragma once
// What notebook navigation asks of the world window, the brain window, the editor and
// the main window's rooms.
#include <string>
#include <vector>

#include "world/WorldLoaderPort.h"

class IBrainLoader {
 public:
  virtual ~IBrainLoader() = default;
  virtual void ReleaseWorldBrains() = 0;
  virtual void ResetAll() = 0;
  // Loads a brain file into the shown brain (the board under the first tab).
  virtual void LoadBrainFile(const std::string& path) = 0;
  virtual void ShowWindow() = 0;
};

class IEditorGate {
 public:
  virtual ~IEditorGate() = default;
  virtual bool Exists() = 0;
  virtual bool HasUnsavedChanges() = 0;
  // False when the world was not written (the learner's edits are still unsaved).
  virtual bool Save() = 0;
  virtual void ForgetChanges() = 0;
  virtual void Hide() = 0;
};

enum class Room { None, Lab, LadyBugWorld, Workshop, Bunker, Island };

// The main window's pictures that books and pages change.
class IRoomView {
 public:
  virtual ~IRoomView() = default;
  virtual void ShowTitle(bool visible) = 0;
  virtual void ShowRoom(Room room, bool visible) = 0;
  virtual Room ShownRoom() = 0;
  // The open-book pictures, and the room's notebook pictures hidden while it is open.
  virtual void ShowOpenBook(bool open) = 0;
  virtual void SetPageNumber(int shownNumber, bool black) = 0;
  virtual void ShowCorner(bool shown) = 0;
  virtual void HideWorldListControls() = 0;
  // Shows the list with its New and Go to buttons, filled with the names.
  virtual void ShowWorldList(const std::vector<std::string>& names) = 0;
  virtual void ShowEditButton() = 0;
  virtual void RepaintBook() = 0;
  // Loading runs with the timer off and pending window messages handled first.
  virtual void SuspendTicks() = 0;
  virtual void ResumeTicks() = 0;
};
