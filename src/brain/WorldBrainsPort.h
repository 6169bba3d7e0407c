#pragma once
// The world's view of the brains: channel blocks by brain number and the two test
// questions, answered by the brain collection.
#include "brain/BrainCollection.h"
#include "world/WorldPorts.h"

class WorldBrainsPort : public IWorldBrains {
 public:
  explicit WorldBrainsPort(TBrainCollection& brains) : brains_(brains) {}
  int32_t* BrainInputs(int brainNumber) override;
  const int32_t* BrainOutputs(int brainNumber) override;
  bool AnyBrainTouched() override { return brains_.AnyBrainTouched(); }
  bool AnyBrainUsesSimulatedInput() override { return brains_.AnyBrainUsesSimulatedInput(); }

 private:
  TBrainCollection& brains_;
};
