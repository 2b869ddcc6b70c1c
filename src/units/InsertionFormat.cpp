#include "units/InsertionFormat.h"

#include <cctype>
#include <cstdio>

#include "engine/TextRules.h"

namespace quorvix {

std::string WithThreeDigitExponent(std::string text) {
    text = UpperCaseText(text);
    // The C library writes at least two exponent digits; the calculator
    // always shows three.
    const std::size_t e = text.find('E');
    if (e == std::string::npos || e + 1 >= text.size()) return text;
    const char sign = text[e + 1];
    if (sign != '+' && sign != '-') return text;
    const std::size_t digitsStart = e + 2;
    std::size_t digitsEnd = digitsStart;
    while (digitsEnd < text.size() && std::isdigit(static_cast<unsigned char>(text[digitsEnd])))
        ++digitsEnd;
    const std::size_t count = digitsEnd - digitsStart;
    if (count > 0 && count < 3) text.insert(digitsStart, 3 - count, '0');
    return text;
}

std::string FormatInsertionValue(double value) {
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, "%.15G", value);
    if (n <= 0) return std::string();
    return WithThreeDigitExponent(std::string(buffer, static_cast<std::size_t>(n)));
}

}  // namespace quorvix
