// Any text as an editor script: every line runs through the editor's rules on a small
// world with a scenery list, whatever the line's outcome; the edited world is then written,
// read back and run for a few ticks.
#include <cstdint>
#include <filesystem>
#include <string>

#include "WorldFixture.h"
#include "bodies/PicWriter.h"
#include "platform/Files.h"
#include "world/EditorScript.h"

namespace {
// The scenery list and its picture are read from the working folder.
const std::filesystem::path folder = [] {
  const auto path = ScratchFolderWithStone("edit");
  WriteFileAtomic((path / "pics/fixed.lst").string(), std::string("0 2 stone\n[END]\n"));
  return path;
}();

class FuzzEditorBrains : public IEditorBrains {
 public:
  explicit FuzzEditorBrains(FuzzBrains& b) : b_(b) {}
  void ReleaseWorldBrains() override { b_.ReleaseWorldBrains(); }
  int AttachBrain(const std::string& name, const ChannelMask& in, bool hidden, const ChannelMask& out) override {
    return b_.AttachBrain(name, in, hidden, out);
  }
  std::string BrainName(int n) override { return b_.BrainName(n); }
  void ReleaseBrain(int) override {}

 private:
  FuzzBrains& b_;
};

constexpr int MaxLines = 400;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 16 * 1024) return 0;
  const std::string text(reinterpret_cast<const char*>(data), size);
  InFolder here(folder);
  FuzzWorld fw(FuzzSeed(text), false);
  FuzzEditorBrains brains(fw.brains);
  TWorldFile file(fw.world, &brains, &fw.test);
  LimitForFuzzing(file);
  file.ReadWorldText(TWorldFile::NewWorldText(12, 10));
  TWorldEditing editor(fw.world, fw.world.host, &brains, &fw.test);
  editor.OpenEditor(999);
  TEditorScript script(editor);
  int lines = 0;
  for (const std::string& line : SplitLines(text)) {
    if (++lines > MaxLines) break;
    std::string problem, printed;
    const TEditorScript::Outcome outcome = script.RunLine(line, problem, printed);
    // Every line that does not run says why.
    if (outcome == TEditorScript::Outcome::Bad && problem.empty()) __builtin_trap();
    // The editor's own state stays within the map.
    if (editor.cellX < 0 || editor.cellY < 0 || editor.cellX >= fw.world.X || editor.cellY >= fw.world.Y)
      __builtin_trap();
    if (editor.critter >= static_cast<int>(fw.world.critters.size())) __builtin_trap();
  }
  // What the editor made is a world its own reader takes back.
  const std::string written = file.WriteWorld();
  FuzzWorld again(FuzzSeed(written), false);
  TWorldFile reread(again.world, &again.brains, &again.test);
  LimitForFuzzing(reread);
  reread.ReadWorldText(written);
  if (again.world.critters.size() != fw.world.critters.size()) __builtin_trap();
  again.Run(3);
  return 0;
}
