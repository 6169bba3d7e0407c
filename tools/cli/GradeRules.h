#pragma once
// How grade reads its seeds and decides over many runs; plain rules, tested with the core.
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

// "A..B" (or one seed "A"): the seeds from A to B, at most MaxSeeds of them; false for
// anything else.
constexpr long MaxSeeds = 10000;
inline bool ParseSeedRange(const std::string& text, std::vector<uint32_t>& seeds) {
  auto number = [](const std::string& t, unsigned long long& out) {
    if (t.empty() || t.find_first_not_of("0123456789") != std::string::npos) return false;
    errno = 0;
    out = std::strtoull(t.c_str(), nullptr, 10);
    return errno == 0 && out <= 4294967295ULL;
  };
  const size_t dots = text.find("..");
  unsigned long long a = 0, b = 0;
  if (!number(text.substr(0, dots), a)) return false;
  if (dots == std::string::npos) b = a;
  else if (!number(text.substr(dots + 2), b)) return false;
  if (b < a || b - a >= static_cast<unsigned long long>(MaxSeeds)) return false;
  seeds.clear();
  for (unsigned long long s = a; s <= b; ++s) seeds.push_back(static_cast<uint32_t>(s));
  return true;
}

// A brain passes over several runs when at least 19 runs of every 20 pass.
inline bool PassesOverRuns(int passes, int runs) { return runs > 0 && passes * 20 >= runs * 19; }
