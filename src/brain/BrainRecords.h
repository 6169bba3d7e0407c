#pragma once
// The board's element records. Each kind lives in an array addressed by index; links
// between elements are indexes, -1 for none; freed indexes are reused, never compacted.
// The brain file stores the records field by field in the sizes named here.
#include <cstdint>
#include <string>
#include <vector>

constexpr int SlotCount = 8;

// Record sizes in the brain file.
constexpr int NeuronRecordSize = 364;
constexpr int SynapseRecordSize = 40;
constexpr int NodeRecordSize = 256;
constexpr int SnooperRecordSize = 88;
constexpr int LineSegRecordSize = 40;
constexpr int BoardPicRecordSize = 20;
constexpr int LegacyNeuronRecordSize = 324;
constexpr int LegacySynapseRecordSize = 36;
constexpr int LegacyNodeRecordSize = 252;

// Slot kinds of neurons (0..5) and nodes (0, 3, 5, 6).
enum SlotKind : int32_t {
  SlotEmpty = 0,
  SlotExcitatory = 1,
  SlotInhibitory = 2,
  SlotOutput = 3,
  SlotDrawing = 5,  // a route is being drawn from here
  SlotWireEnd = 6,  // an incoming wire ends on this side of a node
};
inline bool IsInputSlot(int kind) { return kind == SlotExcitatory || kind == SlotInhibitory; }

// What the other end of a connection is.
enum OtherKind : int32_t { OtherNone = 0, OtherNeuron = 1, OtherNode = 2 };

enum NeuronType : int32_t { StepNeuron = 0, SigmoidNeuron = 1, LinearNeuron = 2, ErrorNeuron = 3 };
const char* NeuronTypeName(int type);

enum NodeType : int32_t {
  PlainNode = 0,
  OutputNode = 3,
  InputNode = 6,
  HeldNode = 7,
  FileInputNode = 8,
  KeyInputNode = 9,
  FileInputNoData = 10,  // only while a brain is loading
  EmptyInputNode = 11,
  EmptyOutputNode = 12,
};
// Nodes whose value comes from outside the passes; the passes never clear their `next`.
inline bool IsDrivenNode(int type) {
  return type == InputNode || type == HeldNode || type == FileInputNode || type == KeyInputNode;
}

struct Synapse {
  int32_t kind = SlotEmpty;
  float state = 0;
  float weight = 0;
  float decay = 0;
  float lastWeightChange = 0;
  int32_t otherKind = OtherNone;
  int32_t otherIndex = -1;
  int32_t otherSlot = -1;
  int32_t lineSeg = -1;
  bool learn = false;
};

struct Neuron {
  int32_t x = 0, y = 0;
  Synapse slots[SlotCount];
  float threshold = 0;
  float state = 0;
  float input = 0;
  int32_t shownState = 0;
  int32_t type = StepNeuron;
  float gain = 0;
  float error = 0;
  float lastThresholdChange = 0;
  bool learn = false;
  bool inUse = false;
  bool selected = false;
};

struct Node {
  int32_t type = PlainNode;
  int32_t picture = 0;
  int32_t data = 0;
  int32_t x = 0, y = 0;
  float value[SlotCount] = {};
  float next[SlotCount] = {};
  int32_t slotKind[SlotCount] = {};
  int32_t otherKind[SlotCount] = {};
  int32_t otherIndex[SlotCount] = {-1, -1, -1, -1, -1, -1, -1, -1};
  int32_t otherSlot[SlotCount] = {-1, -1, -1, -1, -1, -1, -1, -1};
  int32_t lineSeg[SlotCount] = {-1, -1, -1, -1, -1, -1, -1, -1};
  int32_t shownState = 0;
  float error = 0;
  bool inUse = false;
  bool multi = false;
  bool selected = false;
};

enum SnooperMode : int32_t { SnoopTop = 0, SnoopMin, SnoopMax, SnoopAvg, SnoopDiff, SnoopScale };

struct Snooper {
  int32_t x = 0, y = 0;
  int32_t thresholds[8] = {};
  int32_t colours[8] = {};
  int32_t tile = 0;
  int32_t mode = SnoopTop;
  int32_t lastValue = 0;
  bool monitor = false;
  bool inUse = false;
  bool selected = false;
};

// One cell of a synapse route.
struct LineSeg {
  int32_t x = 0, y = 0;
  int32_t dirIn = 0, dirOut = 0;
  int32_t prev = -1, next = -1;
  int32_t srcKind = OtherNone;
  int32_t srcIndex = -1;
  int32_t srcSlot = -1;
  bool inUse = false;
  bool selected = false;
};

enum PicKind : int32_t {
  PicFree = 0,
  PicNeuron = 1,
  PicNode = 2,
  PicLineSeg = 3,
  PicSnooper = 4,
  PicText = 6,
  PicMovingText = 7,  // text inside a selection being moved
};

// One entry of a cell's picture stack (a doubly linked list, head on top).
struct BoardPic {
  int32_t kind = PicFree;
  int32_t key = 0;
  int32_t picture = 0;
  int32_t prev = -1, next = -1;
  bool inUse() const { return kind != PicFree; }
};

// A channel's tie to the node that carries it.
struct IOBinding {
  bool bound = false;
  int32_t picture = 0;
  const char* name = nullptr;
  int32_t node = -1;
};

// The numbers a file-input node plays, one per step.
struct FileColumn {
  bool inUse = false;
  int rows = 0;
  int column = 1;
  int row = 0;
  std::string fileName;
  std::vector<float> values;
};

// How often an array's records may have been changed. Whoever takes a record for
// writing counts as a change; an array assigned from another never shows a count it
// showed before, so a copy made from the records stays good while the count stands.
class ChangeCount {
 public:
  ChangeCount() = default;
  ChangeCount(const ChangeCount& other) : value_(other.value_) {}
  ChangeCount& operator=(const ChangeCount& other) {
    value_ = (value_ > other.value_ ? value_ : other.value_) + 1;
    return *this;
  }
  uint64_t value() const { return value_; }
  void Bump() { ++value_; }

 private:
  uint64_t value_ = 0;
};

// An array of records with a used count (one past the highest live index) that grows
// by a fixed step and hands out the lowest free index.
template <class T>
class ElementArray {
 public:
  ElementArray(int initialCapacity, int growthStep)
      : initial_(initialCapacity), growth_(growthStep), records_(initialCapacity) {}

  int used() const { return used_; }
  int capacity() const { return static_cast<int>(records_.size()); }
  int growthStep() const { return growth_; }
  bool valid(int i) const { return i >= 0 && i < used_; }
  bool live(int i) const { return valid(i) && IsLive(records_[i]); }
  T& operator[](int i) {
    changes_.Bump();
    return records_[i];
  }
  const T& operator[](int i) const { return records_[i]; }
  T* data() {
    changes_.Bump();
    return records_.data();
  }
  // Counts every non-const access, reads included: a count that stands means no record
  // was touched.
  uint64_t changeCount() const { return changes_.value(); }
  // For the step, which keeps its own copy in line with what it writes here.
  T* dataUncounted() { return records_.data(); }

  // Takes the lowest free record, growing the array when none is free. The record comes
  // back cleared and marked in use (a picture is in use once the caller sets its kind).
  int Allocate() {
    changes_.Bump();
    int i = lowestFree_ < capacity() ? lowestFree_ : capacity();
    while (i < capacity() && IsLive(records_[i])) ++i;
    if (i == capacity()) records_.resize(records_.size() + growth_);
    records_[i] = T{};
    if constexpr (!requires { records_[i].inUse(); }) records_[i].inUse = true;
    if (i >= used_) used_ = i + 1;
    lowestFree_ = i + 1;
    return i;
  }
  // Frees a record and lowers the used count to one past the highest live record.
  void Free(int i) {
    if (!valid(i)) return;
    changes_.Bump();
    MarkFree(records_[i]);
    if (i < lowestFree_) lowestFree_ = i;
    while (used_ > 0 && !IsLive(records_[used_ - 1])) --used_;
  }
  // Every record free, back to the initial capacity.
  void Reset() {
    changes_.Bump();
    records_.assign(initial_, T{});
    used_ = 0;
    lowestFree_ = 0;
  }
  // The loader's form: `count` records in use as read, capacity count + step when the
  // array is too small.
  void SetUsedForLoad(int count) {
    changes_.Bump();
    if (count > capacity()) records_.assign(static_cast<size_t>(count) + growth_, T{});
    used_ = count;
    lowestFree_ = 0;
  }
  // Whoever frees records by writing them directly (the load check) calls this, so the
  // next allocation searches from the start again.
  void Rescan() {
    changes_.Bump();
    lowestFree_ = 0;
  }

 private:
  static bool IsLive(const T& r) {
    if constexpr (requires { r.inUse(); }) return r.inUse();
    else return r.inUse;
  }
  static void MarkFree(T& r) {
    if constexpr (requires { r.inUse(); }) r.kind = PicFree;
    else r.inUse = false;
  }

  int initial_;
  int growth_;
  std::vector<T> records_;
  int used_ = 0;
  // Every record below this index is live, so allocation searches from here.
  int lowestFree_ = 0;
  ChangeCount changes_;
};

// Cell offsets of the eight directions, rows growing downward.
constexpr int DirDx[SlotCount] = {1, 1, 0, -1, -1, -1, 0, 1};
constexpr int DirDy[SlotCount] = {0, 1, 1, 1, 0, -1, -1, -1};
// The direction of an offset of at most one cell each way; -1 for the centre.
int DirectionOf(int dx, int dy);
