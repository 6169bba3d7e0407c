#pragma once
// The notebook's view of the brain collection (the brain window wraps the same calls).
#include <functional>

#include "brain/BrainCollection.h"
#include "shell/ProgressionPorts.h"

class CollectionBrainLoader : public IBrainLoader {
 public:
  explicit CollectionBrainLoader(TBrainCollection& brains) : brains_(brains) {}
  void ReleaseWorldBrains() override { brains_.ReleaseWorldBrains(); }
  void ResetAll() override { brains_.ResetAll(); }
  void LoadBrainFile(const std::string& path) override { brains_.LoadBrainFile(path); }
  void ShowWindow() override {
    if (showWindow) showWindow();
  }
  std::function<void()> showWindow;

 private:
  TBrainCollection& brains_;
};
