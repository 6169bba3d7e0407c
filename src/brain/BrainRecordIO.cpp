// Field-by-field forms of the board's records in brain files.
#include "brain/BrainFileFormat.h"

#include <type_traits>

namespace {

void Pad(ByteWriter& w, int n) {
  for (int i = 0; i < n; ++i) w.u8(0);
}
void Flag(ByteWriter& w, bool b) { w.u8(b ? 1 : 0); }
bool Flag(ByteReader& r) { return r.u8() != 0; }

void WriteSlot(ByteWriter& w, const Synapse& s) {
  w.i32(s.kind);
  w.f32(s.state);
  w.f32(s.weight);
  w.f32(s.decay);
  w.f32(s.lastWeightChange);
  w.i32(s.otherKind);
  w.i32(s.otherIndex);
  w.i32(s.otherSlot);
  w.i32(s.lineSeg);
  Flag(w, s.learn);
  Pad(w, 3);
}

void ReadSlot(ByteReader& r, Synapse& s) {
  s.kind = r.i32();
  s.state = r.f32();
  s.weight = r.f32();
  s.decay = r.f32();
  s.lastWeightChange = r.f32();
  s.otherKind = r.i32();
  s.otherIndex = r.i32();
  s.otherSlot = r.i32();
  s.lineSeg = r.i32();
  s.learn = Flag(r);
  r.skip(3);
}

void ReadLegacySlot(ByteReader& r, Synapse& s) {
  s = Synapse{};
  s.kind = r.i32();
  s.state = r.f32();
  s.weight = r.f32();
  s.decay = r.f32();
  s.otherKind = r.i32();
  s.otherIndex = r.i32();
  s.otherSlot = r.i32();
  s.lineSeg = r.i32();
  r.skip(4);
}

template <class T, size_t N>
void WriteInts(ByteWriter& w, const T (&a)[N]) {
  for (T v : a) {
    if constexpr (std::is_same_v<T, float>) w.f32(v);
    else w.i32(v);
  }
}
template <class T, size_t N>
void ReadInts(ByteReader& r, T (&a)[N]) {
  for (T& v : a) {
    if constexpr (std::is_same_v<T, float>) v = r.f32();
    else v = r.i32();
  }
}

// The part a node record shares with its older form (offsets 0..247).
void ReadNodeCommon(ByteReader& r, Node& n) {
  n.type = r.i32();
  n.picture = r.i32();
  n.data = r.i32();
  n.x = r.i32();
  n.y = r.i32();
  ReadInts(r, n.value);
  ReadInts(r, n.next);
  ReadInts(r, n.slotKind);
  ReadInts(r, n.otherKind);
  ReadInts(r, n.otherIndex);
  ReadInts(r, n.otherSlot);
  ReadInts(r, n.lineSeg);
  n.shownState = r.i32();
}

}  // namespace

void WriteRecord(ByteWriter& w, const Neuron& n) {
  w.i32(n.x);
  w.i32(n.y);
  for (const Synapse& s : n.slots) WriteSlot(w, s);
  w.f32(n.threshold);
  w.f32(n.state);
  w.f32(n.input);
  w.i32(n.shownState);
  w.i32(n.type);
  w.f32(n.gain);
  w.f32(n.error);
  w.f32(n.lastThresholdChange);
  Flag(w, n.learn);
  Flag(w, n.inUse);
  Flag(w, n.selected);
  Pad(w, 1);
}

// The fields both neuron records share, from the position to the gain.
void ReadNeuronHead(ByteReader& r, Neuron& n, void (*readSlot)(ByteReader&, Synapse&)) {
  n.x = r.i32();
  n.y = r.i32();
  for (Synapse& s : n.slots) readSlot(r, s);
  n.threshold = r.f32();
  n.state = r.f32();
  n.input = r.f32();
  n.shownState = r.i32();
  n.type = r.i32();
  n.gain = r.f32();
}

void ReadRecord(ByteReader& r, Neuron& n) {
  ReadNeuronHead(r, n, ReadSlot);
  n.error = r.f32();
  n.lastThresholdChange = r.f32();
  n.learn = Flag(r);
  n.inUse = Flag(r);
  n.selected = Flag(r);
  r.skip(1);
}

void ReadLegacyNeuron(ByteReader& r, Neuron& n) {
  n = Neuron{};
  ReadNeuronHead(r, n, ReadLegacySlot);
  n.inUse = Flag(r);
  n.selected = Flag(r);
  r.skip(2);
}

void WriteRecord(ByteWriter& w, const Node& n) {
  w.i32(n.type);
  w.i32(n.picture);
  w.i32(n.data);
  w.i32(n.x);
  w.i32(n.y);
  WriteInts(w, n.value);
  WriteInts(w, n.next);
  WriteInts(w, n.slotKind);
  WriteInts(w, n.otherKind);
  WriteInts(w, n.otherIndex);
  WriteInts(w, n.otherSlot);
  WriteInts(w, n.lineSeg);
  w.i32(n.shownState);
  w.f32(n.error);
  Flag(w, n.inUse);
  Flag(w, n.multi);
  Flag(w, n.selected);
  Pad(w, 1);
}

void ReadRecord(ByteReader& r, Node& n) {
  ReadNodeCommon(r, n);
  n.error = r.f32();
  n.inUse = Flag(r);
  n.multi = Flag(r);
  n.selected = Flag(r);
  r.skip(1);
}

void ReadLegacyNode(ByteReader& r, Node& n) {
  ReadNodeCommon(r, n);
  n.error = 0;
  n.inUse = Flag(r);
  n.multi = Flag(r);
  n.selected = Flag(r);
  r.skip(1);
}

void WriteRecord(ByteWriter& w, const Snooper& s) {
  w.i32(s.x);
  w.i32(s.y);
  WriteInts(w, s.thresholds);
  WriteInts(w, s.colours);
  w.i32(s.tile);
  w.i32(s.mode);
  w.i32(s.lastValue);
  Flag(w, s.monitor);
  Flag(w, s.inUse);
  Flag(w, s.selected);
  Pad(w, 1);
}

void ReadRecord(ByteReader& r, Snooper& s) {
  s.x = r.i32();
  s.y = r.i32();
  ReadInts(r, s.thresholds);
  ReadInts(r, s.colours);
  s.tile = r.i32();
  s.mode = r.i32();
  s.lastValue = r.i32();
  s.monitor = Flag(r);
  s.inUse = Flag(r);
  s.selected = Flag(r);
  r.skip(1);
}

void WriteRecord(ByteWriter& w, const LineSeg& l) {
  for (int32_t v : {l.x, l.y, l.dirIn, l.dirOut, l.prev, l.next, l.srcKind, l.srcIndex, l.srcSlot}) w.i32(v);
  Flag(w, l.inUse);
  Flag(w, l.selected);
  Pad(w, 2);
}

void ReadRecord(ByteReader& r, LineSeg& l) {
  for (int32_t* v : {&l.x, &l.y, &l.dirIn, &l.dirOut, &l.prev, &l.next, &l.srcKind, &l.srcIndex, &l.srcSlot})
    *v = r.i32();
  l.inUse = Flag(r);
  l.selected = Flag(r);
  r.skip(2);
}

void WriteRecord(ByteWriter& w, const BoardPic& p) {
  for (int32_t v : {p.kind, p.key, p.picture, p.prev, p.next}) w.i32(v);
}

void ReadRecord(ByteReader& r, BoardPic& p) {
  for (int32_t* v : {&p.kind, &p.key, &p.picture, &p.prev, &p.next}) *v = r.i32();
}
