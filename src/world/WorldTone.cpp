#include "world/WorldTone.h"

#include <cmath>

#include "platform/ByteIO.h"
#include "world/WorldPorts.h"

TWorldTone::TWorldTone() {
  const double pi = 3.14159265358979323846;
  for (int k = 1; k <= 5; ++k)
    for (int m = 0; m < Samples; ++m)
      table[k - 1][m] = static_cast<int>(std::lround(std::sin(m * k * 2 * pi / Samples) * 256));
}

std::vector<uint8_t> TWorldTone::WaveImage(const uint8_t* samples, int count) {
  ByteWriter out;
  out.text("RIFF");
  out.u32(36 + static_cast<uint32_t>(count));
  out.text("WAVEfmt ");
  out.u32(16);
  out.u16(1);
  out.u16(1);
  out.u32(11025);
  out.u32(11025);
  out.u16(1);
  out.u16(8);
  out.text("data");
  out.u32(static_cast<uint32_t>(count));
  out.bytes(samples, static_cast<size_t>(count));
  return out.data();
}

void TWorldTone::Stop(IWorldSound* out) {
  if (out) out->PlayLoopSound(nullptr, Priority);
  playing = false;
}

void TWorldTone::Update(const int levels[8], bool running, bool soundOn, IWorldSound* out) {
  if (!running || !soundOn) {
    if (playing) Stop(out);
    return;
  }
  bool any = false, changed = false;
  for (int k = 0; k < 5; ++k) {
    any = any || levels[k] > 0;
    changed = changed || levels[k] != lastLevels[k];
  }
  if (any && (changed || !playing)) {
    for (int k = 0; k < 5; ++k) {
      if (levels[k] == lastLevels[k]) continue;
      for (int m = 0; m < Samples; ++m) scaled[k][m] = levels[k] > 0 ? (table[k][m] * levels[k]) >> 10 : 0;
    }
    uint8_t mixed[Samples];
    for (int m = 0; m < Samples; ++m) {
      int sum = 128;
      for (int k = 0; k < 5; ++k)
        if (levels[k] > 0) sum += scaled[k][m];
      mixed[m] = static_cast<uint8_t>(sum & 0xff);
    }
    wave = WaveImage(mixed, Samples);
    playing = out ? out->PlayLoopSound(&wave, Priority) : true;
  } else if (!any && playing) {
    Stop(out);
  }
  for (int k = 0; k < 8; ++k) lastLevels[k] = levels[k];
}
