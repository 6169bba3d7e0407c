#include "shell/NewWorldCheck.h"

#include "world/WorldFile.h"

#include <cerrno>
#include <cstdlib>

int SizeBoxValue(const std::string& text, int fallback) {
  if (text.empty()) return fallback;
  errno = 0;
  char* end = nullptr;
  long v = std::strtol(text.c_str(), &end, 10);
  while (end && *end == ' ') ++end;
  if (errno != 0 || !end || *end != '\0' || v < -2147483647L || v > 2147483647L) return fallback;
  return static_cast<int>(v);
}

std::string CheckNewWorld(const std::string& name, const std::string& width, const std::string& length,
                          const std::vector<std::string>& existingFiles) {
  if (name.empty()) return "Please enter a Name for the world";
  // The name becomes a file name in "worlds": nothing that would reach another folder.
  if (name.find_first_of("\\/:*?\"<>|") != std::string::npos || name == "." || name == "..")
    return "A world name cannot contain \\ / : * ? \" < > or |";
  // The world list names a file by what comes before its first ".".
  if (name.find('.') != std::string::npos) return "A world name cannot contain .";
  for (const std::string& file : existingFiles)
    if (file.substr(0, file.find('.')) == name) return "A world with that name already exists\nPlease enter a different name";
  const int x = SizeBoxValue(width, 0), y = SizeBoxValue(length, 0);
  if (x < 10) return "Please enter Width of at least 10";
  if (y < 10) return "Please enter Length of at least 10";
  // No larger than a world file may be read back.
  const std::string most = std::to_string(TWorldFile::MaxMapSide);
  if (x > TWorldFile::MaxMapSide) return "Please enter Width of at most " + most;
  if (y > TWorldFile::MaxMapSide) return "Please enter Length of at most " + most;
  if (static_cast<long long>(x) * y > TWorldFile::MaxMapCells)
    return "Please enter a Width and Length whose product is at most " + std::to_string(TWorldFile::MaxMapCells);
  return {};
}
