#include "units/UnitText.h"

namespace quorvix {
namespace {

char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string UpperCaseAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) c = UpperAscii(c);
    return upper;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperAscii(a[i]) != UpperAscii(b[i])) return false;
    }
    return true;
}

std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string_view StripPluralOrPeriod(std::string_view name) {
    if (name.size() > 3 && (name.back() == 's' || name.back() == 'S')) {
        return name.substr(0, name.size() - 1);
    }
    if (name.size() > 1 && name.back() == '.') return name.substr(0, name.size() - 1);
    return name;
}

}  // namespace quorvix
