// quorbit-assets OUTDIR: writes the generated content into the data folder.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "AssetSink.h"
#include "bodies/PaletteFile.h"
#include "platform/BmpFile.h"
#include "platform/Files.h"

std::vector<std::pair<const char*, AssetGenerator>>& AssetGenerators() {
  static std::vector<std::pair<const char*, AssetGenerator>> list;
  return list;
}

void AssetSink::Write(const std::string& path, const std::vector<uint8_t>& bytes) {
  namespace fs = std::filesystem;
  fs::path target = fs::path(folder_) / NativePath(path);
  std::error_code ec;
  fs::create_directories(target.parent_path(), ec);
  auto old = ReadFileBytes(target.string());
  if (old && *old == bytes) return;
  if (!WriteFileAtomic(target.string(), bytes)) {
    std::fprintf(stderr, "quorbit-assets: cannot write %s\n", target.string().c_str());
    failed_ = true;
    return;
  }
  ++written_;
}

void AssetSink::WriteBmp(const std::string& path, const IndexedImage& image) {
  IndexedImage copy = image;
  copy.palette = palette_;
  Write(path, EncodeBmp(copy));
}

int main(int argc, char** argv) {
  if (argc != 2 || std::strcmp(argv[1], "--help") == 0) {
    std::printf("usage: quorbit-assets OUTDIR\nWrites the generated pictures, sounds and movies.\n");
    return argc == 2 ? 0 : 2;
  }
  AssetSink sink(argv[1], QuorbitPalette());
  sink.Write("quorbit.pal", EncodePalette(sink.palette()));
  auto generators = AssetGenerators();
  std::sort(generators.begin(), generators.end(),
            [](const auto& a, const auto& b) { return std::strcmp(a.first, b.first) < 0; });
  for (const auto& [name, fn] : generators) fn(sink);
  std::printf("quorbit-assets: %d files written\n", sink.written());
  return sink.failed() ? 1 : 0;
}
