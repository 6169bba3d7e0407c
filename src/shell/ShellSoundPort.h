#pragma once
// The world's looping tone goes through the shell's sound rules.
#include "shell/SoundService.h"
#include "world/WorldPorts.h"

class ShellSoundPort : public IWorldSound {
 public:
  explicit ShellSoundPort(SoundService& sound) : sound_(sound) {}
  bool PlayLoopSound(const std::vector<uint8_t>* wave, int priority) override {
    return sound_.PlayLoopSound(wave, priority);
  }

 private:
  SoundService& sound_;
};
