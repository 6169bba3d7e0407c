#pragma once
// PNG images of 8-bit palette pictures, for people to look at what the program drew.
// Stored (uncompressed) deflate blocks keep the encoder small and dependency free.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/IndexedImage.h"

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0);
uint32_t Adler32(const uint8_t* data, size_t size);
// A palette PNG (colour type 3) of the picture with its palette.
std::vector<uint8_t> EncodePng(const IndexedImage& image);
bool WritePng(const std::string& path, const IndexedImage& image);
