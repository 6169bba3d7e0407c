// The leg's two bells: a bright gold one and a lower silver one, struck and left to ring.
#include <cmath>

#include "AssetSink.h"
#include "platform/WaveFile.h"

namespace {
constexpr int Rate = 22050;
constexpr double Pi = 3.14159265358979323846;

// Inharmonic partials of a struck bell, each fading at its own pace.
std::vector<float> StruckBell(double fundamental, double seconds, double volume) {
  const int n = static_cast<int>(seconds * Rate);
  const double partials[5][3] = {{0.5, 0.5, 1.6}, {1.0, 1.0, 2.4}, {1.19, 0.6, 3.2}, {2.0, 0.45, 4.8}, {2.74, 0.3, 7.0}};
  std::vector<float> out(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) {
    const double t = double(i) / Rate;
    double v = 0;
    for (const auto& p : partials) v += p[1] * std::sin(2 * Pi * fundamental * p[0] * t) * std::exp(-t * p[2]);
    const double attack = std::min(1.0, t / 0.0015), release = std::min(1.0, (n - i) / (0.03 * Rate));
    out[static_cast<size_t>(i)] = static_cast<float>(volume * v * attack * release);
  }
  return out;
}

void MakeGizmoSounds(AssetSink& sink) {
  sink.Write("wavs\\bell2.wav", EncodeWave8(StruckBell(1320, 0.9, 0.3)));
  sink.Write("wavs\\bell3.wav", EncodeWave8(StruckBell(660, 1.1, 0.3)));
}
}  // namespace

QUORBIT_ASSETS(gizmo_sounds, MakeGizmoSounds);
