#include "numeric/ExponentialIntegral.h"

#include <cmath>

#include <boost/math/special_functions/expint.hpp>

#include "numeric/BoostPolicy.h"
#include "numeric/GammaExp.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {
namespace {

// E_n(x) = e^-x / (x + n - 1 / (x + n + 2 - 2 n / (x + n + 4 - ...))) by the
// modified Lentz method. It converges fast once x > 1 or n is large, which
// is where Boost's own evaluation either runs through n series terms
// (seconds for n near 2^31) or goes wrong (E_100(150)).
double ExpintFraction(int n, double x) {
    constexpr int kMaxSteps = 100000;
    constexpr double kTiny = 1e-300, kPrecision = 3e-16;
    const double nm1 = static_cast<double>(n) - 1.0;
    double b = x + n, c = 1.0 / kTiny, d = 1.0 / b, h = d;
    for (int i = 1; i <= kMaxSteps; ++i) {
        const double an = -static_cast<double>(i) * (nm1 + i);
        b += 2.0;
        d = an * d + b;
        if (std::fabs(d) < kTiny) d = kTiny;
        c = b + an / c;
        if (std::fabs(c) < kTiny) c = kTiny;
        d = 1.0 / d;
        const double del = c * d;
        h *= del;
        if (std::fabs(del - 1.0) <= kPrecision) return h * ExpWithoutUnderflowError(-x);
    }
    numerror("continued fraction failed in expint");
    return 0.0;
}

}  // namespace

double expint(int n, double x) {
    if (n < 0 || x < 0.0 || (x == 0.0 && (n == 0 || n == 1)) || std::isnan(x)) {
        numerror("bad arguments in expint");
        return 0.0;
    }
    if (n == 0) return ExpWithoutUnderflowError(-x) / x;
    // n - 1 in double: n may be as large as an int allows.
    if (x == 0.0) return 1.0 / (static_cast<double>(n) - 1.0);
    if (n >= 2 && (x > 1.0 || n > 1000)) return ExpintFraction(n, x);
    return boost::math::expint(static_cast<unsigned>(n), x, kErrnoPolicy);
}

double ei(double x) {
    if (!(x > 0.0)) {
        numerror("Bad argument in ei");
        return 0.0;
    }
    return boost::math::expint(x, kErrnoPolicy);
}

}  // namespace quorvix::numeric
