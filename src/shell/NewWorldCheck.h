#pragma once
// The new-world dialog's checks, in their order.
#include <string>
#include <vector>

// The message that refuses the values (caption "World Error"), or an empty text.
// existingFiles: the names of the files in "worlds".
std::string CheckNewWorld(const std::string& name, const std::string& width, const std::string& length,
                          const std::vector<std::string>& existingFiles);
// The integer a size box holds, or the fallback when it holds no number.
int SizeBoxValue(const std::string& text, int fallback);
