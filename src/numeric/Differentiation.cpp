#include "numeric/Differentiation.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "numeric/NumericSupport.h"

namespace quorvix::numeric {

namespace {

constexpr double kStepRatio = 1.4;
constexpr double kStepRatioSquared = kStepRatio * kStepRatio;  // 1.9599999999999997
constexpr double kStepShrink = 1.0 / kStepRatio;               // 0.7142857142857143
constexpr int kTableauSize = 10;
constexpr double kInitialError = 1.0e30;
constexpr double kSafety = 2.0;

// (f(x + hh) - f(x - hh)) / (2 hh); false when a sample failed or is not
// finite. The divisor is the distance between the two points as they are
// stored, which differs from 2 hh when x is large beside hh.
bool CentralDifference(const SolverCallback& f, double x, double hh, double& result) {
    double fplus = 0.0, fminus = 0.0;
    const double above = x + hh, below = x - hh;
    if (f(above, fplus) != 0 || f(below, fminus) != 0) return false;
    if (!std::isfinite(fplus) || !std::isfinite(fminus)) return false;
    result = (fplus - fminus) / (above - below);
    return true;
}

}  // namespace

bool RiddersTableau(const SolverCallback& f, double x, double h, double& ans, double& err, int minSteps,
                    double settled) {
    err = kInitialError;
    ans = 0.0;
    // Rows and columns 1..10; a small fixed tableau lives on the stack.
    double a[kTableauSize + 1][kTableauSize + 1];

    double hh = h;
    if (!CentralDifference(f, x, hh, a[1][1])) return false;
    // No estimate yet. An entry is accepted when its error is within the
    // best so far; the very first finite error is accepted whatever its
    // size, so that a function with huge values (where every error exceeds
    // the initial 1e30) still gets its derivative instead of no answer.
    ans = std::numeric_limits<double>::quiet_NaN();
    bool haveAnswer = false;
    for (int i = 2; i <= kTableauSize; ++i) {
        hh *= kStepShrink;
        if (!CentralDifference(f, x, hh, a[1][i])) return false;
        double fac = kStepRatioSquared;
        for (int j = 2; j <= i; ++j) {
            a[j][i] = (a[j - 1][i] * fac - a[j - 1][i - 1]) / (fac - 1.0);
            fac *= kStepRatioSquared;
            const double errt = std::max(std::fabs(a[j][i] - a[j - 1][i]),
                                         std::fabs(a[j][i] - a[j - 1][i - 1]));
            if (errt <= err || (!haveAnswer && std::isfinite(errt))) {
                err = errt;
                ans = a[j][i];
                haveAnswer = true;
            }
        }
        if (i < minSteps) continue;
        if (std::fabs(a[i][i] - a[i - 1][i - 1]) >= kSafety * err || err <= settled * std::fabs(ans)) break;
    }
    return true;
}

double dfridr(const SolverCallback& f, double x, double h, double& err) {
    err = kInitialError;
    if (h == 0.0) {
        numerror("h must be nonzero in dfridr.");
        return 0.0;
    }
    double ans = 0.0;
    if (!RiddersTableau(f, x, h, ans, err, 2, 0.0)) {
        numerror("Can't evaluate function");
        return 0.0;
    }
    return ans;
}

}  // namespace quorvix::numeric
