#pragma once
// The shared palette file "quorbit.pal": a RIFF palette of 256 four-byte entries.
#include <optional>
#include <string>
#include <vector>

#include "platform/IndexedImage.h"

// Skips the 24-byte header and reads 256 entries of red, green, blue and an unused byte.
// Nothing when the bytes are too few.
std::optional<Palette> DecodePalette(const std::vector<uint8_t>& bytes);
std::optional<Palette> LoadPalette(const std::string& path);
std::vector<uint8_t> EncodePalette(const Palette& palette);
