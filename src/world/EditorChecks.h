#pragma once
// The checks of the editor's property dialogs when OK is pressed, in their order. Each
// returns the message that keeps the dialog open (an empty text when all hold) and which
// field the focus goes back to.
#include <string>

#include "bodies/Critter.h"

struct DialogProblem {
  std::string text;
  int field = 0;
  bool ok() const { return text.empty(); }
};

// Test kinds as the group lists them: 0 none, 1 timed / show energy, 2 energy / show
// energy, 3 timed / show time. Fields: 1 the test critter list, 2 time, 3 energy.
DialogProblem CheckTestDialog(int kind, bool testCritterChosen, const std::string& time, const std::string& energy);
// The whole-number boxes: 0 when they do not start with a number.
int TestBoxNumber(const std::string& text);

// Brain modes: 0 none, 1 a board brain, 2 a brain file. Fields: 1 the file box, 2 the name box.
DialogProblem CheckBrainDialog(int mode, const std::string& fileName, const std::string& boardName);

// Fields: 1 start, 2 loss. The numbers read are handed back when all hold.
DialogProblem CheckEnergyDialog(const std::string& start, const std::string& loss, float& startValue, float& lossValue);

// A placement rule from the randomize dialog's boxes: floats as typed, headings as whole
// numbers (0 when not a number, at least 0, the highest at least the lowest). Fields 1 to 5:
// centre x, centre y, radius, min z, max z.
struct RuleBoxes {
  std::string centreX, centreY, radius, minZ, maxZ, minDir, maxDir;
  bool onCreate = false, onDeath = false, onReset = false;
};
DialogProblem RuleFromBoxes(const RuleBoxes& boxes, TPlacement& rule);
RuleBoxes BoxesOfRule(const TPlacement& rule);
