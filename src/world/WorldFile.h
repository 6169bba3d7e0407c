#pragma once
// World files: the text sections that describe a terrain, its pictures and scenery, the
// critters with their brains, smells, energy and placement rules, triggers, scent
// trails, the camera, the description and the test. The reader accepts more sections
// than the writer produces (the hand-made level worlds use them).
#include <string>
#include <vector>

#include "channels/Channels.h"
#include "world/World.h"

// The brains that brain lines attach: the brain window in the program, the brain
// collection on the command line, small fakes in tests.
class IWorldFileBrains {
 public:
  virtual ~IWorldFileBrains() = default;
  virtual void ReleaseWorldBrains() = 0;
  virtual int AttachBrain(const std::string& name, const ChannelMask& inputMask, bool hidden,
                          const ChannelMask& outputMask) = 0;
  virtual std::string BrainName(int number) = 0;
};

// Where the test's kind and its two values live: the shell in the program.
class IWorldTestHolder {
 public:
  virtual ~IWorldTestHolder() = default;
  virtual void SetTest(int kind, int time, int energy) = 0;
  virtual void GetTest(int& kind, int& time, int& energy) = 0;
};

// Keeps the test values itself, for callers without a shell.
class TStoredTest : public IWorldTestHolder {
 public:
  void SetTest(int k, int t, int e) override { kind = k, time = t, energy = e; }
  void GetTest(int& k, int& t, int& e) override { k = kind, t = time, e = energy; }
  int kind = 0, time = 0, energy = 0;
};

class TWorldFile {
 public:
  // A line holds at most this many characters; the rest of a longer line is dropped.
  static constexpr size_t MaxLine = 99;
  // The largest map read, in cells (a larger one is reported as "Bad map size"), and the
  // largest window side a [SIZE] may ask for (a larger one is passed over). Tools that
  // read many hostile files quickly may lower them.
  static constexpr int MaxMapCells = 250000;
  static constexpr int MaxMapSide = 1000;
  static constexpr int MaxViewSide = 4096;
  int maxMapCells = MaxMapCells;
  int maxViewSide = MaxViewSide;
  // The most critters a world holds; further critter lines are reported once ("Too many
  // critters") and passed over.
  static constexpr int MaxCritters = 1000;
  int maxCritters = MaxCritters;

  // Either neighbour may be null: brain lines then keep their mode without a brain,
  // and the test values are dropped.
  TWorldFile(TWorld& world, IWorldFileBrains* brains, IWorldTestHolder* test)
      : world_(world), brains_(brains), test_(test) {}

  // "worlds\" + name + ".wld"; false (reported) when it cannot be opened.
  bool LoadWorldFile(const std::string& name);
  // Releases the world's brains, clears the world and reads sections until [END], an
  // unknown header or the end of the lines.
  void ReadWorld(const std::vector<std::string>& lines);
  void ReadWorldText(const std::string& text);

  bool SaveWorld(const std::string& path);
  std::string WriteWorld();

  // The file of a fresh X by Y world: grass with a sunken border, looking at the middle.
  static std::string NewWorldText(int xSize, int ySize);
  // Writes "worlds\" + name + ".wld" in the working folder.
  static bool NewWorld(const Host& host, const std::string& name, int xSize, int ySize);

  TWorld& world() { return world_; }
  IWorldFileBrains* brains() { return brains_; }
  IWorldTestHolder* test() { return test_; }

 private:
  TWorld& world_;
  IWorldFileBrains* brains_;
  IWorldTestHolder* test_;
};

// 16 upper-case hexadecimal digits, the last one holding channels 0 to 3.
std::string MaskText16(const TChannelFlags& mask);
TChannelFlags MaskFlags(const ChannelMask& mask);
ChannelMask FlagsMask(const TChannelFlags& flags);
