// The brain board's tile sheet and its mask: neurons, nodes, routes, synapse ends,
// snoopers, frame and background, channel icons and the digits of snooper values. Tiles
// that belong together (a neuron's nine cells, a route and its corner pieces) are drawn
// as one shape in shared coordinates and cut, so lines join across cells.
#include "AssetSink.h"
#include "BoardSheet.h"
#include "brain/Brainboard.h"

namespace {
using namespace board_sheet;

// Unit offsets of the directions and the point where a route leaves a cell that way.
double Dx(int d) { return DirDx[((d % 8) + 8) % 8]; }
double Dy(int d) { return DirDy[((d % 8) + 8) % 8]; }

// ---- background, frame, markers -------------------------------------------------

void Backgrounds(Sheet& s) {
  s.Fill(Tile::Cell, Paper);
  s.Pixel(Tile::Cell, 0, 0, PaperDot);
  s.Fill(Tile::SelectedCell, SelectBlue);
  s.Pixel(Tile::SelectedCell, 0, 0, {102, 153, 204});
  s.Fill(Tile::TextCell, NotePaper);
  s.Fill(Tile::SelectedText, {204, 230, 255});
  // Frame: a dark rim whose inner edge catches the light. (column, row) in a 3 x 3 ring.
  const struct { int tile, col, row; } frame[] = {{132, 0, 0}, {133, 1, 0}, {134, 2, 0}, {148, 0, 1},
                                                  {150, 2, 1}, {164, 0, 2}, {165, 1, 2}, {166, 2, 2}};
  for (const auto& f : frame) {
    s.Fill(f.tile, Frame);
    const int x0 = f.col == 0 ? 13 : 0, x1 = f.col == 2 ? 2 : 15;
    const int y0 = f.row == 0 ? 13 : 0, y1 = f.row == 2 ? 2 : 15;
    if (f.row != 1) s.Paint(f.tile, 0, 0, Box(x0, f.row == 0 ? 13 : 2, x1 + 1, f.row == 0 ? 14 : 3), f.row == 0 ? FrameLight : FrameDark);
    if (f.col != 1) s.Paint(f.tile, 0, 0, Box(f.col == 0 ? 13 : 2, y0, f.col == 0 ? 14 : 3, y1 + 1), f.col == 0 ? FrameLight : FrameDark);
    s.Paint(f.tile, 0, 0, [&](double x, double y) { return std::fmod(x * 7 + y * 3, 11) < 1.2; }, FrameDark);
  }
  // A valid route end: a green ring around the cell's centre.
  s.Paint(Tile::ValidRouteEnd, 0, 0, [](double x, double y) {
    const double r = std::hypot(x - 8, y - 8);
    return r >= 4.5 && r <= 7;
  }, Valid);
  // A node's corners: a small dot where a multi node's corner channel lies.
  s.Paint(Tile::NodeCorner, 0, 0, Disc(8, 8, 1.6), {120, 130, 150});
}

// ---- routes --------------------------------------------------------------------

// Half of a route inside its cell: from the centre out through the side or corner of d.
Shape Half(int d) { return Capsule(8, 8, 8 + 8 * Dx(d), 8 + 8 * Dy(d)); }

void Routes(Sheet& s) {
  for (int in = 0; in < 8; ++in) {
    for (int out = 0; out < 8; ++out) {
      const int t = TBrainBoard::RouteBodyTile(in, out);
      if (t < 0) continue;
      s.Paint(t, 0, 0, Half(in + 4), Line);
      s.Paint(t, 0, 0, Half(out), Line);
    }
    const int end = TBrainBoard::RouteEndTile(in);
    s.Paint(end, 0, 0, Capsule(8 - 8 * Dx(in), 8 - 8 * Dy(in), 8 - 3 * Dx(in), 8 - 3 * Dy(in)), Line);
    const double diag = in % 2 ? 0.72 : 1.0;
    s.Paint(end, 0, 0, Arrowhead(8 + 6 * diag * Dx(in), 8 + 6 * diag * Dy(in), Dx(in), Dy(in), 8, 4.5), Line);
  }
  // Corner pieces beside a diagonal step: the step drawn in the neighbour's frame.
  // 13: bottom-right piece of "/", 14: bottom-left of "\", 15: top-left of "/",
  // 31: top-right of "\".
  s.Paint(13, 0, 0, Capsule(24, 8, 8, 24), Line);
  s.Paint(14, 0, 0, Capsule(-8, 8, 8, 24), Line);
  s.Paint(15, 0, 0, Capsule(-8, 8, 8, -8), Line);
  s.Paint(31, 0, 0, Capsule(8, -8, 24, 8), Line);
}

// The last cell of a route into a neuron's even slot: the line turns the synapse's
// colour on its way into the neuron's outer cell.
void SynapseEnds(Sheet& s) {
  const int straight[8] = {11, -1, 12, -1, 10, -1, 9, -1};
  for (int slot = 0; slot < 8; slot += 2) {
    const int out = (slot + 4) % 8;
    for (int k : {32, 64}) {
      const Rgb tint = k == 64 ? Excite : Inhibit;
      for (int in : {out, (out + 1) % 8, (out + 7) % 8}) {
        int tile;
        if (in == out) {
          tile = straight[slot] + k;
        } else {
          const int turn = in - out;
          tile = ((turn < 0 || turn > 4) ? 112 : 96) + (6 - out) / 2 + k;
        }
        s.Paint(tile, 0, 0, Half(in + 4), Line);
        s.Paint(tile, 0, 0, Half(out), tint);
      }
    }
  }
}

// ---- neurons -------------------------------------------------------------------

constexpr double NeuronRadius = 14;

void NeuronBody(Sheet& s, int tile, double ox, double oy, bool lit) {
  s.Paint(tile, ox, oy, Disc(24, 24, NeuronRadius), lit ? LitEdge : NeuronEdge);
  s.Paint(tile, ox, oy, Disc(24, 24, NeuronRadius - 1.6), lit ? LitFill : NeuronFill);
  s.Paint(tile, ox, oy, [](double x, double y) {
    return std::hypot(x - 24, y - 24) <= NeuronRadius - 3 && std::hypot(x - 19, y - 19) <= 5;
  }, lit ? LitShine : NeuronShine);
}

void NeuronSlot(Sheet& s, int tile, double ox, double oy, int d, int kind, bool lit) {
  const double ux = Dx(d) / std::hypot(Dx(d), Dy(d)), uy = Dy(d) / std::hypot(Dx(d), Dy(d));
  const double farX = 24 + 32 * Dx(d), farY = 24 + 32 * Dy(d);
  const double rimX = 24 + NeuronRadius * ux, rimY = 24 + NeuronRadius * uy;
  if (kind == SlotOutput) s.Paint(tile, ox, oy, Capsule(24, 24, farX, farY), Line);
  if (kind == SlotExcitatory || kind == SlotInhibitory) {
    const Rgb tint = kind == SlotExcitatory ? Excite : Inhibit;
    s.Paint(tile, ox, oy, Capsule(rimX + 2 * ux, rimY + 2 * uy, farX, farY), tint);
    if (kind == SlotExcitatory) s.Paint(tile, ox, oy, Disc(rimX + 2.5 * ux, rimY + 2.5 * uy, 3.6), tint);
    else s.Paint(tile, ox, oy, Capsule(rimX + 2 * ux - 4.5 * uy, rimY + 2 * uy + 4.5 * ux, rimX + 2 * ux + 4.5 * uy,
                                        rimY + 2 * uy - 4.5 * ux, 1.3), tint);
  }
  NeuronBody(s, tile, ox, oy, lit);
  if (kind == SlotEmpty) s.Paint(tile, ox, oy, Disc(rimX - 2.5 * ux, rimY - 2.5 * uy, 1.3), lit ? LitEdge : NeuronEdge);
}

void Neurons(Sheet& s) {
  for (int lit = 0; lit < 2; ++lit) {
    Neuron n;
    n.shownState = lit ? 100 : 0;
    for (int type : {StepNeuron, ErrorNeuron})
      for (int learn = 0; learn < 2; ++learn) {
        n.type = type, n.learn = learn;
        const int t = TBrainBoard::NeuronCentreTile(n);
        NeuronBody(s, t, 16, 16, lit);
        const Rgb nucleus = type == ErrorNeuron ? Inhibit : (learn ? Excite : (lit ? LitEdge : NeuronEdge));
        s.Paint(t, 16, 16, Disc(24, 24, 3.6), nucleus);
        if (type == ErrorNeuron) s.Letters(t, 6, 2, "E", IconBack);
        else if (learn) s.Letters(t, 6, 2, "L", IconBack);
      }
    for (int kind : {SlotEmpty, SlotInhibitory, SlotExcitatory, SlotOutput})
      for (int d = 0; d < 8; ++d) {
        n.type = StepNeuron, n.learn = false;
        n.slots[d].kind = kind;
        NeuronSlot(s, TBrainBoard::NeuronOuterTile(n, d), 16 + 16 * Dx(d), 16 + 16 * Dy(d), d, kind, lit);
      }
  }
  // The letters sit over the nucleus; redraw it smaller under them was not needed.
}

// ---- nodes ---------------------------------------------------------------------

void NodeSide(Sheet& s, int tile, int d, const Colours& c) {
  const double ox = 16 + 16 * Dx(d), oy = 16 + 16 * Dy(d);
  const double ex = 24 + 16 * Dx(d), ey = 24 + 16 * Dy(d);
  s.Paint(tile, ox, oy, Capsule(24, 24, ex, ey, 3.6), c.edge);
  s.Paint(tile, ox, oy, Capsule(24, 24, ex, ey, 2.2), c.fill);
  s.Paint(tile, ox, oy, Disc(ex, ey, 4.2), c.edge);
  s.Paint(tile, ox, oy, Disc(ex, ey, 2.8), c.fill);
}

void IconFrame(Sheet& s, int tile, bool lit, Rgb edge) {
  s.Paint(tile, 0, 0, Box(0.5, 0.5, 15.5, 15.5, 3), edge);
  s.Paint(tile, 0, 0, Box(1.8, 1.8, 14.2, 14.2, 2), lit ? IconLitBack : IconBack);
}

void Nodes(Sheet& s) {
  const struct { int type; const Colours* colours; } kinds[] = {
      {PlainNode, &PlainNodeC}, {InputNode, &InputNodeC}, {OutputNode, &OutputNodeC}};
  for (int lit = 0; lit < 2; ++lit)
    for (const auto& k : kinds) {
      Node n;
      n.type = k.type;
      n.shownState = lit ? 100 : 0;
      const Colours& c = lit ? LitNodeC : *k.colours;
      for (int d = 0; d < 8; d += 2) NodeSide(s, TBrainBoard::NodeTile(n, d), d, c);
      if (k.type == PlainNode) {
        const int t = TBrainBoard::NodeTile(n, -1);
        s.Paint(t, 0, 0, Box(2, 2, 14, 14, 3), c.edge);
        s.Paint(t, 0, 0, Box(3.5, 3.5, 12.5, 12.5, 2), c.fill);
        s.Paint(t, 0, 0, Disc(8, 8, 2), c.edge);
      }
    }
  // Channel, file and key node centres: a framed icon, light or lit.
  std::vector<int> pictures = {136, 168, 224, 225};
  for (int p = 192; p <= 207; ++p) pictures.push_back(p);
  for (int p = 226; p <= 239; ++p) pictures.push_back(p);
  for (int p = 256; p <= 269; ++p) pictures.push_back(p);
  for (int p : pictures)
    for (int lit = 0; lit < 2; ++lit) {
      IconFrame(s, p + 16 * lit, lit, Line);
      Icon(s, p + 16 * lit, p);
    }
}

// ---- snoopers and digits ---------------------------------------------------------

void Snoopers(Sheet& s) {
  const struct { int tile; Rgb colour; } colours[] = {
      {110, {0, 0, 0}},     {111, {128, 128, 128}}, {126, {128, 128, 0}}, {127, {255, 255, 0}},
      {142, {0, 128, 0}},   {143, {0, 255, 0}},     {158, {128, 0, 0}},   {159, {255, 0, 0}},
      {174, {0, 0, 128}},   {175, {0, 0, 255}},     {190, {192, 192, 192}}, {191, {255, 255, 255}}};
  for (const auto& c : colours) {
    s.Paint(c.tile, 0, 0, Box(0, 0, 16, 16, 2.5), {40, 40, 40});
    s.Paint(c.tile, 0, 0, Box(1.2, 1.2, 14.8, 14.8, 1.5), c.colour);
    s.Paint(c.tile, 0, 0, Box(2, 2, 14, 3), Mix(c.colour, {255, 255, 255}, 0.45));
  }
}

constexpr uint8_t DigitRows[11][7] = {
    {7, 5, 5, 5, 5, 5, 7}, {2, 6, 2, 2, 2, 2, 7}, {7, 1, 1, 7, 4, 4, 7}, {7, 1, 1, 7, 1, 1, 7},
    {5, 5, 5, 7, 1, 1, 1}, {7, 4, 4, 7, 1, 1, 7}, {7, 4, 4, 7, 5, 5, 7}, {7, 1, 1, 2, 2, 2, 2},
    {7, 5, 5, 7, 5, 5, 7}, {7, 5, 5, 7, 1, 1, 7}, {0, 0, 0, 7, 0, 0, 0}};

void Digits(Sheet& s) {
  const char* chars = "0123456789-";
  for (int dark = 0; dark < 2; ++dark)
    for (int i = 0; i < 11; ++i) {
      int tile, offset;
      Glyph::Locate(chars[i], dark, tile, offset);
      for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 3; ++col)
          if (DigitRows[i][row] & (4 >> col))
            s.Pixel(tile, offset + col, 5 + row, dark ? Rgb{0, 0, 0} : Rgb{255, 255, 255});
    }
}

void GenerateBoardTiles(AssetSink& sink) {
  Sheet s(sink.palette());
  Backgrounds(s);
  Neurons(s);
  Routes(s);
  SynapseEnds(s);
  Nodes(s);
  Snoopers(s);
  Digits(s);
  sink.WriteBmp("pics\\brain\\allpic.bmp", s.pic);
  sink.WriteBmp("pics\\brain\\allmask.bmp", s.mask);
}
}  // namespace

QUORBIT_ASSETS(board_tiles, GenerateBoardTiles);
