// quorbit-cli render WORLD --out FILE.png [--size WxH] [--ticks N] [--brain NAME=FILE]...
#include <cstdio>
#include <cstdlib>

#include "Cli.h"
#include "WorldCli.h"
#include "WorldSource.h"
#include "bodies/PaletteFile.h"
#include "platform/PngFile.h"
#include "shell/MainShell.h"
#include "shell/WorldWindowRelay.h"

namespace {
bool ParseSize(const std::string& text, int& w, int& h) {
  int a = 0, b = 0;
  char x = 0;
  if (std::sscanf(text.c_str(), "%d%c%d", &a, &x, &b) != 3 || (x != 'x' && x != 'X')) return false;
  if (a < 1 || b < 1 || a > 8192 || b > 8192) return false;
  w = a, h = b;
  return true;
}

struct BrainArg {
  std::string board, path;
};

// With brains the world runs as the shell runs it, each tick the brains and then the world,
// so a walking body is caught mid-stride.
bool RunWithBrains(TWorld*& shown, std::unique_ptr<CliWorld>& keep, Host& host, const std::string& worldName,
                   const std::vector<BrainArg>& brains, int width, int height, int ticks) {
  keep = std::make_unique<CliWorld>(host);
  CliWorld& w = *keep;
  w.world->SetClientSize(width, height);
  if (!w.Read(worldName)) return false;
  for (const BrainArg& b : brains)
    if (!LoadBrainInto(w, b.board, b.path)) return false;
  WorldWindowRelay relay(*w.world);
  MainShell shell(nullptr);
  shell.world = &relay;
  shell.brains = &w.brains;
  shell.WorldId = 1;
  w.world->ResetWorld();
  w.brains.ResetAll();
  w.world->StartWorld();
  w.world->FullRedraw();
  shell.Running = true;
  for (int t = 0; t < ticks; ++t) shell.TimerTick();
  shown = w.world.get();
  return true;
}

bool RenderPlain(TWorld& world, Host& host, const std::string& worldName, int width, int height, int ticks) {
  world.SetClientSize(width, height);
  bool loaded = false;
  if (worldName == "demo") {
    loaded = BuildDemoWorld(world);
    world.LookAt(8, 8, 0.3f);
  } else if (WorldFileReader()) {
    loaded = WorldFileReader()(world, worldName, host);
  } else {
    host.Message("This build reads no world files yet; try the world \"demo\"", "Render");
    return false;
  }
  if (!loaded) return false;
  world.ResetWorld();
  world.StartWorld();
  world.FullRedraw();
  for (int t = 0; t < ticks; ++t) world.Step(t, true, false);
  return true;
}

int Render(const std::vector<std::string>& args, Host& host) {
  std::string worldName, out;
  int width = 640, height = 480, ticks = 0;
  std::vector<BrainArg> brains;
  for (size_t k = 0; k < args.size(); ++k) {
    const std::string& a = args[k];
    bool more = k + 1 < args.size();
    if (a == "--out" && more) {
      out = args[++k];
    } else if (a == "--size" && more) {
      if (!ParseSize(args[++k], width, height)) return UsageError("--size takes WxH, for example 640x480");
    } else if (a == "--ticks" && more) {
      char* end = nullptr;
      long n = std::strtol(args[++k].c_str(), &end, 10);
      if (*end || n < 0 || n > 100000) return UsageError("--ticks takes a number from 0 to 100000");
      ticks = static_cast<int>(n);
    } else if (a == "--brain" && more) {
      BrainArg b;
      if (!SplitBrainArgument(args[++k], b.board, b.path)) return UsageError("--brain takes NAME=FILE");
      brains.push_back(b);
    } else if (a.rfind("--", 0) != 0 && worldName.empty()) {
      worldName = a;
    } else {
      return UsageError("unexpected argument " + a);
    }
  }
  if (worldName.empty() || out.empty())
    return UsageError("usage: render WORLD --out FILE.png [--size WxH] [--ticks N] [--brain NAME=FILE]...");

  auto palette = LoadPalette("quorbit.pal");
  if (!palette) {
    host.Message("Could not find quorbit.pal", "Render");
    return ExitFailed;
  }
  TWorld plain(host, WorldPorts{}, *palette);
  TWorld* shown = &plain;
  std::unique_ptr<CliWorld> withBrains;
  if (!brains.empty()) {
    if (!RunWithBrains(shown, withBrains, host, worldName, brains, width, height, ticks)) return ExitFailed;
  } else if (!RenderPlain(plain, host, worldName, width, height, ticks)) {
    return ExitFailed;
  }
  IndexedImage picture = shown->view.image.crop(0, 0, width, height);
  picture.palette = *palette;
  if (!WritePng(out, picture)) {
    host.Message("Couldn't write " + out, "Render");
    return ExitFailed;
  }
  std::printf("{\"rendered\":%s,\"world\":%s,\"width\":%d,\"height\":%d,\"ticks\":%d}\n", JsonString(out).c_str(),
              JsonString(worldName).c_str(), width, height, ticks);
  return ExitOk;
}
}  // namespace

QUORBIT_CLI_COMMAND(render, "render", "render WORLD --out FILE.png [--size WxH] [--ticks N] [--brain NAME=FILE]...",
                    Render);
