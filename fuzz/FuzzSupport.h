#pragma once
// What the harnesses share: a host that shows nothing and answers every question No,
// and scratch folders for readers that take their files from the working folder.
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/Host.h"

class SilentMessages : public IMessages {
 public:
  void ShowMessage(const std::string&, const std::string&, MessageIcon) override {}
  Answer AskYesNo(const std::string&, const std::string&) override { return Answer::No; }
  Answer AskYesNoCancel(const std::string&, const std::string&) override { return Answer::Cancel; }
};

// A folder of the process's own under the temporary folder, made once.
inline std::filesystem::path ScratchFolder(const std::string& name) {
  const auto folder = std::filesystem::temp_directory_path() / ("quorbit-fuzz-" + name + "-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  return folder;
}

// Readers that take their files from the working folder run inside the scratch folder;
// the working folder is given back afterwards, so paths given to the fuzzer stay valid.
class InFolder {
 public:
  explicit InFolder(const std::filesystem::path& folder) : back_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ~InFolder() { std::filesystem::current_path(back_); }
  InFolder(const InFolder&) = delete;
  InFolder& operator=(const InFolder&) = delete;

 private:
  std::filesystem::path back_;
};
