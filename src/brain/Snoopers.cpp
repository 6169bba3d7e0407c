// Snoopers read the values under their cell each step and show them as a coloured tile.
#include <cmath>

#include "brain/Brainboard.h"

namespace {

struct Combiner {
  int mode;
  int count = 0;
  double result = 0;
  double scale = 0.5;
  void Take(double v) {
    switch (mode) {
      case SnoopMin: result = count == 0 ? (v < 200 ? v : 200) : (v < result ? v : result); break;
      case SnoopMax: result = count == 0 ? (v > -200 ? v : -200) : (v > result ? v : result); break;
      case SnoopDiff: result = count == 0 ? v : result - v; break;
      case SnoopScale: result += v * scale, scale *= 0.5; break;
      case SnoopAvg: result += v; break;
      default: if (count == 0) result = v; break;
    }
    ++count;
  }
  double Value() const {
    if (count == 0) return 0;
    return mode == SnoopAvg ? result / count : result;
  }
};

}  // namespace

void TBrainBoard::RefreshSnoopers() {
  for (int i = 0; i < snoopers.used(); ++i) {
    Snooper& sn = snoopers[i];
    if (!sn.inUse) continue;
    Combiner combine{sn.mode};
    const GridCell* cell = Cell(sn.x, sn.y);
    int q = cell ? cell->first : -1;
    for (int guard = pics.used(); q >= 0 && guard > 0; --guard, q = pics[q].next) {
      const BoardPic& bp = pics[q];
      if (bp.kind == PicSnooper) continue;
      double v = 0;
      if (bp.kind == PicNeuron && neurons.live(bp.key)) {
        v = neurons[bp.key].state;
      } else if (bp.kind == PicNode && nodes.live(bp.key)) {
        const Node& n = nodes[bp.key];
        const int dir = DirectionOf(sn.x - n.x, sn.y - n.y);
        v = n.value[n.multi && dir >= 0 ? dir : 0];
      } else if (bp.kind == PicLineSeg && lineSegs.live(bp.key)) {
        const LineSeg& l = lineSegs[bp.key];
        if (l.srcKind == OtherNeuron && neurons.live(l.srcIndex)) v = neurons[l.srcIndex].state;
        else if (l.srcKind == OtherNode && nodes.live(l.srcIndex) && l.srcSlot >= 0 && l.srcSlot < SlotCount)
          v = nodes[l.srcIndex].value[l.srcSlot];
      }
      combine.Take(v);
      if (sn.mode == SnoopTop) break;
    }
    double r = std::floor(combine.Value() + 0.5);
    if (!(r == r)) r = 0;
    const int g = r < -100 ? -100 : (r > 100 ? 100 : static_cast<int>(r));
    if (g == sn.lastValue) continue;
    int b = 1;
    while (b < 8 && g >= sn.thresholds[b]) ++b;
    const int tile = sn.colours[b - 1];
    if (tile != sn.tile) {
      ReplacePic(sn.x, sn.y, sn.tile, PicSnooper, i, tile);
      sn.tile = tile;
    } else if (sn.monitor) {
      MarkDirty(sn.x, sn.y);
    }
    sn.lastValue = g;
  }
}
