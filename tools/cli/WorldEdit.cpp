// world-edit: opens a world as the world editor does, runs a script of editor actions
// through the same rules the editor window uses, and can save the result.
#include <cstdio>

#include "Cli.h"
#include "WorldCli.h"
#include "platform/Files.h"
#include "world/EditorScript.h"

namespace {
class CliEditorBrains : public IEditorBrains {
 public:
  explicit CliEditorBrains(CliWorld& w) : w_(w) {}
  void ReleaseWorldBrains() override { w_.link.ReleaseWorldBrains(); }
  int AttachBrain(const std::string& name, const ChannelMask& in, bool hidden, const ChannelMask& out) override {
    return w_.link.AttachBrain(name, in, hidden, out);
  }
  std::string BrainName(int number) override { return w_.link.BrainName(number); }
  void ReleaseBrain(int number) override { w_.brains.ReleaseBrain(number); }

 private:
  CliWorld& w_;
};

bool Int(const std::string& s, int& v) {
  float f = 0;
  if (!ReadFloatBox(s, f) || !(f >= -1e9f && f <= 1e9f) || f != static_cast<float>(static_cast<int>(f))) return false;
  v = static_cast<int>(f);
  return true;
}

// A line shown back in an error: bytes outside printable ASCII as "?", so the JSON line
// stays text whatever the file held.
std::string Shown(const std::string& line) {
  std::string out = line.substr(0, 200);
  for (char& c : out)
    if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7f) c = '?';
  return out;
}

constexpr const char* Usage = "world-edit WORLD SCRIPT [--progress P] [--save OUT]";

// The usage line and every script verb with its words.
const char* WorldEditHelp() {
  static const std::string text = EditorScriptHelp(Usage);
  return text.c_str();
}

int WorldEdit(const std::vector<std::string>& args, Host& host) {
  std::string save;
  int progress = 999;
  std::vector<std::string> plain;
  for (size_t k = 0; k < args.size(); ++k) {
    if (args[k] == "--progress" && k + 1 < args.size()) {
      if (!Int(args[++k], progress)) return UsageError("--progress needs a whole number");
    } else if (args[k] == "--save" && k + 1 < args.size()) {
      save = args[++k];
    } else {
      plain.push_back(args[k]);
    }
  }
  if (plain.size() != 2) return UsageError(std::string("usage: ") + Usage);
  auto text = ReadFileText(plain[1]);
  if (!text) return UsageError("cannot read script " + plain[1]);
  CliWorld w(host);
  if (!w.Read(plain[0])) return ExitUsage;
  CliEditorBrains brains(w);
  TWorldEditing editor(*w.world, host, &brains, &w.test);
  editor.OpenEditor(progress);
  // The first line that is refused or is not a script line ends the run: nothing is saved.
  TEditorScript script(editor);
  int lineNumber = 0;
  for (const std::string& line : SplitLines(*text)) {
    ++lineNumber;
    std::string problem, printed;
    const TEditorScript::Outcome outcome = script.RunLine(line, problem, printed);
    if (!printed.empty()) std::printf("%s\n", printed.c_str());
    if (outcome == TEditorScript::Outcome::Ran) continue;
    if (problem.empty()) problem = "refused";
    std::fprintf(stderr, "{\"error\":%s,\"line\":%d,\"text\":%s}\n", JsonString(problem).c_str(), lineNumber,
                 JsonString(Shown(line)).c_str());
    return ExitUsage;
  }
  if (!save.empty()) {
    TWorldFile file(*w.world, &brains, &w.test);
    if (!file.SaveWorld(save)) return ExitFailed;
  }
  return ExitOk;
}
}  // namespace

QUORBIT_CLI_COMMAND(world_edit, "world-edit", WorldEditHelp(), WorldEdit);
