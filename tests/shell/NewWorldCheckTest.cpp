// New refuses a world the program could not read back or open from the notebook.
#include <gtest/gtest.h>

#include "shell/NewWorldCheck.h"
#include "support/Fakes.h"
#include "world/WorldFile.h"

TEST(NewWorldCheck, SizesAndNamesTheReaderOrTheWorldListWouldRefuseAreRefused) {
  const std::vector<std::string> files{"garden.wld"};
  EXPECT_EQ(CheckNewWorld("pond", "1001", "10", files), "Please enter Width of at most 1000");
  EXPECT_EQ(CheckNewWorld("pond", "10", "100000", files), "Please enter Length of at most 1000");
  EXPECT_EQ(CheckNewWorld("pond", "100000", "100000", files), "Please enter Width of at most 1000");
  EXPECT_EQ(CheckNewWorld("pond", "600", "600", files),
            "Please enter a Width and Length whose product is at most 250000");
  EXPECT_EQ(CheckNewWorld("my.pond", "20", "20", files), "A world name cannot contain .");
  EXPECT_EQ(CheckNewWorld("pond", "1000", "250", files), "");
  EXPECT_EQ(CheckNewWorld("pond", "500", "500", files), "");
}

// The largest world New accepts is read back whole.
TEST(NewWorldCheck, TheLargestNewWorldIsReadBack) {
  FakeHost fake;
  TWorld world{fake.host(), WorldPorts{}, Palette{}};
  TWorldFile file{world, nullptr, nullptr};
  file.ReadWorldText(TWorldFile::NewWorldText(1000, 250));
  EXPECT_EQ(world.X, 1000);
  EXPECT_EQ(world.Y, 250);
  for (const ShownMessage& m : fake.messages.shown) EXPECT_NE(m.text, "Bad map size");
}
