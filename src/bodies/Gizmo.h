#pragma once
// A lab-bench device drawn straight onto the world's picture and wired to the shared
// "Lab" brain. The world steps, starts, stops, resets and draws every gizmo.
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "channels/Channels.h"
#include "bodies/Sprite.h"
#include "platform/Host.h"
#include "platform/IndexedImage.h"

// The brain window as the gizmos see it: the same enabling call that world brains use,
// and the channel block and offered channels of a brain by number.
class IGizmoBrains {
 public:
  virtual ~IGizmoBrains() = default;
  virtual int AttachBrain(const std::string& name, const ChannelMask& inputMask, bool hidden,
                          const ChannelMask& outputMask) = 0;
  // Null when no brain has that number.
  virtual ChannelBlock* BrainIO(int number) = 0;
  virtual const ChannelMask* EnabledInputs(int number) = 0;
  virtual const ChannelMask* EnabledOutputs(int number) = 0;
  // The brain does not learn in its next step.
  virtual void HoldLearning(int) {}
};

// The world's sound list: wave files loaded once, played by their index.
class IGizmoSounds {
 public:
  virtual ~IGizmoSounds() = default;
  // -1 when the file cannot be read.
  virtual int LoadSound(const std::string& path) = 0;
  virtual void PlaySound(int index) = 0;
};

class TCritter;

struct GizmoPorts {
  IGizmoBrains* brains = nullptr;
  IGizmoSounds* sounds = nullptr;
  Host host;  // messages about picture sheets that cannot be read
  // The world's bodies, which goal watches judge; none on a bench without a world.
  const std::vector<std::unique_ptr<TCritter>>* critters = nullptr;
};

// Result codes that the verdict reads.
enum GizmoVerdict {
  Achieved = 0,
  NotYetAchieved = 1,
  ActedTooEarly = 2,
  WrongOutput = 3,
  WrongBell = 4,
  Spilled = 5,
  NothingLearned = 6,  // the lamps gave one answer for every test digit, or there were none
  WrongDigit = 7,      // a test digit lit the wrong lamp
  NothingRecorded = 8,  // too few samples of a lamp's digit, or not saved
};

// A row of equal frames on a sheet and where the gizmo draws them.
struct GizmoFrames {
  int w, h;  // one frame; frames lie side by side along the row
  int x, y;  // where on the bench the gizmo draws them
};

constexpr const char* LabBrainName = "Lab";
// Sheets paint what a frame leaves see-through in this colour (palette entry 13).
constexpr Rgb GizmoKeyColour{255, 0, 255};

// A [GIZMOS] line: its first character picks the gizmo, the numbers read at their
// fixed positions follow (0 where the line is too short).
struct TGizmoLine {
  char kind = 0;
  int number = 0;
  int values[5] = {0, 0, 0, 0, 0};
  bool operator==(const TGizmoLine&) const = default;
};

class TGizmo {
 public:
  explicit TGizmo(const GizmoPorts& ports) : ports_(ports) {}
  virtual ~TGizmo() = default;
  TGizmo(const TGizmo&) = delete;
  TGizmo& operator=(const TGizmo&) = delete;

  virtual void step(int tick, IndexedImage& canvas, bool testMode, std::vector<TRect>& dirty) = 0;
  virtual void start() { running = true; }
  virtual void stop() { running = false; }
  virtual void reset() { verdict = 0; }
  virtual void draw(IndexedImage& canvas) = 0;

  IndexedImage sheet;  // empty when the gizmo has none or it could not be read
  // What was drawn this tick; left = -1 when nothing was.
  TRect dirtyRect{-1, -1, -1, -1};
  int shown = -1;  // what is drawn now; -1 forces the next step to draw
  int brainNumber = -1;
  int verdict = 0;
  bool running = false;

 protected:
  // Enables the channels on the shared lab brain and keeps its number.
  void AttachLab(std::initializer_list<int> inputs, std::initializer_list<int> outputs);
  // A sheet that cannot be read is reported and left empty; the gizmo runs on unseen.
  void LoadSheet(const std::string& path);

  // Sub-value 0 of a channel; reads give 0 and writes do nothing without a brain.
  ChannelBlock* io() const;
  int Output(int channel) const;
  bool OutputOn(int channel) const { return EffectorOn(Output(channel)); }
  int Input(int channel) const;
  void SetInput(int channel, int value);

  // Copies the w x h block of the sheet at (sx, sy) to (x, y) and adds it to the dirty
  // rectangle; pixels of the sheet's key colour are left out when `keyed`.
  void Paste(IndexedImage& canvas, int sx, int sy, int w, int h, int x, int y, bool keyed = false);
  void MarkDirty(int x, int y, int w, int h);
  // Hands the dirty rectangle, clipped to the canvas, to the world's list and starts a
  // fresh one.
  void FlushDirty(std::vector<TRect>& list, const IndexedImage& canvas);

  GizmoPorts ports_;
};

// The first result code that is not 0, or 0 when every gizmo is content.
int FirstGizmoResult(const std::vector<std::unique_ptr<TGizmo>>& gizmos);
