#pragma once
// The body classes as world files name them: the type word, how many picture numbers
// its line carries and which of them each sprite uses. Classes that are not built yet
// come back as inert critters of their type code, so every world still loads.
#include <memory>
#include <string>
#include <vector>

#include "bodies/Critter.h"

struct CritterTypeInfo {
  const char* word;
  int typeCode;
  int pictureFields;              // picture numbers on the line
  std::vector<int> spritePicture;  // per sprite: which picture field it shows
};

// In the order the reader tests the words.
const std::vector<CritterTypeInfo>& CritterTypes();
// Null for a word no class answers to.
const CritterTypeInfo* FindCritterType(const std::string& word);
// Whether a picture field is read at all (some lines repeat or ignore numbers).
bool PictureFieldUsed(const CritterTypeInfo& type, int field);

// Builds the critter of a [CRITTERS] line. pictures[k] is the picture set of field k
// (null for an unused field, and for the ladybug's third field when it has no shade).
std::unique_ptr<TCritter> CreateCritter(TWorld* world, const CritterTypeInfo& type, const std::string& name,
                                        int number, const std::vector<TPic*>& pictures, float x, float y, float z,
                                        int heading);
