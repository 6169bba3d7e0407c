#pragma once
// The chalk board: feeds the lab brain the current drawing, or plays back the labelled
// samples one per tick, on "Point 1" to "Point 10" and "Category 0" to "Category 9".
// Every fifth sample of each digit is kept back: play skips it and the test shows it,
// without its label, to judge the lamps on digits the brain never learned from. The
// brain learns only while a labelled sample that is not kept back is fed.
#include <array>
#include <optional>
#include <string>

#include "bodies/Gizmo.h"

struct ChalkSample {
  std::array<int, 10> values{};
  int category = 0;  // 0 to 9; -1 = none (only the current drawing)
  bool operator==(const ChalkSample&) const = default;
};

// What reading a sample file found, beside the samples it added.
struct SampleReadReport {
  int added = 0;
  int declared = -1;       // the count on the first line; -1 when it is no count
  int badLines = 0;        // lines that are not ten values and a label
  int badLabels = 0;       // samples left out for a label outside 0 to 9
  int clampedValues = 0;   // values moved into -100 to 99
  bool truncated = false;  // stopped at MaxSamples
  bool Clean() const {
    return declared == added && badLines == 0 && badLabels == 0 && clampedValues == 0 && !truncated;
  }
};

class TChalk : public TGizmo {
 public:
  static constexpr int FirstPoint = 32, FirstCategory = 42, PointCount = 10, CategoryCount = 10;
  static constexpr int MaxSamples = 100000;  // what a sample file may bring at once
  static constexpr int KeptEvery = 5;         // the 5th, 10th, ... sample of a digit is kept back
  static constexpr int TestHold = 4;          // ticks each test digit is shown before it is judged

  // What a test judges: the lamps on the kept-back digits, shown without their labels;
  // or, on the recording page, the lamps on every sample played with its label, once
  // five of each lamp's digit were recorded and saved.
  enum Task { DigitTest = 0, RecordingTest = 1 };

  explicit TChalk(const GizmoPorts& ports, int task = DigitTest);
  void step(int tick, IndexedImage& canvas, bool testMode, std::vector<TRect>& dirty) override;
  void reset() override;
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
  // A save that worked marks the list saved; adding a sample marks it unsaved.
  bool SaveSamples(const std::string& path);
  bool Saved() const { return !unsaved_; }
  // Appends the file's samples: a first line that is no count adds nothing; every later
  // line must hold ten values and a label 0 to 9, else it is left out; values are clamped
  // to -100..99. The count only has to agree for the report to be clean.
  SampleReadReport AppendSamplesText(const std::string& text);
  // Nothing when the file cannot be read.
  std::optional<SampleReadReport> LoadSamples(const std::string& path);

  // Which samples are kept back for the test, and how many.
  std::vector<bool> KeptBack() const;
  int KeptBackCount() const;

  std::vector<ChalkSample> samples;
  ChalkSample current{{}, 0};
  bool currentKept = false;  // the current drawing is a kept-back sample just added
  int judgedDigit = -1;      // the digit a test last judged the lamps on
  int playIndex = -1;

 private:
  // A test shows the kept-back samples in turn, each for TestHold ticks, and judges the
  // lamps at the end of each: "Light 1" to "Light 4" that the bench has must be on for
  // digits 0 to 3 in turn and off otherwise.
  void TestStep();
  void Judge(int category);
  void Feed(const ChalkSample& s, bool withCategory);
  // The verdict once every test digit was judged, or before.
  void UpdateVerdict();
  const ChalkSample* NextPlayed();

  int task_ = DigitTest;
  bool unsaved_ = false;
  std::vector<ChalkSample> tests_;  // fixed when the test starts
  bool testing_ = false;
  size_t testPos_ = 0;
  int held_ = 0;      // ticks the current test digit has been shown
  int fedTest_ = -1;  // the test sample whose hold ended last step, judged now
  size_t judged_ = 0;
  bool wrong_ = false;
  std::vector<unsigned> answers_;  // the distinct lamp patterns seen
};
