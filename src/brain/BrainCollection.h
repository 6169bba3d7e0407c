#pragma once
// Every brain of the program: the boards shown under tabs and the hidden brains that
// worlds bring along. Bodies reach their brain's channel block by brain number; the
// shell steps and resets all brains once per tick. The brain window wraps this and
// adds the drawing, tool buttons and status texts.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "brain/Brainboard.h"
#include "brain/BrainWindowPort.h"

struct BrainEntry {
  std::string name;
  std::unique_ptr<TBrainBoard> board;
};

class TBrainCollection : public IBrainWindow {
 public:
  // Boards take their random seeds from `seed` (the program passes the clock).
  TBrainCollection(const Host& host, uint32_t seed);

  // Finds or makes the board for a body and offers it the body's channels; returns the
  // brain number.
  int AttachBrain(const std::string& name, const ChannelMask& inputMask, bool hidden,
                  const ChannelMask& outputMask);
  ChannelBlock* BrainIO(int number);
  std::string BrainName(int number) const;
  // A body lets go of its brain: a hidden brain goes; a board keeps what the learner drew
  // on it under its name unless deleteDrawn (the learner asked for it to go).
  void ReleaseBrain(int number, bool deleteDrawn = false);
  void ReleaseWorldBrains();
  void StepAll(bool running) override;
  void ResetAll() override;
  bool AnyBrainTouched() const;
  bool AnyBrainUsesSimulatedInput() const;
  // Loads a brain file into the shown brain; false when it cannot be opened.
  bool LoadBrainFile(const std::string& path);

  TBrainBoard* Board(int number);
  const std::vector<BrainEntry>& Brains() const { return brains_; }
  // Tabs, in tab order, by brain number.
  const std::vector<int>& Tabs() const { return tabs_; }
  int SelectedTab() const { return selected_; }
  void SelectTab(int tab);
  TBrainBoard* ShownBoard();
  // The pixels per cell of every board: 16, 4, 8, 16, ...
  int CellSize = 16;
  void Zoom();
  // The width of the window's board panel; a new board places its output nodes against it.
  void SetBoardWidth(int pixels);
  int boardWidth() const { return boardWidth_; }

  static constexpr const char* EmptyName = "Empty";

 private:
  TBrainBoard& NewBoard(const std::string& name, bool hidden);
  int IndexOf(int number) const;
  int TabOf(int number) const;
  void Delete(int number);
  // Detached from its body: channels released, channel values cleared.
  static void Unbind(TBrainBoard& board);

  Host host_;
  uint32_t seed_;
  std::vector<BrainEntry> brains_;
  std::vector<int> tabs_;
  int nextNumber_ = 0;
  int boardWidth_ = DefaultBoardWidthPixels;
  int selected_ = 0;
};
