#pragma once
// The world's movie queue: verdicts and pass sequences play as movies with a title line
// above and a message line below, separated by fades. The world owns one queue and, each
// tick, lets it have the tick first; while the queue holds the world, the simulation waits.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "world/MovieFile.h"

class IMessages;
class ISoundOut;
class ITextDraw;
class IndexedImage;

// Operation codes of the queued steps, with their script words.
enum MovieOp {
  MovieRun = 100,        // "RUNM": load the movie and play it
  MovieFadeIn = 200,     // "FTOM": load the movie, fade it in, then play it
  MovieFadeView = 300,   // "FTOB": fade the whole view to black
  MovieTitle = 400,      // "MEST": show the title line
  MovieMessage = 500,    // "MESB": show the message line
  MoviePause = 600,      // "PAUS": pause that many ticks, -1 until started or reset
  MovieFadeBand = 700,   // "MTOB": fade the movie band to black
};

struct MovieStep {
  int code = 0;
  std::string text;
  bool operator==(const MovieStep&) const = default;
};

// A script line: the 4-letter word, one separator and the argument from the sixth
// character on. Nothing for an unknown word (the world reader reports it).
std::optional<MovieStep> ParseMovieScriptLine(const std::string& line);

// How a frame's sound reaches the speaker. The world decides what "sound enabled" means
// and may route it through the shell's sound rules.
class IMovieSound {
 public:
  virtual ~IMovieSound() = default;
  // Stops whatever plays and starts a frame's wave image, once or looping.
  virtual void PlayFrameSound(const std::vector<uint8_t>& wave, bool loop) = 0;
};

// Plays frame sounds straight on the sound seam.
class MovieSoundOut : public IMovieSound {
 public:
  explicit MovieSoundOut(ISoundOut* out) : out_(out) {}
  void PlayFrameSound(const std::vector<uint8_t>& wave, bool loop) override;

 private:
  ISoundOut* out_;
};

// What the queue draws on. Frames are composed in the view bitmap and copied to the
// window picture; title and message lines go onto the window only. The window may be the
// view itself. windowChanged, when set, hears of every window rectangle that changed.
struct MovieScreen {
  IndexedImage* view = nullptr;
  IndexedImage* window = nullptr;
  std::function<void(int x, int y, int w, int h)> windowChanged;
};

class MovieQueue {
 public:
  MovieQueue(IMessages* messages, ITextDraw* text, IMovieSound* sound)
      : messages_(messages), text_(text), sound_(sound) {}

  // Appends a step; without an argument its text is "FadeToBlack".
  void QueueMovieStep(int code) { QueueMovieStep(code, "FadeToBlack"); }
  void QueueMovieStep(int code, const std::string& text) { queue_.push_back({code, text}); }
  void QueueMovieStep(const MovieStep& step) { queue_.push_back(step); }

  // True while steps are queued or a movie or fade runs.
  bool IsBusy() const;
  // True while the world must not run its own pass: busy, or a pause counts down or waits.
  bool HoldsWorld() const { return IsBusy() || pause_ != 0; }
  // The final "-1" pause: the world resets before it starts again.
  bool WaitsForStart() const { return pause_ == -1; }
  int pauseCounter() const { return pause_; }

  // One tick: advances the running phase, else the pause, else starts the next step.
  // True when the tick belonged to the queue (the world skips its pass).
  bool Step(MovieScreen& screen);

  // The world's reset: empties the queue and ends every phase and the pause. True when
  // something was running, so the view needs a full redraw.
  bool Reset();

  // Set when a movie could not be opened: the view is to be redrawn on the next pass.
  bool TakeRedrawRequest() {
    bool r = redraw_;
    redraw_ = false;
    return r;
  }

  // Starts an already read movie, as a RUNM or FTOM step does after reading the file.
  void StartMovie(MovieData movie, bool fadeIn);

  const std::deque<MovieStep>& queued() const { return queue_; }
  const MovieData& movie() const { return movie_; }
  int frameCounter() const { return counter_; }
  bool playing() const { return playing_; }
  bool fadingIn() const { return fadingIn_; }
  bool fadingView() const { return fadingView_; }
  bool fadingBand() const { return fadingBand_; }

  bool soundEnabled = true;
  // Palette index of the title and message text: white in the shared palette.
  uint8_t textColour = 15;

 private:
  void StartStep(const MovieStep& step, MovieScreen& screen);
  void LoadMovie(const std::string& path, bool fadeIn, MovieScreen& screen);
  void PlayTick(MovieScreen& screen);
  void FadeInTick(MovieScreen& screen);
  void FadeTick(MovieScreen& screen, bool band, bool& phase);
  MovieRect DrawFrame(int index, IndexedImage& view);
  void DrawLine(MovieScreen& screen, const std::string& text, bool title);
  void DrawSmallLines(IndexedImage& window, int w, int y, int bottom, const std::string& text);
  void CopyToWindow(MovieScreen& screen, const MovieRect& rect);

  IMessages* messages_;
  ITextDraw* text_;
  IMovieSound* sound_;
  std::deque<MovieStep> queue_;
  MovieData movie_;
  int counter_ = 0;
  int64_t delay_ = 0;
  bool playing_ = false, fadingIn_ = false, fadingView_ = false, fadingBand_ = false;
  int fadeStep_ = 0;
  int pause_ = 0;
  bool redraw_ = false;
  std::vector<uint8_t> work_, scratch_;
};

// The 16 steps of a fade: step s clears every pixel at column xs + 4i and row ys + 4j.
struct FadeCell {
  int x, y;
};
extern const FadeCell MovieFadePattern[16];
// Clears (to index 0) pattern position s over the rows [top, bottom) of the view.
void ClearFadeStep(IndexedImage& view, int s, int top, int bottom);
// The movie band: 160 rows about the middle of the view, clipped to it.
MovieRect MovieBand(const IndexedImage& view);
