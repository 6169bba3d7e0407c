// Circuit library files.
#include "brain/CircuitLibrary.h"

#include "brain/BoardClipboard.h"
#include "platform/Files.h"

namespace {
std::string LibraryPath(const std::string& folder, const std::string& name) {
  return (folder.empty() || folder == "." ? "" : folder + "/") + name + ".lib";
}
}  // namespace

std::vector<std::string> LibraryCircuits(const std::string& folder) {
  std::vector<std::string> names;
  for (const std::string& file : ListFiles(folder.empty() ? "." : folder, ".lib")) {
    const std::string name = file.substr(0, file.find('.'));
    if (!name.empty()) names.push_back(name);
  }
  return names;
}

bool CopyToLibrary(TBrainBoard& board, const std::string& name, const std::string& folder) {
  if (name.empty()) return false;
  const std::string text = SelectionText(board);
  if (text.empty()) return false;
  if (board.host().clipboard) board.host().clipboard->PutText(text);
  if (WriteFileAtomic(LibraryPath(folder, name), text)) return true;
  board.Message("Couldn't write " + name + ".lib", "Library Error");
  return false;
}

bool PasteFromLibrary(TBrainBoard& board, const std::string& name, const std::string& folder) {
  const auto text = ReadFileText(LibraryPath(folder, name), 16u << 20);
  if (!text) return false;
  if (board.host().clipboard) board.host().clipboard->PutText(*text);
  return PasteText(board, *text);
}
