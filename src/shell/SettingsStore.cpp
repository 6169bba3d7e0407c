#include "shell/SettingsStore.h"

#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/Files.h"

namespace {
bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

// A decimal integer with optional sign and surrounding blanks; anything else is 0.
int ParseDecimal(const std::string& text) {
  size_t i = 0, n = text.size();
  while (i < n && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < n && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  size_t digits = i;
  long long value = 0;
  while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) {
    value = value * 10 + (text[i++] - '0');
    if (value > 2147483648LL) return 0;
  }
  if (i == digits) return 0;
  while (i < n && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  if (i != n) return 0;
  value = negative ? -value : value;
  if (value > 2147483647LL) return 0;
  return static_cast<int>(value);
}
}  // namespace

bool SettingsStore::Load(const std::string& path) {
  lines_.clear();
  auto text = ReadFileText(path, 1u << 20);
  if (!text) return false;
  SetText(*text);
  return true;
}

void SettingsStore::SetText(const std::string& text) { lines_ = SplitLines(text); }

bool SettingsStore::Save(const std::string& path) const {
  std::string text;
  for (const std::string& line : lines_) text += line + "\r\n";
  if (WriteFileAtomic(path, text)) return true;
  // A folder that takes no new file may still hold a settings file we can write: writing
  // it over in place beats losing the session's progress. Only then: when the data could
  // not be written (a full disk), writing in place would lose the old file as well.
  const int why = errno;
  if (why != EACCES && why != EPERM && why != EROFS && why != EEXIST && why != EISDIR) return false;
  const std::string target = NativePath(path);
  if (!FileExists(path)) return false;
  std::ofstream out(target, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.flush();
  return static_cast<bool>(out);
}

int SettingsStore::FindLine(const std::string& key) const {
  for (size_t i = 0; i < lines_.size(); ++i) {
    size_t eq = lines_[i].find('=');
    if (eq != std::string::npos && SameName(lines_[i].substr(0, eq), key)) return static_cast<int>(i);
  }
  return -1;
}

int SettingsStore::ReadSetting(const std::string& key) const {
  int i = FindLine(key);
  if (i < 0) return 0;
  const std::string& line = lines_[i];
  return ParseDecimal(line.substr(line.find('=') + 1));
}

void SettingsStore::WriteSetting(const std::string& key, int value) {
  int i = FindLine(key);
  if (i < 0) {
    lines_.push_back(key + "=" + std::to_string(value));
    return;
  }
  std::string& line = lines_[i];
  line = line.substr(0, line.find('=') + 1) + std::to_string(value);
}

namespace {
const char* KindName(WorldKind kind) {
  switch (kind) {
    case WorldKind::Bench: return "Bench";
    case WorldKind::Terrain: return "Terrain";
    case WorldKind::Workshop: return "Workshop";
    default: return "Room";
  }
}
constexpr int LargestSize = 10000;
}  // namespace

WindowSizes ReadWindowSizes(const SettingsStore& settings, WorldKind kind) {
  const std::string k = KindName(kind);
  auto read = [&](const char* what) {
    const int v = settings.ReadSetting(k + what);
    return v > 0 && v <= LargestSize ? v : 0;
  };
  return {read("BrainWidth"), read("BrainHeight"), read("WorldWidth"), read("WorldHeight")};
}

void WriteWindowSizes(SettingsStore& settings, WorldKind kind, const WindowSizes& sizes) {
  const std::string k = KindName(kind);
  auto write = [&](const char* what, int v) {
    if (v > 0 && v <= LargestSize) settings.WriteSetting(k + what, v);
  };
  write("BrainWidth", sizes.brainWidth);
  write("BrainHeight", sizes.brainHeight);
  write("WorldWidth", sizes.worldWidth);
  write("WorldHeight", sizes.worldHeight);
}

std::string LocateSettingsFile(const std::string& executableFolder) {
  namespace fs = std::filesystem;
  std::string beside = (fs::path(executableFolder) / "quorbit.reg").string();
  if (FileExists(beside)) return beside;
  if (FolderWritable(executableFolder) && WriteFileAtomic(beside, std::string())) return beside;
  const char* config = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  fs::path folder = config && *config ? fs::path(config) : fs::path(home ? home : ".") / ".config";
  folder /= "quorbit";
  std::error_code ec;
  fs::create_directories(folder, ec);
  std::string fallback = (folder / "quorbit.reg").string();
  if (!FileExists(fallback)) WriteFileAtomic(fallback, std::string());
  return fallback;
}
