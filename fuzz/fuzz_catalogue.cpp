// Any text as the editor's scenery catalogue "pics//fixed.lst": it is read into a small
// world's picture list (one real picture set, "stone", lies beside it), then every entry is
// chosen and one of its frames placed on the map.
#include <cstdint>
#include <filesystem>
#include <string>

#include "WorldFixture.h"
#include "bodies/PicWriter.h"
#include "platform/Files.h"
#include "world/WorldEditing.h"

namespace {
// The catalogue and its pictures are read from the working folder.
const std::filesystem::path folder = [] {
  const auto path = ScratchFolderWithStone("lst");
  return path;
}();
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 64 * 1024) return 0;
  const std::string text(reinterpret_cast<const char*>(data), size);
  InFolder here(folder);
  if (!WriteFileAtomic("pics/fixed.lst", text)) return 0;
  FuzzWorld fw(FuzzSeed(text), false);  // the list and the placing are the subject, not the drawing
  TWorldFile file(fw.world, &fw.brains, &fw.test);
  file.ReadWorldText("[MAP]\n3 3\n1 2 3\n[END]\n");
  TWorldEditing editor(fw.world, fw.world.host, nullptr, &fw.test);
  editor.OpenEditor(999);
  for (int k = 0; k < static_cast<int>(editor.catalogue.size()); ++k) {
    if (!editor.ChoosePicture(k)) __builtin_trap();
    if (!editor.ChooseFrame(editor.catalogue[static_cast<size_t>(k)].frames - 1)) __builtin_trap();
    editor.AddThing("1", "1", "0.5");
  }
  fw.Run(2);
  return 0;
}
