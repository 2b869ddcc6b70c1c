#pragma once
// Unit-name forms: the retry without a plural 's' or an abbreviation's
// period. (Case-blind comparison and trimming are in engine/TextRules.h.)

#include <string_view>

namespace quorvix {

// The plural/period retry form of a unit name: a name longer than 3
// characters loses a final 's'/'S'; otherwise a name longer than 1
// character loses a final '.'. Anything else is returned unchanged.
std::string_view StripPluralOrPeriod(std::string_view name);

}  // namespace quorvix
