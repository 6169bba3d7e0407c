// brain-edit: loads a brain (or starts an empty board), replays a script of board events
// and property changes through the same core operations the brain window uses, prints
// the board as JSON and can save it. Reference brains are kept as such scripts.
#include <cstdio>
#include <sstream>

#include "BrainJson.h"
#include "Cli.h"
#include "brain/BoardEditing.h"
#include "brain/BrainFileFormat.h"
#include "brain/BrainProperties.h"
#include "brain/UndoableEditor.h"
#include "platform/Files.h"

namespace {

struct EditOptions {
  std::string file, script, saveTo, inputMask, outputMask;
  bool hasInputMask = false, hasOutputMask = false;
};

std::string ParseArgs(const std::vector<std::string>& args, EditOptions& o) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--script" || a == "--save" || a == "--inputs" || a == "--outputs") {
      if (i + 1 >= args.size()) return a + " needs a value";
      const std::string& v = args[++i];
      if (a == "--script") o.script = v;
      else if (a == "--save") o.saveTo = v;
      else if (a == "--inputs") o.inputMask = v, o.hasInputMask = true;
      else o.outputMask = v, o.hasOutputMask = true;
    } else if ((a.rfind("--", 0) == 0) || !o.file.empty()) {
      return "unexpected argument " + a;
    } else {
      o.file = a;
    }
  }
  if (o.file.empty()) return "brain-edit needs a brain file or -";
  return o.script.empty() ? "brain-edit needs --script" : "";
}

// Requests of the editor: dialogs are not shown; they are reported on standard error.
class ScriptRequests : public IBoardRequests {
 public:
  std::string circuitName;
  void OpenNeuronDialog(const std::vector<int>& n, int, int) override { Report("neuron-dialog", n.size()); }
  void OpenSynapseDialog(const std::vector<SynapseRef>& s, int, int) override { Report("synapse-dialog", s.size()); }
  void OpenNodeDialog(int, int, int) override { Report("node-dialog", 1); }
  void OpenSnooperDialog(int, int, int) override { Report("snooper-dialog", 1); }
  void OpenSettingsDialog() override { Report("settings-dialog", 1); }
  void ShowPopupMenu(const BoardMenu&, int, int) override { Report("menu", 1); }
  bool AskCircuitName(std::string& name) override {
    name = circuitName;
    return !name.empty();
  }
  void ElementDeleted(int, int) override {}
  void CloseAllDialogs() override {}
  void ViewScrolled(int, int) override {}

 private:
  static void Report(const char* what, size_t count) {
    std::fprintf(stderr, "{\"request\":\"%s\",\"count\":%zu}\n", what, count);
  }
};

class ScriptRunner {
 public:
  explicit ScriptRunner(TBrainBoard& board)
      : editor_(board, &requests_), undoable_(editor_, &requests_), board_(board) {
    editor_.autoScroll = false;
  }

  // Empty when the line ran, else what was wrong with it.
  std::string Run(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> w;
    for (std::string word; in >> word;) w.push_back(word);
    if (w.empty() || w[0][0] == '#') return {};
    const std::string& verb = w[0];
    if (verb == "down" || verb == "up") return Mouse(w);
    if (verb == "move") return w.size() == 3 && Int(w[1], x_) && Int(w[2], y_) ? (undoable_.MouseMove(x_, y_), "") : "move X Y";
    if (verb == "key") return Key(w);
    if (verb == "menu") return Menu(line);
    if (verb == "cell") return w.size() == 2 && Int(w[1], x_) && (x_ == 4 || x_ == 8 || x_ == 16)
                                   ? (board_.SetCellSize(x_), "")
                                   : "cell 16|8|4";
    if (verb == "undo" || verb == "redo") {
      if (w.size() != 1) return verb;
      return (verb == "undo" ? undoable_.Undo() : undoable_.Redo()) ? "" : "nothing to " + verb;
    }
    // Tool buttons and dialog changes: each line one step.
    std::string problem = "unknown word " + verb;
    undoable_.Apply([&] {
      if (verb == "add") problem = Add(w);
      else if (verb == "neuron") problem = NeuronChange(w);
      else if (verb == "synapse") problem = SynapseChange(w);
      else if (verb == "node") problem = NodeChange(w);
      else if (verb == "settings") problem = Settings(w);
    });
    return problem;
  }

 private:
  static bool Int(const std::string& s, int& v) { return ParseCliInt(s, v); }

  std::string Mouse(const std::vector<std::string>& w) {
    int x, y;
    if (w.size() != 4 || !Int(w[1], x) || !Int(w[2], y) || (w[3] != "left" && w[3] != "right"))
      return w[0] + " X Y left|right";
    const MouseButton b = w[3] == "left" ? MouseButton::Left : MouseButton::Right;
    if (w[0] == "down") undoable_.MouseDown(x, y, b);
    else undoable_.MouseUp(x, y, b);
    return {};
  }

  std::string Key(const std::vector<std::string>& w) {
    if (w.size() != 2) return "key K";
    const std::string& k = w[1];
    if (k == "Enter") undoable_.KeyPress('\r', false);
    else if (k == "Backspace") undoable_.KeyPress('\b', false);
    else if (k == "Space") undoable_.KeyPress(' ', false);
    else if (k == "Ctrl+C" || k == "Ctrl+X" || k == "Ctrl+V" || k == "Ctrl+Z" || k == "Ctrl+Y")
      undoable_.KeyPress(k[5], true);
    else if (k.size() == 1) undoable_.KeyPress(static_cast<unsigned char>(k[0]), false);
    else return "key: a character, Enter, Backspace, Space, Ctrl+C, Ctrl+X, Ctrl+V, Ctrl+Z or Ctrl+Y";
    return {};
  }

  std::string Add(const std::vector<std::string>& w) {
    int x, y;
    if (w.size() != 4 || !Int(w[2], x) || !Int(w[3], y)) return "add neuron|node|snooper COL ROW";
    int made;
    if (w[1] == "neuron") made = board_.AddNeuron(x, y);
    else if (w[1] == "node") made = board_.AddNode(x, y);
    else if (w[1] == "snooper") made = board_.AddSnooper(x, y);
    else return "add neuron|node|snooper COL ROW";
    return made < 0 ? "no room for the " + w[1] : "";
  }

  std::string Menu(const std::string& line) {
    std::string item = line.substr(line.find("menu") + 4);
    item.erase(0, item.find_first_not_of(" \t"));
    item.erase(item.find_last_not_of(" \t\r") + 1);
    const std::string lib = "Copy to lib ";
    if (item.rfind(lib, 0) == 0) {
      requests_.circuitName = item.substr(lib.size());
      item = "Copy to lib";
    }
    return undoable_.RunMenuItem(item) ? "" : "menu item not available: " + item;
  }

  int NeuronAt(int x, int y) const {
    for (int i = 0; i < board_.neurons.used(); ++i)
      if (board_.neurons[i].inUse && board_.neurons[i].x == x && board_.neurons[i].y == y) return i;
    return -1;
  }

  bool Cell(const std::vector<std::string>& w, int& x, int& y) const {
    return w.size() >= 4 && Int(w[1], x) && Int(w[2], y);
  }

  static std::string Gain(float g) {
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.2f", static_cast<double>(g));
    return buf;
  }

  std::string NeuronChange(const std::vector<std::string>& w) {
    int x, y;
    if (!Cell(w, x, y) || w.size() != 5) return "neuron COL ROW threshold V|type T|gain V|learn on|off";
    const int i = NeuronAt(x, y);
    if (i < 0) return "no neuron centred at " + w[1] + " " + w[2];
    const Neuron& n = board_.neurons[i];
    const std::string& what = w[3];
    const std::string& v = w[4];
    if (what == "threshold") SetNeuronThreshold(board_, {i}, v);
    else if (what == "gain") SetNeuronGain(board_, {i}, v, n.type == StepNeuron);
    else if (what == "learn" && (v == "on" || v == "off"))
      SetNeuronLearn(board_, {i}, v == "on", Gain(n.gain), n.type == SigmoidNeuron);
    else if (what == "type") {
      const int type = TypeNamed(v);
      if (type < 0) return "neuron type Step|Sigmoid|Linear|Error";
      SetNeuronType(board_, {i}, type, Gain(n.gain));
    } else {
      return "neuron COL ROW threshold V|type T|gain V|learn on|off";
    }
    return {};
  }

  static int TypeNamed(const std::string& t) {
    for (int type = StepNeuron; type <= ErrorNeuron; ++type)
      if (t == NeuronTypeName(type)) return type;
    return -1;
  }

  std::string SynapseChange(const std::vector<std::string>& w) {
    int x, y;
    if (!Cell(w, x, y) || w.size() != 5) return "synapse COL ROW weight V|decay V|learn on|off";
    SynapseRef ref;
    for (int i = 0; i < board_.neurons.used() && ref.neuron < 0; ++i) {
      const Neuron& n = board_.neurons[i];
      const int d = DirectionOf(x - n.x, y - n.y);
      if (n.inUse && d >= 0 && IsInputSlot(n.slots[d].kind)) ref = {i, d};
    }
    if (ref.neuron < 0) return "no synapse at " + w[1] + " " + w[2];
    if (w[3] == "weight") SetSynapseWeight(board_, {ref}, w[4]);
    else if (w[3] == "decay") SetSynapseDecay(board_, {ref}, w[4]);
    else if (w[3] == "learn" && (w[4] == "on" || w[4] == "off")) SetSynapseLearn(board_, {ref}, w[4] == "on");
    else return "synapse COL ROW weight V|decay V|learn on|off";
    return {};
  }

  std::string NodeChange(const std::vector<std::string>& w) {
    int x, y, node = -1;
    const char* usage = "node COL ROW plain|file NAME COLUMN|key K OFF ON";
    if (!Cell(w, x, y)) return usage;
    for (int i = 0; i < board_.nodes.used(); ++i)
      if (board_.nodes[i].inUse && board_.nodes[i].x == x && board_.nodes[i].y == y) node = i;
    if (node < 0) return "no node centred at " + w[1] + " " + w[2];
    if (w[3] == "plain" && w.size() == 4) EndNodeEdit(board_, node, NodeChoice::Node, "", "", "");
    else if (w[3] == "file" && w.size() == 6) EndNodeEdit(board_, node, NodeChoice::File, w[4], w[5], "");
    else if (w[3] == "key" && w.size() == 7) EndNodeEdit(board_, node, NodeChoice::Key, w[4], w[5], w[6]);
    else return usage;
    return {};
  }

  std::string Settings(const std::vector<std::string>& w) {
    const char* usage = "settings cycles N|threshold V|weight V|type T|rate V|momentum V";
    if (w.size() != 3) return usage;
    BrainSettingsTexts t = SettingsTextsOf(board_, 50);
    const std::string& v = w[2];
    if (w[1] == "cycles") t.cycles = v;
    else if (w[1] == "threshold") t.threshold = v;
    else if (w[1] == "weight") t.weight = v;
    else if (w[1] == "rate") t.rate = v;
    else if (w[1] == "momentum") t.momentum = v;
    else if (w[1] == "type" && TypeNamed(v) >= 0) t.type = TypeNamed(v);
    else return usage;
    if (CheckSettingsTexts(t, board_.host())) ApplySettingsTexts(board_, t);
    return {};
  }

  ScriptRequests requests_;
  TBoardEditor editor_;
  TUndoableEditor undoable_;
  TBrainBoard& board_;
  int x_ = 0, y_ = 0;
};

int BrainEdit(const std::vector<std::string>& args, Host& host) {
  EditOptions o;
  const std::string problem = ParseArgs(args, o);
  if (!problem.empty()) return UsageError(problem);
  const auto script = ReadFileText(o.script);
  if (!script) return UsageError("cannot open " + o.script);

  const bool fresh = o.file == "-";
  TBrainBoard board(host, 1, !fresh && IsHiddenBrainName(o.file));
  ChannelMask in{}, out{};
  std::optional<std::vector<uint8_t>> bytes;
  if (!fresh) {
    bytes = ReadFileBytes(o.file);
    if (!bytes) return UsageError("cannot open " + o.file);
    ReadBoundChannels(bytes->data(), bytes->size(), in, out);
  }
  if (o.hasInputMask) in = DecodeChannelMask(o.inputMask);
  if (o.hasOutputMask) out = DecodeChannelMask(o.outputMask);
  board.SetIO(&in, &out);
  if (bytes) board.LoadBrain(*bytes);

  ScriptRunner runner(board);
  const std::vector<std::string> lines = SplitLines(*script);
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string problemLine = runner.Run(lines[i]);
    if (!problemLine.empty()) return UsageError("script line " + std::to_string(i + 1) + ": " + problemLine);
  }
  std::printf("%s\n", BoardJson(board).c_str());
  if (!o.saveTo.empty() && !WriteFileAtomic(o.saveTo, board.SaveBrain(IsHiddenBrainName(o.saveTo)))) {
    host.Message("Couldn't write " + o.saveTo, "Save Brain Error");
    return ExitFailed;
  }
  return ExitOk;
}

}  // namespace

QUORBIT_CLI_COMMAND(brain_edit, "brain-edit",
                    "brain-edit FILE|- --script SCRIPT [--inputs HEX] [--outputs HEX] [--save OUT]", BrainEdit);
