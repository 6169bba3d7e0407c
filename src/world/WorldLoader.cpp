#include "world/WorldLoader.h"

#include "bodies/GizmoFactory.h"
#include "platform/Files.h"
#include "world/LevelTest.h"

TWorldLoader::TWorldLoader(TWorld& world, IWorldFileBrains* brains, IWorldTestHolder* test)
    : levels(world.host.messages), world_(world), file_(world, brains, test), test_(test) {}

bool TWorldLoader::LevelAvailable(int level, int progress, std::string& missing) {
  return levels.LevelAvailable(level, progress, &missing);
}

// The reader starts the world afresh (test critter included) only once the file is open:
// a level or world that cannot be read leaves the one loaded before as it was.
bool TWorldLoader::LoadLevel(int level) {
  bool loaded = levels.LoadLevel(level, [this](const std::vector<std::string>& lines) { file_.ReadWorld(lines); });
  if (loaded) BuildGizmos();
  return loaded;
}

void TWorldLoader::BuildGizmos() {
  world_.gizmos.clear();
  if (!gizmoPorts) return;
  GizmoPorts ports = *gizmoPorts;
  ports.critters = &world_.critters;
  for (const TGizmoLine& line : world_.gizmoLines)
    if (auto gizmo = MakeGizmo(line, ports)) world_.gizmos.push_back(std::move(gizmo));
}

void TWorldLoader::TakeTest(const std::vector<std::string>* lines) {
  world_.movieScript.clear();
  if (!lines) {
    world_.testCritter = -1;
    if (test_) test_->SetTest(0, 0, 0);
    return;
  }
  TestSection test = ReadTestSection(*lines, world_.host.messages);
  const int kind = TakeTestCritter(world_, test.critter) ? test.kind : 0;
  if (test_) test_->SetTest(kind, test.time, test.energy);
  world_.movieScript = std::move(test.script);
}

void TWorldLoader::ReloadLevelTest(int level) {
  levels.ReloadLevelTest(level, [this](const std::vector<std::string>* lines) { TakeTest(lines); });
}

bool TWorldLoader::WorldAvailable(const std::string& name, int progress, std::string& missing) {
  return levels.WorldAvailable(name, progress, &missing);
}

bool TWorldLoader::LoadWorldFile(const std::string& name) {
  if (!file_.LoadWorldFile(name)) return false;
  BuildGizmos();
  worldName_ = name;
  return true;
}

bool TWorldLoader::LoadWorldPath(const std::string& path) {
  auto text = ReadFileText(path);
  if (!text) {
    world_.host.Message("Couldn't open world file", "Load World Error");
    return false;
  }
  world_.fileName = path;
  file_.ReadWorldText(*text);
  BuildGizmos();
  worldName_.clear();
  return true;
}

void TWorldLoader::ReloadTest() {
  world_.movieScript.clear();  // even when the file is gone: its old script must not play
  auto text = ReadFileText("worlds\\" + worldName_ + ".wld");
  if (!text) {
    world_.host.Message("Couldn't open world file", "Load World Error");
    return;
  }
  std::vector<std::string> lines;
  bool found = FindTestSection(*text, 0, lines);
  TakeTest(found ? &lines : nullptr);
}

void TWorldLoader::ClearWorld() {
  world_.ClearWorld();
  worldName_.clear();
}

bool TWorldLoader::IsBusy() { return world_.movies && world_.movies->IsBusy(); }
