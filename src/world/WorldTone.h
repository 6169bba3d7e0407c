#pragma once
// The world's looping tone: five sine tables mixed by the critters' first five sound
// levels into a 60-sample wave that the shell plays in a loop.
#include <cstdint>
#include <vector>

class IWorldSound;

class TWorldTone {
 public:
  static constexpr int Samples = 60;
  static constexpr int Priority = 1;

  TWorldTone();
  // After the critters added their sounds: rebuild, start or stop the tone.
  void Update(const int levels[8], bool running, bool soundOn, IWorldSound* out);
  // A 44-byte RIFF header for 8-bit mono at 11025 samples per second, then the samples.
  static std::vector<uint8_t> WaveImage(const uint8_t* samples, int count);

  int table[5][Samples];
  int scaled[5][Samples] = {};
  int lastLevels[8] = {};
  bool playing = false;
  std::vector<uint8_t> wave;

 private:
  void Stop(IWorldSound* out);
};
