#include "BrainJson.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "Cli.h"

std::string JsonNumber(double value) {
  if (!std::isfinite(value)) return "null";
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.7g", value);
  return buf;
}

namespace {

const char* Bool(bool b) { return b ? "true" : "false"; }

class JsonObject {
 public:
  JsonObject& Field(const char* name, const std::string& raw) {
    out_ += (out_.size() > 1 ? ",\"" : "\"") + std::string(name) + "\":" + raw;
    return *this;
  }
  JsonObject& Int(const char* name, int v) { return Field(name, std::to_string(v)); }
  JsonObject& Num(const char* name, double v) { return Field(name, JsonNumber(v)); }
  JsonObject& Flag(const char* name, bool v) { return Field(name, Bool(v)); }
  std::string Close() { return out_ + "}"; }

 private:
  std::string out_ = "{";
};

template <class Fn>
std::string Array(int count, Fn item) {
  std::string out = "[";
  for (int i = 0; i < count; ++i) out += (i ? "," : "") + item(i);
  return out + "]";
}

std::string SlotJson(const Synapse& s) {
  return JsonObject()
      .Int("kind", s.kind)
      .Num("state", s.state)
      .Num("weight", s.weight)
      .Num("decay", s.decay)
      .Int("otherKind", s.otherKind)
      .Int("otherIndex", s.otherIndex)
      .Int("otherSlot", s.otherSlot)
      .Int("lineSeg", s.lineSeg)
      .Flag("learn", s.learn)
      .Close();
}

std::string NeuronJson(int i, const Neuron& n) {
  return JsonObject()
      .Int("index", i)
      .Int("x", n.x)
      .Int("y", n.y)
      .Int("type", n.type)
      .Num("threshold", n.threshold)
      .Num("state", n.state)
      .Num("gain", n.gain)
      .Flag("learn", n.learn)
      .Field("slots", Array(SlotCount, [&](int s) { return SlotJson(n.slots[s]); }))
      .Close();
}

std::string NodeJson(int i, const Node& n) {
  return JsonObject()
      .Int("index", i)
      .Int("type", n.type)
      .Int("x", n.x)
      .Int("y", n.y)
      .Int("data", n.data)
      .Int("picture", n.picture)
      .Flag("multi", n.multi)
      .Field("slots", Array(SlotCount, [&](int c) {
               return JsonObject()
                   .Int("kind", n.slotKind[c])
                   .Int("otherKind", n.otherKind[c])
                   .Int("otherIndex", n.otherIndex[c])
                   .Int("otherSlot", n.otherSlot[c])
                   .Int("lineSeg", n.lineSeg[c])
                   .Close();
             }))
      .Field("value", Array(SlotCount, [&](int c) { return JsonNumber(n.value[c]); }))
      .Close();
}

std::string IntArray(const int32_t* v, int count) {
  return Array(count, [&](int k) { return std::to_string(v[k]); });
}

std::string SnooperJson(int i, const Snooper& s) {
  return JsonObject()
      .Int("index", i)
      .Int("x", s.x)
      .Int("y", s.y)
      .Int("mode", s.mode)
      .Int("tile", s.tile)
      .Int("lastValue", s.lastValue)
      .Flag("monitor", s.monitor)
      .Field("thresholds", IntArray(s.thresholds, 8))
      .Field("colours", IntArray(s.colours, 8))
      .Close();
}

std::string LineSegJson(int i, const LineSeg& l) {
  return JsonObject()
      .Int("index", i)
      .Int("x", l.x)
      .Int("y", l.y)
      .Int("dirIn", l.dirIn)
      .Int("dirOut", l.dirOut)
      .Int("prev", l.prev)
      .Int("next", l.next)
      .Int("srcKind", l.srcKind)
      .Int("srcIndex", l.srcIndex)
      .Int("srcSlot", l.srcSlot)
      .Close();
}

std::string BindingsJson(const IOBinding (&table)[ChannelCount]) {
  std::string out = "[";
  for (int ch = 0; ch < ChannelCount; ++ch) {
    const IOBinding& b = table[ch];
    if (!b.bound) continue;
    out += (out.size() > 1 ? "," : "") + JsonObject()
                                            .Int("channel", ch)
                                            .Field("name", JsonString(b.name ? b.name : ""))
                                            .Int("node", b.node)
                                            .Close();
  }
  return out + "]";
}

template <class T, class Fn>
std::string LiveArray(const ElementArray<T>& records, Fn item) {
  std::string out = "[";
  for (int i = 0; i < records.used(); ++i)
    if (records.live(i)) out += (out.size() > 1 ? "," : "") + item(i, records[i]);
  return out + "]";
}

}  // namespace

std::string BoardJson(const TBrainBoard& board) {
  const std::string inner = JsonObject()
                                .Int("columns", board.columns())
                                .Int("rows", board.rows())
                                .Field("neurons", LiveArray(board.neurons, NeuronJson))
                                .Field("nodes", LiveArray(board.nodes, NodeJson))
                                .Field("snoopers", LiveArray(board.snoopers, SnooperJson))
                                .Field("lineSegs", LiveArray(board.lineSegs, LineSegJson))
                                .Field("inputs", BindingsJson(board.inputBindings))
                                .Field("outputs", BindingsJson(board.outputBindings))
                                .Close();
  return "{\"board\":" + inner + "}";
}

std::string OutputsJson(const TBrainBoard& board) {
  std::string out = "{";
  for (int ch = 0; ch < ChannelCount; ++ch) {
    if (!board.outputBindings[ch].bound) continue;
    out += (out.size() > 1 ? ",\"" : "\"") + std::to_string(ch) + "\":" +
           Array(SubValueCount, [&](int k) { return std::to_string(board.IO().outputs[ch][k]); });
  }
  return out + "}";
}

bool ParseCliInt(const std::string& text, int& out) {
  if (text.empty()) return false;
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (*end != '\0' || v < -2147483647L || v > 2147483647L) return false;
  out = static_cast<int>(v);
  return true;
}

bool IsHiddenBrainName(std::string name) {
  std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
  return name.find(".brx") != std::string::npos;
}
