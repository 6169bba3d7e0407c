#pragma once
// The create functions of the world objects' rows in the critter table.
#include <memory>

#include "bodies/CritterTypes.h"

std::unique_ptr<TCritter> MakeBall(const TCritterArgs& args);
std::unique_ptr<TCritter> MakeCube(const TCritterArgs& args);
std::unique_ptr<TCritter> MakeLetter(const TCritterArgs& args);
std::unique_ptr<TCritter> MakeGate(const TCritterArgs& args);
std::unique_ptr<TCritter> MakePushButton(const TCritterArgs& args);
std::unique_ptr<TCritter> MakeBulb(const TCritterArgs& args);
std::unique_ptr<TCritter> MakeVehicle(const TCritterArgs& args);
std::unique_ptr<TCritter> MakeCannon(const TCritterArgs& args);
std::unique_ptr<TCritter> MakeMushroom(const TCritterArgs& args);
