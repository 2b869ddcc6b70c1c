#include "calculator/ResultFormat.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>

#include "units/InsertionFormat.h"

namespace quorvix {

namespace {

constexpr int kDefaultDigits = 15;
constexpr int kMaxChosenDigits = 11;

// True for "%" ["." digits] one of g G e E f F: the only patterns handed to
// snprintf, so a bad pattern can never read a missing argument.
bool IsSingleFloatPattern(const std::string& pattern) {
    if (pattern.size() < 2 || pattern[0] != '%') return false;
    std::size_t i = 1;
    if (pattern[i] == '.') {
        ++i;
        const std::size_t firstDigit = i;
        while (i < pattern.size() && std::isdigit(static_cast<unsigned char>(pattern[i]))) ++i;
        if (i == firstDigit || i - firstDigit > 2) return false;
    }
    if (i + 1 != pattern.size()) return false;
    const char letter = pattern[i];
    return letter == 'g' || letter == 'G' || letter == 'e' || letter == 'E' || letter == 'f' ||
           letter == 'F';
}

// Truncates toward zero to 64 bits; values outside that range (and NaN)
// become the most negative 64-bit integer.
std::int64_t TruncateTo64(double value) {
    constexpr double kTwoTo63 = 9223372036854775808.0;
    if (!(value > -kTwoTo63 - 1.0 && value < kTwoTo63)) return INT64_MIN;
    return static_cast<std::int64_t>(value);
}

// A subnormal answer holds fewer bits than other doubles: its neighbours are
// the smallest subnormal apart, so 2 x 4.94E-324 would print as
// "9.881312917E-324" while the value it was rounded from may be 1.02E-323.
// The pattern's precision is cut to the digits the value holds.
std::string PatternForDigitsHeld(const std::string& pattern, double value) {
    if (std::fpclassify(value) != FP_SUBNORMAL || !IsSingleFloatPattern(pattern)) return pattern;
    const char letter = pattern.back();
    if (letter == 'f' || letter == 'F') return pattern;  // prints as zeros anyway
    const double steps = std::fabs(value) / std::numeric_limits<double>::denorm_min();
    const int held = std::max(1, static_cast<int>(std::floor(std::log10(steps))));
    const bool scientific = letter == 'e' || letter == 'E';
    const int precision = pattern[1] == '.' ? std::stoi(pattern.substr(2, pattern.size() - 3)) : 6;
    const int shown = scientific ? precision + 1 : std::max(precision, 1);
    if (shown <= held) return pattern;
    return "%." + std::to_string(scientific ? held - 1 : held) + letter;
}

}  // namespace

std::string BuildNumberPattern(int numberFormat, int significantDigits) {
    int digits = significantDigits;
    if (digits <= 0 || digits > kMaxChosenDigits) digits = kDefaultDigits;
    char letter = 'g';
    if (numberFormat == kScientificFormat) {
        letter = 'e';
        digits -= 1;
    }
    return "%." + std::to_string(digits) + letter;
}

std::string FormatWithPattern(const std::string& pattern, double value) {
    const std::string& safe = IsSingleFloatPattern(pattern) ? pattern : std::string("%.15G");
    char small[64];
    const int needed = std::snprintf(small, sizeof small, safe.c_str(), value);
    if (needed < 0) return std::string();
    std::string text;
    if (static_cast<std::size_t>(needed) < sizeof small) {
        text.assign(small, static_cast<std::size_t>(needed));
    } else {
        text.resize(static_cast<std::size_t>(needed) + 1);
        std::snprintf(text.data(), text.size(), safe.c_str(), value);
        text.resize(static_cast<std::size_t>(needed));
    }
    return WithThreeDigitExponent(std::move(text));
}

std::string UnsignedToBase(unsigned int value, int base) {
    if (base < 2 || base > 36) base = 10;
    static const char kDigits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    if (value == 0) return "0";
    std::string reversed;
    while (value != 0) {
        reversed.push_back(kDigits[value % static_cast<unsigned int>(base)]);
        value /= static_cast<unsigned int>(base);
    }
    return std::string(reversed.rbegin(), reversed.rend());
}

std::string FormatResult(double value, int numberBase, const std::string& numberPattern) {
    if (numberBase == 10) return FormatWithPattern(PatternForDigitsHeld(numberPattern, value), value);

    const std::int64_t whole = TruncateTo64(value);
    const auto low = static_cast<std::int32_t>(static_cast<std::uint32_t>(whole));
    std::string digits = UnsignedToBase(static_cast<std::uint32_t>(low), numberBase);
    // NaN compares false, so the negated test also warns for it.
    if (!(std::fabs(value - static_cast<double>(low)) <= 1e-15))
        digits += "  (Warning: truncated from decimal number " + FormatWithPattern("%G", value) + ")";
    return digits;
}

}  // namespace quorvix
