// World drawing and stepping: a full redraw of a 640 x 480 view of a 40 x 40 map with
// 200 scenery objects, a normal step with 50 moving sprites, and a normal step with
// critters of every class the class table can build, in their shipped pictures.
#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include <unistd.h>

#include "bodies/CritterTypes.h"
#include "bodies/PicWriter.h"
#include "world/World.h"

namespace {

std::unique_ptr<TPic> Decoded(const TPicSource& set, const char* name) {
  auto cmp = EncodeCmp(set), shd = EncodeShd(set);
  auto pic = std::make_unique<TPic>();
  pic->decode(name, &cmp, &shd);
  return pic;
}

// Ground tiles the size of the real ones: a diamond of 84 x 48 pixels per frame.
std::unique_ptr<TPic> Grass() {
  TPicSource set(86, 62, 43, 2);
  for (int f = 0; f < 16; ++f) {
    auto& fr = set.addFrame();
    for (int py = 0; py < 62; ++py)
      for (int px = 0; px < 86; ++px) {
        double sx = px - 43, sy = py - 2;
        double fx = (sy / 24 - sx / 42) / 2, fy = (sy / 24 + sx / 42) / 2;
        if (fx < 0 || fy < 0 || fx > 1 || fy > 1) continue;
        size_t at = static_cast<size_t>(py) * 86 + px;
        fr.colour[at] = static_cast<uint8_t>(int(fx * 15 + 0.5) * 16 + int(fy * 15 + 0.5));
        fr.depth[at] = static_cast<uint8_t>(198 + (fx + fy) * 24);
      }
  }
  return Decoded(set, "grass");
}

// A round object of about 40 pixels with a shadow, like a stone or a bug.
std::unique_ptr<TPic> Blob(const char* name, int side) {
  TPicSource set(side + 16, side, side / 2, side / 2);
  auto& fr = set.addFrame();
  for (int py = 0; py < side; ++py)
    for (int px = 0; px < side; ++px) {
      double dx = px - side / 2.0, dy = py - side / 2.0;
      if (dx * dx + dy * dy > side * side / 4.0) continue;
      size_t at = static_cast<size_t>(py) * set.width + px;
      fr.colour[at] = static_cast<uint8_t>(150 + (px + py) % 40);
      fr.depth[at] = static_cast<uint8_t>(180 + py / 2);
    }
  for (int c = side / 2; c < side + 12; ++c) fr.shadow.push_back({uint8_t(c), uint8_t(side / 2), 180, 200});
  fr.boundary.kind = CircleBoundary;
  fr.boundary.radius = 0.15f;
  fr.boundary.top = 0.3f;
  return Decoded(set, name);
}

class Walker : public TCritter {
 public:
  Walker(TWorld* w, int picture, float px, float py, int phase)
      : TCritter(w, "walker", 0, px, py, 0, 0), cx(px), cy(py), angle(phase * 0.37f) {
    addPart(w->Picture(picture), 0);
  }
  void step() override {
    TCritter::step();
    angle += 0.05f;
    prevX = x, prevY = y;
    float nx = cx + 0.8f * std::cos(angle), ny = cy + 0.8f * std::sin(angle);
    int kind;
    moveTo(nx, ny, world->SurfaceHeight(parts[0].get(), kind));
  }
  float cx, cy, angle;
};

struct BenchWorld {
  explicit BenchWorld(bool walkers = true) : world(Host{}, WorldPorts{}, Greens()) {
    world.AddPicture(Grass());
    int stone = world.AddPicture(Blob("stone", 40));
    int bug = world.AddPicture(Blob("bug", 30));
    world.CreateMap(40, 40);
    for (int x = 0; x < 40; ++x)
      for (int y = 0; y < 40; ++y) world.SetTile(x, y, (x * 7 + y * 3) % 3 == 0 ? 1 : 0, 0.1f * ((x + y) % 3));
    world.FinishMap();
    for (int k = 0; k < 200; ++k) world.AddScenery(stone, 1 + (k * 37 % 380) / 10.0f, 1 + (k * 53 % 380) / 10.0f, 0.1f, 0);
    for (int k = 0; k < (walkers ? 50 : 0); ++k)
      world.AddCritter(std::make_unique<Walker>(&world, bug, 14 + (k % 10) * 1.3f, 14 + (k / 10) * 2.5f, k));
    world.SetClientSize(640, 480);
    world.LookAt(20, 20, 0);
    world.StartWorld();
  }
  static Palette Greens() {
    Palette p{};
    for (int i = 0; i < 256; ++i) p[static_cast<size_t>(i)] = {uint8_t(i / 2), static_cast<uint8_t>(i), 0};
    return p;
  }
  TWorld world;
};

void BM_FullRedraw640x480(benchmark::State& state) {
  BenchWorld b;
  for (auto _ : state) {
    b.world.FullRedraw();
    benchmark::DoNotOptimize(b.world.view.image.pixels().data());
  }
}
BENCHMARK(BM_FullRedraw640x480)->Unit(benchmark::kMillisecond);

void BM_NormalStep50Sprites(benchmark::State& state) {
  BenchWorld b;
  b.world.Step(0, true, false);  // the first pass draws everything
  int tick = 1;
  for (auto _ : state) {
    b.world.Step(tick++, true, false);
    benchmark::DoNotOptimize(b.world.dirty.data());
  }
}
BENCHMARK(BM_NormalStep50Sprites)->Unit(benchmark::kMicrosecond);

// Four of each class with a create function, spread over the middle of the map; the
// counters say how many classes and critters took part.
void BM_NormalStepEveryClass(benchmark::State& state) {
  if (chdir(QUORBIT_BENCH_DATA_DIR) != 0) return state.SkipWithError("no data folder");
  BenchWorld b(false);
  int classes = 0;
  for (const CritterTypeInfo& type : CritterTypes()) {
    if (!type.create) continue;
    ++classes;
    for (int k = 0; k < 4; ++k) {
      TCritterArgs args;
      args.world = &b.world;
      args.name = type.word;
      args.number = b.world.CritterCount();
      for (int field = 0; field < type.pictureFields; ++field)
        args.pictures.push_back(field < static_cast<int>(type.defaultPictures.size())
                                    ? b.world.Picture(b.world.AddPicture(type.defaultPictures[static_cast<size_t>(field)]))
                                    : nullptr);
      args.x = 12 + (classes % 6) * 3.0f + k * 0.7f;
      args.y = 12 + (classes / 6) * 4.0f + k * 0.5f;
      args.heading = (k * 5) % type.headingCount;
      if (auto critter = CreateCritter(type, args)) b.world.AddCritter(std::move(critter));
    }
  }
  b.world.StartWorld();
  b.world.Step(0, true, false);
  int tick = 1;
  for (auto _ : state) {
    b.world.Step(tick++, true, false);
    benchmark::DoNotOptimize(b.world.dirty.data());
  }
  state.counters["classes"] = classes;
  state.counters["critters"] = b.world.CritterCount();
}
BENCHMARK(BM_NormalStepEveryClass)->Unit(benchmark::kMicrosecond);

}  // namespace
