#include "bodies/GizmoChalk.h"

#include <algorithm>
#include <sstream>

#include "platform/Files.h"

// "Light 1" to "Light 4" are the lab brain's outputs 0 to 3.
static constexpr int LightCount = 4;

TChalk::TChalk(const GizmoPorts& ports, int task) : TGizmo(ports), task_(task) {
  ChannelMask in{}, out{};
  for (int c = FirstPoint; c < FirstCategory + CategoryCount; ++c) in[static_cast<size_t>(c)] = true;
  if (ports_.brains) brainNumber = ports_.brains->AttachBrain(LabBrainName, in, false, out);
}

// With the list emptied while playing, the current drawing stands in until samples come
// back; the play mode itself stays as the panel shows it.
void TChalk::step(int, IndexedImage&, bool testMode, std::vector<TRect>&) {
  for (int c = FirstPoint; c < FirstCategory + CategoryCount; ++c) SetInput(c, 0);
  if (testMode) {
    TestStep();
    return;
  }
  testing_ = false;
  const ChalkSample* shown = NextPlayed();
  // Played samples are never kept back; a drawing teaches only once it has a label.
  const bool teaches = shown || (current.category >= 0 && !currentKept);
  Feed(shown ? *shown : current, true);
  if (!teaches && ports_.brains) ports_.brains->HoldLearning(brainNumber);
}

void TChalk::reset() {
  TGizmo::reset();
  testing_ = false;
}

const ChalkSample* TChalk::NextPlayed() {
  if (playIndex < 0 || samples.empty()) return nullptr;
  const std::vector<bool> kept = KeptBack();
  const size_t n = samples.size();
  if (static_cast<size_t>(playIndex) >= n) playIndex = 0;
  for (size_t tries = 0; tries < n; ++tries) {
    const size_t k = static_cast<size_t>(playIndex);
    playIndex = static_cast<int>((k + 1) % n);
    if (!kept[k]) return &samples[k];
  }
  return nullptr;
}

void TChalk::Feed(const ChalkSample& s, bool withCategory) {
  for (int k = 0; k < PointCount; ++k) SetInput(FirstPoint + k, s.values[static_cast<size_t>(k)]);
  if (withCategory && s.category >= 0 && s.category < CategoryCount) SetInput(FirstCategory + s.category, 100);
}

std::vector<bool> TChalk::KeptBack() const {
  std::array<int, CategoryCount> seen{};
  std::vector<bool> kept(samples.size(), false);
  for (size_t k = 0; k < samples.size(); ++k) {
    const int c = samples[k].category;
    if (c >= 0 && c < CategoryCount && ++seen[static_cast<size_t>(c)] % KeptEvery == 0) kept[k] = true;
  }
  return kept;
}

int TChalk::KeptBackCount() const {
  const std::vector<bool> kept = KeptBack();
  return static_cast<int>(std::count(kept.begin(), kept.end(), true));
}

// The test digits go in without their labels, and the brain learns nothing from them.
void TChalk::TestStep() {
  if (!testing_) {
    testing_ = true;
    tests_.clear();
    const std::vector<bool> kept = KeptBack();
    for (size_t k = 0; k < samples.size(); ++k)
      if (kept[k] || task_ == RecordingTest) tests_.push_back(samples[k]);
    testPos_ = 0;
    held_ = 0;
    fedTest_ = -1;
    judged_ = 0;
    wrong_ = false;
    answers_.clear();
  }
  if (fedTest_ >= 0) Judge(tests_[static_cast<size_t>(fedTest_)].category);
  fedTest_ = -1;
  UpdateVerdict();
  if (ports_.brains) ports_.brains->HoldLearning(brainNumber);
  if (tests_.empty()) return;
  Feed(tests_[testPos_], task_ == RecordingTest);
  if (++held_ >= TestHold) {
    held_ = 0;
    fedTest_ = static_cast<int>(testPos_);
    testPos_ = (testPos_ + 1) % tests_.size();
  }
}

void TChalk::Judge(int category) {
  const ChannelMask* lights = ports_.brains ? ports_.brains->EnabledOutputs(brainNumber) : nullptr;
  unsigned pattern = 0;
  for (int k = 0; k < LightCount && lights; ++k) {
    if (!(*lights)[static_cast<size_t>(k)]) continue;
    const bool on = OutputOn(k);
    if (on) pattern |= 1u << k;
    if (on != (k == category)) wrong_ = true;
  }
  if (std::find(answers_.begin(), answers_.end(), pattern) == answers_.end()) answers_.push_back(pattern);
  ++judged_;
  judgedDigit = category;
}

// Every lamp needs five samples of its digit (so one kept back for the digit test), and
// a brain that answers every digit alike (dark, or one lamp always lit) learned nothing,
// whatever it happened to get right.
void TChalk::UpdateVerdict() {
  const bool recording = task_ == RecordingTest;
  const ChannelMask* lights = ports_.brains ? ports_.brains->EnabledOutputs(brainNumber) : nullptr;
  std::array<int, CategoryCount> count{};
  for (const ChalkSample& s : recording ? samples : tests_)
    if (s.category >= 0 && s.category < CategoryCount) ++count[static_cast<size_t>(s.category)];
  bool covered = !recording || Saved();
  for (int k = 0; k < LightCount && lights; ++k)
    if ((*lights)[static_cast<size_t>(k)] && count[static_cast<size_t>(k)] < (recording ? KeptEvery : 1)) covered = false;
  if (!covered || tests_.empty()) verdict = recording ? NothingRecorded : NothingLearned;
  // A wrong lamp shows at once, so the run can tell when; a brain that turns out to
  // answer every digit alike is told so once all were judged.
  else if (judged_ < tests_.size()) verdict = !wrong_ ? NotYetAchieved : recording ? WrongOutput : WrongDigit;
  else if (answers_.size() < 2) verdict = recording ? WrongOutput : NothingLearned;
  else if (wrong_) verdict = recording ? WrongOutput : WrongDigit;
  else verdict = Achieved;
}

void TChalk::SetDrawing(const std::array<int, 10>& values) {
  current.values = values;
  current.category = -1;
  currentKept = false;
}

bool TChalk::AddSample(int category) {
  if (category < 0 || category >= CategoryCount) return false;
  current.category = category;
  samples.push_back(current);
  currentKept = KeptBack().back();
  unsaved_ = true;
  return true;
}

bool TChalk::StartPlaying() {
  if (samples.empty()) return false;
  playIndex = 0;
  return true;
}

void TChalk::ClearSamples() {
  samples.clear();
  unsaved_ = false;
  if (playIndex > 0) playIndex = 0;
}

std::string TChalk::SamplesText() const {
  std::string text = std::to_string(samples.size()) + "\n";
  for (const ChalkSample& s : samples) {
    for (int v : s.values) text += std::to_string(v) + " ";
    text += std::to_string(s.category) + "\n";
  }
  return text;
}

bool TChalk::SaveSamples(const std::string& path) {
  if (!WriteFileAtomic(path, SamplesText())) return false;
  unsaved_ = false;
  return true;
}

namespace {
// Whole-number words of a line; false on anything else or a number out of range.
bool LineNumbers(const std::string& line, std::vector<long long>& out) {
  out.clear();
  std::istringstream in(line);
  std::string word;
  while (in >> word) {
    size_t pos = word[0] == '-' || word[0] == '+' ? 1 : 0;
    if (pos == word.size() || word.size() > 12) return false;
    for (size_t k = pos; k < word.size(); ++k)
      if (word[k] < '0' || word[k] > '9') return false;
    out.push_back(std::stoll(word));
  }
  return true;
}
}  // namespace

SampleReadReport TChalk::AppendSamplesText(const std::string& text) {
  SampleReadReport report;
  const std::vector<std::string> lines = SplitLines(text);
  std::vector<long long> numbers;
  if (lines.empty() || !LineNumbers(lines[0], numbers) || numbers.size() != 1 || numbers[0] < 0 ||
      numbers[0] > 1000000000)
    return report;
  report.declared = static_cast<int>(numbers[0]);
  for (size_t k = 1; k < lines.size(); ++k) {
    if (!LineNumbers(lines[k], numbers)) {
      ++report.badLines;
      continue;
    }
    if (numbers.empty()) continue;
    if (numbers.size() != PointCount + 1) {
      ++report.badLines;
      continue;
    }
    const long long label = numbers[PointCount];
    if (label < 0 || label >= CategoryCount) {
      ++report.badLabels;
      continue;
    }
    if (samples.size() >= static_cast<size_t>(MaxSamples)) {
      report.truncated = true;
      break;
    }
    ChalkSample s;
    for (int v = 0; v < PointCount; ++v) {
      const long long n = numbers[static_cast<size_t>(v)];
      if (n < -100 || n > 99) ++report.clampedValues;
      s.values[static_cast<size_t>(v)] = static_cast<int>(n < -100 ? -100 : n > 99 ? 99 : n);
    }
    s.category = static_cast<int>(label);
    samples.push_back(s);
    ++report.added;
  }
  return report;
}

std::optional<SampleReadReport> TChalk::LoadSamples(const std::string& path) {
  const auto text = ReadFileText(path, 16u << 20);
  if (!text) return std::nullopt;
  return AppendSamplesText(*text);
}
