#include "numeric/Gamma.h"

#include <cmath>

#include <boost/math/special_functions/gamma.hpp>

#include "numeric/BoostPolicy.h"
#include "numeric/GammaExp.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {

namespace {

constexpr int kFactlnCacheSize = 101;  // n = 0..100

}  // namespace

double gammaln(double x) { return boost::math::lgamma(x, kErrnoPolicy); }

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
