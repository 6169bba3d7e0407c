#pragma once
// A small pixel font for the labels of charts: the same picture on the screen and in a
// PNG written without a window. Characters are 5 x 7 pixels (letters with a tail reach
// two rows lower), six pixels apart; a character without a glyph shows as '?'.
#include <cstdint>
#include <string_view>

#include "platform/IndexedImage.h"

constexpr int ChartCharAdvance = 6;
constexpr int ChartLineHeight = 11;

// Draws text with its top-left at (x, y); pixels outside the picture are left out.
void DrawChartText(IndexedImage& image, int x, int y, std::string_view text, uint8_t colour);
int ChartTextWidth(std::string_view text);
// Draws text turned a quarter to the left, reading upwards, its bottom-left at (x, y).
void DrawChartTextUp(IndexedImage& image, int x, int y, std::string_view text, uint8_t colour);
