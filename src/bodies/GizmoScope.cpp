#include "bodies/GizmoScope.h"

#include <algorithm>

namespace {
bool On(int v) { return v >= 50; }
int Lit(bool on) { return on ? 100 : 0; }
}  // namespace

TOscilloscope::TOscilloscope(const GizmoPorts& ports, int type, bool show)
    : TGizmo(ports), taskType(type), showTargets(show) {
  std::vector<int> inputs;
  if (showTargets) inputs.push_back(FirstTarget);
  if (taskType == 1 || taskType == 10) inputs.push_back(FirstTarget + 1);
  if (taskType == 3 || taskType == 4)
    for (int k = 1; k < 4; ++k) inputs.push_back(FirstTarget + k);
  ChannelMask in{}, out{};
  for (int c : inputs) in[static_cast<size_t>(c)] = true;
  if (ports_.brains) brainNumber = ports_.brains->AttachBrain(LabBrainName, in, false, out);
}

void TOscilloscope::Targets(int type, const int lights[4], int s1, int s2, int v, int t[4]) {
  std::copy(lights, lights + 4, t);
  const bool a = On(s1), b = On(s2);
  switch (type) {
    case 0: t[0] = s1; break;
    case 1: t[0] = t[1] = s1; break;
    case 2: t[0] = t[2] = s1, t[1] = t[3] = s2; break;
    case 3: t[0] = Lit(v >= 80); break;
    case 4:
      for (int k = 0; k < 4; ++k) t[k] = Lit(v >= 20 * (k + 1));
      break;
    case 5: t[0] = Lit(a || b); break;
    case 6: t[0] = Lit(a && b); break;
    case 7: t[0] = Lit(b && !a); break;
    case 8: t[0] = Lit(!a); break;
    case 9: t[0] = Lit(a != b); break;
    case 10: t[0] = Lit(a != b), t[1] = Lit(a && b); break;
    default: break;
  }
}

void TOscilloscope::step(int tick, IndexedImage& canvas, bool testMode, std::vector<TRect>& dirty) {
  if (taskType == -1) return;
  int lights[4], targets[4];
  for (int k = 0; k < 4; ++k) lights[k] = Output(k);
  Targets(taskType, lights, Input(0), Input(1), Input(2), targets);
  for (int k = 0; k < 4; ++k) SetInput(FirstTarget + k, targets[k]);
  if (testMode && io() && brainSawInputs_)
    for (int k = 0; k < 4; ++k)
      if (Output(k) != Input(FirstTarget + k)) verdict = WrongOutput;
  brainSawInputs_ = true;
  if (tick == 0) {
    draw(canvas);
  } else {
    Plot(canvas, tick % ScreenW, testMode);
  }
  FlushDirty(dirty, canvas);
}

void TOscilloscope::draw(IndexedImage& canvas) {
  canvas.fillRect(ScreenX, ScreenY, ScreenW, ScreenH, static_cast<uint8_t>(NearestColour(canvas.palette, {})));
  MarkDirty(ScreenX, ScreenY, ScreenW, ScreenH);
  lastY_.clear();
}

// Every offered input in red; every offered output in light blue followed, in a test, by
// its target in olive.
std::vector<TOscilloscope::Trace> TOscilloscope::Traces(const IndexedImage& canvas, bool testMode) const {
  std::vector<Trace> traces;
  if (!ports_.brains) return traces;
  const ChannelMask* in = ports_.brains->EnabledInputs(brainNumber);
  const ChannelMask* out = ports_.brains->EnabledOutputs(brainNumber);
  if (!in || !out) return traces;
  const auto red = static_cast<uint8_t>(NearestColour(canvas.palette, {255, 0, 0}));
  const auto blue = static_cast<uint8_t>(NearestColour(canvas.palette, {0x7F, 0x7F, 0xFF}));
  const auto olive = static_cast<uint8_t>(NearestColour(canvas.palette, {0x7F, 0x7F, 0}));
  for (int c = 0; c < ChannelCount; ++c)
    if ((*in)[static_cast<size_t>(c)]) traces.push_back({Input(c), red});
  for (int c = 0; c < ChannelCount; ++c) {
    if (!(*out)[static_cast<size_t>(c)]) continue;
    traces.push_back({Output(c), blue});
    if (testMode && c < 4) traces.push_back({Input(FirstTarget + c), olive});
  }
  return traces;
}

void TOscilloscope::Plot(IndexedImage& canvas, int column, bool testMode) {
  const int x = ScreenX + column;
  const int w = std::min(ClearWidth, ScreenX + ScreenW - x);
  canvas.fillRect(x, ScreenY, w, ScreenH, static_cast<uint8_t>(NearestColour(canvas.palette, {})));
  MarkDirty(x, ScreenY, w, ScreenH);
  const std::vector<Trace> traces = Traces(canvas, testMode);
  if (traces.empty()) return;
  const int band = TraceHeight / static_cast<int>(traces.size());
  if (band < 1) return;
  if (lastY_.size() != traces.size() || column == 0) lastY_.assign(traces.size(), -1);
  for (size_t i = 0; i < traces.size(); ++i) {
    const int v = std::clamp(traces[i].value, 0, 100);
    const int y = ScreenY + 1 + band * static_cast<int>(i) + (band - 1) * (100 - v) / 100;
    const int from = lastY_[i] < 0 ? y : lastY_[i];
    for (int yy = std::min(from, y); yy <= std::max(from, y); ++yy) canvas.set(x, yy, traces[i].colour);
    lastY_[i] = y;
  }
}
