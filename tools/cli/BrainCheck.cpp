#include "BrainCheck.h"

#include "BrainJson.h"
#include "brain/BrainFileFormat.h"
#include "brain/Brainboard.h"
#include "platform/ByteIO.h"
#include "platform/Files.h"

namespace {
// Keeps the first message the brain reader gives about the file.
class ReaderMessages : public IMessages {
 public:
  std::string first;
  void ShowMessage(const std::string& text, const std::string& caption, MessageIcon) override {
    if (first.empty() && (caption == "Brain Load Error" || caption == "IO Load Error")) first = text;
  }
  Answer AskYesNo(const std::string&, const std::string&) override { return Answer::Yes; }
  Answer AskYesNoCancel(const std::string&, const std::string&) override { return Answer::Yes; }
};
}  // namespace

bool StartsAsBrainFile(const std::vector<uint8_t>& bytes) {
  ByteReader r(bytes.data(), bytes.size());
  return bytes.size() >= 8 && r.i32() == BrainChunk::Start && r.i32() == 0;
}

std::string BrainFileProblem(const std::string& path, const Host& host) {
  const auto bytes = ReadFileBytes(path);
  if (!bytes) return "Couldn't open " + path;
  if (!StartsAsBrainFile(*bytes)) return "Not a brain file: " + path;
  ReaderMessages messages;
  Host quiet = host;
  quiet.messages = &messages;
  TBrainBoard board(quiet, 1, IsHiddenBrainName(path));
  board.LoadBrain(*bytes);
  return messages.first;
}
