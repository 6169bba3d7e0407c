#include "bodies/GizmoChalk.h"

#include <sstream>

#include "platform/Files.h"

TChalk::TChalk(const GizmoPorts& ports) : TGizmo(ports) {
  ChannelMask in{}, out{};
  for (int c = FirstPoint; c < FirstCategory + CategoryCount; ++c) in[static_cast<size_t>(c)] = true;
  if (ports_.brains) brainNumber = ports_.brains->AttachBrain(LabBrainName, in, false, out);
}

// With the list emptied while playing, the current drawing stands in until samples come
// back; the play mode itself stays as the panel shows it.
void TChalk::step(int, IndexedImage&, bool, std::vector<TRect>&) {
  for (int c = FirstPoint; c < FirstCategory + CategoryCount; ++c) SetInput(c, 0);
  const ChalkSample* shown = &current;
  if (playIndex >= 0 && !samples.empty()) {
    if (playIndex >= static_cast<int>(samples.size())) playIndex = 0;
    shown = &samples[static_cast<size_t>(playIndex)];
    playIndex = (playIndex + 1) % static_cast<int>(samples.size());
  }
  for (int k = 0; k < PointCount; ++k) SetInput(FirstPoint + k, shown->values[static_cast<size_t>(k)]);
  if (shown->category >= 0 && shown->category < CategoryCount) SetInput(FirstCategory + shown->category, 100);
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

int TChalk::AppendSamplesText(const std::string& text) {
  std::istringstream in(text);
  long long count = 0;
  if (!(in >> count) || count <= 0) return 0;
  int added = 0;
  for (long long n = 0; n < count && n < MaxSamples; ++n) {
    ChalkSample s;
    for (int& v : s.values)
      if (!(in >> v)) return added;
    if (!(in >> s.category)) return added;
    if (s.category < 0 || s.category >= CategoryCount) continue;
    samples.push_back(s);
    ++added;
  }
  return added;
}

int TChalk::LoadSamples(const std::string& path) {
  const auto text = ReadFileText(path, 16u << 20);
  return text ? AppendSamplesText(*text) : 0;
}
