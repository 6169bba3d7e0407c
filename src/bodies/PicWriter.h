#pragma once
// Writes picture sets in the two files the reader takes (".cmp" frames and boundaries,
// ".shd" shadows). The content generator draws frames as colour and depth layers.
#include <cstdint>
#include <vector>

#include "bodies/Pic.h"

struct TPicSource {
  struct Frame {
    std::vector<uint8_t> colour;  // width x height, row by row
    std::vector<uint8_t> depth;   // 0 = transparent
    TPicBoundary boundary;
    std::vector<TShadowEntry> shadow;
  };
  // Frame sides are single bytes in the file, and 255 marks an empty row.
  static constexpr int MaxSide = 254;

  TPicSource(int w, int h, int hx, int hy) : width(w), height(h), hotspotX(hx), hotspotY(hy) {}
  Frame& addFrame();

  int width, height, hotspotX, hotspotY;
  std::vector<Frame> frames;
};

std::vector<uint8_t> EncodeFrameData(const TPicSource& set, const TPicSource::Frame& frame);
std::vector<uint8_t> EncodeCmp(const TPicSource& set);
std::vector<uint8_t> EncodeShd(const TPicSource& set);
