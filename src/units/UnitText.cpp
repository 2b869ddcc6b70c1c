#include "units/UnitText.h"

#include <array>

#include "engine/TextRules.h"

namespace quorvix {
namespace {

// Names that, spelt in different cases, denote different units. Every
// spelling of them is case-sensitive, so no upper-cased key of another
// name can equal one of theirs.
constexpr std::array<std::string_view, 3> kCaseSensitiveNames{"g", "kb", "mb"};

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
        if (EqualsIgnoringCase(name, n)) return true;
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
