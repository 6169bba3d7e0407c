#include "channels/Channels.h"

#include <cstring>

namespace {

struct ChannelEntry {
  const char* name;
  int picture;
};

constexpr ChannelEntry InputTable[ChannelCount] = {
    {"Switch 1", 194},     {"Switch 2", 194},      {"Slider", 196},       {"Branch Fwd", 201},
    {"Bump", 204},         {"Branch Left", 205},   {"Branch Right", 206}, {"Eye", 207},
    {"Eyes", 207},         {"Leg Pos", 198},       {"Mid Height", 230},   {"Mid Angle", 231},
    {"Bump Nose", 204},    {"BumpTail", 232},      {"Smell Left", 226},   {"Smell Right", 227},
    {"Home Dist", 233},    {"Energy", 234},        {"Got Food", 235},     {"Home Dir", 236},
    {"Smell Left 2", 226}, {"Spider Left", 237},   {"Spider Right", 237}, {"Height", 196},
    {"Trigger", 258},      {"Ear", 238},           {"Trigger Dist", 259}, {"Trigger Dir", 260},
    {"Target 1", 257},     {"Target 2", 257},      {"Target 3", 257},     {"Target 4", 257},
    {"Point 1", 261},      {"Point 2", 261},       {"Point 3", 261},      {"Point 4", 261},
    {"Point 5", 261},      {"Point 6", 261},       {"Point 7", 261},      {"Point 8", 261},
    {"Point 9", 261},      {"Point 10", 261},      {"Category 0", 262},   {"Category 1", 262},
    {"Category 2", 262},   {"Category 3", 262},    {"Category 4", 262},   {"Category 5", 262},
    {"Category 6", 262},   {"Category 7", 262},    {"Category 8", 262},   {"Category 9", 262},
    {"Leg Wet", 265},      {"Antenna", 263},       {"Can Pickup", 235},   {"Leg Touch", 260},
    {"Sun", 207},          {"Is Edible", 269},     {"Glass", 207},        {"Smell Right 2", 227},
    {"Left Light", 207},   {"Right Light", 207},   {"Light Dir", 207},    {nullptr, 0},
};

constexpr ChannelEntry OutputTable[ChannelCount] = {
    {"Light 1", 195},     {"Light 2", 195},     {"Light 3", 195},     {"Light 4", 195},
    {"Go Fwd", 200},      {"Turn Left", 202},   {"Turn Right", 203},  {"Raise Leg", 200},
    {"Lower Leg", 199},   {"Chamber 1", 197},   {"Chamber 2", 197},   {"Chamber 3", 197},
    {"Heart", 197},       {"Raise Mid", 200},   {"Lower Mid", 199},   {"Grab Front", 229},
    {"Grab Back", 228},   {"Bend Left", 202},   {"Bend Right", 203},  {"Go Back", 199},
    {"Fire", 256},        {"Sound", 239},       {"Letter", 202},      {"Turn Letter", 203},
    {"Letter X", 200},    {"Letter Y", 199},    {"Leg Up", 266},      {"Leg Forward", 267},
    {"Leg Back", 268},    {"Mark Scent", 264},  {"Pick Up", 259},     {"Arm Up", 200},
    {"Arm Down", 199},    {"Left Motor", 136},  {"Right Motor", 168}, {"Light Bulb", 195},
    {"Reset", 199},
};

bool InRange(int channel) { return channel >= 0 && channel < ChannelCount; }

int ByName(const ChannelEntry (&table)[ChannelCount], const std::string& name) {
  for (int i = 0; i < ChannelCount; ++i)
    if (table[i].name && name == table[i].name) return i;
  return -1;
}

// The digit arithmetic of mask texts; any character yields some value.
int DigitValue(char c) {
  if (c < ':') return c - '0';
  if (c < 'G') return c - 55;
  return c - 87;
}

constexpr ClassChannelMasks AllClasses[] = {
    ClassMasks::Unknown, ClassMasks::LadyBug,  ClassMasks::Aphid,      ClassMasks::Ball,
    ClassMasks::Cube,    ClassMasks::Letter,   ClassMasks::Gate,       ClassMasks::PushButton,
    ClassMasks::Bulb,    ClassMasks::Vehicle,  ClassMasks::Cannon,     ClassMasks::Worm,
    ClassMasks::Mushroom, ClassMasks::Spider,  ClassMasks::Ant,        ClassMasks::Nest,
};

}  // namespace

void ChannelBlock::Clear() {
  std::memset(inputs, 0, sizeof inputs);
  std::memset(outputs, 0, sizeof outputs);
}

void decodeChannelMask(const std::string& text, ChannelMask& mask) {
  mask.fill(false);
  const int len = static_cast<int>(text.size());
  for (int digit = 0; digit < 16 && digit < len; ++digit) {
    const int value = DigitValue(text[len - 1 - digit]);
    for (int bit = 0; bit < 4; ++bit) mask[digit * 4 + bit] = (value >> bit) & 1;
  }
}

ChannelMask DecodeChannelMask(const std::string& text) {
  ChannelMask mask;
  decodeChannelMask(text, mask);
  return mask;
}

std::string EncodeChannelMask(const ChannelMask& mask) {
  std::string text;
  for (int digit = 15; digit >= 0; --digit) {
    int value = 0;
    for (int bit = 0; bit < 4; ++bit) value |= mask[digit * 4 + bit] << bit;
    if (value == 0 && text.empty()) continue;
    text += "0123456789ABCDEF"[value];
  }
  return text.empty() ? "0" : text;
}

const char* InputChannelName(int channel) { return InRange(channel) ? InputTable[channel].name : nullptr; }
const char* OutputChannelName(int channel) { return InRange(channel) ? OutputTable[channel].name : nullptr; }
int InputChannelPicture(int channel) { return InRange(channel) ? InputTable[channel].picture : 0; }
int OutputChannelPicture(int channel) { return InRange(channel) ? OutputTable[channel].picture : 0; }
int InputChannelByName(const std::string& name) { return ByName(InputTable, name); }
int OutputChannelByName(const std::string& name) { return ByName(OutputTable, name); }

bool IsMultiInputChannel(int channel) {
  switch (channel) {
    case 25: case 52: case 53: case 55: case 56: case 62: return true;
    default: return false;
  }
}

bool IsMultiOutputChannel(int channel) {
  switch (channel) {
    case 21: case 26: case 27: case 28: return true;
    default: return false;
  }
}

const ClassChannelMasks& ClassMasksForType(int typeCode) {
  for (const ClassChannelMasks& c : AllClasses)
    if (c.typeCode == typeCode) return c;
  return AllClasses[0];
}
