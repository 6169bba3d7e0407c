#pragma once
// The chalk board: feeds the lab brain the current drawing, or plays back the labelled
// samples one per tick, on "Point 1" to "Point 10" and "Category 0" to "Category 9".
#include <array>
#include <string>

#include "bodies/Gizmo.h"

struct ChalkSample {
  std::array<int, 10> values{};
  int category = 0;  // 0 to 9; -1 = none (only the current drawing)
  bool operator==(const ChalkSample&) const = default;
};

class TChalk : public TGizmo {
 public:
  static constexpr int FirstPoint = 32, FirstCategory = 42, PointCount = 10, CategoryCount = 10;
  static constexpr int MaxSamples = 100000;  // what a sample file may bring at once

  explicit TChalk(const GizmoPorts& ports);
  void step(int tick, IndexedImage& canvas, bool testMode, std::vector<TRect>& dirty) override;
  void draw(IndexedImage&) override {}

  // The drawing's features become the current input, with no category.
  void SetDrawing(const std::array<int, 10>& values);
  // The current drawing joins the samples with that category (0 to 9) and keeps it.
  bool AddSample(int category);
  // Starts only when samples exist; false when it did not.
  bool StartPlaying();
  void StopPlaying() { playIndex = -1; }
  bool Playing() const { return playIndex >= 0; }
  void ClearSamples();
  // The sample file: count, then ten values and the category per line.
  std::string SamplesText() const;
  bool SaveSamples(const std::string& path) const;
  // Appends the file's samples; returns how many were added (a sample whose category is
  // not 0 to 9 is left out, reading stops at the first number missing).
  int AppendSamplesText(const std::string& text);
  int LoadSamples(const std::string& path);

  std::vector<ChalkSample> samples;
  ChalkSample current{{}, 0};
  int playIndex = -1;
};
