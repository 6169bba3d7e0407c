#pragma once
// Where the command line gets a world from: the world-file reader once it is wired in
// here, and the built-in demo world ("demo") that shows the ground and the scenery.
#include <string>

#include "platform/Host.h"
#include "world/World.h"

using CliWorldReader = bool (*)(TWorld& world, const std::string& name, Host& host);
// Null until world files can be read.
CliWorldReader& WorldFileReader();

// A 16 x 16 hilly map with a pond, dressed with stones, twigs, branches and plants,
// from the picture sets in the data folder.
bool BuildDemoWorld(TWorld& world);
