#include "WorldCli.h"

#include "WorldSource.h"
#include "bodies/PaletteFile.h"
#include "platform/Files.h"

namespace {
Palette CliPalette() {
  if (auto p = LoadPalette("quorbit.pal")) return *p;
  return Palette{};
}

WorldPorts PortsOf(TWorldBrainLink& link) {
  WorldPorts ports;
  ports.brains = &link;
  return ports;
}

bool ReadForRender(TWorld& world, const std::string& name, Host&) {
  TWorldFile file(world, nullptr, nullptr);
  if (!IsWorldPath(name)) return file.LoadWorldFile(name);
  auto text = ReadFileText(name);
  if (!text) {
    world.host.Message("Couldn't open world file", "Load World Error");
    return false;
  }
  file.ReadWorldText(*text);
  return true;
}

// `render` reads world files through the same reader.
const bool readerWired = (WorldFileReader() = ReadForRender, true);
}  // namespace

bool IsWorldPath(const std::string& s) {
  return s.find('/') != std::string::npos || (s.size() > 4 && s.compare(s.size() - 4, 4, ".wld") == 0);
}

CliWorld::CliWorld(Host& h)
    : host(h), brains(h, 1), link(brains), world(std::make_unique<TWorld>(h, PortsOf(link), CliPalette())),
      file(*world, &link, &test) {
  (void)readerWired;
  world->SetClientSize(640, 480);
}

bool CliWorld::Read(const std::string& nameOrPath) {
  if (!IsWorldPath(nameOrPath)) return file.LoadWorldFile(nameOrPath);
  auto text = ReadFileText(nameOrPath);
  if (!text) {
    host.Message("Couldn't open world file", "Load World Error");
    return false;
  }
  world->fileName = nameOrPath;
  file.ReadWorldText(*text);
  return true;
}

bool LoadBrainInto(CliWorld& w, const std::string& board, const std::string& path) {
  for (const BrainEntry& e : w.brains.Brains()) {
    if (e.name != board) continue;
    auto bytes = ReadFileBytes(path);
    if (!bytes) {
      w.host.Message("Couldn't open " + path, "Load Brain Error");
      return false;
    }
    e.board->LoadBrain(*bytes);
    return true;
  }
  w.host.Message("No brain named " + board, "Load Brain Error");
  return false;
}

bool SplitBrainArgument(const std::string& text, std::string& board, std::string& path) {
  const size_t eq = text.find('=');
  if (eq == std::string::npos || eq == 0 || eq + 1 == text.size()) return false;
  board = text.substr(0, eq);
  path = text.substr(eq + 1);
  return true;
}
