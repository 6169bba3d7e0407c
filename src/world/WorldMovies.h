#pragma once
// The world's movie queue: the real queue drawing into the world's view and reporting
// every changed rectangle to the window.
#include <functional>

#include "world/MovieQueue.h"
#include "world/WorldPorts.h"

class TWorld;

class WorldMovies : public IWorldMovies {
 public:
  WorldMovies(IMessages* messages, ITextDraw* text, ISoundOut* sound);
  // The world whose view the movies play in; set once the world exists.
  void Attach(TWorld* world) { world_ = world; }

  bool HoldsWorld() override { return queue.HoldsWorld(); }
  bool IsBusy() override { return queue.IsBusy(); }
  bool Step() override;
  bool Reset() override { return queue.Reset(); }
  bool WaitsForStart() override { return queue.WaitsForStart(); }
  void Queue(int code, const std::string& text) override { queue.QueueMovieStep(code, text); }

  MovieQueue queue;

 private:
  MovieSoundOut sound_;
  TWorld* world_ = nullptr;
};
