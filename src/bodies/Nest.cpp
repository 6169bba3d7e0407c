#include "bodies/Nest.h"

TNest::TNest(ICritterWorld* w, const std::string& n, int num, float px, float py, float pz, int h, TPic* pic)
    : TCritter(w, n, num, px, py, pz, h) {
  setClass(ClassMasks::Nest);
  headingCount = 1;
  body = addPart(pic, Free);
}

void TNest::destroy() {
  body = nullptr;
  TCritter::destroy();
}

bool TNest::reset() {
  bool moved = TCritter::reset();
  setDoor(Free);
  if (body) body->setPosition(x, y, z);
  return moved;
}

void TNest::setDoor(int state) {
  door = state;
  if (body) body->setFrame(state);
}

bool TNest::enter() {
  if (door != Free) return false;
  setDoor(GoingIn);
  return true;
}

bool TNest::leave() {
  if (door != Free) return false;
  setDoor(ComingOut);
  return true;
}

void TNest::close() { setDoor(Free); }
