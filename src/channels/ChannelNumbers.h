#pragma once
// Channel numbers and body type codes by name, so bodies never spell a bare number.
namespace InCh {
enum : int {
  Switch1 = 0, Switch2 = 1, Slider = 2, BranchFwd = 3, Bump = 4, BranchLeft = 5, BranchRight = 6, Eye = 7,
  Eyes = 8, LegPos = 9, MidHeight = 10, MidAngle = 11, BumpNose = 12, BumpTail = 13, SmellLeft = 14,
  SmellRight = 15, HomeDist = 16, Energy = 17, GotFood = 18, HomeDir = 19, SmellLeft2 = 20, SpiderLeft = 21,
  SpiderRight = 22, Height = 23, Trigger = 24, Ear = 25, TriggerDist = 26, TriggerDir = 27, Target1 = 28,
  Point1 = 32, Category0 = 42, LegWet = 52, Antenna = 53, CanPickup = 54, LegTouch = 55, Sun = 56,
  IsEdible = 57, Glass = 58, SmellRight2 = 59, LeftLight = 60, RightLight = 61, LightDir = 62,
};
}  // namespace InCh

namespace OutCh {
enum : int {
  Light1 = 0, GoFwd = 4, TurnLeft = 5, TurnRight = 6, RaiseLeg = 7, LowerLeg = 8, Chamber1 = 9, Heart = 12,
  RaiseMid = 13, LowerMid = 14, GrabFront = 15, GrabBack = 16, BendLeft = 17, BendRight = 18, GoBack = 19,
  Fire = 20, Sound = 21, Letter = 22, TurnLetter = 23, LetterX = 24, LetterY = 25, LegUp = 26, LegForward = 27,
  LegBack = 28, MarkScent = 29, PickUp = 30, ArmUp = 31, ArmDown = 32, LeftMotor = 33, RightMotor = 34,
  LightBulb = 35, Reset = 36,
};
}  // namespace OutCh

namespace TypeCodes {
enum : int {
  Plain = 0, LadyBug = 1, Aphid = 2, Ball = 3, Cube = 4, Letter = 5, Gate = 6, PushButton = 7, Bulb = 8,
  Vehicle = 9, Cannon = 10, Worm = 11, Mushroom = 12, Spider = 13, Ant = 14, Nest = 15,
};
}  // namespace TypeCodes

// Sub-value k of a channel in a brain's 64 x 8 block.
inline int& ChannelValue(int* block, int channel, int sub = 0) { return block[channel * 8 + sub]; }
inline int ChannelValue(const int* block, int channel, int sub = 0) { return block[channel * 8 + sub]; }
