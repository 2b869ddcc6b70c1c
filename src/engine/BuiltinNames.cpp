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
    {"PV", kPV, 3, 5}, {"FV", kFV, 3, 5}, {"PMT", kPMT, 3, 5}, {"NPER", kNPER, 3, 5},
    {"RATE", kRATE, 3, 6}, {"PPMT", kPPMT, 4, 6}, {"IPMT", kIPMT, 4, 6},
    {"EFR", kEFR, 1, 2}, {"APR", kAPR, 1, 2},
    // Special functions.
    {"AIRYAI", kAiryAi, 1, 1}, {"AIRYBI", kAiryBi, 1, 1}, {"BICO", kBico, 2, 2}, {"BETA", kBeta, 2, 2},
    {"BETAI", kBetaI, 3, 3}, {"BESSELJ", kBesselJ, 2, 2}, {"BESSELY", kBesselY, 2, 2},
    {"BESSELK", kBesselK, 2, 2}, {"BESSELI", kBesselI, 2, 2}, {"BESSELJS", kBesselJs, 2, 2},
    {"BESSELYS", kBesselYs, 2, 2}, {"CARLSONRF", kCarlsonRf, 3, 3}, {"CARLSONRD", kCarlsonRd, 3, 3},
    {"CARLSONRJ", kCarlsonRj, 4, 4}, {"CARLSONRC", kCarlsonRc, 2, 2}, {"DAWSON", kDawson, 1, 1},
    {"ELLIPTICF", kEllipticF, 2, 2}, {"ELLIPTICE", kEllipticE, 2, 2}, {"ELLIPTICPI", kEllipticPi, 3, 3},
    {"ELLIPTICSN", kEllipticSn, 2, 2}, {"ELLIPTICCN", kEllipticCn, 2, 2}, {"ELLIPTICDN", kEllipticDn, 2, 2},
    {"ERF", kErf, 1, 1}, {"ERFC", kErfc, 1, 1}, {"EXPEN", kExpEn, 2, 2}, {"EXPEI", kExpEi, 1, 1},
    {"FACTLN", kFactLn, 1, 1}, {"FRESNELS", kFresnelS, 1, 1}, {"FRESNELC", kFresnelC, 1, 1},
    {"GAMMALN", kGammaLn, 1, 1}, {"GAMMAP", kGammaP, 2, 2}, {"GAMMAQ", kGammaQ, 2, 2},
    {"COSINT", kCosInt, 1, 1}, {"SININT", kSinInt, 1, 1},
    // Unit and base conversion.
    {"CONVERT", kConvert, 3, 3}, {"CONV", kConvert, 3, 3}, {"CONVERTUNIT", kConvert, 3, 3},
    {"CB", kConvertBase, 2, 2}, {"CONVERTBASE", kConvertBase, 2, 2},
    {"BIN", kBin, 1, 1}, {"OCT", kOct, 1, 1}, {"DEC", kDec, 1, 1}, {"HEX", kHex, 1, 1},
    // Solver operators.
    {"FINT", kFint, 3, 4}, {"FDIFF", kFdiff, 2, 2}, {"FZERO", kFzero, 3, 4}, {"FZEROS", kFzeros, 1, 5},
    {"FSUM", kFsum, 3, 4},
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
