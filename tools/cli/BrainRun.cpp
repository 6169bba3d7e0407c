// brain-run: loads a brain file into a board, steps it a number of ticks with given
// sensor values and prints the effector values and the board as JSON lines.
#include <cstdio>

#include "BrainJson.h"
#include "Cli.h"
#include "brain/ActivityPlot.h"
#include "brain/BoardRequests.h"
#include "brain/BrainFileFormat.h"
#include "platform/Files.h"
#include "platform/PngFile.h"

namespace {

struct InputSetting {
  int channel;
  std::vector<int> values;
};

struct BrainRunOptions {
  std::string file, saveTo, inputMask, outputMask, plotTo;
  std::vector<std::string> traces;
  bool hasInputMask = false, hasOutputMask = false, learn = false;
  int ticks = 1, cycles = -1;
  std::vector<InputSetting> settings;
};

// CH=V[,V...] with CH an input channel number or name and at most eight values.
bool ParseSetting(const std::string& text, InputSetting& s) {
  const size_t eq = text.find('=');
  if (eq == std::string::npos) return false;
  const std::string ch = text.substr(0, eq);
  if (!ParseCliInt(ch, s.channel)) s.channel = InputChannelByName(ch);
  if (s.channel < 0 || s.channel >= ChannelCount) return false;
  std::string rest = text.substr(eq + 1);
  size_t start = 0;
  while (true) {
    const size_t comma = rest.find(',', start);
    int v;
    if (!ParseCliInt(rest.substr(start, comma == std::string::npos ? std::string::npos : comma - start), v)) return false;
    s.values.push_back(v);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return s.values.size() <= SubValueCount;
}

// A,B,... elements to trace: a neuron by its index ("3" or "n3"), an input node by its
// channel ("i7"), an output node by its channel ("o0"), a snooper by its index ("s1").
bool ParseTraces(const std::string& text, std::vector<std::string>& out) {
  size_t start = 0;
  while (true) {
    const size_t comma = text.find(',', start);
    const std::string item = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    const bool lettered = !item.empty() && std::string("nios").find(item[0]) != std::string::npos;
    int v;
    if (!ParseCliInt(lettered ? item.substr(1) : item, v) || v < 0) return false;
    out.push_back(lettered ? item : "n" + item);
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return static_cast<int>(out.size()) <= TActivityPlot::MaxTraces;
}

// The element a trace names, as (kind, index); kind 0 when the board has none such.
std::pair<int, int> TracedElement(const TBrainBoard& board, const std::string& trace) {
  int v = 0;
  ParseCliInt(trace.substr(1), v);
  if (trace[0] == 'n') return {board.neurons.live(v) ? ElementNeuron : 0, v};
  if (trace[0] == 's') return {board.snoopers.live(v) ? ElementSnooper : 0, v};
  const int type = trace[0] == 'i' ? InputNode : OutputNode;
  for (int k = 0; k < board.nodes.used(); ++k)
    if (board.nodes.live(k) && board.nodes[k].type == type && board.nodes[k].data == v) return {ElementNode, k};
  return {0, -1};
}

const char* TraceWord(char c) {
  return c == 'n' ? "neuron" : c == 's' ? "snooper" : c == 'i' ? "input node on channel" : "output node on channel";
}

// Returns an empty text when the arguments are sound, else the usage problem.
std::string ParseArgs(const std::vector<std::string>& args, BrainRunOptions& o) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool hasValue = i + 1 < args.size();
    auto value = [&]() { return args[++i]; };
    if (a == "--learn") {
      o.learn = true;
    } else if (a == "--inputs" || a == "--outputs" || a == "--ticks" || a == "--cycles" || a == "--set" ||
               a == "--save" || a == "--plot" || a == "--trace") {
      if (!hasValue) return a + " needs a value";
      const std::string v = value();
      if (a == "--inputs") o.inputMask = v, o.hasInputMask = true;
      else if (a == "--outputs") o.outputMask = v, o.hasOutputMask = true;
      else if (a == "--save") o.saveTo = v;
      else if (a == "--plot") o.plotTo = v;
      else if (a == "--trace") {
        if (!ParseTraces(v, o.traces))
          return "--trace needs up to 8 elements A,B,...: a neuron N or nN, an input node iC, an output node oC, a snooper sK";
      }
      else if (a == "--ticks") {
        if (!ParseCliInt(v, o.ticks) || o.ticks < 0) return "--ticks needs a count of 0 or more";
      } else if (a == "--cycles") {
        if (!ParseCliInt(v, o.cycles) || o.cycles < 0) return "--cycles needs a count of 0 or more";
      } else {
        InputSetting s;
        if (!ParseSetting(v, s)) return "--set needs CH=V[,V...] with an input channel and up to 8 values";
        o.settings.push_back(s);
      }
    } else if (a.rfind("--", 0) == 0 || !o.file.empty()) {
      return "unexpected argument " + a;
    } else {
      o.file = a;
    }
  }
  if (o.plotTo.empty() != o.traces.empty()) return "--plot and --trace go together";
  return o.file.empty() ? "brain-run needs a brain file" : "";
}

int BrainRun(const std::vector<std::string>& args, Host& host) {
  BrainRunOptions o;
  const std::string problem = ParseArgs(args, o);
  if (!problem.empty()) return UsageError(problem);
  const auto bytes = ReadFileBytes(o.file);
  if (!bytes) return UsageError("cannot open " + o.file);

  TBrainBoard board(host, 1, IsHiddenBrainName(o.file));
  ChannelMask in, out;
  ReadBoundChannels(bytes->data(), bytes->size(), in, out);
  if (o.hasInputMask) in = DecodeChannelMask(o.inputMask);
  if (o.hasOutputMask) out = DecodeChannelMask(o.outputMask);
  board.SetIO(&in, &out);
  board.LoadBrain(*bytes);
  if (o.cycles >= 0) board.cyclesPerUpdate = o.cycles;
  if (o.learn) board.learning = true;
  TActivityPlot plot;
  for (const std::string& t : o.traces) {
    const auto [kind, index] = TracedElement(board, t);
    if (kind == 0 || !plot.Add(board, kind, index)) return UsageError(std::string("no ") + TraceWord(t[0]) + " " + t.substr(1) + " to trace");
  }

  for (int tick = 1; tick <= o.ticks; ++tick) {
    for (const InputSetting& s : o.settings)
      for (size_t k = 0; k < s.values.size(); ++k) board.IO().inputs[s.channel][k] = s.values[k];
    board.Step(o.learn);
    plot.Sample(board);
    std::printf("{\"tick\":%d,\"outputs\":%s}\n", tick, OutputsJson(board).c_str());
  }
  std::printf("%s\n", BoardJson(board).c_str());
  if (!o.plotTo.empty() && !WritePng(o.plotTo, plot.Render())) {
    host.Message("Couldn't write " + o.plotTo, "Plot Error");
    return ExitFailed;
  }
  if (!o.saveTo.empty() && !WriteFileAtomic(o.saveTo, board.SaveBrain(IsHiddenBrainName(o.saveTo)))) {
    host.Message("Couldn't write " + o.saveTo, "Save Brain Error");
    return ExitFailed;
  }
  return ExitOk;
}

}  // namespace

QUORBIT_CLI_COMMAND(brain_run, "brain-run",
                    "brain-run FILE [--inputs HEX] [--outputs HEX] [--ticks N] [--cycles N] "
                    "[--set CH=V[,V...]]... [--learn] [--save OUT] [--plot OUT.png --trace A,B,...]; "
                    "traces: neuron N or nN, input node iC, output node oC, snooper sK",
                    BrainRun);
