#include "bodies/PaletteFile.h"

#include "platform/ByteIO.h"
#include "platform/Files.h"

std::optional<Palette> DecodePalette(const std::vector<uint8_t>& bytes) {
  ByteReader in(bytes);
  in.skip(24);
  Palette palette{};
  for (Rgb& c : palette) {
    c.r = in.u8();
    c.g = in.u8();
    c.b = in.u8();
    in.u8();
  }
  if (in.failed()) return std::nullopt;
  return palette;
}

std::optional<Palette> LoadPalette(const std::string& path) {
  auto bytes = ReadFileBytes(path, 1u << 20);
  if (!bytes) return std::nullopt;
  return DecodePalette(*bytes);
}

std::vector<uint8_t> EncodePalette(const Palette& palette) {
  ByteWriter out;
  out.text("RIFF");
  out.u32(4 + 8 + 4 + 1024);
  out.text("PAL data");
  out.u32(4 + 1024);
  out.u16(0x300);
  out.u16(256);
  for (const Rgb& c : palette) {
    out.u8(c.r);
    out.u8(c.g);
    out.u8(c.b);
    out.u8(0);
  }
  return out.data();
}
