#include "numeric/BesselLargeOrder.h"

#include <algorithm>
#include <cmath>

#include "numeric/QuadPhase.h"

namespace quorvix::numeric {

namespace {

#include "numeric/BesselDebyeCoefficients.inc"

// The Debye sums are used where (cot or coth)^3 / nu stays below this: then
// the terms fall below 1e-17 of the sum by the last one kept.
constexpr double kDebyeLimit = 0.006;
// |x^2 - nu^2| >= kEdge nu^(4/3) keeps inside that range (kDebyeLimit^(-2/3)
// with a margin).
constexpr double kEdge = 31.0;

// sum_j c_j t^j, with the sign of t^j flipped when floor(j/2) is odd (the
// polynomial at i t divided by i^k) if `imaginary` is set.
double polyAt(const double (&c)[kDebyeWidth], int k, double t, bool imaginary) {
    double sum = 0.0;
    double power = 1.0;
    for (int j = 0; j <= 3 * k; ++j) {
        const double term = c[j] * power;
        sum += (imaginary && ((j / 2) & 1)) ? -term : term;
        power *= t;
    }
    return sum;
}

struct DebyeSums {
    double even = 0.0;  // sum over even k of p_k / nu^k
    double odd = 0.0;   // sum over odd k
};

DebyeSums debyeSums(const double (&table)[kDebyeTerms][kDebyeWidth], double nu, double t,
                    bool imaginary) {
    DebyeSums s;
    double scale = 1.0;
    for (int k = 0; k < kDebyeTerms; ++k) {
        const double term = polyAt(table[k], k, t, imaginary) * scale;
        (k % 2 == 0 ? s.even : s.odd) += term;
        scale /= nu;
    }
    return s;
}

quad quadPi() { return 2 * quadHalfPi(); }

// |x^2 - nu^2| in quadruple precision (exact for doubles).
quad differenceOfSquares(quad nu, quad x) { return fabsq((x - nu) * (x + nu)); }

bool debyeApplies(double nu, double d2) {
    const double c = nu / std::sqrt(d2);
    const double c3 = std::fmax(c, 1.0) * std::fmax(c, 1.0) * std::fmax(c, 1.0);
    return c3 / nu <= kDebyeLimit;
}

struct ValueAndSlope {
    double value = 0.0;
    double slope = 0.0;
};

// J, J' and Y, Y' at one point.
struct JYWithSlopes {
    ValueAndSlope j, y;
};

// x < nu: from the expansions in coth(alpha), x = nu sech(alpha).
JYWithSlopes debyeEvanescent(double nu, double x) {
    const quad nq = nu, xq = x;
    const quad d2 = differenceOfSquares(nq, xq);
    const quad sq = sqrtq(d2);
    const quad exponent = nq * logq((nq + sq) / xq) - sq;  // nu (alpha - tanh alpha)
    const quad logD = logq(d2) / 4;
    const double coth = static_cast<double>(nq / sq);
    const DebyeSums u = debyeSums(kDebyeU, nu, coth, false);
    const DebyeSums v = debyeSums(kDebyeV, nu, coth, false);
    const double jScale = expOfQuad(-exponent - logD - logq(2 * quadPi()) / 2);
    const double yScale = expOfQuad(exponent - logD - logq(quadHalfPi()) / 2);
    // J' and Y' carry the factor sinh(alpha) = sqrt(d2) / x more.
    const double slopeFactor = static_cast<double>(sq) / x;
    JYWithSlopes e;
    e.j = {jScale * (u.even + u.odd), jScale * slopeFactor * (v.even + v.odd)};
    e.y = {-yScale * (u.even - u.odd), yScale * slopeFactor * (v.even - v.odd)};
    return e;
}

// x > nu: the same in cot(beta), x = nu sec(beta), with the phase
// xi = nu (tan beta - beta) - pi/4 in quadruple precision.
JYWithSlopes debyeOscillating(double nu, double x) {
    const quad nq = nu, xq = x;
    const quad sq = sqrtq(differenceOfSquares(nq, xq));
    const quad xi = sq - nq * acosq(nq / xq) - quadHalfPi() / 2;
    const double cot = static_cast<double>(nq / sq);
    const DebyeSums u = debyeSums(kDebyeU, nu, cot, true);
    const DebyeSums v = debyeSums(kDebyeV, nu, cot, true);
    const double sqd = static_cast<double>(sq);
    const double amp = std::sqrt(2.0 / M_PI) / std::sqrt(sqd);
    const double slopeAmp = std::sqrt(2.0 * sqd / M_PI) / x;
    // A cos xi + B sin xi = R cos(xi - phi) keeps relative accuracy near
    // the zeros once xi - phi is reduced in quadruple precision.
    const CosSin w = cosSinOfPhase(xi, -std::atan2(u.odd, u.even));
    const double r = std::hypot(u.even, u.odd);
    const CosSin wv = cosSinOfPhase(xi, -std::atan2(v.odd, v.even));
    const double rv = std::hypot(v.even, v.odd);
    JYWithSlopes o;
    o.j = {amp * r * w.c, -slopeAmp * rv * wv.s};
    o.y = {amp * r * w.s, slopeAmp * rv * wv.c};
    return o;
}

// Integrates x^2 y'' + x y' + (x^2 - nu^2) y = 0 from `from` (value and
// slope given) to `to` by Taylor steps in long double.
double integrateBesselEquation(double nu, double from, ValueAndSlope start, double to) {
    using ld = long double;
    constexpr int kTerms = 48;
    const ld n = nu;
    const ld hMax = 0.3L * std::cbrt(n);
    const int steps = std::max(
        1, static_cast<int>(std::ceil(std::fabs(to - from) / static_cast<double>(hMax))));
    // Steps on a grid of 2^-20 keep every point z exact in long double (all
    // of them lie below 2^32): a rounded z would shift the phase by its
    // rounding error times the frequency at every step.
    const ld h = std::trunc((static_cast<ld>(to) - from) / steps * 0x1p20L) * 0x1p-20L;
    ld z = from, y = start.value, dy = start.slope;
    for (int s = 0; s < steps; ++s) {
        // The last step ends exactly at `to`.
        const ld step = (s + 1 == steps) ? static_cast<ld>(to) - z : h;
        const ld z2 = z * z;
        const ld z2mn2 = (z - n) * (z + n);
        ld a[kTerms + 2] = {y, dy};
        ld value = y + dy * step, slope = dy;
        ld hk = step;  // step^(k+1) below
        for (int k = 0; k + 2 <= kTerms; ++k) {
            const ld am1 = k >= 1 ? a[k - 1] : 0.0L;
            const ld am2 = k >= 2 ? a[k - 2] : 0.0L;
            a[k + 2] = -(z * (k + 1) * (2 * k + 1) * a[k + 1] + (ld(k) * k + z2mn2) * a[k] +
                         2 * z * am1 + am2) /
                       (z2 * (k + 1) * (k + 2));
            slope += (k + 2) * a[k + 2] * hk;
            hk *= step;
            value += a[k + 2] * hk;
        }
        y = value;
        dy = slope;
        z += step;
    }
    return static_cast<double>(y);
}

}  // namespace

BesselPair besselJYLargeOrder(double nu, double x) {
    const double d2 = static_cast<double>(differenceOfSquares(nu, x));
    if (debyeApplies(nu, d2)) {
        if (x < nu) {
            const JYWithSlopes e = debyeEvanescent(nu, x);
            return {e.j.value, e.y.value};
        }
        const JYWithSlopes o = debyeOscillating(nu, x);
        return {o.j.value, o.y.value};
    }
    // Near the turning point: J grows from the evanescent side and Y from
    // the oscillating side, so each is carried from there, where its
    // expansion holds, in the direction in which it dominates.
    const double edge = kEdge * std::pow(nu, 4.0 / 3.0);
    const double below = std::sqrt(nu * nu - edge);
    const double above = std::sqrt(nu * nu + edge);
    const JYWithSlopes e = debyeEvanescent(nu, below);
    const JYWithSlopes o = debyeOscillating(nu, above);
    return {integrateBesselEquation(nu, below, e.j, x), integrateBesselEquation(nu, above, o.y, x)};
}

BesselPair besselIKLargeOrder(double nu, double x) {
    const quad nq = nu, xq = x;
    const quad s2 = nq * nq + xq * xq;
    const quad sq = sqrtq(s2);
    const quad eta = sq + nq * logq(xq / (nq + sq));  // nu eta
    const quad logS = logq(s2) / 4;
    const double p = static_cast<double>(nq / sq);
    const DebyeSums u = debyeSums(kDebyeU, nu, p, false);
    const double i = expOfQuad(eta - logS - logq(2 * quadPi()) / 2) * (u.even + u.odd);
    const double k = expOfQuad(-eta - logS + logq(quadHalfPi()) / 2) * (u.even - u.odd);
    return {i, k};
}

}  // namespace quorvix::numeric
