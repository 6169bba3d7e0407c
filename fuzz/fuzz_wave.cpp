// Any bytes as a wave file: what the parser accepts must describe sound data that lies
// inside the file, in whole frames, at a rate and channel count a sound device can take.
#include <cstdint>
#include <vector>

#include "platform/WaveFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  WaveInfo info;
  if (!ParseWave(bytes, info)) return 0;
  if (info.dataOffset > size || info.dataSize > size - info.dataOffset) __builtin_trap();
  if (info.channels < 1 || info.channels > MaxWaveChannels) __builtin_trap();
  if (info.sampleRate < MinWaveRate || info.sampleRate > MaxWaveRate) __builtin_trap();
  const size_t frame = static_cast<size_t>(info.channels) * (info.bitsPerSample / 8);
  if (frame == 0 || info.dataSize % frame != 0) __builtin_trap();
  return 0;
}
