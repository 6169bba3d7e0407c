#pragma once
// The small key=value file that remembers progress, monitor mode and the open page.
#include <string>
#include <vector>

class SettingsStore {
 public:
  // Reads the file whole; false when it cannot be read (the list is then empty).
  bool Load(const std::string& path);
  // Writes the list with CR LF line ends, atomically; false when that fails.
  bool Save(const std::string& path) const;

  // Value of the first line whose name equals key (any case); 0 when absent, empty or
  // not a decimal integer.
  int ReadSetting(const std::string& key) const;
  // Replaces the value of that line in place, or appends key=value.
  void WriteSetting(const std::string& key, int value);

  const std::vector<std::string>& lines() const { return lines_; }
  void SetText(const std::string& text);

 private:
  int FindLine(const std::string& key) const;
  std::vector<std::string> lines_;
};

// The window sizes a learner chose, kept apart for each kind of world: the rooms with no
// world, the lab bench (a world of fixed size), the level worlds with ground and critters,
// and the learner's own workshop worlds. A size of 0 means none was kept.
enum class WorldKind { Room, Bench, Terrain, Workshop };
struct WindowSizes {
  int brainWidth = 0, brainHeight = 0, worldWidth = 0, worldHeight = 0;
  bool operator==(const WindowSizes&) const = default;
};
// Sizes outside 1..10000 (a damaged or hand-edited file) read as none kept.
WindowSizes ReadWindowSizes(const SettingsStore& settings, WorldKind kind);
// Writes the kept sizes of that kind (those above 0) under keys such as "BenchBrainWidth".
void WriteWindowSizes(SettingsStore& settings, WorldKind kind, const WindowSizes& sizes);

// Where the settings file lives: beside the executable, or, when that folder cannot be
// written, in the user's configuration folder. Creates the file with the defaults when
// it is missing. Returns the path to use for both reading and writing.
std::string LocateSettingsFile(const std::string& executableFolder);
