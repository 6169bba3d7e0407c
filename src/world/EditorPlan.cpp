#include "world/EditorPlan.h"

#include <cmath>
#include <cstdio>

#include "bodies/PicDraw.h"

namespace {
PlanShape Shape(PlanShape::Kind kind, uint32_t colour) {
  PlanShape p;
  p.kind = kind;
  p.colour = colour;
  return p;
}

class ViewPainter {
 public:
  ViewPainter(TWorldEditing& editor, int W, int H) : ed_(editor), w_(editor.world()), W_(W), H_(H), s_(editor.zoom) {
    editor.PlanOrigin(W, H, ox_, oy_);
    baseline_ = static_cast<int>(std::lround(H / 2.0 + static_cast<double>(50 - editor.scrollH) * s_));
  }

  std::vector<PlanShape> Plan() {
    if (ed_.showHeights) Heights();
    Grid();
    out_.push_back(RectShape(PlanColour::Silver, SX(ed_.cellX + 1), SY(ed_.cellY), s_, s_));
    for (size_t k = 0; k < w_.triggers.size(); ++k) {
      const TTrigger& t = w_.triggers[k];
      PlanShape p = Shape(PlanShape::Polygon, static_cast<int>(k) == ed_.trigger ? PlanColour::Yellow : PlanColour::Lime);
      for (int c = 0; c < 4; ++c) p.points.insert(p.points.end(), {SX(t.cornerX[c]), SY(t.cornerY[c])});
      out_.push_back(p);
    }
    EachObject(-1, [&](TStaticBound& o, uint32_t colour) { Footprint(o, colour); });
    for (int k = 0; k < w_.scentUsed && k < static_cast<int>(w_.scents.size()); ++k) {
      const TScentTrail& s = w_.scents[static_cast<size_t>(k)];
      if (s.active) out_.push_back(LineShape(PlanColour::Green, SX(s.x1), SY(s.y1), SX(s.x2), SY(s.y2)));
    }
    CellText();
    return std::move(out_);
  }

  std::vector<PlanShape> Elevation() {
    const int row = ed_.scrollY;
    out_.push_back(LineShape(PlanColour::Blue, SX(w_.X), baseline_, SX(0), baseline_));
    for (int i = 0; i <= w_.X; ++i) out_.push_back(LineShape(PlanColour::Blue, SX(i), baseline_ - 3, SX(i), baseline_ + 3));
    out_.push_back(RectShape(PlanColour::Silver, SX(ed_.cellX + 1), baseline_ - 2, s_, 4));
    PlanShape profile = Shape(PlanShape::Polyline, PlanColour::Green);
    for (int i = 0; i < w_.X; ++i) profile.points.insert(profile.points.end(), {SX(i), SZ(ed_.HeightAt(i, row))});
    out_.push_back(profile);
    for (size_t k = 0; k < w_.triggers.size(); ++k) {
      const TTrigger& t = w_.triggers[k];
      out_.push_back(SideBox(static_cast<int>(k) == ed_.trigger ? PlanColour::Yellow : PlanColour::Lime, t.minX, t.maxX,
                             t.lowZ, t.highZ));
    }
    EachObject(row, [&](TStaticBound& o, uint32_t colour) { SideView(o, colour); });
    CellText();
    return std::move(out_);
  }

 private:
  int SX(float x) const { return static_cast<int>(std::lround(ox_ - static_cast<double>(x) * s_)); }
  int SY(float y) const { return static_cast<int>(std::lround(static_cast<double>(y) * s_ - oy_)); }
  int SZ(float z) const { return static_cast<int>(std::lround(baseline_ - static_cast<double>(z) * s_)); }

  static PlanShape LineShape(uint32_t colour, int x1, int y1, int x2, int y2) {
    PlanShape p = Shape(PlanShape::Line, colour);
    p.points = {x1, y1, x2, y2};
    return p;
  }
  static PlanShape RectShape(uint32_t colour, int x, int y, int w, int h) {
    PlanShape p = Shape(PlanShape::Rect, colour);
    p.x = x, p.y = y, p.w = w, p.h = h;
    return p;
  }
  static PlanShape CrossShape(int x, int y) {
    PlanShape p = Shape(PlanShape::Cross, PlanColour::Grey);
    p.x = x, p.y = y;
    return p;
  }
  PlanShape SideBox(uint32_t colour, float x0, float x1, float z0, float z1) const {
    return RectShape(colour, SX(x1), SZ(z1), SX(x0) - SX(x1), SZ(z0) - SZ(z1));
  }

  void Heights() {
    char buf[32];
    for (int x = 0; x < w_.X; ++x)
      for (int y = 0; y < w_.Y; ++y) {
        std::snprintf(buf, sizeof buf, "%.1f", static_cast<double>(ed_.HeightAt(x, y)));
        PlanShape t = Shape(PlanShape::Text, ed_.FixedAt(x, y) ? PlanColour::DarkRed : PlanColour::Grey);
        t.x = ox_ - x * s_ - 18, t.y = y * s_ - oy_ + 1, t.text = buf, t.pointSize = 6;
        out_.push_back(t);
      }
  }

  void Grid() {
    for (int i = 0; i <= w_.X; ++i) out_.push_back(LineShape(PlanColour::Grey, SX(i), SY(0), SX(i), SY(w_.Y)));
    for (int j = 0; j <= w_.Y; ++j) out_.push_back(LineShape(PlanColour::Grey, SX(0), SY(j), SX(w_.X), SY(j)));
  }

  // Everything lying in a cell (of one row when row >= 0), with its colour.
  template <typename F>
  void EachObject(int row, F f) {
    for (int x = 0; x < w_.X; ++x)
      for (int y = 0; y < w_.Y; ++y) {
        if (row >= 0 && y != row) continue;
        for (TStaticPic* p = w_.CellAt(x, y)->head; p; p = p->nextInCell) {
          TStaticBound* o = p->asBound();
          if (!o) continue;
          uint32_t colour;
          if (TSprite* s = o->asSprite())
            colour = s->owner && s->owner->number == ed_.critter ? PlanColour::Magenta : PlanColour::Red;
          else
            colour = o == ed_.thing ? PlanColour::Cyan : PlanColour::Blue;
          f(*o, colour);
        }
      }
  }

  void Footprint(const TStaticBound& o, uint32_t colour) {
    const TBoundary& b = o.bound;
    if (b.kind == PolygonBoundary) {
      PlanShape p = Shape(PlanShape::Polygon, colour);
      for (int c = 0; c < 4; ++c) p.points.insert(p.points.end(), {SX(b.px[c]), SY(b.py[c])});
      out_.push_back(p);
    } else if (b.kind == CircleBoundary) {
      PlanShape p = Shape(PlanShape::Circle, colour);
      const int r = static_cast<int>(std::lround(b.radius * s_));
      p.x = SX(b.cx) - r, p.y = SY(b.cy) - r, p.w = p.h = 2 * r;
      out_.push_back(p);
    } else {
      out_.push_back(CrossShape(SX(o.x), SY(o.y)));
    }
  }

  void SideView(const TStaticBound& o, uint32_t colour) {
    const TBoundary& b = o.bound;
    if (b.kind == PolygonBoundary || b.kind == CircleBoundary)
      out_.push_back(SideBox(colour, b.minX, b.maxX, b.bottom, b.top));
    else
      out_.push_back(CrossShape(SX(o.x), SZ(o.z)));
  }

  void CellText() {
    PlanShape t = Shape(PlanShape::Text, PlanColour::White);
    t.x = 10, t.y = 10, t.text = std::to_string(ed_.cellX) + ", " + std::to_string(ed_.cellY);
    out_.push_back(t);
  }

  TWorldEditing& ed_;
  TWorld& w_;
  int W_, H_, s_;
  int ox_ = 0, oy_ = 0, baseline_ = 0;
  std::vector<PlanShape> out_;
};
}  // namespace

Thumbnail FrameThumbnail(const TPic& pic, int frame, int step) {
  Thumbnail t;
  if (step < 1 || !pic.hasFrame(frame) || pic.frameWidth <= 0 || pic.frameHeight <= 0) return t;
  const int W = pic.frameWidth, H = pic.frameHeight;
  std::vector<uint8_t> pixels(static_cast<size_t>(W) * H, 0);
  std::vector<int16_t> depth(static_cast<size_t>(W) * H, -32768);
  DrawFrame(pic, frame, TDrawTarget{pixels.data(), depth.data(), W, H}, 0, 0, 0);
  t.width = (W + step - 1) / step, t.height = (H + step - 1) / step;
  for (int y = 0; y < H; y += step)
    for (int x = 0; x < W; x += step) {
      const size_t at = static_cast<size_t>(y) * W + x;
      t.pixels.push_back(pixels[at]);
      t.drawn.push_back(depth[at] > -32768 ? 1 : 0);
    }
  return t;
}

std::vector<PlanShape> DrawEditorView(TWorldEditing& editor, int W, int H) {
  ViewPainter painter(editor, W, H);
  return editor.elevation ? painter.Elevation() : painter.Plan();
}
