#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>

#include "shell/GizmoPorts.h"
#include "bodies/PaletteFile.h"
#include "platform/Files.h"
#include "shell/CollectionBrainLoader.h"
#include "shell/HeadlessView.h"
#include "shell/Progression.h"
#include "shell/ShellTestHolder.h"
#include "support/Fakes.h"
#include "world/WorldBrainLink.h"
#include "world/WorldLoader.h"
#include "world/WorldMovies.h"

namespace {
// The whole program without windows, in the build's data folder.
struct Program {
  Program() {
    palette = LoadPalette("quorbit.pal").value_or(Palette{});
    world.SetClientSize(320, 240);
    movies.Attach(&world);
    loader.gizmoPorts = &gizmoPorts;
    shell.world = &world;
    shell.brains = &brains;
    shell.view = &view;
    shell.pagePlay = &progression;
    shell.pages.Build(ReadFileText("RedBook.pgs").value_or(""));
    progression.world = &loader;
    progression.brains = &brainLoader;
  }
  FakeHost fakes;
  Host host = fakes.host();
  Palette palette;
  TBrainCollection brains{host, 7};
  TWorldBrainLink link{brains};
  MainShell shell{nullptr};
  WorldMovies movies{host.messages, host.text, nullptr};
  TWorld world{host, WorldPorts{&link, nullptr, &movies, nullptr}, palette};
  ShellTestHolder holder{shell};
  TWorldLoader loader{world, &link, &holder};
  TCollectionGizmoBrains gizmoBrains{brains};
  TGizmoSoundList gizmoSounds{shell.sound};
  GizmoPorts gizmoPorts{&gizmoBrains, &gizmoSounds, host};
  CollectionBrainLoader brainLoader{brains};
  HeadlessView view;
  Progression progression{shell, host};
};
}  // namespace

// Page play walks the notebook and runs every test page with its "f" brain and then its
// reference brain: progress climbs one page at a time, a test page only once passed.
TEST(PagePlayWalk, ClimbsThroughBookOneAndIntoBookTwo) {
  char keep[PATH_MAX];
  ASSERT_TRUE(getcwd(keep, sizeof keep));
  ASSERT_EQ(chdir(QUORBIT_TEST_DATA_DIR), 0);
  {
    Program p;
    p.shell.PagePlay = true;
    std::vector<int> seen{p.shell.Progress};
    // Level 203's world still needs tuning: the walk is checked up to its page.
    int tick = 0;
    for (; tick < 60000 && p.shell.Progress < 203; ++tick) {
      p.shell.TimerTick();
      if (p.shell.Progress != seen.back()) seen.push_back(p.shell.Progress);
    }
    std::vector<int> expected;
    for (int k = 100; k <= 113; ++k) expected.push_back(k);  // book 1: 13 pages, finished at 200
    expected.back() = 200;
    for (int k = 201; k <= 203; ++k) expected.push_back(k);
    EXPECT_EQ(seen, expected);
    EXPECT_GT(tick, 11 * 2 * 160);  // every lab test ran twice to its end
  }
  ASSERT_EQ(chdir(keep), 0);
}
