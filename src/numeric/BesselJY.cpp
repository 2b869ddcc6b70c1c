#include "numeric/BesselJY.h"

#include <boost/math/special_functions/bessel.hpp>
#include <cmath>
#include <limits>

#include "numeric/BesselAiryZeros.h"
#include "numeric/BesselHankel.h"
#include "numeric/BesselLargeOrder.h"
#include "numeric/BesselQuad.h"
#include "numeric/BoostPolicy.h"
#include "numeric/NumericSupport.h"

namespace quorvix::numeric {

namespace {

bool nearTabledZero(bool secondKind, int n, double x, double& value) {
    if (n > 1 || x >= kHankelFrom + 1.0) return false;
    const ZeroOde ode{false, 1.0, static_cast<double>(n * n)};
    using Zeros = std::span<const FunctionZero>;
    const Zeros table = secondKind ? (n == 0 ? Zeros(zeros::kY0Zeros) : Zeros(zeros::kY1Zeros))
                                   : (n == 0 ? Zeros(zeros::kJ0Zeros) : Zeros(zeros::kJ1Zeros));
    return valueNearZero(table, ode, x, value);
}

// How far the quadruple-precision recomputation is used (it costs about n
// steps, or x + sqrt(400 x) below x = 45); checked against references up
// to here.
constexpr double kQuadReach = 1e15;

// A double evaluation of order 2 and up keeps only absolute accuracy next
// to a zero; zeros lie beyond x = n, where the values oscillate within an
// envelope near sqrt(2 / (pi x)). Values well inside it are recomputed in
// quadruple precision.
bool nearUntabledZero(int n, double x, double value) {
    if (n < 2 || n >= kLargeOrder || x <= n || x > kQuadReach) return false;
    constexpr double kTwoOverPi = 0.6366197723675814;
    return std::fabs(value) < 0.1 * std::sqrt(kTwoOverPi / x);
}

}  // namespace

double bessj(int n, double x) {
    if (n < 0) {
        numerror("Index n less than 0 in bessj");
        return 0.0;
    }
    if (x == 0.0) return n == 0 ? 1.0 : 0.0;
    const double ax = std::fabs(x);
    const double sign = (x < 0.0 && (n & 1)) ? -1.0 : 1.0;
    double value = 0.0;
    HankelValues h;
    if (nearTabledZero(false, n, ax, value)) {
    } else if (ax >= kHankelFrom && besselHankel(n, ax, h))
        value = h.j;
    else if (n >= kLargeOrder)
        value = besselJYLargeOrder(n, ax).j;
    else
        value = boost::math::cyl_bessel_j(n, ax, kErrnoPolicy);
    if (nearUntabledZero(n, ax, value)) value = besselJYQuad(n, ax).j;
    return sign * value;
}

double bessy(int n, double x) {
    if (n < 0) {
        numerror("Index n less than 0 in bessy");
        return 0.0;
    }
    if (x == 0.0) return -std::numeric_limits<double>::infinity();
    if (x < 0.0) return std::numeric_limits<double>::quiet_NaN();
    double value = 0.0;
    HankelValues h;
    if (nearTabledZero(true, n, x, value)) return value;
    if (x >= kHankelFrom && besselHankel(n, x, h)) return h.y;
    if (n >= kLargeOrder) return besselJYLargeOrder(n, x).y;
    value = boost::math::cyl_neumann(n, x, kErrnoPolicy);
    if (nearUntabledZero(n, x, value)) return besselJYQuad(n, x).y;
    // Boost gives NaN where Y_n(x) lies beyond the double range.
    return std::isnan(value) ? -std::numeric_limits<double>::infinity() : value;
}

}  // namespace quorvix::numeric
