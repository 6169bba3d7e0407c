// Any clipboard text pastes without harm: a refused paste leaves the board byte for byte
// as it was, an accepted one leaves a board that steps, edits, copies and saves.
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "brain/BoardClipboard.h"
#include "brain/BoardEditing.h"

namespace {

class MemoryClipboard : public IClipboard {
 public:
  void PutText(const std::string& t) override { text = t; }
  bool HasText() override { return !text.empty(); }
  std::string GetText() override { return text; }
  std::string text;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SilentMessages messages;
  MemoryClipboard clipboard;
  Host host;
  host.messages = &messages;
  host.clipboard = &clipboard;
  TBrainBoard board(host, 1);
  ChannelMask in{}, out{};
  in[0] = in[3] = out[4] = true;
  board.SetIO(&in, &out);
  board.AddNeuron(20, 20);
  // The anchor comes from the first byte, so pastes land anywhere on the board.
  if (size > 0 && data[0] < 100) board.selLeft = board.selRight = board.selTop = board.selBottom = data[0];

  const std::string text(reinterpret_cast<const char*>(data), size);
  const std::vector<uint8_t> before = board.SaveBrain(false);
  if (!PasteText(board, text)) {
    if (board.SaveBrain(false) != before) __builtin_trap();
    return 0;
  }
  board.Step(true);
  board.RefreshSnoopers();
  board.selLeft = board.selTop = 1;
  board.selRight = board.selBottom = board.columns() - 2;
  CopySelection(board);
  TBoardEditor editor(board);
  editor.RunMenuItem(MenuCommand::Paste);
  editor.DeleteSelection();
  board.SaveBrain(false);
  editor.Clear(false);
  return 0;
}
