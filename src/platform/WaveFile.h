#pragma once
// RIFF wave images: 8-bit mono PCM, the form the program's sounds and tones take.
#include <cstddef>
#include <cstdint>
#include <vector>

// Samples in -1..1 become unsigned 8-bit PCM at the given rate.
std::vector<uint8_t> EncodeWave8(const std::vector<float>& samples, int sampleRate = 22050);

struct WaveInfo {
  int channels = 0;
  int sampleRate = 0;
  int bitsPerSample = 0;
  size_t dataOffset = 0;
  size_t dataSize = 0;
};
// What a sound device is asked to take: a hostile header must not name absurd formats.
constexpr int MaxWaveChannels = 8;
constexpr int MinWaveRate = 1000, MaxWaveRate = 192000;

// Finds the format and data chunks; false for anything that is not plain PCM within the
// limits above. The data size is cut to the bytes present, in whole sample frames.
bool ParseWave(const std::vector<uint8_t>& bytes, WaveInfo& info);
