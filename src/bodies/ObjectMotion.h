#pragma once
// Moves shared by the world objects: standing on the surface, being pushed along by a
// critter that walks into them, and stepping back from a contact.
#include "bodies/Critter.h"

// The height of the surface under a point as the critter sees it (its own parts left
// out), and the ground triangle kind there. Without a world: the given height, kind 0.
float SurfaceUnder(TCritter& c, float px, float py, float pz, int& kind);
float SurfaceUnder(TCritter& c, float px, float py, float pz);
// z drops (or climbs) onto the surface when z + lift lies above it.
void SettleOnSurface(TCritter& c, float lift);
// Back to the position of the previous tick.
void BackToPrevious(TCritter& c);
// A critter that walks into the object carries it along by its own motion; one that
// moves away, or stands, leaves it where it was last tick. The object then settles on
// the surface and steps back if it would overlap anything.
void PushedBy(TCritter& c, TCritter& pusher, TSprite& body, float lift);
