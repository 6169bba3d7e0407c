#pragma once
// One critter of a world-run tick line as JSON, with or without the look inside.
#include <string>

class TWorld;
class TCritter;

std::string CritterJson(TWorld& world, int number, bool detail);
