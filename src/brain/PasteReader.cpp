// Reading a clipboard text block into staged records.
#include "brain/PasteReader.h"

#include <cmath>
#include <cstdio>
#include <set>

#include "platform/Files.h"

namespace {

float Real(float v, float low = -100, float high = 100) {
  if (!std::isfinite(v)) return 0;
  return v < low ? low : (v > high ? high : v);
}

bool ValidTile(int t) { return t >= 0 && t < TileCount; }

// Coordinates far off any board are pulled in, so shifting them cannot overflow.
void Coord(int32_t& v) {
  constexpr int32_t Far = 1 << 20;
  v = v < -Far ? -Far : (v > Far ? Far : v);
}

class BlockReader {
 public:
  BlockReader(const TBrainBoard& board, const std::string& text, PastedBlock& block)
      : board_(board), lines_(SplitLines(text)), block_(block) {}

  // Returns the error text; `ok` false when reading failed.
  bool Run(std::string& error) {
    int counts[5];
    std::string line;
    if (!Next(line) || !Next(line) || std::sscanf(line.c_str(), "%d, %d", &block_.originX, &block_.originY) != 2)
      return Fail(error, "");
    Coord(block_.originX), Coord(block_.originY);
    for (int& c : counts) {
      if (!Next(line) || std::sscanf(line.c_str(), "%d", &c) != 1) return Fail(error, "");
      if (c < 0) c = 0;
    }
    const int nodes = counts[0], neurons = counts[1], segs = counts[2], snoopers = counts[3], texts = counts[4];
    for (int i = 0; i < texts; ++i)
      if (!ReadText()) return Fail(error, "Text paste error");
    for (int i = 0; i < nodes; ++i)
      if (!ReadNode()) return Fail(error, "Node paste error");
    for (int i = 0; i < neurons; ++i)
      if (!ReadNeuron()) return Fail(error, "Neuron paste error");
    for (int i = 0; i < segs; ++i)
      if (!ReadSeg()) return Fail(error, "Lineseg paste error");
    for (int i = 0; i < snoopers; ++i)
      if (!ReadSnooper()) return Fail(error, "Snooper paste error");
    return true;
  }

 private:
  static bool Fail(std::string& error, const char* text) {
    error = text;
    return false;
  }

  bool Next(std::string& line) {
    if (pos_ >= lines_.size()) return false;
    line = lines_[pos_++];
    return true;
  }

  // Finds the next line starting with `tag` and reads the index after it; a repeated
  // index would make the links ambiguous, so it counts as unreadable.
  bool FindRecord(const char* tag, std::set<int>& seen, int& index) {
    const std::string t = tag;
    std::string line;
    while (Next(line))
      if (line.compare(0, t.size(), t) == 0)
        return std::sscanf(line.c_str() + t.size(), "%d", &index) == 1 && seen.insert(index).second;
    return false;
  }

  bool ReadText() {
    std::string line;
    PastedBlock::PText t;
    if (!Next(line) || std::sscanf(line.c_str(), "%d %d %d", &t.x, &t.y, &t.packed) != 3) return false;
    if (t.packed < 0 || t.packed > 0xFFFF) return false;  // two 8-bit characters
    Coord(t.x), Coord(t.y);
    block_.texts.push_back(t);
    return true;
  }

  bool ReadNode() {
    PastedBlock::PNode p;
    Node& n = p.node;
    std::string line;
    int multi;
    if (!FindRecord("Node:", nodeIds_, p.oldIndex) || !Next(line) ||
        std::sscanf(line.c_str(), "%d %d %d %d %d %d %d", &n.x, &n.y, &n.type, &n.picture, &n.data, &n.shownState,
                    &multi) != 7)
      return false;
    n.multi = multi != 0;
    n.inUse = true;
    Coord(n.x), Coord(n.y);
    if (n.type == FileInputNode) {
      if (!Next(p.fileName) || !Next(line) || std::sscanf(line.c_str(), "%d", &p.fileColumn) != 1) return false;
    }
    for (int s = 0; s < SlotCount; ++s) {
      if (!Next(line) || std::sscanf(line.c_str(), "%f %f %d %d %d %d %d", &n.value[s], &n.next[s], &n.slotKind[s],
                                     &n.otherKind[s], &n.otherIndex[s], &n.otherSlot[s], &n.lineSeg[s]) != 7)
        return false;
      n.value[s] = Real(n.value[s]);
      n.next[s] = Real(n.next[s]);
    }
    const bool channel = n.type == InputNode || n.type == EmptyInputNode || n.type == OutputNode ||
                         n.type == EmptyOutputNode;
    if (channel && (n.data < 0 || n.data >= ChannelCount)) board_.Message("Works with bad node", "IO Node Error");
    block_.nodes.push_back(std::move(p));
    return true;
  }

  bool ReadNeuron() {
    PastedBlock::PNeuron p;
    Neuron& n = p.neuron;
    std::string line;
    int learn;
    if (!FindRecord("Neuron:", neuronIds_, p.oldIndex) || !Next(line) ||
        std::sscanf(line.c_str(), "%d %d %f %f %d %d %f %d", &n.x, &n.y, &n.threshold, &n.state, &n.shownState,
                    &n.type, &n.gain, &learn) != 8)
      return false;
    if (n.type < StepNeuron || n.type > ErrorNeuron) return false;
    n.threshold = Real(n.threshold), n.state = Real(n.state), n.gain = Real(n.gain, -1e6f, 1e6f);
    n.learn = learn != 0;
    n.inUse = true;
    Coord(n.x), Coord(n.y);
    for (Synapse& s : n.slots) {
      int number, slotLearn;
      if (!Next(line) || std::sscanf(line.c_str(), "%d %d %f %f %f %d %d %d %d %d", &number, &s.kind, &s.state,
                                     &s.weight, &s.decay, &s.otherKind, &s.otherIndex, &s.otherSlot, &s.lineSeg,
                                     &slotLearn) != 10)
        return false;
      s.state = Real(s.state), s.weight = Real(s.weight), s.decay = Real(s.decay, -1e6f, 1e6f);
      s.learn = slotLearn != 0;
    }
    block_.neurons.push_back(p);
    return true;
  }

  bool ReadSeg() {
    PastedBlock::PSeg p;
    LineSeg& l = p.seg;
    std::string line;
    if (!FindRecord("LineSeg:", segIds_, p.oldIndex) || !Next(line) ||
        std::sscanf(line.c_str(), "%d %d", &l.x, &l.y) != 2 || !Next(line) ||
        std::sscanf(line.c_str(), "%d %d %d %d %d %d %d", &l.dirIn, &l.dirOut, &l.prev, &l.next, &l.srcKind,
                    &l.srcIndex, &l.srcSlot) != 7)
      return false;
    l.inUse = true;
    Coord(l.x), Coord(l.y);
    block_.segs.push_back(p);
    return true;
  }

  bool ReadSnooper() {
    PastedBlock::PSnooper p;
    Snooper& s = p.snooper;
    std::string line;
    int monitor;
    if (!FindRecord("Snooper:", snooperIds_, p.oldIndex) || !Next(line) ||
        std::sscanf(line.c_str(), "%d %d %d %d %d %d", &s.x, &s.y, &s.tile, &s.mode, &s.lastValue, &monitor) != 6)
      return false;
    int* t = s.thresholds;
    int* c = s.colours;
    if (!Next(line) ||
        std::sscanf(line.c_str(), "%d %d %d %d %d %d %d %d", t, t + 1, t + 2, t + 3, t + 4, t + 5, t + 6, t + 7) != 8 ||
        !Next(line) ||
        std::sscanf(line.c_str(), "%d %d %d %d %d %d %d %d", c, c + 1, c + 2, c + 3, c + 4, c + 5, c + 6, c + 7) != 8)
      return false;
    s.monitor = monitor != 0;
    s.inUse = true;
    Coord(s.x), Coord(s.y);
    if (s.mode < SnoopTop || s.mode > SnoopScale) s.mode = SnoopTop;
    if (!ValidTile(s.tile)) s.tile = 191;
    for (int& colour : s.colours)
      if (!ValidTile(colour)) colour = 0;
    if (s.lastValue < -200 || s.lastValue > 100) s.lastValue = -200;
    block_.snoopers.push_back(p);
    return true;
  }

  const TBrainBoard& board_;
  std::vector<std::string> lines_;
  size_t pos_ = 0;
  PastedBlock& block_;
  std::set<int> nodeIds_, neuronIds_, segIds_, snooperIds_;
};

}  // namespace

bool ReadPastedBlock(const TBrainBoard& board, const std::string& text, PastedBlock& block, std::string& error) {
  return BlockReader(board, text, block).Run(error);
}
