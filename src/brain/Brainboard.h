#pragma once
// TBrainBoard: one brain, its network records, the grid they are drawn on, its channel
// bindings to a body, its learning and its file form. The board's work is split over
// several files by responsibility (step, io nodes, learning, grid, file reader/writer).
#include <cstdint>
#include <string>
#include <vector>

#include "channels/Channels.h"
#include "brain/BrainRecords.h"
#include "platform/ByteIO.h"
#include "platform/Host.h"
#include "platform/Random.h"

class TBrainBoard;

// Whoever shows a board repaints the cells the step marked dirty.
class IBoardView {
 public:
  virtual ~IBoardView() = default;
  virtual void RepaintDirtyCells(TBrainBoard& board) = 0;
};

struct GridCell {
  int32_t first = -1;  // head of the picture stack
  bool dirty = false;
};

constexpr int DefaultColumns = 100;
constexpr int DefaultRows = 100;
// Larger grids are refused when a brain file asks for them.
constexpr int MaxBoardSide = 1000;
// The brain window's board panel at its first size; the window keeps it up to date.
constexpr int DefaultBoardWidthPixels = 355;
constexpr int DefaultBoardHeightPixels = 263;
constexpr int TileCount = 288;

// Tiles of the grid that are not element pictures.
namespace Tile {
constexpr int Cell = 149, SelectedCell = 181, SelectedText = 182, ValidRouteEnd = 94;
constexpr int NodeCorner = 95, TextCell = 180;
}  // namespace Tile

enum BoardKind { ShownBoard = 1, HiddenBoard = 2 };

class TBrainBoard {
 public:
  // A hidden board holds a world's hidden brain: it keeps the network but no pictures.
  explicit TBrainBoard(const Host& host, uint32_t seed = 1, bool hidden = false);
  TBrainBoard(const TBrainBoard&) = delete;
  TBrainBoard& operator=(const TBrainBoard&) = delete;

  // ---- run settings (not stored in brain files) ---------------------------------
  int cyclesPerUpdate = 15;
  float defaultThreshold = 50;
  float defaultWeight = 100;
  int defaultType = StepNeuron;
  float defaultGain = 0.075f;
  bool defaultLearn = false;
  float learnRate = 0.1f;
  float momentum = 5.0f;
  bool learning = false;
  // A body that feeds nothing to learn from this step (an unlabelled drawing) holds the
  // next step's learning; the step clears it, so a hold never outlives its feeder.
  bool learningHeld = false;
  int cellSize = 16;
  bool broken = false;

  // ---- what the brain collection keeps on each board ----------------------------
  int number = -1;
  int kind = ShownBoard;
  bool attached = false;  // bound to a body of the current world
  bool visible = false;
  int widthPixels = DefaultBoardWidthPixels;
  int heightPixels = DefaultBoardHeightPixels;
  IBoardView* view = nullptr;
  bool hidden() const { return hidden_; }

  // ---- element arrays ------------------------------------------------------------
  ElementArray<Neuron> neurons{20, 20};
  ElementArray<Node> nodes{20, 20};
  ElementArray<Snooper> snoopers{50, 50};
  ElementArray<LineSeg> lineSegs{500, 500};
  ElementArray<BoardPic> pics{1000, 1000};
  std::vector<FileColumn> fileColumns;

  // ---- channels ------------------------------------------------------------------
  IOBinding inputBindings[ChannelCount];
  IOBinding outputBindings[ChannelCount];
  ChannelMask inputAvailable{};
  ChannelMask outputAvailable{};
  ChannelBlock& IO() { return io_; }
  const ChannelBlock& IO() const { return io_; }

  // ---- the update ----------------------------------------------------------------
  void Step(bool learnAllowed);
  void ResetRun();
  bool UsesSimulatedInput() const { return usesFileInput_ || usesKeyInput_; }
  bool WasTouched() const { return touched_; }
  void MarkTouched() { touched_ = true; }
  // Passes the last step ran (a settled network costs one).
  int lastPassCount() const { return lastPasses_; }
  // Whether the last step's passes ran on the flat copy kept from the step before.
  bool lastStepKeptCopy() const { return lastKept_; }

  // ---- learning ------------------------------------------------------------------
  void Learn();
  void ToggleLearning() { learning = !learning; }
  void RandomizeLearners();
  Random random;

  // ---- input and output nodes ----------------------------------------------------
  // Either mask may be null (no new channels offered).
  void SetIO(const ChannelMask* inputMask, const ChannelMask* outputMask);
  void ReleaseChannels();
  bool LoadFileColumn(int node, const std::string& fileName, bool showMessages, int column);
  void SetNodeType(int node, int type, int value, const std::string& text);
  // Key-input `data` from the on and off values (-100..100 each).
  static int PackKeyValues(int on, int off) { return (off + 100) * 1000 + (on + 100); }
  int visibleColumns() const;

  // ---- grid ----------------------------------------------------------------------
  int columns() const { return columns_; }
  int rows() const { return rows_; }
  bool InGrid(int x, int y) const { return x >= 0 && y >= 0 && x < columns_ && y < rows_; }
  GridCell* Cell(int x, int y) { return InGrid(x, y) ? &cells_[Index(x, y)] : nullptr; }
  const GridCell* Cell(int x, int y) const { return InGrid(x, y) ? &cells_[Index(x, y)] : nullptr; }
  void MarkDirty(int x, int y);
  void SetSize(int columns, int rows);
  void SetCellSize(int size) { cellSize = size; }
  int selLeft = -1, selTop = -1, selRight = -1, selBottom = -1;
  bool HasSelection() const { return selRight != selLeft && selBottom != selTop; }
  // While a selection is dragged node pictures go on top like any other picture.
  bool draggingSelection = false;

  // Picture stacks. Hidden boards keep no pictures: these do nothing there.
  int AddPic(int x, int y, int kind, int key, int picture);
  void RemovePic(int x, int y, int picture, int kind, int key);
  void ReplacePic(int x, int y, int oldPicture, int kind, int key, int newPicture);
  // The entry of a cell's stack with these fields, -1 when none.
  int FindPic(int x, int y, int picture, int kind, int key) const;
  static bool SamePic(const BoardPic& p, int kind, int key, int picture) {
    return p.picture == picture && p.kind == kind && p.key == key;
  }

  // Tiles each element puts into its cells.
  static int NeuronCentreTile(const Neuron& n);
  static int NeuronOuterTile(const Neuron& n, int direction);
  // Node tile for the centre (direction -1) or an outer cell; -1 where it shows nothing.
  static int NodeTile(const Node& n, int direction);
  // The tile of a route segment in its own cell; -1 for a forbidden turn.
  int RouteSegmentTile(int seg) const;
  static int RouteBodyTile(int dirIn, int dirOut);
  static int RouteEndTile(int dirIn);

  void DrawNeuron(int i);
  void EraseNeuron(int i);
  void DrawNode(int i);
  void EraseNode(int i);
  void DrawLineSeg(int s);
  void EraseLineSeg(int s);
  void DrawSnooper(int i);
  void EraseSnooper(int i);
  // Swaps a neuron's or node's tiles for the lit or dark set and stores `shownState`.
  void RedrawNeuronLit(int i, bool lit);
  void RedrawNodeLit(int i, bool lit);

  // ---- placing and removing elements --------------------------------------------
  // Whether a neuron's (or node's) block fits with its centre at (x, y), not counting
  // the element itself (selfKind OtherNeuron / OtherNode, selfIndex).
  bool Fits(int x, int y, bool isNeuron, int selfKind, int selfIndex) const;
  // Return the new element's index, -1 when no place on the board fits it.
  int AddNeuron(int x, int y);
  int AddNode(int x, int y);
  int AddSnooper(int x, int y);
  // Ties an output slot of a neuron or node to an input slot of a neuron (a synapse of
  // this weight) or to a side of a node (a wire). No route is drawn. False when either
  // end does not exist, the slots are not free or the weight is out of range.
  bool ConnectToNeuron(int srcKind, int src, int srcSlot, int neuron, int slot, float weight);
  bool ConnectToNode(int srcKind, int src, int srcSlot, int node, int nodeSlot);
  // A new route segment after `prev` (-1 starts a route), not yet drawn.
  int AddLineSeg(int x, int y, int dirIn, int dirOut, int prev, int srcKind, int srcIndex, int srcSlot);
  // Changes a neuron slot's kind (a synapse whose weight changed sign), swapping the
  // slot's tiles and those of the route's end.
  void SetSlotKind(int neuron, int slot, int kind);
  // Erases and frees the route holding `seg`, from its first segment (or from `seg`
  // itself when `fromStart`).
  void DeleteRoute(int seg, bool fromStart);
  // Removes the connection at this slot in both directions, with its route.
  void Disconnect(int elemKind, int index, int slot);
  void DeleteNeuron(int i);
  // Channel nodes stay unless `force`.
  void DeleteNode(int i, bool force);
  void DeleteSnooper(int i);
  void Clear(bool everything);
  // No line segment, neuron or snooper (nodes do not count).
  bool IsEmpty() const { return lineSegs.used() == 0 && neurons.used() == 0 && snoopers.used() == 0; }
  // Any neuron, node or snooper.
  bool HasContent() const { return neurons.used() > 0 || nodes.used() > 0 || snoopers.used() > 0; }
  bool HasConnections(const Node& n) const;
  // A live record's slot reached through an index from a link; null when it is not live.
  Neuron* LiveNeuron(int i) { return neurons.live(i) ? &neurons[i] : nullptr; }
  Node* LiveNode(int i) { return nodes.live(i) ? &nodes[i] : nullptr; }

  // ---- snoopers ------------------------------------------------------------------
  void RefreshSnoopers();

  // ---- brain files ---------------------------------------------------------------
  void SaveBrain(ByteWriter& out, bool hiddenForm) const;
  std::vector<uint8_t> SaveBrain(bool hiddenForm) const;
  void LoadBrain(const uint8_t* data, size_t size);
  void LoadBrain(const std::vector<uint8_t>& bytes) { LoadBrain(bytes.data(), bytes.size()); }

  const Host& host() const { return host_; }
  void Message(const std::string& text, const std::string& caption) const { host_.Message(text, caption); }

 private:
  friend class BrainFileReader;
  int Index(int x, int y) const { return y * columns_ + x; }
  void ResetBindings();
  void PicNotFound(int picture, int x, int y, const char* caption);
  void HabituateAndFlatten();
  void HabituateKept();
  void HabituateRecords();
  void UpdateNodes();
  void SettlingPasses();
  void SettlingPassesOnRecords();
  void WriteBackAndShowLit(bool fromFlat);
  void WriteBackChanges();
  void ShowNodesLit();
  void WriteOutputs();
  void ErrorPass();
  void AdjustNeuron(Neuron& n);
  void AdjustSynapse(Neuron& n, int slot, float change);
  float SourceValue(const Synapse& s) const;
  void Habituate(Synapse& s) const;
  float LearnSourceValue(const Synapse& s) const;
  float Contribution(int otherKind, int otherIndex, int otherSlot) const;
  int PlaceBySquareSearch(int x, int y, bool isNeuron, int selfKind, int selfIndex, int& outX, int& outY) const;
  void PutCornerPics(int x, int y, int dirIn, int key, bool add);
  bool RouteEndsOnOddSynapse(int seg, int& outX, int& outY, int& dir) const;
  void PlaceChannelNode(IOBinding& b, int channel, bool input);
  void UnbindChannel(IOBinding& b, bool input);
  void FreeFileColumn(int index);
  void LineUpChannelNodes();

  Host host_;
  bool hidden_;
  int columns_ = 0, rows_ = 0;
  std::vector<GridCell> cells_;
  ChannelBlock io_;
  bool touched_ = false;
  bool usesFileInput_ = false;
  bool usesKeyInput_ = false;
  int lastPasses_ = 0;

  // The settling passes run on flat copies of the neurons and their connections, written
  // back after each step. The copy is kept from step to step while nobody touches the
  // neuron records in between (their change count stands); else it is made afresh.
  // Where each neuron's pictures were last found (centre, then the eight directions),
  // for as long as the neuron stands at the same place.
  struct PicPlaces {
    int32_t x = -1, y = -1;
    int32_t pic[SlotCount + 1] = {-1, -1, -1, -1, -1, -1, -1, -1, -1};
  };
  std::vector<PicPlaces> picPlaces_;

  bool flatKept_ = false;
  bool lastKept_ = false;
  uint64_t stepEndChanges_ = ~uint64_t{0};
  int flatNodeCount_ = -1;
  struct NodeTarget {
    int32_t source, node, slot;
  };
  struct FlatNetwork {
    std::vector<float> state, input, threshold, gain;
    std::vector<int8_t> type;          // -1 for a free record
    std::vector<float> synapse;        // neuron * 8 + slot, after habituation
    std::vector<int32_t> edgeStart;    // per neuron, into edges
    std::vector<int32_t> edges;        // the synapse index of each output's target
    std::vector<NodeTarget> nodeTargets;
    std::vector<int32_t> decaying;     // synapses whose state habituation changes
    // What the records hold, so that only changes are written back.
    std::vector<float> recordState, recordInput;
    std::vector<int8_t> shownLit;
  };
  FlatNetwork flat_;
};
