#pragma once
// The ants' nest: a mound whose doorway lets one ant through at a time. Its frame is its
// state; the food that ants carry in is added to its energy, which it shares with them.
#include "bodies/Critter.h"

class TNest : public TCritter {
 public:
  enum State { Free = 0, GoingIn = 1, ComingOut = 2 };

  TNest(ICritterWorld* world, const std::string& name, int number, float x, float y, float z, int heading,
        TPic* pic);

  void destroy() override;
  bool reset() override;

  // An ant passes the doorway only while it is free.
  bool enter();
  bool leave();
  void close();
  int state() const { return door; }

  TSprite* body = nullptr;
  // The doorway's state, shown as the frame (kept here too, for a picture set short of
  // frames).
  int door = Free;

 private:
  void setDoor(int state);
};
