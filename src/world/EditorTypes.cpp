#include "world/EditorTypes.h"

#include <algorithm>

#include "bodies/CritterTypes.h"

namespace {
constexpr int WormCode = 11;

// The classes in type-code order: the editor's lists count their positions as codes.
std::vector<const CritterTypeInfo*> ByCode() {
  std::vector<const CritterTypeInfo*> rows;
  for (const CritterTypeInfo& t : CritterTypes()) rows.push_back(&t);
  std::sort(rows.begin(), rows.end(), [](auto* a, auto* b) { return a->typeCode < b->typeCode; });
  return rows;
}

EditorType Entry(const CritterTypeInfo& t, const std::string& boxName) {
  EditorType e{boxName, t.typeCode, t.word, {}};
  for (const char* p : t.defaultPictures) e.pictures.push_back(p ? p : "");
  return e;
}
}  // namespace

std::vector<EditorType> EditorTypeList(int progress) {
  std::vector<EditorType> list;
  for (const CritterTypeInfo* t : ByCode()) {
    if (t->editorProgress > progress) break;
    if (t->typeCode != WormCode) {
      list.push_back(Entry(*t, t->editorName));
      continue;
    }
    // The worm comes with either face.
    list.push_back(Entry(*t, "Worm1"));
    EditorType second = Entry(*t, "Worm2");
    if (!second.pictures.empty()) second.pictures[0] = "wf2";
    list.push_back(second);
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
  if (typeCode == WormCode) return firstPicture == "wf2" ? "Worm2" : "Worm1";
  const CritterTypeInfo* t = CritterTypeByCode(typeCode);
  return t ? t->editorName : "Unknown";
}
