#pragma once
// The brain file: chunks of tag, length and payload; records little-endian, field by
// field, in the sizes of BrainRecords.h.
#include "channels/Channels.h"
#include "brain/BrainRecords.h"
#include "platform/ByteIO.h"

namespace BrainChunk {
constexpr int32_t Start = 100;
constexpr int32_t Hidden = 105;
constexpr int32_t BoardSize = 106;
constexpr int32_t LegacyNeurons = 110;
constexpr int32_t Neurons = 111;
constexpr int32_t LegacyNodes = 120;
constexpr int32_t Nodes = 121;
constexpr int32_t Snoopers = 130;
constexpr int32_t LineSegs = 140;
constexpr int32_t BoardPics = 150;
constexpr int32_t GridCells = 160;
constexpr int32_t Bindings = 170;
constexpr int32_t FileInputs = 180;
constexpr int32_t End = 199;
}  // namespace BrainChunk

constexpr int BindingEntrySize = 10;
constexpr int GridCellEntrySize = 12;

void WriteRecord(ByteWriter& w, const Neuron& n);
void WriteRecord(ByteWriter& w, const Node& n);
void WriteRecord(ByteWriter& w, const Snooper& s);
void WriteRecord(ByteWriter& w, const LineSeg& l);
void WriteRecord(ByteWriter& w, const BoardPic& p);

void ReadRecord(ByteReader& r, Neuron& n);
void ReadRecord(ByteReader& r, Node& n);
void ReadRecord(ByteReader& r, Snooper& s);
void ReadRecord(ByteReader& r, LineSeg& l);
void ReadRecord(ByteReader& r, BoardPic& p);
// The older records: the fields they lack (learning memories, learn flags, errors) are 0.
void ReadLegacyNeuron(ByteReader& r, Neuron& n);
void ReadLegacyNode(ByteReader& r, Node& n);

// The channels a brain file has bound (chunk 170), without loading the brain.
void ReadBoundChannels(const uint8_t* data, size_t size, ChannelMask& inputs, ChannelMask& outputs);

class TBrainBoard;
// After loading: drops what a damaged file left unusable (records off the grid, links
// to elements that do not exist or do not link back, broken picture stacks). Returns
// how many records or links were dropped.
int MakeLoadedBoardSafe(TBrainBoard& board);
// A slot is sound when it is empty or being drawn, or when its partner slot has the
// matching kind and names it back (elemKind OtherNeuron or OtherNode).
bool SlotSound(const TBrainBoard& board, int elemKind, int index, int slot);
