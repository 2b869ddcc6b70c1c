#include "numeric/BesselIK.h"

#include <boost/math/special_functions/bessel.hpp>
#include <cmath>
#include <limits>

#include "numeric/BesselLargeOrder.h"
#include "numeric/BoostPolicy.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {

namespace {

// Boost's general routine for integer orders costs microseconds; these two
// cases are both faster and as accurate.
constexpr int kShortOrder = 50;
constexpr double kSeriesUpTo = 30.0;

// I_n(x) = (x/2)^n / n! * sum (x^2/4)^k / (k! (n+1)...(n+k)): positive terms.
double seriesI(int n, double ax) {
    double lead = 1.0;
    for (int k = 1; k <= n; ++k) lead *= 0.5 * ax / k;
    const double q = 0.25 * ax * ax;
    double term = 1.0, sum = 1.0;
    for (int k = 1; k < 300 && term > 1e-17 * sum; ++k) {
        term *= q / (static_cast<double>(k) * (n + k));
        sum += term;
    }
    return lead * sum;
}

// K_n by the upward recurrence K_{j+1} = K_{j-1} + (2j / x) K_j, in which
// every term is positive.
double recurK(int n, double x) {
    double previous = boost::math::cyl_bessel_k(0, x, kErrnoPolicy);
    double current = boost::math::cyl_bessel_k(1, x, kErrnoPolicy);
    for (int j = 1; j < n; ++j) {
        const double next = previous + (2.0 * j / x) * current;
        previous = current;
        current = next;
    }
    return current;
}

}  // namespace

double bessi(int n, double x) {
    if (n < 0) {
        numerror("Index n less than 0 in bessi");
        return 0.0;
    }
    if (x == 0.0) return n == 0 ? 1.0 : 0.0;
    if (n >= 2 && n < kShortOrder && std::fabs(x) <= kSeriesUpTo) {
        const double v = seriesI(n, std::fabs(x));
        return (x < 0.0 && (n & 1)) ? -v : v;
    }
    if (n < kLargeOrder) return boost::math::cyl_bessel_i(n, x, kErrnoPolicy);
    const double sign = (x < 0.0 && (n & 1)) ? -1.0 : 1.0;
    return sign * besselIKLargeOrder(n, std::fabs(x)).j;
}

double bessk(int n, double x) {
    if (n < 0) {
        numerror("Index n less than 0 in bessk");
        return 0.0;
    }
    if (x == 0.0) return std::numeric_limits<double>::infinity();
    if (x < 0.0) return std::numeric_limits<double>::quiet_NaN();
    if (n >= kLargeOrder) return besselIKLargeOrder(n, x).y;
    const double value = n >= 2 && n < kShortOrder && x > 1e-100
                             ? recurK(n, x)
                             : boost::math::cyl_bessel_k(n, x, kErrnoPolicy);
    // Boost gives NaN where K_n(x) lies beyond the double range.
    return std::isnan(value) ? std::numeric_limits<double>::infinity() : value;
}

}  // namespace quorvix::numeric
