#include "world/EditorChecks.h"

#include <algorithm>
#include <cstdio>

#include "brain/DialogNumbers.h"
#include "world/WorldEditing.h"

int TestBoxNumber(const std::string& text) { return ReadInteger(text, 0); }

DialogProblem CheckTestDialog(int kind, bool testCritterChosen, const std::string& time, const std::string& energy) {
  if (kind == 0) return {};
  if (!testCritterChosen) return {"Please choose a test critter", 1};
  if (kind == 1 || kind == 2) {
    const int t = TestBoxNumber(time);
    if (t < 1 || t > 999) return {"Test time should be between 1 and 999", 2};
  }
  const int e = TestBoxNumber(energy);
  if (e < 0 || e > 100) return {"Test energy should be between 0 and 100", 3};
  return {};
}

DialogProblem CheckBrainDialog(int mode, const std::string& fileName, const std::string& boardName) {
  if (mode == 2) {
    if (fileName.empty()) return {"Please enter a brain file name", 1};
    if (fileName.find(' ') != std::string::npos) return {"Please don't use spaces in file name", 1};
    // The file is read from "worlds": nothing that reaches another folder.
    if (fileName.find_first_of("/\\:") != std::string::npos || fileName.find("..") != std::string::npos)
      return {"Please use a file name without folders", 1};
  }
  if (mode == 1) {
    if (boardName.empty()) return {"Please enter a brain name", 2};
    for (char c : boardName)
      if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
        return {"Please use only letters and numbers in name (no spaces)", 2};
  }
  return {};
}

DialogProblem CheckEnergyDialog(const std::string& start, const std::string& loss, float& startValue,
                                float& lossValue) {
  float s = 0, l = 0;
  if (!ReadFloatBox(start, s)) return {"Please enter a number for Start energy", 1};
  if (s < 0) return {"Start energy should be at least zero", 1};
  if (!ReadFloatBox(loss, l)) return {"Please enter a number for Energy loss / move", 2};
  if (l < 0) return {"Rate of use should be at least zero", 2};
  startValue = s, lossValue = l;
  return {};
}

DialogProblem RuleFromBoxes(const RuleBoxes& b, TPlacement& rule) {
  TPlacement r;
  const struct {
    const std::string& text;
    float& value;
    const char* name;
  } floats[] = {{b.centreX, r.centreX, "Center X"}, {b.centreY, r.centreY, "Center Y"}, {b.radius, r.radius, "Radius"},
                {b.minZ, r.minZ, "Min Z"},          {b.maxZ, r.maxZ, "Max Z"}};
  int field = 1;
  for (const auto& f : floats) {
    if (!ReadFloatBox(f.text, f.value)) return {std::string("Please enter a number for ") + f.name, field};
    ++field;
  }
  r.directionFrom = std::max(0, ReadInteger(b.minDir, 0));
  r.directionTo = std::max(r.directionFrom, ReadInteger(b.maxDir, 0));
  // Headings are 24ths of a turn.
  r.directionFrom = std::min(r.directionFrom, 23);
  r.directionTo = std::min(r.directionTo, 23);
  r.modeMask = (b.onCreate ? PlaceOnCreation : 0) | (b.onDeath ? PlaceOnDeath : 0) | (b.onReset ? PlaceOnReset : 0);
  rule = r;
  return {};
}

RuleBoxes BoxesOfRule(const TPlacement& r) {
  auto f2 = [](float v) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.2f", static_cast<double>(v));
    return std::string(buf);
  };
  RuleBoxes b;
  b.centreX = f2(r.centreX), b.centreY = f2(r.centreY), b.radius = f2(r.radius);
  b.minZ = f2(r.minZ), b.maxZ = f2(r.maxZ);
  b.minDir = std::to_string(r.directionFrom), b.maxDir = std::to_string(r.directionTo);
  b.onCreate = (r.modeMask & PlaceOnCreation) != 0;
  b.onDeath = (r.modeMask & PlaceOnDeath) != 0;
  b.onReset = (r.modeMask & PlaceOnReset) != 0;
  return b;
}
