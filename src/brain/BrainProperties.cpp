// Property changes of neurons, synapses, nodes and the board settings.
#include "brain/BrainProperties.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

float ReadReal(const std::string& text, float otherwise) {
  char* end = nullptr;
  const float v = std::strtof(text.c_str(), &end);
  if (end == text.c_str() || !std::isfinite(v)) return otherwise;
  return v;
}

namespace {

float Clamp(float v, float low, float high) { return v < low ? low : (v > high ? high : v); }

bool InSelection(const TBrainBoard& b, int x, int y) {
  if (b.selLeft < 0 || b.selTop < 0) return false;
  return x >= std::min(b.selLeft, b.selRight) && x <= std::max(b.selLeft, b.selRight) &&
         y >= std::min(b.selTop, b.selBottom) && y <= std::max(b.selTop, b.selBottom);
}

// A change of what the centre tile shows: the neuron is drawn again.
template <class Fn>
void ChangeNeurons(TBrainBoard& b, const std::vector<int>& neurons, Fn change) {
  for (int i : neurons) {
    if (!b.neurons.live(i)) continue;
    b.EraseNeuron(i);
    change(b.neurons[i]);
    b.DrawNeuron(i);
  }
}

void SetLearnFlags(Neuron& n, bool learn) {
  n.learn = learn;
  for (Synapse& s : n.slots) s.learn = learn;
}

float ReadGain(const std::string& kBox) { return Clamp(ReadReal(kBox, 1), 0, 5); }

}  // namespace

std::vector<int> NeuronsInSelection(const TBrainBoard& board) {
  std::vector<int> list;
  for (int i = 0; i < board.neurons.used(); ++i)
    if (board.neurons[i].inUse && InSelection(board, board.neurons[i].x, board.neurons[i].y)) list.push_back(i);
  return list;
}

std::vector<SynapseRef> SynapsesInSelection(const TBrainBoard& board) {
  std::vector<SynapseRef> list;
  for (int i : NeuronsInSelection(board))
    for (int s = 0; s < SlotCount; ++s)
      if (IsInputSlot(board.neurons[i].slots[s].kind)) list.push_back({i, s});
  return list;
}

void SetNeuronThreshold(TBrainBoard& board, const std::vector<int>& neurons, const std::string& text) {
  const float v = Clamp(ReadReal(text, 0), -100, 100);
  for (int i : neurons)
    if (board.neurons.live(i)) board.neurons[i].threshold = v;
}

void SetNeuronType(TBrainBoard& board, const std::vector<int>& neurons, int type, const std::string& kBox) {
  if (type < StepNeuron || type > ErrorNeuron) return;
  ChangeNeurons(board, neurons, [&](Neuron& n) {
    n.type = type;
    if (type == SigmoidNeuron) {
      n.gain = ReadGain(kBox);
    } else {
      n.gain = 0;
      SetLearnFlags(n, false);
    }
  });
}

void SetNeuronGain(TBrainBoard& board, const std::vector<int>& neurons, const std::string& kBox, bool stepChosen) {
  const float gain = ReadGain(kBox);
  ChangeNeurons(board, neurons, [&](Neuron& n) {
    n.gain = gain;
    n.type = stepChosen ? StepNeuron : SigmoidNeuron;
  });
}

void SetNeuronLearn(TBrainBoard& board, const std::vector<int>& neurons, bool learn, const std::string& kBox,
                    bool sigmoidChosen) {
  ChangeNeurons(board, neurons, [&](Neuron& n) {
    // Learning needs Sigmoid: unless the dialog shows it already, every neuron takes it with the box's gain.
    if (learn && (!sigmoidChosen || n.type != SigmoidNeuron)) n.type = SigmoidNeuron, n.gain = ReadGain(kBox);
    SetLearnFlags(n, learn);
  });
}

namespace {
template <class Fn>
void ForSynapses(TBrainBoard& b, const std::vector<SynapseRef>& list, Fn fn) {
  for (const SynapseRef& r : list)
    if (b.neurons.live(r.neuron) && r.slot >= 0 && r.slot < SlotCount &&
        IsInputSlot(b.neurons[r.neuron].slots[r.slot].kind))
      fn(r);
}
}  // namespace

void SetSynapseWeight(TBrainBoard& board, const std::vector<SynapseRef>& synapses, const std::string& text) {
  const float w = Clamp(ReadReal(text, 0), -100, 100);
  ForSynapses(board, synapses, [&](const SynapseRef& r) {
    Synapse& s = board.neurons[r.neuron].slots[r.slot];
    s.weight = s.state = w;
    board.SetSlotKind(r.neuron, r.slot, w >= 0 ? SlotExcitatory : SlotInhibitory);
  });
}

void SetSynapseDecay(TBrainBoard& board, const std::vector<SynapseRef>& synapses, const std::string& text) {
  const float d = ReadReal(text, 0);
  ForSynapses(board, synapses, [&](const SynapseRef& r) { board.neurons[r.neuron].slots[r.slot].decay = d; });
}

void SetSynapseLearn(TBrainBoard& board, const std::vector<SynapseRef>& synapses, bool learn) {
  ForSynapses(board, synapses, [&](const SynapseRef& r) { board.neurons[r.neuron].slots[r.slot].learn = learn; });
}

// ---- nodes --------------------------------------------------------------------------------

namespace {
bool IsChannelNode(int type) {
  return type == InputNode || type == OutputNode || type == EmptyInputNode || type == EmptyOutputNode;
}
bool HasIncomingWire(const Node& n) {
  for (int k : n.slotKind)
    if (k == SlotWireEnd) return true;
  return false;
}
}  // namespace

void BeginNodeEdit(TBrainBoard& board, int node) {
  if (!board.nodes.live(node)) return;
  Node& n = board.nodes[node];
  if (n.type == PlainNode && !HasIncomingWire(n)) n.type = HeldNode;
}

void SetHeldNodeValue(TBrainBoard& board, int node, const std::string& text) {
  if (!board.nodes.live(node) || board.nodes[node].type != HeldNode) return;
  const float v = Clamp(ReadReal(text, 0), -100, 100);
  for (float& x : board.nodes[node].next) x = v;
}

bool EndNodeEdit(TBrainBoard& board, int node, NodeChoice choice, const std::string& nameBox,
                 const std::string& columnBox, const std::string& onBox) {
  if (!board.nodes.live(node) || IsChannelNode(board.nodes[node].type)) return true;
  switch (choice) {
    case NodeChoice::Node:
      board.SetNodeType(node, PlainNode, 0, "");
      return true;
    case NodeChoice::Key: {
      const int off = std::clamp(ReadInteger(columnBox, 0) + 100, 0, 200) - 100;
      const int on = std::clamp(ReadInteger(onBox, 0) + 100, 0, 200) - 100;
      std::string key = nameBox.substr(0, 1);
      for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      board.SetNodeType(node, KeyInputNode, TBrainBoard::PackKeyValues(on, off), key);
      return true;
    }
    case NodeChoice::File: {
      const int column = ReadInteger(columnBox, 0);
      if (column < 1) {
        board.Message("Column should be >= 1", "Node File Error");
        return false;
      }
      // The checks run on a scratch board first, so a failure leaves the node alone.
      TBrainBoard probe(Host{board.host().messages, nullptr, nullptr, nullptr, nullptr, nullptr}, 1, true);
      const int p = probe.AddNode(probe.columns() / 2, probe.rows() / 2);
      if (!probe.LoadFileColumn(p, nameBox, true, column)) return false;
      const FileColumn& c = probe.fileColumns[probe.nodes[p].data];
      if (c.column != column) return false;  // "Only found ... columns" was shown
      board.SetNodeType(node, FileInputNode, column, nameBox);
      return true;
    }
  }
  return true;
}

// ---- settings -------------------------------------------------------------------------------

namespace {
std::string Fixed2(float v) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%.2f", static_cast<double>(v));
  return buf;
}
}  // namespace

BrainSettingsTexts SettingsTextsOf(const TBrainBoard& board, int updateInterval) {
  BrainSettingsTexts t;
  t.threshold = Fixed2(board.defaultThreshold);
  t.weight = Fixed2(board.defaultWeight);
  t.gain = Fixed2(board.defaultGain);
  t.cycles = std::to_string(board.cyclesPerUpdate);
  t.update = std::to_string(updateInterval);
  t.rate = Fixed2(board.learnRate);
  t.momentum = Fixed2(board.momentum);
  t.width = std::to_string(board.columns());
  t.height = std::to_string(board.rows());
  t.type = board.defaultType;
  t.learn = board.defaultLearn;
  t.training = board.learning;
  return t;
}

bool CheckSettingsTexts(const BrainSettingsTexts& t, const Host& host) {
  bool ok = true;
  auto check = [&](bool failed, const char* text, const char* caption) {
    if (!failed) return;
    host.Message(text, caption);
    ok = false;
  };
  const int threshold = ReadInteger(t.threshold, 0), weight = ReadInteger(t.weight, 0);
  check(threshold < -100 || threshold > 100, "Threshold must be between -100 and 100", "Default threshold");
  check(weight < -100 || weight > 100, "Weight must be between -100 and 100", "Default weight");
  check(ReadInteger(t.update, 0) <= 0, "Update time must be greater than 0", "Update time");
  check(ReadInteger(t.cycles, 0) <= 0, "Number of cycles must be greater than 0", "Number of cycles");
  check(ReadInteger(t.width, 0) < 100, "Width must be greater or equal to 100", "Board Width");
  check(ReadInteger(t.height, 0) < 100, "Height must be greater than or equal to 100", "Board Height");
  // A board holds at most a thousand cells a side: a larger size is refused, not cut.
  check(ReadInteger(t.width, 0) > MaxBoardSide, "Width must not be greater than 1000", "Board Width");
  check(ReadInteger(t.height, 0) > MaxBoardSide, "Height must not be greater than 1000", "Board Height");
  return ok;
}

void ApplySettingsTexts(TBrainBoard& board, const BrainSettingsTexts& t) {
  board.defaultThreshold = Clamp(ReadReal(t.threshold, 0), -100, 100);
  board.defaultWeight = Clamp(ReadReal(t.weight, 0), -100, 100);
  board.defaultType = t.type >= StepNeuron && t.type <= ErrorNeuron ? t.type : ErrorNeuron;
  board.defaultGain = ReadReal(t.gain, 0);
  board.defaultLearn = t.learn;
  board.cyclesPerUpdate = ReadInteger(t.cycles, 0);
  board.learnRate = Clamp(ReadReal(t.rate, 0), 0, 1);
  board.momentum = std::max(0.0f, ReadReal(t.momentum, 0));
  board.learning = t.training;
  const int width = std::min(ReadInteger(t.width, 100), MaxBoardSide);
  const int height = std::min(ReadInteger(t.height, 100), MaxBoardSide);
  if (width == board.columns() && height == board.rows()) return;
  const Host& host = board.host();
  if (!host.messages || host.messages->AskYesNo("Changing the size will erase the brain. Continue?",
                                                "Board Size Change") != Answer::Yes)
    return;
  board.Clear(true);
  board.SetSize(width, height);
  board.SetIO(nullptr, nullptr);
}
