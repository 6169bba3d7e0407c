#include "brain/BoardDraw.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "brain/BoardFixture.h"
#include "brain/BoardSample.h"
#include "platform/PngFile.h"

namespace {

// Every tile filled with its own colour (tile number mod 256); tile 9 only on its left
// half, tile 13 only on one pixel in each 4 x 4 block.
std::shared_ptr<const BoardTileSet> PlainTiles() {
  IndexedImage pic(TileSheetWidth, TileSheetHeight), mask(TileSheetWidth, TileSheetHeight);
  for (int t = 0; t < TileCount; ++t)
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x) {
        const int px = (t % 16) * 16 + x, py = (t / 16) * 16 + y;
        pic.set(px, py, static_cast<uint8_t>(t));
        bool drawn = true;
        if (t == 9) drawn = x < 8;
        if (t == 13) drawn = x % 4 == 0 && y % 4 == 0;
        mask.set(px, py, drawn ? 15 : 0);
      }
  return BoardTileSet::Cut(pic, mask);
}

class BoardDrawTest : public BoardTest {
 protected:
  void SetUp() override {
    board.visible = true;
    draw = std::make_unique<BoardDraw>(board, PlainTiles());
    draw->SetViewSize(160, 128);
    draw->UpdateScrollRanges();
    draw->blockTransfer = [this](int x, int y, int w, int h) { blocks.push_back({x, y, w, h}); };
  }
  uint8_t At(int px, int py) const { return draw->image().at(px, py); }
  std::unique_ptr<BoardDraw> draw;
  struct Block {
    int x, y, w, h;
  };
  std::vector<Block> blocks;
};

TEST(BoardTileSet, RefusesSheetsOfTheWrongSizeAndKeepsThinShapesWhenReduced) {
  EXPECT_EQ(BoardTileSet::Cut(IndexedImage(256, 287), IndexedImage(256, 288)), nullptr);
  EXPECT_EQ(BoardTileSet::Cut(IndexedImage(256, 288), IndexedImage(255, 288)), nullptr);
  auto tiles = PlainTiles();
  ASSERT_TRUE(tiles);
  // A pixel is kept where a quarter of its block is drawn.
  EXPECT_TRUE(tiles->Opaque(13, 8, 2, 2));
  EXPECT_FALSE(tiles->Opaque(13, 8, 3, 2));
  EXPECT_FALSE(tiles->Opaque(13, 4, 1, 1));
  EXPECT_TRUE(tiles->Opaque(9, 4, 1, 0));
  EXPECT_FALSE(tiles->Opaque(9, 4, 3, 0));
  EXPECT_EQ(tiles->Pixel(100, 4, 3, 3), 100);
}

TEST(BoardGlyphs, DigitsAndMinusSitInUnusedTiles) {
  int tile, x;
  ASSERT_TRUE(Glyph::Locate('7', true, tile, x));
  EXPECT_EQ(tile, 58);
  EXPECT_EQ(x, 12);
  ASSERT_TRUE(Glyph::Locate('-', false, tile, x));
  EXPECT_EQ(tile, 91);
  EXPECT_EQ(x, 8);
  EXPECT_FALSE(Glyph::Locate(' ', true, tile, x));
  EXPECT_TRUE(DarkDigitsOn(127) && DarkDigitsOn(191) && DarkDigitsOn(176));
  EXPECT_FALSE(DarkDigitsOn(175) || DarkDigitsOn(159));
}

TEST_F(BoardDrawTest, BackgroundShowsFrameCellsAndTheSelection) {
  board.selLeft = 3, board.selTop = 2, board.selRight = 5, board.selBottom = 4;
  draw->Paint();
  EXPECT_EQ(At(0, 0), 132);
  EXPECT_EQ(At(40, 0), 133);
  EXPECT_EQ(At(0, 40), 148);
  EXPECT_EQ(At(24, 24), Tile::Cell);
  EXPECT_EQ(At(3 * 16 + 5, 4 * 16 + 5), Tile::SelectedCell);
  EXPECT_EQ(At(6 * 16 + 5, 4 * 16 + 5), Tile::Cell);
  ASSERT_EQ(blocks.size(), 1u);
  EXPECT_EQ(blocks[0].w, 160);
  // The far frame, scrolled into view.
  draw->Scroll(1000, 1000);
  draw->Paint();
  EXPECT_EQ(draw->scrollX(), 100 - 160 / 16);
  EXPECT_EQ(At(159, 127 - 16 - 8), 150);
}

TEST_F(BoardDrawTest, StackDrawsFromTailToHeadThroughMasks) {
  board.AddPic(2, 2, PicLineSeg, 0, 30);   // tail
  board.AddPic(2, 2, PicLineSeg, 1, 9);    // head: left half only
  draw->Paint();
  EXPECT_EQ(At(32 + 2, 32 + 2), 9);
  EXPECT_EQ(At(32 + 12, 32 + 2), 30);
  // At 8 pixels a cell the same cell sits at (16, 16).
  draw->SetCellSize(8);
  draw->Paint();
  EXPECT_EQ(At(16 + 1, 16 + 1), 9);
  EXPECT_EQ(At(16 + 6, 16 + 1), 30);
  draw->SetCellSize(4);
  draw->Paint();
  EXPECT_EQ(At(8 + 0, 8 + 0), 9);
  EXPECT_EQ(At(8 + 3, 8 + 0), 30);
}

TEST_F(BoardDrawTest, SnooperEndsTheWalkAndPrintsItsValue) {
  board.AddPic(4, 3, PicLineSeg, 0, 30);
  const int s = board.AddSnooper(4, 3);
  board.snoopers[s].lastValue = -7;
  board.AddPic(4, 3, PicLineSeg, 1, 40);  // would go on top, but the snooper stops the walk
  draw->Paint();
  const int px = 4 * 16, py = 3 * 16;
  // "  -7": blanks keep the tile, the digits are dark on white (191).
  EXPECT_EQ(At(px + 1, py + 8), 191);
  EXPECT_NE(At(px + 14, py + 1), 40);
  int glyphTile, gx;
  Glyph::Locate('7', true, glyphTile, gx);
  EXPECT_EQ(At(px + 12, py + 5), static_cast<uint8_t>(glyphTile));  // the plain sheet's glyph tile colour
  // Value display off: only the tile.
  board.snoopers[s].monitor = false;
  draw->Paint();
  EXPECT_EQ(At(px + 12, py + 5), 191);
}

TEST_F(BoardDrawTest, TextGoesThroughTheTextSeamAtFullSizeOnly) {
  board.AddPic(3, 3, PicText, 'A' * 256 + 'b', Tile::TextCell);
  draw->Paint();
  ASSERT_EQ(fake.text.drawn.size(), 2u);
  EXPECT_EQ(fake.text.drawn[0], "A");
  EXPECT_EQ(fake.text.drawn[1], "b");
  EXPECT_EQ(At(3 * 16, 3 * 16), 0);      // FakeText marks the left character's spot black
  EXPECT_EQ(At(3 * 16 + 8, 3 * 16), 0);  // and the right one's
  EXPECT_EQ(At(3 * 16 + 4, 3 * 16 + 4), Tile::TextCell);
  // Inside the selection the text cell shows the selected text tile.
  board.selLeft = 2, board.selTop = 2, board.selRight = 4, board.selBottom = 4;
  draw->Paint();
  EXPECT_EQ(At(3 * 16 + 4, 3 * 16 + 4), Tile::SelectedText);
  fake.text.drawn.clear();
  draw->SetCellSize(8);
  draw->Paint();
  EXPECT_TRUE(fake.text.drawn.empty());
}

TEST_F(BoardDrawTest, StepRepaintsOnlyDirtyVisibleCellsOneBlockEach) {
  draw->Paint();
  blocks.clear();
  board.AddPic(5, 5, PicLineSeg, 0, 30);
  board.AddPic(50, 50, PicLineSeg, 1, 30);  // off screen
  board.Step(false);
  ASSERT_EQ(blocks.size(), 1u);
  EXPECT_EQ(blocks[0].x, 80);
  EXPECT_EQ(blocks[0].y, 80);
  EXPECT_EQ(blocks[0].w, 16);
  EXPECT_EQ(At(85, 85), 30);
  blocks.clear();
  board.Step(false);
  EXPECT_TRUE(blocks.empty());
  // A hidden board draws nothing.
  board.visible = false;
  board.AddPic(6, 5, PicLineSeg, 2, 31);
  board.Step(false);
  EXPECT_TRUE(blocks.empty());
}

TEST_F(BoardDrawTest, ScrollRangesFollowTheCellSize) {
  ScrollRanges r = draw->UpdateScrollRanges();
  EXPECT_EQ(r.horizontalMax, 100 - 160 / 16);
  EXPECT_EQ(r.verticalMax, 100 - (128 + 16) / 16);
  EXPECT_EQ(r.horizontalPage, 5);
  EXPECT_EQ(r.verticalPage, 4);
  EXPECT_TRUE(r.shown);
  draw->Scroll(40, 30);
  draw->SetCellSize(4);
  r = draw->UpdateScrollRanges();
  EXPECT_EQ(r.horizontalMax, 60);
  EXPECT_EQ(r.verticalMax, 100 - 144 / 4);
  // A panel wider and taller than the whole board at 4 pixels hides both bars.
  draw->SetViewSize(420, 400);
  r = draw->UpdateScrollRanges();
  EXPECT_EQ(r.horizontalMax, 0);
  EXPECT_EQ(r.verticalMax, 0);
  EXPECT_FALSE(r.shown);
  EXPECT_EQ(draw->scrollX(), 0);
  EXPECT_EQ(draw->scrollY(), 0);
  // Scrolling marks the cells now in view dirty.
  draw->Paint();
  draw->Scroll(0, 0);
  EXPECT_TRUE(board.Cell(3, 3)->dirty);
}

TEST_F(BoardDrawTest, FailuresAreReportedAndMarkTheBoardBroken) {
  EXPECT_FALSE(draw->SetViewSize(0, 100));
  ASSERT_EQ(fake.messages.shown.size(), 1u);
  EXPECT_EQ(fake.messages.shown[0], (ShownMessage{"CreateDibSection failed", "Error"}));
  EXPECT_TRUE(board.broken);
  TBrainBoard orphan(fake.host());
  BoardDraw noTiles(orphan, nullptr);
  EXPECT_EQ(fake.messages.shown.back(), (ShownMessage{"Can't get parent", "Board cast error"}));
  EXPECT_TRUE(orphan.broken);
  orphan.visible = true;
  noTiles.Paint();  // draws nothing, and does not crash
}

// The generated sheet: the sample brain at every cell size, written as pictures to look at
// (into QUORBIT_PNG_DIR when set).
TEST_F(BoardTest, GeneratedSheetDrawsAWiredBrainWithJoinedLines) {
  auto tiles = BuildTileSet(QUORBIT_TEST_DATA_DIR);
  ASSERT_TRUE(tiles);
  board.visible = true;
  BoardDraw draw(board, tiles);
  draw.SetViewSize(20 * 16, 15 * 16);
  const SampleBrain s = BuildSampleBrain(board);
  ASSERT_FALSE(board.broken);
  const char* dir = std::getenv("QUORBIT_PNG_DIR");
  TempFolder temp;
  for (int size : {16, 8, 4}) {
    draw.SetCellSize(size);
    draw.Paint();
    IndexedImage shot = draw.image();
    auto pic = LoadBmp(std::string(QUORBIT_TEST_DATA_DIR) + "/pics/brain/allpic.bmp");
    shot.palette = pic->palette;
    const std::string name = (dir ? std::string(dir) : temp.path()) + "/board" + std::to_string(size) + ".png";
    EXPECT_TRUE(WritePng(name, shot));
    if (dir && size == 16) {  // three times larger, to look at the pixels
      IndexedImage big(shot.width() * 3, shot.height() * 3);
      big.stretchBlit(shot, 0, 0, shot.width(), shot.height(), 0, 0, big.width(), big.height());
      big.palette = shot.palette;
      WritePng(std::string(dir) + "/board16x3.png", big);
    }
  }
  // At 16 pixels the straight route from A to B's turn runs unbroken along row 4's middle.
  draw.SetCellSize(16);
  draw.Paint();
  const uint8_t line = draw.image().at(10 * 16 + 8, 4 * 16 + 8);
  for (int x = 9 * 16 + 8; x < 11 * 16; ++x) EXPECT_EQ(draw.image().at(x, 4 * 16 + 8), line) << x;
  EXPECT_NE(line, draw.image().at(10 * 16 + 8, 4 * 16 + 2));
  // The lit neuron differs from the dark one at the same spot of its centre.
  EXPECT_EQ(board.neurons[s.a].shownState, 100);
  EXPECT_NE(draw.image().at(8 * 16 + 3, 4 * 16 + 3), draw.image().at(8 * 16 + 3, 11 * 16 + 3));
}

}  // namespace
