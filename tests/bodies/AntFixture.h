#pragma once
// A flat sandy world for ant tests: two brains' channel blocks set and read by channel
// and sub-value, ants, nests, food and cubes, and the strides that drive the legs.
#include <array>
#include <memory>

#include "bodies/Ant.h"
#include "channels/ChannelNumbers.h"
#include "bodies/Cube.h"
#include "bodies/Nest.h"
#include "world/WorldFixtures.h"

namespace ant_test {

// Channel blocks for two brains, set and read by channel and sub-value.
struct AntBrains : IWorldBrains {
  int32_t* BrainInputs(int n) override { return n >= 0 && n < 2 ? in[static_cast<size_t>(n)].data() : nullptr; }
  const int32_t* BrainOutputs(int n) override {
    return n >= 0 && n < 2 ? out[static_cast<size_t>(n)].data() : nullptr;
  }
  int input(int channel, int sub = 0, int brain = 0) const {
    return in[static_cast<size_t>(brain)][static_cast<size_t>(channel * 8 + sub)];
  }
  void set(int channel, int sub, int value, int brain = 0) {
    out[static_cast<size_t>(brain)][static_cast<size_t>(channel * 8 + sub)] = value;
  }
  void clear(int brain = 0) { out[static_cast<size_t>(brain)].fill(0); }
  std::array<std::array<int32_t, 512>, 2> in{}, out{};
};

// Frames with no collision shape: the legs touch nothing.
inline std::unique_ptr<TPic> ShapelessPic(const std::string& name, int frames) {
  TPicSource set(4, 4, 2, 2);
  for (int f = 0; f < frames; ++f) set.addFrame();
  auto cmp = EncodeCmp(set), shd = EncodeShd(set);
  auto pic = std::make_unique<TPic>();
  pic->decode(name, &cmp, &shd);
  return pic;
}

struct AntFixture : WorldFixture {
  AntFixture() : WorldFixture(12) {
    world.brains = &brains;
    for (int y = 0; y < 12; ++y)
      for (int x = 0; x < 12; ++x) world.SetTile(x, y, 0, 0.1f);
    bodyPic = world.AddPicture(SquarePic("abd", 6, 0.25f, 200, 200, AntShape::SinkingFrame + 1));
    headPic = world.AddPicture(SquarePic("ahd", 6, 0.12f, 201, 200, 48));
    legPic = world.AddPicture(ShapelessPic("aleg", 48));
    nestPic = world.AddPicture(SquarePic("nest", 8, 0.4f, 202, 200, 3));
    foodPic = world.AddPicture(SquarePic("food", 4, 0.1f, 203, 200, 1));
  }
  TAnt* Ant(float x, float y, int heading, int brain = 0) {
    int n = world.CritterCount();
    auto* ant = static_cast<TAnt*>(world.AddCritter(std::make_unique<TAnt>(
        &world, "ant", n, x, y, 0.1f, heading, world.Picture(bodyPic), world.Picture(headPic), world.Picture(legPic))));
    ant->brainMode = 1;
    ant->brainNumber = brain;
    ant->start();
    return ant;
  }
  TNest* Nest(float x, float y) {
    int n = world.CritterCount();
    auto* nest = static_cast<TNest*>(
        world.AddCritter(std::make_unique<TNest>(&world, "nest", n, x, y, 0.3f, 0, world.Picture(nestPic))));
    nest->start();
    return nest;
  }
  // Something an ant may carry: a mushroom of 15 energy.
  TestCritter* Food(float x, float y) {
    auto* food = static_cast<TestCritter*>(
        world.AddCritter(std::make_unique<TestCritter>(&world, foodPic, x, y, 0.1f, TypeCodes::Mushroom)));
    food->pickable = true;
    food->energy = food->startEnergy = 15;
    return food;
  }
  // A real cube of the first band, which ants may carry.
  TCube* Cube(float x, float y) {
    if (cubePic < 0) cubePic = world.AddPicture(SquarePic("cube", 4, 0.1f, 204, 200, 18));
    int n = world.CritterCount();
    auto* cube = static_cast<TCube*>(
        world.AddCritter(std::make_unique<TCube>(&world, "cube", n, x, y, 0.1f, 0, world.Picture(cubePic))));
    cube->start();
    return cube;
  }
  void Legs(std::initializer_list<int> legs, int channel, int value = 100, int brain = 0) {
    for (int leg : legs) brains.set(channel, TAnt::LegSub[leg], value, brain);
  }
  void Tick(int n = 1) {
    for (int k = 0; k < n; ++k) world.Step(tick++, true, false);
  }
  // Exactly the listed legs get the channel.
  void OnlyLegs(int channel, std::initializer_list<int> legs, int brain = 0) {
    for (int leg = 0; leg < 6; ++leg) brains.set(channel, TAnt::LegSub[leg], 0, brain);
    Legs(legs, channel, 100, brain);
  }
  // Tick t of a stride of five: one push of all six legs, then each tripod lifted to
  // bring its legs back to rest.
  void StrideTick(int t, int brain = 0) {
    switch (t % 5) {
      case 0:
        OnlyLegs(OutCh::LegUp, {}, brain);
        OnlyLegs(OutCh::LegBack, {0, 1, 2, 3, 4, 5}, brain);
        break;
      case 1: OnlyLegs(OutCh::LegBack, {}, brain), OnlyLegs(OutCh::LegUp, {0, 2, 4}, brain); break;
      case 3: OnlyLegs(OutCh::LegUp, {1, 3, 5}, brain); break;
      default: OnlyLegs(OutCh::LegUp, {}, brain);
    }
    Tick();
  }
  void Stride(int brain = 0) {
    for (int t = 0; t < 5; ++t) StrideTick(t, brain);
  }
  AntBrains brains;
  int bodyPic, headPic, legPic, nestPic, foodPic, cubePic = -1;
  int tick = 0;
};

}  // namespace ant_test
