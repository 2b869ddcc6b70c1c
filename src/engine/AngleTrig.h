#pragma once
// Trigonometric functions of angles in degrees and gradians, and the inverse
// functions' results converted to those units, without the rounding that a
// plain multiplication by pi/180 brings.
//
// Forward functions reduce the angle exactly in its own unit: the remainder
// by a full turn (fmod is exact), then the nearest multiple of a quarter
// turn, leaving y within an eighth of a turn. Only y is converted to
// radians, so multiples of 90 degrees give exact 0 and +-1, a pole
// (TAN(90), SEC(90), CSC(180), COT(0)) divides by an exact 0 and fails as
// COT(0) does in radians, and an angle of 1E15 degrees keeps all its
// digits. Exact zeros come out as +0.

#include <cmath>

#include "engine/Evaluator.h"

namespace quorvix::angle {

// Angle unit U (0 degrees, 2 gradians): a quarter turn, the factor to
// radians, and 1/(factor) as an unevaluated sum hi + lo.
template <AngleUnit U>
struct UnitTraits;

template <>
struct UnitTraits<0> {
    static constexpr double kQuarter = 90.0;
    static constexpr double kToRadians = 0.017453292519943295;
    static constexpr double kFromRadiansHi = 57.29577951308232;
    static constexpr double kFromRadiansLo = -1.9878495670576283e-15;
};

template <>
struct UnitTraits<2> {
    static constexpr double kQuarter = 100.0;
    static constexpr double kToRadians = 0.015707963267948967;
    static constexpr double kFromRadiansHi = 63.66197723675813;
    static constexpr double kFromRadiansLo = 9.492459733141914e-16;
};

// An angle as y + quadrant quarter turns, |y| <= an eighth of a turn (a hair
// more where the quotient rounds at a tie), y exact.
struct Reduced {
    double y;
    int quadrant;  // 0..3
};

template <AngleUnit U>
inline Reduced Reduce(double x) {
    constexpr double q = UnitTraits<U>::kQuarter;
    const double r = std::fabs(x) < 4.0 * q ? x : std::fmod(x, 4.0 * q);
    // r within a full turn, so the nearest quarter count k is -4..4 and
    // r - k*q is exact (both lie on r's grid and the difference is smaller).
    const int k = static_cast<int>(r * (1.0 / q) + (r < 0.0 ? -0.5 : 0.5));
    return {r - k * q, k & 3};
}

// sin and cos of y in the unit, |y| <= an eighth of a turn. sin(30 deg) is
// exactly 0.5 (pi/6 rounded gives 0.49999999999999994).
template <AngleUnit U>
inline double SinOfReduced(double y) {
    if constexpr (U == 0) {
        if (std::fabs(y) == 30.0) return y < 0.0 ? -0.5 : 0.5;
    }
    return std::sin(y * UnitTraits<U>::kToRadians);
}

template <AngleUnit U>
inline double CosOfReduced(double y) {
    return std::cos(y * UnitTraits<U>::kToRadians);
}

// tan of y in the unit; exactly +-1 at half a quarter turn.
template <AngleUnit U>
inline double TanOfReduced(double y) {
    constexpr double eighth = UnitTraits<U>::kQuarter / 2.0;
    if (std::fabs(y) == eighth) return y < 0.0 ? -1.0 : 1.0;
    return std::tan(y * UnitTraits<U>::kToRadians);
}

template <AngleUnit U>
inline double Sin(double x) {
    // Within an eighth of a turn no reduction is needed (the common case).
    if (std::fabs(x) <= 0.5 * UnitTraits<U>::kQuarter) return SinOfReduced<U>(x) + 0.0;
    const Reduced a = Reduce<U>(x);
    switch (a.quadrant) {
        case 0: return SinOfReduced<U>(a.y) + 0.0;
        case 1: return CosOfReduced<U>(a.y);
        case 2: return -SinOfReduced<U>(a.y) + 0.0;
        default: return -CosOfReduced<U>(a.y);
    }
}

template <AngleUnit U>
inline double Cos(double x) {
    if (std::fabs(x) <= 0.5 * UnitTraits<U>::kQuarter) return CosOfReduced<U>(x);
    const Reduced a = Reduce<U>(x);
    switch (a.quadrant) {
        case 0: return CosOfReduced<U>(a.y);
        case 1: return -SinOfReduced<U>(a.y) + 0.0;
        case 2: return -CosOfReduced<U>(a.y);
        default: return SinOfReduced<U>(a.y) + 0.0;
    }
}

// Odd quadrants: tan(y + 90) = -1 / tan(y), infinite at y = 0.
template <AngleUnit U>
inline double Tan(double x) {
    const Reduced a = Reduce<U>(x);
    const double t = TanOfReduced<U>(a.y);
    return (a.quadrant & 1) ? -1.0 / t : t + 0.0;
}

template <AngleUnit U>
inline double Cot(double x) {
    const Reduced a = Reduce<U>(x);
    const double t = TanOfReduced<U>(a.y);
    return (a.quadrant & 1) ? -t + 0.0 : 1.0 / t;
}

// Radians to the unit U (0, 1 or 2), with the product carried to about twice
// the working precision before its one final rounding (Dekker's product).
template <AngleUnit U>
inline double FromRadians(double x) {
    if constexpr (U == 1) {
        return x;
    } else {
        constexpr double hi = UnitTraits<U>::kFromRadiansHi;
        constexpr double lo = UnitTraits<U>::kFromRadiansLo;
        constexpr double kSplit = 134217729.0;  // 2^27 + 1
        const double p = x * hi;
        if (!std::isfinite(p)) return p;
        const double xs = kSplit * x;
        const double xh = xs - (xs - x);
        const double xl = x - xh;
        const double hs = kSplit * hi;
        const double hh = hs - (hs - hi);
        const double hl = hi - hh;
        const double e = ((xh * hh - p) + xh * hl + xl * hh) + xl * hl;
        return p + (e + x * lo);
    }
}

// Half a turn in unit U as hi + lo.
template <AngleUnit U>
inline constexpr double kHalfTurnHi = U == 0 ? 180.0 : U == 2 ? 200.0 : 3.141592653589793;
template <AngleUnit U>
inline constexpr double kHalfTurnLo = U == 1 ? 1.2246467991473532e-16 : 0.0;

// The inverse sine and cosine in the unit. In degrees the arguments +-0.5
// give exactly 30, 60, 120 (the rounded radian values would be off by one
// unit in the last place after conversion).
template <AngleUnit U>
inline double ArcSin(double x) {
    if constexpr (U == 0) {
        if (std::fabs(x) == 0.5) return x < 0.0 ? -30.0 : 30.0;
    }
    return FromRadians<U>(std::asin(x));
}

template <AngleUnit U>
inline double ArcCos(double x) {
    if constexpr (U == 0) {
        if (std::fabs(x) == 0.5) return x < 0.0 ? 120.0 : 60.0;
    }
    return FromRadians<U>(std::acos(x));
}

// arcsec x = arctan(sqrt((x-1)(x+1))) for x >= 1, half a turn less that for
// x <= -1: exact in the factor x - 1, where acos(1/x) rounds 1/x next to 1
// and loses half the digits. |x| < 1 gives NaN.
template <AngleUnit U>
inline double ArcSec(double x) {
    if constexpr (U == 0) {
        if (std::fabs(x) == 2.0) return x < 0.0 ? 120.0 : 60.0;
    }
    const double ax = std::fabs(x);
    const double t = FromRadians<U>(std::atan(std::sqrt((ax - 1.0) * (ax + 1.0))));
    if (x >= 0.0 || std::isnan(t)) return t;
    return (kHalfTurnHi<U> - t) + kHalfTurnLo<U>;
}

// arccsc x = sign(x) arctan(1 / sqrt((x-1)(x+1))) for 1 <= |x| <= 2 (near 1
// asin(1/x) is as ill-conditioned as acos(1/x) above); further out asin(1/x)
// is well-conditioned and keeps tiny results for huge x.
template <AngleUnit U>
inline double ArcCsc(double x) {
    const double ax = std::fabs(x);
    if (ax >= 2.0) return ArcSin<U>(1.0 / x);
    const double t = FromRadians<U>(std::atan(1.0 / std::sqrt((ax - 1.0) * (ax + 1.0))));
    return x < 0.0 ? -t : t;
}

}  // namespace quorvix::angle
