#pragma once
// The inch-worm: a middle point with a half-body to each end. The brain raises and lowers
// the middle, bends the body and makes either end grip; with one end gripping, raising
// the middle pulls the middle toward that end and lowering it pushes the free end away.
// It eats mushrooms with its front end and is the spider's prey.
#include "bodies/Critter.h"

class TWorm : public TCritter {
 public:
  static constexpr int FineTurn = 768;
  static constexpr int HalfTurn = 384;
  static constexpr int FinePerHeading = 32;
  static constexpr float EatCap = 90;

  // Pictures: front end, middles, back end.
  TWorm(ICritterWorld* world, const std::string& name, int number, float x, float y, float z, int heading,
        TPic* frontPic, TPic* middlePic, TPic* backPic);

  void destroy() override;
  void step() override;
  void collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart) override;
  void collideWithThing(TStaticBound* thing, TSprite* myPart) override;
  void collideWithEdge(TSprite* part) override;
  bool reset() override;
  void senseBody(TCritter* other) override;
  int getHeading() override;
  void kill() override;

  // Half-length of the body at the current middle height (0.55 flat, 0.30 raised).
  float halfLength() const { return 0.55f - 0.0025f * static_cast<float>(midHeight); }
  // The bend split: how far each half turns away from straight, in fine steps.
  int bendSplit() const;
  // The fine directions the two halves point along once the bend is split.
  int frontDirection() const;
  int backDirection() const;
  // Puts the middles and the ends where the angles and the height say.
  void layout() { layoutParts(true, true); }

  TSprite* front = nullptr;
  TSprite* middle1 = nullptr;
  TSprite* middle2 = nullptr;
  TSprite* back = nullptr;
  int frontAngle = 0, backAngle = HalfTurn;
  int midHeight = 0, midAngle = 0;
  int oldFrontAngle = 0, oldBackAngle = HalfTurn, oldMidHeight = 0, oldMidAngle = 0;
  bool noseBumped = false, tailBumped = false;
  float spiderLeft = 0, spiderRight = 0;
  float nearestSpider = 1e10f;

 private:
  void layoutParts(bool frontEnd, bool backEnd);
  void move(const int32_t* out);
  void curl();
  void writeInputs(int32_t* in);
  void undoMove(const TStaticBound& against, const TSprite* myPart);
  void saveOld();
  void bumpedBy(const TSprite* myPart);
  void keepOnMap(float frontBefore, float backBefore);
  float offMap(const TSprite* end) const;
  void restoreMove();
};
