#include "units/InsertionFormat.h"

#include <cstdio>

namespace quorvix {

std::string FormatInsertionValue(double value) {
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, "%.15G", value);
    if (n <= 0) return std::string();
    std::string text(buffer, static_cast<std::size_t>(n));
    // The C library writes at least two exponent digits; the calculator
    // always shows three.
    const std::size_t e = text.find('E');
    if (e != std::string::npos && e + 1 < text.size() &&
        (text[e + 1] == '+' || text[e + 1] == '-')) {
        const std::size_t digits = text.size() - (e + 2);
        if (digits < 3) text.insert(e + 2, 3 - digits, '0');
    }
    return text;
}

}  // namespace quorvix
