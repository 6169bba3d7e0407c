#include "CritterJson.h"

#include <cstdio>

#include "Cli.h"
#include "world/World.h"

namespace {
std::string Num(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.6g", v);
  return buf;
}

std::string PartJson(const TSprite& p) {
  const bool shown = p.visibility == TSprite::Shown || p.visibility == TSprite::ShownSinceDraw;
  return "{\"x\":" + Num(p.x) + ",\"y\":" + Num(p.y) + ",\"z\":" + Num(p.z) + ",\"frame\":" +
         std::to_string(p.getFrame()) + ",\"shown\":" + (shown ? "true" : "false") + "}";
}

// Sub-value 0 of every channel the class offers; 0 without a channel block.
std::string ChannelsJson(const TChannelFlags& offered, const int32_t* block) {
  std::string out = "{";
  for (int ch = 0; ch < 64; ++ch) {
    if (!offered[static_cast<size_t>(ch)]) continue;
    if (out.size() > 1) out += ",";
    out += "\"" + std::to_string(ch) + "\":" + std::to_string(block ? block[ch * 8] : 0);
  }
  return out + "}";
}

int CarriedBy(TWorld& world, const TCritter& carrier) {
  for (int n = 0; n < world.CritterCount(); ++n)
    if (world.CritterAt(n)->carrier == &carrier) return n;
  return -1;
}

std::string DetailJson(TWorld& world, TCritter& c) {
  std::string parts;
  for (const auto& p : c.parts) parts += (parts.empty() ? "" : ",") + PartJson(*p);
  const bool brain = c.brainMode != 0;
  return ",\"frame\":" + std::to_string(c.parts.empty() ? 0 : c.parts[0]->getFrame()) + ",\"parts\":[" + parts +
         "],\"inputs\":" + ChannelsJson(c.typeInputs, brain ? world.BrainInputs(c.brainNumber) : nullptr) +
         ",\"outputs\":" + ChannelsJson(c.typeOutputs, brain ? world.BrainOutputs(c.brainNumber) : nullptr) +
         ",\"carrying\":" + std::to_string(CarriedBy(world, c)) + ",\"brightness\":" + Num(c.brightness);
}
}  // namespace

std::string CritterJson(TWorld& world, int number, bool detail) {
  TCritter& c = *world.CritterAt(number);
  std::string json = "{\"n\":" + std::to_string(number) + ",\"type\":" + JsonString(c.typeName) +
                     ",\"name\":" + JsonString(c.name) + ",\"x\":" + Num(c.x) + ",\"y\":" + Num(c.y) +
                     ",\"z\":" + Num(c.z) + ",\"heading\":" + std::to_string(c.getHeading()) +
                     ",\"energy\":" + Num(c.energy) + ",\"dead\":" + (c.dead ? "true" : "false");
  if (detail) json += DetailJson(world, c);
  return json + "}";
}
