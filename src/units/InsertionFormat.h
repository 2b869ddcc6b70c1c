#pragma once
// How the program writes numbers in text: printf output upper-cased, with an
// exponent that always has a sign and at least three digits (1E+020). The
// fixed format of values that menus insert into an expression (constants,
// conversion factors) is "%.15G" written that way, e.g. 6.64465598E-027.

#include <string>

namespace quorvix {

// Upper-cases printf output and widens its exponent to three digits.
std::string WithThreeDigitExponent(std::string text);

std::string FormatInsertionValue(double value);

}  // namespace quorvix
