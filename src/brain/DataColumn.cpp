#include "brain/DataColumn.h"

#include <cstdlib>

namespace {

bool IsSeparator(char c) { return c == ' ' || c == '\t' || c == ','; }
bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

int CountFirstLineColumns(const std::string& text) {
  int columns = 0;
  bool inColumn = false;
  for (char c : text) {
    if (IsLineEnd(c)) break;
    if (IsSeparator(c)) {
      inColumn = false;
    } else if (!inColumn) {
      inColumn = true;
      ++columns;
    }
  }
  return columns;
}

// The numbers of the file as one stream, up to the first thing that is not a number.
std::vector<float> ReadNumberStream(const std::string& text) {
  std::vector<float> values;
  const char* p = text.c_str();
  const char* end = p + text.size();
  while (p < end) {
    while (p < end && (IsSeparator(*p) || IsLineEnd(*p))) ++p;
    if (p >= end) break;
    char* after = nullptr;
    const float v = std::strtof(p, &after);
    if (after == p) break;
    values.push_back(v);
    p = after;
  }
  return values;
}

}  // namespace

bool ReadDataColumn(const std::string& text, int& column, std::vector<float>& values, const DataColumnReport& report) {
  values.clear();
  const int columns = CountFirstLineColumns(text);
  if (columns == 0) {
    report("No data in file", "File Node Error");
    return false;
  }
  if (column > columns) {
    report("Only found " + std::to_string(columns) + " columns", "Node File Error");
    column = columns;
  }
  if (column < 1) {
    report("Column should be >= 1", "Node File Error");
    column = 1;
  }
  const std::vector<float> stream = ReadNumberStream(text);
  const size_t rows = stream.size() / static_cast<size_t>(columns);
  values.resize(rows);
  for (size_t r = 0; r < rows; ++r) {
    const float v = stream[r * static_cast<size_t>(columns) + static_cast<size_t>(column - 1)];
    values[r] = v < -100 ? -100 : (v > 100 ? 100 : (v == v ? v : 0));
  }
  return true;
}
