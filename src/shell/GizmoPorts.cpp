#include "shell/GizmoPorts.h"

#include "brain/BrainCollection.h"
#include "shell/SoundService.h"

int TCollectionGizmoBrains::AttachBrain(const std::string& name, const ChannelMask& in, bool hidden,
                                        const ChannelMask& out) {
  return brains_.AttachBrain(name, in, hidden, out);
}

ChannelBlock* TCollectionGizmoBrains::BrainIO(int number) { return brains_.BrainIO(number); }

const ChannelMask* TCollectionGizmoBrains::EnabledInputs(int number) {
  TBrainBoard* b = brains_.Board(number);
  return b ? &b->inputAvailable : nullptr;
}

const ChannelMask* TCollectionGizmoBrains::EnabledOutputs(int number) {
  TBrainBoard* b = brains_.Board(number);
  return b ? &b->outputAvailable : nullptr;
}

void TCollectionGizmoBrains::HoldLearning(int number) {
  if (TBrainBoard* b = brains_.Board(number)) b->learningHeld = true;
}

TGizmoSoundList::TGizmoSoundList(SoundService& service) : service_(service) {}

TGizmoSoundList::~TGizmoSoundList() { Clear(); }

void TGizmoSoundList::Clear() { sounds_.clear(); }

int TGizmoSoundList::LoadSound(const std::string& path) {
  auto record = std::make_unique<SoundRecord>();
  service_.LoadSound(path, *record, BellPriority);
  if (record->empty()) return -1;
  sounds_.push_back(std::move(record));
  return static_cast<int>(sounds_.size()) - 1;
}

void TGizmoSoundList::PlaySound(int index) {
  if (index >= 0 && index < static_cast<int>(sounds_.size())) service_.PlaySoundObject(*sounds_[static_cast<size_t>(index)]);
}
