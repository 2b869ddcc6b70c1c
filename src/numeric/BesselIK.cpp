#include "numeric/BesselIK.h"

#include <boost/math/special_functions/bessel.hpp>
#include <cmath>
#include <limits>

#include "numeric/BesselLargeOrder.h"
#include "numeric/BoostPolicy.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {

double bessi(int n, double x) {
    if (n < 0) {
        numerror("Index n less than 0 in bessi");
        return 0.0;
    }
    if (x == 0.0) return n == 0 ? 1.0 : 0.0;
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
    const double value = boost::math::cyl_bessel_k(n, x, kErrnoPolicy);
    // Boost gives NaN where K_n(x) lies beyond the double range.
    return std::isnan(value) ? std::numeric_limits<double>::infinity() : value;
}

}  // namespace quorvix::numeric
