// world-edit: opens a world as the world editor does, runs a script of editor actions
// through the same rules the editor window uses, and can save the result.
#include <cstdio>
#include <sstream>

#include "Cli.h"
#include "WorldCli.h"
#include "platform/Files.h"
#include "world/EditorChecks.h"
#include "world/WorldEditing.h"

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

// Words split by blanks; a word in double quotes may hold blanks or be empty; "#" outside
// quotes starts a comment.
std::vector<std::string> ScriptWords(const std::string& line) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
    } else if (c == '#') {
      break;
    } else if (c == '"') {
      const size_t end = line.find('"', i + 1);
      words.push_back(line.substr(i + 1, end == std::string::npos ? std::string::npos : end - i - 1));
      i = end == std::string::npos ? line.size() : end + 1;
    } else {
      size_t end = line.find_first_of(" \t\r", i);
      if (end == std::string::npos) end = line.size();
      words.push_back(line.substr(i, end - i));
      i = end;
    }
  }
  return words;
}

bool Int(const std::string& s, int& v) {
  float f = 0;
  if (!ReadFloatBox(s, f) || f != static_cast<float>(static_cast<int>(f))) return false;
  v = static_cast<int>(f);
  return true;
}

std::string Num(float v) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%g", static_cast<double>(v));
  return buf;
}

class ScriptRunner {
 public:
  explicit ScriptRunner(TWorldEditing& ed) : ed_(ed) {}

  // An empty text when the line ran (a refused edit still counts); a usage text otherwise.
  std::string Run(const std::vector<std::string>& w) {
    const std::string& verb = w[0];
    const size_t n = w.size();
    int a = 0, b = 0;
    if (verb == "cell") return n == 3 && Int(w[1], a) && Int(w[2], b) ? (ed_.ChooseCell(a, b), "") : "cell X Y";
    if (verb == "up" && n == 1) return ed_.RaiseCell(), "";
    if (verb == "down" && n == 1) return ed_.LowerCell(), "";
    if (verb == "fix" && n == 1) return ed_.SetFix(true), "";
    if (verb == "thing") return n == 6 && Int(w[2], a) ? Thing(w) : "thing PICTURE FRAME X Y Z";
    if (verb == "critter") {
      if (n != 6) return "critter TYPE NAME X Y Z";
      ed_.AddCritter(ed_.TypeIndex(w[1]), w[2], w[3], w[4], w[5]);
      return "";
    }
    if (verb == "select") return n == 2 ? (ed_.ChooseCritter(ed_.CritterIndex(w[1])), "") : "select NAME";
    if (verb == "change") return n == 5 ? (ed_.ChangeCritter(w[1], w[2], w[3], w[4]), "") : "change NAME X Y Z";
    if (verb == "delete" && n == 1) return ed_.DeleteCritter(), "";
    if (verb == "rotate" && n == 2) return Rotate(w[1]);
    if (verb == "move" && n == 2 && (w[1] == "up" || w[1] == "down"))
      return (w[1] == "up" ? ed_.MoveCritterUp() : ed_.MoveCritterDown()), "";
    if (verb == "test") return n == 6 ? Test(w) : "test TESTCRITTER FOLLOW KIND TIME ENERGY";
    if (verb == "describe") return Describe(w), "";
    if (verb == "trigger") return n == 15 ? Trigger(w) : "trigger OF BYTYPE NX NY X1 Y1 X2 Y2 X3 Y3 X4 Y4 ZMIN ZMAX";
    if (verb == "print" && n == 2) return Print(w[1]);
    if (verb == "brain") return Brain(w);
    if (verb == "energy") return n == 3 ? Energy(w[1], w[2]) : "energy START LOSS";
    if (verb == "smell") return n == 3 ? Smell(w[1], w[2]) : "smell TYPE1 TYPE2";
    return "unknown script line: " + verb;
  }

 private:
  std::string Thing(const std::vector<std::string>& w) {
    int entry = -1;
    for (size_t k = 0; k < ed_.catalogue.size(); ++k)
      if (ed_.catalogue[k].name == w[1]) entry = static_cast<int>(k);
    int frame = 0;
    Int(w[2], frame);
    ed_.pictureChoice = ed_.frameChoice = -1;
    if (ed_.ChoosePicture(entry)) ed_.ChooseFrame(frame);
    ed_.AddThing(w[3], w[4], w[5]);
    return "";
  }

  std::string Rotate(const std::string& how) {
    const int step = how == "<<" ? -2 : how == "<" ? -1 : how == ">" ? 1 : how == ">>" ? 2 : 0;
    if (step == 0) return "rotate <<|<|>|>>";
    ed_.RotateCritter(step);
    return "";
  }

  std::string Test(const std::vector<std::string>& w) {
    int kind = 0;
    if (!Int(w[3], kind) || kind < 0 || kind > 3) return "test: KIND is 0 to 3";
    const int test = w[1] == "-" ? -1 : ed_.CritterIndex(w[1]);
    const int follow = w[2] == "-" ? -1 : ed_.CritterIndex(w[2]);
    DialogProblem p = CheckTestDialog(kind, test >= 0, w[4], w[5]);
    if (!p.ok()) {
      ed_.world().host.Message(p.text, "Test Conditions");
      return "";
    }
    ed_.ApplyTest(test, follow, kind, TestBoxNumber(w[4]), TestBoxNumber(w[5]));
    return "";
  }

  void Describe(const std::vector<std::string>& w) {
    std::string text;
    for (size_t k = 1; k < w.size(); ++k) text += (k > 1 ? " " : "") + w[k];
    ed_.ApplyDescription(text);
  }

  std::string Trigger(const std::vector<std::string>& w) {
    const int of = w[1] == "-" ? -1 : ed_.CritterIndex(w[1]);
    int by = -1;
    std::vector<std::string> names = TriggerByNames(ed_.progress);
    for (size_t k = 0; k < names.size(); ++k)
      if (names[k] == w[2]) by = static_cast<int>(k);
    TriggerBoxes b;
    b.newX = w[3], b.newY = w[4];
    for (size_t k = 0; k < 4; ++k) b.cornerX[k] = w[5 + 2 * k], b.cornerY[k] = w[6 + 2 * k];
    b.zMin = w[13], b.zMax = w[14];
    ed_.AddTrigger(of, by, b);
    return "";
  }

  // The property dialogs' OK on the chosen critter; a board brain gets every channel of
  // its type ticked.
  std::string Brain(const std::vector<std::string>& w) {
    const int mode = w.size() == 2 && w[1] == "none" ? 0 : w.size() == 3 && w[1] == "board" ? 1
                     : w.size() == 3 && w[1] == "file"                                       ? 2
                                                                                             : -1;
    if (mode < 0) return "brain none|board NAME|file NAME";
    TCritter* c = ed_.CritterForProperties();
    if (!c) return "";
    const std::string name = mode == 0 ? "" : w[2];
    DialogProblem p = CheckBrainDialog(mode, name, name);
    if (!p.ok()) {
      ed_.world().host.Message(p.text, "Brain Properties");
      return "";
    }
    ed_.ApplyBrain(*c, mode, name, c->typeInputs, c->typeOutputs);
    return "";
  }

  std::string Energy(const std::string& start, const std::string& loss) {
    TCritter* c = ed_.CritterForProperties();
    if (!c) return "";
    float s = 0, l = 0;
    DialogProblem p = CheckEnergyDialog(start, loss, s, l);
    if (!p.ok()) ed_.world().host.Message(p.text, "Energy Properties");
    else ed_.ApplyEnergy(*c, s, l);
    return "";
  }

  std::string Smell(const std::string& first, const std::string& second) {
    std::vector<std::string> names = SmellTypeNames(ed_.progress);
    auto position = [&](const std::string& name) {
      for (size_t k = 0; k < names.size(); ++k)
        if (names[k] == name) return static_cast<int>(k);
      return -1;
    };
    const int a = position(first), b = position(second);
    if (a < 0 || b < 0) return "smell: TYPE is None or a type the smell list names";
    if (TCritter* c = ed_.CritterForProperties()) ed_.ApplySmell(*c, a, b);
    return "";
  }

  std::string Print(const std::string& what) {
    std::ostringstream out;
    TWorld& world = ed_.world();
    if (what == "types") {
      out << "{\"types\":[";
      for (size_t k = 0; k < ed_.types.size(); ++k) out << (k ? "," : "") << JsonString(ed_.types[k].boxName);
      out << "]}";
    } else if (what == "heights") {
      auto grid = [&](const char* key, auto value) {
        out << JsonString(key) << ":[";
        for (int x = 0; x < world.X; ++x) {
          out << (x ? ",[" : "[");
          for (int y = 0; y < world.Y; ++y) out << (y ? "," : "") << value(x, y);
          out << "]";
        }
        out << "]";
      };
      out << "{";
      grid("heights", [&](int x, int y) { return Num(ed_.HeightAt(x, y)); });
      out << ",";
      grid("frames", [&](int x, int y) { return std::to_string(ed_.FrameAt(x, y)); });
      out << ",";
      grid("fixed", [&](int x, int y) { return std::string(ed_.FixedAt(x, y) ? "true" : "false"); });
      out << "}";
    } else if (what == "critters") {
      out << "{\"critters\":[";
      for (size_t k = 0; k < world.critters.size(); ++k) {
        const TCritter& c = *world.critters[k];
        out << (k ? "," : "") << "{\"n\":" << c.number << ",\"name\":" << JsonString(c.name)
            << ",\"type\":" << JsonString(ed_.CritterTypeName(static_cast<int>(k))) << ",\"x\":" << Num(c.x)
            << ",\"y\":" << Num(c.y) << ",\"z\":" << Num(c.z) << ",\"heading\":" << c.heading << "}";
      }
      out << "],\"test\":" << world.testCritter << ",\"follow\":" << world.loadedFollow << "}";
    } else {
      return "print types|heights|critters";
    }
    std::printf("%s\n", out.str().c_str());
    return "";
  }

  TWorldEditing& ed_;
};

int WorldEdit(const std::vector<std::string>& args, Host& host) {
  std::string world, script, save;
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
  if (plain.size() != 2) return UsageError("usage: world-edit WORLD SCRIPT [--progress P] [--save OUT]");
  auto text = ReadFileText(plain[1]);
  if (!text) return UsageError("cannot read script " + plain[1]);
  CliWorld w(host);
  if (!w.Read(plain[0])) return ExitUsage;
  CliEditorBrains brains(w);
  TWorldEditing editor(*w.world, host, &brains, &w.test);
  editor.OpenEditor(progress);
  int lineNumber = 0;
  for (const std::string& line : SplitLines(*text)) {
    ++lineNumber;
    std::vector<std::string> words = ScriptWords(line);
    if (words.empty()) continue;
    std::string problem = ScriptRunner(editor).Run(words);
    if (!problem.empty())
      std::fprintf(stderr, "{\"error\":%s,\"line\":%d}\n", JsonString(problem).c_str(), lineNumber);
  }
  if (!save.empty()) {
    TWorldFile file(*w.world, &brains, &w.test);
    if (!file.SaveWorld(save)) return ExitFailed;
  }
  return ExitOk;
}
}  // namespace

QUORBIT_CLI_COMMAND(world_edit, "world-edit", "world-edit WORLD SCRIPT [--progress P] [--save OUT]", WorldEdit);
