#include <cmath>
#include <limits>

#include "numeric/Annuity.h"
#include "numeric/CompensatedSum.h"
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

Residual PlainResidual(double x, double n, double pmt, double pv, double fv, int type) {
    const Compounding c = CompoundingOf(x, n);
    const double timing = 1.0 + x * type;
    if (x == 0.0 || (x > -1.0 && std::fabs(c.growth) < 0.5)) {
        const double p = pmt * n;
        const double pe = std::fma(pmt, n, -p);
        const auto [partial, e1] = TwoSum(pv, fv);
        const auto [s, e2] = TwoSum(partial, p);
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

// The root inside [a, b], where the residuals differ in sign, by the Illinois
// variant of regula falsi (the end that stays put has its residual halved).
template <typename F>
double SolveInBracket(const F& residual, double a, double fa, double b, double fb) {
    for (int i = 0; i < 400; ++i) {
        double x = (a * fb - b * fa) / (fb - fa);
        if (!(x > std::fmin(a, b) && x < std::fmax(a, b))) x = 0.5 * (a + b);
        const Residual r = residual(x);
        if (std::fabs(r.value) <= r.noise) return x;
        if (OppositeSigns(r.value, fb)) {
            a = b;
            fa = fb;
        } else {
            fa *= 0.5;
        }
        b = x;
        fb = r.value;
        if (std::fabs(b - a) <= 4.0 * kEps * std::fmax(std::fabs(a), std::fabs(b))) break;
    }
    return b;
}

// Rates from -0.99 to 1000, densest near 0 (+-1e-16 ... +-0.5), at which a
// failed iteration looks for a change of sign of the residual.
constexpr double kScanRates[] = {
    -0.99, -0.9, -0.7, -0.5, -0.3, -0.2, -0.1, -0.05, -0.02, -1e-2, -5e-3, -2e-3, -1e-3, -5e-4, -2e-4,
    -1e-4, -3e-5, -1e-5, -3e-6, -1e-6, -1e-7, -1e-8, -1e-9, -1e-10, -1e-11, -1e-12, -1e-13, -1e-14,
    -1e-16, 0.0, 1e-16, 1e-14, 1e-13, 1e-12, 1e-11, 1e-10, 1e-9, 1e-8, 1e-7, 1e-6, 3e-6, 1e-5, 3e-5,
    1e-4, 2e-4, 5e-4, 1e-3, 2e-3, 5e-3, 1e-2, 0.02, 0.05, 0.1, 0.2, 0.3, 0.5, 0.7, 1.0, 2.0, 5.0, 10.0,
    100.0, 1000.0};

// The bracketed root nearest the guess, if the scan finds a change of sign.
template <typename F>
bool RootFromScan(const F& residual, double guess, double& root) {
    bool found = false;
    double prevX = 0.0, prevF = 0.0;
    bool havePrev = false;
    for (const double x : kScanRates) {
        const double f = residual(x).value;
        if (!std::isfinite(f)) {
            havePrev = false;
            continue;
        }
        if (f == 0.0) {
            if (!found || std::fabs(x - guess) < std::fabs(root - guess)) root = x;
            found = true;
        } else if (havePrev && OppositeSigns(prevF, f)) {
            const double lo = prevX, hi = x;
            const double distance = guess < lo ? lo - guess : guess > hi ? guess - hi : 0.0;
            if (!found || distance < std::fabs(root - guess)) {
                root = SolveInBracket(residual, lo, prevF, hi, f);
                found = true;
            }
        }
        prevX = x;
        prevF = f;
        havePrev = true;
    }
    return found;
}

// Secant steps from the guess. A step to a rate of -1 or below, or to a rate
// where the residual is not finite (the factor overflows), is pulled back
// toward the last good rate; once two residuals differ in sign the root is
// bracketed and solved for there. The rate is found when its residual is
// within its own rounding error, or when the secant step falls below 1e-13
// of the rate and the residual there confirms it.
template <typename F>
RateResult SecantFromGuess(const F& residual, double guess) {
    double x0 = guess;
    double x1 = kRateStartFactor * guess;
    Residual r0 = residual(x0);
    Residual r1 = residual(x1);
    if (!std::isfinite(r0.value) || !std::isfinite(r1.value)) return {RateStatus::NotConverged, 0.0};
    if (OppositeSigns(r0.value, r1.value)) {
        return {RateStatus::Converged, SolveInBracket(residual, x0, r0.value, x1, r1.value)};
    }
    for (int i = 0; i < kRateMaxIterations; ++i) {
        if (std::fabs(r1.value) <= r1.noise) return {RateStatus::Converged, x1};
        const double d = r1.shaped - r0.shaped;
        if (std::fabs(d) < kRateFlatBound) return {RateStatus::FlatSpot, 0.0};
        const double step = r1.shaped * (x1 - x0) / d;
        double x2 = x1 - step;
        if (!(x2 > -1.0) || !std::isfinite(x2)) x2 = 0.5 * (x1 - 1.0);
        Residual r2 = residual(x2);
        for (int pull = 0; pull < 64 && !std::isfinite(r2.value); ++pull) {
            x2 = 0.5 * (x1 + x2);
            r2 = residual(x2);
        }
        if (!std::isfinite(r2.value)) return {RateStatus::NotConverged, 0.0};
        if (OppositeSigns(r1.value, r2.value)) {
            return {RateStatus::Converged, SolveInBracket(residual, x1, r1.value, x2, r2.value)};
        }
        // A tiny step is trusted only when the residual confirms it (a
        // secant between a huge and a moderate residual also steps little).
        if (std::fabs(step) < kRateStepTolerance * std::fabs(x1) && std::fabs(r2.value) <= r2.noise) {
            return {RateStatus::Converged, x2};
        }
        x0 = x1;
        r0 = r1;
        x1 = x2;
        r1 = r2;
    }
    return {RateStatus::NotConverged, 0.0};
}

}  // namespace

// The secant iteration from the guess; where the residual is flat or curved
// enough to defeat it (large or mixed-sign cash flows over long terms), a
// scan of rates for a change of sign finds the root nearest the guess, and
// the failure stands only when there is none.
RateResult RATE(double nper, double pmt, double pv, double fv, int type, double guess) {
    const auto residual = [&](double x) { return RateResidual(x, nper, pmt, pv, fv, type); };
    // An exact 0 rate is reported as 0, not as a rate within rounding of it.
    if (residual(0.0).value == 0.0) return {RateStatus::Converged, 0.0};
    const RateResult r = SecantFromGuess(residual, guess);
    if (r.status == RateStatus::Converged) return r;
    double root = 0.0;
    if (RootFromScan(residual, guess, root)) return {RateStatus::Converged, root};
    return r;
}

}  // namespace quorvix::numeric
