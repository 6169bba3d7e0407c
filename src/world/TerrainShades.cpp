#include "world/TerrainShades.h"

#include <algorithm>
#include <cctype>

namespace {
// Each ramp's colour at the level of flat ground in full light; the ramp runs linearly
// from black through it.
constexpr int FlatLevel = 172;
struct RampDef {
  int r, g, b;
};
RampDef FlatColour(TRamp ramp) {
  switch (ramp) {
    case TRamp::Earth: return {66, 50, 36};
    case TRamp::Sand: return {206, 182, 128};
    case TRamp::Water: return {40, 100, 180};
    case TRamp::Grass: break;
  }
  return {0, FlatLevel, 0};
}

bool StartsWith(const std::string& name, const char* prefix) {
  size_t k = 0;
  for (; prefix[k]; ++k)
    if (k >= name.size() || std::tolower(static_cast<unsigned char>(name[k])) != prefix[k]) return false;
  return true;
}
}  // namespace

TGround GroundForPicture(const std::string& name) {
  if (StartsWith(name, "earth")) return TGround::Earth;
  if (StartsWith(name, "sand")) return TGround::Sand;
  return TGround::Grass;
}

TRamp RampOf(TGround ground) {
  switch (ground) {
    case TGround::Earth: return TRamp::Earth;
    case TGround::Sand: return TRamp::Sand;
    case TGround::Grass: break;
  }
  return TRamp::Grass;
}

const char* GroundPictureName(TGround ground) {
  switch (ground) {
    case TGround::Earth: return "earth";
    case TGround::Sand: return "sand";
    case TGround::Grass: break;
  }
  return "grass";
}

Rgb RampColour(TRamp ramp, int level) {
  const RampDef f = FlatColour(ramp);
  level = std::clamp(level, 0, 255);
  auto channel = [&](int flat) { return static_cast<uint8_t>(std::min(255, (flat * level + FlatLevel / 2) / FlatLevel)); };
  return {channel(f.r), channel(f.g), channel(f.b)};
}

int RampLevel(TRamp ramp, Rgb c) {
  const RampDef f = FlatColour(ramp);
  const long dot = static_cast<long>(c.r) * f.r + static_cast<long>(c.g) * f.g + static_cast<long>(c.b) * f.b;
  const long norm = static_cast<long>(f.r) * f.r + static_cast<long>(f.g) * f.g + static_cast<long>(f.b) * f.b;
  return static_cast<int>((dot * FlatLevel + norm / 2) / norm);
}

TShadeTable BuildShadeTable(const Palette& palette, TRamp ramp) {
  TShadeTable t;
  for (int i = 0; i < 256; ++i) {
    const int n = NearestColour(palette, RampColour(ramp, i));
    t.index[i] = static_cast<uint8_t>(n);
    t.error[i] = (i - RampLevel(ramp, palette[static_cast<size_t>(n)])) * 64;
  }
  return t;
}
