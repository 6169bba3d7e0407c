#pragma once
// 8-bit palette bitmap files, the form of the gizmo sheets and room pictures.
#include <optional>
#include <string>
#include <vector>

#include "platform/IndexedImage.h"

// Reads an uncompressed 8-bit (or 4-bit) bitmap, bottom-up or top-down. Gives nothing
// and a reason for anything else or anything damaged.
std::optional<IndexedImage> DecodeBmp(const std::vector<uint8_t>& bytes, std::string* error = nullptr);
std::optional<IndexedImage> LoadBmp(const std::string& path, std::string* error = nullptr);
std::vector<uint8_t> EncodeBmp(const IndexedImage& image);
