#include "support/Fakes.h"

#include <filesystem>
#include <random>

#include "platform/IndexedImage.h"

void FakeText::DrawText(IndexedImage& image, int x, int y, const std::string& text, const TextStyle& style) {
  drawn.push_back(text);
  sizes.push_back(style.pointSize);
  for (size_t i = 0; i < text.size(); ++i) image.set(x + static_cast<int>(i) * 8, y, style.colour);
}

TempFolder::TempFolder() {
  std::random_device rd;
  auto base = std::filesystem::temp_directory_path();
  for (;;) {
    auto candidate = base / ("quorbit-test-" + std::to_string(rd()));
    if (std::filesystem::create_directory(candidate)) {
      path_ = candidate.string();
      return;
    }
  }
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
}
