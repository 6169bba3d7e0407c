#include "platform/Files.h"

#include <fcntl.h>
#include <signal.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "platform/FilesProbe.h"
#include "platform/Host.h"

namespace fs = std::filesystem;

std::string NativePath(const std::string& path) {
  std::string out = path;
  std::replace(out.begin(), out.end(), '\\', static_cast<char>(fs::path::preferred_separator));
  // "pics//fixed.lst" and the like: collapse doubled separators.
  std::string collapsed;
  for (char c : out) {
    if (c == '/' && !collapsed.empty() && collapsed.back() == '/') continue;
    collapsed.push_back(c);
  }
  return collapsed;
}

std::optional<std::vector<uint8_t>> ReadFileBytes(const std::string& path, size_t maxBytes) {
  std::ifstream in(NativePath(path), std::ios::binary);
  if (!in) return std::nullopt;
  in.seekg(0, std::ios::end);
  std::streamoff size = in.tellg();
  if (size < 0 || static_cast<uint64_t>(size) > maxBytes) return std::nullopt;
  in.seekg(0, std::ios::beg);
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), size)) return std::nullopt;
  return bytes;
}

std::optional<std::string> ReadFileText(const std::string& path, size_t maxBytes) {
  auto bytes = ReadFileBytes(path, maxBytes);
  if (!bytes) return std::nullopt;
  return std::string(bytes->begin(), bytes->end());
}

namespace {
WriteFileProbe probe;

int Probe(WriteStep step, size_t written) { return probe.step ? probe.step(step, written) : 0; }

bool WriteAll(int fd, const char* data, size_t size) {
  const size_t chunk = probe.chunkBytes ? probe.chunkBytes : size_t{1} << 20;
  size_t done = 0;
  while (done < size) {
    const ssize_t n = ::write(fd, data + done, std::min(chunk, size - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    done += static_cast<size_t>(n);
    if (int e = Probe(WriteStep::Wrote, done)) {
      errno = e;
      return false;
    }
  }
  return true;
}

// The folder's entry for the renamed file reaches the disk too; best effort.
void SyncFolderOf(const std::string& target) {
  std::string folder = fs::path(target).parent_path().string();
  if (folder.empty()) folder = ".";
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// A save killed before its rename leaves its temporary file, named with its process
// number: the next save of the same file clears those whose process is gone.
void RemoveDeadTemps(const std::string& target) {
  const fs::path path(target);
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  const std::string prefix = path.filename().string() + ".tmp";
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.size() <= prefix.size() || name.size() > prefix.size() + 9 || name.compare(0, prefix.size(), prefix) != 0)
      continue;
    const std::string digits = name.substr(prefix.size());
    if (digits.find_first_not_of("0123456789") != std::string::npos) continue;
    const pid_t pid = static_cast<pid_t>(std::stol(digits));
    if (pid <= 0 || pid == ::getpid() || ::kill(pid, 0) == 0 || errno != ESRCH) continue;
    std::error_code ignored;
    fs::remove(it->path(), ignored);
  }
}
}  // namespace

void SetWriteFileProbe(WriteFileProbe p) { probe = p; }

// On failure errno tells why: the temporary file could not be made (EACCES, EROFS, ...)
// or the data did not reach the disk (ENOSPC, EIO, ...).
bool WriteFileAtomic(const std::string& path, const void* data, size_t size) {
  const std::string target = NativePath(path);
  const std::string temp = target + ".tmp" + std::to_string(::getpid());
  const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  // The data is on the disk before the rename makes it the file: a crash or power cut
  // leaves the old file or the whole new one, never an empty or torn one.
  int failure = 0;
  if (int e = Probe(WriteStep::Opened, 0)) failure = e;
  if (!failure && !WriteAll(fd, static_cast<const char*>(data), size)) failure = errno;
  if (!failure && ::fsync(fd) != 0) failure = errno;
  if (!failure) failure = Probe(WriteStep::Synced, size);
  if (::close(fd) != 0 && !failure) failure = errno;
  if (!failure && ::rename(temp.c_str(), target.c_str()) != 0) failure = errno;
  if (failure) {
    ::unlink(temp.c_str());
    errno = failure;
    return false;
  }
  SyncFolderOf(target);
  Probe(WriteStep::Renamed, size);
  RemoveDeadTemps(target);
  return true;
}

bool WriteFileAtomic(const std::string& path, const std::string& text) {
  return WriteFileAtomic(path, text.data(), text.size());
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(NativePath(path), ec);
}

bool MayReplaceFile(IMessages* messages, const std::string& path, const std::string& caption) {
  std::error_code ec;
  if (!fs::exists(fs::path(path), ec)) return true;
  if (!messages) return false;
  const std::string name = fs::path(path).filename().string();
  return messages->AskYesNo(name + " already exists.\nDo you want to replace it?", caption) == Answer::Yes;
}

bool FolderWritable(const std::string& folder) {
  std::string dir = folder.empty() ? "." : NativePath(folder);
  return ::access(dir.c_str(), W_OK) == 0;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      line.push_back(c);
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

std::vector<std::string> ListFiles(const std::string& folder, const std::string& extension) {
  std::vector<std::string> names;
  std::error_code ec;
  std::string want = extension;
  std::transform(want.begin(), want.end(), want.begin(), ::tolower);
  for (const auto& entry : fs::directory_iterator(NativePath(folder), ec)) {
    if (!entry.is_regular_file(ec)) continue;
    std::string ext = entry.path().extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(), ::tolower);
    if (ext == want) names.push_back(entry.path().filename().string());
  }
  return names;
}
