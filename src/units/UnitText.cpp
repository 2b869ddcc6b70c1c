#include "units/UnitText.h"

#include <array>

#include "engine/TextRules.h"

namespace quorvix {
namespace {

// Every spelling of each group of names that differ only in case and
// denote different units. Upper-cased keys of other names can never equal
// one of these, since each group is listed whole.
constexpr std::array<std::string_view, 2> kCaseSensitiveNames{"g", "G"};

}  // namespace

std::string_view StripPluralOrPeriod(std::string_view name) {
    if (name.size() > 3 && (name.back() == 's' || name.back() == 'S')) {
        return name.substr(0, name.size() - 1);
    }
    if (name.size() > 1 && name.back() == '.') return name.substr(0, name.size() - 1);
    return name;
}

bool IsCaseSensitiveUnitName(std::string_view name) {
    for (std::string_view n : kCaseSensitiveNames) {
        if (name == n) return true;
    }
    return false;
}

bool UnitNamesMatch(std::string_view a, std::string_view b) {
    if (!EqualsIgnoringCase(a, b)) return false;
    return a == b || !(IsCaseSensitiveUnitName(a) || IsCaseSensitiveUnitName(b));
}

std::string UnitNameKey(std::string_view name) {
    return IsCaseSensitiveUnitName(name) ? std::string(name) : UpperCaseAscii(name);
}

}  // namespace quorvix
