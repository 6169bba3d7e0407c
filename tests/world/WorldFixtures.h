#pragma once
// Small worlds for the world tests: pictures made in memory, a flat map and test critters
// that record what the world told them.
#include <memory>
#include <string>
#include <vector>

#include "bodies/PicWriter.h"
#include "support/Fakes.h"
#include "world/World.h"

// A solid square frame of side pixels with a square boundary of half-side h around the
// position; colour c, all depths d.
inline std::unique_ptr<TPic> SquarePic(const std::string& name, int side, float h, uint8_t c = 200,
                                       uint8_t d = 200, int frames = 1) {
  TPicSource set(side, side, side / 2, side / 2);
  for (int f = 0; f < frames; ++f) {
    auto& fr = set.addFrame();
    std::fill(fr.colour.begin(), fr.colour.end(), c);
    std::fill(fr.depth.begin(), fr.depth.end(), d);
    fr.boundary.kind = PolygonBoundary;
    float xs[4] = {-h, h, h, -h}, ys[4] = {-h, -h, h, h};
    for (int k = 0; k < 4; ++k) fr.boundary.px[k] = xs[k], fr.boundary.py[k] = ys[k];
    fr.boundary.bottom = 0, fr.boundary.top = 0.5f;
  }
  auto cmp = EncodeCmp(set), shd = EncodeShd(set);
  auto pic = std::make_unique<TPic>();
  pic->decode(name, &cmp, &shd);
  return pic;
}

// A ground picture of 16 frames, each a filled diamond coloured by its shade-map corner.
inline std::unique_ptr<TPic> FlatGrass() {
  TPicSource set(86, 60, 43, 6);
  for (int f = 0; f < 16; ++f) {
    auto& fr = set.addFrame();
    for (int py = 0; py < 60; ++py)
      for (int px = 0; px < 86; ++px) {
        // Screen offsets from the tile's top corner back to cell fractions.
        double sx = px - 43, sy = py - 6;
        double fx = (sy / 24 - sx / 42) / 2, fy = (sy / 24 + sx / 42) / 2;
        if (fx < 0 || fy < 0 || fx > 1 || fy > 1) continue;
        size_t at = static_cast<size_t>(py) * 86 + px;
        fr.colour[at] = static_cast<uint8_t>(int(fx * 15 + 0.5) * 16 + int(fy * 15 + 0.5));
        fr.depth[at] = static_cast<uint8_t>(190 + (fx + fy) * 24);
      }
  }
  auto cmp = EncodeCmp(set), shd = EncodeShd(set);
  auto pic = std::make_unique<TPic>();
  pic->decode("grass", &cmp, &shd);
  return pic;
}

struct RecordingScreen : IWorldScreen {
  void CopyToWindow(const TRect& r) override { copied.push_back(r); }
  std::vector<TRect> copied;
};

struct RecordingSound : IWorldSound {
  bool PlayLoopSound(const std::vector<uint8_t>* wave, int) override {
    waves.push_back(wave ? *wave : std::vector<uint8_t>{});
    return true;
  }
  std::vector<std::vector<uint8_t>> waves;
};

// A critter with one part that records the world's calls.
class TestCritter : public TCritter {
 public:
  TestCritter(TWorld* w, int picture, float px, float py, float pz, int type = 0)
      : TCritter(w, "tester", 0, px, py, pz, 0) {
    typeCode = type;
    headingCount = 24;
    addPart(w->Picture(picture), 0);
  }
  void step() override {
    ++steps;
    if (running) moveTo(x + dx, y + dy, z);
  }
  void collideWithCritter(TCritter* other, TSprite*, TSprite*) override { metCritters.push_back(other->number); }
  void collideWithThing(TStaticBound*, TSprite*) override { ++things; }
  void senseBody(TCritter* other) override { sensed.push_back(other->number); }
  void triggerFired(const TTrigger* t) override {
    TCritter::triggerFired(t);
    ++fired;
  }
  bool reset() override {
    ++resets;
    TCritter::reset();
    return alwaysMoved;
  }
  void emitSound(int lines[8]) override {
    for (int k = 0; k < 8; ++k) lines[k] += emits[k];
  }

  float dx = 0, dy = 0;
  int steps = 0, things = 0, fired = 0, resets = 0;
  bool alwaysMoved = false;
  int emits[8] = {};
  std::vector<int> metCritters, sensed;
};

struct WorldFixture {
  explicit WorldFixture(int size = 10) : world(fake.host(), Ports(), Palette0()) {
    world.AddPicture(FlatGrass());
    blob = world.AddPicture(SquarePic("blob", 8, 0.3f));
    world.CreateMap(size, size);
    world.FinishMap();
    world.SetClientSize(320, 240);
    world.LookAt(size / 2.0f, size / 2.0f, 0);
  }
  WorldPorts Ports() {
    WorldPorts p;
    p.screen = &screen;
    p.sound = &sound;
    return p;
  }
  static Palette Palette0() {
    Palette p{};
    for (int i = 0; i < 256; ++i) p[static_cast<size_t>(i)] = {0, static_cast<uint8_t>(i), 0};
    return p;
  }
  TestCritter* Add(float x, float y, float z = 0, int type = 0) {
    return static_cast<TestCritter*>(world.AddCritter(std::make_unique<TestCritter>(&world, blob, x, y, z, type)));
  }

  FakeHost fake;
  RecordingScreen screen;
  RecordingSound sound;
  TWorld world;
  int blob = 1;
};
