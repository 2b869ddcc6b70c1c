#include <cmath>
#include <cstdlib>

#include "engine/BuiltinFunctions.h"
#include "engine/BuiltinNames.h"

namespace quorvix {

namespace {
constexpr double kDegreesToRadians = 0.017453292519943295;
constexpr double kGradiansToRadians = 0.015707963267948967;
constexpr double kRadiansToDegrees = 57.29577951308232;
constexpr double kRadiansToGradians = 63.66197723675813;
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
}  // namespace

double ToRadians(double x, AngleUnit unit) {
    if (unit == 0) return x * kDegreesToRadians;
    if (unit == 1) return x;
    return x * kGradiansToRadians;
}

double FromRadians(double x, AngleUnit unit) {
    if (unit == 0) return x * kRadiansToDegrees;
    if (unit == 1) return x;
    return x * kRadiansToGradians;
}

bool ComputeMathFunction(int id, const double* args, int count, AngleUnit unit, double& result) {
    const double a = args[0];
    double r;
    switch (id) {
        case kExp: r = std::exp(a); break;
        case kLn: r = std::log(a); break;
        case kLog: r = std::log10(a); break;
        case kAbs: r = std::fabs(a); break;
        case kRand: r = static_cast<double>(std::rand() & 0x7FFF) * static_cast<double>(kRandomScale); break;
        case kSqrt: r = std::sqrt(a); break;
        case kSqr: r = a * a; break;
        case kCeil: r = std::ceil(a); break;
        case kFloor: r = std::floor(a); break;
        case kDegToRad: r = a * kDegreesToRadians; break;
        case kRadToDeg: r = a * kRadiansToDegrees; break;
        case kLogN: r = std::log(args[1]) / std::log(a); break;
        case kMod: r = std::fmod(a, args[1]); break;

        case kSin: r = std::sin(ToRadians(a, unit)); break;
        case kCos: r = std::cos(ToRadians(a, unit)); break;
        case kTan: r = std::tan(ToRadians(a, unit)); break;
        case kSec: r = 1.0 / std::cos(ToRadians(a, unit)); break;
        case kCsc: r = 1.0 / std::sin(ToRadians(a, unit)); break;
        case kCot: r = 1.0 / std::tan(ToRadians(a, unit)); break;
        case kArcSin: r = FromRadians(std::asin(a), unit); break;
        case kArcCos: r = FromRadians(std::acos(a), unit); break;
        case kArcTan: r = FromRadians(std::atan(a), unit); break;
        case kArcSec: r = FromRadians(std::acos(1.0 / a), unit); break;
        case kArcCsc: r = FromRadians(std::asin(1.0 / a), unit); break;
        case kArcCot: r = FromRadians(std::atan(1.0 / a), unit); break;

        case kSinh: r = std::sinh(a); break;
        case kCosh: r = std::cosh(a); break;
        case kTanh: r = std::tanh(a); break;
        case kSech: r = 1.0 / std::cosh(a); break;
        case kCsch: r = 1.0 / std::sinh(a); break;
        case kCoth: r = 1.0 / std::tanh(a); break;
        // The inverse hyperbolics use the library's well-conditioned forms
        // (and their reciprocal identities) rather than logarithms of sums,
        // which lose all precision for large negative or tiny arguments.
        case kArcSinh: r = std::asinh(a); break;
        case kArcCosh: r = std::acosh(a); break;
        case kArcTanh: r = std::atanh(a); break;
        case kArcSech: r = InverseSech(a); break;
        case kArcCsch: r = std::asinh(1.0 / a); break;
        case kArcCoth: r = InverseCoth(a); break;

        case kSum:
        case kAve: {
            double sum = 0.0;
            for (int i = 0; i < count; ++i) sum += args[i];
            r = id == kSum ? sum : sum / count;
            break;
        }
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
