#pragma once
// The sample panel beside the world view: the chalk area's stroke, the point count and
// "Show points", the number buttons that label the drawing and store it, play, new, save
// and load. The window only forwards clicks and paints what this holds.
#include <cstddef>
#include <string>

#include "bodies/GizmoChalk.h"
#include "platform/Host.h"
#include "world/ChalkStroke.h"

class TSamplePanel {
 public:
  static constexpr int AreaLeft = 20, AreaTop = 19, AreaWidth = 180, AreaHeight = 200;
  static constexpr int MinPoints = 1, MaxPoints = 10, DefaultPoints = 7;

  explicit TSamplePanel(Host host) : host_(host) {}

  // The world's chalk board, or none: the panel shows only while there is one.
  void Attach(TChalk* chalk);
  TChalk* chalk() const { return chalk_; }
  bool Shown() const { return chalk_ != nullptr; }

  // Chalk-area mouse, in area pixels. Down starts a stroke, moves with the button down
  // add to it, up ends it; the window repaints the area after the up.
  void MouseDown(int x, int y);
  void MouseMove(int x, int y);
  void MouseUp();
  bool Drawing() const { return drawing_; }
  const TChalkStroke& stroke() const { return stroke_; }

  // A repaint of the area: the stroke's features are computed and, when there are
  // enough points, become the chalk board's input with the label cleared.
  const ChalkFeatures& Repaint();
  const ChalkFeatures& features() const { return features_; }

  // NumPointsUpDown's position (1 to 10) writes NumPointsBox.
  void SetPointCount(int n);
  std::string numPointsText = "7";
  bool showPoints = false;
  int currentLabel = -1;

  // Button0 to Button9: the current features join the samples with that label.
  void NumberButton(int digit);
  // Play starts only when samples exist; while playing every other control is off.
  void PlayButton();
  bool Playing() const { return playing_; }
  const char* PlayCaption() const { return playing_ ? "Stop" : "Play"; }
  void ClearStoreButton();
  // After the file dialogs; false when nothing was written or read.
  bool SaveButton();
  bool LoadButton();
  bool SaveTo(const std::string& path);
  bool LoadFrom(const std::string& path);

  const std::string& countText() const { return countText_; }
  static std::string CountText(size_t count);
  // The message for a sample file that had problems; empty when it was clean.
  static std::string ReportText(const std::string& path, const SampleReadReport& report);

 private:
  FileChoice Choice(const char* title) const;
  void UpdateCount();

  Host host_;
  TChalk* chalk_ = nullptr;
  TChalkStroke stroke_;
  ChalkFeatures features_;
  bool drawing_ = false;
  bool playing_ = false;
  std::string countText_ = "No samples";
};
