#include "numeric/Gamma.h"

#include <cmath>
#include <limits>

#include <boost/math/constants/constants.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <boost/math/special_functions/sin_pi.hpp>

#include "numeric/BoostPolicy.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {

namespace {

constexpr int kFactlnCacheSize = 101;  // n = 0..100

}  // namespace

double gammaln(double x) { return gammaln(x, nullptr); }

double gammaln(double x, int* sign) {
    int gammaSign = 1;
    double value = 0.0;
    if (x >= -2147483648.0 || std::isnan(x)) {
        value = boost::math::lgamma(x, &gammaSign, kErrnoPolicy);
    } else if (std::floor(x) == x) {
        // Every double this far below zero without a fraction is a pole.
        numerror("pole in routine gammaln");
        value = std::numeric_limits<double>::quiet_NaN();
    } else {
        // Boost's own reflection converts floor(x) to int, which this far
        // out it cannot hold, so the reflection is done here:
        // ln|Γ(x)| = ln π - ln|sin πx| - ln Γ(1 - x). Below -2^31 but with a
        // fraction, x - floor(x) is exact, and sin πx takes the sign of the
        // parity of floor(x).
        const double whole = std::floor(x);
        const double sinPiFraction = boost::math::sin_pi(x - whole, kErrnoPolicy);
        if (std::fmod(whole, 2.0) != 0.0) gammaSign = -1;
        value = std::log(boost::math::constants::pi<double>()) - std::log(sinPiFraction) -
                boost::math::lgamma(1.0 - x, kErrnoPolicy);
    }
    if (sign) *sign = gammaSign;
    return value;
}

double factln(long long n) {
    // An entry of 0 means "not computed yet"; ln(n!) > 0 for every cached n.
    static double cache[kFactlnCacheSize] = {};
    if (n < 0) {
        numerror("Negative factorial in routine factln");
        return 0.0;
    }
    if (n <= 1) return 0.0;
    if (n >= kFactlnCacheSize) return gammaln(static_cast<double>(n) + 1.0);
    double& entry = cache[n];
    if (entry == 0.0) entry = gammaln(static_cast<double>(n) + 1.0);
    return entry;
}

}  // namespace quorvix::numeric
