#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "platform/Files.h"
#include "support/Fakes.h"
#include "world/LevelMap.h"
#include "world/LevelTest.h"

namespace {
std::string Critter(int n, const std::string& type) { return std::to_string(n) + " " + type + " c" + std::to_string(n) + " 1 5.0 5.0 0.0 0\n"; }

std::string Level(int n, const std::string& body) { return "[LEVEL" + std::to_string(n) + "]\n[PICS]\n0 grass\n" + body + "[END]\n"; }

struct MapFolder {
  TempFolder folder;
  FakeMessages messages;
  LevelMap map{&messages, folder.path()};
  explicit MapFolder(const std::string& text) { EXPECT_TRUE(WriteFileAtomic(folder.file("level.map"), text)); }
  bool Available(int level, int progress, std::string* missing) { return map.LevelAvailable(level, progress, missing); }
};
}  // namespace

TEST(LevelUnlock, ThresholdsOfCrittersAndGizmos) {
  EXPECT_EQ(CritterUnlockThreshold("Bulb"), 411);
  EXPECT_EQ(CritterUnlockThreshold("LadyBug"), 200);
  EXPECT_EQ(CritterUnlockThreshold("Nest"), 700);
  EXPECT_EQ(CritterUnlockThreshold("bulb"), 0);  // type words are compared exactly
  std::string name;
  EXPECT_EQ(GizmoUnlockThreshold("m leg 1 0 1 2 3", &name), 400);
  EXPECT_EQ(name, "Muscle");
  EXPECT_EQ(GizmoUnlockThreshold("3heart", &name), 400);
  EXPECT_EQ(name, "Heart-3");
  EXPECT_EQ(GizmoUnlockThreshold("s switch1 0 0", &name), 0);
  EXPECT_EQ(GizmoUnlockThreshold("", &name), 0);
}

TEST(LevelAvailable, BulbNeeds411AndALockedBallIsReported) {
  MapFolder m(Level(1, "[MAP]\n1 1\n0 0.0\n[CRITTERS]\n" + Critter(0, "LadyBug") + Critter(1, "Bulb")) +
              Level(2, "[CRITTERS]\n" + Critter(0, "Ball")));
  std::string missing;
  EXPECT_FALSE(m.Available(1, 410, &missing));
  EXPECT_EQ(missing, "Bulb");
  missing.clear();
  EXPECT_TRUE(m.Available(1, 411, &missing));
  EXPECT_EQ(missing, "");
  EXPECT_FALSE(m.Available(2, 403, &missing));
  EXPECT_EQ(missing, "Ball");
  EXPECT_TRUE(m.Available(2, 404, nullptr));
  EXPECT_TRUE(m.messages.shown.empty());
}

TEST(LevelAvailable, LastLockedGizmoAndFirstLockedCritterAreReported) {
  MapFolder m(Level(1, "[GIZMOS]\n1 heart\nv\nm leg 1 1 0 0 0\n[TEXT]\nx\n") +
              Level(2, "[CRITTERS]\n" + Critter(0, "Ant") + Critter(1, "Worm") + Critter(2, "Cannon")));
  std::string missing;
  EXPECT_FALSE(m.Available(1, 399, &missing));
  EXPECT_EQ(missing, "Muscle");
  EXPECT_FALSE(m.Available(2, 450, &missing));
  EXPECT_EQ(missing, "Ant");
  EXPECT_FALSE(m.Available(2, 413, &missing));
  EXPECT_EQ(missing, "Ant");
}

TEST(LevelAvailable, SectionsRightAfterAScannedOneOrFirstInTheLevelAreNotExamined) {
  std::string missing;
  // [CRITTERS] right after [GIZMOS]: its header ended the gizmo scan.
  MapFolder m(Level(1, "[GIZMOS]\nv\n[CRITTERS]\n" + Critter(0, "Ant")) +
              "[LEVEL2]\n[CRITTERS]\n" + Critter(0, "Spider") + "[END]\n");
  EXPECT_TRUE(m.Available(1, 100, &missing));
  // The first section's header is the line read before the scan.
  EXPECT_TRUE(m.Available(2, 100, &missing));
  // An [END] right after a scanned section is passed over: the scan runs on into the
  // next level and finds its locked critter.
  MapFolder run(Level(1, "[CRITTERS]\n" + Critter(0, "LadyBug")) + Level(2, "[CRITTERS]\n" + Critter(0, "Ant")) +
                Level(3, "[CRITTERS]\n" + Critter(0, "Aphid")));
  EXPECT_FALSE(run.Available(1, 300, &missing));
  EXPECT_EQ(missing, "Ant");
  EXPECT_TRUE(run.Available(3, 300, &missing));
}

TEST(LevelMapSearch, TheWholeRestOfTheLineMustEqualTheKey) {
  const std::string text = "[LEVEL12]\nA\n[LEVEL1] \nB\n[LEVEL1]x\nC\nnotes [LEVEL1]\r\nD\n[LEVEL1]\nE\n";
  size_t pos = FindLevelHeader(text, 1);
  ASSERT_NE(pos, std::string::npos);
  EXPECT_EQ(text.substr(pos, 1), "D");  // a "[" in mid-line starts a header as well
  EXPECT_EQ(text.substr(FindLevelHeader(text, 12), 1), "A");
  EXPECT_EQ(FindLevelHeader(text, 2), std::string::npos);
  // A "[" inside a rest that was read is not looked at again, unless the rest was cut
  // at 199 characters.
  EXPECT_EQ(FindLevelHeader("[LEVEL4]x[LEVEL4]\n", 4), std::string::npos);
  EXPECT_EQ(FindLevelHeader("[" + std::string(198, 'L') + "[LEVEL4]\n", 4), std::string::npos);
  EXPECT_NE(FindLevelHeader("[" + std::string(199, 'L') + "[LEVEL4]\n", 4), std::string::npos);
}

TEST(LevelMapLoad, WorldLinesStartAfterTheHeaderAndFailuresAreReported) {
  MapFolder m("intro text\n" + Level(7, "[TEST]\n0 1 200 50\nMEST Well done\nBOGUS\n[TEXT]\nhi\n") +
              Level(8, "[TEXT]\nno test\n") + Level(9, "[TEST]\n1 2 3 4\n"));
  std::vector<std::string> lines;
  ASSERT_TRUE(m.map.LoadLevel(7, [&](const std::vector<std::string>& l) { lines = l; }));
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], "[PICS]");

  std::vector<std::string> test;
  bool had = false;
  ASSERT_TRUE(m.map.ReloadLevelTest(7, [&](const std::vector<std::string>* t) { had = t, test = t ? *t : test; }));
  EXPECT_TRUE(had);
  EXPECT_EQ(test, (std::vector<std::string>{"0 1 200 50", "MEST Well done", "BOGUS"}));
  TestSection section = ReadTestSection(test, &m.messages);
  EXPECT_EQ(section.critter, 0);
  EXPECT_EQ(section.kind, 1);
  EXPECT_EQ(section.time, 200);
  EXPECT_EQ(section.energy, 50);
  ASSERT_EQ(section.script.size(), 1u);
  EXPECT_EQ(section.script[0], (MovieStep{MovieTitle, "Well done"}));
  ASSERT_EQ(m.messages.shown.size(), 1u);
  EXPECT_EQ(m.messages.shown[0], (ShownMessage{"Unknown movie command", "Load Test Error"}));
  // Level 8 ends before any [TEST]: the next level's test is not taken.
  ASSERT_TRUE(m.map.ReloadLevelTest(8, [&](const std::vector<std::string>* t) { had = t; }));
  EXPECT_FALSE(had);

  m.messages.shown.clear();
  EXPECT_FALSE(m.map.LoadLevel(5, nullptr));
  EXPECT_FALSE(m.Available(5, 999, nullptr));
  EXPECT_FALSE(m.map.WorldAvailable("nowhere", 999, nullptr));
  std::filesystem::remove(m.folder.file("level.map"));
  EXPECT_FALSE(m.map.ReloadLevelTest(7, nullptr));
  EXPECT_EQ(m.messages.shown, (std::vector<ShownMessage>{{"Couldn't find level", "Load World Error"},
                                                         {"Couldn't find level", "Load World Error"},
                                                         {"Couldn't open world file", "Load World Error"},
                                                         {"Couldn't open map file", "Load World Error"}}));
}

TEST(WorldAvailable, ScansTheWorldFileFromItsFirstLine) {
  TempFolder folder;
  std::filesystem::create_directories(folder.file("worlds"));
  ASSERT_TRUE(WriteFileAtomic(folder.file("worlds/bench.wld"), "[PICS]\n0 grass\n[GIZMOS]\n3 heart\n1 heart\n[TEXT]\n[END]\n"));
  ASSERT_TRUE(WriteFileAtomic(folder.file("worlds/first.wld"), "[GIZMOS]\nm leg\n[END]\n"));
  LevelMap map(nullptr, folder.path());
  std::string missing;
  EXPECT_FALSE(map.WorldAvailable("bench", 300, &missing));
  EXPECT_EQ(missing, "Heart-1");
  EXPECT_TRUE(map.WorldAvailable("bench", 400, nullptr));
  EXPECT_TRUE(map.WorldAvailable("first", 0, nullptr));
}

TEST(LevelMapSearch, GarbageNeverCrashes) {
  std::mt19937 rng(5);
  const char alphabet[] = "[]LEVEL1GIZMOSCRITTERSEND 0123m\n\r";
  for (int round = 0; round < 500; ++round) {
    std::string text;
    for (int i = static_cast<int>(rng() % 300); i > 0; --i) text += alphabet[rng() % (sizeof alphabet - 1)];
    std::string missing;
    ScanAvailability(text, rng() % (text.size() + 2), static_cast<int>(rng() % 800), &missing);
    size_t at = FindLevelHeader(text, 1);
    std::vector<std::string> lines;
    FindTestSection(text, at, lines);
    EXPECT_LE(missing.size(), 99u);
  }
}
