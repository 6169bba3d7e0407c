// quorbit-cli chalk STROKE [--points N]: a drawn stroke through the sample panel, as the
// chalk area's mouse would feed it, and the direction values it gives.
#include <cstdio>
#include <sstream>

#include "BrainJson.h"
#include "Cli.h"
#include "platform/Files.h"
#include "world/SamplePanel.h"

namespace {
// One "x y" pair of whole numbers a line; blank lines are skipped.
bool ReadStroke(const std::string& text, std::vector<std::pair<int, int>>& points, std::string& problem) {
  const std::vector<std::string> lines = SplitLines(text);
  for (size_t k = 0; k < lines.size(); ++k) {
    std::istringstream in(lines[k]);
    std::string a, b, extra;
    if (!(in >> a)) continue;
    int x = 0, y = 0;
    if (!(in >> b) || (in >> extra) || !ParseCliInt(a, x) || !ParseCliInt(b, y)) {
      problem = "line " + std::to_string(k + 1) + " is not two whole numbers";
      return false;
    }
    points.emplace_back(x, y);
  }
  return true;
}

int Chalk(const std::vector<std::string>& args, Host& host) {
  std::string file;
  int points = TSamplePanel::DefaultPoints;
  for (size_t k = 0; k < args.size(); ++k) {
    const std::string& a = args[k];
    if (a == "--points" && k + 1 < args.size()) {
      if (!ParseCliInt(args[++k], points) || points < TSamplePanel::MinPoints || points > TSamplePanel::MaxPoints)
        return UsageError("--points takes a number from 1 to 10");
    } else if (a.rfind("--", 0) != 0 && file.empty()) {
      file = a;
    } else {
      return UsageError("unexpected argument " + a);
    }
  }
  if (file.empty()) return UsageError("chalk needs a stroke file");
  const auto text = ReadFileText(file, 1u << 20);
  if (!text) return UsageError("cannot open " + file);
  std::vector<std::pair<int, int>> stroke;
  std::string problem;
  if (!ReadStroke(*text, stroke, problem)) return UsageError(file + ": " + problem);

  TChalk chalk(GizmoPorts{nullptr, nullptr, host});
  TSamplePanel panel(host);
  panel.Attach(&chalk);
  panel.SetPointCount(points);
  for (size_t k = 0; k < stroke.size(); ++k) {
    if (k == 0) panel.MouseDown(stroke[k].first, stroke[k].second);
    else panel.MouseMove(stroke[k].first, stroke[k].second);
  }
  panel.MouseUp();
  const ChalkFeatures& f = panel.Repaint();
  std::string values;
  for (int v : f.values) values += (values.empty() ? "" : ",") + std::to_string(v);
  std::printf("{\"count\":%d,\"features\":[%s],\"handed\":%s}\n", panel.stroke().count(), values.c_str(),
              f.computed ? "true" : "false");
  return ExitOk;
}
}  // namespace

QUORBIT_CLI_COMMAND(chalk, "chalk", "chalk STROKE [--points N]", Chalk);
