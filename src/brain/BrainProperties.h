#pragma once
// The changes the property dialogs make, as board operations. The neuron, synapse and
// node dialogs keep the indexes they were opened for and call these with their boxes'
// texts on every change (the texts are read the way the dialogs read them: a real or
// an integer, a default when the text is not a number, clamped as each box says); the
// settings dialog checks its texts with CheckSettingsTexts and applies them on OK.
#include <string>
#include <vector>

#include "brain/BoardRequests.h"
#include "brain/Brainboard.h"

// Box text as a number: its leading number, `otherwise` when it does not start with one.
float ReadReal(const std::string& text, float otherwise);
// The same for whole numbers (it lives with the dialogs' number reading).
int ReadInteger(const std::string& text, int otherwise);

// Every live neuron whose centre lies in the selection rectangle ("Neurons...").
std::vector<int> NeuronsInSelection(const TBrainBoard& board);
// Every input synapse of those neurons ("Synapses...").
std::vector<SynapseRef> SynapsesInSelection(const TBrainBoard& board);

// ---- neuron dialog ------------------------------------------------------------------
void SetNeuronThreshold(TBrainBoard& board, const std::vector<int>& neurons, const std::string& text);
// "Step", "Linear", "Error calc": gain 0 and learn flags cleared; "Sigmoid": gain from kBox.
void SetNeuronType(TBrainBoard& board, const std::vector<int>& neurons, int type, const std::string& kBox);
// kBox: sets the gain; the type becomes Step when "Step" is chosen, otherwise Sigmoid.
void SetNeuronGain(TBrainBoard& board, const std::vector<int>& neurons, const std::string& kBox, bool stepChosen);
// The learn flag of each neuron and its eight slots; checking it makes the neurons
// Sigmoid (with the gain from kBox) unless they are Sigmoid already.
void SetNeuronLearn(TBrainBoard& board, const std::vector<int>& neurons, bool learn, const std::string& kBox,
                    bool sigmoidChosen);

// ---- synapse dialog -----------------------------------------------------------------
// Weight and state; the synapse turns excitatory at 0 or more, inhibitory below.
void SetSynapseWeight(TBrainBoard& board, const std::vector<SynapseRef>& synapses, const std::string& text);
void SetSynapseDecay(TBrainBoard& board, const std::vector<SynapseRef>& synapses, const std::string& text);
void SetSynapseLearn(TBrainBoard& board, const std::vector<SynapseRef>& synapses, bool learn);

// ---- node dialog ----------------------------------------------------------------------
// Opening the dialog: a plain node without an incoming wire is held while it is open.
void BeginNodeEdit(TBrainBoard& board, int node);
// Held node value ("Output" tab): all eight `next` values.
void SetHeldNodeValue(TBrainBoard& board, int node, const std::string& text);
enum class NodeChoice { Node, File, Key };
// Closing the dialog with the chosen type and the three boxes. False (with the node
// left as it was) when a file-input check failed and the dialog must stay open.
// Channel nodes are never changed.
bool EndNodeEdit(TBrainBoard& board, int node, NodeChoice choice, const std::string& nameBox,
                 const std::string& columnBox, const std::string& onBox);

// ---- settings dialog --------------------------------------------------------------------
struct BrainSettingsTexts {
  std::string threshold, weight, gain, cycles, update, rate, momentum, width, height;
  int type = StepNeuron;
  bool learn = false, training = false;
};
BrainSettingsTexts SettingsTextsOf(const TBrainBoard& board, int updateInterval);
// The six checks, each failing one shown; true when all pass.
bool CheckSettingsTexts(const BrainSettingsTexts& texts, const Host& host);
// Applies the texts; a new size is asked for ("Board Size Change") and, on Yes, the
// board is cleared with everything, resized and given its channel nodes again.
void ApplySettingsTexts(TBrainBoard& board, const BrainSettingsTexts& texts);
