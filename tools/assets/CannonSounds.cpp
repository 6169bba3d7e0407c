// The cannon's two sounds: the shot, a low thump with a burst of noise, and the hit, a
// short metallic clang.
#include <cmath>
#include <random>

#include "AssetSink.h"
#include "platform/WaveFile.h"

namespace {
constexpr int Rate = 22050;
constexpr double Pi = 3.14159265358979323846;

std::vector<float> Thump(double seconds) {
  const int n = static_cast<int>(seconds * Rate);
  std::mt19937 noise(7);
  std::uniform_real_distribution<double> u(-1, 1);
  std::vector<float> out(static_cast<size_t>(n));
  double low = 0;
  for (int i = 0; i < n; ++i) {
    const double t = double(i) / Rate;
    // The pitch falls as the boom dies away; filtered noise gives the blast.
    const double boom = std::sin(2 * Pi * (70 * t - 40 * t * t)) * std::exp(-t * 9);
    low += (u(noise) - low) * 0.15;
    const double blast = low * std::exp(-t * 22);
    const double attack = std::min(1.0, t / 0.002), release = std::min(1.0, (n - i) / (0.02 * Rate));
    out[static_cast<size_t>(i)] = static_cast<float>((0.75 * boom + 0.9 * blast) * attack * release);
  }
  return out;
}

std::vector<float> Clang(double seconds) {
  const int n = static_cast<int>(seconds * Rate);
  const double partials[4][3] = {{620, 0.5, 9}, {1570, 0.35, 12}, {2410, 0.25, 16}, {3890, 0.15, 22}};
  std::vector<float> out(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) {
    const double t = double(i) / Rate;
    double v = 0;
    for (const auto& p : partials) v += p[1] * std::sin(2 * Pi * p[0] * t) * std::exp(-t * p[2]);
    const double attack = std::min(1.0, t / 0.001), release = std::min(1.0, (n - i) / (0.02 * Rate));
    out[static_cast<size_t>(i)] = static_cast<float>(0.7 * v * attack * release);
  }
  return out;
}

void CannonSounds(AssetSink& sink) {
  sink.Write("wavs\\fire.wav", EncodeWave8(Thump(0.5)));
  sink.Write("wavs\\hit.wav", EncodeWave8(Clang(0.4)));
}
}  // namespace

QUORBIT_ASSETS(cannon_sounds, CannonSounds);
