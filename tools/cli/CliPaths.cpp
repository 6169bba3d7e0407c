#include "CliPaths.h"

#include <filesystem>
#include <set>

namespace fs = std::filesystem;

namespace {
bool EndsWith(const std::string& s, const std::string& tail) {
  return s.size() > tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool NamesAFile(const std::string& s) {
  if (s.find('/') != std::string::npos) return true;
  for (const char* ending : {".wld", ".brn", ".brx", ".png", ".txt", ".lib", ".json", ".map"})
    if (EndsWith(s, ending)) return true;
  return false;
}

// Options whose value is a file.
const std::set<std::string>& FileOptions() {
  static const std::set<std::string> options{"--shown", "--script", "--save", "--out", "--csv",
                                             "--samples", "--plot"};
  return options;
}
// Options whose value is something else; their values are not positional arguments.
const std::set<std::string>& ValueOptions() {
  static const std::set<std::string> options{"--inputs", "--outputs", "--ticks",     "--cycles", "--set",
                                             "--size",   "--progress", "--max-ticks", "--seed",   "--drive", "--zoom",
                                             "--rate",   "--momentum", "--train",     "--seeds",  "--trace"};
  return options;
}

// Which positional arguments of a command are files, whatever they are called.
bool PositionalIsFile(const std::string& command, int index) {
  if (command == "brain-run" || command == "brain-edit") return index == 0;
  if (command == "world-save") return index == 1;
  if (command == "board-png") return index <= 1;
  if (command == "grade") return index >= 1;  // the learners' brains or their folders
  return false;
}
}  // namespace

std::string FromStartFolder(const std::string& path, const std::string& start) {
  if (path.empty() || path == "-" || path[0] == '/' || start.empty()) return path;
  return (fs::path(start) / path).lexically_normal().string();
}

std::vector<std::string> ResolveStartPaths(const std::string& command, const std::vector<std::string>& args,
                                           const std::string& start) {
  std::vector<std::string> out = args;
  int positional = 0;
  for (size_t k = 0; k < out.size(); ++k) {
    const std::string& a = out[k];
    const bool more = k + 1 < out.size();
    if (a == "--brain" && more) {
      std::string& value = out[++k];
      const size_t eq = value.find('=');
      if (eq != std::string::npos) value = value.substr(0, eq + 1) + FromStartFolder(value.substr(eq + 1), start);
    } else if (FileOptions().count(a) && more) {
      out[k + 1] = FromStartFolder(out[k + 1], start);
      ++k;
    } else if (ValueOptions().count(a) && more) {
      ++k;
    } else if (a.rfind("--", 0) != 0) {
      if (PositionalIsFile(command, positional) || NamesAFile(a)) out[k] = FromStartFolder(a, start);
      ++positional;
    }
  }
  return out;
}

std::string DefaultDataFolder(const std::string& current, const std::string& executableFolder) {
  std::error_code ec;
  auto holdsPalette = [&ec](const fs::path& folder) { return fs::is_regular_file(folder / "quorbit.pal", ec); };
  if (holdsPalette(current)) return current;
  if (executableFolder.empty()) return "";
  for (const fs::path& candidate : {fs::path(executableFolder) / "data", fs::path(executableFolder) / ".." / "share" / "quorbit"})
    if (holdsPalette(candidate)) return candidate.lexically_normal().string();
  return "";
}
