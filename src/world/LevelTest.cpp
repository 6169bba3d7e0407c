#include "world/LevelTest.h"

#include <cstdio>

#include "platform/DataNames.h"
#include "platform/Host.h"
#include "world/World.h"

namespace {
constexpr size_t MaxLine = 99;  // the world reader's line length
}  // namespace

TestSection ReadTestSection(const std::vector<std::string>& lines, IMessages* messages) {
  TestSection test;
  if (lines.empty()) return test;
  // Numbers missing from the line keep their defaults.
  std::sscanf(lines[0].c_str(), "%d %d %d %d", &test.critter, &test.kind, &test.time, &test.energy);
  for (size_t i = 1; i < lines.size(); ++i) {
    const std::string line = lines[i].substr(0, MaxLine);
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    auto step = ParseMovieScriptLine(line);
    // A movie is read from the data folder only; one named outside it cannot be opened.
    if (step && (step->code == MovieRun || step->code == MovieFadeIn) && !DataNameStaysInside(step->text)) {
      if (messages) messages->ShowMessage("Can't open movie", "Movie play error");
    } else if (step) {
      test.script.push_back(*step);
    } else if (messages)
      messages->ShowMessage("Unknown movie command", "Load Test Error");
  }
  return test;
}

bool TakeTestCritter(TWorld& world, int critter) {
  world.testCritter = -1;
  if (critter == -1) return true;
  if (critter < 0 || critter >= static_cast<int>(world.critters.size())) {
    world.host.Message("Bad test critter", "Load World Error");
    return false;
  }
  world.testCritter = critter;
  return true;
}
