// Any byte sequence loads into a board that can then be stepped, drawn, edited and
// saved; the saved form loads back and settles to the same bytes.
#include <cstdint>
#include <cstring>

#include "FuzzSupport.h"
#include "brain/Brainboard.h"

namespace {

class AllKeysDown : public IKeyState {
 public:
  bool IsKeyDown(int) override { return true; }
};

void Exercise(TBrainBoard& board) {
  for (int i = 0; i < 3; ++i) board.Step(true);
  board.learning = true;
  board.Step(true);
  board.RandomizeLearners();
  board.ResetRun();
  for (int i = 0; i < board.neurons.used(); ++i)
    if (board.neurons.live(i)) {
      board.EraseNeuron(i);
      board.DrawNeuron(i);
    }
  for (int i = 0; i < board.lineSegs.used(); ++i)
    if (board.lineSegs.live(i)) board.RouteSegmentTile(i);
  board.RefreshSnoopers();
}

void Edit(TBrainBoard& board) {
  for (int i = 0; i < board.neurons.used(); ++i)
    if (board.neurons.live(i)) {
      board.DeleteNeuron(i);
      break;
    }
  for (int i = 0; i < board.nodes.used(); ++i)
    if (board.nodes.live(i)) {
      board.DeleteNode(i, true);
      break;
    }
  board.AddNeuron(board.columns() / 2, board.rows() / 2);
  board.Clear(false);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SilentMessages messages;
  AllKeysDown keys;
  Host host;
  host.messages = &messages;
  host.keys = &keys;
  // One of the two board kinds per input (chosen by a byte of it): both cost a whole
  // grid each, and the fuzzer reaches both anyway.
  const bool hidden = size > 0 && (data[size / 2] & 1) != 0;
  {
    TBrainBoard board(host, 1, hidden);
    ChannelMask in{}, out{};
    if (size > 0) in[data[0] % ChannelCount] = out[data[size - 1] % ChannelCount] = true;
    board.SetIO(&in, &out);
    board.LoadBrain(data, size);
    Exercise(board);
    // A saved board loads back; from the second save on the bytes stay the same (the
    // first reload may still renumber data columns or drop a file node's lost data).
    TBrainBoard again(host, 1, hidden), third(host, 1, hidden);
    for (TBrainBoard* b : {&again, &third}) b->SetIO(&in, &out);
    again.LoadBrain(board.SaveBrain(hidden));
    const std::vector<uint8_t> saved = again.SaveBrain(hidden);
    third.LoadBrain(saved);
    if (third.SaveBrain(hidden) != saved) __builtin_trap();
    Edit(board);
    board.SaveBrain(false);
  }
  return 0;
}
