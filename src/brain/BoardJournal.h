#pragma once
// Undo and redo for a board: a journal of whole user actions that sits beside the
// editing code and never changes how an edit is made. It keeps pictures of the board
// (records, drawing, bindings, selection) taken before and after each action; undo puts
// the earlier picture back, redo the later one.
//
// Running the brain is not an edit. What the network did since an action (states,
// habituation, learned weights and thresholds, file rows) survives its undo: a value
// that changed after the action keeps its present value, only values as the action
// left them go back.
//
// Use: Begin() before a user action, Commit() after it (a drag's Begin at the press and
// its Commit at the release). Changes made outside an action (a dialog applying a box,
// a body attaching) are committed against the last picture, so whoever applies them
// calls Rebase() when the board changed without the learner (after a tick while a
// dialog is open, after opening a dialog).
#include <deque>
#include <memory>
#include <utility>
#include <vector>

#include "brain/Brainboard.h"

// The part of a board that editing changes.
struct BoardSnapshot {
  explicit BoardSnapshot(const TBrainBoard& board);
  ElementArray<Neuron> neurons;
  ElementArray<Node> nodes;
  ElementArray<Snooper> snoopers;
  ElementArray<LineSeg> lineSegs;
  ElementArray<BoardPic> pics;
  std::vector<FileColumn> fileColumns;
  IOBinding inputBindings[ChannelCount];
  IOBinding outputBindings[ChannelCount];
  int columns = 0, rows = 0;
  std::vector<std::pair<int, int>> cells;  // (cell index, first picture) of cells with pictures
  int selLeft = -1, selTop = -1, selRight = -1, selBottom = -1;

  // Puts the snapshot into the board and marks every cell for repainting.
  void Restore(TBrainBoard& board) const;
  // The edited part only, as bytes: run values and selection marks left out, so that
  // two snapshots with equal fingerprints differ in nothing a learner edited.
  std::vector<uint8_t> Fingerprint() const;
};

// `target` takes every run value (states, weights, thresholds, node values, file rows)
// that changed in `now` since `other`, for elements that are the same in all three.
void KeepRunChanges(BoardSnapshot& target, const BoardSnapshot& other, const BoardSnapshot& now);

class TBoardJournal {
 public:
  static constexpr size_t DefaultDepth = 200;
  explicit TBoardJournal(TBrainBoard& board, size_t depth = DefaultDepth);

  // Takes the picture that the next action starts from (nested calls count).
  void Begin();
  // Closes an action: when the board differs from its starting picture in anything a
  // learner edits, that is one step (redo history goes). Typing joins the typing step
  // before it when `joinTyping` and nothing came between. True when a step was added.
  bool Commit(bool joinTyping = false);
  // The board changed without the learner: the next step starts from here.
  void Rebase();

  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  size_t undoCount() const { return undo_.size(); }
  size_t redoCount() const { return redo_.size(); }
  // False when there is nothing to undo or redo.
  bool Undo();
  bool Redo();
  void Forget();

 private:
  using Shot = std::shared_ptr<const BoardSnapshot>;
  struct Step {
    Shot before, after;
    bool typing = false;
    std::vector<uint8_t> afterPrint;
  };
  void Move(std::deque<Step>& from, std::deque<Step>& to, bool backwards);

  TBrainBoard& board_;
  size_t depth_;
  std::deque<Step> undo_, redo_;
  Shot base_;
  int open_ = 0;
  bool lastTyping_ = false;
};
