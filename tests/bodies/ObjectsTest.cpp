// Ball, cube, gate, letter, push button and mushroom.
#include <gtest/gtest.h>

#include "ObjectFixtures.h"
#include "bodies/Ball.h"
#include "bodies/Cube.h"
#include "bodies/Gate.h"
#include "bodies/Letter.h"
#include "bodies/Mushroom.h"
#include "bodies/PushButton.h"

namespace {

TEST(Ball, OnFlatGroundSlowsByAQuarterEachTick) {
  ObjectWorld w;
  auto* ball = w.Add(std::make_unique<TBall>(&w.world, "ball", 0, 3, 3, 0, w.Pic()));
  ball->start();
  ball->prevX = 2.9f;  // rolled 0.1 along x in the last tick
  float last = 0.1f;
  for (int k = 0; k < 4; ++k) {
    const float before = ball->x;
    ball->step();
    EXPECT_NEAR(ball->x - before, last * 0.75f, 1e-5) << k;
    EXPECT_FLOAT_EQ(ball->y, 3);
    last *= 0.75f;
  }
  EXPECT_FLOAT_EQ(ball->body->x, ball->x);  // the picture goes along
}

TEST(Ball, RollsDownASlopeTowardTheLowerSide) {
  ObjectWorld w;
  // Frame 3 tiles rise toward -x (kind 3 everywhere), so the low side is +x.
  for (int x = 0; x < 10; ++x)
    for (int y = 0; y < 10; ++y) w.world.SetTile(x, y, 3, 0);
  w.world.FinishMap();
  auto* ball = w.Add(std::make_unique<TBall>(&w.world, "ball", 0, 3.5f, 5.5f, 0.1f, w.Pic()));
  ball->start();
  for (int k = 0; k < 10; ++k) ball->step();
  EXPECT_GT(ball->x, 3.6f);
  EXPECT_NEAR(ball->y, 5.5f, 1e-5);
  // Standing still on flat ground it stays put.
  ObjectWorld flat;
  auto* still = flat.Add(std::make_unique<TBall>(&flat.world, "ball", 0, 3.5f, 5.5f, 0, flat.Pic()));
  still->start();
  for (int k = 0; k < 10; ++k) still->step();
  EXPECT_FLOAT_EQ(still->x, 3.5f);
}

TEST(Ball, IsKickedByWhatWalksIntoItAndStopsForWhatWalksAway) {
  ObjectWorld w;
  auto* ball = w.Add(std::make_unique<TBall>(&w.world, "ball", 0, 5, 5, 0, w.Pic()));
  auto* kicker = w.Add(4.5f, 5);
  kicker->prevX = 4.4f;  // came 0.1 along +x, toward the ball
  ball->start();
  ball->collideWithCritter(kicker, ball->body, kicker->parts[0].get());
  // Pushed out past the kicker's reach is not asked for a square kicker: moved by its motion.
  EXPECT_NEAR(ball->x, 5.1f, 1e-5);
  EXPECT_NEAR(ball->vx, 0.1f, 1e-5);
  EXPECT_TRUE(ball->bumped);
  kicker->prevX = 4.6f;  // moving away
  ball->prevX = 5.1f, ball->prevY = 5;
  ball->collideWithCritter(kicker, ball->body, kicker->parts[0].get());
  EXPECT_NEAR(ball->x, 5.1f, 1e-5);
  EXPECT_FLOAT_EQ(ball->vx, 0);
  // Rolling into a stone: back to where it was, at rest.
  ball->step();
  ball->moveTo(5.3f, 5, 0);
  ball->vx = 0.2f;
  ball->collideWithThing(nullptr, ball->body);
  EXPECT_NEAR(ball->x, 5.1f, 1e-5);
  EXPECT_FLOAT_EQ(ball->vx, 0);
  EXPECT_TRUE(ball->bumped);
}

TEST(Cube, BandsAndCarrying) {
  ObjectWorld w;
  auto* small = w.Add(std::make_unique<TCube>(&w.world, "c1", 0, 2, 2, 0, 4, w.Pic()));
  auto* big = w.Add(std::make_unique<TCube>(&w.world, "c2", 1, 6, 6, 0, 13, w.Pic()));
  EXPECT_TRUE(small->pickable);
  EXPECT_FALSE(big->pickable);
  EXPECT_EQ(big->getHeading(), 1);
  big->setHeading(8);  // stays in its band: 12 + (8 wrapped to 0..5)
  EXPECT_EQ(big->body->frame, 14);
  EXPECT_EQ(big->getHeading(), 2);
  big->setHeading(-1);
  EXPECT_EQ(big->body->frame, 17);
  big->reset();
  EXPECT_EQ(big->body->frame, 13);
}

TEST(Cube, PushedAlongButNotByAnAntAndNotWhileCarried) {
  ObjectWorld w;
  auto* cube = w.Add(std::make_unique<TCube>(&w.world, "c", 0, 5, 5, 0, 0, w.Pic()));
  cube->start();
  cube->step();
  auto* pusher = w.Add(5, 4.6f);
  pusher->prevY = 4.5f;
  cube->collideWithCritter(pusher, cube->body, pusher->parts[0].get());
  EXPECT_NEAR(cube->y, 5.1f, 1e-5);
  cube->step();
  pusher->typeCode = TypeCodes::Ant;
  cube->collideWithCritter(pusher, cube->body, pusher->parts[0].get());
  EXPECT_NEAR(cube->y, 5.1f, 1e-5);
  pusher->typeCode = 0;
  cube->carrier = pusher;
  cube->collideWithCritter(pusher, cube->body, pusher->parts[0].get());
  EXPECT_NEAR(cube->y, 5.1f, 1e-5);
}

TEST(Gate, SwingsByItsBrainAndBackOnACollision) {
  ObjectWorld w;
  auto* gate = w.Add(std::make_unique<TGate>(&w.world, "g", 0, 5, 5, 0, 23, w.Pic()), 0);
  gate->start();
  w.brains.output(0, OutCh::BendLeft) = 50;
  gate->step();
  EXPECT_EQ(gate->angle, 0);  // wraps past 23
  EXPECT_EQ(gate->body->frame, 0);
  EXPECT_EQ(w.brains.input(0, InCh::MidAngle), 0);
  gate->step();
  EXPECT_EQ(gate->angle, 1);
  gate->collideWithThing(nullptr, gate->body);
  EXPECT_EQ(gate->angle, 0);
  EXPECT_EQ(gate->body->frame, 0);
  EXPECT_TRUE(gate->bumped);
  w.brains.output(0, OutCh::BendLeft) = 0;
  w.brains.output(0, OutCh::BendRight) = 50;
  gate->step();
  auto* other = w.Add(7, 7);
  gate->collideWithCritter(other, gate->body, other->parts[0].get());
  EXPECT_EQ(gate->angle, 0);
  gate->stop();
  gate->step();
  EXPECT_EQ(gate->angle, 0);  // a stopped world holds the gate
}

TEST(Letter, ShowsTheLetterItsBrainAsksForAndIgnoresOthers) {
  ObjectWorld w;
  auto* letter = w.Add(std::make_unique<TLetter>(&w.world, "l", 0, 5, 5, 0, 3, w.Pic()), 0);
  letter->start();
  for (int bad : {42, 100, -1}) {
    w.brains.output(0, OutCh::Letter) = bad;
    letter->step();
    EXPECT_EQ(letter->shownFrame, 3) << bad;
  }
  w.brains.output(0, OutCh::Letter) = 7;
  w.brains.output(0, OutCh::TurnLetter) = 50;
  letter->step();
  EXPECT_EQ(letter->shownFrame, 7 + 42);
  w.brains.output(0, OutCh::Letter) = 50;  // out of range: keeps the letter and its turn
  letter->step();
  EXPECT_EQ(letter->shownFrame, 49);
  w.brains.output(0, OutCh::TurnLetter) = 49;
  letter->step();
  EXPECT_EQ(letter->shownFrame, 7);
}

TEST(Letter, SlidesAndStepsBackFromACollision) {
  ObjectWorld w;
  auto* letter = w.Add(std::make_unique<TLetter>(&w.world, "l", 0, 5, 5, 0, 0, w.Pic()), 0);
  letter->start();
  w.brains.output(0, OutCh::LetterX) = 50;
  w.brains.output(0, OutCh::LetterY) = -100;
  letter->step();
  EXPECT_NEAR(letter->x, 5.1f, 1e-5);
  EXPECT_NEAR(letter->y, 4.8f, 1e-5);
  EXPECT_NEAR(letter->z, 0.02f, 1e-5);
  w.brains.output(0, OutCh::Letter) = 9;
  letter->step();
  letter->collideWithThing(nullptr, letter->body);
  EXPECT_NEAR(letter->x, 5.1f, 1e-5);
  EXPECT_EQ(letter->shownFrame, 0);
  EXPECT_TRUE(letter->bumped);
}

TEST(PushButton, PressedOnlyFromItsFaceAndSpringsBack) {
  ObjectWorld w;
  auto* button = w.Add(std::make_unique<TPushButton>(&w.world, "b", 0, 5, 5, 0, 0, w.Pic()), 0);
  auto* walker = w.Add(5.3f, 5);
  walker->prevX = 5.2f;  // moving along +x: from behind a button facing +x
  button->collideWithCritter(walker, button->body, walker->parts[0].get());
  EXPECT_FALSE(button->pressed());
  button->step();
  EXPECT_EQ(w.brains.input(0, InCh::Switch1), 0);
  walker->prevX = 5.4f;  // moving along -x, into the face
  button->collideWithCritter(walker, button->body, walker->parts[0].get());
  EXPECT_TRUE(button->pressed());
  EXPECT_EQ(button->body->frame, 4);
  button->step();
  EXPECT_EQ(w.brains.input(0, InCh::Switch1), 100);
  EXPECT_EQ(button->body->frame, 0);
  button->step();
  EXPECT_EQ(w.brains.input(0, InCh::Switch1), 0);
  // The other facings want a push along -y, +x and +y.
  const float pushes[3][2] = {{0, -0.1f}, {0.1f, 0}, {0, 0.1f}};
  for (int facing = 1; facing < 4; ++facing) {
    auto* b = w.Add(std::make_unique<TPushButton>(&w.world, "b", 2 + facing, 2, 2, 0, facing, w.Pic()));
    walker->prevX = walker->x - pushes[facing - 1][0], walker->prevY = walker->y - pushes[facing - 1][1];
    b->collideWithCritter(walker, b->body, walker->parts[0].get());
    EXPECT_EQ(b->body->frame, facing + 4) << facing;
  }
}

TEST(Mushroom, PoisonedByATriggerStaysUntilAWormEatsAGoodOne) {
  ObjectWorld w;
  auto* mush = w.Add(std::make_unique<TMushroom>(&w.world, "m", 0, 5, 5, 0, w.Pic()));
  EXPECT_FLOAT_EQ(mush->energy, 15);
  EXPECT_TRUE(mush->pickable);
  mush->triggerFired(nullptr);
  EXPECT_FLOAT_EQ(mush->energy, -15);
  EXPECT_EQ(mush->body->frame, TMushroom::PoisonedFrame);
  mush->step();
  EXPECT_FALSE(mush->dead);  // poison is not starvation
  EXPECT_FLOAT_EQ(mush->energy, -15);

  auto* worm = w.Add(5.2f, 5, 0, TypeCodes::Worm);
  TSprite* head = worm->addPart(w.world.Picture(w.front), 0);
  mush->collideWithCritter(worm, mush->body, head);
  EXPECT_FALSE(mush->dead);  // a poisoned one is not eaten up
  mush->reset();
  EXPECT_EQ(mush->body->frame, TMushroom::GoodFrame);
  mush->collideWithCritter(worm, mush->body, worm->parts[0].get());
  EXPECT_FALSE(mush->dead);  // the worm's tail does not bite
  mush->collideWithCritter(worm, mush->body, head);
  EXPECT_TRUE(mush->dead);
  EXPECT_EQ(mush->body->visibility, TSprite::HiddenSinceDraw);
}

}  // namespace

TEST(Mushroom, RegrownAtRandomSettlesOnceOnReset) {
  // A regrown mushroom's start height is its placement limit; it rests on the ground,
  // and a second reset pass must find it home rather than move it again for ever.
  ObjectWorld w;
  auto* mush = w.Add(std::make_unique<TMushroom>(&w.world, "m", 0, 5, 5, 0, w.Pic()));
  TPlacement regrow;
  regrow.centreX = 5, regrow.centreY = 5, regrow.radius = 1, regrow.minZ = -1, regrow.maxZ = 0.5f;
  regrow.modeMask = PlaceOnDeath;
  mush->addPlacement(regrow);
  ASSERT_TRUE(mush->randomPlace(mush->startX, mush->startY, mush->startZ, PlaceOnDeath));
  mush->reset();
  EXPECT_FALSE(mush->reset());
}
