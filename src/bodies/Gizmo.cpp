#include "bodies/Gizmo.h"

#include <algorithm>

#include "platform/BmpFile.h"
#include "platform/Files.h"

void TGizmo::AttachLab(std::initializer_list<int> inputs, std::initializer_list<int> outputs) {
  ChannelMask in{}, out{};
  for (int c : inputs)
    if (c >= 0 && c < ChannelCount) in[static_cast<size_t>(c)] = true;
  for (int c : outputs)
    if (c >= 0 && c < ChannelCount) out[static_cast<size_t>(c)] = true;
  if (ports_.brains) brainNumber = ports_.brains->AttachBrain(LabBrainName, in, false, out);
}

void TGizmo::LoadSheet(const std::string& path) {
  std::string why;
  if (auto image = LoadBmp(NativePath(path), &why)) {
    sheet = std::move(*image);
    return;
  }
  ports_.host.Message("Couldn't load picture sheet " + path + (why.empty() ? "" : ": " + why),
                      "Load Gizmo Error");
}

ChannelBlock* TGizmo::io() const { return ports_.brains ? ports_.brains->BrainIO(brainNumber) : nullptr; }

int TGizmo::Output(int channel) const {
  const ChannelBlock* b = io();
  return b ? b->outputs[channel][0] : 0;
}

int TGizmo::Input(int channel) const {
  const ChannelBlock* b = io();
  return b ? b->inputs[channel][0] : 0;
}

void TGizmo::SetInput(int channel, int value) {
  if (ChannelBlock* b = io()) b->inputs[channel][0] = value;
}

void TGizmo::Paste(IndexedImage& canvas, int sx, int sy, int w, int h, int x, int y, bool keyed) {
  if (!sheet.empty())
    canvas.blit(sheet, sx, sy, w, h, x, y, keyed ? NearestColour(sheet.palette, GizmoKeyColour) : -1);
  MarkDirty(x, y, w, h);
}

void TGizmo::MarkDirty(int x, int y, int w, int h) {
  if (w <= 0 || h <= 0) return;
  if (dirtyRect.left < 0) {
    dirtyRect = TRect{x, y, x + w, y + h};
    return;
  }
  dirtyRect.left = std::min(dirtyRect.left, x);
  dirtyRect.top = std::min(dirtyRect.top, y);
  dirtyRect.right = std::max(dirtyRect.right, x + w);
  dirtyRect.bottom = std::max(dirtyRect.bottom, y + h);
}

void TGizmo::FlushDirty(std::vector<TRect>& list, const IndexedImage& canvas) {
  TRect r{std::max(0, dirtyRect.left), std::max(0, dirtyRect.top), std::min(canvas.width(), dirtyRect.right),
          std::min(canvas.height(), dirtyRect.bottom)};
  if (dirtyRect.left >= 0 && r.area() > 0) list.push_back(r);
  dirtyRect = TRect{-1, -1, -1, -1};
}

int FirstGizmoResult(const std::vector<std::unique_ptr<TGizmo>>& gizmos) {
  for (const auto& g : gizmos)
    if (g->verdict != 0) return g->verdict;
  return 0;
}
