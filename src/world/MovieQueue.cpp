#include "world/MovieQueue.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "platform/Files.h"
#include "platform/Host.h"
#include "platform/IndexedImage.h"

namespace {
constexpr int TickMilliseconds = 50;
constexpr int BandHalf = 80;   // the movie band: 80 rows above and below the middle
constexpr int LineOffset = 100;  // title and message lines: their middle from the view's middle
constexpr int SmallLineRows = 20;  // a message's second line: the gap above it and its letters
constexpr size_t MaxMovieBytes = 32u << 20;
constexpr int64_t MaxFrameDelay = 10000;  // milliseconds

struct ScriptWord {
  const char* word;
  int code;
};
constexpr ScriptWord ScriptWords[] = {{"RUNM", MovieRun},     {"FTOM", MovieFadeIn}, {"FTOB", MovieFadeView},
                                      {"MEST", MovieTitle},   {"MESB", MovieMessage}, {"PAUS", MoviePause},
                                      {"MTOB", MovieFadeBand}};

// "%d" as scanf reads it; a number beyond the int range is held at its end.
int ScanInt(const std::string& text) {
  long v = std::strtol(text.c_str(), nullptr, 10);
  return static_cast<int>(std::clamp<long>(v, INT_MIN, INT_MAX));
}
}  // namespace

const FadeCell MovieFadePattern[16] = {{1, 1}, {3, 3}, {3, 1}, {1, 3}, {2, 0}, {0, 2}, {0, 0}, {2, 2},
                                       {1, 0}, {3, 2}, {3, 0}, {1, 2}, {2, 1}, {0, 3}, {0, 1}, {2, 3}};

void ClearFadeStep(IndexedImage& view, int s, int top, int bottom) {
  if (s < 0 || s >= 16) return;
  const FadeCell cell = MovieFadePattern[s];
  top = std::max(top, 0);
  bottom = std::min(bottom, view.height());
  // The pattern is fixed to the view's grid, so every step meets its own pixels.
  int y = top + ((cell.y - top) % 4 + 4) % 4;
  for (; y < bottom; y += 4) {
    uint8_t* row = view.row(y);
    for (int x = cell.x; x < view.width(); x += 4) row[x] = 0;
  }
}

MovieRect MovieBand(const IndexedImage& view) {
  const int top = std::max(0, view.height() / 2 - BandHalf);
  const int bottom = std::min(view.height(), view.height() / 2 + BandHalf);
  return {0, top, view.width(), std::max(0, bottom - top)};
}

std::optional<MovieStep> ParseMovieScriptLine(const std::string& line) {
  for (const ScriptWord& w : ScriptWords) {
    if (line.compare(0, 4, w.word) != 0) continue;
    if (line.size() <= 5) return MovieStep{w.code, "FadeToBlack"};
    return MovieStep{w.code, line.substr(5)};
  }
  return std::nullopt;
}

void MovieSoundOut::PlayFrameSound(const std::vector<uint8_t>& wave, bool loop) {
  if (!out_) return;
  out_->StopAll();
  if (loop)
    out_->PlayLoop(wave);
  else
    out_->PlayOnce(wave);
}

bool MovieQueue::IsBusy() const { return !queue_.empty() || playing_ || fadingIn_ || fadingView_ || fadingBand_; }

bool MovieQueue::Step(MovieScreen& screen) {
  if (!screen.view || screen.view->empty()) return HoldsWorld();
  if (playing_) {
    PlayTick(screen);
  } else if (fadingBand_) {
    FadeTick(screen, true, fadingBand_);
  } else if (fadingView_) {
    FadeTick(screen, false, fadingView_);
  } else if (fadingIn_) {
    FadeInTick(screen);
  } else if (pause_ > 0) {
    --pause_;
  } else if (pause_ == -1) {
    // waits until the world is started or reset
  } else if (!queue_.empty()) {
    MovieStep step = std::move(queue_.front());
    queue_.pop_front();
    StartStep(step, screen);
  } else {
    return false;
  }
  return true;
}

bool MovieQueue::Reset() {
  queue_.clear();
  const bool active = playing_ || fadingIn_ || fadingView_ || fadingBand_ || pause_ != 0;
  playing_ = fadingIn_ = fadingView_ = fadingBand_ = false;
  pause_ = 0;
  return active;
}

void MovieQueue::StartStep(const MovieStep& step, MovieScreen& screen) {
  switch (step.code) {
    case MovieRun:
    case MovieFadeIn:
      LoadMovie(step.text, step.code == MovieFadeIn, screen);
      break;
    case MovieFadeView:
      fadingView_ = true;
      fadeStep_ = 0;
      break;
    case MovieFadeBand:
      fadingBand_ = true;
      fadeStep_ = 0;
      break;
    case MovieTitle:
    case MovieMessage:
      DrawLine(screen, step.text, step.code == MovieTitle);
      break;
    case MoviePause:
      pause_ = ScanInt(step.text);
      if (pause_ < -1) pause_ = 0;  // only -1 waits; other negatives hold nothing
      break;
    default:
      break;
  }
}

void MovieQueue::LoadMovie(const std::string& path, bool fadeIn, MovieScreen& screen) {
  screen.view->fill(0);
  movie_ = MovieData{};
  auto bytes = ReadFileBytes(NativePath(path), MaxMovieBytes);
  if (!bytes) {
    queue_.clear();
    redraw_ = true;
    if (messages_) messages_->ShowMessage("Can't open movie", "Movie play error");
    return;
  }
  StartMovie(ParseMovie(*bytes), fadeIn);
}

void MovieQueue::StartMovie(MovieData movie, bool fadeIn) {
  movie_ = std::move(movie);
  counter_ = 0;
  delay_ = 0;
  playing_ = !fadeIn;
  fadingIn_ = fadeIn;
  fadeStep_ = 0;
}

void MovieQueue::PlayTick(MovieScreen& screen) {
  delay_ -= TickMilliseconds;
  if (delay_ > 0) return;
  if (counter_ >= movie_.lastFrame()) {
    playing_ = false;
    return;
  }
  ++counter_;
  // A frame stands for at most ten seconds: a hostile delay must not hold the world for good.
  delay_ = std::min<int64_t>(movie_.frames[counter_].delay, MaxFrameDelay);
  CopyToWindow(screen, DrawFrame(counter_, *screen.view));
}

// Frame 1 appears through the pattern, one more position each tick.
void MovieQueue::FadeInTick(MovieScreen& screen) {
  IndexedImage& view = *screen.view;
  const MovieRect band = MovieBand(view);
  view.fill(0);
  DrawFrame(1, view);
  for (int s = 0; s < 15 - fadeStep_; ++s) ClearFadeStep(view, s, band.y, band.y + band.h);
  CopyToWindow(screen, band);
  if (++fadeStep_ >= 16) {
    fadingIn_ = false;
    playing_ = true;
  }
}

void MovieQueue::FadeTick(MovieScreen& screen, bool band, bool& phase) {
  IndexedImage& view = *screen.view;
  const MovieRect area = band ? MovieBand(view) : MovieRect{0, 0, view.width(), view.height()};
  ClearFadeStep(view, fadeStep_, area.y, area.y + area.h);
  CopyToWindow(screen, area);
  if (++fadeStep_ >= 16) phase = false;
}

MovieRect MovieQueue::DrawFrame(int index, IndexedImage& view) {
  if (index < 0 || index >= movie_.frameCount) return {};
  const MovieFrame& frame = movie_.frames[index];
  const MovieRect rect = DrawMovieFrame(movie_, frame, view, work_, scratch_);
  if (!frame.wave.empty() && soundEnabled && sound_)
    sound_->PlayFrameSound(frame.wave, frame.soundMode == MovieSoundLoops);
  return rect;
}

// Words broken into centred lines that fit the width and the rows down to `bottom`: the
// letters get smaller (10 points down to 7) until they do; a sentence that still does not
// fit ends in "..." on the last row there is.
void MovieQueue::DrawSmallLines(IndexedImage& window, int w, int y, int bottom, const std::string& text) {
  TextStyle style;
  style.family = "Arial";
  style.colour = textColour;
  std::vector<std::string> lines;
  int step = 0;
  for (style.pointSize = 10; style.pointSize >= 7; --style.pointSize) {
    lines.assign(1, "");
    size_t at = 0;
    while (at < text.size()) {
      size_t end = text.find(' ', at);
      if (end == std::string::npos) end = text.size();
      const std::string word = text.substr(at, end - at);
      const std::string joined = lines.back().empty() ? word : lines.back() + " " + word;
      if (!lines.back().empty() && text_->TextWidth(joined, style) > w - 16) lines.push_back(word);
      else lines.back() = joined;
      at = end + 1;
    }
    step = style.pointSize * 4 / 3 + 2;
    if (y + static_cast<int>(lines.size()) * step <= bottom + 2) break;
  }
  if (style.pointSize < 7) style.pointSize = 7;
  const size_t rows = static_cast<size_t>(std::max(1, (bottom + 2 - y) / std::max(1, step)));
  if (lines.size() > rows) {
    lines.resize(rows);
    lines.back() += "...";
  }
  for (size_t k = 0; k < lines.size(); ++k)
    text_->DrawText(window, w / 2 - text_->TextWidth(lines[k], style) / 2, y + static_cast<int>(k) * step, lines[k], style);
}

void MovieQueue::DrawLine(MovieScreen& screen, const std::string& text, bool title) {
  IndexedImage& window = screen.window ? *screen.window : *screen.view;
  const int w = screen.view->width(), h = screen.view->height();
  const int top = title ? 0 : h / 2 + BandHalf;
  const int bottom = title ? h / 2 - BandHalf : h;
  window.fillRect(0, top, w, bottom - top, 0);
  if (text_) {
    TextStyle style;
    style.family = "Arial";
    style.pointSize = 18;
    style.colour = textColour;
    int middle = title ? h / 2 - LineOffset : h / 2 + LineOffset;
    // A verdict's message may carry a second line that says why, in smaller letters.
    const size_t br = text.find('\n');
    const std::string first = text.substr(0, br);
    // A long line ("Record some digits and let the brain learn first") shrinks to fit the view.
    while (style.pointSize > 10 && text_->TextWidth(first, style) > w - 8) --style.pointSize;
    int lineHeight = style.pointSize * 4 / 3;  // points at 96 pixels an inch
    if (br != std::string::npos) {
      // A short view's band holds both lines: the first gets smaller and moves up.
      while (style.pointSize > 10 && lineHeight + SmallLineRows > bottom - top) lineHeight = --style.pointSize * 4 / 3;
      middle = std::max(std::min(middle, bottom - SmallLineRows - lineHeight / 2), top + lineHeight / 2);
    }
    text_->DrawText(window, w / 2 - text_->TextWidth(first, style) / 2, middle - lineHeight / 2, first, style);
    if (br != std::string::npos) DrawSmallLines(window, w, middle + lineHeight / 2 + 6, bottom, text.substr(br + 1));
  }
  if (screen.windowChanged && bottom > top) screen.windowChanged(0, top, w, bottom - top);
}

void MovieQueue::CopyToWindow(MovieScreen& screen, const MovieRect& rect) {
  if (rect.empty()) return;
  if (screen.window && screen.window != screen.view)
    screen.window->blit(*screen.view, rect.x, rect.y, rect.w, rect.h, rect.x, rect.y);
  if (screen.windowChanged) screen.windowChanged(rect.x, rect.y, rect.w, rect.h);
}
