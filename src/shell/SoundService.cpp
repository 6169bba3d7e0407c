#include "shell/SoundService.h"

#include "platform/Files.h"

void SoundService::LoadSound(const std::string& path, SoundRecord& record, int priority) {
  record = SoundRecord{};
  record.priority = priority;
  if (auto bytes = ReadFileBytes(path, 16u << 20)) record.bytes = std::move(*bytes);
  record.duration = static_cast<int>(record.bytes.size() / 22);
  if (out_ && !record.empty()) {
    out_->PlayOnce(record.bytes);
    out_->StopAll();
  }
}

bool SoundService::PlaySoundObject(const SoundRecord& record) {
  if (!soundOn) return true;
  if (record.priority < soundPriority) return false;
  if (out_ && !record.empty()) out_->PlayOnce(record.bytes);
  soundPriority = record.priority;
  soundHold = timerInterval > 0 ? record.duration / timerInterval : 0;
  if (onLoopReplaced) onLoopReplaced();
  return true;
}

bool SoundService::PlayLoopSound(const std::vector<uint8_t>* bytes, int priority) {
  if (!soundOn) return true;
  if (priority < soundPriority) return false;
  if (bytes && !bytes->empty()) {
    if (out_) out_->PlayLoop(*bytes);
    soundPriority = priority;
    soundHold = 200;
  } else {
    if (out_) out_->StopAll();
    soundPriority = 0;
    soundHold = 0;
  }
  return true;
}

void SoundService::TickHold() {
  if (soundHold > 0 && --soundHold == 0) soundPriority = 0;
}

void SoundService::StopAll() {
  if (out_) out_->StopAll();
}
