// Snooper bands, colours and the dialog's list rules.
#include "brain/SnooperBands.h"

#include <algorithm>

#include "brain/BrainProperties.h"

const SnooperColour SnooperColours[SnooperColourCount] = {
    {110, 0, 0, 0},     {111, 128, 128, 128}, {126, 128, 128, 0}, {127, 255, 255, 0},
    {142, 0, 128, 0},   {143, 0, 255, 0},     {158, 128, 0, 0},   {159, 255, 0, 0},
    {174, 0, 0, 128},   {175, 0, 0, 255},     {190, 192, 192, 192}, {191, 255, 255, 255},
};

SnooperBandList SnooperBandList::Of(const Snooper& s) {
  SnooperBandList list;
  list.entries_.push_back({true, s.thresholds[0], s.colours[0]});
  for (int b = 1; b < 8; ++b)
    if (s.thresholds[b] >= -100 && s.thresholds[b] <= 100) list.entries_.push_back({false, s.thresholds[b], s.colours[b]});
  return list;
}

std::string SnooperBandList::Text(int entry) const {
  if (entry < 0 || entry >= static_cast<int>(entries_.size())) return {};
  return entries_[entry].base ? "Base" : std::to_string(entries_[entry].threshold);
}

bool SnooperBandList::Add(const std::string& box, int tile) {
  if (box == "Base") {
    entries_[0].tile = tile;
    return true;
  }
  if (static_cast<int>(entries_.size()) >= MaxEntries) return false;
  const int v = std::clamp(ReadInteger(box, 0), -100, 100);
  auto at = entries_.begin() + 1;
  while (at != entries_.end() && at->threshold <= v) ++at;
  entries_.insert(at, {false, v, tile});
  return true;
}

void SnooperBandList::Delete(const std::vector<int>& chosen) {
  std::vector<SnooperBand> kept;
  for (int i = 0; i < static_cast<int>(entries_.size()); ++i)
    if (i == 0 || std::find(chosen.begin(), chosen.end(), i) == chosen.end()) kept.push_back(entries_[i]);
  entries_ = kept;
}

void SnooperBandList::Change(const std::vector<int>& chosen, const std::string& box, int tile) {
  if (box == "Base") {
    entries_[0].tile = tile;
    return;
  }
  const int v = std::clamp(ReadInteger(box, 0), -100, 100);
  for (int i : chosen) {
    if (i < 0 || i >= static_cast<int>(entries_.size())) continue;
    if (!entries_[i].base) entries_[i].threshold = v;
    entries_[i].tile = tile;
  }
}

int SnooperBandTile(const Snooper& s, int value) {
  int b = 1;
  while (b < 8 && value >= s.thresholds[b]) ++b;
  return s.colours[b - 1];
}

void ApplySnooperSettings(TBrainBoard& board, int snooper, int mode, bool monitor, const SnooperBandList& list) {
  if (!board.snoopers.live(snooper)) return;
  Snooper& s = board.snoopers[snooper];
  s.mode = mode >= SnoopTop && mode <= SnoopScale ? mode : SnoopTop;
  s.monitor = monitor;
  const auto& e = list.entries();
  for (int b = 0; b < 8; ++b) {
    const bool used = b < static_cast<int>(e.size());
    s.thresholds[b] = used ? e[b].threshold : 200;
    s.colours[b] = used ? e[b].tile : 0;
  }
  const int tile = SnooperBandTile(s, s.lastValue);
  if (tile != s.tile) {
    board.ReplacePic(s.x, s.y, s.tile, PicSnooper, snooper, tile);
    s.tile = tile;
  } else {
    board.MarkDirty(s.x, s.y);
  }
}

int DuplicateSnooper(TBrainBoard& board, int snooper) {
  if (!board.snoopers.live(snooper)) return -1;
  const Snooper copy = board.snoopers[snooper];
  const int i = board.snoopers.Allocate();
  board.snoopers[i] = copy;
  board.snoopers[i].selected = false;
  if (copy.x < board.columns() - 2) ++board.snoopers[i].x;
  board.DrawSnooper(i);
  return i;
}
