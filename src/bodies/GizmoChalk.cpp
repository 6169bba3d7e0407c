#include "bodies/GizmoChalk.h"

#include <sstream>

#include "platform/Files.h"

// "Light 1" to "Light 4" are the lab brain's outputs 0 to 3.
static constexpr int LightCount = 4;

TChalk::TChalk(const GizmoPorts& ports) : TGizmo(ports) {
  ChannelMask in{}, out{};
  for (int c = FirstPoint; c < FirstCategory + CategoryCount; ++c) in[static_cast<size_t>(c)] = true;
  if (ports_.brains) brainNumber = ports_.brains->AttachBrain(LabBrainName, in, false, out);
}

// With the list emptied while playing, the current drawing stands in until samples come
// back; the play mode itself stays as the panel shows it.
void TChalk::step(int, IndexedImage&, bool testMode, std::vector<TRect>&) {
  if (testMode) JudgeLights();
  for (int c = FirstPoint; c < FirstCategory + CategoryCount; ++c) SetInput(c, 0);
  const ChalkSample* shown = &current;
  if (playIndex >= 0 && !samples.empty()) {
    if (playIndex >= static_cast<int>(samples.size())) playIndex = 0;
    shown = &samples[static_cast<size_t>(playIndex)];
    playIndex = (playIndex + 1) % static_cast<int>(samples.size());
  }
  for (int k = 0; k < PointCount; ++k) SetInput(FirstPoint + k, shown->values[static_cast<size_t>(k)]);
  if (shown->category >= 0 && shown->category < CategoryCount) SetInput(FirstCategory + shown->category, 100);
  fedCategory_ = shown->category;
}

void TChalk::reset() {
  TGizmo::reset();
  fedCategory_ = -1;
}

void TChalk::JudgeLights() {
  const ChannelMask* lights = ports_.brains ? ports_.brains->EnabledOutputs(brainNumber) : nullptr;
  if (fedCategory_ < 0 || !lights) return;
  for (int k = 0; k < LightCount; ++k)
    if ((*lights)[static_cast<size_t>(k)] && OutputOn(k) != (k == fedCategory_)) verdict = WrongOutput;
}

void TChalk::SetDrawing(const std::array<int, 10>& values) {
  current.values = values;
  current.category = -1;
}

bool TChalk::AddSample(int category) {
  if (category < 0 || category >= CategoryCount) return false;
  current.category = category;
  samples.push_back(current);
  return true;
}

bool TChalk::StartPlaying() {
  if (samples.empty()) return false;
  playIndex = 0;
  return true;
}

void TChalk::ClearSamples() {
  samples.clear();
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

bool TChalk::SaveSamples(const std::string& path) const { return WriteFileAtomic(path, SamplesText()); }

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
