#pragma once
// quorbit-cli: each command lives in a file of its own and registers itself here.
#include <string>
#include <vector>

#include "platform/Host.h"
#include "platform/JsonText.h"

struct CliCommand {
  const char* name;
  const char* usage;  // one line for --help
  int (*run)(const std::vector<std::string>& args, Host& host);
};

std::vector<CliCommand>& CliCommands();

struct CliRegistration {
  explicit CliRegistration(CliCommand c) { CliCommands().push_back(c); }
};
#define QUORBIT_CLI_COMMAND(id, name, usage, fn) \
  static const CliRegistration cli_registration_##id(CliCommand{name, usage, fn})

// Exit codes shared by every command.
constexpr int ExitOk = 0;
constexpr int ExitFailed = 1;
constexpr int ExitUsage = 2;

// Text quoted and escaped as a JSON string.
// A whole decimal number within low..high, nothing else in the text.
bool ParseNumber(const std::string& text, long low, long high, long& out);
// Prints a usage error as a JSON line on standard error and returns ExitUsage.
int UsageError(const std::string& text);

// Messages go to standard error as JSON lines; questions answer Yes.
class CliMessages : public IMessages {
 public:
  // While set, messages are dropped: a command that expects a message it has no use for.
  bool muted = false;
  void ShowMessage(const std::string& text, const std::string& caption, MessageIcon icon) override;
  Answer AskYesNo(const std::string& text, const std::string& caption) override;
  Answer AskYesNoCancel(const std::string& text, const std::string& caption) override;
};

// Clipboard, keys and sound with no desktop: an in-memory clipboard, no key down, silence.
class CliClipboard : public IClipboard {
 public:
  void PutText(const std::string& text) override { text_ = text; }
  bool HasText() override { return !text_.empty(); }
  std::string GetText() override { return text_; }

 private:
  std::string text_;
};

class CliKeys : public IKeyState {
 public:
  bool IsKeyDown(int) override { return false; }
};

// Text in the small pixel font of the charts: board text and movie lines drawn without a
// window. Sizes and families are not followed.
class CliText : public ITextDraw {
 public:
  void DrawText(IndexedImage& image, int x, int y, const std::string& text, const TextStyle& style) override;
  int TextWidth(const std::string& text, const TextStyle& style) override;
};

class CliSilence : public ISoundOut {
 public:
  void PlayOnce(const std::vector<uint8_t>&) override {}
  void PlayLoop(const std::vector<uint8_t>&) override {}
  void StopAll() override {}
};
