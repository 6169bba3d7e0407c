#pragma once
// Little-endian readers and writers for the binary formats. The reader never reads past
// its buffer: a short read sets the failed flag and yields zeros.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

class ByteReader {
 public:
  ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  explicit ByteReader(const std::vector<uint8_t>& bytes) : ByteReader(bytes.data(), bytes.size()) {}

  bool failed() const { return failed_; }
  size_t position() const { return pos_; }
  size_t remaining() const { return size_ - pos_; }
  bool atEnd() const { return pos_ >= size_; }

  uint8_t u8();
  int32_t i32();
  uint32_t u32();
  int16_t i16();
  uint16_t u16();
  float f32();
  // Copies n bytes out; fails (and copies nothing) when fewer remain.
  bool bytes(void* out, size_t n);
  bool skip(size_t n);
  void seek(size_t pos);

 private:
  bool need(size_t n);
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
  bool failed_ = false;
};

class ByteWriter {
 public:
  void u8(uint8_t v) { out_.push_back(v); }
  void u16(uint16_t v);
  void i16(int16_t v) { u16(static_cast<uint16_t>(v)); }
  void u32(uint32_t v);
  void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }
  void f32(float v);
  void bytes(const void* data, size_t n);
  void text(const std::string& s) { bytes(s.data(), s.size()); }
  void patchU32(size_t at, uint32_t v);
  size_t size() const { return out_.size(); }
  const std::vector<uint8_t>& data() const { return out_; }
  std::vector<uint8_t>& data() { return out_; }

 private:
  std::vector<uint8_t> out_;
};
