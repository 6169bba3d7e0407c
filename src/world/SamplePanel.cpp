#include "world/SamplePanel.h"

#include <algorithm>

void TSamplePanel::Attach(TChalk* chalk) {
  chalk_ = chalk;
  playing_ = chalk && chalk->Playing();
  drawing_ = false;
  UpdateCount();
}

void TSamplePanel::MouseDown(int x, int y) {
  stroke_.Start(x, y);
  drawing_ = true;
}

void TSamplePanel::MouseMove(int x, int y) {
  if (drawing_) stroke_.Add(x, y);
}

void TSamplePanel::MouseUp() { drawing_ = false; }

const ChalkFeatures& TSamplePanel::Repaint() {
  features_ = ComputeChalkFeatures(stroke_, ChalkPointCount(numPointsText));
  if (features_.computed) {
    if (chalk_) chalk_->SetDrawing(features_.values);
    currentLabel = -1;
  }
  return features_;
}

void TSamplePanel::SetPointCount(int n) { numPointsText = std::to_string(std::clamp(n, MinPoints, MaxPoints)); }

void TSamplePanel::NumberButton(int digit) {
  if (!chalk_ || playing_ || !chalk_->AddSample(digit)) return;
  currentLabel = digit;
  UpdateCount();
}

void TSamplePanel::PlayButton() {
  if (!chalk_) return;
  if (playing_) {
    chalk_->StopPlaying();
    playing_ = false;
  } else {
    playing_ = chalk_->StartPlaying();
  }
}

void TSamplePanel::ClearStoreButton() {
  if (!chalk_) return;
  chalk_->ClearSamples();
  UpdateCount();
}

FileChoice TSamplePanel::Choice(const char* title) const {
  FileChoice c;
  c.title = title;
  c.filter = "Data files|*.txt|All files|*.*";
  c.defaultExtension = "txt";
  c.promptOverwrite = true;
  return c;
}

bool TSamplePanel::SaveButton() {
  if (!chalk_ || playing_ || !host_.files) return false;
  const std::string path = host_.files->ChooseSave(Choice("Save Samples"));
  return !path.empty() && SaveTo(path);
}

bool TSamplePanel::LoadButton() {
  if (!chalk_ || playing_ || !host_.files) return false;
  const std::string path = host_.files->ChooseOpen(Choice("Load Samples"));
  return !path.empty() && LoadFrom(path);
}

bool TSamplePanel::SaveTo(const std::string& path) {
  if (!chalk_) return false;
  if (chalk_->SaveSamples(path)) return true;
  host_.Message("Couldn't save " + path, "Save Samples Error", MessageIcon::Error);
  return false;
}

bool TSamplePanel::LoadFrom(const std::string& path) {
  if (!chalk_) return false;
  const auto report = chalk_->LoadSamples(path);
  UpdateCount();
  if (!report) {
    host_.Message("Couldn't open " + path, "Load Samples Error", MessageIcon::Error);
    return false;
  }
  const std::string problems = ReportText(path, *report);
  if (!problems.empty()) host_.Message(problems, "Load Samples Error", MessageIcon::Warning);
  return report->added > 0;
}

std::string TSamplePanel::CountText(size_t count) {
  if (count == 0) return "No samples";
  if (count == 1) return "1 sample";
  return std::to_string(count) + " samples";
}

void TSamplePanel::UpdateCount() { countText_ = CountText(chalk_ ? chalk_->samples.size() : 0); }

std::string TSamplePanel::ReportText(const std::string& path, const SampleReadReport& r) {
  if (r.declared < 0) return path + " is not a sample file: its first line must be the number of samples.";
  if (r.Clean()) return {};
  std::string text = CountText(static_cast<size_t>(r.added)) + " read from " + path + ".";
  auto add = [&text](int n, const std::string& what) {
    if (n > 0) text += "\n" + std::to_string(n) + " " + what;
  };
  add(r.badLines, "line(s) without ten values and a label were left out.");
  add(r.badLabels, "sample(s) with a label outside 0 to 9 were left out.");
  add(r.clampedValues, "value(s) outside -100 to 99 were clamped.");
  if (r.truncated) text += "\nThe list is full: the rest of the file was not read.";
  if (r.declared != r.added && !r.truncated)
    text += "\nThe file says it holds " + std::to_string(r.declared) + " samples.";
  return text;
}
