// Damaged, oversized and missing files handed to the shell's readers (settings, manual,
// sounds, palette, notebook): the program starts and runs on with sound defaults, and
// nothing a file says reaches past the tables it indexes.
#include <gtest/gtest.h>

#include <filesystem>

#include "bodies/PaletteFile.h"
#include "platform/Files.h"
#include "shell/MainShell.h"
#include "shell/ManualPages.h"
#include "shell/NotebookPage.h"
#include "shell/PageIndex.h"
#include "shell/SettingsStore.h"
#include "shell/SoundService.h"
#include "support/Fakes.h"

namespace {
namespace fs = std::filesystem;

// A sparse file larger than any of these readers takes.
std::string Huge(const TempFolder& folder, const std::string& name) {
  const std::string path = folder.file(name);
  EXPECT_TRUE(WriteFileAtomic(path, std::string("PageAccess=700\r\n")));
  fs::resize_file(path, (size_t{1} << 30) + 1);
  return path;
}

std::string Garbage(size_t size, unsigned seed) {
  std::string text(size, '\0');
  for (size_t k = 0; k < size; ++k) text[k] = static_cast<char>((k * 2654435761u + seed) >> 13);
  return text;
}
}  // namespace

TEST(HostileSettingsFile, HugeOrGarbageFilesStartWithTheDefaultsAndSaveCleanly) {
  TempFolder folder;
  SettingsStore settings;
  EXPECT_FALSE(settings.Load(Huge(folder, "huge.reg")));
  MainShell shell(nullptr);
  shell.Settings = settings;
  shell.ReadStartSettings();
  EXPECT_EQ(shell.Progress, 100);

  // Values that are no numbers, too large or cut off read as 0 (the default); the first
  // line of a name counts; the lines the program does not know are kept on saving.
  const std::string path = folder.file("bad.reg");
  const std::string text = Garbage(5000, 1) + "\r\nPageAccess=99999999999999999999\r\nPageAccess=205\r\nMonitor=2x\r\n" +
                           "OpenBook=-2147483649\r\nOpenPage=\r\n=\r\n" + std::string(100000, '=') + "\n";
  ASSERT_TRUE(WriteFileAtomic(path, text));
  ASSERT_TRUE(settings.Load(path));
  EXPECT_EQ(settings.ReadSetting("PageAccess"), 0);
  EXPECT_EQ(settings.ReadSetting("Monitor"), 0);
  EXPECT_EQ(settings.ReadSetting("OpenBook"), 0);
  EXPECT_EQ(settings.ReadSetting("OpenPage"), 0);
  shell.Settings = settings;
  shell.ReadStartSettings();
  EXPECT_EQ(shell.Progress, 100);
  shell.Progress = 301;
  shell.WriteEndSettings(true);
  ASSERT_TRUE(shell.Settings.Save(path));
  SettingsStore again;
  ASSERT_TRUE(again.Load(path));
  EXPECT_EQ(again.ReadSetting("PageAccess"), 301);
  EXPECT_NE(ReadFileText(path)->find("PageAccess=205\r\n"), std::string::npos);
}

TEST(HostileManualFile, HugeFilesGiveTheMissingPageAndGarbageGivesPagesThatEnd) {
  TempFolder folder;
  const ManualPages huge = ManualPages::Load(Huge(folder, "manual.pgs"));
  EXPECT_EQ(huge.text(), ManualPages::MissingText);
  // Binary garbage with markup characters sprinkled in: every page in its table can be
  // drawn, and the table has no more entries than the text has "<p" marks.
  std::string text = Garbage(20000, 7);
  for (size_t k = 0; k < text.size(); k += 97) text.replace(k, 3, k % 2 ? "<p " : "<x ");
  const ManualPages garbage{text};
  EXPECT_LE(garbage.table().size(), text.size() / 97 + 1);
}

TEST(HostileNotebookFile, GarbageAndOverlongNotebooksKeepTheirPageCountsInBounds) {
  PageIndex pages;
  std::string text = Garbage(50000, 3);
  for (size_t k = 0; k < text.size(); k += 13) text[k] = k % 3 ? '#' : '&';
  pages.Build(text);
  for (int book = -1; book <= PageIndex::Books; ++book) {
    EXPECT_LE(pages.PageCount(book), PageIndex::MaxPages);
    for (int page = -1; page <= PageIndex::MaxPages; ++page) {
      const std::string pageText = pages.PageText(book, page);
      for (const std::string& line : NotebookLines(pageText)) EXPECT_LE(line.size(), 99u);
      LayoutNotebookPage(pageText, "", 1.0);
    }
  }
  EXPECT_EQ(pages.PageCount(-1), 0);
  EXPECT_EQ(pages.PageText(PageIndex::Books, 0), "");
}

TEST(HostileSoundFile, AFileTooLargeToReadLeavesTheSoundSilent) {
  TempFolder folder;
  FakeSound out;
  SoundService sound(&out);
  SoundRecord record;
  sound.LoadSound(Huge(folder, "huge.wav"), record, 50);
  EXPECT_TRUE(record.empty());
  EXPECT_TRUE(sound.PlaySoundObject(record));
  EXPECT_TRUE(out.events.empty());
}

TEST(HostilePaletteFile, ShortHugeAndGarbageFilesGiveNoPalette) {
  TempFolder folder;
  EXPECT_FALSE(LoadPalette(folder.file("none.pal")));
  EXPECT_FALSE(LoadPalette(Huge(folder, "huge.pal")));
  const std::string shortFile = folder.file("short.pal");
  ASSERT_TRUE(WriteFileAtomic(shortFile, Garbage(24 + 1023, 5)));
  EXPECT_FALSE(LoadPalette(shortFile));
}
