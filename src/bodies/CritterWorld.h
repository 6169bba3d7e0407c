#pragma once
// What a critter may ask of the world it lives in: the terrain and contact queries, the
// cell and sprite bookkeeping of its parts, the angle tables, the world's one generator,
// its brain's channel block by number, and sounds. The world implements it; critter
// tests use a small fake. Nothing in the bodies reaches the world any other way.
#include <cstdint>
#include <string>

#include "platform/Random.h"

class TCritter;
class TPic;
class TStaticPic;
class TSprite;

// Sine and cosine of the 24 headings (15 degrees apart) and of the 768 fine angles.
struct TAngleTables {
  TAngleTables();
  float sin24[24], cos24[24], fineSin[768], fineCos[768];
};

// The heading sector (0..23, 15 degrees each) of a vector; 0 for a vector shorter than
// 0.1 on both axes.
int Direction24(float dx, float dy);

// How far a point lies off a map of width by height cells; 0 on it. The far rows begin
// off the map (a cell is found by truncation).
float OffMapDistance(float x, float y, int width, int height);

class ICritterWorld {
 public:
  virtual ~ICritterWorld() = default;

  // ---- extent and tables ---------------------------------------------------------------
  virtual int ExtentX() const = 0;
  virtual int ExtentY() const = 0;
  virtual const TAngleTables& Tables() const = 0;
  // The one generator of the world: placements draw from it in turn.
  virtual WorldRandom& Generator() = 0;

  // ---- parts: cell chains, the sprite list, the screen -----------------------------------
  virtual void AddSprite(TSprite* sprite) = 0;
  virtual void RemoveSprite(TSprite* sprite) = 0;
  virtual void PlaceInCell(TStaticPic* object, float x, float y) = 0;
  virtual void RemoveFromCell(TStaticPic* object) = 0;
  virtual void MoveBetweenCells(TStaticPic* object, float newX, float newY) = 0;
  virtual void Project(float x, float y, float z, int& sx, int& sy) const = 0;

  // ---- terrain and contact ---------------------------------------------------------------
  // The ground or the highest object top under a point; `ignore1`, `ignore2` are critter
  // numbers whose parts do not count. With a surface value, an object counts only where
  // its surface width beats it, and the value of the last that counted is returned.
  virtual float SurfaceHeight(float x, float y, float z, int& kind, int ignore1 = -1, int ignore2 = -1,
                              int* surface = nullptr) = 0;
  virtual float SurfaceHeight(TSprite* sprite, int& kind) = 0;
  virtual bool TouchingAnything(TSprite* sprite) = 0;
  virtual void SenseScent(int heading, float outputs[8], float x, float y) = 0;
  virtual int LayScent(int direction, int segment, float x, float y) = 0;

  // ---- the other critters, brains, pictures and sounds -----------------------------------
  virtual int CritterCount() const = 0;
  // Null outside the list.
  virtual TCritter* CritterAt(int number) = 0;
  // The brain's 64 x 8 channel values; null when the brain does not exist.
  virtual int32_t* BrainInputs(int brainNumber) = 0;
  virtual const int32_t* BrainOutputs(int brainNumber) = 0;
  // The picture set's number as a world file being written names it; -1 when absent.
  virtual int PictureNumberForSave(const TPic* pic) const = 0;
  // Plays a sound of the world's list once ("wavs\fire.wav"); silent when it is missing.
  virtual void PlayWorldSound(const std::string& name) = 0;
};
