// quorbit-cli: runs brains, worlds, levels and tests headless and prints JSON lines.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Cli.h"

std::vector<CliCommand>& CliCommands() {
  static std::vector<CliCommand> commands;
  return commands;
}

std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
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
  std::fprintf(stderr, "{\"message\":%s,\"caption\":%s}\n", JsonString(text).c_str(),
               JsonString(caption).c_str());
}

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
  std::printf("options:\n  --help       this text\n  --version    the program's version as JSON\n");
  std::printf("  --data DIR   work in the data folder DIR (worlds, level map, pictures)\n\ncommands:\n");
  for (const CliCommand& c : CliCommands()) std::printf("  %s\n", c.usage);
}
}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args;
  // --data may stand before or after the command.
  for (int a = 1; a < argc; ++a) {
    std::string arg = argv[a];
    if (arg == "--data" || arg.rfind("--data=", 0) == 0) {
      std::string dir = arg.size() > 6 ? arg.substr(7) : (a + 1 < argc ? argv[++a] : "");
      if (dir.empty()) return UsageError("--data needs a folder");
      if (::chdir(dir.c_str()) != 0) return UsageError("cannot enter data folder " + dir);
      continue;
    }
    args.push_back(arg);
  }
  if (args.empty() || args[0] == "--help") {
    PrintHelp();
    return args.empty() ? ExitUsage : ExitOk;
  }
  if (args[0] == "--version") {
    std::printf("{\"program\":\"quorbit-cli\",\"version\":\"%s\"}\n", QUORBIT_VERSION);
    return ExitOk;
  }
  const std::string name = args[0];
  std::vector<std::string> rest(args.begin() + 1, args.end());
  CliMessages messages;
  CliClipboard clipboard;
  CliKeys keys;
  CliSilence silence;
  Host host;
  host.messages = &messages;
  host.clipboard = &clipboard;
  host.keys = &keys;
  host.sound = &silence;
  for (const CliCommand& c : CliCommands())
    if (name == c.name) return c.run(rest, host);
  return UsageError("unknown command " + name + "; see --help");
}
