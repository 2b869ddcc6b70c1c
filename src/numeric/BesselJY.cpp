#include "numeric/BesselJY.h"

#include <cmath>

#include "numeric/BesselLeadingTerm.h"
#include "numeric/BesselOrderLimit.h"
#include "numeric/BesselPolynomial.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {
namespace {

// sqrt(2/pi), x - pi/4 and x - 3pi/4 as the approximations store them.
constexpr double kTwoOverPi = 0.636619772;
constexpr double kQuarterPi = 0.785398164;
constexpr double kThreeQuarterPi = 2.356194491;

// Asymptotic forms for |x| >= 8 in the variable u = (8/x)^2.
constexpr double kJ0A[] = {1.0, -0.001098628627, 2.734510407e-5, -2.073370639e-6,
                           2.093887211e-7};
constexpr double kJ0B[] = {-0.01562499995, 1.430488765e-4, -6.911147651e-6,
                           7.621095161e-7, -9.34935152e-8};
constexpr double kY0B[] = {-0.01562499995, 1.430488765e-4, -6.911147651e-6,
                           7.621095161e-7, -9.34945152e-8};
constexpr double kJ1A[] = {1.0, 0.00183105, -3.516396496e-5, 2.457520174e-6,
                           -2.40337019e-7};
constexpr double kJ1B[] = {0.04687499995, -2.002690873e-4, 8.449199096e-6,
                           -8.8228987e-7, 1.05787412e-7};

// Rational approximations for |x| < 8 in y = x^2.
constexpr double kJ0P[] = {57568490574.0, -13362590354.0, 651619640.7,
                           -11214424.18,  77392.33017,    -184.9052456};
constexpr double kJ0Q[] = {57568490411.0, 1029532985.0, 9494680.718,
                           59272.64853,   267.8532712,  1.0};
constexpr double kY0P[] = {-2957821389.0, 7062834065.0, -512359803.6,
                           10879881.29,   -86327.92757, 228.4622733};
constexpr double kY0Q[] = {40076544269.0, 745249964.8, 7189466.438,
                           47447.26470,   226.1030244, 1.0};
constexpr double kJ1P[] = {72362614232.0, -7895059235.0, 242396853.1,
                           -2972611.439,  15704.48260,   -30.16036606};
constexpr double kJ1Q[] = {144725228442.0, 2300535178.0, 18583304.74,
                           99447.43394,    376.9991397,  1.0};
constexpr double kY1P[] = {-4.900604943e12, 1.275274390e12, -5.153438139e10,
                           7.349264551e8,   -4.237922726e6, 8.511937935e3};
constexpr double kY1Q[] = {2.499580570e13, 4.244419664e11, 3.733650367e9, 2.245904002e7,
                           1.020426050e5,  354.9632885,    1.0};

// Miller's method: start order m ~ n + sqrt(40 n); rescale above 1e10.
constexpr double kMillerAccuracy = 40.0;
constexpr double kBig = 1.0e10;
constexpr double kBigInverse = 1.0e-10;

// f_n from f_0 and f_1 by f_(j+1) = j tox f_j - f_(j-1), the upward
// recurrence of J and Y. It ends early when the value is no longer finite
// (Y overflowing), and, asking `stop` between blocks of steps, when stopped.
double recurUpward(double f0, double f1, int n, double tox, StopRequested stop, bool& stopped) {
    stopped = false;
    double fm = f0;
    double f = f1;
    int j = 1;
    while (j < n) {
        if (j > 1 && stop && stop()) {
            stopped = true;
            return 0.0;
        }
        const int blockEnd = n - j > kStepsPerStopCheck ? j + static_cast<int>(kStepsPerStopCheck) : n;
        for (; j < blockEnd; ++j) {
            const double fp = j * tox * f - fm;
            fm = f;
            f = fp;
        }
        if (!std::isfinite(f)) break;
    }
    return f;
}

// For x beyond n^2 2^59 the large-argument expansion of J_n and Y_n has
// reached double precision in its leading term (the next one is
// (4n^2 - 1) / (8x) times smaller): J_n(x) = sqrt(2 / (pi x)) cos(x - phi),
// Y_n(x) = sqrt(2 / (pi x)) sin(x - phi), phi = (2n + 1) pi / 4. Used for
// orders above the recurrence limit, which would otherwise recur over
// every order for an answer this formula gives at once.
bool farBeyondOrder(int n, double x) {
    const double order = static_cast<double>(n);
    return x > order * order * 0x1p59;
}

double largeArgument(int n, double x, bool wantY) {
    // phi modulo 2 pi is an odd multiple of pi/4, picked by (2n + 1) mod 8.
    constexpr double kHalfSqrt2 = 0.70710678118654752;
    const int k = static_cast<int>((2LL * n + 1) % 8);
    const double cosPhi = (k == 1 || k == 7) ? kHalfSqrt2 : -kHalfSqrt2;
    const double sinPhi = (k == 1 || k == 3) ? kHalfSqrt2 : -kHalfSqrt2;
    // sqrt(2/pi) / sqrt(x): 2 / (pi x) itself would be subnormal for huge x.
    const double amplitude = 0.79788456080286536 / std::sqrt(x);
    const double c = std::cos(x);
    const double s = std::sin(x);
    return amplitude * (wantY ? s * cosPhi - c * sinPhi : c * cosPhi + s * sinPhi);
}

}  // namespace

double bessj0(double x) {
    const double ax = std::fabs(x);
    if (ax < 8.0) {
        const double y = x * x;
        return polyIncreasing(kJ0P, y) / polyIncreasing(kJ0Q, y);
    }
    const double z = 8.0 / ax;
    const double u = z * z;
    const double xx = ax - kQuarterPi;
    return std::sqrt(kTwoOverPi / ax) *
           (std::cos(xx) * polyIncreasing(kJ0A, u) - z * std::sin(xx) * polyIncreasing(kJ0B, u));
}

double bessy0(double x) {
    if (x < 8.0) {
        const double y = x * x;
        return polyIncreasing(kY0P, y) / polyIncreasing(kY0Q, y) +
               kTwoOverPi * bessj0(x) * std::log(x);
    }
    const double z = 8.0 / x;
    const double u = z * z;
    const double xx = x - kQuarterPi;
    return std::sqrt(kTwoOverPi / x) *
           (std::sin(xx) * polyIncreasing(kJ0A, u) + z * std::cos(xx) * polyIncreasing(kY0B, u));
}

double bessj1(double x) {
    const double ax = std::fabs(x);
    if (ax < 8.0) {
        const double y = x * x;
        return x * polyIncreasing(kJ1P, y) / polyIncreasing(kJ1Q, y);
    }
    const double z = 8.0 / ax;
    const double u = z * z;
    const double xx = ax - kThreeQuarterPi;
    const double ans = std::sqrt(kTwoOverPi / ax) * (std::cos(xx) * polyIncreasing(kJ1A, u) -
                                                     z * std::sin(xx) * polyIncreasing(kJ1B, u));
    return x < 0.0 ? -ans : ans;
}

double bessy1(double x) {
    if (x < 8.0) {
        const double y = x * x;
        return x * polyIncreasing(kY1P, y) / polyIncreasing(kY1Q, y) +
               kTwoOverPi * (bessj1(x) * std::log(x) - 1.0 / x);
    }
    const double z = 8.0 / x;
    const double u = z * z;
    const double xx = x - kThreeQuarterPi;
    return std::sqrt(kTwoOverPi / x) *
           (std::sin(xx) * polyIncreasing(kJ1A, u) + z * std::cos(xx) * polyIncreasing(kJ1B, u));
}

double bessj(int n, double x, StopRequested stop) {
    if (n < 0) {
        numerror("Index n less than 0 in bessj");
        return 0.0;
    }
    if (n == 0) return bessj0(x);
    if (n == 1) return bessj1(x);
    const double ax = std::fabs(x);
    if (ax == 0.0) return 0.0;
    if (ax < kLeadingTermBelow) return besselLeadingTerm(n, x);
    // Below the smallest double whatever the recurrence does; without this
    // a tiny x overflows Miller's recurrence instead of giving 0.
    if (besselJUnderflows(n, x)) return 0.0;
    if (n > kMaxRecurrenceSteps && farBeyondOrder(n, ax)) {
        const double value = largeArgument(n, ax, false);
        return (x < 0.0 && (n & 1)) ? -value : value;
    }

    const bool upward = ax > n;
    const long long steps = upward ? n : n + static_cast<long long>(std::sqrt(kMillerAccuracy * n));
    // Upward recurrence is stable while the order stays below x: its length
    // is the order, bounded by the 32-bit order and stoppable.
    if (steps > kMaxRecurrenceSteps && !(upward && stop)) {
        numerror("Index n too large in bessj");
        return 0.0;
    }

    const double tox = 2.0 / ax;
    double ans;
    if (upward) {
        bool stopped = false;
        ans = recurUpward(bessj0(ax), bessj1(ax), n, tox, stop, stopped);
        if (stopped) {
            numerror("bessj stopped");
            return 0.0;
        }
    } else {
        const long long m = 2 * (steps / 2);
        bool addToSum = false;
        double bjp = 0.0, sum = 0.0, bj = 1.0;
        ans = 0.0;
        for (long long j = m; j > 0; --j) {
            const double bjm = static_cast<double>(j) * tox * bj - bjp;
            bjp = bj;
            bj = bjm;
            if (std::fabs(bj) > kBig) {
                bj *= kBigInverse;
                bjp *= kBigInverse;
                ans *= kBigInverse;
                sum *= kBigInverse;
            }
            if (addToSum) sum += bj;
            addToSum = !addToSum;
            if (j == n) ans = bjp;
        }
        sum = 2.0 * sum - bj;
        ans /= sum;
    }
    return (x < 0.0 && (n & 1)) ? -ans : ans;
}

double bessy(int n, double x, StopRequested stop) {
    if (n < 0) {
        numerror("Index n less than 0 in bessy");
        return 0.0;
    }
    if (n == 0) return bessy0(x);
    if (n == 1) return bessy1(x);
    if (n > kMaxRecurrenceSteps && farBeyondOrder(n, x)) return largeArgument(n, x, true);
    if (n > kMaxRecurrenceSteps && !stop) {
        // |Y_n| grows like (n-1)! (2/x)^n: such orders overflow unless x is
        // about as large as n, where the recurrence takes as many steps.
        numerror("Index n too large in bessy");
        return 0.0;
    }
    // Upward recurrence is stable for Y at every order: Y dominates. Where
    // the order outgrows x the value overflows, and the loop ends there.
    bool stopped = false;
    const double by = recurUpward(bessy0(x), bessy1(x), n, 2.0 / x, stop, stopped);
    if (stopped) {
        numerror("bessy stopped");
        return 0.0;
    }
    return by;
}

}  // namespace quorvix::numeric
