// Any bytes as a movie file: read it, draw every frame into views of several sizes, and
// play it through the queue, fading in or not.
#include <cstddef>
#include <cstdint>

#include "platform/IndexedImage.h"
#include "world/MovieFile.h"
#include "world/MovieQueue.h"

namespace {
struct Silent : IMovieSound {
  void PlayFrameSound(const std::vector<uint8_t>&, bool) override {}
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  MovieData movie = ParseMovie(data, size);
  std::vector<uint8_t> work, scratch;
  for (auto [w, h] : {std::pair{320, 240}, {7, 5}, {1, 1}}) {
    IndexedImage view(w, h, 0);
    for (const MovieFrame& frame : movie.frames) DrawMovieFrame(movie, frame, view, work, scratch);
  }
  Silent sound;
  MovieQueue queue(nullptr, nullptr, &sound);
  IndexedImage view(160, 200, 0);
  MovieScreen screen{&view, nullptr, {}};
  queue.StartMovie(std::move(movie), size > 0 && data[0] & 1);
  queue.QueueMovieStep(MovieFadeBand);
  for (int tick = 0; tick < 400 && queue.IsBusy(); ++tick) queue.Step(screen);
  return 0;
}
