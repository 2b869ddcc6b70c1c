#pragma once
// The fixed number format of values that menus insert into an expression
// (constants, conversion factors): printf "%.15G" with the exponent widened
// to a sign and at least three digits, e.g. 6.64465598E-027.

#include <string>

namespace quorvix {

std::string FormatInsertionValue(double value);

}  // namespace quorvix
