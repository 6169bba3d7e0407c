// Input and output nodes: channel availability, automatic channel nodes, file-input
// data columns and node types.
#include <cstdlib>
#include <string>

#include "brain/Brainboard.h"
#include "platform/Files.h"

namespace {

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == ','; }
bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

int CountFirstLineColumns(const std::string& text) {
  int columns = 0;
  bool inColumn = false;
  for (char c : text) {
    if (IsLineEnd(c)) break;
    if (IsSeparator(c)) {
      inColumn = false;
    } else if (!inColumn) {
      inColumn = true;
      ++columns;
    }
  }
  return columns;
}

// The numbers of the file as one stream, up to the first thing that is not a number.
std::vector<float> ReadNumberStream(const std::string& text) {
  std::vector<float> values;
  const char* p = text.c_str();
  const char* end = p + text.size();
  while (p < end) {
    while (p < end && (IsSeparator(*p) || IsLineEnd(*p))) ++p;
    if (p >= end) break;
    char* after = nullptr;
    const float v = std::strtof(p, &after);
    if (after == p) break;
    values.push_back(v);
    p = after;
  }
  return values;
}

}  // namespace

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
  const int columns = CountFirstLineColumns(*text);
  if (columns == 0) {
    if (showMessages) Message("No data in file", "File Node Error");
    return false;
  }
  if (column > columns) {
    if (showMessages) Message("Only found " + std::to_string(columns) + " columns", "Node File Error");
    column = columns;
  }
  if (column < 1) {
    if (showMessages) Message("Column should be >= 1", "Node File Error");
    column = 1;
  }
  col.column = column;
  const std::vector<float> stream = ReadNumberStream(*text);
  col.rows = static_cast<int>(stream.size() / columns);
  col.values.resize(col.rows);
  for (int r = 0; r < col.rows; ++r) {
    const float v = stream[static_cast<size_t>(r) * columns + (column - 1)];
    col.values[r] = v < -100 ? -100 : (v > 100 ? 100 : (v == v ? v : 0));
  }
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
