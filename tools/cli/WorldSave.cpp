// world-save: reads a world and writes it back as the world editor's Save does.
#include <cstdio>

#include "Cli.h"
#include "WorldCli.h"

namespace {
int WorldSave(const std::vector<std::string>& args, Host& host) {
  if (args.size() != 2) return UsageError("usage: world-save IN OUT");
  CliWorld w(host);
  if (!w.Read(args[0])) return ExitFailed;
  if (!w.file.SaveWorld(args[1])) return ExitFailed;
  std::printf("{\"saved\":%s,\"critters\":%zu,\"pictures\":%zu}\n", JsonString(args[1]).c_str(),
              w.world->critters.size(), w.world->pictures.size());
  return ExitOk;
}
}  // namespace

QUORBIT_CLI_COMMAND(world_save, "world-save", "world-save IN OUT", WorldSave);
