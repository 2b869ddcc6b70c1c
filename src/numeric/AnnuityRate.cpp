#include <cmath>
#include <limits>

#include "numeric/Annuity.h"
#include "numeric/Compounding.h"

namespace quorvix::numeric {

namespace {

constexpr double kEps = std::numeric_limits<double>::epsilon();

// The residual pv - PV(x) = pv + fv (1+x)^-n + pmt (1 + x type) a_n(x) and a
// bound on its rounding error. Near x = 0 (where the terms cancel to the
// small differences that decide the rate) it is written as its value at 0,
// summed exactly, plus terms that are each small and accurate:
//   pv + fv + pmt n  +  fv ((1+x)^-n - 1)  +  pmt (a_n - n)  +  pmt x type a_n,
// with a_n - n = (n (ln(1+x) - x) - (exp(-L) - 1 + L)) / x, L = n ln(1+x).
// `shaped` is asinh(value / scale): the same sign and root, linear near the
// root, but growing only linearly where the residual grows like (1+x)^-n
// (rates below 0 over long terms), so the secant steps are not crippled
// by the exponential there.
struct Residual {
    double value;
    double noise;
    double shaped = 0.0;
};

// a + b = s + e exactly.
void TwoSum(double a, double b, double& s, double& e) {
    s = a + b;
    const double bb = s - a;
    e = (a - (s - bb)) + (b - bb);
}

Residual PlainResidual(double x, double n, double pmt, double pv, double fv, int type) {
    const Compounding c = CompoundingOf(x, n);
    const double timing = 1.0 + x * type;
    if (x == 0.0 || (x > -1.0 && std::fabs(c.growth) < 0.5)) {
        const double p = pmt * n;
        const double pe = std::fma(pmt, n, -p);
        double s, e1, e2;
        TwoSum(pv, fv, s, e1);
        TwoSum(s, p, s, e2);
        const double atZero = s + (e1 + e2 + pe);
        double vm1 = 0.0, anMinusN = 0.0;
        if (x != 0.0) {
            vm1 = std::expm1(-c.growth);
            anMinusN = (n * Log1pMinusX(x) - Expm1MinusX(-c.growth)) / x;
        }
        const double t1 = fv * vm1;
        const double t2 = pmt * anMinusN;
        const double t3 = pmt * x * type * c.an;
        const double value = atZero + (t1 + t2 + t3);
        const double noise = kEps * (std::fabs(atZero) + std::fabs(t1) + std::fabs(t2) + std::fabs(t3)) +
                             kEps * kEps * (std::fabs(pv) + std::fabs(fv) + std::fabs(p));
        return {value, noise};
    }
    const double t1 = fv * c.v;
    const double t2 = pmt * timing * c.an;
    return {pv + t1 + t2, kEps * (std::fabs(pv) + std::fabs(t1) + std::fabs(t2))};
}

Residual RateResidual(double x, double n, double pmt, double pv, double fv, int type) {
    Residual r = PlainResidual(x, n, pmt, pv, fv, type);
    double scale = std::fabs(pv) + std::fabs(fv) + std::fabs(pmt * n);
    if (!(scale > 0.0 && std::isfinite(scale))) scale = 1.0;
    r.shaped = std::asinh(r.value / scale);
    return r;
}

bool OppositeSigns(double a, double b) { return (a < 0.0 && b > 0.0) || (a > 0.0 && b < 0.0); }

}  // namespace

// Secant steps from the guess, kept safe by what the iteration has learnt:
// once two residuals of opposite sign are seen the root is bracketed and a
// step that leaves the bracket is replaced by bisection; before that a step
// to a rate of -1 or below, or to a rate where the residual is not finite
// (the factor overflows), is pulled back toward the last good rate. The rate
// is found when its residual is within its own rounding error, when the
// secant step falls below 1e-13 of the rate and the residual there confirms
// it, or when the bracket has shrunk to a few units in the last place.
RateResult RATE(double nper, double pmt, double pv, double fv, int type, double guess) {
    const auto residual = [&](double x) { return RateResidual(x, nper, pmt, pv, fv, type); };
    // An exact 0 rate is reported as 0, not as a rate within rounding of it.
    if (residual(0.0).value == 0.0) return {RateStatus::Converged, 0.0};
    double x0 = guess;
    double x1 = kRateStartFactor * guess;
    Residual r0 = residual(x0);
    Residual r1 = residual(x1);
    if (!std::isfinite(r0.value) || !std::isfinite(r1.value)) return {RateStatus::NotConverged, 0.0};
    bool bracketed = false;
    double lo = 0.0, hi = 0.0, fLo = 0.0;
    if (OppositeSigns(r0.value, r1.value)) {
        bracketed = true;
        lo = std::fmin(x0, x1);
        hi = std::fmax(x0, x1);
        fLo = lo == x0 ? r0.value : r1.value;
    }
    for (int i = 0; i < kRateMaxIterations; ++i) {
        if (std::fabs(r1.value) <= r1.noise) return {RateStatus::Converged, x1};
        if (bracketed && hi - lo <= 4.0 * kEps * std::fmax(std::fabs(lo), std::fabs(hi))) {
            return {RateStatus::Converged, x1};
        }
        const double d = r1.shaped - r0.shaped;
        double x2;
        if (std::fabs(d) < kRateFlatBound) {
            if (!bracketed) return {RateStatus::FlatSpot, 0.0};
            x2 = 0.5 * (lo + hi);
        } else {
            const double step = r1.shaped * (x1 - x0) / d;
            x2 = x1 - step;
            // A tiny step is trusted only when the residual confirms it (a
            // secant between a huge and a moderate residual also steps little).
            if (std::fabs(step) < kRateStepTolerance * std::fabs(x1)) {
                const Residual r2 = residual(x2);
                if (std::fabs(r2.value) <= r2.noise || OppositeSigns(r1.value, r2.value)) {
                    return {RateStatus::Converged, std::fabs(r2.value) < std::fabs(r1.value) ? x2 : x1};
                }
            }
        }
        if (bracketed) {
            if (!(x2 > lo && x2 < hi)) x2 = 0.5 * (lo + hi);
        } else if (!(x2 > -1.0) || !std::isfinite(x2)) {
            x2 = 0.5 * (x1 - 1.0);
        }
        Residual r2 = residual(x2);
        for (int pull = 0; pull < 64 && !std::isfinite(r2.value); ++pull) {
            x2 = 0.5 * (x1 + x2);
            r2 = residual(x2);
        }
        if (!std::isfinite(r2.value)) return {RateStatus::NotConverged, 0.0};
        if (bracketed) {
            if (OppositeSigns(r2.value, fLo)) {
                hi = x2;
            } else {
                lo = x2;
                fLo = r2.value;
            }
        } else if (OppositeSigns(r1.value, r2.value)) {
            bracketed = true;
            lo = std::fmin(x1, x2);
            hi = std::fmax(x1, x2);
            fLo = lo == x1 ? r1.value : r2.value;
        }
        x0 = x1;
        r0 = r1;
        x1 = x2;
        r1 = r2;
    }
    return {RateStatus::NotConverged, 0.0};
}

}  // namespace quorvix::numeric
