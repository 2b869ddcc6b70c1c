#include "numeric/Gamma.h"

#include <cmath>

#include "numeric/GammaExp.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {

namespace {

constexpr double kLanczos[6] = {76.18009172947146,     -86.50532032941678,
                                24.01409824083091,     -1.231739572450155,
                                0.001208650973866179,  -5.395239384953e-6};
constexpr double kLanczosSeriesStart = 1.000000000190015;
constexpr double kSqrtTwoPi = 2.5066282746310007;

constexpr int kFactlnCacheSize = 101;  // n = 0..100

}  // namespace

double gammaln(double x) {
    double tmp = x + 5.5;
    tmp -= (x + 0.5) * std::log(tmp);
    double ser = kLanczosSeriesStart;
    for (int j = 0; j <= 5; ++j) ser += kLanczos[j] / (x + static_cast<double>(j + 1));
    return std::log(kSqrtTwoPi * ser / x) - tmp;
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
