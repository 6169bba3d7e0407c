// The world editor's rules on real worlds read from text, in the data folder where the
// picture sets and the scenery catalogue live.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>

#include "EditingFixture.h"
#include "world/EditorPlan.h"

TEST(EditorTypes, TheListStopsAtTheFirstTypeAboveProgress) {
  auto names = [](int progress) {
    std::vector<std::string> n;
    for (const EditorType& t : EditorTypeList(progress)) n.push_back(t.boxName);
    return n;
  };
  EXPECT_EQ(names(405), (std::vector<std::string>{"LadyBug", "Aphid", "Ball"}));
  EXPECT_TRUE(names(299).empty());
  EXPECT_EQ(names(699).back(), "Cannon");
  std::vector<std::string> all = names(700);
  ASSERT_EQ(all.size(), 16u);
  EXPECT_EQ(all[10], "Worm1");
  EXPECT_EQ(all[11], "Worm2");
  // Smell positions are type codes: the worm once, as "Worm".
  std::vector<std::string> smells = SmellTypeNames(700);
  ASSERT_EQ(smells.size(), 16u);
  EXPECT_EQ(smells[0], "None");
  EXPECT_EQ(smells[8], "Light");
  EXPECT_EQ(smells[11], "Worm");
  EXPECT_EQ(smells[15], "Nest");
  EXPECT_EQ(TriggerByNames(405), (std::vector<std::string>{"LadyBug", "Aphid", "Ball"}));
  EXPECT_EQ(EditorTypeName(11, "wf2"), "Worm2");
  EXPECT_EQ(EditorTypeName(11, "wf"), "Worm1");
}

TEST_F(EditingTest, OpeningTakesTheWorldsHeightsAndReadsTheCatalogue) {
  Load(FlatWorld(12, 8));
  EXPECT_EQ(ed.zoom, 20);
  EXPECT_EQ(ed.scrollX, 6);
  EXPECT_EQ(ed.scrollY, 4);
  EXPECT_FALSE(ed.changed);
  std::vector<std::string> names;
  for (const CatalogueEntry& e : ed.catalogue) names.push_back(e.name);
  EXPECT_EQ(names, (std::vector<std::string>{"stone", "twig", "branch", "plant"}));
  EXPECT_EQ(ed.catalogue[1].frames, 8);
  EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(EditingTest, AMissingCatalogueIsReportedAndLeavesTheListsEmpty) {
  std::filesystem::path keep = std::filesystem::current_path();
  TempFolder empty;
  std::filesystem::current_path(empty.path());
  ed.OpenEditor(999);
  std::filesystem::current_path(keep);
  EXPECT_TRUE(ed.catalogue.empty());
  EXPECT_EQ(fake.messages.shown.back(), (ShownMessage{"Could not find fixed.lst", "Edit Error"}));
}

TEST_F(EditingTest, ThePlanGrowsXToTheLeftAndPicksTheSquareUnderThePointer) {
  Load(FlatWorld(20, 20));
  int ox, oy;
  ed.PlanOrigin(400, 300, ox, oy);
  EXPECT_EQ(ox, 200 + 10 * 20);
  EXPECT_EQ(oy, 10 * 20 - 150);
  int x, y;
  ed.CellAtMouse(400, 300, ox - 3 * 20 - 4, 5 * 20 - oy + 6, x, y);
  EXPECT_EQ(x, 3);
  EXPECT_EQ(y, 5);
  ed.CellAtMouse(400, 300, ox - 3 * 20 - 20, 5 * 20 - oy, x, y);
  EXPECT_EQ(x, 4);  // further left is larger x
  ed.ToggleElevation();
  ed.ScrollRow(7);
  ed.CellAtMouse(400, 300, ox - 3 * 20, 0, x, y);
  EXPECT_EQ(y, 7);
}

TEST_F(EditingTest, ChoosingACellOutsideTheMapChangesNothing) {
  Load(FlatWorld(10, 10));
  ASSERT_TRUE(ed.ChooseCell(4, 5));
  EditorBoxes before = ed.boxes;
  EXPECT_FALSE(ed.ChooseCell(10, 2));
  EXPECT_FALSE(ed.ChooseCell(-1, 2));
  EXPECT_FALSE(ed.ChooseCell(2, 10));
  EXPECT_EQ(ed.cellX, 4);
  EXPECT_EQ(ed.cellY, 5);
  EXPECT_EQ(ed.boxes.thingX, before.thingX);
  EXPECT_EQ(ed.boxes.thingX, "4.00");
  EXPECT_EQ(ed.boxes.critterY, "5.00");
}

TEST_F(EditingTest, RaisingTheMiddleFourTimesMakesAPyramidAndFixedCellsKeepTheirFrames) {
  Load(FlatWorld(20, 20));
  ed.ChooseCell(13, 10);
  ed.SetFix(true);
  const int fixedFrame = ed.FrameAt(13, 10);
  ed.ChooseCell(10, 10);
  for (int k = 0; k < 4; ++k) ed.RaiseCell();
  EXPECT_TRUE(ed.changed);
  for (int x = 0; x < 20; ++x)
    for (int y = 0; y < 20; ++y) {
      const int d = std::max(std::abs(x - 10), std::abs(y - 10));
      EXPECT_NEAR(ed.HeightAt(x, y), std::max(0.0f, 0.8f - 0.2f * d), 1e-4) << x << "," << y;
    }
  EXPECT_EQ(ed.FrameAt(13, 10), fixedFrame);
  EXPECT_TRUE(ed.FixedAt(13, 10));
  // The tile north-west of the top rises towards its (x+1, y+1) corner only.
  EXPECT_EQ(ed.FrameAt(9, 9), 4);
  EXPECT_EQ(ed.FrameAt(10, 10), 1);
  EXPECT_NEAR(world.CellAt(9, 9)->tile->z, 0.6f, 1e-4);
  EXPECT_EQ(ed.FrameAt(2, 2), 0);
  // Lowering the top again pulls nothing below the slope rule.
  ed.LowerCell();
  EXPECT_NEAR(ed.HeightAt(10, 10), 0.6f, 1e-4);
  EXPECT_NEAR(ed.HeightAt(11, 10), 0.6f, 1e-4);
}

TEST_F(EditingTest, SceneryIsAddedMovedAndDeletedInItsCell) {
  Load(FlatWorld(10, 10));
  EXPECT_FALSE(ed.AddThing("2", "3", "0"));
  EXPECT_EQ(fake.messages.shown.back(), (ShownMessage{"First select a thing to add", "Add Fixed Error"}));
  ASSERT_TRUE(ed.ChoosePicture(1));
  ASSERT_TRUE(ed.ChooseFrame(5));
  EXPECT_FALSE(ed.AddThing("2", "three", "0"));
  EXPECT_EQ(fake.messages.shown.back(), (ShownMessage{"Please enter a number for Y", "Add Fixed Error"}));
  EXPECT_FALSE(ed.changed);
  ASSERT_TRUE(ed.AddThing("2.5", "3.5", "0.1"));
  EXPECT_EQ(ed.cellX, 2);
  EXPECT_EQ(ed.cellY, 3);
  ASSERT_EQ(ed.ThingsInCell().size(), 1u);
  EXPECT_EQ(ed.ThingText(ed.ThingsInCell()[0]), "twig 5");
  EXPECT_EQ(ed.thing, ed.ThingsInCell()[0]);
  ASSERT_TRUE(ed.ChangeThing("6.2", "1.5", "0"));
  EXPECT_EQ(ed.cellX, 6);  // the chosen cell follows the thing
  ASSERT_EQ(ed.ThingsInCell().size(), 1u);
  EXPECT_EQ(ed.thing, ed.ThingsInCell()[0]);
  EXPECT_FLOAT_EQ(ed.ThingsInCell()[0]->x, 6.2f);
  ASSERT_TRUE(ed.DeleteThing());
  EXPECT_TRUE(ed.ThingsInCell().empty());
  EXPECT_FALSE(ed.DeleteThing());
  EXPECT_EQ(fake.messages.shown.back(), (ShownMessage{"First select a thing to delete", "Delete Fixed Error"}));
}

TEST_F(EditingTest, CritterNamesAreCheckedBeforeAnythingIsAdded) {
  Load(FlatWorld(10, 10));
  const int bug = ed.TypeIndex("LadyBug");
  ASSERT_TRUE(ed.AddCritter(bug, "Bug1", "2", "2", "0"));
  struct Case {
    std::string name, message;
  } cases[] = {
      {"", "Please enter a name for the critter"},
      {"Bug1", "There is already a critter with that name"},
      {"Lady Bug", "Please use only letters and numbers in name (no spaces)"},
      {"Lady_Bug", "Please use only letters and numbers in name (no spaces)"},
      {std::string(71, 'a'), "Please use at most 70 characters in name"},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(ed.AddCritter(bug, c.name, "3", "3", "0")) << c.name;
    EXPECT_EQ(fake.messages.shown.back(), (ShownMessage{c.message, "Add Critter Error"})) << c.name;
  }
  EXPECT_FALSE(ed.AddCritter(bug, "Bug2", "10", "3", "0"));
  EXPECT_EQ(fake.messages.shown.back(), (ShownMessage{"Critter X off map", "Add Critter Error"}));
  EXPECT_FALSE(ed.AddCritter(bug, "Bug2", "3", "-0.5", "0"));
  EXPECT_EQ(fake.messages.shown.back(), (ShownMessage{"Critter Y off map", "Add Critter Error"}));
  EXPECT_EQ(world.critters.size(), 1u);
  EXPECT_TRUE(ed.AddCritter(bug, std::string(70, 'a'), "3", "3", "0"));
  // Change keeps its own name but not another's.
  ed.ChooseCritter(0);
  EXPECT_TRUE(ed.ChangeCritter("Bug1", "4", "4", "0"));
  EXPECT_FALSE(ed.ChangeCritter(std::string(70, 'a'), "4", "4", "0"));
  EXPECT_EQ(fake.messages.shown.back(),
            (ShownMessage{"There is already a critter with that name", "Change Critter Error"}));
}

TEST_F(EditingTest, ANewCritterTakesItsTypesPicturesAndIsChosen) {
  Load(FlatWorld(10, 10));
  ASSERT_TRUE(ed.AddCritter(ed.TypeIndex("LadyBug"), "Lucy", "3.5", "4.5", "0.1"));
  ASSERT_EQ(world.critters.size(), 1u);
  TCritter& c = *world.critters[0];
  EXPECT_EQ(c.typeCode, 1);
  EXPECT_EQ(c.parts[0]->pic->name, "lbug");
  EXPECT_EQ(c.parts[1]->pic->name, "lblg");
  EXPECT_EQ(c.parts.size(), 2u);  // no shade
  EXPECT_EQ(ed.critter, 0);
  EXPECT_EQ(ed.boxes.critterName, "Lucy");
  EXPECT_EQ(ed.boxes.critterType, ed.TypeIndex("LadyBug"));
  EXPECT_EQ(ed.cellX, 3);
  EXPECT_EQ(ed.cellY, 4);
  EXPECT_EQ(ed.CritterTypeName(0), "LadyBug");
  EXPECT_TRUE(ed.changed);
}

TEST_F(EditingTest, DeletingACritterRenumbersTheRestAndItsReferences) {
  Load(FlatWorld(10, 10));
  const int aphid = ed.TypeIndex("Aphid");
  for (const char* n : {"A", "B", "C", "D"}) ASSERT_TRUE(ed.AddCritter(aphid, n, "2", "2", "0"));
  ed.ApplyTest(2, 1, 2, 100, 50);
  TriggerBoxes zone;
  ASSERT_TRUE(ed.AddTrigger(3, 0, zone));
  ASSERT_TRUE(ed.AddTrigger(1, 0, zone));
  world.critters[3]->brainMode = 1;
  world.critters[3]->brainNumber = 7;
  ed.ChooseCritter(1);
  ASSERT_TRUE(ed.DeleteCritter());
  ASSERT_EQ(world.critters.size(), 3u);
  EXPECT_EQ(world.critters[1]->name, "C");
  EXPECT_EQ(world.critters[2]->number, 2);
  EXPECT_EQ(world.testCritter, 1);
  EXPECT_EQ(world.loadedFollow, -1);
  EXPECT_EQ(world.followCritter, -1);
  ASSERT_EQ(world.triggers.size(), 1u);  // the zone for B went with B
  EXPECT_EQ(world.triggers[0].target, 2);
  EXPECT_EQ(ed.critter, -1);
  EXPECT_TRUE(brains.released.empty());
  ed.ChooseCritter(2);
  ASSERT_TRUE(ed.DeleteCritter());
  EXPECT_EQ(brains.released, std::vector<int>{7});
  EXPECT_TRUE(world.triggers.empty());
}

TEST_F(EditingTest, UpAndDownExchangeNeighboursAndTheTestFollowsItsCritter) {
  Load(FlatWorld(10, 10));
  const int aphid = ed.TypeIndex("Aphid");
  for (const char* n : {"A", "B", "C"}) ASSERT_TRUE(ed.AddCritter(aphid, n, "2", "2", "0"));
  ed.ApplyTest(0, 2, 1, 100, 50);
  ed.ChooseCritter(0);
  EXPECT_FALSE(ed.MoveCritterUp());
  ASSERT_TRUE(ed.MoveCritterDown());
  EXPECT_EQ(ed.critter, 1);
  EXPECT_EQ(world.critters[0]->name, "B");
  EXPECT_EQ(world.critters[1]->name, "A");
  EXPECT_EQ(world.critters[1]->number, 1);
  EXPECT_EQ(world.testCritter, 1);
  ed.ChooseCritter(2);
  EXPECT_FALSE(ed.MoveCritterDown());
  ASSERT_TRUE(ed.MoveCritterUp());
  EXPECT_EQ(world.critters[1]->name, "C");
  EXPECT_EQ(world.loadedFollow, 1);
  EXPECT_EQ(world.testCritter, 2);
}

TEST_F(EditingTest, RotationTurnsByOneOrAQuarterAndBecomesTheStartHeading) {
  Load(FlatWorld(10, 10));
  ASSERT_TRUE(ed.AddCritter(ed.TypeIndex("LadyBug"), "Lucy", "5", "5", "0"));
  ASSERT_TRUE(ed.RotateCritter(1));
  EXPECT_EQ(ed.boxes.rotation, "Rotation: 1");
  ASSERT_TRUE(ed.RotateCritter(-2));
  EXPECT_EQ(ed.boxes.rotation, "Rotation: 19");
  ASSERT_TRUE(ed.RotateCritter(2));
  ASSERT_TRUE(ed.RotateCritter(2));
  EXPECT_EQ(ed.boxes.rotation, "Rotation: 7");
  EXPECT_EQ(world.critters[0]->startHeading, 7);
  EXPECT_EQ(world.critters[0]->getHeading(), 7);
  // An aphid has one heading: nothing turns.
  ASSERT_TRUE(ed.AddCritter(ed.TypeIndex("Aphid"), "Ann", "2", "2", "0"));
  EXPECT_FALSE(ed.RotateCritter(1));
}

TEST_F(EditingTest, TriggersAreBuiltFromOneLineOfFields) {
  Load(FlatWorld(10, 10));
  ASSERT_TRUE(ed.AddCritter(ed.TypeIndex("LadyBug"), "Lucy", "5", "5", "0"));
  TriggerBoxes b;
  b.newX = "1", b.newY = "2";
  b.cornerX = {"3", "4", "4", "3"};
  b.cornerY = {"3", "3", "4", "4"};
  b.zMin = "-1", b.zMax = "2";
  EXPECT_FALSE(ed.AddTrigger(-1, 1, b));
  EXPECT_EQ(fake.messages.shown.back(), (ShownMessage{"Please select a critter first", "New Trigger"}));
  EXPECT_FALSE(ed.AddTrigger(0, -1, b));
  EXPECT_EQ(fake.messages.shown.back(), (ShownMessage{"Please select a critter type first", "New Trigger"}));
  b.cornerY[2] = "x";
  EXPECT_FALSE(ed.AddTrigger(0, 1, b));
  EXPECT_EQ(fake.messages.shown.back(), (ShownMessage{"Please enter a number for Y3", "New Trigger"}));
  b.cornerY[2] = "4";
  ASSERT_TRUE(ed.AddTrigger(0, 1, b));
  ASSERT_EQ(world.triggers.size(), 1u);
  const TTrigger& t = world.triggers[0];
  EXPECT_EQ(t.byType, 2);
  EXPECT_TRUE(t.contains(3.5f, 3.5f, 0));
  EXPECT_FALSE(t.contains(4.5f, 3.5f, 0));
  EXPECT_EQ(ed.TriggerText(t), "Lucy by Aphid");
  ed.ChooseTrigger(-1);
  EXPECT_FALSE(ed.ChangeTrigger(0, 0, b));
  EXPECT_EQ(fake.messages.shown.back(), (ShownMessage{"Please select a trigger first", "Change Trigger"}));
  ed.ChooseTrigger(0);
  ASSERT_TRUE(ed.ChangeTrigger(0, 0, b));
  EXPECT_EQ(world.triggers[0].byType, 1);
  ASSERT_TRUE(ed.DeleteTrigger());
  EXPECT_TRUE(world.triggers.empty());
}

TEST_F(EditingTest, SavingClearsChangedOnlyWhenTheFileWasWritten) {
  Load(FlatWorld(10, 10));
  ed.RaiseCell();
  ASSERT_TRUE(ed.changed);
  // A cancelled "Save as" keeps the question that protects the work.
  EXPECT_FALSE(ed.SaveAs());
  EXPECT_TRUE(ed.changed);
  ASSERT_EQ(fake.files.asked.size(), 1u);
  EXPECT_EQ(fake.files.asked[0].title, "Save World");
  EXPECT_EQ(fake.files.asked[0].filter, "World files|*.wld|All files|*.*");
  fake.files.answers.push_back(out.file("mine.wld"));
  EXPECT_TRUE(ed.SaveAs());
  EXPECT_FALSE(ed.changed);
  EXPECT_EQ(world.fileName, out.file("mine.wld"));
  ed.RaiseCell();
  world.fileName = out.file("missing/folder/mine.wld");
  EXPECT_FALSE(ed.SaveChanges());
  EXPECT_TRUE(ed.changed);
}

TEST_F(EditingTest, TheCloseQuestionSavesKeepsOrLetsGo) {
  Load(FlatWorld(10, 10));
  EXPECT_TRUE(ed.MayClose());
  EXPECT_TRUE(fake.messages.asked.empty());
  ed.RaiseCell();
  world.fileName = out.file("close.wld");
  fake.messages.answers = {Answer::Cancel, Answer::No, Answer::Yes};
  EXPECT_FALSE(ed.MayClose());
  EXPECT_EQ(fake.messages.asked[0], (ShownMessage{"Do you want to save the changes?", "World Changed"}));
  EXPECT_TRUE(ed.MayClose());
  EXPECT_FALSE(std::filesystem::exists(out.file("close.wld")));
  EXPECT_TRUE(ed.MayClose());
  EXPECT_TRUE(std::filesystem::exists(out.file("close.wld")));
}

TEST_F(EditingTest, AWorldBuiltInTheEditorComesBackFromItsFile) {
  Load(FlatWorld(12, 12));
  ed.ChooseCell(6, 6);
  ed.RaiseCell();
  ed.ChoosePicture(0);
  ed.ChooseFrame(2);
  ASSERT_TRUE(ed.AddThing("3.5", "3.5", "0"));
  ASSERT_TRUE(ed.AddCritter(ed.TypeIndex("LadyBug"), "Lucy", "5.5", "5.5", "0"));
  ASSERT_TRUE(ed.RotateCritter(2));
  TCritter* bug = ed.CritterForProperties();
  ASSERT_NE(bug, nullptr);
  TChannelFlags in, out2;
  in[14] = in[15] = true;
  out2[0] = true;
  ed.ApplyBrain(*bug, 1, "Lucy", in, out2);
  ASSERT_TRUE(ed.AddCritter(ed.TypeIndex("Aphid"), "Ann", "2.5", "8.5", "0"));
  ed.ApplySmell(*world.critters[0], 2, 0);
  ed.ApplyEnergy(*world.critters[1], 20, 0.5f);
  TPlacement rule;
  rule.centreX = 6, rule.centreY = 6, rule.radius = 3, rule.maxZ = 1, rule.modeMask = PlaceOnReset;
  ed.ApplyPlacements(*world.critters[1], {rule});
  ed.ApplyTest(0, 0, 2, 120, 80);
  ed.ApplyDescription("Find the aphid.");
  TriggerBoxes zone;
  zone.cornerX = {"1", "2", "2", "1"};
  zone.cornerY = {"1", "1", "2", "2"};
  zone.zMax = "1";
  ASSERT_TRUE(ed.AddTrigger(0, 1, zone));
  world.fileName = out.file("built.wld");
  ASSERT_TRUE(ed.SaveChanges());
  EXPECT_EQ(brains.attached, std::vector<std::string>{"Lucy"});

  FakeEditorBrains brains2;
  TStoredTest test2;
  TWorld again(fake.host(), WorldPorts{}, Palette{});
  TWorldFile file(again, &brains2, &test2);
  auto text = ReadFileText(out.file("built.wld"));
  ASSERT_TRUE(text);
  file.ReadWorldText(*text);
  ASSERT_EQ(again.critters.size(), 2u);
  EXPECT_EQ(again.critters[0]->name, "Lucy");
  EXPECT_EQ(again.critters[0]->startHeading, 6);
  EXPECT_FLOAT_EQ(again.critters[0]->startX, 5.5f);
  EXPECT_EQ(again.critters[0]->smellType1, 2);
  EXPECT_EQ(again.critters[0]->brainMode, 1);
  EXPECT_TRUE(again.critters[0]->enabledInputs[14]);
  EXPECT_FALSE(again.critters[0]->enabledInputs[16]);
  EXPECT_FLOAT_EQ(again.critters[1]->startEnergy, 20);
  ASSERT_EQ(again.critters[1]->placements.size(), 1u);
  EXPECT_EQ(again.testCritter, 0);
  EXPECT_EQ(again.loadedFollow, 0);
  EXPECT_EQ(test2.kind, 2);
  EXPECT_EQ(test2.time, 120);
  EXPECT_EQ(test2.energy, 80);
  EXPECT_EQ(again.description, "Find the aphid.\n#\n");
  ASSERT_EQ(again.triggers.size(), 1u);
  EXPECT_EQ(again.triggers[0].byType, 2);
  EXPECT_NEAR(again.CellAt(6, 6)->tile->z, 0.2f, 1e-4);
  int scenery = 0;
  for (TStaticPic* p = again.CellAt(3, 3)->head; p; p = p->nextInCell) scenery += p->asSprite() ? 0 : 1;
  EXPECT_EQ(scenery, 1);
}

TEST_F(EditingTest, TheViewIsPaintedInOrderWithItsColours) {
  Load(FlatWorld(4, 3));
  ed.showHeights = true;
  ed.ChooseCell(1, 1);
  ed.SetFix(true);
  ASSERT_TRUE(ed.AddCritter(ed.TypeIndex("Aphid"), "Ann", "2.5", "1.5", "0"));
  std::vector<PlanShape> shapes = DrawEditorView(ed, 200, 100);
  ASSERT_FALSE(shapes.empty());
  EXPECT_EQ(shapes[0].kind, PlanShape::Text);
  EXPECT_EQ(shapes[0].text, "0.0");
  EXPECT_EQ(shapes[0].pointSize, 6);
  int ox, oy;
  ed.PlanOrigin(200, 100, ox, oy);
  EXPECT_EQ(shapes[0].x, ox - 18);
  EXPECT_EQ(shapes[0].y, -oy + 1);
  EXPECT_EQ(shapes[4].colour, PlanColour::DarkRed);  // cell (1, 1)
  EXPECT_EQ(shapes[12].kind, PlanShape::Line);
  EXPECT_EQ(shapes[12].colour, PlanColour::Grey);
  const PlanShape& last = shapes.back();
  EXPECT_EQ(last.text, "2, 1");
  EXPECT_EQ(last.colour, PlanColour::White);
  // The chosen critter's parts: magenta footprints, or grey crosses for parts without one.
  int critterShapes = 0;
  for (const PlanShape& s : shapes) critterShapes += s.colour == PlanColour::Magenta || s.kind == PlanShape::Cross;
  EXPECT_GE(critterShapes, 1);
  for (const PlanShape& s : shapes) EXPECT_NE(s.colour, PlanColour::Red);
  ed.ToggleElevation();
  std::vector<PlanShape> side = DrawEditorView(ed, 200, 100);
  EXPECT_EQ(side[0].colour, PlanColour::Blue);
  EXPECT_EQ(side[0].points[1], 50);  // the baseline at half the height with the scroll at 50
}

TEST_F(EditingTest, ALetterTurnedPastTwentyFourKeepsItsHeadingThroughASave) {
  Load(FlatWorld(10, 10));
  ASSERT_TRUE(ed.AddCritter(ed.TypeIndex("Letter"), "Ell", "5", "5", "0"));
  for (int k = 0; k < 3; ++k) ASSERT_TRUE(ed.RotateCritter(2));  // a quarter of 84, three times
  EXPECT_EQ(ed.boxes.rotation, "Rotation: 63");
  world.fileName = out.file("letter.wld");
  ASSERT_TRUE(ed.SaveChanges());
  TWorld again(fake.host(), WorldPorts{}, Palette{});
  TWorldFile file(again, nullptr, nullptr);
  file.ReadWorldText(*ReadFileText(out.file("letter.wld")));
  ASSERT_EQ(again.critters.size(), 1u);
  EXPECT_EQ(again.critters[0]->startHeading, 63);
}
