#include "platform/BmpFile.h"

#include "platform/ByteIO.h"
#include "platform/Files.h"

namespace {
bool Fail(std::string* error, const char* why) {
  if (error) *error = why;
  return false;
}
}  // namespace

std::optional<IndexedImage> DecodeBmp(const std::vector<uint8_t>& bytes, std::string* error) {
  ByteReader in(bytes);
  if (in.u8() != 'B' || in.u8() != 'M') return Fail(error, "not a bitmap file"), std::nullopt;
  in.skip(8);
  uint32_t dataOffset = in.u32();
  uint32_t headerSize = in.u32();
  int32_t width = in.i32(), height = in.i32();
  in.u16();
  int bits = in.u16();
  uint32_t compression = in.u32();
  in.skip(12);
  uint32_t colours = in.u32();
  if (in.failed() || headerSize < 40) return Fail(error, "bitmap header is damaged"), std::nullopt;
  if ((bits != 8 && bits != 4) || compression != 0)
    return Fail(error, "bitmap is not an uncompressed palette picture"), std::nullopt;
  bool topDown = height < 0;
  int64_t h = topDown ? -static_cast<int64_t>(height) : height;
  if (width <= 0 || h <= 0 || width > 16384 || h > 16384)
    return Fail(error, "bitmap size is out of range"), std::nullopt;
  if (colours == 0 || colours > (1u << bits)) colours = 1u << bits;
  Palette palette{};
  in.seek(14 + headerSize);
  for (uint32_t i = 0; i < colours; ++i) {
    uint8_t b = in.u8(), g = in.u8(), r = in.u8();
    in.u8();
    palette[i] = {r, g, b};
  }
  // The pixels must all be there before the picture is made: a few bytes claiming a huge
  // size must not cost a huge allocation.
  size_t stride = ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
  if (dataOffset > bytes.size() || stride * h > bytes.size() - dataOffset || in.failed())
    return Fail(error, "bitmap is truncated"), std::nullopt;
  IndexedImage image(width, static_cast<int>(h));
  image.palette = palette;
  for (int y = 0; y < h; ++y) {
    const uint8_t* src = bytes.data() + dataOffset + stride * y;
    uint8_t* dst = image.row(topDown ? y : static_cast<int>(h) - 1 - y);
    for (int x = 0; x < width; ++x)
      dst[x] = bits == 8 ? src[x] : static_cast<uint8_t>((src[x / 2] >> (x % 2 ? 0 : 4)) & 15);
  }
  return image;
}

std::optional<IndexedImage> LoadBmp(const std::string& path, std::string* error) {
  auto bytes = ReadFileBytes(path, 64u << 20);
  if (!bytes) {
    if (error) *error = "cannot open " + path;
    return std::nullopt;
  }
  return DecodeBmp(*bytes, error);
}

std::vector<uint8_t> EncodeBmp(const IndexedImage& image) {
  const int w = image.width(), h = image.height();
  const uint32_t stride = ((w + 3) / 4) * 4;
  const uint32_t offset = 14 + 40 + 1024;
  ByteWriter out;
  out.u8('B');
  out.u8('M');
  out.u32(offset + stride * h);
  out.u32(0);
  out.u32(offset);
  out.u32(40);
  out.i32(w);
  out.i32(h);
  out.u16(1);
  out.u16(8);
  out.u32(0);
  out.u32(stride * h);
  out.i32(2835);
  out.i32(2835);
  out.u32(256);
  out.u32(256);
  for (const Rgb& c : image.palette) {
    out.u8(c.b);
    out.u8(c.g);
    out.u8(c.r);
    out.u8(0);
  }
  for (int y = h - 1; y >= 0; --y) {
    out.bytes(image.row(y), w);
    for (uint32_t pad = w; pad < stride; ++pad) out.u8(0);
  }
  return out.data();
}
