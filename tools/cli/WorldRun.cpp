// world-run: loads a world with its brains, runs the program's own tick (world, then
// brains) and prints every critter's state as one JSON line per tick. With --detail the
// line looks inside each body; with --drive a body's effectors are held at a value so it
// can be driven without a brain file.
#include <cinttypes>
#include <cstdio>
#include <cstdlib>

#include "Cli.h"
#include "CritterJson.h"
#include "WorldCli.h"
#include "shell/MainShell.h"
#include "shell/WorldWindowRelay.h"
#include "world/WorldHash.h"

namespace {
struct BrainFile {
  std::string board, path;
};

struct Drive {
  int critter = 0, channel = 0, value = 0;
};

struct RunArgs {
  std::string world;
  std::vector<BrainFile> brains;
  std::vector<Drive> drives;
  long ticks = 1;
  long seed = 1;
  bool run = false, detail = false, hash = false;
};

// "N:CH=V".
bool ParseDrive(const std::string& text, Drive& d) {
  const size_t colon = text.find(':'), eq = text.find('=');
  if (colon == std::string::npos || eq == std::string::npos || eq < colon) return false;
  long n, ch, v;
  if (!ParseNumber(text.substr(0, colon), 0, 1000000, n) || !ParseNumber(text.substr(colon + 1, eq - colon - 1), 0, 63, ch) ||
      !ParseNumber(text.substr(eq + 1), -1000000, 1000000, v))
    return false;
  d = Drive{static_cast<int>(n), static_cast<int>(ch), static_cast<int>(v)};
  return true;
}

// Returns an empty text, or the usage problem.
std::string ParseRunArgs(const std::vector<std::string>& args, RunArgs& r) {
  for (size_t k = 0; k < args.size(); ++k) {
    const std::string& a = args[k];
    const bool more = k + 1 < args.size();
    if (a == "--run") {
      r.run = true;
    } else if (a == "--detail") {
      r.detail = true;
    } else if (a == "--hash") {
      r.hash = true;
    } else if (a == "--ticks" && more) {
      if (!ParseNumber(args[++k], 0, 1000000, r.ticks)) return "--ticks takes a number from 0 to 1000000";
    } else if (a == "--seed" && more) {
      if (!ParseNumber(args[++k], 0, 4294967295L, r.seed)) return "--seed takes a number from 0 to 4294967295";
    } else if (a == "--brain" && more) {
      BrainFile b;
      if (!SplitBrainArgument(args[++k], b.board, b.path)) return "--brain takes NAME=FILE";
      r.brains.push_back(b);
    } else if (a == "--drive" && more) {
      Drive d;
      if (!ParseDrive(args[++k], d)) return "--drive takes CRITTER:CHANNEL=VALUE";
      r.drives.push_back(d);
    } else if (a.rfind("--", 0) != 0 && r.world.empty()) {
      r.world = a;
    } else {
      return "unexpected argument " + a;
    }
  }
  return r.world.empty() ? "usage: world-run WORLD [--brain NAME=FILE]... [--ticks N] [--run] [--seed N] [--detail] "
                           "[--drive N:CH=V]... [--hash]"
                         : "";
}

// Every driven critter needs a channel block: one without a brain gets a hidden board.
std::string PrepareDrives(CliWorld& w, const std::vector<Drive>& drives) {
  for (const Drive& d : drives) {
    TCritter* c = w.world->CritterAt(d.critter);
    if (!c) return "--drive: there is no critter " + std::to_string(d.critter);
    if (!c->typeOutputs[static_cast<size_t>(d.channel)])
      return "--drive: critter " + std::to_string(d.critter) + " has no output channel " + std::to_string(d.channel);
    if (c->brainMode != 0 && w.world->BrainOutputs(c->brainNumber)) continue;
    ChannelMask in{}, out{};
    for (int ch = 0; ch < ChannelCount; ++ch) {
      in[static_cast<size_t>(ch)] = c->typeInputs[static_cast<size_t>(ch)];
      out[static_cast<size_t>(ch)] = c->typeOutputs[static_cast<size_t>(ch)];
    }
    c->enabledInputs = c->typeInputs;
    c->enabledOutputs = c->typeOutputs;
    c->brainMode = 2;
    // A hidden board looks for its brain file; a driven body has none, and needs none.
    auto* messages = dynamic_cast<CliMessages*>(w.host.messages);
    if (messages) messages->muted = true;
    c->brainNumber = w.brains.AttachBrain("drive" + std::to_string(d.critter), in, true, out);
    if (messages) messages->muted = false;
  }
  return "";
}

// Holds the driven effectors before every world step, after the brains stepped.
struct DrivenWorld : WorldWindowRelay {
  DrivenWorld(TWorld& w, const std::vector<Drive>& d) : WorldWindowRelay(w), target(w), drives(d) {}
  void Step(int tick, bool running, bool testRunning) override {
    for (const Drive& d : drives) {
      TCritter* c = target.CritterAt(d.critter);
      auto* out = const_cast<int32_t*>(c ? target.BrainOutputs(c->brainNumber) : nullptr);
      if (out)
        for (int sub = 0; sub < 8; ++sub) out[d.channel * 8 + sub] = d.value;
    }
    WorldWindowRelay::Step(tick, running, testRunning);
  }
  TWorld& target;
  const std::vector<Drive>& drives;
};

void PrintTick(TWorld& world, long tick, bool detail) {
  std::string line = "{\"tick\":" + std::to_string(tick) + ",\"critters\":[";
  for (int n = 0; n < world.CritterCount(); ++n) line += (n ? "," : "") + CritterJson(world, n, detail);
  std::printf("%s]}\n", line.c_str());
}

int WorldRun(const std::vector<std::string>& args, Host& host) {
  RunArgs r;
  const std::string problem = ParseRunArgs(args, r);
  if (!problem.empty()) return UsageError(problem);

  CliWorld w(host);
  w.world->random.seed(static_cast<uint32_t>(r.seed));
  if (!w.Read(r.world)) return ExitFailed;
  for (const BrainFile& b : r.brains)
    if (!LoadBrainInto(w, b.board, b.path)) return ExitFailed;
  const std::string driveProblem = PrepareDrives(w, r.drives);
  if (!driveProblem.empty()) return UsageError(driveProblem);
  TWorld& world = *w.world;
  DrivenWorld driven(world, r.drives);
  MainShell shell(nullptr);
  shell.world = &driven;
  shell.brains = &w.brains;
  shell.WorldId = 1;
  world.ResetWorld();
  w.brains.ResetAll();
  if (r.run) world.StartWorld();
  shell.Running = r.run;
  for (long t = 1; t <= r.ticks; ++t) {
    shell.TimerTick();
    PrintTick(world, t, r.detail);
  }
  if (r.hash) std::printf("{\"hash\":\"%016" PRIx64 "\"}\n", WorldStateHash(world, &w.brains));
  return ExitOk;
}
}  // namespace

QUORBIT_CLI_COMMAND(world_run, "world-run",
                    "world-run WORLD [--brain NAME=FILE]... [--ticks N] [--run] [--seed N] [--detail] "
                    "[--drive N:CH=V]... [--hash]",
                    WorldRun);
