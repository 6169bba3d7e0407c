#pragma once
// A fingerprint of a run: every critter's place, heading, energy and life, the world
// generator's seed and draws, and, when given, every brain's channel block. Two runs
// that agree tick for tick agree here; the determinism test keeps the expected value.
#include <cstdint>

class TWorld;
class TBrainCollection;

uint64_t WorldStateHash(const TWorld& world, const TBrainCollection* brains = nullptr);
