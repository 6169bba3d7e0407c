#pragma once
// One sound at a time: a lower priority never interrupts a higher one before its hold
// time has run out.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Host.h"

struct SoundRecord {
  std::vector<uint8_t> bytes;  // the whole wave file
  int priority = 0;
  int duration = 0;  // milliseconds: the file size in bytes / 22
  bool empty() const { return bytes.empty(); }
};

class SoundService {
 public:
  explicit SoundService(ISoundOut* out) : out_(out) {}

  // Reads the whole file (an unreadable file leaves the record empty), plays it once and
  // stops it at once.
  void LoadSound(const std::string& path, SoundRecord& record, int priority);
  bool PlaySoundObject(const SoundRecord& record);
  // Plays bytes looping, or stops all sound when there are none.
  bool PlayLoopSound(const std::vector<uint8_t>* bytes, int priority);
  // First step of every tick: the hold time runs down.
  void TickHold();
  void StopAll();

  bool soundOn = true;
  int soundPriority = 0;
  int soundHold = 0;
  int timerInterval = 50;
  // Called when a one-shot sound replaces the world's looping tone.
  std::function<void()> onLoopReplaced;

 private:
  ISoundOut* out_;
};
