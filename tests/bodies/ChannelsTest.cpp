#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "channels/Channels.h"

namespace {
std::vector<int> SetChannels(const std::string& text) {
  std::vector<int> out;
  const ChannelMask m = DecodeChannelMask(text);
  for (int i = 0; i < ChannelCount; ++i)
    if (m[i]) out.push_back(i);
  return out;
}
}  // namespace

TEST(ChannelMask, DigitsReadFromTheRight) {
  EXPECT_TRUE(SetChannels("").empty());
  EXPECT_EQ(SetChannels("1"), (std::vector<int>{0}));
  EXPECT_EQ(SetChannels("8"), (std::vector<int>{3}));
  EXPECT_EQ(SetChannels("F"), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(SetChannels("f"), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(SetChannels("10"), (std::vector<int>{4}));
  EXPECT_EQ(SetChannels("1000200070"), (std::vector<int>{4, 5, 6, 21, 36}));
  EXPECT_EQ(SetChannels("780000000F9BC010"),
            (std::vector<int>{4, 14, 15, 16, 17, 19, 20, 23, 24, 25, 26, 27, 59, 60, 61, 62}));
}

TEST(ChannelMask, OnlySixteenDigitsCountAndOddCharactersGiveTheirArithmetic) {
  // The 17th digit from the right would be channel 64, which does not exist.
  EXPECT_EQ(SetChannels("F0000000000000001"), (std::vector<int>{0}));
  // 'G' counts as 'G' - 87 = -16: no bits in the low four.
  EXPECT_TRUE(SetChannels("G").empty());
  // ':' is not below ':', so it counts as ':' - 55 = 3.
  EXPECT_EQ(SetChannels(":"), (std::vector<int>{0, 1}));
  // A decoded mask overwrites every flag.
  ChannelMask m;
  m.fill(true);
  decodeChannelMask("2", m);
  EXPECT_EQ(std::count(m.begin(), m.end(), true), 1);
  EXPECT_TRUE(m[1]);
}

TEST(ChannelMask, EncodesToTheShortestText) {
  EXPECT_EQ(EncodeChannelMask(DecodeChannelMask("")), "0");
  EXPECT_EQ(EncodeChannelMask(DecodeChannelMask("0001000200070")), "1000200070");
  EXPECT_EQ(EncodeChannelMask(DecodeChannelMask("7bf000000f9ff000")), "7BF000000F9FF000");
}

TEST(ChannelCatalogue, NamesPicturesAndMultiChannels) {
  EXPECT_STREQ(InputChannelName(14), "Smell Left");
  EXPECT_STREQ(InputChannelName(41), "Point 10");
  EXPECT_STREQ(InputChannelName(51), "Category 9");
  EXPECT_STREQ(OutputChannelName(4), "Go Fwd");
  EXPECT_STREQ(OutputChannelName(36), "Reset");
  EXPECT_EQ(InputChannelPicture(62), 207);
  EXPECT_EQ(OutputChannelPicture(33), 136);
  EXPECT_EQ(InputChannelName(63), nullptr);
  EXPECT_EQ(InputChannelPicture(63), 0);
  for (int ch = 37; ch < ChannelCount; ++ch) EXPECT_EQ(OutputChannelName(ch), nullptr) << ch;
  EXPECT_EQ(InputChannelName(-1), nullptr);
  EXPECT_EQ(OutputChannelPicture(64), 0);
  EXPECT_EQ(InputChannelByName("Ear"), 25);
  EXPECT_EQ(OutputChannelByName("Leg Back"), 28);
  EXPECT_EQ(OutputChannelByName("Nothing"), -1);
  int multiIn = 0, multiOut = 0;
  for (int ch = 0; ch < ChannelCount; ++ch) multiIn += IsMultiInputChannel(ch), multiOut += IsMultiOutputChannel(ch);
  EXPECT_EQ(multiIn, 6);
  EXPECT_EQ(multiOut, 4);
  EXPECT_TRUE(IsMultiInputChannel(62));
  EXPECT_TRUE(IsMultiOutputChannel(21));
}

TEST(ChannelCatalogue, ClassMasksOfferOnlyNamedChannels) {
  for (int type = 0; type <= 15; ++type) {
    const ClassChannelMasks& c = ClassMasksForType(type);
    EXPECT_EQ(c.typeCode, type);
    const ChannelMask in = DecodeChannelMask(c.typeInputs), out = DecodeChannelMask(c.typeOutputs);
    for (int ch = 0; ch < ChannelCount; ++ch) {
      if (in[ch]) {
        EXPECT_NE(InputChannelName(ch), nullptr) << c.typeName << " input " << ch;
      }
      if (out[ch]) {
        EXPECT_NE(OutputChannelName(ch), nullptr) << c.typeName << " output " << ch;
      }
    }
  }
  EXPECT_STREQ(ClassMasksForType(99).typeName, "Unknown");
  EXPECT_EQ(SetChannels(ClassMasks::Nest.typeOutputs), (std::vector<int>{21}));
}

TEST(ChannelValues, EffectorOnAtFifty) {
  EXPECT_TRUE(EffectorOn(50));
  EXPECT_FALSE(EffectorOn(49));
}
