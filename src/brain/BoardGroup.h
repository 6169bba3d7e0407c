#pragma once
// A group of board elements that moves as one: a dragged selection or a pasted block.
// The group's members carry their `selected` flag, so the placement rule ignores them
// while their new place is searched; the search tries offsets on growing square rings.
#include <vector>

#include "brain/Brainboard.h"

struct TextCellRef {
  int x, y, packed;
};

struct BoardGroup {
  std::vector<int> neurons, nodes, lineSegs, snoopers;
  std::vector<TextCellRef> texts;  // moving text (kind 7 pictures)
  bool empty() const {
    return neurons.empty() && nodes.empty() && lineSegs.empty() && snoopers.empty() && texts.empty();
  }
};

// What must fit for a group to stand at an offset: 3 by 3 blocks by the placement rule,
// single cells inside the frame.
struct GroupShape {
  struct Block {
    int x, y;
    bool neuron;
  };
  struct Point {
    int x, y;
  };
  std::vector<Block> blocks;
  std::vector<Point> cells;
};

GroupShape ShapeOf(const TBrainBoard& board, const BoardGroup& group);

// The nearest offset, on rings r = 0, 1, 2, ... (dx, dy from r down to -r on the ring's
// border), at which every block fits and every cell lies inside the frame.
bool FindFreeOffset(const TBrainBoard& board, const GroupShape& shape, int& dx, int& dy);

// Bounding box of a group: neuron and node centres widened by one cell, the rest by
// their own cell. False for an empty group.
bool GroupBounds(const GroupShape& shape, int& left, int& top, int& right, int& bottom);
// Limits a shift so that the bounds stay within column 1..columns-2, row 1..rows-2.
void LimitShift(const TBrainBoard& board, const GroupShape& shape, int& dx, int& dy);

// Erases the group's pictures, moves it and draws it again. Text moves as kind 7.
void MoveGroup(TBrainBoard& board, BoardGroup& group, int dx, int dy);
// Draws the group's elements again with node pictures in their usual order.
void RedrawGroup(TBrainBoard& board, const BoardGroup& group);

// Marks every live neuron, node and snooper whose centre lies in the rectangle (corners
// included) and the routes between marked elements; with `withText` the rectangle's
// text pictures become kind 7 and join the group.
BoardGroup SelectInRectangle(TBrainBoard& board, int left, int top, int right, int bottom, bool withText);
// Selected flags of every element cleared; moving text back to kind 6.
void ClearSelectedFlags(TBrainBoard& board);
// The rectangle's cells marked for repainting.
void MarkRectangleDirty(TBrainBoard& board, int left, int top, int right, int bottom);
