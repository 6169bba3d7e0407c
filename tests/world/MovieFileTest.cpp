#include <gtest/gtest.h>

#include <random>

#include "platform/ByteIO.h"
#include "platform/IndexedImage.h"
#include "world/MovieFile.h"
#include "world/MovieWriter.h"

namespace {
std::vector<uint8_t> Chunk(uint32_t type, std::vector<uint8_t> payload) {
  ByteWriter w;
  w.u32(type);
  w.u32(static_cast<uint32_t>(payload.size()));
  w.bytes(payload.data(), payload.size());
  return w.data();
}
std::vector<uint8_t> Word(int32_t v) {
  ByteWriter w;
  w.i32(v);
  return w.data();
}
std::vector<uint8_t> Record(int delay, int x, int y, int w, int h, int kind, std::vector<uint8_t> data) {
  ByteWriter r;
  for (int32_t v : {7, delay, 7, x, y, w, h, kind}) r.i32(v);
  r.bytes(data.data(), data.size());
  return r.data();
}
std::vector<uint8_t> Join(std::initializer_list<std::vector<uint8_t>> parts) {
  std::vector<uint8_t> out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}
std::vector<uint8_t> RandomBytes(std::mt19937& rng, size_t n, int spread) {
  std::vector<uint8_t> b(n);
  for (auto& v : b) v = static_cast<uint8_t>(rng() % spread);
  return b;
}

MovieRect Draw(const MovieData& movie, int frame, IndexedImage& view) {
  std::vector<uint8_t> work, scratch;
  return DrawMovieFrame(movie, movie.frames[frame], view, work, scratch);
}
}  // namespace

TEST(MovieCodes, RunLengthAndTableCodesRoundTripAnyBytes) {
  std::mt19937 rng(7);
  for (size_t n : {0u, 1u, 2u, 3u, 4u, 5u, 127u, 128u, 129u, 300u, 1001u}) {
    for (int spread : {1, 2, 256}) {
      std::vector<uint8_t> bytes = RandomBytes(rng, n, spread), out, table;
      DecodeRunLength(EncodeRunLength(bytes).data(), EncodeRunLength(bytes).size(), SIZE_MAX, out);
      EXPECT_EQ(out, bytes) << n << " " << spread;
      ASSERT_TRUE(DecodeTable(EncodeTable(bytes), SIZE_MAX, table));
      EXPECT_EQ(table, bytes) << n << " " << spread;
    }
  }
}

TEST(MovieCodes, RunLengthFollowsItsControlBytes) {
  // 3 x 'a', then 2 bytes as they are, then the end mark; what follows it is not read.
  const std::vector<uint8_t> coded = {3, 'a', 254, 'x', 'y', 0, 5, 'z'};
  std::vector<uint8_t> out;
  DecodeRunLength(coded.data(), coded.size(), SIZE_MAX, out);
  EXPECT_EQ(std::string(out.begin(), out.end()), "aaaxy");
  out.clear();
  DecodeRunLength(coded.data(), coded.size(), 4, out);
  EXPECT_EQ(out.size(), 4u);
  // A literal run that claims more bytes than are left gives what is there.
  const std::vector<uint8_t> cut = {200, 1, 2};
  out.clear();
  DecodeRunLength(cut.data(), cut.size(), SIZE_MAX, out);
  EXPECT_EQ(out, (std::vector<uint8_t>{1, 2}));
}

TEST(MovieCodes, DamagedTableCodeStopsWithoutReadingPastTheData) {
  ByteWriter w;
  w.u32(3);  // three units
  w.u8(2);   // two trailing bytes
  w.u8('t'), w.u8('u'), w.u8(0);
  w.u32(1);  // a table of one entry
  w.u32(0x64636261);  // "abcd"
  w.u8(0), w.u8(255), w.text("wxyz"), w.u8(0);
  std::vector<uint8_t> out;
  ASSERT_TRUE(DecodeTable(w.data(), SIZE_MAX, out));
  EXPECT_EQ(std::string(out.begin(), out.end()), "abcdwxyzabcdtu");

  std::vector<uint8_t> badIndex = w.data();
  badIndex[16] = 1;  // the first code picks a missing entry
  out.clear();
  EXPECT_FALSE(DecodeTable(badIndex, SIZE_MAX, out));
  std::vector<uint8_t> cut(w.data().begin(), w.data().end() - 3);
  out.clear();
  EXPECT_FALSE(DecodeTable(cut, SIZE_MAX, out));
  EXPECT_EQ(std::string(out.begin(), out.end()), "abcd");
  std::vector<uint8_t> hugeTable = w.data();
  hugeTable[8] = 0xff, hugeTable[9] = 0xff, hugeTable[10] = 0xff, hugeTable[11] = 0x7f;
  EXPECT_FALSE(DecodeTable(hugeTable, SIZE_MAX, out));
}

TEST(MovieFile, RowsAreStoredBottomUpFromTheMovieOrigin) {
  // A 4 x 2 movie in an 8 x 6 view: origin column 2, origin 2 rows above the bottom.
  const auto file = Join({Chunk(ChunkFrameCount, Word(2)), Chunk(ChunkWidth, Word(4)), Chunk(ChunkHeight, Word(2)),
                          Chunk(ChunkFrameIndex, Word(1)),
                          Chunk(ChunkFrame, Record(120, 1, 0, 2, 2, FrameRaw, {1, 2, 3, 4}))});
  MovieData movie = ParseMovie(file);
  ASSERT_EQ(movie.frameCount, 2);
  EXPECT_EQ(movie.frames[1].delay, 120);
  IndexedImage view(8, 6, 9);
  MovieRect r = Draw(movie, 1, view);
  EXPECT_EQ(r.x, 3);
  EXPECT_EQ(r.y, 2);
  EXPECT_EQ(view.at(3, 3), 1);  // first stored row: two rows above the bottom row
  EXPECT_EQ(view.at(4, 3), 2);
  EXPECT_EQ(view.at(3, 2), 3);
  EXPECT_EQ(view.at(4, 2), 4);
  EXPECT_EQ(view.at(2, 3), 9);
}

TEST(MovieFile, ExclusiveAndRowKindsWorkOnWhatIsThere) {
  auto movieOf = [](int kind, std::vector<uint8_t> data) {
    return ParseMovie(Join({Chunk(ChunkFrameCount, Word(2)), Chunk(ChunkWidth, Word(2)), Chunk(ChunkHeight, Word(2)),
                            Chunk(ChunkFrameIndex, Word(1)), Chunk(ChunkFrame, Record(0, 0, 0, 2, 2, kind, data))}));
  };
  IndexedImage view(2, 2, 0x0f);
  Draw(movieOf(FrameRunLengthXor, {4, 0x30, 0}), 1, view);
  EXPECT_EQ(view.pixels(), std::vector<uint8_t>(4, 0x3f));
  // Row-XOR: bottom row copied (5, 6); the row above is its data XOR the bottom row.
  Draw(movieOf(FrameRowXor, {252, 5, 6, 1, 2, 0}), 1, view);
  EXPECT_EQ(view.at(0, 1), 5);
  EXPECT_EQ(view.at(1, 1), 6);
  EXPECT_EQ(view.at(0, 0), 5 ^ 1);
  EXPECT_EQ(view.at(1, 0), 6 ^ 2);
  Draw(movieOf(FrameRunLength, {4, 8, 0}), 1, view);
  EXPECT_EQ(view.pixels(), std::vector<uint8_t>(4, 8));
  Draw(movieOf(77, {4, 1, 0}), 1, view);  // an unknown kind draws nothing
  EXPECT_EQ(view.pixels(), std::vector<uint8_t>(4, 8));
}

TEST(MovieFile, WriterRoundTripsEveryKind) {
  const int W = 24, H = 16;
  std::mt19937 rng(3);
  for (int kind : {0, 1, 3, 4, 9, 12}) {
    MovieWriter writer(W, H);
    std::vector<IndexedImage> pictures;
    for (int f = 0; f < 4; ++f) {
      IndexedImage p(W, H, 40);
      p.fillRect(2 + 3 * f, 4, 6, 5, static_cast<uint8_t>(100 + f));
      for (int i = 0; i < 10; ++i) p.set(rng() % W, rng() % H, static_cast<uint8_t>(rng()));
      writer.AddPicture(p, 100, kind);
      pictures.push_back(p);
    }
    EXPECT_EQ(writer.kindOf(2), kind);
    EXPECT_TRUE(writer.kindOf(1) != 1 && writer.kindOf(1) != 9);  // the first picture always copies
    MovieData movie = ParseMovie(writer.Bytes());
    ASSERT_EQ(movie.frameCount, 5);
    IndexedImage view(W + 10, H + 20, 0);
    for (int f = 1; f < movie.frameCount; ++f) {
      Draw(movie, f, view);
      EXPECT_EQ(view.crop(5, 10, W, H).pixels(), pictures[f - 1].pixels()) << "kind " << kind << " frame " << f;
    }
  }
}

TEST(MovieFile, InvalidChunksAreIgnored) {
  const auto frame = Chunk(ChunkFrame, Record(50, 0, 0, 1, 1, FrameRaw, {5}));
  // Frame and sound chunks before the frame count describe nothing.
  MovieData early = ParseMovie(Join({Chunk(ChunkFrameIndex, Word(0)), frame, Chunk(ChunkWave, {1, 2}),
                                     Chunk(ChunkFrameCount, Word(2))}));
  EXPECT_EQ(early.frameCount, 2);
  EXPECT_FALSE(early.frames[0].hasPicture);
  EXPECT_TRUE(early.frames[0].wave.empty());
  // An index outside the table deselects: what follows it is not applied anywhere.
  MovieData outside = ParseMovie(Join({Chunk(ChunkFrameCount, Word(2)), Chunk(ChunkFrameIndex, Word(1)),
                                       Chunk(ChunkFrameIndex, Word(2)), frame, Chunk(ChunkFrameIndex, Word(-1)), frame}));
  EXPECT_FALSE(outside.frames[0].hasPicture);
  EXPECT_FALSE(outside.frames[1].hasPicture);
  // A count beyond the limit, or a second count, is not taken.
  EXPECT_EQ(ParseMovie(Chunk(ChunkFrameCount, Word(MovieMaxFrames + 1))).frameCount, 0);
  EXPECT_EQ(ParseMovie(Join({Chunk(ChunkFrameCount, Word(3)), Chunk(ChunkFrameCount, Word(9))})).frameCount, 3);
  // A truncated chunk ends the walk; short payloads and short records are left out.
  auto whole = Join({Chunk(ChunkFrameCount, Word(2)), Chunk(ChunkFrameIndex, Word(1)), frame});
  whole.pop_back();
  EXPECT_FALSE(ParseMovie(whole).frames[1].hasPicture);
  MovieData shortOnes = ParseMovie(Join({Chunk(ChunkFrameCount, Word(2)), Chunk(ChunkWidth, {1, 2}),
                                         Chunk(ChunkFrameIndex, Word(1)), Chunk(ChunkFrame, std::vector<uint8_t>(31, 0))}));
  EXPECT_EQ(shortOnes.width, 0);
  EXPECT_FALSE(shortOnes.frames[1].hasPicture);
}

TEST(MovieFile, FramesThatDoNotFitTheViewAreNotDrawn) {
  for (auto [x, y, w, h] : {std::array{-1, 0, 2, 2}, {0, -1, 2, 2}, {3, 0, 2, 2}, {0, 3, 2, 2}, {0, 0, 5, 1},
                            {0x7fffffff, 0, 2, 2}, {0, 0, 0x7fffffff, 0x7fffffff}}) {
    MovieData movie = ParseMovie(Join({Chunk(ChunkFrameCount, Word(2)), Chunk(ChunkWidth, Word(4)),
                                       Chunk(ChunkHeight, Word(4)), Chunk(ChunkFrameIndex, Word(1)),
                                       Chunk(ChunkFrame, Record(0, x, y, w, h, FrameRaw, {1, 1, 1, 1}))}));
    IndexedImage view(4, 4, 0);
    EXPECT_TRUE(Draw(movie, 1, view).empty()) << x << " " << y << " " << w << " " << h;
    EXPECT_EQ(view.pixels(), std::vector<uint8_t>(16, 0));
  }
  // Origin: view centre minus half the movie; the frame at the movie's corner fits exactly.
  MovieData movie = ParseMovie(Join({Chunk(ChunkFrameCount, Word(2)), Chunk(ChunkWidth, Word(4)),
                                     Chunk(ChunkHeight, Word(4)), Chunk(ChunkFrameIndex, Word(1)),
                                     Chunk(ChunkFrame, Record(0, 2, 2, 2, 2, FrameRaw, {1, 1, 1, 1}))}));
  IndexedImage view(4, 4, 0);
  EXPECT_FALSE(Draw(movie, 1, view).empty());
  EXPECT_EQ(view.at(3, 0), 1);
}

TEST(MovieFile, GarbageNeverCrashes) {
  std::mt19937 rng(11);
  IndexedImage view(64, 48, 0);
  std::vector<uint8_t> work, scratch;
  for (int round = 0; round < 300; ++round) {
    auto bytes = Join({Chunk(ChunkFrameCount, Word(1 + rng() % 5)), RandomBytes(rng, rng() % 400, 256)});
    for (size_t i = 8; i + 4 < bytes.size(); i += 4 + rng() % 9) bytes[i] = static_cast<uint8_t>(rng() % 2 ? 200 : 500 & 255);
    MovieData movie = ParseMovie(bytes);
    for (const MovieFrame& f : movie.frames) DrawMovieFrame(movie, f, view, work, scratch);
    EXPECT_LE(work.size(), size_t(64 * 48));
  }
}
