// Writing world files: the sections in a fixed order, every number followed by exactly
// one separator. Pictures that nothing uses are dropped and the rest renumbered.
#include <algorithm>
#include <cstdio>
#include <sstream>

#include "platform/Files.h"
#include "world/WorldFile.h"

namespace {
std::string G(float v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%g", static_cast<double>(v));
  return buf;
}

class WorldWriter {
 public:
  WorldWriter(TWorld& world, IWorldFileBrains* brains, IWorldTestHolder* test)
      : w_(world), brains_(brains), test_(test) {}

  std::string Run() {
    Renumber();
    Pics();
    Map();
    Fixed();
    Critters();
    Brain();
    Random();
    Smell();
    Triggers();
    if (w_.loadedFollow >= 0) out_ << "[FOLLOW]\n" << w_.loadedFollow << "\n";
    Scent();
    Test();
    LookAt();
    out_ << "[TEXT]\n" << w_.description << "[END]\n";
    w_.saveNumbers.clear();
    return out_.str();
  }

 private:
  template <typename F>
  void EachObject(F f) {
    for (TMapCell& cell : w_.cells)
      for (TStaticPic* p = cell.head; p; p = p->nextInCell) f(*p);
  }

  // Tiles, everything in a cell and every critter part mark their picture; a part off
  // the map keeps its picture too, so no critter loses one.
  void Renumber() {
    std::vector<bool> used(w_.pictures.size(), false);
    auto mark = [&](const TPic* pic) {
      int k = w_.PictureIndex(pic);
      if (k >= 0) used[static_cast<size_t>(k)] = true;
    };
    if (!w_.cells.empty() && !used.empty()) used[0] = true;
    EachObject([&](TStaticPic& p) { mark(p.pic); });
    for (auto& c : w_.critters)
      for (auto& part : c->parts) mark(part->pic);
    w_.saveNumbers.assign(w_.pictures.size(), -1);
    int next = 0;
    for (size_t k = 0; k < used.size(); ++k)
      if (used[k]) w_.saveNumbers[k] = next++;
  }

  void Pics() {
    if (w_.pictures.empty()) return;
    out_ << "[PICS]\n";
    for (size_t k = 0; k < w_.pictures.size(); ++k)
      if (w_.saveNumbers[k] >= 0) out_ << w_.saveNumbers[k] << ' ' << w_.pictures[k]->name << '\n';
  }

  void Map() {
    if (w_.cells.empty()) return;  // "0 0" is no map the reader would take back
    out_ << "[MAP]\n" << w_.X << ' ' << w_.Y << '\n';
    for (int x = 0; x < w_.X; ++x) {
      for (int y = 0; y < w_.Y; ++y) {
        const TStaticPic* tile = w_.CellAt(x, y)->tile.get();
        out_ << (tile ? tile->frame : 0) << ' ' << G(tile ? tile->z : 0) << ' ';
      }
      out_ << '\n';
    }
  }

  void Fixed() {
    out_ << "[FIXED]\n";
    EachObject([&](TStaticPic& p) {
      if (p.asSprite()) return;
      out_ << w_.PictureNumberForSave(p.pic) << ' ' << G(p.x) << ' ' << G(p.y) << ' ' << G(p.z) << ' ' << p.frame
           << '\n';
    });
  }

  void Critters() {
    if (w_.critters.empty()) return;
    out_ << "[CRITTERS]\n";
    for (auto& c : w_.critters) c->writeLine(out_);
    out_ << "[ENERGY]\n";
    for (size_t n = 0; n < w_.critters.size(); ++n)
      out_ << n << ' ' << G(w_.critters[n]->startEnergy) << ' ' << G(w_.critters[n]->energyLoss) << '\n';
  }

  void Brain() {
    bool header = false;
    for (size_t n = 0; n < w_.critters.size(); ++n) {
      const TCritter& c = *w_.critters[n];
      if (c.brainMode == 0) continue;
      if (!header) out_ << "[BRAIN]\n", header = true;
      out_ << n << ' ' << c.brainMode << ' ' << MaskText16(c.enabledInputs) << ' ' << MaskText16(c.enabledOutputs)
           << ' ' << (brains_ ? brains_->BrainName(c.brainNumber) : std::string()) << '\n';
    }
  }

  void Random() {
    bool header = false;
    for (size_t n = 0; n < w_.critters.size(); ++n)
      for (const TPlacement& p : w_.critters[n]->placements) {
        if (!header) out_ << "[RANDOM]\n", header = true;
        out_ << n << ' ' << p.modeMask << ' ' << G(p.centreX) << ' ' << G(p.centreY) << ' ' << G(p.radius) << ' '
             << G(p.minZ) << ' ' << G(p.maxZ) << ' ' << p.directionFrom << ' ' << p.directionTo << '\n';
      }
  }

  void Smell() {
    bool header = false;
    for (size_t n = 0; n < w_.critters.size(); ++n) {
      const TCritter& c = *w_.critters[n];
      if (c.smellType1 == 0 && c.smellType2 == 0) continue;
      if (!header) out_ << "[SMELL]\n", header = true;
      out_ << n << ' ' << c.smellType1 << ' ' << c.smellType2 << '\n';
    }
  }

  void Triggers() {
    if (w_.triggers.empty()) return;
    out_ << "[TRIGGER]\n";
    for (const TTrigger& t : w_.triggers) {
      out_ << t.target << ' ' << t.byType << ' ' << G(t.pointX) << ' ' << G(t.pointY);
      for (int k = 0; k < 4; ++k) out_ << ' ' << G(t.cornerX[k]) << ' ' << G(t.cornerY[k]);
      out_ << ' ' << G(t.lowZ) << ' ' << G(t.highZ) << '\n';
    }
  }

  void Scent() {
    if (!w_.scentCreated) return;
    out_ << "[SCENT]\n" << G(w_.scentFade) << '\n';
    for (int k = 0; k < w_.scentUsed && k < static_cast<int>(w_.scents.size()); ++k) {
      const TScentTrail& s = w_.scents[static_cast<size_t>(k)];
      if (s.active) out_ << G(s.x1) << ' ' << G(s.y1) << ' ' << G(s.x2) << ' ' << G(s.y2) << '\n';
    }
  }

  void Test() {
    if (w_.testCritter < 0) return;
    int kind = 0, time = 0, energy = 0;
    if (test_) test_->GetTest(kind, time, energy);
    out_ << "[TEST]\n" << w_.testCritter << ' ' << kind << ' ' << time << ' ' << energy << " \n";
  }

  // The view's centre at height 0, from the offsets (integer division, as stored).
  void LookAt() {
    const int W = w_.view.width(), H = w_.view.height();
    const int y = (4 * W + 7 * H - 8 * w_.offsetX - 14 * w_.offsetY) / 672;
    const int x = (w_.offsetX + 42 * y - W / 2) / 42;
    out_ << "[LOOKAT]\n" << x << ' ' << y << " 0\n";
  }

  TWorld& w_;
  IWorldFileBrains* brains_;
  IWorldTestHolder* test_;
  std::ostringstream out_;
};
}  // namespace

std::string MaskText16(const TChannelFlags& mask) {
  static const char digits[] = "0123456789ABCDEF";
  std::string text(16, '0');
  for (int d = 0; d < 16; ++d) {
    int v = 0;
    for (int b = 0; b < 4; ++b)
      if (mask[static_cast<size_t>(d * 4 + b)]) v |= 1 << b;
    text[static_cast<size_t>(15 - d)] = digits[v];
  }
  return text;
}

std::string TWorldFile::WriteWorld() { return WorldWriter(world_, brains_, test_).Run(); }

bool TWorldFile::SaveWorld(const std::string& path) {
  world_.fileName = path;
  if (!WriteFileAtomic(NativePath(path), WriteWorld())) {
    world_.host.Message("Couldn't open world file", "Load World Error");
    return false;
  }
  return true;
}

std::string TWorldFile::NewWorldText(int X, int Y) {
  auto e = [&](int x, int y) { return std::min({x, y, X - 1 - x, Y - 1 - y, 2}); };
  std::string text = "[PICS]\n0 grass\n[MAP]\n" + std::to_string(X) + " " + std::to_string(Y) + "\n";
  char buf[48];
  for (int x = 0; x < X; ++x) {
    for (int y = 0; y < Y; ++y) {
      const int here = e(x, y), m = std::min({here, e(x, y + 1), e(x + 1, y + 1), e(x + 1, y)});
      const int frame = (here > m ? 1 : 0) | (e(x, y + 1) > m ? 2 : 0) | (e(x + 1, y + 1) > m ? 4 : 0) |
                        (e(x + 1, y) > m ? 8 : 0);
      std::snprintf(buf, sizeof buf, "%d %.1f ", frame, here * 0.2 - 0.3);
      text += buf;
    }
    text += "\n";
  }
  return text + "[LOOKAT]\n" + std::to_string(X / 2) + " " + std::to_string(Y / 2) + " 0.1\n[END]\n";
}

bool TWorldFile::NewWorld(const Host& host, const std::string& name, int xSize, int ySize) {
  if (!WriteFileAtomic(NativePath("worlds\\" + name + ".wld"), NewWorldText(xSize, ySize))) {
    host.Message("Couldn't create output file", "File error");
    return false;
  }
  return true;
}
