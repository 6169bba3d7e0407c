#pragma once
// A file-input node's data: one column of a text file of numbers.
#include <functional>
#include <string>
#include <vector>

// Reads column `column` (counted from 1) of the data text. The columns are those of the
// first line; the numbers are read as one stream up to the first thing that is not a
// number, and each row gives its value, clamped to -100..100 (not-a-number is 0). A column
// outside the first line's is reported and taken to the nearest one; the column used is
// stored back. False (reported) when the first line holds nothing.
using DataColumnReport = std::function<void(const std::string& text, const std::string& caption)>;
bool ReadDataColumn(const std::string& text, int& column, std::vector<float>& values, const DataColumnReport& report);
