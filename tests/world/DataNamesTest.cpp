// Names that world files, level maps and test scripts give for other files stay inside
// the data folder: a name that leads out is refused with the reader's own message, and
// the file it points at is never read. The editor neither attaches nor saves such a name.
#include <gtest/gtest.h>

#include <filesystem>

#include "bodies/PicWriter.h"
#include "platform/DataNames.h"
#include "world/EditingFixture.h"
#include "world/LevelMap.h"
#include "world/LevelTest.h"

namespace {
namespace fs = std::filesystem;

TEST(DataNames, OnlyNamesBelowTheFolderStayInside) {
  for (const char* inside : {"grass", "pics\\labbench.bmp", "a/b/c", "x..y", "..x", "a\\.\\b"})
    EXPECT_TRUE(DataNameStaysInside(inside)) << inside;
  for (const char* outside : {"..", "..\\..\\..\\etc\\passwd", "../x", "a/../../b", "a\\..", "/etc/passwd",
                              "\\\\server\\share", "C:\\Windows\\win.ini", "c:x"})
    EXPECT_FALSE(DataNameStaysInside(outside)) << outside;
}

// A folder of its own as the working folder, with a good picture set, world and bitmap
// lying just outside the folders the names are joined to.
struct NamesFolder {
  NamesFolder() : old(fs::current_path()) {
    fs::create_directories(folder.file("worlds"));
    fs::create_directories(folder.file("pics"));
    fs::current_path(folder.path());
    TPicSource set(4, 4, 2, 2);
    set.addFrame();
    EXPECT_TRUE(WriteFileAtomic("outside.cmp", EncodeCmp(set)));
    EXPECT_TRUE(WriteFileAtomic("outside.shd", EncodeShd(set)));
    EXPECT_TRUE(WriteFileAtomic("escape.wld", FlatWorld(3, 3)));
    EXPECT_TRUE(WriteFileAtomic("worlds/good.wld", FlatWorld(3, 3)));
  }
  ~NamesFolder() { fs::current_path(old); }
  TempFolder folder;
  fs::path old;
};

const std::string Pictures = "[PICS]\n0 grass\n1 ..\\outside\n";
const std::string Map = "[MAP]\n3 3\n0 0 0 0 0 0\n0 0 0 0 0 0\n0 0 0 0 0 0\n";

TEST(DataNames, TheWorldReaderRefusesPicturesBitmapsAndHiddenBrainsOutsideTheFolder) {
  NamesFolder here;
  FakeHost fake;
  FakeEditorBrains brains;
  TWorld world{fake.host(), WorldPorts{}, Palette{}};
  TWorldFile file{world, &brains, nullptr};
  file.ReadWorldText("[BACKGROUND]\n/etc/passwd\n" + Pictures + Map +
                     "[CRITTERS]\n0 Ball a 0 1 1 0 0\n1 Ball b 0 2 2 0 0\n"
                     "[BRAIN]\n0 2 0 0 ..\\..\\..\\etc\\passwd\n1 2 0 0 hidden.brx\n[END]\n");
  const std::vector<ShownMessage>& shown = fake.messages.shown;
  auto said = [&](const std::string& text, const std::string& caption) {
    return std::count(shown.begin(), shown.end(), ShownMessage{text, caption}) == 1;
  };
  EXPECT_TRUE(said("Couldn't open /etc/passwd", "Load World"));
  EXPECT_TRUE(said("Couldn't open ..\\outside.cmp", "Pic Error"));
  EXPECT_TRUE(said("Couldn't open worlds\\..\\..\\..\\etc\\passwd", "Hidden Brain Error"));
  // The set beside the folder was not read; the critter got no brain; the good name did.
  ASSERT_EQ(world.pictures.size(), 2u);
  EXPECT_TRUE(world.pictures[1]->error);
  EXPECT_EQ(world.pictures[1]->count(), 0);
  EXPECT_EQ(world.critters[0]->brainMode, 0);
  EXPECT_EQ(brains.attached, std::vector<std::string>{"hidden.brx"});
}

TEST(DataNames, WorldsAndMoviesNamedOutsideTheirFoldersAreNotOpened) {
  NamesFolder here;
  FakeHost fake;
  TWorld world{fake.host(), WorldPorts{}, Palette{}};
  TWorldFile file{world, nullptr, nullptr};
  EXPECT_FALSE(file.LoadWorldFile("..\\escape"));
  EXPECT_FALSE(file.LoadWorldFile("../escape"));
  EXPECT_TRUE(file.LoadWorldFile("good"));
  LevelMap levels(&fake.messages);
  EXPECT_FALSE(levels.WorldAvailable("..\\escape", 999, nullptr));
  EXPECT_TRUE(levels.WorldAvailable("good", 999, nullptr));
  const TestSection test =
      ReadTestSection({"0 1 100 50", "RUNM ..\\..\\etc\\x.mvi", "FTOM /tmp/x.mvi", "RUNM movie\\ok.mvi"}, &fake.messages);
  ASSERT_EQ(test.script.size(), 1u);
  EXPECT_EQ(test.script[0].text, "movie\\ok.mvi");
  EXPECT_EQ(std::count(fake.messages.shown.begin(), fake.messages.shown.end(),
                       ShownMessage{"Can't open movie", "Movie play error"}),
            2);
}

class EditorNames : public EditingTest {};

TEST_F(EditorNames, TheEditorNeitherAttachesNorSavesAHiddenBrainNamedOutsideWorlds) {
  Load(FlatWorld(6, 6));
  ASSERT_TRUE(ed.AddCritter(ed.TypeIndex("LadyBug"), "Lucy", "2", "2", "0"));
  TCritter& lucy = *world.critters[0];
  fake.messages.shown.clear();
  ed.ApplyBrain(lucy, 2, "..\\..\\x.brx", lucy.typeInputs, lucy.typeOutputs);
  EXPECT_EQ(lucy.brainMode, 0);
  EXPECT_TRUE(brains.attached.empty());
  ASSERT_EQ(fake.messages.shown.size(), 1u);
  // A name that got past the checks (a world read from elsewhere) is not written either.
  ed.ApplyBrain(lucy, 2, "inside.brx", lucy.typeInputs, lucy.typeOutputs);
  ASSERT_EQ(lucy.brainMode, 2);
  brains.names[static_cast<size_t>(lucy.brainNumber)] = "/etc/passwd";
  world.fileName = out.file("saved.wld");
  fake.messages.shown.clear();
  EXPECT_FALSE(ed.SaveChanges());
  EXPECT_FALSE(fs::exists(out.file("saved.wld")));
  EXPECT_EQ(fake.messages.shown.size(), 1u);
  brains.names[static_cast<size_t>(lucy.brainNumber)] = "inside.brx";
  EXPECT_TRUE(ed.SaveChanges());
  EXPECT_TRUE(fs::exists(out.file("saved.wld")));
}

TEST_F(EditorNames, TheEditorRefusesTheThousandAndFirstCritter) {
  Load(FlatWorld(6, 6));
  const int ball = ed.TypeIndex("Ball");
  for (int k = 0; k < TWorldFile::MaxCritters; ++k)
    ASSERT_TRUE(ed.AddCritter(ball, "b" + std::to_string(k), "3", "3", "0")) << k;
  fake.messages.shown.clear();
  EXPECT_FALSE(ed.AddCritter(ball, "onemore", "3", "3", "0"));
  EXPECT_EQ(world.critters.size(), static_cast<size_t>(TWorldFile::MaxCritters));
  ASSERT_EQ(fake.messages.shown.size(), 1u);
  EXPECT_EQ(fake.messages.shown[0].text, "A world holds at most 1000 critters");
}

}  // namespace
