// The shell's four sounds: synthesised, short, soft-edged.
#include <cmath>

#include "AssetSink.h"
#include "platform/WaveFile.h"

namespace {
constexpr int Rate = 22050;
constexpr double Pi = 3.14159265358979323846;

std::vector<float> Tone(double seconds, double f0, double f1, double decay, double volume) {
  const int n = static_cast<int>(seconds * Rate);
  std::vector<float> out(n);
  double phase = 0;
  for (int i = 0; i < n; ++i) {
    double t = double(i) / Rate, k = double(i) / n;
    phase += 2 * Pi * (f0 + (f1 - f0) * k) / Rate;
    double attack = std::min(1.0, t / 0.004);
    double release = std::min(1.0, (n - i) / (0.01 * Rate));
    double env = attack * release * std::exp(-t * decay);
    out[i] = static_cast<float>(volume * env * (std::sin(phase) + 0.3 * std::sin(2 * phase)));
  }
  return out;
}

std::vector<float> Bell() {
  const int n = Rate;  // one second
  std::vector<float> out(n);
  const double partials[4][3] = {{880, 1.0, 3.0}, {1760 * 1.01, 0.5, 4.5}, {2640 * 0.99, 0.3, 6}, {440, 0.4, 2.5}};
  for (int i = 0; i < n; ++i) {
    double t = double(i) / Rate, v = 0;
    for (const auto& p : partials) v += p[1] * std::sin(2 * Pi * p[0] * t) * std::exp(-t * p[2]);
    double attack = std::min(1.0, t / 0.002), release = std::min(1.0, (n - i) / (0.02 * Rate));
    out[i] = static_cast<float>(0.35 * v * attack * release);
  }
  return out;
}

std::vector<float> Tick() {
  // A short wooden knock: a falling tone with a little noise at the start.
  std::vector<float> out = Tone(0.035, 1800, 900, 120, 0.6);
  unsigned s = 12345;
  for (size_t i = 0; i < out.size() && i < 150; ++i) {
    s = s * 1103515245u + 12345u;
    out[i] += static_cast<float>(((s >> 16) & 255) / 255.0 - 0.5) * 0.3f * float(150 - i) / 150;
  }
  return out;
}

void MakeShellSounds(AssetSink& sink) {
  sink.Write("wavs\\switchon.wav", EncodeWave8(Tone(0.16, 520, 1040, 14, 0.55)));
  sink.Write("wavs\\switchoff.wav", EncodeWave8(Tone(0.16, 1040, 440, 14, 0.55)));
  sink.Write("wavs\\tick.wav", EncodeWave8(Tick()));
  sink.Write("wavs\\bell.wav", EncodeWave8(Bell()));
}
}  // namespace

QUORBIT_ASSETS(shell_sounds, MakeShellSounds);
