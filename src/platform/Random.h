#pragma once
// A seeded generator owned by whoever needs chance: the program seeds it from the clock,
// tests and replays fix the seed.
#include <cstdint>
#include <random>

class Random {
 public:
  explicit Random(uint32_t seed = 1) : state_(seed) {}
  void seed(uint32_t s) { state_ = s; }
  uint32_t state() const { return state_; }
  // Next raw 32-bit value (a linear congruential step, as cheap as a tick needs).
  uint32_t next() {
    state_ = state_ * 134775813u + 1u;
    return state_;
  }
  // 0 <= value < range (0 when range <= 0).
  int below(int range) {
    if (range <= 0) return 0;
    return static_cast<int>((static_cast<uint64_t>(next()) * static_cast<uint32_t>(range)) >> 32);
  }
  // 0 <= value < 1.
  double unit() { return next() / 4294967296.0; }

 private:
  uint32_t state_;
};

// The world's generator: every bit of every draw is good, so "r mod 200" and "r mod 4"
// spread evenly. It counts its draws so a run's state can be fingerprinted.
class WorldRandom {
 public:
  explicit WorldRandom(uint32_t seed = 1) : engine_(seed), seed_(seed) {}
  void seed(uint32_t s) {
    engine_.seed(s);
    seed_ = s, draws_ = 0;
  }
  uint32_t next() {
    ++draws_;
    return static_cast<uint32_t>(engine_());
  }
  // 0 <= value < range (0 when range <= 0).
  int below(int range) {
    if (range <= 0) return 0;
    return static_cast<int>(next() % static_cast<uint32_t>(range));
  }
  uint32_t seedValue() const { return seed_; }
  uint64_t draws() const { return draws_; }

 private:
  std::mt19937 engine_;
  uint32_t seed_;
  uint64_t draws_ = 0;
};

// The Park-Miller minimal standard step (Schrage's method), used by the terrain dither.
inline int32_t ParkMillerNext(int32_t state) {
  constexpr int32_t a = 16807, m = 2147483647, q = 127773, r = 2836;
  int32_t hi = state / q, lo = state % q;
  int32_t t = a * lo - r * hi;
  return t > 0 ? t : t + m;
}
