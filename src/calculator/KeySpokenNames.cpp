#include "calculator/KeySpokenNames.h"

#include <array>
#include <utility>

#include "calculator/FunctionCatalogue.h"
#include "calculator/KeypadKeys.h"

namespace quorvix {

namespace {

using Name = std::pair<const char*, const char*>;

// Captions the layout keys can show (Math, Finance, and the exponent key's
// "#"), compared ignoring case.
constexpr Name kLayoutCaptionNames[] = {
    {"fint", "integrate"},
    {"fdiff", "differentiate"},
    {"fzero", "find a root"},
    {"^2", "square"},
    {"^3", "cube"},
    {"sqrt", "square root"},
    {"sin", "sine"},
    {"cos", "cosine"},
    {"tan", "tangent"},
    {"csc", "cosecant"},
    {"sec", "secant"},
    {"cot", "cotangent"},
    {"pi", "number pi"},
    {"x", "variable x"},
    {"y", "variable y"},
    {"t", "variable t"},
    {"log", "common logarithm"},
    {"ln", "natural logarithm"},
    {"exp", "exponential"},
    {"E", "exponent"},
    {"#", "exponent"},
    {"=", "assign"},
    {"pv", "present value"},
    {"fv", "future value"},
    {"pmt", "payment"},
    {"rate", "interest rate"},
    {"nper", "number of periods"},
    {"efr", "effective annual rate"},
    {"apr", "annual percentage rate"},
    {"ANS", "last answer"},
    {"abs", "absolute value"},
};

constexpr std::array<const char*, 10> kDigitNames = {
    "zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine"};

constexpr std::array<const char*, 8> kOperatorNames = {
    "multiply", "divide", "plus", "minus", "power", "percent",
    "opening parenthesis", "closing parenthesis"};

bool IsTrigonometric(std::string_view caption) {
    for (const char* name : {"sin", "cos", "tan", "csc", "sec", "cot"})
        if (NamesEqual(caption, name)) return true;
    return false;
}

std::string LayoutKeyName(std::string_view caption, bool inv, bool hyp) {
    for (const auto& [shown, name] : kLayoutCaptionNames) {
        if (!NamesEqual(caption, shown)) continue;
        std::string spoken = name;
        if (IsTrigonometric(caption)) {
            if (hyp) spoken = "hyperbolic " + spoken;
            if (inv) spoken = "inverse " + spoken;
        }
        return spoken;
    }
    return std::string(caption);
}

}  // namespace

std::string KeySpokenName(int keyId, std::string_view caption, bool inv, bool hyp) {
    switch (keyId) {
        case kExeKeyId: return "execute";
        case kAnsKeyId: return "last answer";
        case kBackspaceKeyId: return "backspace";
        case kClearKeyId: return "clear entry";
        case kArgumentSeparatorKeyId: return "argument separator";
        case kDecimalSeparatorKeyId: return "decimal separator";
        case kConstKeyId: return "constants menu";
        case kConvKeyId: return "conversions menu";
        case kFuncKeyId: return "functions menu";
        default: break;
    }
    if (keyId >= kDigitZeroKeyId && keyId < kDigitZeroKeyId + 10)
        return kDigitNames[static_cast<std::size_t>(keyId - kDigitZeroKeyId)];
    if (keyId >= kFirstOperatorKeyId && keyId <= kLastOperatorKeyId)
        return kOperatorNames[static_cast<std::size_t>(keyId - kFirstOperatorKeyId)];
    if (IsLayoutKeyId(keyId)) return LayoutKeyName(caption, inv, hyp);
    return {};
}

}  // namespace quorvix
