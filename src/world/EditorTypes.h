#pragma once
// The body types the world editor offers: each from a progress threshold on, the list
// ending at the first type above the user's progress. The worm comes twice ("Worm1" and
// "Worm2", told apart by the face picture); the trigger and smell lists name it once.
#include <string>
#include <vector>

struct EditorType {
  std::string boxName;                // as the type box shows it
  int typeCode = 0;
  std::string word;                   // the class word of world files
  std::vector<std::string> pictures;  // of a new critter, for the class's picture fields in order
};

// The type box at this progress.
std::vector<EditorType> EditorTypeList(int progress);
// The "Trigger by" box: the same without the worm split; index + 1 is the type code.
std::vector<std::string> TriggerByNames(int progress);
// "None" and the type box with "Worm1" as "Worm" and "Worm2" left out: position = type code.
std::vector<std::string> SmellTypeNames(int progress);
// The box name a critter of this type and face picture shows ("Worm2" for a "wf2" worm).
std::string EditorTypeName(int typeCode, const std::string& firstPicture);
