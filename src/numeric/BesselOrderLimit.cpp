#include "numeric/BesselOrderLimit.h"

#include <cmath>

namespace quorvix::numeric {
namespace {

// ln of half the smallest subnormal double (2^-1075), less a margin: a value
// whose logarithm is below this rounds to 0.
constexpr double kLogUnderflow = -746.0;

double logPowerOverGamma(double nu, double ax) {
    return nu * std::log(0.5 * ax) - std::lgamma(nu + 1.0);
}

}  // namespace

bool besselJUnderflows(double nu, double x, double logFactor) {
    const double ax = std::fabs(x);
    if (!(ax > 0.0) || !(nu >= 0.0) || ax >= 2.0 * (nu + 1.0)) return false;
    return logPowerOverGamma(nu, ax) + logFactor < kLogUnderflow;
}

bool besselIUnderflows(double nu, double x) {
    const double ax = std::fabs(x);
    if (!(ax > 0.0) || !(nu >= 0.0) || ax >= 2.0 * (nu + 1.0)) return false;
    return logPowerOverGamma(nu, ax) + ax * ax / (4.0 * (nu + 1.0)) < kLogUnderflow;
}

bool besselKUnderflows(double nu, double x) {
    if (!(x > 0.0) || !(nu >= 1.0)) return false;
    const double z = x / nu;
    const double s = std::sqrt(1.0 + z * z);
    const double eta = s + std::log(z / (1.0 + s));
    const double logK = 0.5 * std::log(1.5707963267948966 / nu) - nu * eta - 0.25 * std::log1p(z * z);
    return logK < kLogUnderflow - 10.0;
}

}  // namespace quorvix::numeric
