#include "world/Verdict.h"

#include <cmath>

std::vector<MovieStep> VerdictSequence(const char* caption, const char* movie, const char* message,
                                       bool movieFirst) {
  MovieStep title{MovieTitle, caption}, film{MovieFadeIn, movie};
  return {{MovieFadeView, "FadeToBlack"},
          movieFirst ? film : title,
          movieFirst ? title : film,
          {MoviePause, "10"},
          {MovieMessage, message},
          {MoviePause, "-1"}};
}

namespace {
Verdict Failed(const char* caption, const char* movie, const char* message, bool movieFirst = false) {
  return {false, VerdictSequence(caption, movie, message, movieFirst)};
}

Verdict GizmoVerdict(const VerdictFacts& f) {
  for (int code : f.gizmoCodes) {
    switch (code) {
      case 0: continue;
      case 1: return Failed("Test Failed", "movie\\clock.mvi", "Time's up");
      case 2: return Failed("Test Failed", "movie\\tosoon.mvi", "Wait for the light");
      case 3: return Failed("Test Failed", "movie\\fail.mvi", "Incorrect output", true);
      case 4: return Failed("Test Failed", "movie\\bell.mvi", "Don't ring gold bell");
      case 5: return Failed("Test Failed", "movie\\bspill.mvi", "Don't waste it!");
      case 6: return Failed("Test Failed", "movie\\fail.mvi", "Record some digits and let the brain learn first");
      case 7: return Failed("Test Failed", "movie\\fail.mvi", "A digit it never learned from lit the wrong lamp", true);
      case 8: return Failed("Test Failed", "movie\\fail.mvi", "Record five of each digit, then Save them");
      default: return {false, {}};
    }
  }
  return {true, f.worldScript};
}

Verdict WinVerdict(const VerdictFacts& f) {
  if (!f.worldScript.empty()) return {true, f.worldScript};
  if (f.critterType == 11) return {true, VerdictSequence("Congratulations", "movie\\wwin.mvi", "This worm is a winner")};
  if (f.critterType == 14 || f.critterType == 15)
    return {true, VerdictSequence("Congratulations", "movie\\antwin.mvi", "This ant is a winner")};
  return {true, VerdictSequence("Congratulations", "movie\\bugwave.mvi", "This bug is a winner")};
}
}  // namespace

Verdict JudgeVerdict(const VerdictFacts& f) {
  if (f.brainTouched) return Failed("Test Failed", "movie\\ouch.mvi", "Don't touch the brain");
  if (f.simulatedInput) return Failed("Test Failed", "movie\\keyfile.mvi", "Key or File Input Node");
  if (!f.hasTestCritter) return GizmoVerdict(f);
  if (f.critterDead) return Failed("Sorry", "movie\\grave.mvi", "It didn't make it");
  bool goalMet = std::floor(f.critterEnergy + 0.5f) >= std::floor(f.energyGoal + 0.5f);
  if (f.kind == 2 || f.kind == 4 || goalMet) return WinVerdict(f);
  return Failed("Test failed", "movie\\clock.mvi", "Time's up");
}
