#pragma once
// The built-in levels: worlds that lie together in "level.map", each under a header
// "[LEVEL<n>]", and the check whether a level or a user world uses bodies that the
// player's progress has not unlocked yet.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class IMessages;

// The progress a critter type word needs, 0 when it needs none.
int CritterUnlockThreshold(const std::string& type);
// The progress a gizmo line needs, 0 when it needs none; name is set to its report name.
int GizmoUnlockThreshold(const std::string& line, std::string* name);

// Where the level's world starts: the position just after its header line, or npos.
// The header is found by skipping to each "[" in turn and comparing the rest of that
// line (at most 199 characters) with "LEVEL<n>]" as a whole.
size_t FindLevelHeader(const std::string& text, int level);

// The availability scan from pos: one whole line is read first, then every "[" starts a
// header. [GIZMOS] reports its last locked gizmo, [CRITTERS] its first locked critter;
// each section scan also reads the header that ends it, which therefore is not examined.
// [END] ends the scan. False when something is locked, with its name in missingName.
bool ScanAvailability(const std::string& text, size_t pos, int progress, std::string* missingName);

// The lines of the next [TEST] section after pos (its content lines, without the header),
// or nothing when an [END] header (or the end of the text) comes first.
bool FindTestSection(const std::string& text, size_t pos, std::vector<std::string>& testLines);

class LevelMap {
 public:
  // Paths are relative to folder ("" = the working folder).
  explicit LevelMap(IMessages* messages, std::string folder = "") : messages_(messages), folder_(std::move(folder)) {}

  // Receives the level's world: the lines after its header, to the end of the map (the
  // world reader stops at its own [END]).
  using WorldReader = std::function<void(const std::vector<std::string>& lines)>;
  // Receives the level's test section lines, or nullptr when the level has no test.
  using TestReader = std::function<void(const std::vector<std::string>* testLines)>;

  bool LoadLevel(int level, const WorldReader& readWorld);
  bool LevelAvailable(int level, int progress, std::string* missingName);
  bool WorldAvailable(const std::string& name, int progress, std::string* missingName);
  bool ReloadLevelTest(int level, const TestReader& readTest);

  std::string mapFile = "level.map";

 private:
  // The map's text and the position after the level's header; false (reported) when the
  // map cannot be opened or holds no such level.
  bool FindLevel(int level, std::string& text, size_t& pos);
  std::string Path(const std::string& path) const;
  void Report(const char* text) const;

  IMessages* messages_;
  std::string folder_;
};
