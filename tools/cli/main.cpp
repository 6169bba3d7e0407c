// quorbit-cli: runs brains, worlds, levels and tests headless and prints JSON lines.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "Cli.h"
#include "CliPaths.h"
#include "brain/ChartText.h"

std::vector<CliCommand>& CliCommands() {
  static std::vector<CliCommand> commands;
  return commands;
}

bool ParseNumber(const std::string& text, long low, long high, long& out) {
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end || v < low || v > high) return false;
  out = v;
  return true;
}

int UsageError(const std::string& text) {
  std::fprintf(stderr, "{\"error\":%s}\n", JsonString(text).c_str());
  return ExitUsage;
}

void CliMessages::ShowMessage(const std::string& text, const std::string& caption, MessageIcon) {
  if (muted) return;
  std::fprintf(stderr, "{\"message\":%s,\"caption\":%s}\n", JsonString(text).c_str(),
               JsonString(caption).c_str());
}

void CliText::DrawText(IndexedImage& image, int x, int y, const std::string& text, const TextStyle& style) {
  // Board cells are 16 pixels high: the letters sit in their middle.
  DrawChartText(image, x + 1, y + 4, text, style.colour);
}

int CliText::TextWidth(const std::string& text, const TextStyle&) { return ChartTextWidth(text); }

Answer CliMessages::AskYesNo(const std::string& text, const std::string& caption) {
  ShowMessage(text, caption, MessageIcon::Question);
  return Answer::Yes;
}

Answer CliMessages::AskYesNoCancel(const std::string& text, const std::string& caption) {
  ShowMessage(text, caption, MessageIcon::Question);
  return Answer::Yes;
}

namespace {
void PrintHelp() {
  std::printf("usage: quorbit-cli [--data DIR] COMMAND [ARGS...]\n\n");
  std::printf("Runs Quorbit's brains, worlds and tests without a window; prints JSON lines.\n\n");
  std::printf("options:\n  --help       this text (COMMAND --help: that command's usage)\n");
  std::printf("  --version    the program's version as JSON\n");
  std::printf("  --data DIR   the data folder (worlds, level map, pictures); by default the one the\n");
  std::printf("               program uses: the current folder when it holds quorbit.pal, else the\n");
  std::printf("               data folder beside the program or the installed one\n\n");
  std::printf("File names (brains, worlds given as paths, scripts, output files) are taken from the\n");
  std::printf("folder the command is started in; world names without a path are worlds of the data\n");
  std::printf("folder. Exit codes: 0 done or passed, 1 failed, 2 usage error.\n\ncommands:\n");
  for (const CliCommand& c : CliCommands()) std::printf("  %s\n", c.usage);
}

std::string CurrentFolder() {
  std::error_code ec;
  std::string here = std::filesystem::current_path(ec).string();
  return ec ? std::string() : here;
}

std::string ExecutableFolder() {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string() : exe.parent_path().string();
}

bool AsksForHelp(const std::vector<std::string>& args) {
  for (const std::string& a : args)
    if (a == "--help" || a == "-h") return true;
  return false;
}
}  // namespace

int main(int argc, char** argv) {
  const std::string start = CurrentFolder();
  std::vector<std::string> args;
  std::string dataFolder;
  // --data may stand before or after the command.
  for (int a = 1; a < argc; ++a) {
    std::string arg = argv[a];
    if (arg == "--data" || arg.rfind("--data=", 0) == 0) {
      std::string dir = arg.size() > 6 ? arg.substr(7) : (a + 1 < argc ? argv[++a] : "");
      if (dir.empty()) return UsageError("--data needs a folder");
      dataFolder = FromStartFolder(dir, start);
      continue;
    }
    args.push_back(arg);
  }
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    PrintHelp();
    return args.empty() ? ExitUsage : ExitOk;
  }
  if (args[0] == "--version") {
    std::printf("{\"program\":\"quorbit-cli\",\"version\":\"%s\"}\n", QUORBIT_VERSION);
    return ExitOk;
  }
  const std::string name = args[0];
  const CliCommand* command = nullptr;
  for (const CliCommand& c : CliCommands())
    if (name == c.name) command = &c;
  if (!command) return UsageError("unknown command " + name + "; see --help");
  std::vector<std::string> rest(args.begin() + 1, args.end());
  if (AsksForHelp(rest)) {
    std::printf("usage: quorbit-cli [--data DIR] %s\n", command->usage);
    return ExitOk;
  }
  rest = ResolveStartPaths(name, rest, start);
  if (dataFolder.empty()) dataFolder = DefaultDataFolder(start, ExecutableFolder());
  if (!dataFolder.empty() && ::chdir(dataFolder.c_str()) != 0) return UsageError("cannot enter data folder " + dataFolder);
  CliMessages messages;
  CliClipboard clipboard;
  CliKeys keys;
  CliSilence silence;
  CliText text;
  Host host;
  host.messages = &messages;
  host.clipboard = &clipboard;
  host.keys = &keys;
  host.sound = &silence;
  host.text = &text;
  return command->run(rest, host);
}
