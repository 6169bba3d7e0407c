// Any text as the data file of a file-input node: each of a few columns is read; every
// value played must lie in -100..100 and the column used must be one the file has.
#include <cstdint>
#include <string>
#include <vector>

#include "brain/DataColumn.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 256 * 1024) return 0;
  const std::string text(reinterpret_cast<const char*>(data), size);
  const int asked[] = {0, 1, 2, size > 0 ? data[0] % 9 - 1 : 7};
  std::vector<float> values;
  for (int column : asked) {
    int used = column;
    int reports = 0;
    const bool read = ReadDataColumn(text, used, values, [&](const std::string&, const std::string&) { ++reports; });
    if (!read) {
      if (!values.empty() || reports != 1) __builtin_trap();
      continue;
    }
    if (used < 1 || (used != column && reports != 1)) __builtin_trap();
    for (float v : values)
      if (!(v >= -100 && v <= 100)) __builtin_trap();
  }
  return 0;
}
