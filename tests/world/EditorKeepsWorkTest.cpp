// The editor never loses what the learner made: boards drawn for a critter, heights at the
// map's edge, the square under the pointer, edits not yet saved, the place typed for a
// thing, a board two critters share, and a description the world file can read back.
#include <gtest/gtest.h>

#include "brain/BrainCollection.h"
#include "world/EditingFixture.h"
#include "world/EditorPlan.h"

namespace {
// The brain window's own rules behind the editor: boards are found by name, and a board
// let go of may be deleted.
class CollectionBrains : public IEditorBrains {
 public:
  explicit CollectionBrains(TBrainCollection& c) : c_(c) {}
  void ReleaseWorldBrains() override { c_.ReleaseWorldBrains(); }
  int AttachBrain(const std::string& name, const ChannelMask& in, bool hidden, const ChannelMask& out) override {
    return c_.AttachBrain(name, in, hidden, out);
  }
  std::string BrainName(int number) override { return c_.BrainName(number); }
  void ReleaseBrain(int number) override { c_.ReleaseBrain(number); }

 private:
  TBrainCollection& c_;
};

class KeepsWork : public ::testing::Test {
 protected:
  KeepsWork() : keep_(std::filesystem::current_path()) { std::filesystem::current_path(QUORBIT_TEST_DATA_DIR); }
  ~KeepsWork() override { std::filesystem::current_path(keep_); }

  void Load(const std::string& text) {
    file.ReadWorldText(text);
    world.SetClientSize(320, 240);
    ed.OpenEditor(999);
  }
  TCritter& Critter(int n) { return *world.critters[static_cast<size_t>(n)]; }
  // The brain dialog's OK with the channels the critter uses now.
  void BoardBrain(int n, const std::string& name) {
    ed.ChooseCritter(n);
    ed.ApplyBrain(Critter(n), 1, name, Critter(n).typeInputs, Critter(n).typeOutputs);
  }

  std::filesystem::path keep_;
  FakeHost fake;
  TBrainCollection collection{fake.host(), 7};
  CollectionBrains brains{collection};
  TStoredTest test;
  TWorld world{fake.host(), WorldPorts{}, Palette{}};
  TWorldFile file{world, &brains, &test};
  TWorldEditing ed{world, fake.host(), &brains, &test};
  TempFolder out;
};
}  // namespace

TEST_F(KeepsWork, TheBrainDialogNeverDeletesABoardTheLearnerDrew) {
  Load(FlatWorld(10, 10));
  const int bug = ed.TypeIndex("LadyBug");
  ASSERT_TRUE(ed.AddCritter(bug, "Dotty", "2.5", "2.5", "0.1"));
  ASSERT_TRUE(ed.AddCritter(bug, "Lucy", "5.5", "5.5", "0.1"));
  BoardBrain(0, "DottyBrain");
  BoardBrain(1, "LucyBrain");
  ASSERT_EQ(collection.Tabs().size(), 2u);
  const int number = Critter(0).brainNumber;
  ASSERT_GE(collection.Board(number)->AddNeuron(12, 12), 0);
  ed.changed = false;

  // OK without a change changes nothing.
  ed.ApplyBrain(Critter(0), 1, "DottyBrain", Critter(0).enabledInputs, Critter(0).enabledOutputs);
  EXPECT_FALSE(ed.changed);
  EXPECT_EQ(Critter(0).brainNumber, number);
  ASSERT_NE(collection.Board(number), nullptr);
  EXPECT_EQ(collection.Board(number)->neurons.used(), 1);

  // Fewer channels: the same board, offered them again.
  TChannelFlags fewer = Critter(0).enabledInputs;
  for (size_t k = 0; k < fewer.size(); ++k)
    if (fewer[k]) {
      fewer.reset(k);
      break;
    }
  ed.ApplyBrain(Critter(0), 1, "DottyBrain", fewer, Critter(0).enabledOutputs);
  EXPECT_TRUE(ed.changed);
  EXPECT_EQ(Critter(0).brainNumber, number);
  EXPECT_EQ(Critter(0).enabledInputs, fewer & Critter(0).typeInputs);
  EXPECT_EQ(collection.Board(number)->neurons.used(), 1);

  // No brain, then the board again: the drawing waits under its name and comes back.
  ed.ApplyBrain(Critter(0), 0, "", {}, {});
  EXPECT_EQ(Critter(0).brainMode, 0);
  ASSERT_NE(collection.Board(number), nullptr);
  EXPECT_EQ(collection.BrainName(number), "DottyBrain");
  BoardBrain(0, "DottyBrain");
  EXPECT_EQ(Critter(0).brainNumber, number);
  EXPECT_EQ(collection.Board(number)->neurons.used(), 1);

  // Deleting the critter keeps the drawing too; an untouched board goes with its critter.
  const int lucyBoard = Critter(1).brainNumber;
  ed.ChooseCritter(0);
  ASSERT_TRUE(ed.DeleteCritter());
  EXPECT_NE(collection.Board(number), nullptr);
  ed.ChooseCritter(0);
  ASSERT_TRUE(ed.DeleteCritter());
  EXPECT_EQ(collection.Board(lucyBoard), nullptr);
}

TEST_F(KeepsWork, DeletingOneOfTwoCrittersOnOneBoardLeavesTheOtherItsBrain) {
  Load(FlatWorld(10, 10));
  const int bug = ed.TypeIndex("LadyBug");
  ASSERT_TRUE(ed.AddCritter(bug, "Dotty", "2.5", "2.5", "0.1"));
  ASSERT_TRUE(ed.AddCritter(bug, "Lucy", "5.5", "5.5", "0.1"));
  BoardBrain(0, "Pair");
  BoardBrain(1, "Pair");
  ASSERT_EQ(Critter(0).brainNumber, Critter(1).brainNumber);
  // Lucy moves to a board of her own: Dotty keeps "Pair".
  BoardBrain(1, "Solo");
  EXPECT_EQ(brains.BrainName(Critter(0).brainNumber), "Pair");
  BoardBrain(1, "Pair");
  ed.ChooseCritter(0);
  ASSERT_TRUE(ed.DeleteCritter());
  ASSERT_EQ(world.critters.size(), 1u);
  EXPECT_EQ(brains.BrainName(Critter(0).brainNumber), "Pair");
  const std::string path = out.file("pair.wld");
  ASSERT_TRUE(TWorldFile(world, &brains, &test).SaveWorld(path));
  const std::string saved = *ReadFileText(path);
  EXPECT_NE(saved.find(" Pair"), std::string::npos) << saved;
  EXPECT_EQ(saved.find("Empty"), std::string::npos) << saved;
}

// The ground is whole: every tile stands at its cell's height, also on the last row and
// column and on fixed cells, and the four tiles around each inner grid point meet there.
TEST_F(KeepsWork, HeightsAndTilesAgreeUpToTheEdgeAndOnFixedCells) {
  Load(FlatWorld(10, 8));
  ed.ChooseCell(9, 7);
  ed.RaiseCell();
  ed.RaiseCell();
  ed.ChooseCell(0, 7);
  ed.RaiseCell();
  ed.ChooseCell(9, 3);
  ed.RaiseCell();
  for (int x = 0; x < 10; ++x)
    for (int y = 0; y < 8; ++y) EXPECT_NEAR(world.CellAt(x, y)->tile->z, ed.HeightAt(x, y), 1e-5) << x << "," << y;
  EXPECT_NEAR(ed.HeightAt(9, 7), 0.4f, 1e-5);
  const float e = 0.001f;
  int kind = 0;
  for (int x = 1; x < 10; ++x)
    for (int y = 1; y < 8; ++y) {
      const float h = ed.HeightAt(x, y);
      for (float dx : {-e, e})
        for (float dy : {-e, e}) EXPECT_NEAR(world.GroundHeight(x + dx, y + dy, kind), h, 0.01) << x << "," << y;
    }
  // A fixed cell keeps its shape and moves with the ground around it.
  ed.ChooseCell(4, 4);
  ed.SetFix(true);
  const int frame = ed.FrameAt(4, 4);
  ed.ChooseCell(5, 4);
  ed.RaiseCell();
  ed.RaiseCell();
  EXPECT_EQ(ed.FrameAt(4, 4), frame);
  EXPECT_NEAR(ed.HeightAt(4, 4), 0.2f, 1e-5);
  EXPECT_NEAR(world.CellAt(4, 4)->tile->z, 0.2f, 1e-5);
}

// A click chooses the square it lands in, the one the plan then outlines.
TEST_F(KeepsWork, AClickChoosesTheSquareUnderThePointer) {
  Load(FlatWorld(20, 20));
  const int W = 400, H = 300;
  int ox, oy;
  ed.PlanOrigin(W, H, ox, oy);
  const int s = ed.zoom;
  for (const auto& [mx, my] : {std::pair{ox - 3 * s - 17, 5 * s - oy + 17}, std::pair{ox - 3 * s - 2, 5 * s - oy + 2},
                               std::pair{ox - 3 * s - 10, 5 * s - oy + 10}}) {
    int x = -1, y = -1;
    ed.CellAtMouse(W, H, mx, my, x, y);
    EXPECT_EQ(x, 3) << mx;
    EXPECT_EQ(y, 5) << my;
    ASSERT_TRUE(ed.ChooseCell(x, y));
    bool outlined = false;
    for (const PlanShape& shape : DrawEditorView(ed, W, H))
      if (shape.kind == PlanShape::Rect && shape.colour == PlanColour::Silver)
        outlined = mx >= shape.x && mx <= shape.x + shape.w && my >= shape.y && my <= shape.y + shape.h;
    EXPECT_TRUE(outlined) << mx << "," << my;
  }
  // Zooming in without end keeps the plan in reach of the integers.
  for (int k = 0; k < 40; ++k) ed.ZoomIn();
  EXPECT_LE(ed.zoom, TWorldEditing::MaxZoom);
  ed.PlanOrigin(W, H, ox, oy);
  EXPECT_GT(ox, 0);
}

TEST_F(KeepsWork, OpeningAgainKeepsUnsavedEditsUnsaved) {
  Load(FlatWorld(10, 10));
  ASSERT_TRUE(ed.AddCritter(ed.TypeIndex("Aphid"), "A", "2", "2", "0"));
  ed.OpenEditor(999);
  EXPECT_TRUE(ed.HasChanges());
  ed.ForgetChanges();
  ed.OpenEditor(999);
  EXPECT_FALSE(ed.HasChanges());
}

TEST_F(KeepsWork, ChangingAThingKeepsThePlaceTypedAndTheThingChosen) {
  Load(FlatWorld(10, 10));
  ASSERT_FALSE(ed.catalogue.empty());
  ASSERT_TRUE(ed.ChoosePicture(0));
  ASSERT_TRUE(ed.ChooseFrame(0));
  ASSERT_TRUE(ed.AddThing("2.5", "2.5", "0"));
  TStaticBound* thing = ed.thing;
  ASSERT_TRUE(ed.ChangeThing("6.25", "7.5", "0.3"));
  EXPECT_EQ(ed.thing, thing);
  EXPECT_EQ(ed.boxes.thingX, "6.25");
  EXPECT_EQ(ed.boxes.thingY, "7.50");
  EXPECT_EQ(ed.boxes.thingZ, "0.30");
  EXPECT_EQ(ed.cellX, 6);
  EXPECT_EQ(ed.cellY, 7);
  std::vector<TStaticBound*> here = ed.ThingsInCell();
  EXPECT_NE(std::find(here.begin(), here.end(), thing), here.end());
}

// A line starting with "[" would end the text section: it is refused, and what is stored
// comes back from the file whole.
TEST_F(KeepsWork, ADescriptionIsStoredOnlyWhenTheFileCanReadItBack) {
  Load(FlatWorld(10, 10));
  EXPECT_FALSE(ed.ApplyDescription("My world\n[MAP]\nmore"));
  EXPECT_EQ(fake.messages.shown.back(),
            (ShownMessage{"Please don't start a line of the description with [", "World Description"}));
  EXPECT_FALSE(ed.changed);
  ASSERT_TRUE(ed.ApplyDescription("My world\n  [a note]\nmore"));
  const std::string path = out.file("text.wld");
  ASSERT_TRUE(TWorldFile(world, &brains, &test).SaveWorld(path));
  TWorld again{fake.host(), WorldPorts{}, Palette{}};
  TWorldFile(again, &brains, &test).ReadWorldText(*ReadFileText(path));
  EXPECT_EQ(again.description, "My world\n  [a note]\nmore\n#\n");
}
