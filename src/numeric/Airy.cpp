#include "numeric/Airy.h"

#include <cmath>

#include "numeric/BesselAiryZeros.h"
#include "numeric/QuadPhase.h"

namespace quorvix::numeric {

namespace {

constexpr double kAiZero = 0.3550280538878172;       // Ai(0)
constexpr double kMinusAiPrimeZero = 0.2588194037928068;  // -Ai'(0)
constexpr double kSqrt3 = 1.7320508075688772;
constexpr double kAsymptoticFrom = 13.0;           // zeta >= 31
constexpr double kNegativeAsymptoticFrom = -19.0;  // below the zero tables
constexpr ZeroOde kAiryEquation{true, 0.0, 0.0};    // y'' = x y

// Ai = c1 f - c2 g and Bi = sqrt(3) (c1 f + c2 g) with the two power series
// f = 1 + x^3/3! + 1*4 x^6/6! + ... and g = x + 2 x^4/4! + 2*5 x^7/7! + ...
AiryValues maclaurin(double x) {
    const double x3 = x * x * x;
    double f = 1.0, g = x, tf = 1.0, tg = x;
    for (int k = 1; k < 40; ++k) {
        tf *= x3 / ((3.0 * k - 1.0) * 3.0 * k);
        tg *= x3 / (3.0 * k * (3.0 * k + 1.0));
        f += tf;
        g += tg;
        if (std::fabs(tf) < 1e-18 * std::fabs(f) && std::fabs(tg) < 1e-18 * std::fabs(g)) break;
    }
    return {kAiZero * f - kMinusAiPrimeZero * g, kSqrt3 * (kAiZero * f + kMinusAiPrimeZero * g)};
}

// The sums of u_k / zeta^k (DLMF 9.7): even and odd terms with the sign
// (-1)^floor(k/2) when `alternate` is set (negative x), or all terms with
// the sign `sign`^k (positive x); until the terms fall below eps or grow.
template <typename T>
struct AirySums {
    T even = 1, odd = 0;
};

template <typename T>
AirySums<T> airySums(T zeta, bool alternate, double sign, double eps) {
    AirySums<T> s;
    T u = 1, previous = 1e300;
    for (int k = 1; k < 200; ++k) {
        u *= T((6.0 * k - 5.0) * (6.0 * k - 3.0) * (6.0 * k - 1.0)) /
             (T((2.0 * k - 1.0) * 216.0 * k) * zeta);
        if (u > previous || u < eps) break;
        previous = u;
        const T t = alternate ? (((k / 2) & 1) ? -u : u) : ((k & 1) ? T(sign) * u : u);
        (k & 1 ? s.odd : s.even) += t;
    }
    return s;
}

AiryValues asymptotic(double x) {
    const quad w = std::fabs(x);
    const quad zeta = 2 * w * sqrtq(w) / 3;
    const double zd = static_cast<double>(zeta);
    const double quarter = std::pow(std::fabs(x), 0.25);
    const double rootPi = 1.7724538509055160;
    if (x > 0.0) {
        const AirySums<double> a = airySums<double>(zd, false, -1.0, 1e-18);
        const AirySums<double> b = airySums<double>(zd, false, 1.0, 1e-18);
        return {expOfQuad(-zeta) / (2.0 * rootPi * quarter) * (a.even + a.odd),
                expOfQuad(zeta) / (rootPi * quarter) * (b.even + b.odd)};
    }
    // Ai = amp (P cos t + Q sin t), Bi = amp (Q cos t - P sin t), t = zeta - pi/4.
    const quad t = zeta - quadHalfPi() / 2;
    const AirySums<double> s = airySums<double>(zd, true, 1.0, 1e-18);
    double r = std::hypot(s.even, s.odd) / (rootPi * quarter);
    CosSin cs = cosSinOfPhase(t, -std::atan2(s.odd, s.even));
    // Near a zero the phase is needed to far below double precision.
    if (std::fabs(cs.c) < 1e-2 || std::fabs(cs.s) < 1e-2) {
        const AirySums<quad> sq = airySums<quad>(zeta, true, 1.0, 1e-33);
        cs = cosSinOfPhase(t - atan2q(sq.odd, sq.even));
        r = static_cast<double>(hypotq(sq.even, sq.odd)) / (rootPi * quarter);
    }
    return {r * cs.c, -r * cs.s};
}

// One Taylor step from the nearest stored point (at most 1/4 away).
AiryValues fromNearestPoint(double x) {
    const int i = static_cast<int>(std::lround((x - zeros::kAiryPointsFrom) * 2.0));
    const double z = zeros::kAiryPointsFrom + 0.5 * i;
    const AiryPoint& p = zeros::kAiryPoints[i];
    return {odeTaylor(kAiryEquation, z, p.ai, p.aiPrime, x - z),
            odeTaylor(kAiryEquation, z, p.bi, p.biPrime, x - z)};
}

}  // namespace

AiryValues airyfn(double x) {
    AiryValues v;
    if (x >= kAsymptoticFrom || x <= kNegativeAsymptoticFrom)
        v = asymptotic(x);
    else if (x >= -2.0 && x <= 1.0)
        v = maclaurin(x);
    else
        v = fromNearestPoint(x);
    double z = 0.0;
    if (valueNearZero(zeros::kAiZeros, kAiryEquation, x, z)) v.ai = z;
    if (valueNearZero(zeros::kBiZeros, kAiryEquation, x, z)) v.bi = z;
    return v;
}

}  // namespace quorvix::numeric
