#include <cmath>
#include <cstdlib>

#include "engine/AngleTrig.h"
#include "engine/BuiltinFunctions.h"
#include "engine/BuiltinNames.h"
#include "numeric/CompensatedSum.h"

namespace quorvix {

namespace {
// 1/32767 as the single-precision constant the random numbers are scaled by.
constexpr float kRandomScale = 3.0518509e-05f;

// asech(x) = ln((1 + sqrt(1 - x^2)) / x) for 0 < x <= 1, as the sum of two
// non-negative terms. 1 - x^2 is formed as (1 - x)(1 + x), exact in its
// first factor near 1, and x is never inverted: acosh(1/x) rounds 1/x
// first, which costs most of the digits of a result near 0. Outside the
// domain the square root or the logarithm gives NaN (x = 0 gives infinity).
double InverseSech(double x) {
    const double s = std::sqrt((1.0 - x) * (1.0 + x));
    return std::log1p(s) - std::log(x);
}

// acoth(x) = 0.5 ln(1 + 2 / (|x| - 1)) with the sign of x, for |x| > 1.
// |x| - 1 is exact near 1, where atanh(1/x) would round 1/x next to the
// pole. |x| = 1 gives infinity, |x| < 1 NaN.
double InverseCoth(double x) {
    const double r = 0.5 * std::log1p(2.0 / (std::fabs(x) - 1.0));
    return x < 0.0 ? -r : r;
}

// exp rounds to +0 below this argument (exp(-746) is under half the
// smallest subnormal). The library gets there by a slow underflow path that
// sets ERANGE, which the result check then clears again, so returning the
// +0 directly gives the same result and the same outcome.
constexpr double kExpIsZeroBelow = -746.0;

inline double ExpOrZero(double x) { return x < kExpIsZeroBelow ? 0.0 : std::exp(x); }

// The one-argument functions for angles in unit U (0 degrees, 1 radians,
// 2 gradians): the tree walk and the compiled programs both call these.
template <AngleUnit U>
UnaryFunction UnaryFunctionFor(int id) {
    // In radians the trigonometric functions are the library's own, called
    // without a function in between.
    if constexpr (U == 1) {
        if (id == kSin) return static_cast<UnaryFunction>(std::sin);
        if (id == kCos) return static_cast<UnaryFunction>(std::cos);
        if (id == kTan) return static_cast<UnaryFunction>(std::tan);
    }
    switch (id) {
        case kExp: return [](double a) { return ExpOrZero(a); };
        case kLn: return [](double a) { return std::log(a); };
        case kLog: return [](double a) { return std::log10(a); };
        case kAbs: return [](double a) { return std::fabs(a); };
        case kSqrt: return [](double a) { return std::sqrt(a); };
        case kSqr: return [](double a) { return a * a; };
        case kCeil: return [](double a) { return std::ceil(a); };
        case kFloor: return [](double a) { return std::floor(a); };
        case kDegToRad: return [](double a) { return a * angle::UnitTraits<0>::kToRadians; };
        case kRadToDeg: return [](double a) { return a * angle::UnitTraits<0>::kFromRadiansHi; };

        case kSinh: return [](double a) { return std::sinh(a); };
        case kCosh: return [](double a) { return std::cosh(a); };
        case kTanh: return [](double a) { return std::tanh(a); };
        case kSech: return [](double a) { return 1.0 / std::cosh(a); };
        case kCsch: return [](double a) { return 1.0 / std::sinh(a); };
        case kCoth: return [](double a) { return 1.0 / std::tanh(a); };
        // The inverse hyperbolics use the library's well-conditioned forms
        // (and their reciprocal identities) rather than logarithms of sums,
        // which lose all precision for large negative or tiny arguments.
        case kArcSinh: return [](double a) { return std::asinh(a); };
        case kArcCosh: return [](double a) { return std::acosh(a); };
        case kArcTanh: return [](double a) { return std::atanh(a); };
        case kArcSech: return [](double a) { return InverseSech(a); };
        case kArcCsch: return [](double a) { return std::asinh(1.0 / a); };
        case kArcCoth: return [](double a) { return InverseCoth(a); };
        // The inverse functions convert their radians to the unit (no
        // conversion in radians).
        case kArcSin: return [](double a) { return angle::ArcSin<U>(a); };
        case kArcCos: return [](double a) { return angle::ArcCos<U>(a); };
        case kArcTan: return [](double a) { return angle::FromRadians<U>(std::atan(a)); };
        case kArcSec: return [](double a) { return angle::ArcSec<U>(a); };
        case kArcCsc: return [](double a) { return angle::ArcCsc<U>(a); };
        case kArcCot: return [](double a) { return angle::FromRadians<U>(std::atan(1.0 / a)); };
        default: break;
    }
    if constexpr (U != 1) {
        // Degrees and gradians: the angle reduced exactly in its own unit.
        switch (id) {
            case kSin: return [](double a) { return angle::Sin<U>(a); };
            case kCos: return [](double a) { return angle::Cos<U>(a); };
            case kTan: return [](double a) { return angle::Tan<U>(a); };
            case kSec: return [](double a) { return 1.0 / angle::Cos<U>(a); };
            case kCsc: return [](double a) { return 1.0 / angle::Sin<U>(a); };
            case kCot: return [](double a) { return angle::Cot<U>(a); };
            default: return nullptr;
        }
    } else {
        switch (id) {
            case kSec: return [](double a) { return 1.0 / std::cos(a); };
            case kCsc: return [](double a) { return 1.0 / std::sin(a); };
            case kCot: return [](double a) { return 1.0 / std::tan(a); };
            default: return nullptr;
        }
    }
}

}  // namespace

UnaryFunction PlainUnaryFunction(int id, AngleUnit unit) {
    if (unit == 0) return UnaryFunctionFor<0>(id);
    if (unit == 1) return UnaryFunctionFor<1>(id);
    return UnaryFunctionFor<2>(id);
}

BinaryFunction PlainBinaryFunction(int id) {
    switch (id) {
        case kLogN: return [](double base, double x) { return std::log(x) / std::log(base); };
        case kMod: return [](double a, double b) { return std::fmod(a, b); };
        default: return nullptr;
    }
}

bool ComputeMathFunction(int id, const double* args, int count, AngleUnit unit, double& result) {
    if (const UnaryFunction f = PlainUnaryFunction(id, unit)) {
        result = f(args[0]);
        return true;
    }
    if (const BinaryFunction f = PlainBinaryFunction(id)) {
        result = f(args[0], args[1]);
        return true;
    }
    double r;
    switch (id) {
        case kRand: r = static_cast<double>(std::rand() & 0x7FFF) * static_cast<double>(kRandomScale); break;
        case kSum:
        case kAve:
            r = id == kSum ? numeric::CompensatedSum(args, count) : numeric::CompensatedMean(args, count);
            break;
        case kMin:
        case kMax: {
            r = args[0];
            for (int i = 1; i < count; ++i) {
                if (id == kMin ? args[i] < r : args[i] > r) r = args[i];
            }
            break;
        }
        default: return false;
    }
    result = r;
    return true;
}

bool CallMathFunction(int id, const double* args, int count, ExprNode& call) {
    return ComputeMathFunction(id, args, count, call.owner ? call.owner->angleUnit() : 1, call.value);
}

}  // namespace quorvix
