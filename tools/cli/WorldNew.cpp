// world-new: writes a fresh world "worlds\NAME.wld" in the current folder.
#include <cstdio>
#include <cstdlib>

#include "Cli.h"
#include "world/WorldFile.h"

namespace {
bool Side(const std::string& text, int& v) {
  char* end = nullptr;
  long n = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end || n < 1 || n > 1000) return false;
  v = static_cast<int>(n);
  return true;
}

int WorldNew(const std::vector<std::string>& args, Host& host) {
  int x = 0, y = 0;
  if (args.size() != 3 || args[0].empty() || !Side(args[1], x) || !Side(args[2], y))
    return UsageError("usage: world-new NAME X Y (sides from 1 to 1000)");
  if (args[0].find_first_of("/\\ ") != std::string::npos) return UsageError("a world name is one word without folders");
  // No larger, and no name the world list cannot open, than the program itself reads back.
  if (x * y > TWorldFile::MaxMapCells)
    return UsageError("a world has at most " + std::to_string(TWorldFile::MaxMapCells) + " cells (X times Y)");
  if (args[0].find('.') != std::string::npos) return UsageError("a world name holds no \".\"");
  if (!TWorldFile::NewWorld(host, args[0], x, y)) return ExitFailed;
  std::printf("{\"created\":%s,\"x\":%d,\"y\":%d}\n", JsonString("worlds\\" + args[0] + ".wld").c_str(), x, y);
  return ExitOk;
}
}  // namespace

QUORBIT_CLI_COMMAND(world_new, "world-new", "world-new NAME X Y", WorldNew);
