#include <gtest/gtest.h>

#include <array>

#include "bodies/Ant.h"
#include "bodies/Nest.h"
#include "world/WorldFile.h"
#include "world/WorldFixtures.h"

namespace {

struct InNestFixture : WorldFixture {
  InNestFixture() : file(world, nullptr, &test) {}
  std::vector<ShownMessage> reports() {
    std::vector<ShownMessage> r;
    for (auto& m : fake.messages.shown)
      if (m.caption != "Pic Error") r.push_back(m);
    return r;
  }
  TStoredTest test;
  TWorldFile file;
};

const char* IslandCritters =
    "[PICS]\n0 grass\n1 abd\n2 ahd\n3 aleg\n4 nest\n5 mush\n[MAP]\n4 4\n"
    "0 0.1 0 0.1 0 0.1 0 0.1\n0 0.1 0 0.1 0 0.1 0 0.1\n0 0.1 0 0.1 0 0.1 0 0.1\n0 0.1 0 0.1 0 0.1 0 0.1\n"
    "[CRITTERS]\n0 Ant Red 1 2 3 3 3 3 3 3 1.5 1.5 0.1 0\n1 Nest Home 4 2.5 2.5 0.1 0\n"
    "2 Ant Blue 1 2 3 3 3 3 3 3 1.5 2.5 0.1 6\n3 Mushroom m 5 2.5 1.5 0.1 0\n";

TEST(WorldFileInNest, AnAntStartsInsideItsNest) {
  InNestFixture f;
  f.file.ReadWorldText(std::string(IslandCritters) + "[INNEST]\n2 1 30\n[END]\n");
  EXPECT_TRUE(f.reports().empty());
  auto* ant = dynamic_cast<TAnt*>(f.world.critters[2].get());
  auto* nest = dynamic_cast<TNest*>(f.world.critters[1].get());
  ASSERT_TRUE(ant && nest);
  EXPECT_EQ(ant->nest, nest);
  EXPECT_EQ(ant->startNest, nest);
  EXPECT_EQ(ant->nestTicks, 30);
  EXPECT_EQ(ant->startNestTicks, 30);
  for (auto& part : ant->parts) EXPECT_NE(part->visibility, TSprite::Shown);
  // The other ant walks about.
  EXPECT_EQ(static_cast<TAnt*>(f.world.critters[0].get())->nest, nullptr);
  f.world.ResetWorld();
  EXPECT_EQ(ant->nestTicks, 30);
}

// A count at or past the tick the ant comes out would keep it hidden for good.
TEST(WorldFileInNest, ACountPastTheWayOutStillLetsTheAntComeOut) {
  InNestFixture f;
  struct OneBrain : IWorldBrains {
    int32_t* BrainInputs(int n) override { return n == 0 ? in.data() : nullptr; }
    const int32_t* BrainOutputs(int n) override { return n == 0 ? out.data() : nullptr; }
    std::array<int32_t, 512> in{}, out{};
  } brain;
  f.world.brains = &brain;
  f.file.ReadWorldText(std::string(IslandCritters) + "[INNEST]\n2 1 5000\n[END]\n");
  auto* ant = dynamic_cast<TAnt*>(f.world.critters[2].get());
  ASSERT_TRUE(ant);
  ant->brainMode = 1, ant->brainNumber = 0;
  f.world.ResetWorld();
  f.world.StartWorld();
  for (int t = 0; t < 20 && ant->nestTicks != 0; ++t) f.world.Step(t, true, false);
  EXPECT_EQ(ant->nestTicks, 0);
  EXPECT_EQ(ant->nest, nullptr);
  for (auto& part : ant->parts) EXPECT_TRUE(part->active());
}

TEST(WorldFileInNest, LinesNamingTheWrongBodiesAreReportedAndSkipped) {
  InNestFixture f;
  f.file.ReadWorldText(std::string(IslandCritters) + "[INNEST]\n1 1 5\n0 2 5\n3 1 5\n0 9 5\n-1 1 5\n0 1\n[END]\n");
  const std::vector<ShownMessage> want = {{"In nest critter not ant", "Load InNest Error"},
                                          {"In nest critter not nest", "Load InNest Error"},
                                          {"In nest critter not ant", "Load InNest Error"},
                                          {"Unknown critter number", "Load InNest Error"},
                                          {"Unknown critter number", "Load InNest Error"},
                                          {"0 1", "Load World Error"}};  // too short to read
  EXPECT_EQ(f.reports(), want);
  EXPECT_EQ(static_cast<TAnt*>(f.world.critters[0].get())->nest, nullptr);
}

}  // namespace
