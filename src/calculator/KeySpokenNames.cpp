#include "calculator/KeySpokenNames.h"

#include <array>
#include <utility>

#include "calculator/FunctionCatalogue.h"
#include "calculator/KeypadKeys.h"
#include "engine/TextRules.h"

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

// Words for the symbols a custom caption may hold.
constexpr Name kSymbolNames[] = {
    {"^", "to the power"}, {"/", "divided by"},  {"*", "times"},
    {"+", "plus"},         {"-", "minus"},       {"%", "percent"},
    {"!", "factorial"},    {"=", "equals"},      {",", "comma"},
    {";", "semicolon"},    {"#", "exponent"},    {"(", "opening parenthesis"},
    {")", "closing parenthesis"},
};

constexpr std::string_view kReciprocalPrefix = "1/";

bool IsWordCharacter(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
           c == '_' || c == '.';
}

const char* CaptionName(std::string_view caption) {
    for (const auto& [shown, name] : kLayoutCaptionNames)
        if (EqualsIgnoringCase(caption, shown)) return name;
    return nullptr;
}

// A word inside a longer caption: a function keeps its spoken name ("sqrt"
// is "square root"); numbers, variables and pi are read as written.
std::string WordName(std::string_view word) {
    const char* name = CaptionName(word);
    if (name == nullptr) return std::string(word);
    const std::string_view spoken = name;
    if (spoken.starts_with("variable ") || spoken.starts_with("number ") || spoken == "exponent")
        return std::string(word);
    return std::string(spoken);
}

// A custom caption with no name of its own, read piece by piece: words as
// above, symbols in words ("x^4" is "x to the power 4"), and a leading "1/"
// as "reciprocal of".
std::string ComposedName(std::string_view caption) {
    std::string spoken;
    const auto append = [&spoken](std::string_view piece) {
        if (piece.empty()) return;
        if (!spoken.empty()) spoken += ' ';
        spoken += piece;
    };
    if (caption.starts_with(kReciprocalPrefix)) {
        caption.remove_prefix(kReciprocalPrefix.size());
        append(caption.empty() ? "reciprocal" : "reciprocal of");
    }
    std::size_t i = 0;
    while (i < caption.size()) {
        if (caption[i] == ' ') {
            ++i;
        } else if (IsWordCharacter(caption[i])) {
            std::size_t end = i;
            while (end < caption.size() && IsWordCharacter(caption[end])) ++end;
            append(WordName(caption.substr(i, end - i)));
            i = end;
        } else {
            const std::string_view symbol = caption.substr(i, 1);
            const char* word = nullptr;
            for (const auto& [shown, name] : kSymbolNames)
                if (symbol == shown) word = name;
            append(word != nullptr ? std::string_view(word) : symbol);
            ++i;
        }
    }
    return spoken;
}

bool IsTrigonometric(std::string_view caption) {
    for (const char* name : {"sin", "cos", "tan", "csc", "sec", "cot"})
        if (EqualsIgnoringCase(caption, name)) return true;
    return false;
}

std::string LayoutKeyName(std::string_view caption, bool inv, bool hyp) {
    const char* name = CaptionName(caption);
    if (name == nullptr) return ComposedName(caption);
    std::string spoken = name;
    if (IsTrigonometric(caption)) {
        if (hyp) spoken = "hyperbolic " + spoken;
        if (inv) spoken = "inverse " + spoken;
    }
    return spoken;
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
