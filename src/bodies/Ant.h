#pragma once
// The ant: six legs that the brain lifts and swings one by one, a body that moves from
// the pushes of the legs standing on the ground, a head that picks up what lies in front
// of it, scent trails, and a nest where carried food is stored and shared.
#include "bodies/Critter.h"

class TNest;

// The ant's geometry, shared with the picture generator so the pictures match the body.
namespace AntShape {
constexpr int LegCount = 6;
constexpr float BodyLift = 0.5f;   // body and head are drawn this far above z
constexpr float HeadAhead = 0.36f;
constexpr float HeldAhead = 0.8f;
constexpr float LegReach = 0.48f;  // from the hip to the foot
constexpr float TiltSlope = 0.2f;  // 11.31 degrees
constexpr int TiltStates = 9;
constexpr int SinkingFrame = TiltStates * 24;
// The heading steps of each leg at rest: legs 0 to 2 on the left, 3 to 5 on the right.
constexpr int LegBase[LegCount] = {4, 6, 8, -4, -6, -8};
// Hips, along the heading and across it to the left.
constexpr float HipAlong[LegCount] = {0.18f, 0.f, -0.18f, 0.18f, 0.f, -0.18f};
constexpr float HipAcross[LegCount] = {0.12f, 0.12f, 0.12f, -0.12f, -0.12f, -0.12f};
// Body tilt states: the rise of the ground per unit along the heading and across it.
constexpr float TiltAlong[TiltStates] = {0, 1, -1, 0, 0, 1, 1, -1, -1};
constexpr float TiltAcross[TiltStates] = {0, 0, 0, 1, -1, 1, -1, 1, -1};
// The swing of a leg shown by its frame: the left side turns its frames the other way.
inline int LegDirection(int leg, int heading, int swing) {
  int d = heading + LegBase[leg] + (leg < 3 ? -swing : swing);
  return ((d % 24) + 24) % 24;
}
}  // namespace AntShape

class TAnt : public TCritter {
 public:
  static constexpr int TypeCode = 14;
  // The channel sub-value of each leg.
  static constexpr int LegSub[AntShape::LegCount] = {5, 4, 3, 7, 0, 1};
  static const float SunTable[24];

  TAnt(ICritterWorld* world, const std::string& name, int number, float x, float y, float z, int heading,
       TPic* bodyPic, TPic* headPic, TPic* legPic);

  void destroy() override;
  void step() override;
  void collideWithCritter(TCritter* other, TSprite* myPart, TSprite* otherPart) override;
  void collideWithThing(TStaticBound* thing, TSprite* myPart) override;
  void collideWithEdge(TSprite* part) override;
  void carriedCollided(TCritter* other) override;
  void forget(const TCritter* gone) override;
  void leavingWorld() override;
  bool reset() override;
  int getHeading() override;

  // The push of one side from its lowered legs that push forward, push back, or are
  // told to push but stand at their limit.
  static float SidePush(int forward, int back, int free);
  // The world file's start inside a nest, after so many ticks in it.
  void startInNest(TNest* inNest, int ticks);
  // The same for any two critters of a world file: null when done, else the complaint.
  static const char* PutInNest(TCritter* ant, TCritter* nest, int ticks);
  // Feet, tilt, z and every part from the position, heading and legs.
  void layOut();

  TSprite* body = nullptr;
  TSprite* head = nullptr;
  TSprite* legs[AntShape::LegCount] = {};
  bool legUp[AntShape::LegCount] = {};
  int legSwing[AntShape::LegCount] = {};
  bool legTouch[AntShape::LegCount] = {};
  float legGround[AntShape::LegCount] = {};
  int bodyHeading = 0;
  float bodyLift = AntShape::BodyLift;
  int tilt = 0;
  TCritter* facing = nullptr;
  TCritter* held = nullptr;
  bool liftHeld = false;
  bool noseBumped = false, tailBumped = false;
  TNest* nest = nullptr;
  int nestTicks = 0;
  TNest* startNest = nullptr;
  int startNestTicks = 0;
  int trail = -1;
  // "Leg Wet" sub-value 2, which no leg uses.
  int spareWet = 0;

 private:
  void stepInNest();
  void carry(const int32_t* out);
  void stepLegs(const int32_t* out);
  float sidePush(int first, const int32_t* out);
  void moveBody(float pushLeft, float pushRight, const int32_t* out);
  void writeAntSensors(int32_t* in, const int32_t* out);
  void undoMove();
  bool movedToward(float ox, float oy) const;
  void turnBody(int d);
  bool mayRaise(int leg) const;
  float groundAt(float px, float py);
  void release();

  int lastHeading = 0;
  float headDrop = 0;  // the head dips while it takes hold of something
  float heldRise = 0;  // the held thing's height above z
  bool soundOn = false;
};
