#include "numeric/ScaledDerivative.h"

#include <cfloat>
#include <cmath>

#include "numeric/Differentiation.h"
#include "numeric/ErrorRounding.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {

namespace {

constexpr double kFirstStepShare = 0.1;  // of max(|x|, 1)
constexpr double kStepCut = 0.1;         // between two restarts
constexpr int kMaxRestarts = 12;
// An estimate this good (relative) ends the search at once.
constexpr double kSettled = 1e-13;
// Restarts, after a good best one (relative error within kGoodShare), whose
// error is larger: rounding now rules. Before a good one, every restart runs.
constexpr int kMaxWorseRuns = 2;
constexpr double kGoodShare = 1e-7;
// An error beyond this share of the estimate leaves no digit worth showing.
constexpr double kWorstShare = 0.05;
// Steps before the tableau may stop: with three, the error of an exact
// second-step answer (a cubic) is seen to be tiny and the search ends.
constexpr int kMinSteps = 3;

// Samples f, remembering the two samples of the last pole check so that
// the first central difference of the tableau, at the same points, reuses
// them.
struct RememberingSampler {
    const SolverCallback& f;
    double xs[2] = {NAN, NAN};
    double values[2] = {0.0, 0.0};

    int operator()(double x, double& v) {
        for (int i = 0; i < 2; ++i) {
            if (x == xs[i]) {
                v = values[i];
                return 0;
            }
        }
        return f(x, v);
    }

    double LargestValue() const { return std::fmax(std::fabs(values[0]), std::fabs(values[1])); }

    // Whether a pole of odd order shows between x - h and x + h: f changes
    // sign across x while f(x) lies beyond both values. A failing or
    // infinite sample counts as a pole too.
    bool PoleInside(double x, double h, double fx) {
        xs[0] = xs[1] = NAN;
        double lo = 0.0, hi = 0.0;
        if (f(x - h, lo) != 0 || f(x + h, hi) != 0) return true;
        if (!std::isfinite(lo) || !std::isfinite(hi)) return true;
        xs[0] = x - h;
        values[0] = lo;
        xs[1] = x + h;
        values[1] = hi;
        const bool signChange = (lo < 0.0 && hi > 0.0) || (lo > 0.0 && hi < 0.0);
        return signChange && std::fabs(fx) > std::fabs(lo) && std::fabs(fx) > std::fabs(hi);
    }
};

double RelativeError(double ans, double err) {
    if (err == 0.0) return 0.0;
    return ans == 0.0 ? INFINITY : err / std::fabs(ans);
}

// The error that rounding of f's values (as large as largest) puts into a
// central difference at step h: the tableau's own estimate cannot see it
// when f is large beside its change (ATAN far out).
double RoundingNoise(double largest, double h) { return 4.0 * DBL_EPSILON * largest / h; }

}  // namespace

double ScaledDerivative(const SolverCallback& f, double x) {
    double fx = 0.0;
    if (f(x, fx) != 0 || !std::isfinite(fx)) {
        numerror("Can't evaluate function");
        return 0.0;
    }
    const double firstStep = kFirstStepShare * std::fmax(std::fabs(x), 1.0);
    RememberingSampler sampler{f};
    const SolverCallback remembering = MakeSolverCallback(sampler);
    double h = firstStep;
    double best = 0.0, bestErr = INFINITY, bestNoise = 0.0, bestLargest = 0.0;
    int worseRuns = 0;
    for (int run = 0; run <= kMaxRestarts; ++run, h *= kStepCut) {
        if (x + h == x) break;
        double ans = 0.0, err = 0.0;
        if (sampler.PoleInside(x, h, fx) || !RiddersTableau(remembering, x, h, ans, err, kMinSteps, kSettled) ||
            !std::isfinite(ans))
            continue;
        // Runs compare by relative error: a step far too large for f (SIN
        // far out) can average the oscillations into a small, steady and
        // wrong estimate whose absolute error looks small.
        if (RelativeError(ans, err) < RelativeError(best, bestErr)) {
            best = ans;
            bestErr = err;
            bestLargest = sampler.LargestValue();
            bestNoise = RoundingNoise(std::fmax(std::fabs(fx), bestLargest), h);
            worseRuns = 0;
        } else if (RelativeError(best, bestErr) <= kGoodShare && ++worseRuns >= kMaxWorseRuns) {
            break;
        }
        if (bestErr <= kSettled * std::fabs(best)) break;
    }
    if (!std::isfinite(bestErr)) {
        numerror("Can't evaluate function");
        return 0.0;
    }
    // An estimate whose error is a twentieth of it or more (a jump, where
    // the estimates grow as the step shrinks), or that rounds away at its
    // error, has no digit worth showing, unless that error is within the
    // rounding of the central differences themselves: then it is zero.
    const double totalErr = std::fmax(bestErr, bestNoise);
    const double rounded = RoundToError(best, totalErr);
    if (rounded == 0.0 || totalErr > kWorstShare * std::fabs(best)) {
        const double largest = std::fmax(std::fabs(fx), bestLargest);
        if (totalErr <= 1e3 * DBL_EPSILON * largest / firstStep) return 0.0;
        numerror("No significant digits in ScaledDerivative");
        return 0.0;
    }
    return rounded;
}

}  // namespace quorvix::numeric
