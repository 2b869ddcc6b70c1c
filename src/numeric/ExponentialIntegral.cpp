#include "numeric/ExponentialIntegral.h"

#include <cmath>
#include <limits>

#include <boost/math/special_functions/expint.hpp>

#include "numeric/BoostPolicy.h"
#include "numeric/GammaExp.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {
namespace {

// E_n(x) = e^-x / (x + n - 1 / (x + n + 2 - 2 n / (x + n + 4 - ...))) by the
// modified Lentz method in extended precision. It converges fast once x > 1
// or n is large, which is where Boost's own evaluation either runs through
// n series terms (seconds for n near 2^31) or goes wrong (E_100(150)).
double ExpintFraction(int n, double x) {
    using Wide = long double;
    constexpr int kMaxSteps = 100000;
    const Wide tiny = 1e-4000L, eps = 4 * std::numeric_limits<Wide>::epsilon();
    const Wide nm1 = static_cast<Wide>(n) - 1.0L;
    Wide b = static_cast<Wide>(x) + n, c = 1.0L / tiny, d = 1.0L / b, h = d;
    for (int i = 1; i <= kMaxSteps; ++i) {
        const Wide an = -static_cast<Wide>(i) * (nm1 + i);
        b += 2.0L;
        d = an * d + b;
        if (std::fabs(d) < tiny) d = tiny;
        c = b + an / c;
        if (std::fabs(c) < tiny) c = tiny;
        d = 1.0L / d;
        const Wide del = c * d;
        h *= del;
        if (std::fabs(del - 1.0L) <= eps) return static_cast<double>(h * std::exp(-static_cast<Wide>(x)));
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
