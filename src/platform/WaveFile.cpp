#include "platform/WaveFile.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/ByteIO.h"

std::vector<uint8_t> EncodeWave8(const std::vector<float>& samples, int sampleRate) {
  ByteWriter out;
  out.text("RIFF");
  out.u32(static_cast<uint32_t>(36 + samples.size()));
  out.text("WAVEfmt ");
  out.u32(16);
  out.u16(1);
  out.u16(1);
  out.u32(sampleRate);
  out.u32(sampleRate);
  out.u16(1);
  out.u16(8);
  out.text("data");
  out.u32(static_cast<uint32_t>(samples.size()));
  for (float s : samples) {
    float v = std::clamp(s, -1.0f, 1.0f);
    out.u8(static_cast<uint8_t>(std::lround(128.0f + v * 127.0f)));
  }
  return out.data();
}

bool ParseWave(const std::vector<uint8_t>& bytes, WaveInfo& info) {
  ByteReader in(bytes);
  uint8_t tag[4];
  if (!in.bytes(tag, 4) || std::string(tag, tag + 4) != "RIFF") return false;
  in.u32();
  if (!in.bytes(tag, 4) || std::string(tag, tag + 4) != "WAVE") return false;
  bool haveFormat = false;
  while (in.remaining() >= 8) {
    in.bytes(tag, 4);
    uint32_t size = in.u32();
    std::string id(tag, tag + 4);
    size_t start = in.position();
    if (size > in.remaining()) size = static_cast<uint32_t>(in.remaining());
    if (id == "fmt ") {
      int format = in.u16();
      info.channels = in.u16();
      info.sampleRate = static_cast<int>(std::min<uint32_t>(in.u32(), MaxWaveRate + 1));
      in.u32();
      in.u16();
      info.bitsPerSample = in.u16();
      haveFormat = format == 1 && !in.failed();
    } else if (id == "data") {
      if (!haveFormat || info.channels < 1 || info.channels > MaxWaveChannels || info.sampleRate < MinWaveRate ||
          info.sampleRate > MaxWaveRate || (info.bitsPerSample != 8 && info.bitsPerSample != 16))
        return false;
      const size_t frame = static_cast<size_t>(info.channels) * (info.bitsPerSample / 8);
      info.dataOffset = start;
      info.dataSize = size - size % frame;
      return true;
    }
    in.seek(start + size + (size & 1));
    if (in.failed()) return false;
  }
  return false;
}
