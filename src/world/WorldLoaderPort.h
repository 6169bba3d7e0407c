#pragma once
// What notebook navigation asks of the world: load a level or a workshop world, its
// test and description, and the window that shows it.
#include <string>

class IWorldLoader {
 public:
  virtual ~IWorldLoader() = default;
  virtual bool LevelAvailable(int level, int progress, std::string& missing) = 0;
  virtual bool LoadLevel(int level) = 0;
  virtual void ReloadLevelTest(int level) = 0;
  virtual bool WorldAvailable(const std::string& name, int progress, std::string& missing) = 0;
  virtual bool LoadWorldFile(const std::string& name) = 0;
  virtual void ReloadTest() = 0;
  // The loaded world's description, page markup ending with a "#" line.
  virtual std::string DescriptionText() = 0;
  virtual bool IsEditable() = 0;
  virtual void ClearWorld() = 0;
  // A verdict movie is queued or playing.
  virtual bool IsBusy() = 0;
  virtual void StopWorld() = 0;
  virtual void ResetWorld() = 0;
  virtual void ShowWindow(bool shown) = 0;
  virtual void SetClientWidth(int width) = 0;
  virtual void SetClientHeight(int height) = 0;
};
