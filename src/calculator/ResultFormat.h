#pragma once
// Turning answers into display text: the printf pattern built from the
// number-format and significant-digits settings, and the formatting of a value
// in any base from 2 to 36.

#include <string>

namespace quorvix {

enum NumberFormat : int { kGeneralFormat = 0, kScientificFormat = 1 };

// The pattern for base-10 answers: "%.<N>g" for general, "%.<N-1>e" for
// scientific, where N is the significant digits (0 or anything outside 1..11
// means the default of 15).
std::string BuildNumberPattern(int numberFormat, int significantDigits);

// Formats one double with a printf pattern that has a single floating-point
// conversion (%g %G %e %E %f), upper-cases the letters and widens the exponent
// to a sign and at least three digits (1E+020, 2.5E-007).
std::string FormatWithPattern(const std::string& pattern, double value);

// The display text of an answer. Base 10 uses the pattern; any other base
// shows the low 32 bits of the truncated value as an unsigned number, with a
// warning when the value had a fractional part or did not fit.
std::string FormatResult(double value, int numberBase, const std::string& numberPattern);

// The digits of an unsigned 32-bit number in a base from 2 to 36 (upper case).
std::string UnsignedToBase(unsigned int value, int base);

}  // namespace quorvix
