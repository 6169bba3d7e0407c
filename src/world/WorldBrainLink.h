#pragma once
// Ties a world to the brain collection: the bodies reach their channel blocks through
// it, and the world file's brain lines attach, name and release boards through it.
#include "brain/BrainCollection.h"
#include "world/WorldFile.h"
#include "world/WorldPorts.h"

class TWorldBrainLink : public IWorldBrains, public IWorldFileBrains {
 public:
  explicit TWorldBrainLink(TBrainCollection& brains) : brains_(brains) {}

  int32_t* BrainInputs(int number) override {
    ChannelBlock* io = brains_.BrainIO(number);
    return io ? &io->inputs[0][0] : nullptr;
  }
  const int32_t* BrainOutputs(int number) override {
    ChannelBlock* io = brains_.BrainIO(number);
    return io ? &io->outputs[0][0] : nullptr;
  }
  bool AnyBrainTouched() override { return brains_.AnyBrainTouched(); }
  bool AnyBrainUsesSimulatedInput() override { return brains_.AnyBrainUsesSimulatedInput(); }
  void ReleaseWorldBrains() override { brains_.ReleaseWorldBrains(); }
  int AttachBrain(const std::string& name, const ChannelMask& in, bool hidden, const ChannelMask& out) override {
    return brains_.AttachBrain(name, in, hidden, out);
  }
  std::string BrainName(int number) override { return brains_.BrainName(number); }

 private:
  TBrainCollection& brains_;
};
