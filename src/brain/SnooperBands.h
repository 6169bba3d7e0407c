#pragma once
// The snooper dialog's model: the twelve snooper colours, the list of bands ("Base" and
// up to seven thresholds, each with a colour) and the operations on a snooper record.
// The dialog builds a SnooperBandList from its snooper, edits it with "+", "--" and
// "<-->", and calls ApplySnooperSettings after every change; "Dup" and "Del" call
// DuplicateSnooper and TBrainBoard::DeleteSnooper.
#include <cstdint>
#include <string>
#include <vector>

#include "brain/Brainboard.h"

struct SnooperColour {
  int tile;
  uint8_t r, g, b;
};
constexpr int SnooperColourCount = 12;
extern const SnooperColour SnooperColours[SnooperColourCount];

struct SnooperBand {
  bool base = false;
  int threshold = 0;
  int tile = 0;
};

class SnooperBandList {
 public:
  static constexpr int MaxEntries = 8;
  static SnooperBandList Of(const Snooper& s);
  const std::vector<SnooperBand>& entries() const { return entries_; }
  // The text of an entry as the list shows it ("Base" or the threshold).
  std::string Text(int entry) const;
  // "+": "Base" recolours the base; a number (clamped to -100..100) goes before the
  // first larger threshold, unless the list is full. False when nothing changed.
  bool Add(const std::string& box, int tile);
  // "--": the chosen entries go, never the base.
  void Delete(const std::vector<int>& chosen);
  // "<-->": the chosen entries take the box's value and the colour ("Base" recolours
  // the base).
  void Change(const std::vector<int>& chosen, const std::string& box, int tile);

 private:
  std::vector<SnooperBand> entries_;
};

// Mode and monitor, then the list into the thresholds and colours (unused entries 200
// and colour 0), then the tile of the last value's band.
void ApplySnooperSettings(TBrainBoard& board, int snooper, int mode, bool monitor, const SnooperBandList& list);
// The band tile of a value: b = 1; while b < 8 and value >= thresholds[b], b += 1.
int SnooperBandTile(const Snooper& s, int value);
// "Dup": a copy one column to the right (unless at the last column), drawn; -1 if none.
int DuplicateSnooper(TBrainBoard& board, int snooper);
