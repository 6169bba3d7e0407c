#pragma once
// A picture set: frames of run-length coded pixels with a depth byte each, one collision
// boundary per frame, and the frames' shadows. Loaded from "pics\NAME.cmp" and
// "pics\NAME.shd"; every count and size in those files is checked before use.
#include <cstdint>
#include <string>
#include <vector>

enum BoundaryKind { NoBoundary = 0, PolygonBoundary = 1, CircleBoundary = 2 };

// The boundary record of a frame, relative to the sprite's position.
struct TPicBoundary {
  int kind = NoBoundary;
  float px[4] = {0, 0, 0, 0};
  float py[4] = {0, 0, 0, 0};
  float radius = 0;
  float bottom = 0, top = 0;
};

// One shadow entry: a column of checkerboard pixels starting at a row, painted where the
// depth buffer lies in [low, high), the window dropping by one every second row.
struct TShadowEntry {
  uint8_t column, row, low, high;
};

// A drawn row of a frame: where its (depth, colour) pairs start in the frame data.
struct TFrameRow {
  int16_t row;
  uint8_t first, last;
  uint32_t offset;
};

struct TPicFrame {
  std::vector<uint8_t> data;  // as stored: four bounds bytes, then row records
  int left = 0, top = 0, right = -1, bottom = -1;
  std::vector<TFrameRow> rows;  // the non-empty rows, clipped to the frame rectangle
  TPicBoundary boundary;
  int shadowCount = 0;
  std::vector<TShadowEntry> shadow;
};

class TPic {
 public:
  // Frames larger than this are refused: the save-under buffers are width x height.
  static constexpr int MaxFrameSide = 2048;
  static constexpr int MaxNameLength = 79;

  // Reads "pics\NAME.cmp" then "pics\NAME.shd"; on failure sets error and errorText and
  // keeps what was read so far.
  bool load(const std::string& setName);
  // The same from bytes in memory; a missing file is passed as null.
  bool decode(const std::string& setName, const std::vector<uint8_t>* cmp,
              const std::vector<uint8_t>* shd);

  int count() const { return static_cast<int>(frames.size()); }
  bool hasFrame(int f) const { return f >= 0 && f < count(); }

  std::string name;
  std::string errorText;
  bool error = false;
  int frameCount = 0;
  int frameWidth = 0, frameHeight = 0;
  int hotspotX = 0, hotspotY = 0;
  std::vector<TPicFrame> frames;

 private:
  bool fail(const std::string& text);
  bool decodeCmp(const std::vector<uint8_t>& bytes);
  bool decodeShd(const std::vector<uint8_t>& bytes);
};

// Splits a frame's data into its drawn rows; rows that overrun the data end the frame
// there, and pixels outside the frame rectangle are cut off.
void IndexFrameRows(TPicFrame& frame, int frameWidth, int frameHeight);
