#include "bodies/ObjectFactories.h"

#include "bodies/Ball.h"
#include "bodies/Bulb.h"
#include "bodies/Cannon.h"
#include "bodies/Cube.h"
#include "bodies/Gate.h"
#include "bodies/Letter.h"
#include "bodies/Mushroom.h"
#include "bodies/PushButton.h"
#include "bodies/Vehicle.h"

namespace {
TPic* Pic(const TCritterArgs& a, size_t k) { return k < a.pictures.size() ? a.pictures[k] : nullptr; }
}  // namespace

std::unique_ptr<TCritter> MakeBall(const TCritterArgs& a) {
  return std::make_unique<TBall>(a.world, a.name, a.number, a.x, a.y, a.z, Pic(a, 0));
}
std::unique_ptr<TCritter> MakeCube(const TCritterArgs& a) {
  return std::make_unique<TCube>(a.world, a.name, a.number, a.x, a.y, a.z, a.heading, Pic(a, 0));
}
std::unique_ptr<TCritter> MakeLetter(const TCritterArgs& a) {
  return std::make_unique<TLetter>(a.world, a.name, a.number, a.x, a.y, a.z, a.heading, Pic(a, 0));
}
std::unique_ptr<TCritter> MakeGate(const TCritterArgs& a) {
  return std::make_unique<TGate>(a.world, a.name, a.number, a.x, a.y, a.z, a.heading, Pic(a, 0));
}
std::unique_ptr<TCritter> MakePushButton(const TCritterArgs& a) {
  return std::make_unique<TPushButton>(a.world, a.name, a.number, a.x, a.y, a.z, a.heading, Pic(a, 0));
}
std::unique_ptr<TCritter> MakeBulb(const TCritterArgs& a) {
  return std::make_unique<TBulb>(a.world, a.name, a.number, a.x, a.y, a.z, Pic(a, 0));
}
std::unique_ptr<TCritter> MakeVehicle(const TCritterArgs& a) {
  return std::make_unique<TVehicle>(a.world, a.name, a.number, a.x, a.y, a.z, a.heading, Pic(a, 0));
}
std::unique_ptr<TCritter> MakeCannon(const TCritterArgs& a) {
  return std::make_unique<TCannon>(a.world, a.name, a.number, a.x, a.y, a.z, a.heading, Pic(a, 0), Pic(a, 1));
}
std::unique_ptr<TCritter> MakeMushroom(const TCritterArgs& a) {
  return std::make_unique<TMushroom>(a.world, a.name, a.number, a.x, a.y, a.z, Pic(a, 0));
}
