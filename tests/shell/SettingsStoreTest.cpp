#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "platform/Files.h"
#include "shell/SettingsStore.h"
#include "support/Fakes.h"

TEST(SettingsStore, ReadsValuesByNameInAnyCaseAndRejectsNonNumbers) {
  SettingsStore s;
  s.SetText("pageaccess=312\nMonitor=abc\nOpenBook=\nOpenPage= 7 \r\nOther line\nPageAccess=999");
  EXPECT_EQ(s.ReadSetting("PageAccess"), 312);  // the first matching line wins
  EXPECT_EQ(s.ReadSetting("Monitor"), 0);
  EXPECT_EQ(s.ReadSetting("OpenBook"), 0);
  EXPECT_EQ(s.ReadSetting("OpenPage"), 7);
  EXPECT_EQ(s.ReadSetting("Missing"), 0);
  s.SetText("PageAccess=99999999999\nMonitor=-3\nX=1x");
  EXPECT_EQ(s.ReadSetting("PageAccess"), 0);
  EXPECT_EQ(s.ReadSetting("Monitor"), -3);
  EXPECT_EQ(s.ReadSetting("X"), 0);
}

TEST(SettingsStore, WritesInPlaceKeepsOtherLinesAndAppendsNewKeys) {
  TempFolder dir;
  SettingsStore s;
  s.SetText("# remembered by Quorbit\npageaccess=205\nmonitor=1");
  s.WriteSetting("PageAccess", 206);
  s.WriteSetting("OpenBook", 2);
  ASSERT_TRUE(s.Save(dir.file("quorbit.reg")));
  EXPECT_EQ(*ReadFileText(dir.file("quorbit.reg")), "# remembered by Quorbit\r\npageaccess=206\r\nmonitor=1\r\nOpenBook=2\r\n");
  SettingsStore back;
  ASSERT_TRUE(back.Load(dir.file("quorbit.reg")));
  EXPECT_EQ(back.ReadSetting("PAGEACCESS"), 206);
  EXPECT_FALSE(back.Load(dir.file("missing.reg")));
}

TEST(SettingsStore, AFolderThatTakesNoNewFileStillGetsTheSettingsWrittenInPlace) {
  namespace fs = std::filesystem;
  TempFolder dir;
  const std::string path = dir.file("quorbit.reg");
  ASSERT_TRUE(WriteFileAtomic(path, std::string("PageAccess=101\r\n")));
  // No file can be made beside it: the folder is read-only, and (for a superuser, whom
  // permissions do not stop) something stands where the temporary file would go.
  fs::create_directory(path + ".tmp" + std::to_string(::getpid()));
  fs::permissions(dir.path(), fs::perms::owner_read | fs::perms::owner_exec);
  SettingsStore s;
  ASSERT_TRUE(s.Load(path));
  s.WriteSetting("PageAccess", 205);
  const bool saved = s.Save(path);
  fs::permissions(dir.path(), fs::perms::owner_all);
  EXPECT_TRUE(saved);
  EXPECT_EQ(*ReadFileText(path), "PageAccess=205\r\n");
}

TEST(SettingsStore, MissingFileIsCreatedBesideTheProgramOrInTheUsersFolder) {
  TempFolder dir;
  std::string path = LocateSettingsFile(dir.path());
  EXPECT_EQ(path, dir.file("quorbit.reg"));
  EXPECT_TRUE(FileExists(path));

  TempFolder home;
  setenv("XDG_CONFIG_HOME", home.path().c_str(), 1);
  std::string fallback = LocateSettingsFile("/proc/no-such-folder");
  unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(fallback, home.file("quorbit/quorbit.reg"));
  EXPECT_TRUE(FileExists(fallback));
}

TEST(SettingsStore, WindowSizesAreKeptForEachKindOfWorldAndOldFilesStillRead) {
  TempFolder dir;
  SettingsStore s;
  // A file from before sizes were kept: every kind reads as none kept, the old keys as before.
  s.SetText("PageAccess=205\r\nMonitor=1\r\nOpenBook=2\r\nOpenPage=3\r\n");
  for (WorldKind k : {WorldKind::Room, WorldKind::Bench, WorldKind::Terrain, WorldKind::Workshop})
    EXPECT_EQ(ReadWindowSizes(s, k), WindowSizes{});
  WriteWindowSizes(s, WorldKind::Terrain, {500, 600, 800, 560});
  WriteWindowSizes(s, WorldKind::Bench, {420, 300, 0, 0});  // a bench's world has its own fixed size
  ASSERT_TRUE(s.Save(dir.file("quorbit.reg")));
  SettingsStore back;
  ASSERT_TRUE(back.Load(dir.file("quorbit.reg")));
  EXPECT_EQ(ReadWindowSizes(back, WorldKind::Terrain), (WindowSizes{500, 600, 800, 560}));
  EXPECT_EQ(ReadWindowSizes(back, WorldKind::Bench), (WindowSizes{420, 300, 0, 0}));
  EXPECT_EQ(ReadWindowSizes(back, WorldKind::Workshop), WindowSizes{});
  EXPECT_EQ(back.ReadSetting("PageAccess"), 205);
  EXPECT_EQ(back.lines().front(), "PageAccess=205");
  // Damaged sizes are not kept: negative, zero, absurd or not numbers.
  back.SetText("TerrainWorldWidth=-640\nTerrainWorldHeight=99999\nTerrainBrainWidth=abc\nterrainbrainheight=450");
  EXPECT_EQ(ReadWindowSizes(back, WorldKind::Terrain), (WindowSizes{0, 450, 0, 0}));
  // A new size replaces the old line in place.
  WriteWindowSizes(back, WorldKind::Terrain, {0, 460, 0, 0});
  EXPECT_EQ(back.lines().back(), "terrainbrainheight=460");
}
