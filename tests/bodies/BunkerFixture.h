#pragma once
// A flat world for the worm and spider tests: square pictures with every frame the two
// classes show, two brains, and helpers to make the animals and drive their outputs.
#include <array>
#include <memory>

#include "bodies/CritterTypes.h"
#include "bodies/Spider.h"
#include "bodies/Worm.h"
#include "world/WorldFixtures.h"

struct TwoBrains : IWorldBrains {
  int32_t* BrainInputs(int n) override { return n >= 0 && n < 2 ? inputs[static_cast<size_t>(n)].data() : nullptr; }
  const int32_t* BrainOutputs(int n) override {
    return n >= 0 && n < 2 ? outputs[static_cast<size_t>(n)].data() : nullptr;
  }
  int in(int channel, int brain = 0) const {
    return inputs[static_cast<size_t>(brain)][static_cast<size_t>(channel * 8)];
  }
  int32_t& out(int channel, int brain = 0) {
    return outputs[static_cast<size_t>(brain)][static_cast<size_t>(channel * 8)];
  }
  void clearOutputs(int brain = 0) { outputs[static_cast<size_t>(brain)].fill(0); }
  std::array<std::array<int32_t, 512>, 2> inputs{}, outputs{};
};

struct BunkerFixture : WorldFixture {
  BunkerFixture() : WorldFixture(12) {
    world.brains = &brains;
    // Ends and middles are small squares (0.1 across); the spider's body 0.4 across.
    frontPic = world.AddPicture(SquarePic("wf", 4, 0.05f, 200, 200, 24));
    middlePic = world.AddPicture(SquarePic("wm", 4, 0.05f, 201, 200, 240));
    backPic = world.AddPicture(SquarePic("wb", 4, 0.05f, 202, 200, 24));
    bodyPic = world.AddPicture(SquarePic("sbdy", 6, 0.2f, 203, 200, 25));
    legPic = world.AddPicture(SquarePic("sleg", 4, 0.05f, 204, 200, 48));
    for (TPicFrame& fr : world.Picture(legPic)->frames) fr.boundary.kind = NoBoundary;  // legs never collide
    mushPic = world.AddPicture(SquarePic("mush", 4, 0.08f, 205, 200, 2));
  }
  // With brain 0 (or none), running.
  TWorm* Worm(float x, float y, int heading, bool brain = true) {
    auto* worm = static_cast<TWorm*>(world.AddCritter(std::make_unique<TWorm>(
        &world, "worm", 0, x, y, 0, heading, world.Picture(frontPic), world.Picture(middlePic),
        world.Picture(backPic))));
    if (brain) worm->brainMode = 1, worm->brainNumber = 0;
    worm->start();
    return worm;
  }
  // With brain 1 (or none), running.
  TSpider* Spider(float x, float y, int heading, bool brain = true) {
    auto* spider = static_cast<TSpider*>(world.AddCritter(std::make_unique<TSpider>(
        &world, "spider", 0, x, y, 0, heading, world.Picture(bodyPic), world.Picture(legPic))));
    if (brain) spider->brainMode = 1, spider->brainNumber = 1;
    spider->start();
    return spider;
  }
  // The mushroom as the critter table builds it (whatever class answers to the row).
  TCritter* Mushroom(float x, float y, float energy) {
    TCritterArgs args;
    args.world = &world;
    args.name = "mushroom";
    args.pictures = {world.Picture(mushPic)};
    args.x = x, args.y = y;
    auto made = CreateCritter(*FindCritterType("Mushroom"), args);
    TCritter* m = world.AddCritter(std::move(made));
    m->startEnergy = m->energy = energy;
    return m;
  }
  TwoBrains brains;
  int frontPic, middlePic, backPic, bodyPic, legPic, mushPic;
};
