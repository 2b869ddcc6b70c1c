#include <cerrno>
#include <cmath>
#include <cstdint>
#include <string>

#include "engine/BuiltinFunctions.h"
#include "engine/BuiltinNames.h"

namespace quorvix {

std::int32_t ToInt32(double x) {
    if (!(x > -9223372036854775808.0 && x < 9223372036854775808.0)) return 0;
    const auto wide = static_cast<std::int64_t>(x);
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(wide)));
}

namespace {

double Factorial(double x, EvalError& code) {
    // Truncated over the whole double range: a huge argument must not wrap
    // to a small one (4294967298! is not 2).
    const double whole = std::trunc(x);
    if (whole < 0.0) {
        errno = EDOM;
        return 0.0;
    }
    if (whole > 170.0) {
        // Reported at once: the result 0 must not pass for an underflow.
        errno = ERANGE;
        code = kResultTooLarge;
        return 0.0;
    }
    const std::int32_t n = ToInt32(x);
    double product = 1.0;
    for (std::int32_t i = 2; i <= n; ++i) product *= i;
    return product;
}

// The digits of int(x) in `base`, lower-case letters after 9. Negative
// numbers: '-' in base 10, the 32-bit two's-complement pattern otherwise.
std::string DigitsInBase(std::int32_t v, int base) {
    static const char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    const bool minus = base == 10 && v < 0;
    std::uint32_t u = static_cast<std::uint32_t>(v);
    if (minus) u = 0u - u;
    char buffer[40];
    int n = 0;
    do {
        buffer[n++] = kDigits[u % static_cast<std::uint32_t>(base)];
        u /= static_cast<std::uint32_t>(base);
    } while (u != 0);
    std::string text;
    if (minus) text.push_back('-');
    while (n > 0) text.push_back(buffer[--n]);
    return text;
}

}  // namespace

bool CallIntegerFunction(int id, const double* args, int /*count*/, ExprNode& call, EvalError& code) {
    const double a = args[0];
    switch (id) {
        // INT keeps the whole double range (1E20 stays 1E20); the 32-bit
        // rule belongs to the bitwise and base functions. +0.0 turns the -0
        // of INT(-0.5) into 0.
        case kInt: call.value = std::trunc(a) + 0.0; return true;
        case kFact: call.value = Factorial(a, code); return true;
        case kAnd: call.value = ToInt32(a) & ToInt32(args[1]); return true;
        case kOr: call.value = ToInt32(a) | ToInt32(args[1]); return true;
        case kXor: call.value = ToInt32(a) ^ ToInt32(args[1]); return true;
        case kNot: call.value = ~ToInt32(a); return true;
        case kLShift: {
            const auto bits = static_cast<std::uint32_t>(ToInt32(args[1]) & 31);
            call.value = static_cast<std::int32_t>(static_cast<std::uint32_t>(ToInt32(a)) << bits);
            return true;
        }
        case kRShift: call.value = ToInt32(a) >> (ToInt32(args[1]) & 31); return true;
        case kConvertBase:
        case kBin:
        case kOct:
        case kDec:
        case kHex: {
            const int base = id == kConvertBase ? ToInt32(args[1])
                             : id == kBin       ? 2
                             : id == kOct       ? 8
                             : id == kDec       ? 10
                                                : 16;
            call.value = a;
            call.hasText = true;
            call.resultText.clear();
            if (base < 2 || base > 36) {
                code = kBadArgument;
                return true;
            }
            call.resultText = DigitsInBase(ToInt32(a), base);
            return true;
        }
        default: return false;
    }
}

}  // namespace quorvix
