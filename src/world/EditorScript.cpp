#include "world/EditorScript.h"

#include <cstdio>
#include <sstream>

#include "platform/JsonText.h"
#include "world/EditorChecks.h"

const std::vector<ScriptVerb>& EditorScriptVerbs() {
  static const std::vector<ScriptVerb> verbs = {
    {"cell", "X Y"},
    {"up", ""},
    {"down", ""},
    {"fix", ""},
    {"thing", "PICTURE FRAME X Y Z"},
    {"critter", "TYPE NAME X Y Z"},
    {"select", "NAME"},
    {"change", "NAME X Y Z"},
    {"delete", ""},
    {"rotate", "<<|<|>|>>"},
    {"move", "up|down"},
    {"test", "TESTCRITTER|- FOLLOW|- KIND TIME ENERGY"},
    {"describe", "TEXT..."},
    {"trigger", "OF BYTYPE NX NY X1 Y1 X2 Y2 X3 Y3 X4 Y4 ZMIN ZMAX"},
    {"brain", "none|board NAME|file NAME"},
    {"energy", "START LOSS"},
    {"smell", "TYPE1 TYPE2"},
    {"print", "types|heights|critters"},
  };
  return verbs;
}

std::string EditorScriptHelp(const std::string& usage) {
  std::string text = usage + "\n    script lines, one editor action each (\"#\" starts a comment):";
  for (const ScriptVerb& v : EditorScriptVerbs())
    text += std::string("\n      ") + v.verb + (*v.words ? " " : "") + v.words;
  return text;
}

bool ScriptWords(const std::string& line, std::vector<std::string>& words) {
  words.clear();
  size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
    } else if (c == '#') {
      break;
    } else if (c == '"') {
      const size_t end = line.find('"', i + 1);
      if (end == std::string::npos) return false;
      words.push_back(line.substr(i + 1, end - i - 1));
      i = end + 1;
    } else {
      size_t end = line.find_first_of(" \t\r", i);
      if (end == std::string::npos) end = line.size();
      words.push_back(line.substr(i, end - i));
      i = end;
    }
  }
  return true;
}

namespace {
bool Int(const std::string& s, int& v) {
  float f = 0;
  if (!ReadFloatBox(s, f) || !(f >= -1e9f && f <= 1e9f) || f != static_cast<float>(static_cast<int>(f))) return false;
  v = static_cast<int>(f);
  return true;
}

std::string Num(float v) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%g", static_cast<double>(v));
  return buf;
}

// Control characters other than blanks: the file is not a script.
bool Binary(const std::string& line) {
  for (unsigned char c : line)
    if ((c < 0x20 && c != '\t' && c != '\r') || c == 0x7f) return true;
  return false;
}
}  // namespace

TEditorScript::Outcome TEditorScript::RunLine(const std::string& line, std::string& problem, std::string& printed) {
  problem.clear();
  printed.clear();
  if (Binary(line)) {
    problem = "binary input";
    return Outcome::Bad;
  }
  std::vector<std::string> words;
  if (!ScriptWords(line, words)) {
    problem = "a quote is not closed";
    return Outcome::Bad;
  }
  if (words.empty()) return Outcome::Ran;
  return Run(words, problem, printed);
}

TEditorScript::Outcome TEditorScript::Refuse(const std::string& text) {
  ed_.world().host.Message(text, "World Edit");
  return Outcome::Refused;
}

TEditorScript::Outcome TEditorScript::Run(const std::vector<std::string>& w, std::string& problem,
                                          std::string& printed) {
  const std::string& verb = w[0];
  const size_t n = w.size();
  auto usage = [&]() {
    for (const ScriptVerb& v : EditorScriptVerbs())
      if (verb == v.verb) {
        problem = std::string("usage: ") + v.verb + (*v.words ? " " : "") + v.words;
        return Outcome::Bad;
      }
    problem = "unknown script line: " + verb;
    return Outcome::Bad;
  };
  auto done = [](bool ok) { return ok ? Outcome::Ran : Outcome::Refused; };
  int a = 0, b = 0;
  if (verb == "cell") {
    if (n != 3 || !Int(w[1], a) || !Int(w[2], b)) return usage();
    return ed_.ChooseCell(a, b) ? Outcome::Ran : Refuse("The cell is off the map");
  }
  if ((verb == "up" || verb == "down" || verb == "fix" || verb == "delete") && n != 1) return usage();
  if (verb == "up") return ed_.RaiseCell(), Outcome::Ran;
  if (verb == "down") return ed_.LowerCell(), Outcome::Ran;
  if (verb == "fix") return ed_.SetFix(true), Outcome::Ran;
  if (verb == "delete") return ed_.critter < 0 ? Refuse("Please select a critter first") : done(ed_.DeleteCritter());
  if (verb == "thing") return n == 6 && Int(w[2], a) ? Thing(w, problem) : usage();
  if (verb == "critter") {
    if (n != 6) return usage();
    const int type = ed_.TypeIndex(w[1]);
    if (type < 0) return Refuse("There is no critter type " + w[1] + " at this progress");
    return done(ed_.AddCritter(type, w[2], w[3], w[4], w[5]));
  }
  if (verb == "select") {
    if (n != 2) return usage();
    const int c = ed_.CritterIndex(w[1]);
    if (c < 0) return Refuse("There is no critter named " + w[1]);
    ed_.ChooseCritter(c);
    return Outcome::Ran;
  }
  if (verb == "change") {
    if (n != 5) return usage();
    return ed_.critter < 0 ? Refuse("Please select a critter first") : done(ed_.ChangeCritter(w[1], w[2], w[3], w[4]));
  }
  if (verb == "rotate") {
    const int step = n != 2 ? 0 : w[1] == "<<" ? -2 : w[1] == "<" ? -1 : w[1] == ">" ? 1 : w[1] == ">>" ? 2 : 0;
    if (step == 0) return usage();
    return ed_.RotateCritter(step) ? Outcome::Ran : Refuse("Please select a critter that turns first");
  }
  if (verb == "move") {
    if (n != 2 || (w[1] != "up" && w[1] != "down")) return usage();
    const bool moved = w[1] == "up" ? ed_.MoveCritterUp() : ed_.MoveCritterDown();
    return moved ? Outcome::Ran : Refuse("The chosen critter cannot move " + w[1]);
  }
  if (verb == "test") return n == 6 ? Test(w, problem) : usage();
  if (verb == "describe") {
    std::string text;
    for (size_t k = 1; k < n; ++k) text += (k > 1 ? " " : "") + w[k];
    return done(ed_.ApplyDescription(text));
  }
  if (verb == "trigger") return n == 15 ? Trigger(w, problem) : usage();
  if (verb == "brain") {
    const bool fits = (n == 2 && w[1] == "none") || (n == 3 && (w[1] == "board" || w[1] == "file"));
    return fits ? Brain(w, problem) : usage();
  }
  if (verb == "energy") return n == 3 ? Energy(w[1], w[2]) : usage();
  if (verb == "smell") return n == 3 ? Smell(w[1], w[2], problem) : usage();
  if (verb == "print") return n == 2 ? Print(w[1], problem, printed) : usage();
  return usage();
}

TEditorScript::Outcome TEditorScript::Thing(const std::vector<std::string>& w, std::string&) {
  int entry = -1;
  for (size_t k = 0; k < ed_.catalogue.size(); ++k)
    if (ed_.catalogue[k].name == w[1]) entry = static_cast<int>(k);
  int frame = 0;
  Int(w[2], frame);
  ed_.pictureChoice = ed_.frameChoice = -1;
  if (!ed_.ChoosePicture(entry)) return Refuse("There is no picture " + w[1] + " in the scenery list");
  if (!ed_.ChooseFrame(frame)) return Refuse("The picture " + w[1] + " has no frame " + w[2]);
  return ed_.AddThing(w[3], w[4], w[5]) ? Outcome::Ran : Outcome::Refused;
}

TEditorScript::Outcome TEditorScript::Test(const std::vector<std::string>& w, std::string& problem) {
  int kind = 0;
  if (!Int(w[3], kind) || kind < 0 || kind > 3) {
    problem = "test: KIND is 0 to 3";
    return Outcome::Bad;
  }
  const int test = w[1] == "-" ? -1 : ed_.CritterIndex(w[1]);
  const int follow = w[2] == "-" ? -1 : ed_.CritterIndex(w[2]);
  if ((w[1] != "-" && test < 0) || (w[2] != "-" && follow < 0)) return Refuse("There is no critter of that name");
  DialogProblem p = CheckTestDialog(kind, test >= 0, w[4], w[5]);
  if (!p.ok()) {
    ed_.world().host.Message(p.text, "Test Conditions");
    return Outcome::Refused;
  }
  ed_.ApplyTest(test, follow, kind, TestBoxNumber(w[4]), TestBoxNumber(w[5]));
  return Outcome::Ran;
}

TEditorScript::Outcome TEditorScript::Trigger(const std::vector<std::string>& w, std::string&) {
  const int of = w[1] == "-" ? -1 : ed_.CritterIndex(w[1]);
  int by = -1;
  std::vector<std::string> names = TriggerByNames(ed_.progress);
  for (size_t k = 0; k < names.size(); ++k)
    if (names[k] == w[2]) by = static_cast<int>(k);
  TriggerBoxes b;
  b.newX = w[3], b.newY = w[4];
  for (size_t k = 0; k < 4; ++k) b.cornerX[k] = w[5 + 2 * k], b.cornerY[k] = w[6 + 2 * k];
  b.zMin = w[13], b.zMax = w[14];
  return ed_.AddTrigger(of, by, b) ? Outcome::Ran : Outcome::Refused;
}

// The brain dialog's OK on the chosen critter; a board brain gets every channel of its
// type ticked.
TEditorScript::Outcome TEditorScript::Brain(const std::vector<std::string>& w, std::string&) {
  const int mode = w[1] == "none" ? 0 : w[1] == "board" ? 1 : 2;
  TCritter* c = ed_.CritterForProperties();
  if (!c) return Outcome::Refused;
  const std::string name = mode == 0 ? "" : w[2];
  DialogProblem p = CheckBrainDialog(mode, name, name);
  if (!p.ok()) {
    ed_.world().host.Message(p.text, "Brain Properties");
    return Outcome::Refused;
  }
  ed_.ApplyBrain(*c, mode, name, c->typeInputs, c->typeOutputs);
  return Outcome::Ran;
}

TEditorScript::Outcome TEditorScript::Energy(const std::string& start, const std::string& loss) {
  TCritter* c = ed_.CritterForProperties();
  if (!c) return Outcome::Refused;
  float s = 0, l = 0;
  DialogProblem p = CheckEnergyDialog(start, loss, s, l);
  if (!p.ok()) {
    ed_.world().host.Message(p.text, "Energy Properties");
    return Outcome::Refused;
  }
  ed_.ApplyEnergy(*c, s, l);
  return Outcome::Ran;
}

TEditorScript::Outcome TEditorScript::Smell(const std::string& first, const std::string& second,
                                            std::string& problem) {
  std::vector<std::string> names = SmellTypeNames(ed_.progress);
  auto position = [&](const std::string& name) {
    for (size_t k = 0; k < names.size(); ++k)
      if (names[k] == name) return static_cast<int>(k);
    return -1;
  };
  const int a = position(first), b = position(second);
  if (a < 0 || b < 0) {
    problem = "smell: TYPE is None or a type the smell list names";
    return Outcome::Bad;
  }
  TCritter* c = ed_.CritterForProperties();
  if (!c) return Outcome::Refused;
  ed_.ApplySmell(*c, a, b);
  return Outcome::Ran;
}

TEditorScript::Outcome TEditorScript::Print(const std::string& what, std::string& problem, std::string& printed) {
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
    problem = "usage: print types|heights|critters";
    return Outcome::Bad;
  }
  printed = out.str();
  return Outcome::Ran;
}
