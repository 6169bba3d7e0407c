#pragma once
// Numbers typed into the brain dialogs, read the way "%d" and "%f" read them: the leading
// number of the text, or the dialog's default when the text does not start with one.
#include <string>

int ReadInteger(const std::string& text, int fallback);
// Infinities and not-a-number count as no number.
double ReadReal(const std::string& text, double fallback);
double Clamp(double v, double low, double high);
