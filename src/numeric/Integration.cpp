#include "numeric/Integration.h"

#include <cmath>

#include "numeric/IntegrationExtrapolation.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {

namespace {

constexpr int kMaxStages = 20;
constexpr int kExtrapolationPoints = 5;

// One trapezoidal stage; false when a sample failed (already reported).
bool TrapezoidStage(const SolverCallback& f, double a, double b, int n, double& estimate) {
    if (n <= 1) {
        double fa = 0.0, fb = 0.0;
        if (f(a, fa) != 0 || f(b, fb) != 0) {
            numerror("Can't evaluate function");
            return false;
        }
        estimate = 0.5 * (b - a) * (fa + fb);
        return true;
    }
    long it = 1;
    for (int j = 1; j < n - 1; ++j) it <<= 1;
    const double tnm = static_cast<double>(it);
    const double del = (b - a) / tnm;
    double x = a + 0.5 * del;
    double sum = 0.0;
    for (long j = 1; j <= it; ++j, x += del) {
        double fx = 0.0;
        if (f(x, fx) != 0) {
            numerror("Can't evaluate function");
            return false;
        }
        sum += fx;
    }
    estimate = 0.5 * (estimate + (b - a) * sum / tnm);
    return true;
}

}  // namespace

double trapstage(const SolverCallback& f, double a, double b, int n, double& estimate) {
    return TrapezoidStage(f, a, b, n, estimate) ? estimate : 0.0;
}

double qromb(const SolverCallback& f, double a, double b, double tol) {
    const double eps = SolverTolerance(tol);
    // Index 0 is unused so that the tables read as s[1..20] and h[1..21].
    double s[kMaxStages + 2] = {};
    double h[kMaxStages + 2] = {};
    double estimate = 0.0;
    h[1] = 1.0;
    for (int j = 1; j <= kMaxStages; ++j) {
        if (!TrapezoidStage(f, a, b, j, estimate)) return 0.0;
        s[j] = estimate;
        if (j >= kExtrapolationPoints) {
            double ss = 0.0, dss = 0.0;
            const int first = j - kExtrapolationPoints;
            polint(&h[first], &s[first], kExtrapolationPoints, 0.0, ss, dss);
            if (std::fabs(dss) <= eps * std::fabs(ss)) return ss;
        }
        h[j + 1] = 0.25 * h[j];
    }
    numerror("Too many steps in routine qromb");
    return 0.0;
}

}  // namespace quorvix::numeric
