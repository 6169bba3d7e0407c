#pragma once
// Writes movie files the player reads: any frame kind, per-frame sounds and delays.
// Used by the content generator and by the reader's tests.
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/IndexedImage.h"

// The inverse of the reader's decoders. The run-length code ends with its end mark.
std::vector<uint8_t> EncodeRunLength(const std::vector<uint8_t>& bytes);
std::vector<uint8_t> EncodeTable(const std::vector<uint8_t>& bytes);

class MovieWriter {
 public:
  MovieWriter(int width, int height);

  // Adds a frame in the given kind covering a rectangle of the movie (x, y from its top
  // left). pixels are the rectangle's new pixels, top row first; for the XOR kinds,
  // before are the pixels they replace. Returns the frame's index.
  int AddFrame(int kind, int delay, int x, int y, int w, int h, const std::vector<uint8_t>& pixels,
               const std::vector<uint8_t>& before = {});
  // A frame that only waits.
  int AddPause(int delay);
  // The next picture of an animation, the size of the movie. The first is a copy frame;
  // later ones carry only the rectangle that changed. Without a kind, the smallest
  // encoding is taken. The player never shows frame 0, so pictures start at frame 1.
  int AddPicture(const IndexedImage& picture, int delay, std::optional<int> kind = std::nullopt);
  void SetSound(int frame, std::vector<uint8_t> wave, bool loop);

  std::vector<uint8_t> Bytes() const;
  int frameCount() const { return static_cast<int>(frames_.size()); }
  int kindOf(int frame) const { return frames_.at(frame).kind; }

 private:
  struct Frame {
    bool present = false;
    int32_t delay = 0, x = 0, y = 0, w = 0, h = 0, kind = 0;
    std::vector<uint8_t> data;
    std::vector<uint8_t> wave;
    bool loop = false;
  };
  int width_, height_;
  std::vector<Frame> frames_;
  std::vector<uint8_t> last_;  // the last picture, top-down
};
