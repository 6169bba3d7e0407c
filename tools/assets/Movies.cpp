// The verdict movies: short animations in the shared palette, some with a sound on a
// frame. Each picture is handed to the movie writer, which keeps only what changed.
#include <cmath>

#include "AssetSink.h"
#include "MovieScenes.h"
#include "platform/WaveFile.h"
#include "world/MovieWriter.h"

namespace {
constexpr int Rate = 22050;
constexpr double Pi = 3.14159265358979323846;

double Envelope(int i, int n, double decay) {
  const double t = double(i) / Rate;
  return std::min(1.0, t / 0.004) * std::min(1.0, (n - i) / (0.01 * Rate)) * std::exp(-t * decay);
}

// A tone gliding from f0 to f1; shape 0 is a sine, 1 a square.
std::vector<float> Glide(double seconds, double f0, double f1, double decay, double volume, int shape = 0) {
  const int n = static_cast<int>(seconds * Rate);
  std::vector<float> out(n);
  double phase = 0;
  for (int i = 0; i < n; ++i) {
    phase += 2 * Pi * (f0 + (f1 - f0) * i / n) / Rate;
    const double wave = shape ? (std::sin(phase) > 0 ? 0.6 : -0.6) : std::sin(phase);
    out[i] = static_cast<float>(volume * Envelope(i, n, decay) * wave);
  }
  return out;
}

std::vector<float> Join(std::initializer_list<std::vector<float>> parts) {
  std::vector<float> out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

std::vector<float> Squeak() { return Glide(0.3, 1400, 500, 6, 0.5); }
std::vector<float> Buzz() { return Glide(0.45, 140, 120, 3, 0.4, 1); }
std::vector<float> Alarm() {
  std::vector<float> out;
  for (int k = 0; k < 6; ++k) {
    auto part = Glide(0.07, k % 2 ? 1300 : 1000, k % 2 ? 1300 : 1000, 2, 0.45, 1);
    out.insert(out.end(), part.begin(), part.end());
  }
  return out;
}
std::vector<float> Ding() {
  const int n = Rate;
  std::vector<float> out(n);
  for (int i = 0; i < n; ++i) {
    const double t = double(i) / Rate;
    const double v = std::sin(2 * Pi * 660 * t) * std::exp(-t * 3) + 0.5 * std::sin(2 * Pi * 1320 * 1.01 * t) * std::exp(-t * 5) +
                     0.3 * std::sin(2 * Pi * 1980 * t) * std::exp(-t * 7);
    out[i] = static_cast<float>(0.35 * v * Envelope(i, n, 0));
  }
  return out;
}
std::vector<float> Splash() {
  const int n = static_cast<int>(0.5 * Rate);
  std::vector<float> out(n);
  unsigned s = 777;
  double low = 0;
  for (int i = 0; i < n; ++i) {
    s = s * 1103515245u + 12345u;
    low = 0.7 * low + 0.3 * (((s >> 16) & 255) / 127.5 - 1);
    out[i] = static_cast<float>(0.6 * low * Envelope(i, n, 7));
  }
  return out;
}
std::vector<float> Sad() { return Join({Glide(0.3, 392, 392, 2, 0.4), Glide(0.3, 349, 349, 2, 0.4), Glide(0.6, 330, 262, 3, 0.4)}); }
std::vector<float> Fanfare() {
  return Join({Glide(0.12, 523, 523, 4, 0.4), Glide(0.12, 659, 659, 4, 0.4), Glide(0.12, 784, 784, 4, 0.4),
               Glide(0.45, 1047, 1047, 3, 0.4)});
}

struct VerdictMovie {
  const char* path;
  MovieScene scene;
  int frames;
  int delay;       // milliseconds a frame
  int soundFrame;  // 0: none (frame 1 is drawn again at every fade-in step, so never there)
  std::vector<float> (*sound)();
};

const VerdictMovie VerdictMovies[] = {
    {"movie\\ouch.mvi", OuchScene, 20, 100, 9, Squeak},
    {"movie\\keyfile.mvi", KeyFileScene, 20, 100, 10, Buzz},
    {"movie\\clock.mvi", ClockScene, 30, 80, 25, Alarm},
    {"movie\\tosoon.mvi", TooSoonScene, 24, 100, 7, Buzz},
    {"movie\\fail.mvi", FailScene, 24, 100, 16, Buzz},
    {"movie\\bell.mvi", BellScene, 24, 100, 3, Ding},
    {"movie\\bspill.mvi", BeerSpillScene, 26, 100, 11, Splash},
    {"movie\\grave.mvi", GraveScene, 24, 110, 4, Sad},
    {"movie\\wwin.mvi", WormWinScene, 24, 100, 2, Fanfare},
    {"movie\\antwin.mvi", AntWinScene, 24, 100, 2, Fanfare},
    {"movie\\bugwave.mvi", BugWaveScene, 24, 100, 2, Fanfare},
};

std::vector<uint8_t> MakeMovie(const VerdictMovie& movie, const Palette& palette) {
  MovieWriter writer(MovieSceneWidth, MovieSceneHeight);
  for (int f = 0; f < movie.frames; ++f) {
    Canvas canvas(MovieSceneWidth, MovieSceneHeight, palette);
    movie.scene(canvas, double(f) / (movie.frames - 1));
    const int index = writer.AddPicture(canvas.image(), movie.delay);
    if (index == movie.soundFrame) writer.SetSound(index, EncodeWave8(movie.sound()), false);
  }
  return writer.Bytes();
}

void MakeMovies(AssetSink& sink) {
  for (const VerdictMovie& movie : VerdictMovies) sink.Write(movie.path, MakeMovie(movie, sink.palette()));
}
}  // namespace

QUORBIT_ASSETS(movies, MakeMovies);
