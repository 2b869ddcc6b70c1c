#pragma once
// The parser's table of built-in function names: id and argument range.

#include <string_view>

namespace quorvix {

enum FunctionId : int {
    kAdd = 1, kSubtract = 2, kMultiply = 3, kDivide = 4, kPower = 5, kPercent = 6,
    kExp = 7, kLn = 8, kLog = 9, kSin = 10, kCos = 11, kTan = 12, kSec = 13, kCsc = 14,
    kCot = 15, kAbs = 16, kRand = 17, kSqrt = 18, kSqr = 19, kInt = 20, kCeil = 21,
    kFloor = 22, kFact = 23, kDegToRad = 24, kRadToDeg = 25, kArcSin = 26, kArcCos = 27,
    kArcTan = 28, kArcSec = 29, kArcCsc = 30, kArcCot = 31, kSinh = 32, kCosh = 33,
    kTanh = 34, kSech = 35, kCsch = 36, kCoth = 37, kArcSinh = 38, kArcCosh = 39,
    kArcTanh = 40, kArcSech = 41, kArcCsch = 42, kArcCoth = 43, kLogN = 44, kMod = 45,
    // Annuities.
    kPV = 46, kFV = 47, kPMT = 48, kNPER = 49, kRATE = 50, kPPMT = 51, kIPMT = 52,
    kEFR = 53, kAPR = 54,
    kFirstAnnuity = kPV, kLastAnnuity = kAPR,
    // Special functions.
    kAiryAi = 55, kAiryBi = 56, kBico = 57, kBeta = 58, kBetaI = 59, kBesselJ = 60,
    kBesselY = 61, kBesselK = 62, kBesselI = 63, kBesselJs = 64, kBesselYs = 65,
    kCarlsonRf = 66, kCarlsonRd = 67, kCarlsonRj = 68, kCarlsonRc = 69, kDawson = 70,
    kEllipticF = 71, kEllipticE = 72, kEllipticPi = 73, kEllipticSn = 74, kEllipticCn = 75,
    kEllipticDn = 76, kErf = 77, kErfc = 78, kExpEn = 79, kExpEi = 80, kFactLn = 81,
    kFresnelS = 82, kFresnelC = 83, kGammaLn = 84, kGammaP = 85, kGammaQ = 86,
    kCosInt = 87, kSinInt = 88,
    kFirstSpecial = kAiryAi, kLastSpecial = kSinInt,
    kConvert = 89, kConvertBase = 90, kBin = 91, kOct = 92, kDec = 93, kHex = 94,
    // Solver operators.
    kFint = 95, kFdiff = 96, kFzero = 97, kFzeros = 98, kFsum = 99,
    kFirstSolver = kFint, kLastSolver = kFsum,
    kSum = 100, kAve = 101, kMin = 102, kMax = 103,
    kAnd = 104, kOr = 105, kXor = 106, kNot = 107, kLShift = 108, kRShift = 109,
    kUserFunction = 110,
};

// The evaluator and the compiled programs tell the operators by range
// (kAdd..kPercent), and the compiled programs pick an operator's
// instruction by its offset from kAdd; the evaluator also tests the groups
// below by range, and SUM, AVE, MIN and MAX (no padding zeros) as one.
static_assert(kSubtract == kAdd + 1 && kMultiply == kAdd + 2 && kDivide == kAdd + 3 &&
              kPower == kAdd + 4 && kPercent == kAdd + 5 && kAdd == 1);
static_assert(kFirstAnnuity <= kLastAnnuity && kLastAnnuity < kFirstSpecial &&
              kFirstSpecial <= kLastSpecial && kLastSpecial < kConvert);
static_assert(kFint == kFirstSolver && kFsum == kLastSolver && kLastSolver - kFirstSolver == 4);
static_assert(kAve == kSum + 1 && kMin == kSum + 2 && kMax == kSum + 3);

// Most arguments any call can take (SUM and friends), before padding.
constexpr int kMaxCallArguments = 100;
// Zeros appended after the arguments, so left-out optional ones read as 0.
constexpr int kPaddingZeros = 5;

struct BuiltinFunction {
    const char* name;
    int id;
    int minArgs;
    int maxArgs;
};

// The entry for an upper-case name, or null. PI, RAND and RND are not in
// this table: the parser handles them itself.
const BuiltinFunction* FindBuiltinFunction(std::string_view upperName);

}  // namespace quorvix
