#pragma once
// Loading experiments into the world: level worlds from the level map, workshop worlds
// from "worlds\", and re-reading only the test of the one already loaded. The shell's
// notebook uses this through IWorldLoader; the command line's tests use it directly.
#include <functional>
#include <string>

#include "world/WorldLoaderPort.h"
#include "bodies/Gizmo.h"
#include "world/LevelMap.h"
#include "world/WorldFile.h"

class TWorldLoader : public IWorldLoader {
 public:
  TWorldLoader(TWorld& world, IWorldFileBrains* brains, IWorldTestHolder* test);

  bool LevelAvailable(int level, int progress, std::string& missing) override;
  bool LoadLevel(int level) override;
  void ReloadLevelTest(int level) override;
  bool WorldAvailable(const std::string& name, int progress, std::string& missing) override;
  bool LoadWorldFile(const std::string& name) override;
  // A world file given by its path rather than by a name in "worlds\" (the command
  // line's tests); re-reading its test is not offered.
  bool LoadWorldPath(const std::string& path);
  void ReloadTest() override;
  std::string DescriptionText() override { return world_.description; }
  bool IsEditable() override { return world_.editable; }
  void ClearWorld() override;
  bool IsBusy() override;
  void StopWorld() override { world_.StopWorld(); }
  void ResetWorld() override { world_.ResetWorld(); }
  void ShowWindow(bool shown) override {
    if (showWindow) showWindow(shown);
  }
  void SetClientWidth(int width) override {
    if (resizeWindow) resizeWindow(width, world_.clientHeight());
  }
  void SetClientHeight(int height) override {
    if (resizeWindow) resizeWindow(world_.clientWidth(), height);
  }

  // How the [GIZMOS] rows reach the Lab brain and the sounds; without it no gizmos.
  const GizmoPorts* gizmoPorts = nullptr;
  std::function<void(bool)> showWindow;
  std::function<void(int, int)> resizeWindow;
  LevelMap levels;
  // The reader, for its limits.
  TWorldFile& file() { return file_; }

 private:
  // The test lines found, or none: the test critter and the shell's test follow them.
  void TakeTest(const std::vector<std::string>* lines);
  // Turns the rows read under [GIZMOS] into gizmos, in list order.
  void BuildGizmos();

  TWorld& world_;
  TWorldFile file_;
  IWorldTestHolder* test_;
  std::string worldName_;
};
