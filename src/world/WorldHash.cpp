#include "world/WorldHash.h"

#include "brain/BrainCollection.h"
#include "world/World.h"

namespace {
// FNV-1a over the bytes of each value.
struct Fnv {
  uint64_t h = 14695981039346656037ull;
  template <typename T>
  void add(const T& value) {
    const auto* p = reinterpret_cast<const uint8_t*>(&value);
    for (size_t k = 0; k < sizeof(T); ++k) h = (h ^ p[k]) * 1099511628211ull;
  }
};
}  // namespace

uint64_t WorldStateHash(const TWorld& world, const TBrainCollection* brains) {
  Fnv f;
  for (const auto& c : world.critters) {
    f.add(c->x), f.add(c->y), f.add(c->z), f.add(c->energy);
    f.add(c->getHeading());
    f.add(static_cast<uint8_t>(c->dead));
  }
  f.add(world.random.seedValue());
  f.add(world.random.draws());
  if (brains) {
    auto& all = const_cast<TBrainCollection&>(*brains);
    for (int n = 0; n < static_cast<int>(all.Brains().size()); ++n)
      if (const ChannelBlock* io = all.BrainIO(n)) f.add(*io);
  }
  return f.h;
}
