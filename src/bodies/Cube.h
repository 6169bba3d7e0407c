#pragma once
// A cube that critters push around and ants carry. Its 18 pictures are three bands of
// six; the band is fixed by the start heading, and only cubes of the first band can be
// picked up.
#include "bodies/Critter.h"

class TCube : public TCritter {
 public:
  static constexpr int BandSize = 6;

  TCube(ICritterWorld* world, const std::string& name, int number, float x, float y, float z, int heading,
        TPic* pic);

  void destroy() override;
  void step() override;
  void collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart) override;
  void collideWithThing(TStaticBound* thing, TSprite* myPart) override;
  bool reset() override;
  int getHeading() override;
  void setHeading(int h) override;

  TSprite* body = nullptr;
};
