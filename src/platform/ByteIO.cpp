#include "platform/ByteIO.h"

bool ByteReader::need(size_t n) {
  if (failed_ || n > size_ - pos_) {
    failed_ = true;
    return false;
  }
  return true;
}

uint8_t ByteReader::u8() { return need(1) ? data_[pos_++] : 0; }

uint16_t ByteReader::u16() {
  if (!need(2)) return 0;
  uint16_t v = static_cast<uint16_t>(data_[pos_] | (data_[pos_ + 1] << 8));
  pos_ += 2;
  return v;
}

int16_t ByteReader::i16() { return static_cast<int16_t>(u16()); }

uint32_t ByteReader::u32() {
  if (!need(4)) return 0;
  uint32_t v = static_cast<uint32_t>(data_[pos_]) | (static_cast<uint32_t>(data_[pos_ + 1]) << 8) |
               (static_cast<uint32_t>(data_[pos_ + 2]) << 16) |
               (static_cast<uint32_t>(data_[pos_ + 3]) << 24);
  pos_ += 4;
  return v;
}

int32_t ByteReader::i32() { return static_cast<int32_t>(u32()); }

float ByteReader::f32() {
  uint32_t bits = u32();
  float f;
  std::memcpy(&f, &bits, sizeof f);
  return f;
}

bool ByteReader::bytes(void* out, size_t n) {
  if (!need(n)) return false;
  if (n) std::memcpy(out, data_ + pos_, n);
  pos_ += n;
  return true;
}

bool ByteReader::skip(size_t n) {
  if (!need(n)) return false;
  pos_ += n;
  return true;
}

void ByteReader::seek(size_t pos) {
  if (pos > size_) {
    failed_ = true;
    pos_ = size_;
  } else {
    pos_ = pos;
  }
}

void ByteWriter::u16(uint16_t v) {
  out_.push_back(static_cast<uint8_t>(v));
  out_.push_back(static_cast<uint8_t>(v >> 8));
}

void ByteWriter::u32(uint32_t v) {
  for (int i = 0; i < 4; ++i) out_.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void ByteWriter::f32(float v) {
  uint32_t bits;
  std::memcpy(&bits, &v, sizeof bits);
  u32(bits);
}

void ByteWriter::bytes(const void* data, size_t n) {
  const auto* p = static_cast<const uint8_t*>(data);
  out_.insert(out_.end(), p, p + n);
}

void ByteWriter::patchU32(size_t at, uint32_t v) {
  for (int i = 0; i < 4 && at + i < out_.size(); ++i) out_[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
