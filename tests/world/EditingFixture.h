#pragma once
// A world editor on a world read from text, working in the data folder (picture sets and
// the scenery catalogue) and saving into a temporary folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "support/Fakes.h"
#include "world/WorldEditing.h"

class FakeEditorBrains : public IEditorBrains {
 public:
  void ReleaseWorldBrains() override {}
  int AttachBrain(const std::string& name, const ChannelMask&, bool hidden, const ChannelMask&) override {
    attached.push_back(name);
    hiddenFlags.push_back(hidden);
    names.push_back(name);
    return static_cast<int>(names.size()) - 1;
  }
  std::string BrainName(int number) override {
    return number >= 0 && number < static_cast<int>(names.size()) ? names[static_cast<size_t>(number)] : "";
  }
  void ReleaseBrain(int number) override { released.push_back(number); }
  std::vector<std::string> attached, names;
  std::vector<bool> hiddenFlags;
  std::vector<int> released;
};

// A flat map of grass, every cell at height 0.
inline std::string FlatWorld(int X, int Y) {
  std::string text = "[PICS]\n0 grass\n[MAP]\n" + std::to_string(X) + " " + std::to_string(Y) + "\n";
  for (int x = 0; x < X; ++x) {
    for (int y = 0; y < Y; ++y) text += "0 0 ";
    text += "\n";
  }
  return text + "[END]\n";
}

class EditingTest : public ::testing::Test {
 protected:
  EditingTest() : keep_(std::filesystem::current_path()) {
    std::filesystem::current_path(QUORBIT_TEST_DATA_DIR);
  }
  ~EditingTest() override { std::filesystem::current_path(keep_); }

  void Load(const std::string& text) {
    file.ReadWorldText(text);
    world.SetClientSize(320, 240);
    ed.OpenEditor(999);
  }

  std::filesystem::path keep_;
  FakeHost fake;
  FakeEditorBrains brains;
  TStoredTest test;
  TWorld world{fake.host(), WorldPorts{}, Palette{}};
  TWorldFile file{world, &brains, &test};
  TWorldEditing ed{world, fake.host(), &brains, &test};
  TempFolder out;
};
