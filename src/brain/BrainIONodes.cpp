// Input and output nodes: channel availability, automatic channel nodes, file-input
// data columns and node types.
#include <string>

#include "brain/Brainboard.h"
#include "brain/DataColumn.h"
#include "platform/Files.h"

void TBrainBoard::UnbindChannel(IOBinding& b, bool input) {
  b.bound = false;
  if (!nodes.live(b.node)) {
    b.node = -1;
    return;
  }
  if (!HasConnections(nodes[b.node])) {
    const int n = b.node;
    b.node = -1;
    EraseNode(n);
    nodes.Free(n);
    return;
  }
  EraseNode(b.node);
  nodes[b.node].type = input ? EmptyInputNode : EmptyOutputNode;
  nodes[b.node].picture = input ? EmptyInputPicture : EmptyOutputPicture;
  DrawNode(b.node);
}

void TBrainBoard::PlaceChannelNode(IOBinding& b, int channel, bool input) {
  const int type = input ? InputNode : OutputNode;
  if (!nodes.live(b.node)) {
    const int x = input ? 3 : visibleColumns() - 5;
    const int n = AddNode(x, 4);
    if (n < 0) {
      b.node = -1;
      return;
    }
    EraseNode(n);
    Node& node = nodes[n];
    node.type = type;
    node.picture = b.picture;
    node.data = channel;
    node.x = x;
    node.y = 4;
    node.multi = input ? IsMultiInputChannel(channel) : IsMultiOutputChannel(channel);
    int k = 0;
    while (!Fits(x, 4 + k, false, OtherNode, n) && 4 + k < rows_ - 3) k += 3;
    node.y += k;
    DrawNode(n);
    b.node = n;
    return;
  }
  EraseNode(b.node);
  Node& node = nodes[b.node];
  node.type = type;
  node.picture = b.picture;
  if (node.data != channel) {
    Message("IOnum mismatch", "SetIO Error");
    broken = true;
    node.data = channel;
  }
  DrawNode(b.node);
}

void TBrainBoard::SetIO(const ChannelMask* inputMask, const ChannelMask* outputMask) {
  for (int ch = 0; ch < ChannelCount; ++ch) {
    if (inputMask && (*inputMask)[ch]) inputAvailable[ch] = true;
    if (outputMask && (*outputMask)[ch]) outputAvailable[ch] = true;
  }
  for (int ch = 0; ch < ChannelCount; ++ch) {
    if (!inputAvailable[ch] && inputBindings[ch].bound) UnbindChannel(inputBindings[ch], true);
    if (!outputAvailable[ch] && outputBindings[ch].bound) UnbindChannel(outputBindings[ch], false);
  }
  attached = false;
  for (int ch = 0; ch < ChannelCount; ++ch) {
    if (inputAvailable[ch]) {
      attached = true;
      if (!inputBindings[ch].bound) {
        inputBindings[ch].bound = true;
        PlaceChannelNode(inputBindings[ch], ch, true);
      }
    }
    if (outputAvailable[ch]) {
      attached = true;
      if (!outputBindings[ch].bound) {
        outputBindings[ch].bound = true;
        PlaceChannelNode(outputBindings[ch], ch, false);
      }
    }
  }
}

void TBrainBoard::ReleaseChannels() {
  if (!attached) return;
  inputAvailable.fill(false);
  outputAvailable.fill(false);
  SetIO(nullptr, nullptr);
  attached = false;
}

bool TBrainBoard::LoadFileColumn(int node, const std::string& fileName, bool showMessages, int column) {
  if (!nodes.live(node)) return false;
  FileColumn fresh;
  fresh.inUse = true;
  fresh.column = column;
  fresh.fileName = fileName;
  int index = 0;
  while (index < static_cast<int>(fileColumns.size()) && fileColumns[index].inUse) ++index;
  if (index == static_cast<int>(fileColumns.size())) fileColumns.emplace_back();
  fileColumns[index] = std::move(fresh);
  nodes[node].data = index;
  FileColumn& col = fileColumns[index];

  const auto text = ReadFileText(fileName);
  if (!text) {
    if (showMessages) Message("Could not find " + fileName, "Node File Error");
    return false;
  }
  if (!ReadDataColumn(*text, column, col.values, [&](const std::string& message, const std::string& caption) {
        if (showMessages) Message(message, caption);
      }))
    return false;
  col.column = column;
  col.rows = static_cast<int>(col.values.size());
  return true;
}

void TBrainBoard::SetNodeType(int node, int type, int value, const std::string& text) {
  if (!nodes.live(node)) return;
  EraseNode(node);
  if (nodes[node].type == FileInputNode) {
    FreeFileColumn(nodes[node].data);
    nodes[node].data = -1;
  }
  if (type == FileInputNode) {
    LoadFileColumn(node, text, true, value);
  } else if (type == KeyInputNode) {
    nodes[node].picture = text.empty() ? 0 : static_cast<unsigned char>(text[0]);
    nodes[node].data = value;
  }
  nodes[node].type = type;
  DrawNode(node);
}
