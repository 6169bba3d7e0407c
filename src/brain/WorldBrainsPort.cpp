#include "brain/WorldBrainsPort.h"

int32_t* WorldBrainsPort::BrainInputs(int brainNumber) {
  ChannelBlock* io = brains_.BrainIO(brainNumber);
  return io ? &io->inputs[0][0] : nullptr;
}

const int32_t* WorldBrainsPort::BrainOutputs(int brainNumber) {
  ChannelBlock* io = brains_.BrainIO(brainNumber);
  return io ? &io->outputs[0][0] : nullptr;
}
