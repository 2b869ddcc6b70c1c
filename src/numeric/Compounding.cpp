#include "numeric/Compounding.h"

#include <boost/math/special_functions/log1p.hpp>
#include <cerrno>
#include <cmath>

#include "numeric/BoostPolicy.h"
#include "numeric/CompensatedSum.h"

namespace quorvix::numeric {

namespace {

// Below this |n ln(1 + r)| the factors minus 1 come from expm1, above it
// from the factors themselves (which then differ from 1 by at least 0.4).
constexpr double kSmallGrowth = 0.5;

// expm1(x) / x, 1 at x = 0.
double Expm1OverX(double x) { return x == 0.0 ? 1.0 : std::expm1(x) / x; }

// log1p(r) / r, 1 at r = 0.
double Log1pOverX(double r) { return r == 0.0 ? 1.0 : std::log1p(r) / r; }

// x^n for x = a + b with |b| below half an ulp of a: pow(a, n) corrected by
// (1 + b/a)^n, so the rounding of 1 + r is not raised to the n-th power.
double PowerOfSum(double a, double b, double n) {
    const double p = std::pow(a, n);
    return b == 0.0 ? p : p * std::exp(n * std::log1p(b / a));
}

}  // namespace

Compounding CompoundingOf(double r, double n) {
    const int savedErrno = errno;
    Compounding c{};
    if (r > -1.0 && std::isfinite(r) && std::isfinite(n)) {
        const auto [a, b] = TwoSum(1.0, r);  // 1 + r = a + b exactly
        c.g = PowerOfSum(a, b, n);
        c.v = PowerOfSum(a, b, -n);
        const double growth = n * std::log1p(r);
        c.growth = growth;
        if (std::fabs(growth) < kSmallGrowth) {
            // ((1+r)^n - 1)/r = n (ln(1+r)/r) (expm1(L)/L), L = n ln(1+r):
            // every factor is near its limit and none cancels.
            const double scale = n * Log1pOverX(r);
            c.sn = scale * Expm1OverX(growth);
            c.an = scale * Expm1OverX(-growth);
        } else {
            c.sn = (c.g - 1.0) / r;
            c.an = (1.0 - c.v) / r;
        }
    } else {
        c.g = std::pow(1.0 + r, n);
        c.v = std::pow(1.0 + r, -n);
        c.sn = r == 0.0 ? n : (c.g - 1.0) / r;
        c.an = r == 0.0 ? n : (1.0 - c.v) / r;
        c.growth = c.g > 1.0 ? 1.0 : -1.0;
    }
    errno = savedErrno;
    return c;
}

double Log1pMinusX(double x) { return boost::math::log1pmx(x, kErrnoPolicy); }

double Expm1MinusX(double x) {
    if (std::fabs(x) >= kSmallGrowth) return std::expm1(x) - x;
    // x^2/2! + x^3/3! + ...: at |x| < 0.5 the terms fall by 4 or more.
    double term = 0.5 * x * x;
    double sum = term;
    for (int k = 3; k < 30 && std::fabs(term) > 1e-17 * std::fabs(sum); ++k) {
        term *= x / k;
        sum += term;
    }
    return sum;
}

}  // namespace quorvix::numeric
