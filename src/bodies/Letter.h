#pragma once
// A letter tile: shows one of 42 letters, upright or turned, and slides across the
// ground when its brain says so.
#include "bodies/Critter.h"

class TLetter : public TCritter {
 public:
  static constexpr int LetterCount = 42;

  TLetter(ICritterWorld* world, const std::string& name, int number, float x, float y, float z, int heading,
          TPic* pic);

  void destroy() override;
  void step() override;
  void collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart) override;
  void collideWithThing(TStaticBound* thing, TSprite* myPart) override;
  bool reset() override;
  int getHeading() override { return shownFrame; }

  TSprite* body = nullptr;
  int shownFrame = 0, previousFrame = 0;

 private:
  void show(int frame);
  void backToPrevious();
};
