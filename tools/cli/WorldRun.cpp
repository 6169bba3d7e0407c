// world-run: loads a world with its brains, steps world and brains together in the
// tick's order and prints every critter's state as one JSON line per tick.
#include <cstdio>
#include <cstdlib>

#include "Cli.h"
#include "WorldCli.h"
#include "platform/Files.h"

namespace {
struct BrainFile {
  std::string board, path;
};

std::string CritterJson(int n, const TCritter& c) {
  char buf[160];
  std::snprintf(buf, sizeof buf, ",\"x\":%.6g,\"y\":%.6g,\"z\":%.6g,\"heading\":%d,\"energy\":%.6g,\"dead\":%s}",
                static_cast<double>(c.x), static_cast<double>(c.y), static_cast<double>(c.z),
                const_cast<TCritter&>(c).getHeading(), static_cast<double>(c.energy), c.dead ? "true" : "false");
  return "{\"n\":" + std::to_string(n) + ",\"type\":" + JsonString(c.typeName) + ",\"name\":" + JsonString(c.name) +
         buf;
}

int WorldRun(const std::vector<std::string>& args, Host& host) {
  std::string worldName;
  std::vector<BrainFile> brainFiles;
  long ticks = 1;
  bool run = false;
  for (size_t k = 0; k < args.size(); ++k) {
    const std::string& a = args[k];
    const bool more = k + 1 < args.size();
    if (a == "--run") {
      run = true;
    } else if (a == "--ticks" && more) {
      char* end = nullptr;
      ticks = std::strtol(args[++k].c_str(), &end, 10);
      if (*end || ticks < 0 || ticks > 1000000) return UsageError("--ticks takes a number from 0 to 1000000");
    } else if (a == "--brain" && more) {
      BrainFile b;
      if (!SplitBrainArgument(args[++k], b.board, b.path)) return UsageError("--brain takes NAME=FILE");
      brainFiles.push_back(b);
    } else if (a.rfind("--", 0) != 0 && worldName.empty()) {
      worldName = a;
    } else {
      return UsageError("unexpected argument " + a);
    }
  }
  if (worldName.empty()) return UsageError("usage: world-run WORLD [--brain NAME=FILE]... [--ticks N] [--run]");

  CliWorld w(host);
  if (!w.Read(worldName)) return ExitFailed;
  for (const BrainFile& b : brainFiles)
    if (!LoadBrainInto(w, b.board, b.path)) return ExitFailed;
  TWorld& world = *w.world;
  world.ResetWorld();
  w.brains.ResetAll();
  if (run) world.StartWorld();
  for (long t = 1; t <= ticks; ++t) {
    world.Step(static_cast<int>(t), run, false);
    w.brains.StepAll(run);
    std::string line = "{\"tick\":" + std::to_string(t) + ",\"critters\":[";
    for (size_t n = 0; n < world.critters.size(); ++n)
      line += (n ? "," : "") + CritterJson(static_cast<int>(n), *world.critters[n]);
    std::printf("%s]}\n", line.c_str());
  }
  return ExitOk;
}
}  // namespace

QUORBIT_CLI_COMMAND(world_run, "world-run", "world-run WORLD [--brain NAME=FILE]... [--ticks N] [--run]", WorldRun);
