#pragma once
// The channels through which a brain and its body talk: numbers, names, node pictures,
// the exchange block, channel masks and the capability masks of the body classes.
#include <array>
#include <cstdint>
#include <string>

constexpr int ChannelCount = 64;
constexpr int SubValueCount = 8;

// Sensor values written by the body before a brain step and effector values written by
// the step, per channel and sub-value.
struct ChannelBlock {
  int32_t inputs[ChannelCount][SubValueCount] = {};
  int32_t outputs[ChannelCount][SubValueCount] = {};
  void Clear();
};

using ChannelMask = std::array<bool, ChannelCount>;

// Fills all 64 flags from hexadecimal text, rightmost digit = channels 0..3. Characters
// that are not hex digits are not rejected; they give whatever bits the digit arithmetic
// yields.
void decodeChannelMask(const std::string& text, ChannelMask& mask);
ChannelMask DecodeChannelMask(const std::string& text);
// The shortest text that decodes to the mask (upper-case digits, "0" for no channel).
std::string EncodeChannelMask(const ChannelMask& mask);

// Names are nullptr for the unnamed slots (inputs 63, outputs 37..63); their picture is 0.
const char* InputChannelName(int channel);
const char* OutputChannelName(int channel);
int InputChannelPicture(int channel);
int OutputChannelPicture(int channel);
// Finds a channel by its name; -1 when none carries it.
int InputChannelByName(const std::string& name);
int OutputChannelByName(const std::string& name);

// Channels that use all eight sub-values and get eight-cell nodes on the board.
bool IsMultiInputChannel(int channel);
bool IsMultiOutputChannel(int channel);

// Pictures of a node whose channel is gone.
constexpr int EmptyInputPicture = 192;
constexpr int EmptyOutputPicture = 193;

// An effector counts as on at this value or more.
constexpr int EffectorOnValue = 50;
inline bool EffectorOn(int value) { return value > 49; }

// What each body class can offer at all.
struct ClassChannelMasks {
  int typeCode;
  const char* typeName;
  const char* typeInputs;
  const char* typeOutputs;
};

namespace ClassMasks {
constexpr ClassChannelMasks LadyBug{1, "LadyBug", "780000000F9BC0F8", "1000200070"};
constexpr ClassChannelMasks Aphid{2, "Aphid", "780000000F9BC010", "1000280070"};
constexpr ClassChannelMasks Ball{3, "Ball", "780000000F9BC010", "1000200000"};
constexpr ClassChannelMasks Cube{4, "Cube", "780000000F9BC010", "1000200000"};
constexpr ClassChannelMasks Letter{5, "Letter", "780000000F90C010", "1003E00000"};
constexpr ClassChannelMasks Gate{6, "Gate", "780000000F9BC810", "1000260000"};
constexpr ClassChannelMasks PushButton{7, "PushButton", "780000000F9BC011", "1000200000"};
constexpr ClassChannelMasks Bulb{8, "Bulb", "780000000F9BC010", "1800200000"};
constexpr ClassChannelMasks Vehicle{9, "Vehicle", "780000000F9BC110", "1600200010"};
constexpr ClassChannelMasks Cannon{10, "Cannon", "780000000F9BC010", "1000380070"};
constexpr ClassChannelMasks Worm{11, "Worm", "780000000FFBFC00", "100027E000"};
constexpr ClassChannelMasks Mushroom{12, "Mushroom", "780000000F9BC010", "1000200000"};
constexpr ClassChannelMasks Spider{13, "Spider", "780000000F9FC090", "1000280070"};
constexpr ClassChannelMasks Ant{14, "Ant", "7BF000000F9FF000", "107C200000"};
constexpr ClassChannelMasks Nest{15, "Nest", "780000000F92C010", "200000"};
// The plain critter offers nothing.
constexpr ClassChannelMasks Unknown{0, "Unknown", "", ""};
}  // namespace ClassMasks

// The masks of a class by its type code (the plain critter's for an unknown code).
const ClassChannelMasks& ClassMasksForType(int typeCode);
