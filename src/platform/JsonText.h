#pragma once
// Text as a JSON string: quoted, with quotes, backslashes and control characters escaped.
#include <string>

std::string JsonString(const std::string& text);
