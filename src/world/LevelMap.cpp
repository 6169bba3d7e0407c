#include "world/LevelMap.h"

#include <cstdio>

#include "bodies/CritterTypes.h"
#include "platform/DataNames.h"
#include "platform/Files.h"
#include "platform/Host.h"

namespace {
constexpr size_t MaxHeaderRest = 199;
constexpr size_t MaxMapBytes = 16u << 20;
const char* const LoadWorldError = "Load World Error";

// The map read as a character stream, the way the searches walk it.
class MapStream {
 public:
  MapStream(const std::string& text, size_t pos) : text_(text), pos_(std::min(pos, text.size())) {}
  bool atEnd() const { return pos_ >= text_.size(); }
  size_t position() const { return pos_; }

  // Skips up to and including the next "["; false at the end of the text.
  bool SkipPastBracket() {
    size_t at = text_.find('[', pos_);
    pos_ = at == std::string::npos ? text_.size() : at + 1;
    return at != std::string::npos;
  }
  // The rest of the line, at most max characters; the line end is taken when reached.
  std::string ReadRest(size_t max) {
    std::string out;
    while (pos_ < text_.size() && text_[pos_] != '\n' && out.size() < max) out += text_[pos_++];
    if (pos_ < text_.size() && text_[pos_] == '\n' && out.size() < max) ++pos_;
    if (!out.empty() && out.back() == '\r') out.pop_back();
    return out;
  }
  std::string ReadLine() { return ReadRest(std::string::npos); }

 private:
  const std::string& text_;
  size_t pos_;
};

bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

// Gizmo lines up to and including the next header line.
void ScanGizmos(MapStream& in, int progress, bool& available, std::string* missingName) {
  while (!in.atEnd()) {
    const std::string line = in.ReadLine();
    if (StartsWith(line, "[")) return;
    std::string name;
    if (progress < GizmoUnlockThreshold(line, &name)) {
      available = false;
      if (missingName) *missingName = name;
    }
  }
}

// Critter lines up to and including the next header line; only the first locked one counts.
void ScanCritters(MapStream& in, int progress, bool& available, std::string* missingName) {
  bool found = false;
  while (!in.atEnd()) {
    const std::string line = in.ReadLine();
    if (StartsWith(line, "[")) return;
    int number = 0;
    char type[100] = {};
    if (found || std::sscanf(line.c_str(), "%d %99s", &number, type) != 2) continue;
    if (progress < CritterUnlockThreshold(type)) {
      found = true;
      available = false;
      if (missingName) *missingName = type;
    }
  }
}
}  // namespace

int CritterUnlockThreshold(const std::string& type) {
  const CritterTypeInfo* info = FindCritterType(type);
  return info ? info->unlockProgress : 0;
}

int GizmoUnlockThreshold(const std::string& line, std::string* name) {
  const char* report = nullptr;
  if (!line.empty() && line[0] == '1') report = "Heart-1";
  if (!line.empty() && line[0] == '3') report = "Heart-3";
  if (!line.empty() && line[0] == 'm') report = "Muscle";
  if (!report) return 0;
  if (name) *name = report;
  return 400;
}

size_t FindLevelHeader(const std::string& text, int level) {
  const std::string key = "LEVEL" + std::to_string(level) + "]";
  MapStream in(text, 0);
  while (in.SkipPastBracket())
    if (in.ReadRest(MaxHeaderRest) == key) return in.position();
  return std::string::npos;
}

bool ScanAvailability(const std::string& text, size_t pos, int progress, std::string* missingName) {
  MapStream in(text, pos);
  bool available = true;
  in.ReadLine();
  while (in.SkipPastBracket()) {
    const std::string rest = in.ReadRest(MaxHeaderRest);
    if (StartsWith(rest, "GIZMOS"))
      ScanGizmos(in, progress, available, missingName);
    else if (StartsWith(rest, "CRITTERS"))
      ScanCritters(in, progress, available, missingName);
    else if (StartsWith(rest, "END"))
      break;
  }
  return available;
}

bool FindTestSection(const std::string& text, size_t pos, std::vector<std::string>& testLines) {
  testLines.clear();
  MapStream in(text, pos);
  while (!in.atEnd()) {
    const std::string line = in.ReadLine();
    if (StartsWith(line, "[END]")) return false;
    if (!StartsWith(line, "[TEST]")) continue;
    while (!in.atEnd()) {
      const std::string content = in.ReadLine();
      if (StartsWith(content, "[")) break;
      testLines.push_back(content);
    }
    return true;
  }
  return false;
}

std::string LevelMap::Path(const std::string& path) const {
  return folder_.empty() ? NativePath(path) : folder_ + "/" + NativePath(path);
}

void LevelMap::Report(const char* text) const {
  if (messages_) messages_->ShowMessage(text, LoadWorldError);
}

bool LevelMap::FindLevel(int level, std::string& text, size_t& pos) {
  auto map = ReadFileText(Path(mapFile), MaxMapBytes);
  if (!map) {
    Report("Couldn't open map file");
    return false;
  }
  text = std::move(*map);
  pos = FindLevelHeader(text, level);
  if (pos == std::string::npos) {
    Report("Couldn't find level");
    return false;
  }
  return true;
}

bool LevelMap::LoadLevel(int level, const WorldReader& readWorld) {
  std::string text;
  size_t pos = 0;
  if (!FindLevel(level, text, pos)) return false;
  if (readWorld) readWorld(SplitLines(text.substr(pos)));
  return true;
}

bool LevelMap::LevelAvailable(int level, int progress, std::string* missingName) {
  std::string text;
  size_t pos = 0;
  return FindLevel(level, text, pos) && ScanAvailability(text, pos, progress, missingName);
}

bool LevelMap::WorldAvailable(const std::string& name, int progress, std::string* missingName) {
  auto text = DataNameStaysInside(name) ? ReadFileText(Path("worlds\\" + name + ".wld"), MaxMapBytes) : std::nullopt;
  if (!text) {
    Report("Couldn't open world file");
    return false;
  }
  return ScanAvailability(*text, 0, progress, missingName);
}

bool LevelMap::ReloadLevelTest(int level, const TestReader& readTest) {
  std::string text;
  size_t pos = 0;
  if (!FindLevel(level, text, pos)) return false;
  std::vector<std::string> lines;
  const bool found = FindTestSection(text, pos, lines);
  if (readTest) readTest(found ? &lines : nullptr);
  return true;
}
