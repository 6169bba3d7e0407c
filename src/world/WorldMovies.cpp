#include "world/WorldMovies.h"

#include "world/World.h"

WorldMovies::WorldMovies(IMessages* messages, ITextDraw* text, ISoundOut* sound)
    : queue(messages, text, &sound_), sound_(sound) {}

bool WorldMovies::Step() {
  if (!world_ || !world_->view.exists()) return queue.HoldsWorld();
  MovieScreen screen;
  screen.view = &world_->view.image;
  screen.window = &world_->view.image;
  TWorld* world = world_;
  screen.windowChanged = [world](int x, int y, int w, int h) {
    if (world->screen) world->screen->CopyToWindow(TRect{x, y, x + w, y + h});
  };
  queue.soundEnabled = world_->soundEnabled;
  bool held = queue.Step(screen);
  if (queue.TakeRedrawRequest()) world_->fullRedrawFlag = true;
  return held;
}
