#include "bodies/CritterTypes.h"

#include <algorithm>

#include "bodies/Ant.h"
#include "bodies/Aphid.h"
#include "bodies/LadyBug.h"
#include "bodies/Nest.h"
#include "bodies/ObjectFactories.h"
#include "bodies/Spider.h"
#include "bodies/Worm.h"

namespace {
// A body whose class comes later: it keeps its type, its sprites and its line, and
// does only what every critter does.
class TInertCritter : public TCritter {
 public:
  TInertCritter(const CritterTypeInfo& type, const TCritterArgs& a)
      : TCritter(a.world, a.name, a.number, a.x, a.y, a.z, a.heading) {
    setClass(*type.masks);
    typeName = type.word;
    headingCount = type.headingCount;
    for (int field : type.spritePicture) addPart(a.pictures[static_cast<size_t>(field)], 0);
  }
};

std::unique_ptr<TCritter> MakeLadyBug(const TCritterArgs& a) {
  return std::make_unique<TLadyBug>(a.world, a.name, a.number, a.x, a.y, a.z, a.heading, a.pictures[0],
                                    a.pictures[1], a.pictures[2]);
}

std::unique_ptr<TCritter> MakeAphid(const TCritterArgs& a) {
  return std::make_unique<TAphid>(a.world, a.name, a.number, a.x, a.y, a.z, a.pictures[0]);
}

// The second middle shows the first's set: the line's third number is not read.
std::unique_ptr<TCritter> MakeWorm(const TCritterArgs& a) {
  return std::make_unique<TWorm>(a.world, a.name, a.number, a.x, a.y, a.z, a.heading, a.pictures[0], a.pictures[1],
                                 a.pictures[3]);
}

// Body and legs; the other seven numbers repeat the legs' set.
std::unique_ptr<TCritter> MakeSpider(const TCritterArgs& a) {
  return std::make_unique<TSpider>(a.world, a.name, a.number, a.x, a.y, a.z, a.heading, a.pictures[0],
                                   a.pictures[1]);
}

std::unique_ptr<TCritter> MakeAnt(const TCritterArgs& a) {
  return std::make_unique<TAnt>(a.world, a.name, a.number, a.x, a.y, a.z, a.heading, a.pictures[0], a.pictures[1],
                                a.pictures[2]);
}

std::unique_ptr<TCritter> MakeNest(const TCritterArgs& a) {
  return std::make_unique<TNest>(a.world, a.name, a.number, a.x, a.y, a.z, a.heading, a.pictures[0]);
}
}  // namespace

const std::vector<CritterTypeInfo>& CritterTypes() {
  using namespace ClassMasks;
  static const std::vector<CritterTypeInfo> types = {
      {"Worm", 11, 4, {0, 1, 1, 3}, 24, &Worm, 500, 700, "Worm", {"wf", "wm", "wm", "wb"}, MakeWorm},
      {"Spider", 13, 9, {0, 1, 1, 1, 1, 1, 1, 1, 1}, 24, &Spider, 500, 700, "Spider",
       {"sbdy", "sleg", "sleg", "sleg", "sleg", "sleg", "sleg", "sleg", "sleg"}, MakeSpider},
      {"LadyBug", 1, 3, {0, 1, 2}, 24, &LadyBug, 200, 300, "LadyBug", {"lbug", "lblg", "lbsh"}, MakeLadyBug},
      {"Aphid", 2, 1, {0}, 1, &Aphid, 200, 300, "Aphid", {"aphid"}, MakeAphid},
      {"Ball", 3, 1, {0}, 1, &Ball, 404, 404, "Ball", {"ball"}, MakeBall},
      {"Cube", 4, 1, {0}, 18, &Cube, 406, 406, "Cube", {"cube"}, MakeCube},
      {"PushButton", 7, 1, {0}, 4, &PushButton, 409, 409, "PushButton", {"pushb"}, MakePushButton},
      {"Gate", 6, 1, {0}, 24, &Gate, 408, 408, "Gate", {"gate"}, MakeGate},
      {"Bulb", 8, 1, {0}, 1, &Bulb, 411, 412, "Light", {"bulb"}, MakeBulb},
      {"Vehicle", 9, 1, {0}, 24, &Vehicle, 412, 413, "Vehicle", {"vehicle"}, MakeVehicle},
      {"Mushroom", 12, 1, {0}, 2, &Mushroom, 500, 700, "Mushroom", {"mush"}, MakeMushroom},
      {"Cannon", 10, 2, {0, 1}, 24, &Cannon, 413, 415, "Cannon", {"cann", "cbll"}, MakeCannon},
      {"Letter", 5, 1, {0}, 84, &Letter, 407, 407, "Letter", {"let"}, MakeLetter},
      {"Ant", 14, 8, {0, 1, 2, 2, 2, 2, 2, 2}, 24, &Ant, 700, 700, "Ant", {"abd", "ahd", "aleg"}, MakeAnt},
      {"Nest", 15, 1, {0}, 1, &Nest, 700, 700, "Nest", {"nest"}, MakeNest},
  };
  return types;
}

const CritterTypeInfo* FindCritterType(const std::string& word) {
  for (const CritterTypeInfo& t : CritterTypes())
    if (word == t.word) return &t;
  return nullptr;
}

const CritterTypeInfo* CritterTypeByCode(int typeCode) {
  for (const CritterTypeInfo& t : CritterTypes())
    if (t.typeCode == typeCode) return &t;
  return nullptr;
}

bool PictureFieldUsed(const CritterTypeInfo& type, int field) {
  return std::find(type.spritePicture.begin(), type.spritePicture.end(), field) != type.spritePicture.end();
}

std::unique_ptr<TCritter> CreateCritter(const CritterTypeInfo& type, const TCritterArgs& args) {
  if (static_cast<int>(args.pictures.size()) < type.pictureFields) return nullptr;
  if (type.create) return type.create(args);
  return std::make_unique<TInertCritter>(type, args);
}
