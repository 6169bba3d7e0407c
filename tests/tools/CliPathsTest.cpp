#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "cli/CliPaths.h"
#include "support/Fakes.h"

TEST(CliPaths, FileNamesAreSeenFromTheStartFolder) {
  const std::string start = "/home/teacher/class";
  auto resolve = [&](const std::string& command, std::vector<std::string> args) {
    return ResolveStartPaths(command, args, start);
  };
  EXPECT_EQ(resolve("level-test", {"203", "--brain", "LadyBug=mine.brn", "--shown", "../all/w203.brn"}),
            (std::vector<std::string>{"203", "--brain", "LadyBug=/home/teacher/class/mine.brn", "--shown",
                                      "/home/teacher/all/w203.brn"}));
  // World names stay names in the data folder; world paths and absolute paths are kept apart.
  EXPECT_EQ(resolve("world-test", {"Aphids", "--max-ticks", "50"}),
            (std::vector<std::string>{"Aphids", "--max-ticks", "50"}));
  EXPECT_EQ(resolve("world-run", {"--detail", "./garden.wld", "--brain", "LadyBug=/tmp/b.brn", "--drive", "0:4=100"}),
            (std::vector<std::string>{"--detail", "/home/teacher/class/garden.wld", "--brain", "LadyBug=/tmp/b.brn",
                                      "--drive", "0:4=100"}));
  EXPECT_EQ(resolve("render", {"demo", "--out", "shot.png", "--size", "64x48"}),
            (std::vector<std::string>{"demo", "--out", "/home/teacher/class/shot.png", "--size", "64x48"}));
  // A brain file without an ending, standard input, and world-save's output.
  EXPECT_EQ(resolve("brain-run", {"--ticks", "5", "mybrain", "--save", "out"}),
            (std::vector<std::string>{"--ticks", "5", "/home/teacher/class/mybrain", "--save", "/home/teacher/class/out"}));
  EXPECT_EQ(resolve("brain-edit", {"-", "--script", "s"}), (std::vector<std::string>{"-", "--script", "/home/teacher/class/s"}));
  EXPECT_EQ(resolve("world-save", {"Aphids", "copy"}), (std::vector<std::string>{"Aphids", "/home/teacher/class/copy"}));
  EXPECT_EQ(resolve("grade", {"101", "monday", "--csv", "marks", "--seed", "3"}),
            (std::vector<std::string>{"101", "/home/teacher/class/monday", "--csv", "/home/teacher/class/marks", "--seed", "3"}));
  // Option values that are not files stay, and an option at the end keeps its place.
  EXPECT_EQ(resolve("brain-run", {"b.brn", "--set", "3=100", "--inputs", "F", "--save"}),
            (std::vector<std::string>{"/home/teacher/class/b.brn", "--set", "3=100", "--inputs", "F", "--save"}));
  EXPECT_EQ(FromStartFolder("", start), "");
  EXPECT_EQ(FromStartFolder("x", ""), "x");
}

TEST(CliPaths, TheDefaultDataFolderIsTheProgramsOwn) {
  TempFolder root;
  namespace fs = std::filesystem;
  const fs::path r(root.path());
  fs::create_directories(r / "build" / "data");
  fs::create_directories(r / "prefix" / "bin");
  fs::create_directories(r / "prefix" / "share" / "quorbit");
  fs::create_directories(r / "elsewhere");
  std::ofstream((r / "build" / "data" / "quorbit.pal").string()) << "x";
  std::ofstream((r / "prefix" / "share" / "quorbit" / "quorbit.pal").string()) << "x";
  const std::string elsewhere = (r / "elsewhere").string();
  EXPECT_EQ(DefaultDataFolder(elsewhere, (r / "build").string()), (r / "build" / "data").string());
  EXPECT_EQ(DefaultDataFolder(elsewhere, (r / "prefix" / "bin").string()), (r / "prefix" / "share" / "quorbit").string());
  EXPECT_EQ(DefaultDataFolder((r / "build" / "data").string(), (r / "prefix" / "bin").string()),
            (r / "build" / "data").string());  // a data folder to work in wins
  EXPECT_EQ(DefaultDataFolder(elsewhere, elsewhere), "");
}
