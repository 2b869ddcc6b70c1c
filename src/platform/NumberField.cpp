#include "platform/NumberField.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "engine/TextRules.h"

namespace quorvix {

bool ParseNumberField(std::string_view text, double& value) {
    const std::string_view field = TrimSpacesTabsAndLineBreaks(text);
    if (field.empty()) return false;
    // strtod needs a terminated copy; it also accepts hexadecimal, "inf" and
    // "nan", which are not numbers a user types into a field, so the text must
    // start with a sign, a digit or the locale's decimal point.
    const std::string copy(field);
    std::size_t first = (copy[0] == '+' || copy[0] == '-') ? 1 : 0;
    if (first >= copy.size()) return false;
    const unsigned char lead = static_cast<unsigned char>(copy[first]);
    if (!std::isdigit(lead) && lead != '.' && lead != ',') return false;
    if (copy.size() > first + 1 && copy[first] == '0' &&
        (copy[first + 1] == 'x' || copy[first + 1] == 'X')) {
        return false;
    }
    char* stop = nullptr;
    const double parsed = std::strtod(copy.c_str(), &stop);
    if (stop != copy.c_str() + copy.size() || !std::isfinite(parsed)) return false;
    value = parsed;
    return true;
}

bool ReadNumberField(std::string_view text, double& value, Prompter& prompter) {
    if (ParseNumberField(text, value)) return true;
    prompter.ShowMessage(kApplicationTitle, kPleaseEnterNumber, PromptIcon::Exclamation);
    return false;
}

std::string FormatNumberField(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

}  // namespace quorvix
