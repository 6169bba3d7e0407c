#pragma once
// A small wired brain for drawing tests and screenshots: an input node, three neurons
// joined by straight, turning and diagonal routes (excitatory and inhibitory synapses),
// a wire into an output node, two snoopers and a text cell.
#include <memory>
#include <utility>
#include <vector>

#include "brain/BoardTileSet.h"
#include "brain/Brainboard.h"
#include "platform/BmpFile.h"

struct SampleRoute {
  int first = -1, last = -1;
};

// Lays a route through cells, the first beside its source; the last segment leaves
// toward `lastDirOut`. Every segment is drawn once all are linked.
inline SampleRoute LayRoute(TBrainBoard& b, int srcKind, int src, int srcSlot,
                            const std::vector<std::pair<int, int>>& cells, int lastDirOut) {
  SampleRoute r;
  int prev = -1, dirIn = srcSlot;
  std::vector<int> segs;
  for (size_t k = 0; k < cells.size(); ++k) {
    if (k > 0) dirIn = DirectionOf(cells[k].first - cells[k - 1].first, cells[k].second - cells[k - 1].second);
    int dirOut = lastDirOut;
    if (k + 1 < cells.size())
      dirOut = DirectionOf(cells[k + 1].first - cells[k].first, cells[k + 1].second - cells[k].second);
    prev = b.AddLineSeg(cells[k].first, cells[k].second, dirIn, dirOut, prev, srcKind, src, srcSlot);
    segs.push_back(prev);
  }
  for (int s : segs) b.DrawLineSeg(s);
  r.first = segs.front(), r.last = segs.back();
  return r;
}

inline void SynapseRoute(TBrainBoard& b, int srcKind, int src, int srcSlot, int target, int slot, float weight,
                         const std::vector<std::pair<int, int>>& cells) {
  b.ConnectToNeuron(srcKind, src, srcSlot, target, slot, weight);
  const SampleRoute r = LayRoute(b, srcKind, src, srcSlot, cells, (slot + 4) % 8);
  if (srcKind == OtherNeuron) b.neurons[src].slots[srcSlot].lineSeg = r.first;
  else b.nodes[src].lineSeg[srcSlot] = r.first;
  b.neurons[target].slots[slot].lineSeg = r.last;
}

struct SampleBrain {
  int eye = -1, goFwd = -1, a = -1, b = -1, c = -1, snoopOnB = -1, snoopOnRoute = -1;
};

inline SampleBrain BuildSampleBrain(TBrainBoard& board) {
  SampleBrain s;
  ChannelMask in{}, out{};
  in[7] = true;   // "Eye", at column 3, row 4
  out[4] = true;  // "Go Fwd", at row 4, five columns from the panel's right
  board.SetIO(&in, &out);
  s.eye = board.inputBindings[7].node;
  s.goFwd = board.outputBindings[4].node;
  s.a = board.AddNeuron(8, 4);
  s.b = board.AddNeuron(13, 9);
  s.c = board.AddNeuron(8, 11);
  SynapseRoute(board, OtherNode, s.eye, 0, s.a, 4, 100, {{4, 4}, {5, 4}, {6, 4}});
  SynapseRoute(board, OtherNeuron, s.a, 0, s.b, 6, 60, {{10, 4}, {11, 4}, {12, 5}, {13, 6}, {13, 7}});
  SynapseRoute(board, OtherNeuron, s.a, 2, s.c, 6, -50, {{8, 6}, {8, 7}, {8, 8}, {8, 9}});
  SynapseRoute(board, OtherNeuron, s.c, 0, s.b, 3, 40, {{10, 11}, {11, 11}});
  board.ConnectToNode(OtherNeuron, s.b, 7, s.goFwd, 2);
  // Up and right from B's top-right slot to the output node's bottom side, then into it.
  std::vector<std::pair<int, int>> cells{{15, 7}};
  const int nodeX = board.nodes[s.goFwd].x;
  while (cells.back().second > 4) {
    const auto [x, y] = cells.back();
    cells.push_back({x < nodeX && y > 5 ? x + 1 : x, y - 1});
  }
  const SampleRoute wire = LayRoute(board, OtherNeuron, s.b, 7, cells, 6);
  board.neurons[s.b].slots[7].lineSeg = wire.first;
  board.nodes[s.goFwd].lineSeg[2] = wire.last;
  s.snoopOnB = board.AddSnooper(13, 9);
  s.snoopOnRoute = board.AddSnooper(11, 4);
  Snooper& sn = board.snoopers[s.snoopOnRoute];
  board.ReplacePic(sn.x, sn.y, sn.tile, PicSnooper, s.snoopOnRoute, 159);
  sn.tile = 159, sn.lastValue = 100;
  board.snoopers[s.snoopOnB].lastValue = -42;
  board.AddPic(3, 12, PicText, 'H' * 256 + 'i', Tile::TextCell);
  board.RedrawNeuronLit(s.a, true);
  board.RedrawNodeLit(s.eye, true);
  return s;
}

// The tile sheet the build generated.
inline std::shared_ptr<const BoardTileSet> BuildTileSet(const std::string& dataDir) {
  const auto pic = LoadBmp(dataDir + "/pics/brain/allpic.bmp");
  const auto mask = LoadBmp(dataDir + "/pics/brain/allmask.bmp");
  if (!pic || !mask) return nullptr;
  return BoardTileSet::Cut(*pic, *mask);
}
