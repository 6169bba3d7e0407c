#pragma once
// Where generators put their content. Each generator file registers itself, so new
// content is a new file and main stays as it is.
#include <functional>
#include <string>
#include <vector>

#include "platform/IndexedImage.h"

class AssetSink {
 public:
  AssetSink(std::string folder, const Palette& palette) : folder_(std::move(folder)), palette_(palette) {}
  const Palette& palette() const { return palette_; }
  // Path as the program names it ("wavs\bell.wav"); folders are made as needed. Writes
  // only when the bytes differ, so an unchanged file keeps its time.
  void Write(const std::string& path, const std::vector<uint8_t>& bytes);
  void WriteBmp(const std::string& path, const IndexedImage& image);
  int written() const { return written_; }
  bool failed() const { return failed_; }

 private:
  std::string folder_;
  Palette palette_;
  int written_ = 0;
  bool failed_ = false;
};

using AssetGenerator = void (*)(AssetSink&);
std::vector<std::pair<const char*, AssetGenerator>>& AssetGenerators();

struct AssetRegistration {
  AssetRegistration(const char* name, AssetGenerator fn) { AssetGenerators().emplace_back(name, fn); }
};
#define QUORBIT_ASSETS(name, fn) static const AssetRegistration registration_##name(#name, fn)

// The program's one palette.
Palette QuorbitPalette();
