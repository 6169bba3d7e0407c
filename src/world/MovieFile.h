#pragma once
// Movie files: a sequence of chunks holding palette-indexed frames, each frame with an
// optional wave sound. The reader takes any bytes: what makes no sense is left out.
#include <cstddef>
#include <cstdint>
#include <vector>

class IndexedImage;

// Chunk types of a movie file.
enum MovieChunk : uint32_t {
  ChunkFrameCount = 100,
  ChunkWidth = 110,
  ChunkHeight = 120,
  ChunkFrameIndex = 200,
  ChunkFrame = 500,
  ChunkWave = 600,
  ChunkSoundMode = 610,
};

// How a frame's data is decoded and put onto the view.
enum MovieFrameKind : int32_t {
  FrameRunLength = 0,     // copied
  FrameRunLengthXor = 1,  // XOR onto what is there
  FrameRowXor = 3,        // first row copied, every later row XOR the row above it
  FrameRaw = 4,           // copied
  FrameTableXor = 9,      // run-length, then table coded; XOR
  FrameTableCopy = 12,    // run-length, then table coded; copied
};

constexpr size_t MovieFrameHeaderSize = 32;
// More frame slots than any movie needs (over three minutes at 20 frames a second); a
// larger count is not accepted, so a hostile count cannot make the table grow.
constexpr int MovieMaxFrames = 4096;
constexpr int MovieSoundLoops = 1;

struct MovieFrame {
  bool hasPicture = false;
  int32_t delay = 0;  // milliseconds before the following frame
  int32_t x = 0, y = 0, width = 0, height = 0;
  int32_t kind = 0;
  std::vector<uint8_t> data;  // the frame record from byte 32
  std::vector<uint8_t> wave;  // a whole wave file image, or none
  int32_t soundMode = 0;
};

struct MovieData {
  int frameCount = 0;  // frames are numbered 0 to frameCount - 1
  int32_t width = 0, height = 0;
  std::vector<MovieFrame> frames;
  int lastFrame() const { return frameCount - 1; }
};

// Walks the chunks. A truncated chunk ends the walk; a frame index outside the table,
// a frame, wave or mode chunk before the frame count, or a short payload is ignored.
MovieData ParseMovie(const uint8_t* data, size_t size);
inline MovieData ParseMovie(const std::vector<uint8_t>& bytes) { return ParseMovie(bytes.data(), bytes.size()); }

// Run-length code: appends at most limit bytes to out, stopping at the end mark or at
// the end of the data.
void DecodeRunLength(const uint8_t* data, size_t size, size_t limit, std::vector<uint8_t>& out);
// Table code: appends at most limit bytes; false when the code is damaged (what was
// decoded before the damage stays in out).
bool DecodeTable(const std::vector<uint8_t>& coded, size_t limit, std::vector<uint8_t>& out);

struct MovieRect {
  int x = 0, y = 0, w = 0, h = 0;  // view pixels, rows from the top
  bool empty() const { return w <= 0 || h <= 0; }
};

// Where a frame lies in a view of the given size (rows from the top); empty when the
// frame has no picture or its rectangle does not fit the view.
MovieRect FrameRectInView(const MovieData& movie, const MovieFrame& frame, int viewWidth, int viewHeight);

// Decodes a frame onto the view. work holds the decoded bytes between calls (so a tick
// allocates nothing new); scratch is a second buffer for the table code. Gives the
// rectangle drawn, empty when nothing was.
MovieRect DrawMovieFrame(const MovieData& movie, const MovieFrame& frame, IndexedImage& view,
                         std::vector<uint8_t>& work, std::vector<uint8_t>& scratch);
