#pragma once
// Unit-name forms: the retry without a plural 's' or an abbreviation's
// period, and the case rule. (Trimming is in engine/TextRules.h.)
//
// Case rule: unit names compare without regard to case, except where
// ignoring case would leave two units. There are three such pairs: "g" is
// the gram and "G" the gauss; "Kb" the catalogue's binary kilobyte and "kB"
// the decimal one; "Mb" the binary megabyte and "MB" the decimal one. Each
// of those matches only as spelt, and another spelling of them ("KB", "mb")
// matches neither, since it could mean either. Other names that differ only
// in case ("kw" and "kW", "coulomb" and "Coulomb") are one unit spelt two
// ways.

#include <string>
#include <string_view>

namespace quorvix {

// The plural/period retry form of a unit name: a name longer than 3
// characters loses a final 's'/'S'; otherwise a name longer than 1
// character loses a final '.'. Anything else is returned unchanged.
std::string_view StripPluralOrPeriod(std::string_view name);

// Whether the name matches only as spelt: any spelling of "g", "kb", "mb".
bool IsCaseSensitiveUnitName(std::string_view name);

// Whether two unit names denote the same unit name under the case rule.
bool UnitNamesMatch(std::string_view a, std::string_view b);

// The text under which a unit name is indexed: the name itself when it is
// case-sensitive, else the name upper-cased. Two names match exactly when
// their keys are equal.
std::string UnitNameKey(std::string_view name);

}  // namespace quorvix
