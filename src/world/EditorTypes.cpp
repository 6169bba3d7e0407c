#include "world/EditorTypes.h"

namespace {
struct TypeRow {
  const char* boxName;
  int typeCode;
  const char* word;
  int threshold;
  std::vector<std::string> pictures;
};

// In type-code order; the worm's two faces follow each other.
const std::vector<TypeRow>& Rows() {
  static const std::vector<TypeRow> rows = {
      {"LadyBug", 1, "LadyBug", 300, {"lbug", "lblg"}},
      {"Aphid", 2, "Aphid", 300, {"aphid"}},
      {"Ball", 3, "Ball", 404, {"ball"}},
      {"Cube", 4, "Cube", 406, {"cube"}},
      {"Letter", 5, "Letter", 407, {"let"}},
      {"Gate", 6, "Gate", 408, {"gate"}},
      {"PushButton", 7, "PushButton", 409, {"pushb"}},
      {"Light", 8, "Bulb", 412, {"bulb"}},
      {"Vehicle", 9, "Vehicle", 413, {"vehicle"}},
      {"Cannon", 10, "Cannon", 415, {"cann", "cbll"}},
      {"Worm1", 11, "Worm", 700, {"wf", "wm", "wb"}},
      {"Worm2", 11, "Worm", 700, {"wf2", "wm", "wb"}},
      {"Mushroom", 12, "Mushroom", 700, {"mush"}},
      {"Spider", 13, "Spider", 700, {"sbdy", "sleg"}},
      {"Ant", 14, "Ant", 700, {"abd", "ahd", "aleg"}},
      {"Nest", 15, "Nest", 700, {"nest"}},
  };
  return rows;
}
}  // namespace

std::vector<EditorType> EditorTypeList(int progress) {
  std::vector<EditorType> list;
  for (const TypeRow& r : Rows()) {
    if (r.threshold > progress) break;
    list.push_back({r.boxName, r.typeCode, r.word, r.pictures});
  }
  return list;
}

std::vector<std::string> TriggerByNames(int progress) {
  std::vector<std::string> names;
  for (const EditorType& t : EditorTypeList(progress)) {
    if (t.boxName == "Worm2") continue;
    names.push_back(t.boxName == "Worm1" ? "Worm" : t.boxName);
  }
  return names;
}

std::vector<std::string> SmellTypeNames(int progress) {
  std::vector<std::string> names = TriggerByNames(progress);
  names.insert(names.begin(), "None");
  return names;
}

std::string EditorTypeName(int typeCode, const std::string& firstPicture) {
  if (typeCode == 11) return firstPicture == "wf2" ? "Worm2" : "Worm1";
  for (const TypeRow& r : Rows())
    if (r.typeCode == typeCode) return r.boxName;
  return "Unknown";
}
