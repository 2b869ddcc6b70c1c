#pragma once
// Small text helpers for unit names: comparisons ignore the case of ASCII
// letters, blanks are spaces.

#include <string>
#include <string_view>

namespace quorvix {

std::string UpperCaseAscii(std::string_view text);
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
// Without leading and trailing spaces.
std::string_view TrimBlanks(std::string_view text);
// The plural/period retry form of a unit name: a name longer than 3
// characters loses a final 's'/'S'; otherwise a name longer than 1
// character loses a final '.'. Anything else is returned unchanged.
std::string_view StripPluralOrPeriod(std::string_view name);

}  // namespace quorvix
