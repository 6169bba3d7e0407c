#pragma once
// The body classes, one row each: how world files name them, how many picture numbers
// a line carries and which of them each sprite shows, the class's channel masks and
// heading count, when the level map and the editor unlock it, the pictures a new one
// gets in the editor, and the function that builds it. The reader, the writer, the
// editor and the command line all read this table. A class without a create function
// comes back as an inert critter of its type code, so every world still loads.
#include <memory>
#include <string>
#include <vector>

#include "bodies/Critter.h"

// What a create function gets from a [CRITTERS] line.
struct TCritterArgs {
  ICritterWorld* world = nullptr;
  std::string name;
  int number = 0;
  // pictures[k] is the picture set of field k (null for an unused field, and for the
  // ladybug's third field when it has no shade).
  std::vector<TPic*> pictures;
  float x = 0, y = 0, z = 0;
  int heading = 0;
};

using CritterFactory = std::unique_ptr<TCritter> (*)(const TCritterArgs& args);

struct CritterTypeInfo {
  const char* word;                // the type word of world files, also the type name
  int typeCode;
  int pictureFields;               // picture numbers on the line
  std::vector<int> spritePicture;  // per sprite: which picture field it shows
  int headingCount;
  const ClassChannelMasks* masks;
  int unlockProgress;              // the level map offers a level with it from here
  int editorProgress;              // the world editor offers the type from here
  const char* editorName;          // as the editor's type list shows it
  std::vector<const char*> defaultPictures;  // per picture field, for a new critter
  CritterFactory create;           // null: not built yet, loads as an inert critter
};

// In the order the reader tests the words.
const std::vector<CritterTypeInfo>& CritterTypes();
// Null for a word no class answers to.
const CritterTypeInfo* FindCritterType(const std::string& word);
// Null for a type code no class has.
const CritterTypeInfo* CritterTypeByCode(int typeCode);
// Whether a picture field is read at all (some lines repeat or ignore numbers).
bool PictureFieldUsed(const CritterTypeInfo& type, int field);

// Builds the critter of a [CRITTERS] line; null when the line names too few pictures.
std::unique_ptr<TCritter> CreateCritter(const CritterTypeInfo& type, const TCritterArgs& args);
