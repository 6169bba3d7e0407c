// grade: a level's test for each brain of a class, one JSON line per brain and a total,
// optionally a CSV table. Each brain runs in a process of its own, as many at a time as
// the machine has cores, so one brain can neither stop nor disturb the others.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

#include "BrainJson.h"
#include "Cli.h"
#include "LevelTestRun.h"
#include "platform/ByteIO.h"
#include "platform/Files.h"

namespace {

struct GradeLine {
  std::string file;
  TestResult result;
};

const char* VerdictWord(TestResult::Status s) {
  return s == TestResult::Passed ? "passed" : s == TestResult::Failed ? "failed" : "error";
}

// Files and folders as given; a folder stands for its ".brn" files in name order.
std::vector<std::string> BrainFiles(const std::vector<std::string>& given) {
  std::vector<std::string> files;
  for (const std::string& g : given) {
    std::error_code ec;
    if (!std::filesystem::is_directory(g, ec)) {
      files.push_back(g);
      continue;
    }
    std::vector<std::string> found;
    for (const auto& e : std::filesystem::directory_iterator(g, ec)) {
      std::string ext = e.path().extension().string();
      std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return std::tolower(c); });
      if (ext == ".brn" && e.is_regular_file(ec)) found.push_back(e.path().string());
    }
    std::sort(found.begin(), found.end());
    files.insert(files.end(), found.begin(), found.end());
  }
  return files;
}

// A brain file starts with its start chunk: tag 100, length 0.
std::string Unreadable(const std::string& path) {
  const auto bytes = ReadFileBytes(path);
  if (!bytes) return "Couldn't open " + path;
  ByteReader r(bytes->data(), bytes->size());
  if (bytes->size() < 8 || r.i32() != 100 || r.i32() != 0) return "Not a brain file: " + path;
  return {};
}

// Messages of a graded run are kept for its line instead of shown.
class KeptMessages : public IMessages {
 public:
  std::string first;
  void ShowMessage(const std::string& text, const std::string&, MessageIcon) override {
    if (first.empty()) first = text;
  }
  Answer AskYesNo(const std::string&, const std::string&) override { return Answer::Yes; }
  Answer AskYesNoCancel(const std::string&, const std::string&) override { return Answer::Yes; }
};

// The child's result travels as fields ended by a zero byte.
std::string Encode(const TestResult& r) {
  std::string s;
  for (const std::string& f : {std::to_string(static_cast<int>(r.status)), std::to_string(r.ticks), r.caption,
                               r.message, r.error})
    s += f + '\0';
  return s;
}

TestResult Decode(const std::string& s) {
  std::vector<std::string> f;
  for (size_t at = 0; at < s.size();) {
    const size_t end = s.find('\0', at);
    if (end == std::string::npos) break;
    f.push_back(s.substr(at, end - at));
    at = end + 1;
  }
  TestResult r;
  if (f.size() != 5) {
    r.error = "the test run stopped without a verdict";
    return r;
  }
  const int status = std::atoi(f[0].c_str());
  r.status = status == TestResult::Passed ? TestResult::Passed
             : status == TestResult::Failed ? TestResult::Failed
                                            : TestResult::Error;
  r.ticks = std::atoi(f[1].c_str());
  r.caption = f[2], r.message = f[3], r.error = f[4];
  return r;
}

TestResult GradeOne(const TestRequest& base, const std::string& file, const Host& host) {
  if (std::string why = Unreadable(file); !why.empty()) {
    TestResult r;
    r.error = why;
    return r;
  }
  KeptMessages kept;
  Host quiet = host;
  quiet.messages = &kept;
  TestRequest request = base;
  request.shown = file;
  TestResult r = RunTestRequest(request, quiet);
  if (r.status == TestResult::Error && r.error.empty()) r.error = kept.first;
  if (r.status == TestResult::Error && !kept.first.empty() && r.reported) r.error = kept.first;
  return r;
}

struct Child {
  pid_t pid = -1;
  int fd = -1;
  size_t line = 0;
};

std::string ReadAll(int fd) {
  std::string s;
  char buf[4096];
  for (ssize_t n; (n = ::read(fd, buf, sizeof buf)) != 0;) {
    if (n < 0) {
      if (errno == EINTR) continue;
      break;
    }
    s.append(buf, static_cast<size_t>(n));
  }
  return s;
}

// Runs every brain, `jobs` at a time; results in the order of the files.
void RunAll(const TestRequest& base, std::vector<GradeLine>& lines, const Host& host, unsigned jobs) {
  std::vector<Child> running;
  size_t next = 0;
  auto finishOne = [&] {
    Child c = running.front();
    running.erase(running.begin());
    const std::string data = ReadAll(c.fd);
    ::close(c.fd);
    int status = 0;
    ::waitpid(c.pid, &status, 0);
    lines[c.line].result = Decode(data);
  };
  std::fflush(stdout);
  std::fflush(stderr);
  while (next < lines.size() || !running.empty()) {
    if (next < lines.size() && running.size() < jobs) {
      int fds[2];
      pid_t pid = -1;
      if (::pipe(fds) == 0) {
        pid = ::fork();
        if (pid < 0) ::close(fds[0]), ::close(fds[1]);
      }
      if (pid == 0) {
        ::close(fds[0]);
        const std::string out = Encode(GradeOne(base, lines[next].file, host));
        for (size_t at = 0; at < out.size();) {
          const ssize_t n = ::write(fds[1], out.data() + at, out.size() - at);
          if (n <= 0) break;
          at += static_cast<size_t>(n);
        }
        ::_exit(0);
      }
      if (pid < 0) {  // no process to spare: this one runs here
        lines[next].result = GradeOne(base, lines[next].file, host);
      } else {
        ::close(fds[1]);
        running.push_back({pid, fds[0], next});
      }
      ++next;
      continue;
    }
    finishOne();
  }
}

std::string CsvField(const std::string& text) {
  std::string s = "\"";
  for (char c : text) s += c == '"' ? std::string("\"\"") : std::string(1, c);
  return s + "\"";
}

int Grade(const std::vector<std::string>& args, Host& host) {
  TestRequest base;
  std::string csv;
  std::vector<std::string> given;
  for (size_t k = 0; k < args.size(); ++k) {
    const std::string& a = args[k];
    const bool more = k + 1 < args.size();
    if (a == "--csv" && more) {
      csv = args[++k];
    } else if (a == "--max-ticks" && more) {
      int v = 0;
      if (!ParseCliInt(args[++k], v) || v < 1) return UsageError("--max-ticks takes a positive number");
      base.maxTicks = v;
    } else if (a == "--seed" && more) {
      int v = 0;
      if (!ParseCliInt(args[++k], v) || v < 0) return UsageError("--seed takes a number of 0 or more");
      base.seed = static_cast<uint32_t>(v);
    } else if (a.rfind("--", 0) == 0) {
      return UsageError("unexpected argument " + a);
    } else if (base.target.empty()) {
      base.target = a;
    } else {
      given.push_back(a);
    }
  }
  int level = 0;
  if (base.target.empty() || given.empty()) return UsageError("usage: grade LEVEL FILE|FOLDER... [--csv OUT]");
  if (!ParseCliInt(base.target, level) || level < 0) return UsageError("the level is a number");

  std::vector<GradeLine> lines;
  for (const std::string& f : BrainFiles(given)) lines.push_back({f, {}});
  const unsigned jobs = std::max(1u, std::thread::hardware_concurrency());
  RunAll(base, lines, host, jobs);

  int passed = 0, failed = 0, errors = 0;
  std::string table = "file,verdict,caption,message,ticks\n";
  for (const GradeLine& l : lines) {
    const TestResult& r = l.result;
    const std::string message = r.status == TestResult::Error ? r.error : r.message;
    passed += r.status == TestResult::Passed;
    failed += r.status == TestResult::Failed;
    errors += r.status == TestResult::Error;
    std::printf("{\"file\":%s,\"verdict\":\"%s\",\"caption\":%s,\"message\":%s,\"ticks\":%d}\n",
                JsonString(l.file).c_str(), VerdictWord(r.status), JsonString(r.caption).c_str(),
                JsonString(message).c_str(), r.ticks);
    table += CsvField(l.file) + "," + VerdictWord(r.status) + "," + CsvField(r.caption) + "," + CsvField(message) +
             "," + std::to_string(r.ticks) + "\n";
  }
  std::printf("{\"passed\":%d,\"failed\":%d,\"errors\":%d}\n", passed, failed, errors);
  std::fflush(stdout);
  if (!csv.empty() && !WriteFileAtomic(csv, table)) {
    host.Message("Couldn't write " + csv, "Grade Error");
    return ExitUsage;
  }
  return errors > 0 ? ExitUsage : failed > 0 ? ExitFailed : ExitOk;
}

}  // namespace

QUORBIT_CLI_COMMAND(grade, "grade", "grade LEVEL FILE|FOLDER... [--csv OUT] [--max-ticks M] [--seed N]", Grade);
