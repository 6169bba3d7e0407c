#include <gtest/gtest.h>

#include "bodies/PaletteFile.h"
#include "platform/BmpFile.h"
#include "platform/ByteIO.h"
#include "platform/Files.h"
#include "platform/WaveFile.h"
#include "support/Fakes.h"

TEST(ByteIO, ReadsLittleEndianAndNeverPastTheEnd) {
  ByteWriter w;
  w.i32(-2);
  w.f32(1.5f);
  w.u16(0xBEEF);
  ByteReader r(w.data());
  EXPECT_EQ(r.i32(), -2);
  EXPECT_FLOAT_EQ(r.f32(), 1.5f);
  EXPECT_EQ(r.u16(), 0xBEEF);
  EXPECT_FALSE(r.failed());
  EXPECT_EQ(r.i32(), 0);
  EXPECT_TRUE(r.failed());
  uint8_t buf[4];
  ByteReader small(w.data().data(), 3);
  EXPECT_FALSE(small.bytes(buf, 4));
  EXPECT_FALSE(small.skip(static_cast<size_t>(-1)));
}

TEST(Files, AtomicWriteReplacesWholeFilesAndLeavesNoTemporaries) {
  TempFolder dir;
  ASSERT_TRUE(WriteFileAtomic(dir.file("a.txt"), std::string("first")));
  ASSERT_TRUE(WriteFileAtomic(dir.file("a.txt"), std::string("second")));
  EXPECT_EQ(*ReadFileText(dir.file("a.txt")), "second");
  EXPECT_FALSE(WriteFileAtomic(dir.file("no/such/folder/a.txt"), std::string("x")));
  EXPECT_EQ(ListFiles(dir.path(), ".txt"), std::vector<std::string>{"a.txt"});
  EXPECT_FALSE(ReadFileBytes(dir.file("a.txt"), 3).has_value());  // larger than allowed
  EXPECT_EQ(SplitLines("a\r\nb\rc\n\nd"), (std::vector<std::string>{"a", "b", "c", "", "d"}));
  EXPECT_EQ(NativePath("pics\\lbug.cmp"), "pics/lbug.cmp");
  EXPECT_EQ(NativePath("pics//fixed.lst"), "pics/fixed.lst");
}

TEST(BmpFile, RoundTripsAndRefusesDamagedFiles) {
  IndexedImage img(5, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) img.set(x, y, static_cast<uint8_t>(x + 10 * y));
  img.palette[7] = {1, 2, 3};
  auto bytes = EncodeBmp(img);
  auto back = DecodeBmp(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->pixels(), img.pixels());
  EXPECT_EQ(back->palette[7], (Rgb{1, 2, 3}));
  std::string why;
  std::vector<uint8_t> cut(bytes.begin(), bytes.end() - 4);
  EXPECT_FALSE(DecodeBmp(cut, &why));
  EXPECT_EQ(why, "bitmap is truncated");
  std::vector<uint8_t> huge = bytes;
  huge[18] = 0xFF, huge[19] = 0xFF, huge[20] = 0xFF, huge[21] = 0x7F;
  EXPECT_FALSE(DecodeBmp(huge));
  EXPECT_FALSE(DecodeBmp({'B', 'M'}));
  // The largest size taken, claimed by a file without its pixels, is truncated (and is
  // found so before a picture of that size is made).
  std::vector<uint8_t> claims = bytes;
  claims[18] = 0x00, claims[19] = 0x40, claims[20] = 0, claims[21] = 0;
  claims[22] = 0x00, claims[23] = 0x40, claims[24] = 0, claims[25] = 0;
  EXPECT_FALSE(DecodeBmp(claims, &why));
  EXPECT_EQ(why, "bitmap is truncated");
}

TEST(PaletteFile, SkipsTheHeaderAndNeedsAllEntries) {
  Palette p{};
  for (int i = 0; i < 256; ++i) p[i] = {uint8_t(i), uint8_t(255 - i), uint8_t(i / 2)};
  auto bytes = EncodePalette(p);
  EXPECT_EQ(bytes.size(), 24u + 1024u);
  auto back = DecodePalette(bytes);
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, p);
  bytes.pop_back();
  EXPECT_FALSE(DecodePalette(bytes));
}

TEST(WaveFile, EncodesPlainPcmThatTheParserFinds) {
  auto wave = EncodeWave8({0.0f, 1.0f, -1.0f, 2.0f});
  WaveInfo info;
  ASSERT_TRUE(ParseWave(wave, info));
  EXPECT_EQ(info.sampleRate, 22050);
  EXPECT_EQ(info.bitsPerSample, 8);
  EXPECT_EQ(info.dataSize, 4u);
  EXPECT_EQ(wave[info.dataOffset + 1], 255);
  EXPECT_EQ(wave[info.dataOffset + 2], 1);
  EXPECT_EQ(wave[info.dataOffset + 3], 255);  // clipped
  wave.resize(30);
  EXPECT_FALSE(ParseWave(wave, info));
}

// A header is hostile input: absurd formats are refused and the data cut to whole frames.
TEST(WaveFile, RefusesFormatsNoDeviceTakesAndCutsDataToWholeFrames) {
  const auto base = EncodeWave8(std::vector<float>(9, 0.5f));
  auto patched = [&](size_t at, uint32_t value, int width) {
    auto w = base;
    for (int k = 0; k < width; ++k) w[at + k] = static_cast<uint8_t>(value >> (8 * k));
    return w;
  };
  WaveInfo info;
  EXPECT_FALSE(ParseWave(patched(22, 0, 2), info));                    // no channels
  EXPECT_FALSE(ParseWave(patched(22, MaxWaveChannels + 1, 2), info));  // too many
  EXPECT_FALSE(ParseWave(patched(24, 0xffffffffu, 4), info));          // rate far too high
  EXPECT_FALSE(ParseWave(patched(24, 10, 4), info));                   // rate too low
  EXPECT_FALSE(ParseWave(patched(34, 12, 2), info));                   // odd sample width
  ASSERT_TRUE(ParseWave(patched(22, 2, 2), info));  // stereo 8-bit: 9 bytes hold 4 frames
  EXPECT_EQ(info.dataSize, 8u);
  auto sixteen = patched(34, 16, 2);
  ASSERT_TRUE(ParseWave(sixteen, info));
  EXPECT_EQ(info.dataSize, 8u);
  sixteen.resize(sixteen.size() - 2);  // the data chunk claims more than the file holds
  ASSERT_TRUE(ParseWave(sixteen, info));
  EXPECT_EQ(info.dataSize, 6u);
  EXPECT_LE(info.dataOffset + info.dataSize, sixteen.size());
}
