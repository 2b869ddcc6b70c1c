#include "numeric/RootFinding.h"

#include <algorithm>
#include <cmath>

#include "numeric/NumericSupport.h"

namespace quorvix::numeric {

namespace {

constexpr double kPrecision = 6.0e-15;

bool SameStrictSign(double u, double v) { return (u > 0.0 && v > 0.0) || (u < 0.0 && v < 0.0); }

double Fail(const char* message, bool* failed) {
    numerror(message);
    if (failed) *failed = true;
    return 0.0;
}

}  // namespace

double zbrent(const SolverCallback& f, double x1, double x2, double tol, bool* failed, int maxIterations) {
    if (failed) *failed = false;
    const double eps = SolverTolerance(tol);
    double a = x1, b = x2;
    double fa = 0.0, fb = 0.0;
    if (f(a, fa) != 0 || f(b, fb) != 0) return Fail("Can't evaluate function", failed);
    if (SameStrictSign(fa, fb)) return Fail("Root must be bracketed in zbrent", failed);

    // A sign change across a pole narrows onto the pole just as onto a
    // root; there f grows instead of vanishing, beyond both ends.
    const double endMagnitude = std::max(std::fabs(fa), std::fabs(fb));

    double c = b, fc = fb;
    double d = 0.0, e = 0.0;
    for (int iter = 1; iter <= maxIterations; ++iter) {
        if (SameStrictSign(fb, fc)) {
            // Keep the root between b and c.
            c = a;
            fc = fa;
            e = d = b - a;
        }
        if (std::fabs(fc) < std::fabs(fb)) {
            // Make b the better estimate.
            a = b;
            b = c;
            c = a;
            fa = fb;
            fb = fc;
            fc = fa;
        }
        const double tol1 = kPrecision * std::fabs(b) + 0.5 * eps;
        const double xm = 0.5 * (c - b);
        if (std::fabs(xm) <= tol1 || fb == 0.0) {
            if (std::fabs(fb) > endMagnitude) return Fail("Pole, not a root, in zbrent", failed);
            return b;
        }
        if (std::fabs(e) >= tol1 && std::fabs(fa) > std::fabs(fb)) {
            const double s = fb / fa;
            double p, q;
            if (a == c) {
                // Secant step.
                p = 2.0 * xm * s;
                q = 1.0 - s;
            } else {
                // Inverse quadratic interpolation.
                q = fa / fc;
                const double r = fb / fc;
                p = s * (2.0 * xm * q * (q - r) - (b - a) * (r - 1.0));
                q = (q - 1.0) * (r - 1.0) * (s - 1.0);
            }
            if (p > 0.0) q = -q;
            p = std::fabs(p);
            const double min1 = 3.0 * xm * q - std::fabs(tol1 * q);
            const double min2 = std::fabs(e * q);
            if (2.0 * p < std::min(min1, min2)) {
                e = d;
                d = p / q;
            } else {
                d = xm;
                e = d;
            }
        } else {
            d = xm;
            e = d;
        }
        a = b;
        fa = fb;
        if (std::fabs(d) > tol1)
            b += d;
        else
            b += (xm >= 0.0 ? std::fabs(tol1) : -std::fabs(tol1));
        if (f(b, fb) != 0) return Fail("Can't evaluate function", failed);
    }
    return Fail("Maximum number of iterations exceeded in zbrent", failed);
}

}  // namespace quorvix::numeric
