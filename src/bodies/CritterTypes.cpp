#include "bodies/CritterTypes.h"

#include <algorithm>

#include "bodies/Aphid.h"
#include "bodies/LadyBug.h"

namespace {
// A body whose class comes later: it keeps its type, its sprites and its line, and
// does only what every critter does.
class TInertCritter : public TCritter {
 public:
  TInertCritter(TWorld* w, const CritterTypeInfo& type, const std::string& n, int num, float px, float py, float pz,
                int h, const std::vector<TPic*>& pictures)
      : TCritter(w, n, num, px, py, pz, h) {
    setClass(ClassMasksForType(type.typeCode));
    typeName = type.word;
    headingCount = 24;
    for (int field : type.spritePicture) addPart(pictures[static_cast<size_t>(field)], 0);
  }
};
}  // namespace

const std::vector<CritterTypeInfo>& CritterTypes() {
  static const std::vector<CritterTypeInfo> types = {
      {"Worm", 11, 4, {0, 1, 1, 3}},
      {"Spider", 13, 9, {0, 1, 1, 1, 1, 1, 1, 1, 1}},
      {"LadyBug", 1, 3, {0, 1, 2}},
      {"Aphid", 2, 1, {0}},
      {"Ball", 3, 1, {0}},
      {"Cube", 4, 1, {0}},
      {"PushButton", 7, 1, {0}},
      {"Gate", 6, 1, {0}},
      {"Bulb", 8, 1, {0}},
      {"Vehicle", 9, 1, {0}},
      {"Mushroom", 12, 1, {0}},
      {"Cannon", 10, 2, {0, 1}},
      {"Letter", 5, 1, {0}},
      {"Ant", 14, 8, {0, 1, 2, 2, 2, 2, 2, 2}},
      {"Nest", 15, 1, {0}},
  };
  return types;
}

const CritterTypeInfo* FindCritterType(const std::string& word) {
  for (const CritterTypeInfo& t : CritterTypes())
    if (word == t.word) return &t;
  return nullptr;
}

bool PictureFieldUsed(const CritterTypeInfo& type, int field) {
  return std::find(type.spritePicture.begin(), type.spritePicture.end(), field) != type.spritePicture.end();
}

std::unique_ptr<TCritter> CreateCritter(TWorld* world, const CritterTypeInfo& type, const std::string& name,
                                        int number, const std::vector<TPic*>& pictures, float x, float y, float z,
                                        int heading) {
  if (static_cast<int>(pictures.size()) < type.pictureFields) return nullptr;
  switch (type.typeCode) {
    case TLadyBug::TypeCode:
      return std::make_unique<TLadyBug>(world, name, number, x, y, z, heading, pictures[0], pictures[1], pictures[2]);
    case TAphid::TypeCode:
      return std::make_unique<TAphid>(world, name, number, x, y, z, pictures[0]);
    default:
      return std::make_unique<TInertCritter>(world, type, name, number, x, y, z, heading, pictures);
  }
}
