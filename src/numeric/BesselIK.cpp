#include "numeric/BesselIK.h"

#include <algorithm>
#include <cmath>

#include "numeric/BesselLeadingTerm.h"
#include "numeric/BesselOrderLimit.h"
#include "numeric/BesselPolynomial.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {
namespace {

constexpr double kI0Small[] = {1.0,       3.5156229, 3.0899424, 1.2067492,
                               0.2659732, 0.0360768, 0.0045813};
constexpr double kI0Large[] = {0.39894228,  0.01328592, 0.00225319,
                               -0.00157565, 0.00916281, -0.02057706,
                               0.02635537,  -0.01647633, 0.00392377};
constexpr double kI1Small[] = {0.5,        0.87890594, 0.51498869, 0.15084934,
                               0.02658733, 0.00301532, 0.00032411};
constexpr double kI1Large[] = {0.39894228,  -0.03988024, -0.00362018,
                               0.00163801,  -0.01031555, 0.02282967,
                               -0.02895312, 0.01787654,  -0.00420059};
constexpr double kK0Small[] = {-0.57721566, 0.42278420, 0.23069756, 0.03488590,
                               0.00262698,  0.00010750, 0.0000074};
constexpr double kK0Large[] = {1.25331414,  -0.07832358, 0.02189568, -0.01062446,
                               0.00587872,  -0.00251540, 0.00053208};
constexpr double kK1Small[] = {1.0,         0.15443144,  -0.67278579, -0.18156897,
                               -0.01919402, -0.00110404, -0.00004686};
constexpr double kK1Large[] = {1.25331414,  0.23498619,  -0.03655620, 0.01504268,
                               -0.00780353, 0.00325614,  -0.00068245};

constexpr double kOverThreePointSevenFive = 0.26666666666666666;
constexpr double kMillerAccuracy = 40.0;
constexpr double kBig = 1.0e10;
constexpr double kBigInverse = 1.0e-10;
constexpr double kLargestUsefulX = 750.0;
// From here K_n of order 2 and up is computed by a scaled recurrence.
constexpr double kScaledFrom = 700.0;
constexpr double kScaledRescaleAbove = 1.0e300;
constexpr double kScaledRescaleBy = 1.0e-300;

}  // namespace

double bessi0(double x) {
    const double ax = std::fabs(x);
    if (ax < 3.75) {
        const double y = x * kOverThreePointSevenFive;
        return polyIncreasing(kI0Small, y * y);
    }
    return std::exp(ax) / std::sqrt(ax) * polyIncreasing(kI0Large, 3.75 / ax);
}

double bessi1(double x) {
    const double ax = std::fabs(x);
    double ans;
    if (ax < 3.75) {
        const double y = x * kOverThreePointSevenFive;
        ans = ax * polyIncreasing(kI1Small, y * y);
    } else {
        ans = std::exp(ax) / std::sqrt(ax) * polyIncreasing(kI1Large, 3.75 / ax);
    }
    return x < 0.0 ? -ans : ans;
}

double bessk0(double x) {
    if (x <= 2.0) {
        return -std::log(x / 2.0) * bessi0(x) + polyIncreasing(kK0Small, x * x / 4.0);
    }
    return std::exp(-x) / std::sqrt(x) * polyIncreasing(kK0Large, 2.0 / x);
}

double bessk1(double x) {
    if (x <= 2.0) {
        return std::log(x / 2.0) * bessi1(x) + (1.0 / x) * polyIncreasing(kK1Small, x * x / 4.0);
    }
    return std::exp(-x) / std::sqrt(x) * polyIncreasing(kK1Large, 2.0 / x);
}

double bessi(int n, double x) {
    if (n < 0) {
        numerror("Index n less than 0 in bessi");
        return 0.0;
    }
    if (n == 0) return bessi0(x);
    if (n == 1) return bessi1(x);
    if (x == 0.0) return 0.0;
    if (std::isnan(x)) return x;
    if (std::fabs(x) < kLeadingTermBelow) return besselLeadingTerm(n, x);
    // Below the smallest double whatever the recurrence does; without this
    // a tiny x overflows Miller's recurrence instead of giving 0.
    if (besselIUnderflows(n, x)) return 0.0;

    // Miller's start order must lie well above both n and |x|: started from
    // above n alone, the recurrence loses digits once |x| exceeds n (I_3(100)
    // would be off in the third digit). Beyond |x| = 750, I_0 overflows and
    // so does the result, so larger |x| need no higher start.
    const double ax = std::fabs(x);
    const long long base =
        std::max<long long>(n, static_cast<long long>(std::ceil(std::min(ax, kLargestUsefulX))));
    const long long m = 2 * (base + static_cast<long long>(std::sqrt(kMillerAccuracy * base)));
    if (m > 2 * kMaxRecurrenceSteps) {
        numerror("Index n too large in bessi");
        return 0.0;
    }
    const double tox = 2.0 / ax;
    double bip = 0.0, ans = 0.0, bi = 1.0;
    for (long long j = m; j > 0; --j) {
        const double bim = bip + static_cast<double>(j) * tox * bi;
        bip = bi;
        bi = bim;
        if (std::fabs(bi) > kBig) {
            ans *= kBigInverse;
            bi *= kBigInverse;
            bip *= kBigInverse;
        }
        if (j == n) ans = bip;
    }
    ans *= bessi0(x) / bi;
    return (x < 0.0 && (n & 1)) ? -ans : ans;
}

double bessk(int n, double x) {
    if (n < 0) {
        numerror("Index n less than 0 in bessk");
        return 0.0;
    }
    if (n == 0) return bessk0(x);
    if (n == 1) return bessk1(x);
    if (n > kMaxRecurrenceSteps) {
        // Far beyond the turning point K_n is below the smallest double.
        if (besselKUnderflows(n, x)) return 0.0;
        numerror("Index n too large in bessk");
        return 0.0;
    }
    const double tox = 2.0 / x;
    if (x > kScaledFrom) {
        // K_0 and K_1 are near or below the smallest double here, and the
        // recurrence would carry nothing but their rounding. Recur on
        // exp(x) K instead (the recurrence is linear), keeping the scale
        // as a logarithm, and apply exp(-x) once at the end.
        double bkm = polyIncreasing(kK0Large, tox) / std::sqrt(x);
        double bk = polyIncreasing(kK1Large, tox) / std::sqrt(x);
        double logScale = -x;
        for (int j = 1; j < n; ++j) {
            const double bkp = bkm + j * tox * bk;
            bkm = bk;
            bk = bkp;
            if (bk > kScaledRescaleAbove) {
                bk *= kScaledRescaleBy;
                bkm *= kScaledRescaleBy;
                logScale -= std::log(kScaledRescaleBy);
            }
        }
        return std::exp(std::log(bk) + logScale);
    }
    double bkm = bessk0(x);
    double bk = bessk1(x);
    for (int j = 1; j < n; ++j) {
        const double bkp = bkm + j * tox * bk;
        bkm = bk;
        bk = bkp;
    }
    return bk;
}

}  // namespace quorvix::numeric
