// Reading world files: sections in any order, each resolved at once against what has
// been read before it. Bad lines are reported or skipped; nothing outside the lists is
// ever touched.
#include <algorithm>
#include <optional>

#include "bodies/Ant.h"
#include "channels/ChannelNumbers.h"
#include "bodies/CritterTypes.h"
#include "bodies/Nest.h"
#include "platform/BmpFile.h"
#include "platform/DataNames.h"
#include "platform/Files.h"
#include "world/LevelTest.h"
#include "world/WorldFile.h"
#include "world/WorldFileScan.h"

namespace {
constexpr int MaxMapSide = TWorldFile::MaxMapSide;

bool Blank(const std::string& line) { return line.find_first_not_of(" \t\r") == std::string::npos; }
bool StartsWith(const std::string& line, const char* header) { return line.rfind(header, 0) == 0; }
int Wrap(int value, int count) { return ((value % count) + count) % count; }

// One read shows its first problems and then a single note: a file of thousands of bad
// lines must not stack up thousands of message boxes before the program is usable again.
class CappedMessages : public IMessages {
 public:
  static constexpr int MaxShown = 20;
  explicit CappedMessages(IMessages* inner) : inner_(inner) {}
  void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override {
    if (shown_ < MaxShown) inner_->ShowMessage(text, caption, icon);
    else if (shown_ == MaxShown) inner_->ShowMessage("Further problems in this world file are not shown", caption);
    shown_ = std::min(shown_ + 1, MaxShown + 1);
  }
  Answer AskYesNo(const std::string& text, const std::string& caption) override {
    return inner_->AskYesNo(text, caption);
  }
  Answer AskYesNoCancel(const std::string& text, const std::string& caption) override {
    return inner_->AskYesNoCancel(text, caption);
  }

 private:
  IMessages* inner_;
  int shown_ = 0;
};

class WorldReader {
 public:
  WorldReader(TWorldFile& file, const std::vector<std::string>& lines)
      : file_(file), world_(file.world()), lines_(lines) {}

  void Run() {
    std::string line;
    while (Next(line)) {
      if (Blank(line)) continue;  // blank lines between sections carry nothing
      if (!Section(line)) break;
    }
    ResolveTest();
  }

 private:
  using Handler = void (WorldReader::*)();
  struct Header {
    const char* text;
    Handler read;
  };

  // The sections in the order the reader tests for them.
  bool Section(const std::string& line) {
    static const Header headers[] = {
        {"[BACKGROUND]", &WorldReader::Background}, {"[SIZE]", &WorldReader::Size},
        {"[GIZMOS]", &WorldReader::Gizmos},         {"[PICS]", &WorldReader::Pics},
        {"[MAP]", &WorldReader::Map},               {"[CRITTERS]", &WorldReader::Critters},
        {"[FIXED]", &WorldReader::Fixed},           {"[BRAIN]", &WorldReader::Brain},
        {"[SMELL]", &WorldReader::Smell},           {"[RANDOM]", &WorldReader::Random},
        {"[ENERGY]", &WorldReader::Energy},         {"[TRIGGER]", &WorldReader::Trigger},
        {"[FOLLOW]", &WorldReader::Follow},         {"[SCENT]", &WorldReader::Scent},
        {"[LOOKAT]", &WorldReader::LookAt},         {"[TEXT]", &WorldReader::Text},
        {"[TEST]", &WorldReader::Test},             {"[INNEST]", &WorldReader::InNest},
        {"[NOSHOT]", &WorldReader::NoShot},         {"[NOEDIT]", &WorldReader::NoEdit},
    };
    for (const Header& h : headers)
      if (StartsWith(line, h.text)) {
        (this->*h.read)();
        return true;
      }
    if (!StartsWith(line, "[END]")) Report(line, "Unknown Section");
    return false;
  }

  // ---- lines -----------------------------------------------------------------------
  bool Next(std::string& line) {
    if (pos_ >= lines_.size()) return false;
    line = lines_[pos_++];
    return true;
  }
  // A content line: anything up to the next line that starts with "[".
  bool Content(std::string& line) {
    if (pos_ >= lines_.size() || StartsWith(lines_[pos_], "[")) return false;
    return Next(line);
  }
  void SkipContent() {
    std::string line;
    while (Content(line)) {
    }
  }

  void Report(const std::string& text, const std::string& caption) { world_.host.Message(text, caption); }
  // A content line whose numbers cannot be read is shown as it stands; blank lines carry nothing.
  void Unreadable(const std::string& line) {
    if (!Blank(line)) Report(line, "Load World Error");
  }
  int CritterCount() const { return static_cast<int>(world_.critters.size()); }
  TCritter* CritterAt(int n, const char* caption) {
    if (n >= 0 && n < CritterCount()) return world_.critters[static_cast<size_t>(n)].get();
    Report("Unknown critter number", caption);
    return nullptr;
  }

  // ---- one-line sections -----------------------------------------------------------
  void Background() {
    std::string line, name;
    if (!Next(line) || !LineScan(line).Word(name)) return;
    if (!DataNameStaysInside(name)) Report("Couldn't open " + name, "Load World");
    else if (auto image = LoadBmp(NativePath(name))) world_.background = std::move(*image);
    else Report("Couldn't open " + name, "Load World");
  }

  void Size() {
    std::string line;
    int w = 0, h = 0;
    if (!Next(line) || !LineScan(line).Ints(w, h)) return;
    if (w < 1 || h < 1 || w > file_.maxViewSide || h > file_.maxViewSide) return;
    world_.SetClientSize(w, h);
    world_.fixedSize = true;
  }

  void Follow() {
    std::string line;
    int n = -1;
    if (!Next(line) || !LineScan(line).Int(n)) return;
    world_.loadedFollow = world_.followCritter = n >= 0 && n < CritterCount() ? n : -1;
  }

  void LookAt() {
    std::string line;
    float x, y, z;
    if (Next(line) && LineScan(line).Floats(x, y, z)) world_.LookAt(x, y, z);
  }

  void NoEdit() { world_.editable = false; }

  // ---- pictures, terrain, scenery --------------------------------------------------
  void Pics() {
    std::string line, name;
    while (Content(line)) {
      LineScan scan(line);
      int ignored;
      if (scan.Int(ignored) && scan.Word(name)) world_.AddPicture(name);
      else Unreadable(line);
    }
  }

  // The map is a stream of numbers; line breaks do not matter.
  struct MapStream {
    std::string line;
    std::optional<LineScan> scan;
  };
  bool MapNumber(MapStream& m, bool asInt, int& i, float& f) {
    while (true) {
      if (m.scan && !m.scan->AtEnd()) return asInt ? m.scan->Int(i) : m.scan->Float(f);
      m.scan.reset();
      if (!Content(m.line)) return false;
      m.scan.emplace(m.line);
    }
  }

  void Map() {
    if (!world_.cells.empty()) {  // one terrain per world: a second one is passed over
      SkipContent();
      return;
    }
    MapStream m;
    int xSize = 0, ySize = 0;
    float unused = 0;
    bool ok = MapNumber(m, true, xSize, unused) && MapNumber(m, true, ySize, unused);
    if (ok && xSize == 0 && ySize == 0) {  // how a world without terrain is saved
      SkipContent();
      return;
    }
    if (!ok || xSize < 1 || ySize < 1 || xSize > MaxMapSide || ySize > MaxMapSide ||
        xSize * ySize > file_.maxMapCells) {
      if (ok) Report("Bad map size", "Load World Error");
      SkipContent();
      return;
    }
    world_.CreateMap(xSize, ySize);
    // Cells the stream does not reach stay flat.
    for (int x = 0; x < xSize && ok; ++x)
      for (int y = 0; y < ySize && ok; ++y) {
        int frame = 0;
        float height = 0;
        ok = MapNumber(m, true, frame, unused) && MapNumber(m, false, frame, height);
        if (ok) world_.SetTile(x, y, frame, height);
      }
    // The rest of the last cell's line is dropped with the stream.
    world_.FinishMap();
  }

  void Fixed() {
    std::string line;
    while (Content(line)) {
      int pic, frame;
      float x, y, z;
      LineScan scan(line);
      if (!scan.Int(pic) || !scan.Floats(x, y, z) || !scan.Int(frame)) {
        Unreadable(line);
        continue;
      }
      if (!world_.Picture(pic)) {
        Report("Unknown picture number", "Load World");
        continue;
      }
      world_.AddScenery(pic, x, y, z, frame);
    }
  }

  void Gizmos() {
    std::string line;
    while (Content(line)) {
      if (line.empty()) continue;
      TGizmoLine g;
      g.kind = line[0];
      // The numbers stand at fixed positions after the keyword.
      auto tail = [&](size_t at) { return at < line.size() ? line.substr(at) : std::string(); };
      auto digit = [&](size_t at) { return at < line.size() ? line[at] - '0' : 0; };
      switch (g.kind) {
        case '1': case '3': case 'v': break;
        case 'c': {  // a test number may follow "chalk"
          const std::string t = tail(5);
          LineScan(t).Int(g.number);
          break;
        }
        case 'b': {
          const std::string t = tail(4);
          LineScan(t).Int(g.number);
          break;
        }
        case 'l': g.number = digit(4); break;
        case 'g': {  // "goal" and five numbers: what a garden test watches
          const std::string t = tail(5);
          LineScan s(t);
          for (int& v : g.values)
            if (!s.Int(v)) {
              g.values[1] = -1;  // a goal with a number missing is refused when built
              break;
            }
          break;
        }
        case 'm': {
          const std::string t = tail(7);
          LineScan s(t);
          for (int& v : g.values)
            if (!s.Int(v)) break;
          break;
        }
        case 'o': {
          const std::string t = tail(12);
          LineScan s(t);
          if (s.Int(g.values[0])) s.Int(g.values[1]);
          break;
        }
        case 's': {
          g.number = digit(6);
          const std::string t = tail(7);
          LineScan s(t);
          if (s.Int(g.values[0])) s.Int(g.values[1]);
          break;
        }
        default: continue;
      }
      world_.gizmoLines.push_back(g);
    }
  }

  // ---- critters and what hangs on them ---------------------------------------------
  void Critters() {
    std::string line;
    while (Content(line)) Critter(line);
  }

  void Critter(const std::string& line) {
    // Every critter meets every other in the collision pass: a file of millions of critter
    // lines would stall the world for good.
    if (CritterCount() >= file_.maxCritters) {
      if (!tooMany_) Report("Too many critters", "Load World Error");
      tooMany_ = true;
      return;
    }
    LineScan scan(line);
    int number;
    std::string word, name;
    if (!scan.Int(number) || !scan.Word(word)) return Unreadable(line);
    const CritterTypeInfo* type = FindCritterType(word);
    if (!type) {
      Report("Unknown critter", "Load World");
      return;
    }
    std::vector<int> fields(static_cast<size_t>(type->pictureFields));
    float x, y, z;
    int heading;
    if (!scan.Word(name)) return Unreadable(line);
    for (int& f : fields)
      if (!scan.Int(f)) return Unreadable(line);
    if (!scan.Floats(x, y, z) || !scan.Int(heading)) return Unreadable(line);
    std::vector<TPic*> pictures(fields.size(), nullptr);
    for (int k = 0; k < type->pictureFields; ++k) {
      if (!PictureFieldUsed(*type, k)) continue;
      if (type->typeCode == 1 && k == 2 && fields[2] < 0) continue;  // a ladybug without a shade
      pictures[static_cast<size_t>(k)] = world_.Picture(fields[static_cast<size_t>(k)]);
      if (!pictures[static_cast<size_t>(k)]) {
        Report("Unknown picture number", "Load World");
        return;
      }
    }
    // Each class keeps the heading as read within its own count (Letters have 84).
    const int kept = Wrap(heading, type->headingCount > 0 ? type->headingCount : 24);
    auto critter = CreateCritter(*type, TCritterArgs{&world_, name, number, pictures, x, y, z, kept});
    if (!critter) return;
    critter->lineNumber = number;
    world_.AddCritter(std::move(critter));
  }

  void Brain() {
    std::string line, inText, outText, name;
    while (Content(line)) {
      LineScan scan(line);
      int n, mode;
      if (!scan.Ints(n, mode) || !scan.Word(inText) || !scan.Word(outText) || !scan.Word(name)) {
        Unreadable(line);
        continue;
      }
      TCritter* c = CritterAt(n, "Load Brain Error");
      if (!c || mode < 0 || mode > 2) continue;
      ChannelMask in = DecodeChannelMask(inText), out = DecodeChannelMask(outText);
      c->enabledInputs = MaskFlags(in);
      c->enabledOutputs = MaskFlags(out);
      c->brainMode = mode;
      c->brainNumber = -1;
      // A hidden brain is read from "worlds": a name that leads elsewhere gets no brain.
      if (mode == 2 && !DataNameStaysInside(name)) {
        Report("Couldn't open worlds\\" + name, "Hidden Brain Error");
        c->brainMode = 0;
        continue;
      }
      if (mode != 0 && file_.brains()) c->brainNumber = file_.brains()->AttachBrain(name, in, mode == 2, out);
    }
  }

  void Smell() {
    std::string line;
    while (Content(line)) {
      int n, a, b;
      if (!LineScan(line).Ints(n, a, b)) {
        Unreadable(line);
        continue;
      }
      if (TCritter* c = CritterAt(n, "Load Smell Error")) c->smellType1 = a, c->smellType2 = b;
    }
  }

  void Random() {
    std::string line;
    while (Content(line)) {
      LineScan scan(line);
      int n;
      TPlacement p;
      if (!scan.Ints(n, p.modeMask) || !scan.Floats(p.centreX, p.centreY, p.radius, p.minZ, p.maxZ) ||
          !scan.Ints(p.directionFrom, p.directionTo)) {
        Unreadable(line);
        continue;
      }
      TCritter* c = CritterAt(n, "Load Random Error");
      if (!c) continue;
      const int last = (c->headingCount > 0 ? c->headingCount : 24) - 1;
      p.directionFrom = std::clamp(p.directionFrom, 0, last);
      p.directionTo = std::clamp(p.directionTo, p.directionFrom, last);
      c->addPlacement(p);
    }
  }

  void Energy() {
    std::string line;
    while (Content(line)) {
      LineScan scan(line);
      int n;
      float start, loss;
      if (!scan.Int(n) || !scan.Floats(start, loss)) {
        Unreadable(line);
        continue;
      }
      if (TCritter* c = CritterAt(n, "Load Energy Error")) c->startEnergy = c->energy = start, c->energyLoss = loss;
    }
  }

  void NoShot() {
    std::string line;
    while (Content(line)) {
      int n;
      if (!LineScan(line).Int(n)) {
        Unreadable(line);
        continue;
      }
      if (TCritter* c = CritterAt(n, "Load Energy Error")) c->noKill = true;
    }
  }

  void InNest() {
    std::string line;
    while (Content(line)) {
      int ant, nest, number;
      if (!LineScan(line).Ints(ant, nest, number)) {
        Unreadable(line);
        continue;
      }
      if (ant < 0 || nest < 0 || ant >= CritterCount() || nest >= CritterCount()) {
        Report("Unknown critter number", "Load InNest Error");
      } else if (const char* problem = TAnt::PutInNest(world_.critters[static_cast<size_t>(ant)].get(),
                                                       world_.critters[static_cast<size_t>(nest)].get(), number)) {
        Report(problem, "Load InNest Error");
      }
    }
  }

  // ---- zones, trails, text and test ------------------------------------------------
  void Trigger() {
    std::string line;
    while (Content(line)) {
      LineScan scan(line);
      TTrigger t;
      bool ok = scan.Ints(t.target, t.byType) && scan.Floats(t.pointX, t.pointY);
      for (int k = 0; k < 4 && ok; ++k) ok = scan.Floats(t.cornerX[k], t.cornerY[k]);
      if (!ok || !scan.Floats(t.lowZ, t.highZ)) {
        Unreadable(line);
        continue;
      }
      if (t.target < 0 || t.target >= CritterCount()) continue;  // a zone for nobody is dropped
      t.prepare();
      world_.triggers.push_back(t);
    }
  }

  void Scent() {
    std::string line;
    float fade = 0;
    if (!Content(line)) return;
    if (LineScan(line).Float(fade)) world_.scentFade = fade;
    while (Content(line)) {
      TScentTrail s;
      if (!LineScan(line).Floats(s.x1, s.y1, s.x2, s.y2)) {
        Unreadable(line);
        continue;
      }
      s.direction = TWorld::Direction24(s.x2 - s.x1, s.y2 - s.y1);
      s.active = true;
      world_.scentDefinitions.push_back(s);
    }
    // The running copies start as the definitions.
    world_.scents = world_.scentDefinitions;
    world_.scentUsed = static_cast<int>(world_.scents.size());
    world_.scentCreated = true;
  }

  void Text() {
    std::string line;
    world_.description.clear();
    while (Content(line)) world_.description += line + "\n";
  }

  void Test() {
    std::vector<std::string> section;
    std::string line;
    while (Content(line)) section.push_back(line);
    TestSection test = ReadTestSection(section, world_.host.messages);
    testCritter_ = test.critter;
    testKind_ = test.kind;
    testTime_ = test.time;
    testEnergy_ = test.energy;
    testRead_ = true;
    world_.movieScript = std::move(test.script);
  }

  // The test critter may be named before the critters are read, so it is looked up once
  // they all are.
  void ResolveTest() {
    if (!testRead_) return;
    const int kind = TakeTestCritter(world_, testCritter_) ? testKind_ : 0;
    if (file_.test()) file_.test()->SetTest(kind, testTime_, testEnergy_);
  }

  TWorldFile& file_;
  TWorld& world_;
  const std::vector<std::string>& lines_;
  size_t pos_ = 0;
  bool testRead_ = false, tooMany_ = false;
  int testCritter_ = -1, testKind_ = 0, testTime_ = 0, testEnergy_ = 0;
};
}  // namespace

TChannelFlags MaskFlags(const ChannelMask& mask) {
  TChannelFlags flags;
  for (size_t c = 0; c < mask.size(); ++c) flags[c] = mask[c];
  return flags;
}

ChannelMask FlagsMask(const TChannelFlags& flags) {
  ChannelMask mask{};
  for (size_t c = 0; c < mask.size(); ++c) mask[c] = flags[c];
  return mask;
}

void TWorldFile::ReadWorld(const std::vector<std::string>& lines) {
  if (brains_) brains_->ReleaseWorldBrains();
  world_.ClearWorld();
  world_.testCritter = -1;
  // The world's messages go through the cap for this read only, whatever happens in it.
  struct Capped {
    Capped(Host& h) : host(h), inner(h.messages), cap(h.messages) {
      if (inner) host.messages = &cap;
    }
    ~Capped() { host.messages = inner; }
    Host& host;
    IMessages* inner;
    CappedMessages cap;
  } capped(world_.host);
  WorldReader(*this, lines).Run();
  world_.fullRedrawFlag = true;
}

void TWorldFile::ReadWorldText(const std::string& text) { ReadWorld(SplitLines(text)); }

bool TWorldFile::LoadWorldFile(const std::string& name) {
  const std::string path = "worlds\\" + name + ".wld";
  auto text = DataNameStaysInside(name) ? ReadFileText(NativePath(path)) : std::nullopt;
  if (!text) {
    // The world in memory keeps its own name, so a later save cannot write it over the
    // file that was asked for.
    world_.host.Message("Couldn't open world file", "Load World Error");
    return false;
  }
  world_.description = name + "\n#\n";
  world_.fileName = path;
  ReadWorldText(*text);
  return true;
}
