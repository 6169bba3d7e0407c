// Damaged, oversized and missing files handed to the world's readers: each says what is
// wrong in the words the program uses for it, and the world loaded before stays whole.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "bodies/GizmoFactory.h"
#include "platform/Files.h"
#include "world/WorldEditing.h"
#include "world/WorldFile.h"
#include "world/WorldLoader.h"
#include "world/WorldFixtures.h"

namespace {
namespace fs = std::filesystem;

// A world fixture working in a folder of its own with "worlds" and "pics" folders.
struct LoaderFolder : WorldFixture {
  LoaderFolder() : old(fs::current_path()) {
    fs::create_directories(folder.file("worlds"));
    fs::create_directories(folder.file("pics"));
    fs::current_path(folder.path());
  }
  ~LoaderFolder() { fs::current_path(old); }

  void Write(const std::string& name, const std::string& text) { ASSERT_TRUE(WriteFileAtomic(NativePath(name), text)); }
  // A file larger than any reader takes; sparse, so it costs no disk.
  void WriteHuge(const std::string& name) {
    Write(name, "[MAP]\n");
    fs::resize_file(NativePath(name), (size_t{1} << 30) + 1);
  }
  // The reports that are not about picture files (the folder has none).
  std::vector<ShownMessage> Reports() {
    std::vector<ShownMessage> r;
    for (const ShownMessage& m : fake.messages.shown)
      if (m.caption != "Pic Error") r.push_back(m);
    fake.messages.shown.clear();
    return r;
  }
  // The good world is still there, under its own name, and still runs.
  void ExpectGoodWorld() {
    EXPECT_EQ(world.X, 5);
    EXPECT_EQ(world.Y, 4);
    EXPECT_EQ(world.fileName, "worlds\\good.wld");
    EXPECT_EQ(world.testCritter, testCritter);
    world.StartWorld();
    for (int t = 0; t < 50; ++t) world.Step(t, true, false);
  }

  TempFolder folder;
  fs::path old;
  TStoredTest test;
  TWorldLoader loader{world, nullptr, nullptr};
  int testCritter = -1;
};

const std::string GoodWorld = "[PICS]\n0 grass\n[MAP]\n5 4\n"
                              "0 0 0 0 0 0 0 0\n0 0 0 0 0 0 0 0\n0 0 0 0 0 0 0 0\n0 0 0 0 0 0 0 0\n0 0 0 0 0 0 0 0\n"
                              "[LOOKAT]\n2 2 0\n[TEXT]\nA good world\n[END]\n";

const ShownMessage CannotOpenWorld{"Couldn't open world file", "Load World Error"};
}  // namespace

TEST(HostileWorldFile, OneThatCannotBeReadKeepsTheWorldLoadedBefore) {
  LoaderFolder f;
  f.Write("worlds\\good.wld", GoodWorld);
  ASSERT_TRUE(f.loader.LoadWorldFile("good"));
  f.testCritter = f.world.testCritter;
  f.Reports();

  EXPECT_FALSE(f.loader.LoadWorldFile("missing"));
  EXPECT_EQ(f.Reports(), std::vector<ShownMessage>{CannotOpenWorld});
  f.ExpectGoodWorld();

  f.WriteHuge("worlds\\huge.wld");
  EXPECT_FALSE(f.loader.LoadWorldFile("huge"));
  EXPECT_EQ(f.Reports(), std::vector<ShownMessage>{CannotOpenWorld});
  f.ExpectGoodWorld();

  // A folder in the place of the file.
  fs::create_directories(f.folder.file("worlds/folder.wld"));
  EXPECT_FALSE(f.loader.LoadWorldFile("folder"));
  EXPECT_EQ(f.Reports(), std::vector<ShownMessage>{CannotOpenWorld});
  f.ExpectGoodWorld();
}

TEST(HostileWorldFile, GarbageAndCutFilesLoadWhatTheyHoldAndTheWorldRuns) {
  LoaderFolder f;
  std::string garbage;
  for (int k = 0; k < 4000; ++k) garbage.push_back(static_cast<char>((k * 7919 + 13) % 251));
  const std::vector<std::string> files = {
      garbage,
      GoodWorld.substr(0, GoodWorld.size() / 2),  // cut inside the map
      "[MAP]\n2000000 2000000\n",                  // a map too large to make
      "[MAP]\n3 3\n0 nan 0 inf 0 -1e38 0 1e38\n[LOOKAT]\n1e30 -1e30 nan\n",
      "[CRITTERS]\n0 LadyBug a 1 1e9 -1e9 0 0 0\n99999999 Aphid b 3 1 1 0 0\n[ENERGY]\n5 60 0.1\n-3 1 1\n",
      std::string(200000, '['),
  };
  for (size_t k = 0; k < files.size(); ++k) {
    SCOPED_TRACE(k);
    f.Write("worlds\\bad.wld", files[k]);
    EXPECT_TRUE(f.loader.LoadWorldFile("bad"));
    f.world.StartWorld();
    for (int t = 0; t < 50; ++t) f.world.Step(t, true, false);
    // What was read can be written and read back.
    TWorldFile file(f.world, nullptr, &f.test);
    EXPECT_TRUE(file.SaveWorld("worlds\\again.wld"));
    EXPECT_TRUE(f.loader.LoadWorldFile("again"));
  }
}

TEST(HostileLevelMap, MissingDamagedOrHugeMapsAreReportedAndKeepTheWorld) {
  LoaderFolder f;
  f.Write("worlds\\good.wld", GoodWorld);
  ASSERT_TRUE(f.loader.LoadWorldFile("good"));
  f.testCritter = f.world.testCritter;
  f.Reports();
  const ShownMessage cannotOpenMap{"Couldn't open map file", "Load World Error"};
  const ShownMessage noLevel{"Couldn't find level", "Load World Error"};

  EXPECT_FALSE(f.loader.LoadLevel(101));
  EXPECT_EQ(f.Reports(), std::vector<ShownMessage>{cannotOpenMap});
  f.ExpectGoodWorld();

  f.WriteHuge("level.map");
  EXPECT_FALSE(f.loader.LoadLevel(101));
  EXPECT_EQ(f.Reports(), std::vector<ShownMessage>{cannotOpenMap});
  f.ExpectGoodWorld();

  // Headers that come close: cut short, another number, a bracket at the very end.
  for (const std::string& map : {std::string("[LEVEL10"), std::string("[LEVEL1011]\n[LEVEL 101]\n[level101]\n["),
                                 std::string(100000, '[') + "LEVEL"}) {
    f.Write("level.map", map);
    std::string missing;
    EXPECT_FALSE(f.loader.LevelAvailable(101, 999, missing));
    EXPECT_FALSE(f.loader.LoadLevel(101));
    const auto reports = f.Reports();
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.back(), noLevel);
    f.ExpectGoodWorld();
  }

  // A level whose block the file cuts off still loads as far as it goes.
  f.Write("level.map", "[LEVEL101]\n[MAP]\n3 3\n0 0 0");
  EXPECT_TRUE(f.loader.LoadLevel(101));
  f.world.StartWorld();
  for (int t = 0; t < 50; ++t) f.world.Step(t, true, false);
}

TEST(HostileSceneryCatalogue, MissingHugeAndGarbageListsGiveAnEmptyOrPartCatalogue) {
  LoaderFolder f;
  FakeHost host;
  TWorldEditing editing(f.world, host.host(), nullptr, nullptr);
  EXPECT_FALSE(editing.ReadCatalogue());
  ASSERT_FALSE(host.messages.shown.empty());
  EXPECT_EQ(host.messages.shown.back(), (ShownMessage{"Could not find fixed.lst", "Edit Error"}));
  EXPECT_TRUE(editing.catalogue.empty());

  host.messages.shown.clear();
  f.WriteHuge("pics\\fixed.lst");
  EXPECT_FALSE(editing.ReadCatalogue());
  ASSERT_FALSE(host.messages.shown.empty());
  EXPECT_EQ(host.messages.shown.back(), (ShownMessage{"Could not find fixed.lst", "Edit Error"}));

  // Names that reach out of "pics", numbers that are not, pictures that are not there,
  // and a line far too long: nothing is taken, nothing crashes.
  f.Write("pics\\fixed.lst", "1 2 ../../etc/passwd\n2 3 \\evil\n3 x stone\nnine 1 twig\n4 1 nothere\n" +
                                 std::string(500000, 'a') + "\n");
  EXPECT_TRUE(editing.ReadCatalogue());
  EXPECT_TRUE(editing.catalogue.empty());
}

TEST(HostilePictureSet, MissingCutGarbageAndHugeSetsAreReportedAndTheWorldStillDraws) {
  LoaderFolder f;
  TPicSource set(12, 12, 6, 6);
  for (int k = 0; k < 3; ++k) {
    auto& frame = set.addFrame();
    std::fill(frame.colour.begin(), frame.colour.end(), static_cast<uint8_t>(40 + k));
    std::fill(frame.depth.begin(), frame.depth.end(), static_cast<uint8_t>(100));
  }
  const auto cmp = EncodeCmp(set), shd = EncodeShd(set);
  auto write = [&](const std::string& name, const std::vector<uint8_t>& bytes) {
    ASSERT_TRUE(WriteFileAtomic(NativePath("pics\\" + name), bytes));
  };
  write("good.cmp", cmp);
  write("good.shd", shd);
  write("cut.cmp", std::vector<uint8_t>(cmp.begin(), cmp.begin() + static_cast<long>(cmp.size() / 2)));
  write("cut.shd", shd);
  std::vector<uint8_t> junk(3000);
  for (size_t k = 0; k < junk.size(); ++k) junk[k] = static_cast<uint8_t>(k * 131 + 7);
  write("junk.cmp", junk);
  write("junk.shd", junk);
  write("noshd.cmp", cmp);
  f.WriteHuge("pics\\huge.cmp");
  write("badshd.cmp", cmp);
  write("badshd.shd", std::vector<uint8_t>(shd.begin(), shd.begin() + 5));

  const int good = f.world.AddPicture("good");
  EXPECT_TRUE(f.Reports().empty());
  ASSERT_EQ(f.world.Picture(good)->count(), 3);
  const std::map<std::string, std::string> expected = {
      {"gone", "Couldn't open gone.cmp"}, {"huge", "Couldn't open huge.cmp"}, {"noshd", "Couldn't open noshd.shd"},
      {"cut", ""}, {"junk", ""}, {"badshd", ""}};
  for (const auto& [name, text] : expected) {
    SCOPED_TRACE(name);
    const int picture = f.world.AddPicture(name);
    const auto& shown = f.fake.messages.shown;
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Pic Error");
    if (!text.empty()) EXPECT_EQ(shown[0].text, text);
    else EXPECT_FALSE(shown[0].text.empty());
    f.fake.messages.shown.clear();
    // Whatever frames were read can be placed and drawn; the good set still draws.
    f.world.AddScenery(picture, 2, 2, 0, 0);
    f.world.AddScenery(picture, 1, 1, 0, 2);
    f.world.AddScenery(good, 3, 3, 0, 1);
    f.world.FullRedraw();
    for (int t = 0; t < 50; ++t) f.world.Step(t, true, false);
  }
}

TEST(HostileWorldFile, GoalLinesWithANumberMissingOrOutOfRangeAreRefusedAndReported) {
  LoaderFolder f;
  GizmoPorts ports;
  ports.host = f.world.host;
  f.loader.gizmoPorts = &ports;
  f.Write("worlds\\goals.wld", "[PICS]\n0 grass\n[MAP]\n2 2\n0 0 0 0\n0 0 0 0\n[GIZMOS]\n"
                               "goal 0 2 30 1 0\ngoal 0 2\ngoal 0 9 1 0 0\ngoal 0 0 7 5 0\ngoal\n"
                               "goal 7 4 50 0 0\n[TEXT]\nGoals\n[END]\n");
  ASSERT_TRUE(f.loader.LoadWorldFile("goals"));
  // The first and the last lines make goals (a body number is only checked as the world
  // runs); the four others are reported and left out.
  EXPECT_EQ(f.world.gizmos.size(), 2u);
  const auto reports = f.Reports();
  ASSERT_EQ(reports.size(), 4u);
  for (const ShownMessage& m : reports) EXPECT_EQ(m.caption, "Load Gizmo Error");
  EXPECT_EQ(reports[1].text, "Bad gizmo line: goal 0 9 1 0 0");
  f.world.ResetWorld();
  f.world.StartWorld();
  for (int t = 0; t < 20; ++t) f.world.Step(t, true, true);
  EXPECT_FALSE(f.world.JudgeTest(3, 0));
}
