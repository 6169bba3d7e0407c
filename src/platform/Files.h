#pragma once
// File helpers shared by every reader and writer.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Maps a data path written with "\" (as the content names them) to this platform's form.
std::string NativePath(const std::string& path);

// Reads a whole file; nothing when it cannot be opened or read. Files larger than
// maxBytes are refused, so a hostile file cannot exhaust memory.
std::optional<std::vector<uint8_t>> ReadFileBytes(const std::string& path,
                                                  size_t maxBytes = 256u << 20);
std::optional<std::string> ReadFileText(const std::string& path, size_t maxBytes = 64u << 20);

// Writes to a temporary file beside the target and renames it into place only when the
// whole file was written, so a failed save never loses the old file.
bool WriteFileAtomic(const std::string& path, const void* data, size_t size);
bool WriteFileAtomic(const std::string& path, const std::string& text);
inline bool WriteFileAtomic(const std::string& path, const std::vector<uint8_t>& bytes) {
  return WriteFileAtomic(path, bytes.data(), bytes.size());
}

bool FileExists(const std::string& path);
// Before a save replaces an existing file: asks (caption = the dialog's title) and answers
// whether it may. Without a way to ask, an existing file is kept.
bool MayReplaceFile(class IMessages* messages, const std::string& path, const std::string& caption);
bool FolderWritable(const std::string& folder);
// Splits text into lines, accepting CR LF, LF or CR line ends.
std::vector<std::string> SplitLines(const std::string& text);
// Names of the files in a folder matching "*.ext" (case-insensitive), in directory order.
std::vector<std::string> ListFiles(const std::string& folder, const std::string& extension);
