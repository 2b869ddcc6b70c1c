#include "engine/BuiltinNames.h"

#include <iterator>

namespace quorvix {

namespace {

// Entries without a stated range take exactly one argument.
constexpr BuiltinFunction kBuiltins[] = {
    {"EXP", kExp, 1, 1}, {"LN", kLn, 1, 1}, {"LOG", kLog, 1, 1},
    {"SIN", kSin, 1, 1}, {"COS", kCos, 1, 1}, {"TAN", kTan, 1, 1},
    {"SEC", kSec, 1, 1}, {"CSC", kCsc, 1, 1}, {"COT", kCot, 1, 1},
    {"ABS", kAbs, 1, 1}, {"SQRT", kSqrt, 1, 1}, {"SQR", kSqr, 1, 1},
    {"INT", kInt, 1, 1}, {"CEIL", kCeil, 1, 1}, {"FLOOR", kFloor, 1, 1},
    {"FACT", kFact, 1, 1}, {"DEGTORAD", kDegToRad, 1, 1}, {"RADTODEG", kRadToDeg, 1, 1},
    {"ASIN", kArcSin, 1, 1}, {"ARCSIN", kArcSin, 1, 1},
    {"ACOS", kArcCos, 1, 1}, {"ARCCOS", kArcCos, 1, 1},
    {"ATAN", kArcTan, 1, 1}, {"ARCTAN", kArcTan, 1, 1},
    {"ASEC", kArcSec, 1, 1}, {"ARCSEC", kArcSec, 1, 1},
    {"ACSC", kArcCsc, 1, 1}, {"ARCCSC", kArcCsc, 1, 1},
    {"ACOT", kArcCot, 1, 1}, {"ARCCOT", kArcCot, 1, 1},
    {"SINH", kSinh, 1, 1}, {"COSH", kCosh, 1, 1}, {"TANH", kTanh, 1, 1},
    {"SECH", kSech, 1, 1}, {"CSCH", kCsch, 1, 1}, {"COTH", kCoth, 1, 1},
    {"ASINH", kArcSinh, 1, 1}, {"ARCSINH", kArcSinh, 1, 1},
    {"ACOSH", kArcCosh, 1, 1}, {"ARCCOSH", kArcCosh, 1, 1},
    {"ATANH", kArcTanh, 1, 1}, {"ARCTANH", kArcTanh, 1, 1},
    {"ASECH", kArcSech, 1, 1}, {"ARCSECH", kArcSech, 1, 1},
    {"ACSCH", kArcCsch, 1, 1}, {"ARCCSCH", kArcCsch, 1, 1},
    {"ACOTH", kArcCoth, 1, 1}, {"ARCCOTH", kArcCoth, 1, 1},
    {"LOGN", kLogN, 2, 2}, {"MOD", kMod, 2, 2},
    // Annuities.
    {"PV", 46, 3, 5}, {"FV", 47, 3, 5}, {"PMT", 48, 3, 5}, {"NPER", 49, 3, 5},
    {"RATE", 50, 3, 6}, {"PPMT", 51, 4, 6}, {"IPMT", 52, 4, 6},
    {"EFR", 53, 1, 2}, {"APR", 54, 1, 2},
    // Special functions.
    {"AIRYAI", 55, 1, 1}, {"AIRYBI", 56, 1, 1}, {"BICO", 57, 2, 2}, {"BETA", 58, 2, 2},
    {"BETAI", 59, 3, 3}, {"BESSELJ", 60, 2, 2}, {"BESSELY", 61, 2, 2},
    {"BESSELK", 62, 2, 2}, {"BESSELI", 63, 2, 2}, {"BESSELJS", 64, 2, 2},
    {"BESSELYS", 65, 2, 2}, {"CARLSONRF", 66, 3, 3}, {"CARLSONRD", 67, 3, 3},
    {"CARLSONRJ", 68, 4, 4}, {"CARLSONRC", 69, 2, 2}, {"DAWSON", 70, 1, 1},
    {"ELLIPTICF", 71, 2, 2}, {"ELLIPTICE", 72, 2, 2}, {"ELLIPTICPI", 73, 3, 3},
    {"ELLIPTICSN", 74, 2, 2}, {"ELLIPTICCN", 75, 2, 2}, {"ELLIPTICDN", 76, 2, 2},
    {"ERF", 77, 1, 1}, {"ERFC", 78, 1, 1}, {"EXPEN", 79, 2, 2}, {"EXPEI", 80, 1, 1},
    {"FACTLN", 81, 1, 1}, {"FRESNELS", 82, 1, 1}, {"FRESNELC", 83, 1, 1},
    {"GAMMALN", 84, 1, 1}, {"GAMMAP", 85, 2, 2}, {"GAMMAQ", 86, 2, 2},
    {"COSINT", 87, 1, 1}, {"SININT", 88, 1, 1},
    // Unit and base conversion.
    {"CONVERT", kConvert, 3, 3}, {"CONV", kConvert, 3, 3}, {"CONVERTUNIT", kConvert, 3, 3},
    {"CB", kConvertBase, 2, 2}, {"CONVERTBASE", kConvertBase, 2, 2},
    {"BIN", kBin, 1, 1}, {"OCT", kOct, 1, 1}, {"DEC", kDec, 1, 1}, {"HEX", kHex, 1, 1},
    // Solver operators.
    {"FINT", 95, 3, 4}, {"FDIFF", 96, 2, 2}, {"FZERO", 97, 3, 4}, {"FZEROS", kFzeros, 1, 5},
    {"FSUM", 99, 3, 4},
    // Statistics and bitwise operations.
    {"SUM", kSum, 1, kMaxCallArguments}, {"AVE", kAve, 1, kMaxCallArguments},
    {"MIN", kMin, 1, kMaxCallArguments}, {"MAX", kMax, 1, kMaxCallArguments},
    {"AND", kAnd, 2, 2}, {"OR", kOr, 2, 2}, {"XOR", kXor, 2, 2}, {"NOT", kNot, 1, 1},
    {"LSHIFT", kLShift, 2, 2}, {"RSHIFT", kRShift, 2, 2},
};

}  // namespace

const BuiltinFunction* FindBuiltinFunction(std::string_view upperName) {
    for (const BuiltinFunction& f : kBuiltins) {
        if (upperName == f.name) return &f;
    }
    return nullptr;
}

}  // namespace quorvix
