#pragma once
// The verdict movies' pictures: each scene draws its frame at time t (0 at the first
// frame, 1 at the last) so that the verdict reads at a glance.
#include "Canvas.h"

constexpr int MovieSceneWidth = 200;
constexpr int MovieSceneHeight = 150;

using MovieScene = void (*)(Canvas& c, double t);

void OuchScene(Canvas& c, double t);      // a finger pokes the brain
void KeyFileScene(Canvas& c, double t);   // a key and a data file, struck out
void ClockScene(Canvas& c, double t);     // the time runs out
void TooSoonScene(Canvas& c, double t);   // the button pressed before the lamp lit
void FailScene(Canvas& c, double t);      // the wrong trace on the scope, crossed out
void BellScene(Canvas& c, double t);      // the gold bell rings, and must not
void BeerSpillScene(Canvas& c, double t); // the glass runs over
void GraveScene(Canvas& c, double t);     // a grave at night, a ghost rising
void WormWinScene(Canvas& c, double t);   // a wriggling worm under a gold star
void AntWinScene(Canvas& c, double t);    // an ant waving a flag
void BugWaveScene(Canvas& c, double t);   // a ladybug waving hello
